#include "ui/Ui.h"

#include "ui/Screen.h"

namespace {

TForm* Ui_Window = nullptr;
TUiMissHandler Ui_MissHandler = nullptr;

// A lookup in the window that found nothing: a name that no table creates
// (a misspelling), unless a screen not built yet names it.
template <class T>
T* Found(const char* name, T* control) {
    if (!control && Ui_Window && Ui_MissHandler && !Screen_IsPending(name)) Ui_MissHandler(name);
    return control;
}

template <class T>
T* Lookup(const char* name) {
    return Found(name, Ui_Window ? Ui_Window->FindAs<T>(name) : nullptr);
}

}  // namespace

TForm* Ui_Form() { return Ui_Window; }
void Ui_SetForm(TForm* form) { Ui_Window = form; }

TUiMissHandler Ui_SetMissHandler(TUiMissHandler handler) {
    const TUiMissHandler previous = Ui_MissHandler;
    Ui_MissHandler = handler;
    return previous;
}

void Ui_Invalidate() {
    if (Ui_Window) Ui_Window->Invalidate();
}

TControl* Ui_Control(const char* name) { return Found(name, Ui_Window ? Ui_Window->Find(name) : nullptr); }
TLabel* Ui_Label(const char* name) { return Lookup<TLabel>(name); }
TEdit* Ui_Edit(const char* name) { return Lookup<TEdit>(name); }
TShape* Ui_Shape(const char* name) { return Lookup<TShape>(name); }
TPanel* Ui_Panel(const char* name) { return Lookup<TPanel>(name); }
TCheckBox* Ui_CheckBox(const char* name) { return Lookup<TCheckBox>(name); }
TRadioButton* Ui_RadioButton(const char* name) { return Lookup<TRadioButton>(name); }

bool Ui_Shown(const char* panel) {
    TPanel* p = Ui_Panel(panel);
    return p && p->Visible();
}
