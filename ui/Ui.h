// The window that every screen's code reaches its controls in, and the
// lookups by name. The window sets itself here when it is built; without a
// window (data code in tests and tools) every lookup gives nullptr.
#pragma once

#include <source_location>
#include <stdexcept>
#include <string>

#include "platform/Form.h"

// The window the lookups search; nullptr before one is built.
TForm* Ui_Form();
// Set by the window: itself once its controls exist, nullptr when it goes.
void Ui_SetForm(TForm* form);
// A window is being built: the owners of the controls of any window before
// it are forgotten (ui/Owner.h).
void Ui_NewWindow();
// Repaint the window soon (nothing without a window).
void Ui_Invalidate();

// Controls by name; nullptr when there is no window or no such control. A
// folder looks up only the controls it created (ui/Owner.h). A name that the
// window lacks (or that names a control of another kind) is a mistake unless
// a registered screen names it as pending (ui/Screen.h), and so is a lookup
// of another folder's control: the handler set here hears of either, and the
// lookup finds nothing. The program sets none and is not checked; the test
// programs and the headless session (the scenario runner) set one that fails
// the test or the script line.
using TUiMissHandler = void (*)(const char* name);
// Sets the handler and returns the one set before (nullptr: none).
TUiMissHandler Ui_SetMissHandler(TUiMissHandler handler);

using TWhere = std::source_location;
TControl* Ui_Control(const char* name, TWhere where = TWhere::current());
TLabel* Ui_Label(const char* name, TWhere where = TWhere::current());
TEdit* Ui_Edit(const char* name, TWhere where = TWhere::current());
TShape* Ui_Shape(const char* name, TWhere where = TWhere::current());
TPanel* Ui_Panel(const char* name, TWhere where = TWhere::current());
TCheckBox* Ui_CheckBox(const char* name, TWhere where = TWhere::current());
TRadioButton* Ui_RadioButton(const char* name, TWhere where = TWhere::current());
TDriveComboBox* Ui_DriveComboBox(const char* name, TWhere where = TWhere::current());
TDirectoryListBox* Ui_DirectoryListBox(const char* name, TWhere where = TWhere::current());

// Whether the folder's panel is shown (false without a window).
bool Ui_Shown(const char* panel, TWhere where = TWhere::current());

// A control the calling folder created, by name, while the window is being
// built (its handlers are bound so). Binding is loud: a name that no table
// of the folder created, or a control of another kind, is a mistake the
// window cannot be built with, reported as std::logic_error naming it.
TControl& Ui_BuiltControl(TForm& form, const std::string& name, TWhere where);
template <class T = TControl>
T& Ui_Built(TForm& form, const std::string& name, TWhere where = TWhere::current()) {
    T* control = dynamic_cast<T*>(&Ui_BuiltControl(form, name, where));
    if (!control) throw std::logic_error("\"" + name + "\" is a control of another kind");
    return *control;
}

// A new window: the shell's state as at start (the first screen shown, no
// focus code, no lock, no commit pending, every bar key on, no wheel event
// counted).
void Ui_Reset();
