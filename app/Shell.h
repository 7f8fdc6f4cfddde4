// The window's own controls and handlers: the exit question and the wheel.
#pragma once

class TForm;

// Called by the window's constructor once every folder's controls exist.
void Shell_CreateControls(TForm& form);
// A new window has not been activated yet.
void Activate_Reset();
// A new window: the shell's own state as at start (the exit question, the
// activation).
void Shell_Reset();
