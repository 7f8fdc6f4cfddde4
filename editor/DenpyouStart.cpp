// The editor's part of start-up, after the units, the own company, the
// customers, the categories and the products: the captions the own-company
// record gives, the customer chooser's page, the documents counted, and a
// new empty document in the editor.
#include <string>

#include "document/DenpyouNumber.h"
#include "editor/DenpSpecialLine.h"
#include "editor/Display.h"
#include "editor/EditorScreen.h"
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
    KokyakuChoose_ShowPage();

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
