#include "editor/ValueCells.h"

#include <string>

#include "store/Number.h"
#include "editor/CommandBarMode.h"
#include "editor/Display.h"
#include "editor/EditorScreen.h"
#include "editor/Grid.h"
#include "editor/SyouhinChoose.h"
#include "masters/units/TanniChoose.h"
#include "platform/Form.h"
#include "store/Denpyou.h"
#include "store/Str.h"
#include "store/Tanni.h"
#include "ui/Build.h"
#include "ui/CommandBar.h"
#include "ui/Commands.h"
#include "ui/EditTable.h"
#include "ui/Flags.h"
#include "ui/Focus.h"
#include "ui/Frame.h"
#include "ui/Job.h"
#include "ui/Ui.h"

namespace {

constexpr int Tanni_BarRow = 3;  // the one unit cell that switches the key bar itself
constexpr int None = -1;

// Where Return and Home lead from each value column (same row), and what a
// rate cell reads for its "100": the other rate cell and the price it
// applies to.
struct TValueColumn {
    int Column;
    int Return;
    int Home;
    int OtherRate;
    int PriceField;  // a detail-line field
};
constexpr TValueColumn Value_Columns[GridColumn_Count] = {
    {GridColumn_Syousai, None, None, None, None},
    {GridColumn_Tanni, GridColumn_Tanka, GridColumn_Suuryou, None, None},
    {GridColumn_Suuryou, GridColumn_Tanni, GridColumn_Syousai, None, None},
    {GridColumn_Tanka, GridColumn_TankaRitu, GridColumn_Tanni, None, None},
    {GridColumn_TankaRitu, GridColumn_Siire, GridColumn_Tanka, GridColumn_SiireRitu, LineField_Tanka},
    {GridColumn_Siire, GridColumn_SiireRitu, GridColumn_TankaRitu, None, None},
    {GridColumn_SiireRitu, GridColumn_Jitubai, GridColumn_Siire, GridColumn_TankaRitu, LineField_Siire},
    {GridColumn_Jitubai, None, GridColumn_SiireRitu, None, None},  // Return: the next row's description
};
constexpr bool InColumnOrder() {
    for (int column = 0; column < GridColumn_Count; ++column)
        if (Value_Columns[column].Column != column) return false;
    return true;
}
static_assert(InColumnOrder());

constexpr int Width(int column) { return Grid_Column(column).Width; }

bool ValidRow(int row0) { return row0 >= 0 && row0 <= Denpyou_GridLastRow; }

void FocusCell(int column, int row0) {
    if (TEdit* e = Grid_Edit(column, row0)) e->SetFocus();
}

// Commits the cell's text into its field of the line shown in row0, with
// the recalculation (numbers) or the unit list (units). A line that is not
// an item line takes nothing, since a tax or total line must neither hold
// typed values nor be recalculated as an item; a value cell meets one when
// the window has scrolled under it, or when it refused the focus there and
// loses it again. The cell then shows what the line holds, not a value that
// was never stored.
void Commit(int column, int row0, TEdit* edit) {
    if (!edit || !ValidRow(row0)) return;
    const int line = Denpyou_TopLine + row0;
    if (Denpyou_IsSpecialLine(line)) {
        edit->SetText(Denpyou_LineFieldAt(line, Grid_Column(column).Field));
        return;
    }
    Denpyou_CommitCell(column, row0, edit);
}

// The rate cell's text on entry: "100" when neither rate of the row is set
// and the price it applies to is, else the bare rate.
void RateDefault(int column, int row0, TEdit* edit) {
    const TValueColumn& c = Value_Columns[column];
    TEdit* other = Grid_Edit(c.OtherRate, row0);
    const std::string own = edit->Text();
    const std::string others = other ? other->Text() : std::string();
    const char* price = Denpyou_LineFieldAt(Denpyou_TopLine + row0, c.PriceField);
    if (Num_ReadLong(own.c_str()) == 0 && Num_ReadLong(others.c_str()) == 0 && Num_ReadReal(price) != 0)
        edit->SetText("100");
    else
        Edit_Trim(edit, Width(column));
}

// Return in the actual price: on to the next row's description; in the last
// row the window moves on one line and the last row's description takes the
// focus; at the document's last line the document is stored.
void JitubaiOn(int row0, TEdit* edit) {
    if (row0 < Denpyou_GridLastRow) {
        FocusCell(GridColumn_Syousai, row0 + 1);
    } else if (Denpyou_TopLine < Denpyou_TopLineMax) {
        ++Denpyou_TopLine;
        Denpyou_ShowLines();
        Grid_TrimForTyping(GridColumn_Jitubai, edit);
        FocusCell(GridColumn_Syousai, Denpyou_GridLastRow);
    } else {
        Command_F1();
    }
}

void NumberReturn(int column, int row0) {
    TEdit* edit = Grid_Edit(column, row0);
    Flag_EnterCommitted = true;
    Commit(column, Denpyou_CurRow, edit);
    if (column == GridColumn_Jitubai) JitubaiOn(row0, edit);
    else FocusCell(Value_Columns[column].Return, row0);
    // The focus stayed in this cell (the last line's store was refused):
    // its next focus-out commits what it then shows, and typing replaces the
    // text as after a focus-in, rather than meeting a field already full.
    if (edit && edit->Focused()) {
        Flag_EnterCommitted = false;
        Grid_TrimForTyping(column, edit);
        edit->SelectAll();
    }
}

void NumberHome(int column, int row0) {
    int to = Value_Columns[column].Home;
    if (column == GridColumn_Jitubai &&
        Denpyou_LineFieldAt(Denpyou_TopLine + row0, LineField_Kind)[0] == LineKind_Nebiki)
        to = GridColumn_Syousai;
    FocusCell(to, row0);
}

// The keys every value cell shares once its own keys are handled.
void CommandKey(Word key) {
    switch (key) {
        case vk::F7:
        case vk::PageUp: Denpyou_BeforeHalfPage(); break;
        case vk::F8:
        case vk::PageDown: Denpyou_NextHalfPage(); break;
        default: Command_ForKey(key); break;  // the other function keys and Esc
    }
}

// The unit commit of Return: the text into the unit field of the cursor's
// line and, when new, into the unit list.
void TanniCommit(int row0) {
    Flag_EnterCommitted = true;
    Commit(GridColumn_Tanni, Denpyou_CurRow, Grid_Edit(GridColumn_Tanni, row0));
}

void TanniKeyClosed(int row0, Word key) {
    switch (key) {
        case vk::Home: FocusCell(GridColumn_Suuryou, row0); break;
        case vk::Return:
            TanniCommit(row0);
            FocusCell(GridColumn_Tanka, row0);
            break;
        case vk::Up: Denpyou_LineUp(); break;
        case vk::Down: Denpyou_LineDown(); break;
        default: CommandKey(key); break;
    }
}

// With the chooser open the cell's keys move and pick in it. Return first
// stores what the cell holds, then fills it with the unit at the cursor,
// which the next Return or focus-out stores.
void TanniKeyOpen(int row0, Word key) {
    switch (key) {
        case vk::Home:
            TanniChoose_TakeCursor();
            FocusCell(GridColumn_Suuryou, row0);
            break;
        case vk::Return: {
            TanniCommit(row0);
            // A typed unit that the list holds already must not give way to
            // the free entry the cursor stood on: the cursor goes onto it.
            const char* stored = Denpyou_LineFieldAt(Denpyou_TopLine + row0, Grid_Column(GridColumn_Tanni).Field);
            if (Tanni_List[TanniChoose_Cursor() - 1][0] == ' ' && stored[0] != ' ') TanniChoose_Locate(stored);
            TanniChoose_TakeCursor();
            Edit_Trim(Grid_Edit(GridColumn_Tanni, row0), Width(GridColumn_Tanni));
            break;
        }
        case vk::F3: Denpyou_LineUp(); break;
        case vk::F4: Denpyou_LineDown(); break;
        case vk::F5:
        case vk::F7: Denpyou_BeforeHalfPage(); break;
        case vk::F6:
        case vk::F8: Denpyou_NextHalfPage(); break;
        case vk::Up: Tanni_ChooseUp(); break;
        case vk::Down: Tanni_ChooseDown(); break;
        case vk::PageUp: TanniChoose_PrevPage(); break;
        case vk::PageDown: TanniChoose_NextPage(); break;
        case vk::F9: Command_F9(); break;  // takes the unit at the cursor
        case vk::Escape: Command_Esc(); break;
        default: break;  // F1 and F2: nothing while the chooser is open
    }
}

// The unit chooser over the editor: the choosers' bar while open, and the
// bar of the value cells when it closes, which also closes the product
// chooser.
void TanniChoose_Closed() {
    SyouhinChoose_Dismiss();
    Denpyou_CommandMode = TCommandMode::Values;
    Denpyou_SetCommandBar(TCommandMode::Values);
}

TEdit* TanniChoose_Cell() { return Denpyou_HasCursorRow() ? Grid_Edit(GridColumn_Tanni, Denpyou_CurRow) : nullptr; }

const TTanniChooseHost Denpyou_TanniHost{Job_Denpyou, 494, 76, Denpyou_SetChooserBar, TanniChoose_Closed,
                                         TanniChoose_Cell};

}  // namespace

void ValueCells_SetTanniHost() { TanniChoose_SetHost(Denpyou_TanniHost); }

void ValueCell_Enter(int column, int row) {
    const int row0 = row - 1;
    if (Focus_Locked()) return;
    if ((column != GridColumn_Tanni || row0 == Tanni_BarRow) && Denpyou_CommandMode != TCommandMode::Values) {
        Denpyou_CommandMode = TCommandMode::Values;
        Denpyou_SetCommandBar(TCommandMode::Values);
    }
    SyouhinChoose_Hide();
    if (Denpyou_IsSpecialLine(Denpyou_TopLine + row0)) {
        Denpyou_RefuseCell(column, row0);
        return;
    }
    if (Denpyou_CurRow != row0) Denpyou_CurRow = row0;
    Focus_Take(Grid_CellCode(column, row0));
    TEdit* edit = Grid_Edit(column, row0);
    if (!edit) return;
    if (Value_Columns[column].OtherRate != None) RateDefault(column, row0, edit);
    else Grid_TrimForTyping(column, edit);
    if (column == GridColumn_Tanni && Tanni_Count != 0) {
        char unit[Width(GridColumn_Tanni) + 1];
        Str_Pad(edit->Text().c_str(), unit, Width(GridColumn_Tanni), 0);
        TanniChoose_Open(unit);
    }
    Frame_Mark(Grid_Frame(column, row0));
}

void ValueCell_Exit(int column, int row) {
    const int row0 = row - 1;
    if (!Flag_EnterCommitted) Commit(column, row0, Grid_Edit(column, row0));
    Frame_Rest(Grid_Frame(column, row0), Grid_Column(column).Pen);
    if (column == GridColumn_Tanni) Tanni_ChooseApply(0);
}

void ValueCell_KeyDown(int column, int row, Word key) {
    const int row0 = row - 1;
    Denpyou_MoveUp = false;
    Denpyou_MoveDown = false;
    if (column == GridColumn_Tanni) {
        // The chooser's state as the key arrives decides, even when the key
        // closes it.
        if (TanniChoose_Shown()) TanniKeyOpen(row0, key);
        else TanniKeyClosed(row0, key);
        return;
    }
    switch (key) {
        case vk::Home: NumberHome(column, row0); break;
        case vk::Return: NumberReturn(column, row0); break;
        case vk::Up: Denpyou_ColumnLineUp(column); break;
        case vk::Down: Denpyou_ColumnLineDown(column); break;
        default: CommandKey(key); break;
    }
}

void ValueCells_BindHandlers(TForm& form) {
    for (int column = GridColumn_Tanni; column < GridColumn_Count; ++column)
        for (int row = 1; row <= Denpyou_GridRows; ++row) {
            TControl& edit = Ui_Built(form, Ui_RowName(Grid_Column(column).Prefix, row));
            edit.OnEnter = [column, row](TControl*) { ValueCell_Enter(column, row); };
            edit.OnExit = [column, row](TControl*) { ValueCell_Exit(column, row); };
            edit.OnKeyDown = [column, row](TControl*, Word key, TShiftState) { ValueCell_KeyDown(column, row, key); };
        }
}
