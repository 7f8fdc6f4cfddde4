// The customer screen: thirteen two-line rows over the customer file, nine
// cells a row, each written through to the file as it is committed. Row r
// (0 ... 12, its controls numbered r + 1) shows customer Kokyaku_Top + r + 1;
// the row after the last customer is the empty row, where a new customer is
// typed, and the rows below it take no focus.
#pragma once

#include <string>

#include "store/Kokyaku.h"
#include "ui/EditTable.h"
#include "ui/Focus.h"
#include "ui/ListWindow.h"

class TEdit;
class TForm;
class TLabel;
class TShape;

constexpr int Job_Kokyaku = 2;

constexpr int Kokyaku_Rows = 13;
constexpr int Kokyaku_LastRow = Kokyaku_Rows - 1;

// The page over the customers and the empty row, paged by F7 and F8 only
// while the customers are more than a page.
extern TListWindow Kokyaku_Window;
extern int& Kokyaku_Top;  // the 0-based index of the customer in row 0
extern int& Kokyaku_Row;  // the cursor row 0 ... 12
// Whether a customer field has been written since start-up: the exit sorts
// the customer file by reading only then.
extern bool Kokyaku_Changed;

// The nine cells of a row in their order (tab, Return and Home).
enum TKokyakuColumn : int {
    KokyakuColumn_Name_1,
    KokyakuColumn_Name_2,
    KokyakuColumn_Kana,
    KokyakuColumn_Keisyou,
    KokyakuColumn_Zip,
    KokyakuColumn_Prif,
    KokyakuColumn_City,
    KokyakuColumn_Banti,
    KokyakuColumn_Tel,
    KokyakuColumn_Count,
};

// A cell's focus code: rows 1 ... 9 from 7010, rows 10 ... 13 from 8010,
// 100 a row, 10 a column.
constexpr int Kokyaku_CellCode(int column, int row) {
    return (row < 9 ? 7010 + 100 * row : 8010 + 100 * (row - 9)) + 10 * column;
}

// The table's hooks (masters/customers/KokyakuCells.cpp).
bool Kokyaku_CellEnter(const TEditCell& cell);
bool Kokyaku_CellKey(const TEditCell& cell, Word key);
void Kokyaku_CellMove(const TEditCell& cell, Word key);
bool Kokyaku_CellWrite(const TEditCell& cell, const char* text);
void Kokyaku_CellReload(const TEditCell& cell);

namespace kokyaku_cells {
// A cell in its frame (the names share one, the address lines another),
// storing its field as typed; Return and Home run along the row, and from
// the row's ends to the next or previous row.
constexpr TEditRow Cell(int column, const char* edit, const char* frame, int field) {
    return {.Edit = edit, .Frame = frame, .Width = Kokyaku_FieldWidth[field], .Field = field,
            .Return = column < KokyakuColumn_Tel ? column + 1 : Edit_Own,
            .Home = column > KokyakuColumn_Name_1 ? column - 1 : Edit_Own};
}
}  // namespace kokyaku_cells

inline constexpr TEditRow Kokyaku_Cells[KokyakuColumn_Count] = {
    kokyaku_cells::Cell(0, "Edit_PanelKokyaku_Name_1_", "Shape_PanelKokyaku_Name_", KokyakuField_Name_1),
    kokyaku_cells::Cell(1, "Edit_PanelKokyaku_Name_2_", "Shape_PanelKokyaku_Name_", KokyakuField_Name_2),
    kokyaku_cells::Cell(2, "Edit_PanelKokyaku_Kana_", "Shape_PanelKokyaku_Kana_", KokyakuField_Kana),
    kokyaku_cells::Cell(3, "Edit_PanelKokyaku_Keisyou_", "Shape_PanelKokyaku_Keisyou_", KokyakuField_Keisyou),
    kokyaku_cells::Cell(4, "Edit_PanelKokyaku_Zip_", "Shape_PanelKokyaku_Address_", KokyakuField_Zip),
    kokyaku_cells::Cell(5, "Edit_PanelKokyaku_Prif_", "Shape_PanelKokyaku_Address_", KokyakuField_Prif),
    kokyaku_cells::Cell(6, "Edit_PanelKokyaku_City_", "Shape_PanelKokyaku_Address_", KokyakuField_City),
    kokyaku_cells::Cell(7, "Edit_PanelKokyaku_Banti_", "Shape_PanelKokyaku_Address_", KokyakuField_Banti),
    kokyaku_cells::Cell(8, "Edit_PanelKokyaku_Tel_", "Shape_PanelKokyaku_Tel_", KokyakuField_Tel),
};

inline constexpr TEditTable Kokyaku_Table{
    .Rows = Kokyaku_Cells,
    .Family = Kokyaku_Rows,
    .CodeOf = [](const TEditCell& c) { return Kokyaku_CellCode(c.Index, c.Row); },
    .File = &Kokyaku_File,
    .Write = Kokyaku_CellWrite,
    .Reload = Kokyaku_CellReload,
    .Enter = Kokyaku_CellEnter,
    .Key = Kokyaku_CellKey,
    .Move = Kokyaku_CellMove,
};

const TEditRow& Kokyaku_Cell(int column);
int Kokyaku_CellWidth(int column);  // the field's width, the edit's MaxLength
TEdit* Kokyaku_CellEdit(int column, int row);
TShape* Kokyaku_CellFrame(int column, int row);

// Writes field k (1 ... 8, 10) of the customer shown in the given row (the
// cursor row when row < 0): text holds the field's width in bytes. Marks the
// customers changed. Nothing is stored for a row below the empty row, nor
// while that row's first-name cell is empty or begins with a blank; on the
// empty row the customer is appended, with the first name and the field.
// The count label follows. false when the file was not written: the
// customers then do not count as changed for it.
bool Kokyaku_WriteFieldAtLine(int k, const char* text, int row = -1);

// The nine columns of the 13 rows.
constexpr void Kokyaku_FocusCodes(TFocusCodes& codes) { Edit_AddCodes(codes, Kokyaku_Table); }

// Repaints the 13 rows from Kokyaku_Top: number and fields of each customer
// shown, blanks below the last. Moves no focus and leaves the cursor and the
// record labels alone.
void Kokyaku_ShowPage();
// Trims the cursor row's first-name cell and gives it the focus.
void Kokyaku_FocusRow();

// A number label: the number's text, its font made smaller when the text
// would not fit the label at the screen's size, so that every digit shows.
void Kokyaku_ShowNumber(TLabel* label, const std::string& text);
// Label_KokyakuRec := the cursor's record number; Label_KokyakuDs := the count.
void Kokyaku_ShowRecNo();
void Kokyaku_ShowCount();
// The cursor row's number label := its record number in plain digits.
void Kokyaku_NumberCursorRow();

void Kokyaku_CreateControls(TForm& form);
// The screen's record: its bar, its keys (F4 delete, F7 and F8 the pages,
// F9 the empty row), its reset; chosen from the menu, a page top left beyond
// the last page (by deletions there) comes back to it before a cell takes
// the focus.
void Kokyaku_Register();
// Start-up: the customers counted (the file made when missing) and the
// first page painted.
void Kokyaku_Start();
// The exit: the file sorted by reading when a field was written (the second
// of the sorts); a sort that fails is told, and the exit goes on.
void Kokyaku_ExitSort();
