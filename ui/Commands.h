// The ten command functions and the wheel. The key handlers of the inputs
// and the labels of the function-key bar call them; each goes to the records
// in force (ui/Screen.h): first the records over the screen, in the order
// they are tried, then the screen itself. The first handler that
// takes the key ends it; a key that nobody takes does nothing.
#pragma once

#include "platform/Types.h"

void Command_F1();
void Command_F2();
void Command_F3();
void Command_F4();
void Command_F5();
void Command_F6();
void Command_F7();
void Command_F8();
void Command_F9();
void Command_Esc();

// The command of a function key (F1 ... F9) or Esc; false for any other key.
bool Command_ForKey(Word key);

// The program's exit (the menu's exit entry, End in the first header field
// of the document editor): what the window set; nothing before it did.
void Command_SetExit(void (*exit)());
void Command_Exit();

// The window's wheel, one event per notch: every third event, whichever
// direction the earlier ones had, acts in its own direction, through the
// first panel in force that has a wheel, else the screen's.
void Wheel_Turn(bool down);
// Start: no event counted.
void Wheel_Reset();
