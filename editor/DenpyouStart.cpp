// The editor's part of start-up (and of a restore, which starts every
// folder again), after the units, the own company, the customers, the
// categories and the products: the captions the own-company record gives,
// the customer chooser's first page, the documents counted, and a new empty
// document at the top of the grid.
#include <string>

#include "document/DenpyouNumber.h"
#include "editor/DenpSpecialLine.h"
#include "editor/Display.h"
#include "editor/EditorScreen.h"
#include "editor/Grid.h"
#include "editor/KokyakuChoose.h"
#include "store/Denpyou.h"
#include "store/Number.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

namespace {

void SetNumber(const char* label, int n) {
    if (TLabel* l = Ui_Label(label)) l->SetCaption(std::to_string(n));
}

}  // namespace

void Denpyou_Start() {
    Denpyou_ShowCaptions();
    Denp_SpecialLine_Arrange();
    // The customer chooser's first page, and the new document at the top of
    // the grid: at start-up and after a restore replaced the files.
    KokyakuChoose_Top = 0;
    KokyakuChoose_Row = 0;
    KokyakuChoose_ShowPage();
    Denpyou_TopLine = 0;

    Denpyou_CurRec = 0;
    Denpyou_Count = 0;
    Record_Prepare(Denpyou_File);
    Denpyou_ClearRecord();
    Denpyou_Open();
    Denpyou_LoadLastNo();
    Screen_DocumentsCounted();  // the tidy-up notice
    SetNumber("Label_DenpyouDs", Denpyou_Count);
    Denpyou_CurRec = Denpyou_Count + 1;
    SetNumber("Label_DenpyouRec", Denpyou_CurRec);
    Denpyou_ShowKind();
    Denpyou_ClearRecord();
    Num_WriteInt(Denpyou_Field[DenpyouField_No], Denpyou_FieldWidth[DenpyouField_No], Denpyou_LastNo + 1);
    Denpyou_ShowHeader();
    Denpyou_ShowLines();
}
