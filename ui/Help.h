// The help line along the bottom of the window belongs to the window (app/),
// which sets how a text reaches it; a screen below writes there through this.
#pragma once

// How a text is shown on the help line (the window's; nullptr: nowhere).
void Help_SetShow(void (*show)(const char* text));
// text (the program's own bytes) on the help line, where it stays until
// something else is written there; nothing before the window set the way.
void Help_Show(const char* text);
