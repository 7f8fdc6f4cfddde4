#include "app/Syori_01.h"

TForm_Syori_01* Form_Syori_01 = nullptr;

namespace {
template <class T>
T* Lookup(const char* name) {
    return Form_Syori_01 ? Form_Syori_01->FindAs<T>(name) : nullptr;
}
}  // namespace

TControl* Ui_Control(const char* name) { return Form_Syori_01 ? Form_Syori_01->Find(name) : nullptr; }
TLabel* Ui_Label(const char* name) { return Lookup<TLabel>(name); }
TEdit* Ui_Edit(const char* name) { return Lookup<TEdit>(name); }
TShape* Ui_Shape(const char* name) { return Lookup<TShape>(name); }
TPanel* Ui_Panel(const char* name) { return Lookup<TPanel>(name); }
TCheckBox* Ui_CheckBox(const char* name) { return Lookup<TCheckBox>(name); }
TRadioButton* Ui_RadioButton(const char* name) { return Lookup<TRadioButton>(name); }
