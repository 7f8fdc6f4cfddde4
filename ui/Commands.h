// The ten command functions. The key handlers of the inputs and the labels
// of the function-key bar call them; each decides by the screen shown, the
// open chooser and the focus code what its key means there.
#pragma once

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
bool Command_ForKey(unsigned short key);
