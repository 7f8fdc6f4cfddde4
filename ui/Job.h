// The screen shown and the switch between screens. Each screen's folder
// numbers its screen (editor/EditorScreen.h: Job_Denpyou = 0, ...); the
// numbers run in the order of the job menu, the first from 0, and each
// screen's menu entry is its number + 1 (Menu_EntryOf, ui/Menu.h).
#pragma once

constexpr int Job_None = -1;  // a record that is not a screen of the menu (a chooser, a question)
constexpr int Job_First = 0;  // the screen shown at start

extern int Job_Current;

// Shows the screen Job_Current, colours the menu and sets the bar for it.
void Job_Show();
