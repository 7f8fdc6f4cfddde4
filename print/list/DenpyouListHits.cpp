#include "print/list/DenpyouListHits.h"

#include <algorithm>
#include <iterator>

#include "ui/Flags.h"

int DenpyouList_Hits[DenpyouList_HitMax] = {};
int DenpyouList_HitCount = 0;
int DenpyouList_Top = 0;
int DenpyouList_Row = -1;
int DenpyouList_Shown = Flag_True;
char DenpyouList_SearchName_1[41] = {};
char DenpyouList_SearchName_2[41] = {};

int DenpyouList_HitAt(int index) {
    if (index < 0 || index >= DenpyouList_HitCount || index >= DenpyouList_HitMax) return 0;
    return DenpyouList_Hits[index];
}

void DenpyouList_ClearHits() {
    DenpyouList_HitCount = 0;
    DenpyouList_Row = 0;
    DenpyouList_Top = 0;
    std::fill(std::begin(DenpyouList_Hits), std::end(DenpyouList_Hits), 0);
}

bool DenpyouList_PageBack() {
    if (DenpyouList_HitCount <= DenpyouList_PageRows) return false;
    if (DenpyouList_Top - DenpyouList_PageRows >= 0) {
        DenpyouList_Top -= DenpyouList_PageRows;
        return true;
    }
    if (DenpyouList_Top == 0) return false;
    DenpyouList_Top = 0;
    return true;
}

bool DenpyouList_PageForward() {
    if (DenpyouList_HitCount <= DenpyouList_PageRows) return false;
    const int last = DenpyouList_HitCount - DenpyouList_PageRows;  // the page of the last nine
    if (DenpyouList_Top + DenpyouList_PageRows <= last) {
        DenpyouList_Top += DenpyouList_PageRows;
        return true;
    }
    if (DenpyouList_Top == last) return false;
    DenpyouList_Top = last;
    return true;
}
