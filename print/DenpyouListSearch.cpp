// The least of the list's search that the screen switch needs: the list's
// rows, date fields and the search itself come with the document list.
#include "print/DenpyouListSearch.h"

#include "app/Syori_01.h"
#include "print/DenpyouList.h"

char DenpyouList_SearchName_1[41] = {};
char DenpyouList_SearchName_2[41] = {};

void DenpyouList_ResetSearch() {
    DenpyouList_HitCount = 0;
    DenpyouList_Top = 0;
    DenpyouList_Row = 0;
}

void DenpyouList_MakeHitList() {}

void DenpyouList_ShowResult() {
    if (DenpyouList_HitCount != 0) return;
    DenpyouList_ResetSearch();
    if (TEdit* e = Ui_Edit("Edit_DenpyouList_SearchName")) e->SetFocus();
}
