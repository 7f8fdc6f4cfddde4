// The window that every screen's code reaches its controls in, and the
// lookups by name. The window sets itself here when it is built; without a
// window (data code in tests and tools) every lookup gives nullptr.
#pragma once

#include "platform/Form.h"

// The window the lookups search; nullptr before one is built.
TForm* Ui_Form();
// Set by the window: itself once its controls exist, nullptr when it goes.
void Ui_SetForm(TForm* form);
// Repaint the window soon (nothing without a window).
void Ui_Invalidate();

// Controls by name; nullptr when there is no window or no such control. A
// name that the window lacks (or that names a control of another kind) is a
// mistake unless a registered screen names it as pending (ui/Screen.h): the
// handler set here hears of it. The program sets none and stays silent; the
// test programs and the headless session (the scenario runner) set one that
// fails the test or the script line.
using TUiMissHandler = void (*)(const char* name);
// Sets the handler and returns the one set before (nullptr: none).
TUiMissHandler Ui_SetMissHandler(TUiMissHandler handler);

TControl* Ui_Control(const char* name);
TLabel* Ui_Label(const char* name);
TEdit* Ui_Edit(const char* name);
TShape* Ui_Shape(const char* name);
TPanel* Ui_Panel(const char* name);
TCheckBox* Ui_CheckBox(const char* name);
TRadioButton* Ui_RadioButton(const char* name);

// Whether the panel is shown (false without a window).
bool Ui_Shown(const char* panel);

// A new window: the shell's state as at start (the screen shown is the
// editor, no focus code, no lock, no commit pending, every bar key on, no
// wheel event counted).
void Ui_Reset();
