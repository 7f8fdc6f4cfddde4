#include "print/list/DenpyouListCommands.h"

#include <string>

#include "editor/EditorScreen.h"
#include "print/list/DenpyouListControls.h"
#include "print/list/DenpyouListHits.h"
#include "print/list/DenpyouListPrint.h"
#include "print/list/DenpyouListScreen.h"
#include "print/list/DenpyouListSearch.h"
#include "store/Denpyou.h"
#include "store/Str.h"
#include "ui/Job.h"
#include "ui/Ui.h"

namespace {

void Focus(const char* name) {
    if (TControl* c = Ui_Control(name)) c->SetFocus();
}

void ShowPage(TListPageForm form) {
    if (form == ListPage_OneCustomer)
        DenpyouList_ShowPage();
    else
        DenpyouSubList_ShowPage();
}

}  // namespace

void DenpyouList_Enter() {
    // The editor's own document: the list never reads into its buffers, so
    // this is the customer of the document being edited.
    Str_Pad(Denpyou_Field[DenpyouField_KokyakuName_1], DenpyouList_SearchName_1, 40, 0);
    Str_Pad(Denpyou_Field[DenpyouField_KokyakuName_2], DenpyouList_SearchName_2, 40, 0);
    if (DenpyouList_SearchName_1[0] == ' ') {
        Str_Pad("全顧客", DenpyouList_SearchName_1, 40, 0);
        Str_Spaces(DenpyouList_SearchName_2, 40);
    }
    DenpyouList_ResetSearch();
    DenpyouList_SetCaption("Label_DenpyouList_SearchName_1", DenpyouList_SearchName_1);
    DenpyouList_SetCaption("Label_DenpyouList_SearchName_2", DenpyouList_SearchName_2);
    DenpyouList_MakeHitList();
    DenpyouList_ShowResult();
    if (DenpyouList_HitCount == 0) Focus("Edit_DenpyouList_SearchName");
}

void DenpyouList_SearchCommand() {
    DenpyouList_MakeHitList();
    DenpyouList_ShowResult();
    Focus(DenpyouList_HitCount == 0 ? "Edit_DenpyouList_SearchName" : "Edit_DenpyouListLineChoose");
}

void DenpyouList_PrintCommand() {
    if (DenpyouList_HitCount == 0) return;
    DenpyouList_Print();
    Focus("Edit_DenpyouList_SearchName");
}

void DenpyouList_OpenCommand() { DenpyouList_OpenSlip(DenpyouList_Row); }

bool DenpyouList_OpenSlip(int row) {
    // Read first: a row that cannot be read is not opened, and neither the
    // list nor the editor changes.
    const int n = DenpyouList_ReadSlip(row);
    if (n == 0) return false;
    DenpyouList_Row = row;
    if (TPanel* list = Ui_Panel(DenpyouList_Panel)) list->Hide();
    Denpyou_ShowOpened(n);
    if (Job_Current != Job_Denpyou) {
        Job_Current = Job_Denpyou;
        Job_Show();
    }
    Denpyou_FocusHeader();
    return true;
}

void DenpyouList_RowClick(int row) { DenpyouList_OpenSlip(row - 1); }

void DenpyouList_PageBackClick(TListPageForm form) {
    if (DenpyouList_PageBack()) ShowPage(form);
}

void DenpyouList_PageForwardClick(TListPageForm form) {
    if (DenpyouList_PageForward()) ShowPage(form);
}
