#include "editor/Syousai.h"

#include "editor/CommandBarMode.h"
#include "editor/Display.h"
#include "editor/Grid.h"
#include "editor/SyouhinChoose.h"
#include "masters/categories/HinsyuChoose.h"
#include "store/Denpyou.h"
#include "ui/Commands.h"
#include "ui/Flags.h"
#include "ui/Focus.h"
#include "ui/Frame.h"
#include "ui/Ui.h"

namespace {

void FocusCell(int column, int row0) {
    if (TEdit* e = Grid_Edit(column, row0)) e->SetFocus();
}

// Return: the description committed into the cursor's line, then on along
// the line: an item line to its quantity, an adjustment line ('5') to its
// actual price, any other line to the next row's description. In the last
// row the window moves on under the cell instead.
void Syousai_Return(int row) {
    const int cur = Denpyou_CurRow;
    if (cur < 0) return;
    TEdit* edit = Grid_Edit(GridColumn_Syousai, row - 1);
    if (!edit) return;
    Flag_EnterCommitted = true;
    Denpyou_CommitCell(GridColumn_Syousai, cur, edit);
    const char kind = Denpyou_LineField[Denpyou_LineFieldCount * (Denpyou_TopLine + cur) + LineField_Kind][0];
    if (kind == LineKind_Item) {
        FocusCell(GridColumn_Suuryou, cur);
    } else if (kind == LineKind_Nebiki) {
        FocusCell(GridColumn_Jitubai, cur);
    } else if (cur < Denpyou_GridLastRow) {
        FocusCell(GridColumn_Syousai, cur + 1);
    } else if (Denpyou_TopLine < Denpyou_TopLineMax) {
        ++Denpyou_TopLine;
        Denpyou_ShowLines();
        Grid_TrimForTyping(GridColumn_Syousai, edit);
    }
    // The focus stayed in this cell (the last row): its next focus-out
    // commits what it then shows.
    if (edit->Focused()) Flag_EnterCommitted = false;
}

// Home: the unit cell of the line above; in the first row the window moves
// back one line first (text typed and not committed gives way to the
// redrawn line).
void Syousai_Home(int row) {
    if (row > 1) {
        FocusCell(GridColumn_Tanni, row - 2);
        return;
    }
    if (Denpyou_TopLine <= 0) return;
    --Denpyou_TopLine;
    Denpyou_ShowLines();
    FocusCell(GridColumn_Tanni, 0);
}

}  // namespace

void Edit_DenpSyousai_Enter(int row) {
    if (Focus_Locked()) return;
    if (Denpyou_CommandMode != TCommandMode::Syousai) {
        Denpyou_CommandMode = TCommandMode::Syousai;
        Denpyou_SetCommandBar(TCommandMode::Syousai);
    }
    if (Denpyou_CurRow != row - 1) {
        Denpyou_CurRow = row - 1;
        if (SyouhinChoose_Shown()) SyouhinChoose_MoveTo(SyouhinChoose_TopForRow(row));
    }
    Denpyou_MarkSyousaiRow();
    const int code = Grid_CellCode(GridColumn_Syousai, row - 1);
    Focus_Take(code);
    HinsyuChoose_CodeSaved = code;
    Grid_TrimForTyping(GridColumn_Syousai, Grid_Edit(GridColumn_Syousai, row - 1));
}

void Edit_DenpSyousai_Exit(int row) {
    if (!Flag_EnterCommitted)
        Denpyou_CommitCell(GridColumn_Syousai, row - 1, Grid_Edit(GridColumn_Syousai, row - 1));
    // While the product chooser is open the frame marks the line it fills.
    if (!SyouhinChoose_Shown())
        Frame_Rest(Grid_Frame(GridColumn_Syousai, row - 1), Grid_Column(GridColumn_Syousai).Pen);
}

void Edit_DenpSyousai_KeyDown(int row, Word key) {
    // While the product chooser is shown its own key map takes the keys.
    if (SyouhinChoose_Shown()) {
        SyouhinChoose_KeyDown(key);
        return;
    }
    switch (key) {
        case vk::Return: Syousai_Return(row); break;
        case vk::Home: Syousai_Home(row); break;
        case vk::Up: Denpyou_LineUp(); break;
        case vk::Down: Denpyou_LineDown(); break;
        case vk::PageUp: Denpyou_BeforeHalfPage(); break;
        case vk::PageDown: Denpyou_NextHalfPage(); break;
        case vk::F7: break;  // no previous document from the grid
        default: Command_ForKey(key); break;  // the other function keys and Esc
    }
}
