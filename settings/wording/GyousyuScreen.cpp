#include "settings/wording/GyousyuScreen.h"

#include "editor/DenpSpecialLine.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

namespace {

// No function key; the construction name takes the focus when the screen
// is shown after another.
const TScreen Gyousyu_Screen{
    .Job = Job_Gyousyu,
    .Panel = Gyousyu_Panel,
    .Menu = {.No = 9, .Caption = "業種変更"},
    .First = "Edit_Naiyou",
};

void SetCaption(const char* label, const std::string& text) {
    if (TLabel* l = Ui_Label(label)) l->SetCaption(text);
}

// The special lines' current captions, their edits (none for the tax line)
// and their fields, in the order of the fields and of the buttons.
struct TSpecialLine {
    const char* Label;
    int Input;  // -1: no edit
};
constexpr TSpecialLine Special_Lines[6] = {
    {"Label_SyouhinChoose_Name_01", GyousyuInput_Name_01}, {"Label_SyouhinChoose_Name_02", GyousyuInput_Name_02},
    {"Label_SyouhinChoose_Name_03", GyousyuInput_Name_03}, {"Label_SyouhinChoose_Name_04", -1},
    {"Label_SyouhinChoose_Name_05", GyousyuInput_Name_05}, {"Label_SyouhinChoose_Name_06", GyousyuInput_Name_06},
};

}  // namespace

void Gyousyu_Register() { Screen_Register(Gyousyu_Screen); }

void Gyousyu_ShowJisya() {
    SetCaption("Label_Naiyou", Jisya_Field[JisyaField_Naiyou]);
    SetCaption("Label_Basyo", Jisya_Field[JisyaField_Basyo]);
    SetCaption("Label_UserSentaku_1", Jisya_Field[JisyaField_UserSentaku_1]);
    SetCaption("Label_UserSentaku_2", Jisya_Field[JisyaField_UserSentaku_2]);
    for (int i = 0; i < 6; ++i) {
        const std::string caption = DenpSpecialLine_ButtonCaption(i);
        SetCaption(Special_Lines[i].Label, caption);
        if (Special_Lines[i].Input >= 0) Edit_Show(Gyousyu_Input(Special_Lines[i].Input), caption.c_str());
    }
    Gyousyu_ShowOrders();
}
