// The unit list's editor: a column of 20 one-line edits, a window over the
// 100 entries of the unit list, on the screen that hosts it (the own
// company's). Row r (0 ... 19, its controls numbered r + 1) shows and edits
// entry TanniList_Top + r; the row with the focus is the cursor row. An edit
// shows its unit trimmed while it has the focus and stores it, blank-filled
// to 6 bytes, when it is left or on Return. The list changes in memory only:
// the exit writes it to its file.
#pragma once

#include "store/MasterFields.h"
#include "ui/EditTable.h"
#include "ui/Focus.h"
#include "ui/ListWindow.h"

class TForm;
struct TScreen;

constexpr int TanniList_Rows = 20;
constexpr int TanniList_Entries = 99;  // the window shows entries 0 ... 98 at most

extern bool TanniList_EditMode;  // a list edit has the focus: F4 and F5 are the list's
// The window over the list: a page cut short at the first or the last page
// puts the cursor (and the focus) on that page's edge row.
extern TListWindow TanniList_Window;
extern int& TanniList_Row;  // cursor row 0 ... 19
extern int& TanniList_Top;  // entry shown in the first row, 0 ... 79

// The screen the list stands on: its panel, and where Home in the first row
// and Return in the last row take the focus.
struct TTanniListHost {
    const char* Panel;
    void (*Before)();
    void (*After)();
};

// The table's hooks (masters/units/TanniList.cpp).
bool TanniList_Enter(const TEditCell& cell);
bool TanniList_Key(const TEditCell& cell, Word key);
void TanniList_Move(const TEditCell& cell, Word key);
char* TanniList_Field(const TEditCell& cell);
void TanniList_Committed(const TEditCell& cell, const char* text);

inline constexpr TEditRow TanniList_Cells[] = {
    {.Edit = "Edit_TanniList_", .Code = 9500, .Frame = "Shape_TanniList_", .Width = 6, .Field = TanniField_Tanni,
     .Return = Edit_Own, .Home = Edit_Own},
};

// Its keys are its own: Up, Down, PageUp, PageDown, F4 and F5 move and
// change the list; no other function key acts here.
inline constexpr TEditTable TanniList_Table{
    .Rows = TanniList_Cells,
    .Family = TanniList_Rows,
    .CodeStep = 10,
    .FunctionKeys = false,
    .Field = TanniList_Field,
    .Enter = TanniList_Enter,
    .Key = TanniList_Key,
    .Move = TanniList_Move,
    .Committed = TanniList_Committed,
};

// The list's 20 edits, 9500 + 10 x (row - 1).
constexpr void TanniList_FocusCodes(TFocusCodes& codes) { Edit_AddCodes(codes, TanniList_Table); }

// The heading, the rows' frames and edits at the right edge of the host's
// panel, and their handlers (called by the host's CreateControls).
void TanniList_CreateControls(TForm& form, const TTanniListHost& host);

// Shows the list in its rows from TanniList_Top, as stored (no trim, no
// frame, no focus change).
void Tanni_ShowList();
// The cursor row's frame red, the others black.
void Tanni_ShowCursor();

void TanniList_LineUp();    // cursor one row up, the window one entry back at the first row
void TanniList_LineDown();  // cursor one row down, the window one entry on at the last row
void TanniList_PageUp();    // the window 20 entries back, or to its first place
void TanniList_PageDown();  // the window 20 entries on, or to its last place
// The entry at the cursor removed (the later entries move up, the last
// becomes free), or a free entry inserted there (the later entries move
// down, the last one's unit is lost). What is typed in the cursor row and
// not stored is not stored first.
void TanniList_Delete();
void TanniList_Insert();

// F4 and F5 drawn as the list's (black) and the list's edit mode on; drawn
// silver and the mode off.
void Command_F4F5_Enable();
void Command_F4F5_Disable();

// Its record: in force while it has the keys; leaving the screen or the
// program ends its edit mode.
extern const TScreen TanniList_Screen;
