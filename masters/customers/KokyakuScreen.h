// The customer screen: thirteen two-line rows over the customer file, nine
// cells a row, each written through to the file as it is committed. Row r
// (0 ... 12, its controls numbered r + 1) shows customer Kokyaku_Top + r + 1;
// the row after the last customer is the empty row, where a new customer is
// typed, and the rows below it take no focus.
#pragma once

#include <string>

#include "ui/Focus.h"

class TEdit;
class TForm;
class TLabel;
class TShape;

constexpr int Kokyaku_Rows = 13;
constexpr int Kokyaku_LastRow = Kokyaku_Rows - 1;

extern int Kokyaku_Top;  // the 0-based index of the customer in row 0
extern int Kokyaku_Row;  // the cursor row 0 ... 12

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

struct TKokyakuCell {
    const char* Edit;   // row controls are Edit + "01" ... "13"
    const char* Frame;  // the shape drawn around it (shared by the names, by the address)
    int Field;          // the customer record's field
};
const TKokyakuCell& Kokyaku_Cell(int column);
int Kokyaku_CellWidth(int column);  // the field's width, the edit's MaxLength
TEdit* Kokyaku_CellEdit(int column, int row);
TShape* Kokyaku_CellFrame(int column, int row);
int Kokyaku_CellCode(int column, int row);  // 7010 ... 7890, 8010 ... 8390

// Nine columns of 13 rows: rows 1 ... 9 from 7010, rows 10 ... 13 from 8010,
// 100 a row, 10 a column.
constexpr void Kokyaku_FocusCodes(TFocusCodes& codes) {
    const char* const columns[9] = {"Edit_PanelKokyaku_Name_1_", "Edit_PanelKokyaku_Name_2_",
                                    "Edit_PanelKokyaku_Kana_",   "Edit_PanelKokyaku_Keisyou_",
                                    "Edit_PanelKokyaku_Zip_",    "Edit_PanelKokyaku_Prif_",
                                    "Edit_PanelKokyaku_City_",   "Edit_PanelKokyaku_Banti_",
                                    "Edit_PanelKokyaku_Tel_"};
    for (int r = 1; r <= 13; ++r)
        for (int c = 0; c < 9; ++c)
            codes.Add((r <= 9 ? 7010 + 100 * (r - 1) : 8010 + 100 * (r - 10)) + 10 * c, columns[c], r);
}

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
