#include "print/list/DenpyouListHits.h"

#include <algorithm>
#include <iterator>

int DenpyouList_Hits[DenpyouList_HitMax] = {};
int DenpyouList_HitCount = 0;
TListWindow DenpyouList_Window{
    .Row = -1, .Rows = DenpyouList_PageRows, .Count = [] { return DenpyouList_HitCount; }, .PagesPastAPage = true};
int& DenpyouList_Top = DenpyouList_Window.Top;
int& DenpyouList_Row = DenpyouList_Window.Row;
bool DenpyouList_Shown = true;
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

bool DenpyouList_PageBack() { return DenpyouList_Window.PageBack().Page; }

bool DenpyouList_PageForward() { return DenpyouList_Window.PageOn().Page; }
