// The unit list's editor on the own-company screen and the unit chooser.
#pragma once

extern int TanniList_EditMode;  // the unit-list editor has the keys
extern int TanniList_Row;
extern int TanniList_Top;

// Shows the unit list in its rows.
void Tanni_ShowList();
