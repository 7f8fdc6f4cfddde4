// The document editor's keys decide by the choosers open over it: the
// product chooser (this folder), the category chooser and the unit chooser.
#include "editor/EditorScreen.h"

#include "editor/CommandBarMode.h"
#include "editor/DenpyouCommands.h"
#include "editor/DenpyouTyped.h"
#include "editor/Grid.h"
#include "editor/KokyakuChoose.h"
#include "editor/LineCalc.h"
#include "editor/SyouhinChoose.h"
#include "editor/ValueCells.h"
#include "masters/categories/HinsyuChoose.h"
#include "masters/units/TanniChoose.h"
#include "store/Denpyou.h"
#include "ui/CommandBar.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

namespace {

TDenpyouPreview Preview;

// A header field of the document (those that step through documents).
bool Focus_InHeader() { return Focus_Code >= Header_Rows.front().Code && Focus_Code <= Header_Rows.back().Code; }

// A description cell of the grid.
bool Focus_InSyousai() {
    const int first = Grid_CellCode(GridColumn_Syousai, 0), last = Grid_CellCode(GridColumn_Syousai, Denpyou_GridLastRow);
    return Focus_Code >= first && Focus_Code <= last && (Focus_Code - first) % Grid_RowCodes == 0;
}

void Denpyou_Show(bool wasHidden) {
    if (wasHidden) Denpyou_FocusHeader();
    Command_EnableAll(true);
    if (Denpyou_IsStored()) {
        Command_Enable(vk::F4, false);
        Command_Enable(vk::F5, false);
    } else {
        if (Denpyou_Count == 0) Command_Enable(vk::F7, false);  // nothing to step back to
        for (Word key : {vk::F2, vk::F4, vk::F5, vk::F6, vk::F8, vk::F9}) Command_Enable(key, false);
    }
    Command_ShowEnabled();
    Denpyou_SetCaptions();
}

// Store the document; nothing while the unit chooser is open, as the F1
// key in its unit cell does nothing.
bool Key_F1() {
    if (!TanniChoose_Shown()) Denpyou_Store();
    return true;
}

// Delete or restore the document.
bool Key_F2() {
    Denpyou_DeleteOrRestore();
    return true;
}

// With a chooser open the grid's cursor one line up (not while the category
// chooser stands over the product chooser); else the print preview.
bool Key_F3() {
    // The preview's price captions and remarks go back to their plain state on
    // every F3, whether or not the preview opens (it may be hidden now).
    if (Preview.Reset) Preview.Reset();
    if (SyouhinChoose_Shown()) {
        if (!HinsyuChoose_Shown()) Denpyou_LineUp();
        return true;
    }
    if (HinsyuChoose_Shown() || TanniChoose_Shown()) {
        Denpyou_LineUp();
        return true;
    }
    if (Command_IsEnabled(vk::F3) && Denpyou_CurRec > 0 && Denpyou_CurRec <= Denpyou_Count + 1 && Preview.Open)
        Preview.Open();
    return true;
}

// With the unit chooser open the grid's cursor one line down; else the
// cursor line deleted. (The product chooser's record takes its own F4, F5,
// F6 and F9.)
bool Key_F4() {
    if (TanniChoose_Shown()) Denpyou_LineDown();
    else Denpyou_DeleteLine();
    return true;
}

// Inside the unit or the category chooser the grid back by half a page;
// else a blank line at the cursor line of the document being edited.
bool Key_F5() {
    if (!Command_IsEnabled(vk::F5)) return true;
    if (HinsyuChoose_Shown() || TanniChoose_Shown()) Denpyou_DetailPrePage();
    else if (Denpyou_CurRec >= 1 && Denpyou_CurRec <= Denpyou_Count + 1) Denpyou_InsertLine();
    return true;
}

// Inside the unit chooser the grid on by half a page; else the copy of the
// stored document.
bool Key_F6() {
    if (!Command_IsEnabled(vk::F6)) return true;
    if (TanniChoose_Shown()) Denpyou_DetailNextPage();
    else Denpyou_Copy();
    return true;
}

// From a header field: the previous stored document.
bool Key_F7() {
    if (!KokyakuChoose_Shown() && Focus_InHeader()) {
        Denpyou_ShowBefore();
        Job_Show();
    }
    return true;
}

// From a header field: the next stored document, or a new one past the last.
// From a description cell: the product chooser opened or moved beside its row.
bool Key_F8() {
    if (KokyakuChoose_Shown()) return true;
    if (Focus_InHeader()) {
        Denpyou_ShowNext();
        Job_Show();
    } else if (Focus_InSyousai()) {
        SyouhinChoose_OpenAtRow();
    }
    return true;
}

// Takes the unit at the unit chooser's cursor; else a new document.
bool Key_F9() {
    if (TanniChoose_Shown()) TanniChoose_TakeCursor();
    else Denpyou_New();
    return true;
}

// The wheel (the choosers over the editor take it first): a line down or
// up in the description or the quantity column the focus is in; in the
// other columns and outside the grid nothing.
void Denpyou_Wheel(bool down) {
    const int last = Grid_CellCode(GridColumn_Jitubai, Denpyou_GridLastRow);
    if (Focus_Code < Grid_FirstCode || Focus_Code > last) return;
    const int offset = (Focus_Code - Grid_FirstCode) % Grid_RowCodes;
    if (offset == Grid_Column(GridColumn_Syousai).CodeOffset) down ? Denpyou_LineDown() : Denpyou_LineUp();
    else if (offset == Grid_Column(GridColumn_Suuryou).CodeOffset)
        down ? Denpyou_SuuryouLineDown() : Denpyou_SuuryouLineUp();
}

// A new window: the grid at the top without a cursor row, the header's bar
// mode, no move pending, the total label released, no product found,
// nothing typed.
void Denpyou_Reset() {
    Denpyou_ForgetTyped();
    Denpyou_TopLine = 0;
    Denpyou_CurRow = -1;
    Denpyou_MoveUp = false;
    Denpyou_MoveDown = false;
    Denpyou_CommandMode = TCommandMode::Header;
    Goukei_CostShown = false;
}

const TScreen Denpyou_Screen{
    .Job = Job_Denpyou,
    .Panel = Denpyou_Panel,
    .Menu = {.No = 1, .Caption = "見積伝票"},
    .First = "Edit_DenpKokyakuName_1",
    .BarPressed = Command_Keys({vk::F1, vk::F2, vk::F3, vk::F4, vk::F5, vk::F6, vk::F7, vk::F8, vk::F9}),
    .Show = Denpyou_Show,
    .Keys = {.F1 = Key_F1, .F2 = Key_F2, .F3 = Key_F3, .F4 = Key_F4, .F5 = Key_F5, .F6 = Key_F6, .F7 = Key_F7,
             .F8 = Key_F8, .F9 = Key_F9},
    .Wheel = Denpyou_Wheel,
    .Reset = Denpyou_Reset,
};

}  // namespace

void Denpyou_SetCaptions() {
    static const char* const captions[9] = {"F1 伝票登録", "F2 伝票削除", "F3 伝票印刷",
                                            "F4 行削除",   "F5 行挿入",   "F6 伝票複写",
                                            "F7 前伝票",   "F8 次伝票",   "F9 伝票追加"};
    for (int key = 1; key <= 9; ++key) Command_SetCaption(key, captions[key - 1]);
}

bool Denpyou_IsStored() { return Denpyou_CurRec >= 1 && Denpyou_CurRec <= Denpyou_Count; }

bool Denpyou_BeingTyped() {
    return Denpyou_Field[DenpyouField_KokyakuName_1][0] != ' ' || Denpyou_TypedSinceShown();
}

void Denpyou_Register() {
    LineCalc_ShowPasses();
    ValueCells_SetTanniHost();
    SyouhinChoose_Register();  // with the category chooser over it
    Screen_Register(KokyakuChoose_Screen);
    Screen_Register(Denpyou_Screen);
}

void Denpyou_SetPreview(const TDenpyouPreview& preview) { Preview = preview; }
