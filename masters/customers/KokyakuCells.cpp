#include "masters/customers/KokyakuCells.h"

#include <cstring>
#include <string>

#include "editor/Grid.h"
#include "masters/customers/KokyakuChanged.h"
#include "masters/customers/KokyakuScreen.h"
#include "platform/Controls.h"
#include "store/Kokyaku.h"
#include "ui/Commands.h"
#include "ui/Flags.h"
#include "ui/Focus.h"
#include "ui/Frame.h"

namespace {

// A move of the focus: rows down (negative: up) and the column reached.
struct TMove {
    int Rows;
    int Column;
};
// Up and Down follow the two lines of a row: a line-1 cell goes down to the
// line-2 cell under it, a line-2 cell up to the line-1 cell above it; the
// cells across both lines go to the same cell of the next row.
constexpr TMove Up[KokyakuColumn_Count] = {
    {-1, KokyakuColumn_Name_2}, {0, KokyakuColumn_Name_1},  {-1, KokyakuColumn_Kana},
    {-1, KokyakuColumn_Keisyou}, {-1, KokyakuColumn_Banti}, {-1, KokyakuColumn_Banti},
    {-1, KokyakuColumn_Banti},  {0, KokyakuColumn_Zip},     {-1, KokyakuColumn_Tel},
};
constexpr TMove Down[KokyakuColumn_Count] = {
    {0, KokyakuColumn_Name_2},  {1, KokyakuColumn_Name_1}, {1, KokyakuColumn_Kana},
    {1, KokyakuColumn_Keisyou}, {0, KokyakuColumn_Banti},  {0, KokyakuColumn_Banti},
    {0, KokyakuColumn_Banti},   {1, KokyakuColumn_Zip},    {1, KokyakuColumn_Tel},
};

void FocusCell(int column, int row) {
    if (TEdit* edit = Kokyaku_CellEdit(column, row)) edit->SetFocus();
}

void TrimCell(int column, int row) { Grid_TrimEdit(Kokyaku_CellEdit(column, row), Kokyaku_CellWidth(column)); }

// The cell's text padded to its field, shown so, and written into the
// customer of writeRow (-1: the cursor row).
void Commit(int column, int row, int writeRow) {
    TEdit* edit = Kokyaku_CellEdit(column, row);
    if (!edit) return;
    const int k = Kokyaku_Cell(column).Field;
    const std::string text = Grid_CommitText(edit->Text(), Kokyaku_FieldWidth[k], TCommitForm::Left);
    edit->SetText(text);
    std::memcpy(Kokyaku_Field[k], text.c_str(), text.size() + 1);
    Kokyaku_WriteFieldAtLine(k, text.c_str(), writeRow);
}

// Row 12 has become the empty row under the cursor: it gets its number,
// which the repaint left blank and no focus-in writes.
void NumberEmptyRow() {
    if (Kokyaku_Top + Kokyaku_Row + 1 > Kokyaku_Count) Kokyaku_NumberCursorRow();
}

// Up in row 0: the customer before comes into the row; the focus stays.
void BackwardScroll(int column) {
    if (Kokyaku_Top == 0) return;
    --Kokyaku_Top;
    Kokyaku_ShowPage();
    TrimCell(column, 0);
}

// Home in the first name of row 0: the customer before comes into row 0 and
// the focus goes to its last cell.
void BackwardStep() {
    if (Kokyaku_Top == 0) return;
    --Kokyaku_Top;
    Kokyaku_ShowPage();
    FocusCell(KokyakuColumn_Tel, 0);
}

// Down in row 12: the next customer, or the empty row, comes into the row.
void ForwardScroll(int column) {
    if (Kokyaku_Top + Kokyaku_Rows > Kokyaku_Count) return;
    ++Kokyaku_Top;
    Kokyaku_ShowPage();
    TrimCell(column, Kokyaku_LastRow);
    NumberEmptyRow();
}

// Return in the telephone of row 12, after its commit: on to the first name
// of the next customer, which the page brings into row 12.
void LastCellStep() {
    if (Kokyaku_Top + Kokyaku_Rows <= Kokyaku_Count) {
        ++Kokyaku_Top;
        Kokyaku_ShowPage();
        TrimCell(KokyakuColumn_Tel, Kokyaku_LastRow);
    }
    NumberEmptyRow();
    FocusCell(KokyakuColumn_Name_1, Kokyaku_LastRow);
}

}  // namespace

void Kokyaku_WriteFieldAtLine(int k, const char* text, int row) {
    if (row < 0) row = Kokyaku_Row;
    Kokyaku_Changed = true;
    const int n = Kokyaku_Top + row + 1;
    TEdit* nameCell = Kokyaku_CellEdit(KokyakuColumn_Name_1, row);
    const std::string name = Grid_CommitText(nameCell ? nameCell->Text() : std::string(), Kokyaku_FieldWidth[1],
                                             TCommitForm::Left);
    std::memcpy(Kokyaku_Field[KokyakuField_Name_1], name.c_str(), name.size() + 1);
    if (n > Kokyaku_Count + 1 || name[0] == ' ') return;
    Kokyaku_CurRec = n;
    // A new customer comes with its first name as well as the field, so
    // that none is ever stored without one (the name's own commit may have
    // failed before).
    if (n > Kokyaku_Count) Kokyaku_Append({{KokyakuField_Name_1, name.c_str()}, {k, text}});
    else Kokyaku_WriteField(n, k, text);
    Kokyaku_ShowCount();
}

void Kokyaku_CellEnter(int column, int row) {
    if (Focus_Locked()) return;
    const int n = Kokyaku_Top + row + 1;
    if (n > Kokyaku_Count + 1) {
        Focus_Restore();
        return;
    }
    const bool newRow = Kokyaku_Row != row;
    if (newRow) {
        Kokyaku_Row = row;
        Kokyaku_ShowRecNo();
    }
    // Row 0 numbers the empty row on every focus-in, so that the first
    // customer's row is numbered when the screen first takes the focus.
    if ((newRow || row == 0) && n > Kokyaku_Count) Kokyaku_NumberCursorRow();
    Focus_Take(Kokyaku_CellCode(column, row));
    TrimCell(column, row);
    Frame_Mark(Kokyaku_CellFrame(column, row));
}

void Kokyaku_CellExit(int column, int row) {
    // Into the cell's own row: a command may have moved the cursor already.
    if (!Flag_EnterCommitted) Commit(column, row, row);
    Frame_Rest(Kokyaku_CellFrame(column, row), clBlack);
}

void Kokyaku_CellKeyDown(int column, int row, Word key) {
    switch (key) {
        case vk::Home:
            if (column > 0) FocusCell(column - 1, row);
            else if (row > 0) FocusCell(KokyakuColumn_Tel, row - 1);
            else BackwardStep();
            return;
        case vk::Return:
            Flag_EnterCommitted = true;
            Commit(column, row, -1);
            if (column < KokyakuColumn_Tel) FocusCell(column + 1, row);
            else if (row < Kokyaku_LastRow) FocusCell(KokyakuColumn_Name_1, row + 1);
            else LastCellStep();
            return;
        case vk::Up:
            if (row == 0) BackwardScroll(column);
            else FocusCell(Up[column].Column, row + Up[column].Rows);
            return;
        case vk::Down:
            if (row + Down[column].Rows > Kokyaku_LastRow) ForwardScroll(column);
            else FocusCell(Down[column].Column, row + Down[column].Rows);
            return;
        case vk::F4: Command_F4(); return;
        case vk::F5: Command_F5(); return;
        case vk::F7:
        case vk::PageUp: Command_F7(); return;
        case vk::F8:
        case vk::PageDown: Command_F8(); return;
        case vk::F9: Command_F9(); return;
        default: return;
    }
}
