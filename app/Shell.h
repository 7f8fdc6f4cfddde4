// The shell's own controls and handlers on the window: the key catchers of
// the menu and the bar, the exit question, the menu's and the bar's mouse
// handlers.
#pragma once

class TForm;

// Called by the window's constructor once every screen's controls exist.
void Shell_CreateControls(TForm& form);
// A new window has not been activated yet.
void Activate_Reset();
// A new window: the shell's own state as at start (the exit question, the
// activation).
void Shell_Reset();
