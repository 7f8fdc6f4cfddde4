// The unit list's editor on the own-company screen (not built yet) and its
// state, which the shell and the unit chooser read.
#pragma once

#include "ui/Focus.h"

struct TScreen;

extern int TanniList_EditMode;  // the unit-list editor has the keys
extern int TanniList_Row;
extern int TanniList_Top;

// The list's 20 edits, 9500 + 10 x (row - 1).
constexpr void TanniList_FocusCodes(TFocusCodes& codes) { codes.AddRows(9500, 10, "Edit_TanniList_", 20); }

// Shows the unit list in its rows.
void Tanni_ShowList();

// Its record: in force while it has the keys; leaving the screen or the
// program ends its edit mode.
extern const TScreen TanniList_Screen;
