#include "print/list/DenpyouListControls.h"

#include <cstring>

#include "store/Str.h"
#include "ui/Ui.h"

std::string DenpyouList_Caption(const char* label) {
    const TLabel* l = Ui_Label(label);
    return l ? l->Caption : std::string();
}

void DenpyouList_SetCaption(const char* label, const std::string& caption) {
    if (TLabel* l = Ui_Label(label)) l->SetCaption(caption);
}

std::string DenpyouList_Text(const char* edit) {
    const TEdit* e = Ui_Edit(edit);
    return e ? e->Text() : std::string();
}

void DenpyouList_SetText(const char* edit, const std::string& text) {
    if (TEdit* e = Ui_Edit(edit)) e->SetText(text);
}

bool DenpyouList_Checked(const char* radioButton) {
    const TRadioButton* r = Ui_RadioButton(radioButton);
    return r && r->Checked();
}

bool DenpyouList_Visible(const char* control) {
    const TControl* c = Ui_Control(control);
    return c && c->Visible();
}

void DenpyouList_NameKey(const char* label, char key[41]) {
    Str_Pad(DenpyouList_Caption(label).c_str(), key, 40, 0);
}

bool DenpyouList_IsAllCustomers(const char* key) { return std::strncmp(key, "全顧客", 6) == 0; }
