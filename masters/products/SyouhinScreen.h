// The product screen (job 4): 25 rows over the product file, six cells a
// row, each written through to the file as it is committed, and the
// product's categories: how many, and the first one's name, whose click
// opens the category chooser for the product. Row r (0 ... 24, its controls
// numbered r + 1) shows product Syouhin_Top + r + 1; the row after the last
// product is the first empty row, where a product comes into being with its
// name, and the rows below it take no focus.
#pragma once

#include <string>

#include "store/Syouhin.h"
#include "ui/EditTable.h"
#include "ui/Focus.h"
#include "ui/ListWindow.h"

class TEdit;
class TForm;
class TShape;

constexpr int Job_Syouhin = 4;

constexpr int Syouhin_Rows = 25;
constexpr int Syouhin_LastRow = Syouhin_Rows - 1;

// The page over the products and the first empty row, paged by F7 and F8
// only while the products are more than a page.
extern TListWindow Syouhin_Window;
extern int& Syouhin_Top;  // the 0-based index of the product in row 0
extern int& Syouhin_Row;  // the cursor row 0 ... 24; -1 until a cell first takes the focus
// Whether a product field write was asked for since start-up: the exit
// sorts the product file by reading only then.
extern bool Syouhin_Changed;

// The six cells of a row in their order (tab, Return and Home). The tax
// class's edit lies beyond the panel's right edge: the row shows the class
// in its label, whose click steps it (SyouhinZei.cpp).
enum TSyouhinColumn : int {
    SyouhinColumn_Name,
    SyouhinColumn_Kana,
    SyouhinColumn_Hanbai,
    SyouhinColumn_Zei,
    SyouhinColumn_Siire,
    SyouhinColumn_Tanni,
    SyouhinColumn_Count,
};

// A cell's focus code: 5010 + 60 a row, the columns' offsets.
constexpr int Syouhin_CellCode(int column, int row) {
    constexpr int offsets[SyouhinColumn_Count] = {0, 5, 10, 20, 30, 50};
    return 5010 + 60 * row + offsets[column];
}

// The table's hooks (masters/products/SyouhinCells.cpp).
bool Syouhin_CellEnter(const TEditCell& cell);
void Syouhin_CellEntered(const TEditCell& cell);
bool Syouhin_CellKey(const TEditCell& cell, Word key);
void Syouhin_CellMove(const TEditCell& cell, Word key);
bool Syouhin_CellWrite(const TEditCell& cell, const char* text);
void Syouhin_CellReload(const TEditCell& cell);
void Syouhin_CellCommitted(const TEditCell& cell, const char* text);
void Syouhin_CellLeft(const TEditCell& cell);

namespace syouhin_cells {
// A cell in its frame: Return and Home run along the row, and from the
// row's ends to the next or previous row (Move).
constexpr TEditRow Cell(int column, const char* edit, const char* frame, int field, TCommitForm form) {
    return {.Edit = edit, .Frame = frame, .Width = Syouhin_FieldWidth[field], .Form = form, .Field = field,
            .Return = column < SyouhinColumn_Tanni ? column + 1 : Edit_Own,
            .Home = column > SyouhinColumn_Name ? column - 1 : Edit_Own};
}
}  // namespace syouhin_cells

// Names and units as typed, prices right-aligned (blanks when they read as
// 0). "Tannni" is the program's own spelling of the unit column's names.
inline constexpr TEditRow Syouhin_Cells[SyouhinColumn_Count] = {
    syouhin_cells::Cell(0, "Edit_Syouhin_Name_", "Shape_Syouhin_Name_", SyouhinField_Name, TCommitForm::Left),
    syouhin_cells::Cell(1, "Edit_Syouhin_Kana_", "Shape_Syouhin_Kana_", SyouhinField_Kana, TCommitForm::Left),
    syouhin_cells::Cell(2, "Edit_Syouhin_Hanbai_", "Shape_Syouhin_Hanbai_", SyouhinField_Hanbai, TCommitForm::RightInt),
    syouhin_cells::Cell(3, "Edit_Syouhin_Zei_", "Shape_Syouhin_Zei_", SyouhinField_Zei, TCommitForm::Left),
    syouhin_cells::Cell(4, "Edit_Syouhin_Siire_", "Shape_Syouhin_Siire_", SyouhinField_Siire, TCommitForm::RightInt),
    syouhin_cells::Cell(5, "Edit_Syouhin_Tannni_", "Shape_Syouhin_Tannni_", SyouhinField_Tanni, TCommitForm::Left),
};

// Lock false: the cells look at the lock themselves, since a name cell
// entered under the category chooser's lock moves the chooser to its row.
inline constexpr TEditTable Syouhin_Table{
    .Rows = Syouhin_Cells,
    .Family = Syouhin_Rows,
    .CodeOf = [](const TEditCell& c) { return Syouhin_CellCode(c.Index, c.Row); },
    .Lock = false,
    .File = &Syouhin_File,
    .Write = Syouhin_CellWrite,
    .Reload = Syouhin_CellReload,
    .Enter = Syouhin_CellEnter,
    .Entered = Syouhin_CellEntered,
    .Key = Syouhin_CellKey,
    .Move = Syouhin_CellMove,
    .Committed = Syouhin_CellCommitted,
    .Left = Syouhin_CellLeft,
};

TEdit* Syouhin_CellEdit(int column, int row);
TShape* Syouhin_RowShape(const char* prefix, int row);

// The six columns of the 25 rows.
constexpr void Syouhin_FocusCodes(TFocusCodes& codes) { Edit_AddCodes(codes, Syouhin_Table); }

// Writes field k of the product at index (0-based; the cursor's with
// Syouhin_WriteFieldAtLine): text holds the field's width in bytes. Marks the
// products changed. Nothing is stored for an index past the first empty row,
// nor while the name cell of the index's row is empty or begins with a
// blank; on the first empty row the product is appended, with the name and
// the field, and counted. false when the file was not written (the caller
// tells the user): the products then do not count as changed for it.
bool Syouhin_WriteFieldAt(int k, const char* text, int index);
bool Syouhin_WriteFieldAtLine(int k, const char* text);

// Repaints the 25 rows from Syouhin_Top: number, fields as stored, the
// member count and the first category's name of each product, blanks below
// the last. Moves no focus and leaves the cursor and the labels.
void Syouhin_ShowPage();
// The same, and the focused cell of the grid shows its new field trimmed,
// as its focus-in does (the page moved under it).
void Syouhin_ShowPageUnderFocus();
// Label_SyouhinRec := the cursor's record number, and the cursor row's name
// frame red, the others black.
void Syouhin_MarkLine();
// Label_SyouhinRec := the cursor's record number; Label_SyouhinDs := the count.
void Syouhin_ShowRecNo();
void Syouhin_ShowCount();
// The cursor row's number label := its record number (the first empty row
// has none from the page).
void Syouhin_NumberCursorRow();
// Trims the cursor row's name cell and gives it the focus (nothing without
// a cursor row).
void Syouhin_FocusRow();
// The open unit chooser, after the page moved under the unit cell: on the
// unit the cursor row's cell shows now (nothing while it is closed or the
// unit list is empty).
void Syouhin_LocateUnit();
// The product bar back (a chooser closed): F4, F5, F7, F8, F9 on, every
// caption set.
void Syouhin_ShowBar();

void Syouhin_CreateControls(TForm& form);
// Its record, and the unit and category choosers' hosts over it.
void Syouhin_Register();
// Start-up: the products counted (the file made when missing) and the
// screen painted.
void Syouhin_Start();
// The exit: the file sorted by reading when a field was written (the third
// of the sorts); a sort that fails is told, and the exit goes on.
void Syouhin_ExitSort();
