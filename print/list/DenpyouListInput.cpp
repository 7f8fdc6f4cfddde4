#include "print/list/DenpyouListInput.h"

#include "print/list/DenpyouListCommands.h"
#include "print/list/DenpyouListHits.h"
#include "print/list/DenpyouListPage.h"

namespace {

bool IsCriterion(const TEditCell& cell) { return cell.Index < ListInput_CommandChoose; }

}  // namespace

// A criterion touched blanks a result shown (the key catchers are no criteria).
void DenpyouList_InputEntered(const TEditCell& cell) {
    if (IsCriterion(cell)) DenpyouList_CriteriaTouched();
}

bool DenpyouList_InputKey(const TEditCell& cell, Word key) {
    if (cell.Index == ListInput_SearchName) {
        if (key != vk::Up && key != vk::Down) return false;
        DenpyouList_ToggleCustomer();
        return true;
    }
    if (IsCriterion(cell)) return false;
    switch (key) {
        case vk::Return:
        case vk::F1: DenpyouList_SearchCommand(); return true;
        case vk::F4: DenpyouList_PrintCommand(); return true;
        case vk::F9: DenpyouList_OpenCommand(); return true;
        default: return false;
    }
}

void DenpyouList_ToggleCustomer() {
    char key[41];
    DenpyouList_NameKey("Label_DenpyouList_SearchName_1", key);
    if (!DenpyouList_IsAllCustomers(key)) {
        DenpyouList_SetCaption("Label_DenpyouList_SearchName_1", "全顧客");
        DenpyouList_SetCaption("Label_DenpyouList_SearchName_2", "");
        return;
    }
    // Back to the remembered customer, unless that is every customer.
    if (DenpyouList_SearchName_1[0] == ' ' || DenpyouList_SearchName_1[0] == '\0') return;
    DenpyouList_SetCaption("Label_DenpyouList_SearchName_1", DenpyouList_SearchName_1);
    DenpyouList_SetCaption("Label_DenpyouList_SearchName_2", DenpyouList_SearchName_2);
}

void DenpyouList_CriteriaTouched() {
    // The hit list, the page and its form stay: arrows, row clicks, F4 and
    // F9 still work on the previous result until the next search.
    if (!DenpyouList_Shown) return;
    DenpyouList_ClearLabels();
    DenpyouList_Shown = false;
}
