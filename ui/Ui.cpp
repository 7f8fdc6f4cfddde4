#include "ui/Ui.h"

#include <cstring>

#include "ui/Owner.h"
#include "ui/Screen.h"

namespace {

TForm* Ui_Window = nullptr;
TUiMissHandler Ui_MissHandler = nullptr;

// A lookup in the window: a name that no table creates (a misspelling),
// unless a screen not built yet names it, or another folder's control.
// Checked only where a miss handler listens (the tests).
template <class T>
T* Lookup(const char* name, const TWhere& where) {
    if (!Ui_Window) return nullptr;
    TControl* found = Ui_Window->Find(name);
    T* control = dynamic_cast<T*>(found);
    if (!Ui_MissHandler) return control;
    if (!control) {
        if (!Screen_IsPending(name)) Ui_MissHandler(name);
        return nullptr;
    }
    if (!Owner_MayLookUp(control, where)) {
        const std::string miss = std::string(name) + " (a control of " + Owner_Of(control) + ", looked up from " +
                                 Owner_FolderOf(where) + ")";
        Ui_MissHandler(miss.c_str());
        return nullptr;
    }
    return control;
}

}  // namespace

TForm* Ui_Form() { return Ui_Window; }
void Ui_SetForm(TForm* form) {
    Ui_Window = form;
    Screen_ForgetOrder();
}
void Ui_NewWindow() { Owner_Clear(); }

TUiMissHandler Ui_SetMissHandler(TUiMissHandler handler) {
    const TUiMissHandler previous = Ui_MissHandler;
    Ui_MissHandler = handler;
    return previous;
}

void Ui_Invalidate() {
    if (Ui_Window) Ui_Window->Invalidate();
}

TControl* Ui_Control(const char* name, TWhere where) { return Lookup<TControl>(name, where); }
TLabel* Ui_Label(const char* name, TWhere where) { return Lookup<TLabel>(name, where); }
TEdit* Ui_Edit(const char* name, TWhere where) { return Lookup<TEdit>(name, where); }
TShape* Ui_Shape(const char* name, TWhere where) { return Lookup<TShape>(name, where); }
TPanel* Ui_Panel(const char* name, TWhere where) { return Lookup<TPanel>(name, where); }
TCheckBox* Ui_CheckBox(const char* name, TWhere where) { return Lookup<TCheckBox>(name, where); }
TRadioButton* Ui_RadioButton(const char* name, TWhere where) { return Lookup<TRadioButton>(name, where); }
TDriveComboBox* Ui_DriveComboBox(const char* name, TWhere where) { return Lookup<TDriveComboBox>(name, where); }
TDirectoryListBox* Ui_DirectoryListBox(const char* name, TWhere where) {
    return Lookup<TDirectoryListBox>(name, where);
}

bool Ui_Shown(const char* panel, TWhere where) {
    TPanel* p = Lookup<TPanel>(panel, where);
    return p && p->Visible();
}

TControl& Ui_BuiltControl(TForm& form, const std::string& name, TWhere where) {
    TControl* control = form.Find(name);
    if (!control) throw std::logic_error("no control is named \"" + name + "\"");
    if (!Owner_MayLookUp(control, where))
        throw std::logic_error("\"" + name + "\" is a control of " + Owner_Of(control) + ", bound from " +
                               Owner_FolderOf(where));
    return *control;
}

