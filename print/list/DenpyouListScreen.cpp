#include "print/list/DenpyouListScreen.h"

#include <cstring>

#include "print/list/DenpyouListHits.h"
#include "print/list/DenpyouListPage.h"
#include "print/list/DenpyouListSearch.h"
#include "store/Denpyou.h"
#include "store/Str.h"
#include "ui/CommandBar.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

namespace {

// Shown after being hidden: a search for the customer of the document in
// the editor, or for all; the search field takes the focus when nothing is
// found. No key of the bar, shown or not.
void DenpyouList_Show(bool wasHidden) {
    if (wasHidden) {
        Str_Spaces(DenpyouList_SearchName_1, 40);
        Str_Spaces(DenpyouList_SearchName_2, 40);
        std::memcpy(DenpyouList_SearchName_1, Denpyou_Field[DenpyouField_KokyakuName_1], 40);
        std::memcpy(DenpyouList_SearchName_2, Denpyou_Field[DenpyouField_KokyakuName_2], 40);
        if (DenpyouList_SearchName_1[0] == ' ') {
            Str_Pad("全顧客", DenpyouList_SearchName_1, 40, 0);
            Str_Spaces(DenpyouList_SearchName_2, 40);
        }
        DenpyouList_ResetSearch();
        if (TLabel* l = Ui_Label("Label_DenpyouList_SearchName_1")) l->SetCaption(DenpyouList_SearchName_1);
        if (TLabel* l = Ui_Label("Label_DenpyouList_SearchName_2")) l->SetCaption(DenpyouList_SearchName_2);
        DenpyouList_MakeHitList();
        DenpyouList_ShowResult();
        if (DenpyouList_HitCount == 0)
            if (TControl* c = Ui_Control("Edit_DenpyouList_SearchName")) c->SetFocus();
    }
    Command_EnableOnly({});
}

const TScreen DenpyouList_Screen{
    .Job = Job_DenpyouList,
    .Panel = "Panel_DenpyouList",
    .MenuNo = 2,
    .First = "Edit_DenpyouList_SearchName",
    .BarPressed = Command_Key(vk::F3),
    .Show = DenpyouList_Show,
};

}  // namespace

// The list's search fields and rows come with the document list screen.
void DenpyouList_CreateControls(TForm&) {}

void DenpyouList_Register() { Screen_Register(DenpyouList_Screen); }
