// The 117 cells of the customer screen: the screen's part of the edit
// protocol (ui/EditTable.h): which rows take the focus, the record writer
// that every commit calls, and the key map with the one-customer scrolls at
// the page's edges.
#include <cstring>
#include <string>

#include "masters/customers/KokyakuScreen.h"
#include "platform/Controls.h"
#include "store/Kokyaku.h"
#include "ui/Commands.h"
#include "ui/Focus.h"

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

void TrimCell(int column, int row) { Edit_Trim(Kokyaku_CellEdit(column, row), Kokyaku_CellWidth(column)); }

// Row 12 has become the empty row under the cursor: it gets its number,
// which the repaint left blank and no focus-in writes.
void NumberEmptyRow() {
    if (Kokyaku_Top + Kokyaku_Row + 1 > Kokyaku_Count) Kokyaku_NumberCursorRow();
}

// Up in row 0: the customer before comes into the row; the focus stays.
void BackwardScroll(int column) {
    if (!Kokyaku_Window.ScrollBack()) return;
    Kokyaku_ShowPage();
    TrimCell(column, 0);
}

// Home in the first name of row 0: the customer before comes into row 0 and
// the focus goes to its last cell.
void BackwardStep() {
    if (!Kokyaku_Window.ScrollBack()) return;
    Kokyaku_ShowPage();
    Edit_Focus({&Kokyaku_Table, KokyakuColumn_Tel, 0});
}

// Down in row 12: the next customer, or the empty row, comes into the row.
void ForwardScroll(int column) {
    if (!Kokyaku_Window.ScrollOn()) return;
    Kokyaku_ShowPage();
    TrimCell(column, Kokyaku_LastRow);
    NumberEmptyRow();
}

// Return in the telephone of row 12, after its commit: on to the first name
// of the next customer, which the page brings into row 12.
void LastCellStep() {
    if (Kokyaku_Window.ScrollOn()) {
        Kokyaku_ShowPage();
        TrimCell(KokyakuColumn_Tel, Kokyaku_LastRow);
    }
    NumberEmptyRow();
    Edit_Focus({&Kokyaku_Table, KokyakuColumn_Name_1, Kokyaku_LastRow});
}

}  // namespace

bool Kokyaku_WriteFieldAtLine(int k, const char* text, int row) {
    if (row < 0) row = Kokyaku_Row;
    const bool changedBefore = Kokyaku_Changed;
    Kokyaku_Changed = true;
    const int n = Kokyaku_Top + row + 1;
    TEdit* nameCell = Kokyaku_CellEdit(KokyakuColumn_Name_1, row);
    const std::string name = Str_CommitText(nameCell ? nameCell->Text() : std::string(),
                                            Kokyaku_FieldWidth[KokyakuField_Name_1], TCommitForm::Left);
    std::memcpy(Kokyaku_Field[KokyakuField_Name_1], name.c_str(), name.size() + 1);
    if (n > Kokyaku_Count + 1 || name[0] == ' ') return true;
    Kokyaku_CurRec = n;
    // A new customer comes with its first name as well as the field, so
    // that none is ever stored without one (the name's own commit may have
    // failed before).
    const bool written = n > Kokyaku_Count ? Kokyaku_Append({{KokyakuField_Name_1, name.c_str()}, {k, text}})
                                           : Kokyaku_WriteField(n, k, text);
    if (!written) Kokyaku_Changed = changedBefore;
    Kokyaku_ShowCount();
    return written;
}

bool Kokyaku_CellEnter(const TEditCell& cell) {
    const int row = cell.Row;
    const int n = Kokyaku_Top + row + 1;
    if (n > Kokyaku_Count + 1) {
        Focus_Restore();
        return false;
    }
    const bool newRow = Kokyaku_Row != row;
    if (newRow) {
        Kokyaku_Row = row;
        Kokyaku_ShowRecNo();
    }
    // Row 0 numbers the empty row on every focus-in, so that the first
    // customer's row is numbered when the screen first takes the focus.
    if ((newRow || row == 0) && n > Kokyaku_Count) Kokyaku_NumberCursorRow();
    return true;
}

// Into the cell's own row: a command may have moved the cursor already.
bool Kokyaku_CellWrite(const TEditCell& cell, const char* text) {
    return Kokyaku_WriteFieldAtLine(cell.Spec().Field, text, cell.Row);
}

// The customer of the cell's row as the file holds it; blanks for the empty
// row (a failed append left none) or a record that cannot be read.
void Kokyaku_CellReload(const TEditCell& cell) {
    const int n = Kokyaku_Top + cell.Row + 1;
    Kokyaku_ClearRecord();
    if (n <= Kokyaku_Count) Kokyaku_ReadRecord(n);
    Kokyaku_SplitRecord();
}

// Return past the telephone: the next row's first name, or past the page's
// last row the next customer brought into it. Home before the first name:
// the telephone of the row above, or in the first row the customer before.
void Kokyaku_CellMove(const TEditCell& cell, Word key) {
    const int row = cell.Row;
    if (key == vk::Return) {
        if (row < Kokyaku_LastRow) Edit_Focus({&Kokyaku_Table, KokyakuColumn_Name_1, row + 1});
        else LastCellStep();
    } else if (row > 0) {
        Edit_Focus({&Kokyaku_Table, KokyakuColumn_Tel, row - 1});
    } else {
        BackwardStep();
    }
}

bool Kokyaku_CellKey(const TEditCell& cell, Word key) {
    const int column = cell.Index, row = cell.Row;
    switch (key) {
        case vk::Up:
            if (row == 0) BackwardScroll(column);
            else Edit_Focus({&Kokyaku_Table, Up[column].Column, row + Up[column].Rows});
            return true;
        case vk::Down:
            if (row + Down[column].Rows > Kokyaku_LastRow) ForwardScroll(column);
            else Edit_Focus({&Kokyaku_Table, Down[column].Column, row + Down[column].Rows});
            return true;
        case vk::PageUp: Command_F7(); return true;
        case vk::PageDown: Command_F8(); return true;
        default: return false;
    }
}
