// The category screen (job 3): 50 rows of the category list, rows 0 ... 24
// in the left half and 25 ... 49 in the right, a name and a reading cell a
// row. Row r shows list position Hinsyu_Top + r; a commit stores into the
// list in memory, which the exit writes to the file. Only the named entries
// and the first empty one can be typed into. The category chooser that the
// product screen and the editor open is masters/categories/HinsyuChoose.h.
#pragma once

#include "masters/categories/HinsyuChoose.h"
#include "store/MasterFields.h"
#include "ui/EditTable.h"
#include "ui/Focus.h"
#include "ui/ListWindow.h"

class TForm;

constexpr int Job_Hinsyu = 3;

constexpr int Hinsyu_Rows = 50;

// Two fixed pages over the 100 positions: a page move puts the cursor on the
// page's first row, and Up in row 0 scrolls back by two.
extern TListWindow Hinsyu_Window;
extern int& Hinsyu_Top;  // list position of row 0: 0 ... 50, even
extern int& Hinsyu_Row;  // cursor row 0 ... 49; -1 until a cell first takes the focus
extern int Hinsyu_CurRec;

enum THinsyuColumn : int { HinsyuColumn_Name, HinsyuColumn_Kana, HinsyuColumn_Count };

// A cell's focus code: 4010 + 20 a row, the reading 10 after its name.
constexpr int Hinsyu_CellCode(int column, int row) { return 4010 + 20 * row + 10 * column; }

// The table's hooks (masters/categories/HinsyuCells.cpp).
bool Hinsyu_CellEnter(const TEditCell& cell);
bool Hinsyu_CellKey(const TEditCell& cell, Word key);
void Hinsyu_CellMove(const TEditCell& cell, Word key);
char* Hinsyu_CellField(const TEditCell& cell);

// The two cells of a row: Return from the name to its reading and on to the
// next row's name; Home back the same way. The cells map no function key:
// the screen's commands come from the bar alone.
inline constexpr TEditRow Hinsyu_Cells[HinsyuColumn_Count] = {
    {.Edit = "Edit_Hinsyu_Name_", .Frame = "Shape_Hinsyu_Name_", .Width = 40, .Field = HinsyuField_Name,
     .Return = HinsyuColumn_Kana, .Home = Edit_Own},
    {.Edit = "Edit_Hinsyu_Kana_", .Frame = "Shape_Hinsyu_Kana_", .Width = 10, .Field = HinsyuField_Kana,
     .Return = Edit_Own, .Home = HinsyuColumn_Name},
};

inline constexpr TEditTable Hinsyu_Table{
    .Rows = Hinsyu_Cells,
    .Family = Hinsyu_Rows,
    .CodeOf = [](const TEditCell& c) { return Hinsyu_CellCode(c.Index, c.Row); },
    .FunctionKeys = false,
    .Field = Hinsyu_CellField,
    .Enter = Hinsyu_CellEnter,
    .Key = Hinsyu_CellKey,
    .Move = Hinsyu_CellMove,
};

// The chooser's command edit (1030) and the screen's 100 cells.
constexpr void Hinsyu_FocusCodes(TFocusCodes& codes) {
    Edit_AddCodes(codes, HinsyuChoose_CommandTable);
    Edit_AddCodes(codes, Hinsyu_Table);
}

TEdit* Hinsyu_CellEdit(int column, int row);

// Repaints the 50 rows from Hinsyu_Top: positions, names and readings as
// the list holds them. Moves no focus and leaves the cursor and the labels.
void Hinsyu_ShowPage();
// Trims the cursor row's name cell and gives it the focus (nothing without
// a cursor row).
void Hinsyu_FocusRow();
// Recounts the named entries into Hinsyu_Count and shows the count.
void Hinsyu_ShowCount();
// Label_Hinsyu_rec := the cursor's position.
void Hinsyu_ShowRecNo();
// The product screen, which shows the categories' names and memberships:
// repainted after a category has been deleted (set by that screen).
void Hinsyu_SetProductsRepaint(void (*repaint)());
void Hinsyu_RepaintProducts();

void Hinsyu_CreateControls(TForm& form);
// Registers the category chooser and the category screen.
void Hinsyu_Register();
// Start-up: the category lists loaded from the file and the screen painted.
void Hinsyu_Start();
// The exit: the lists written back to the file (first of the saves) and the
// file sorted by reading (first of the sorts); a file that could not be read
// at start-up is left as it is. A save or sort that fails is told.
bool Hinsyu_ExitSave();
void Hinsyu_ExitSort();
