#include "settings/jisya/Jisya.h"

#include <cstring>
#include <string>

#include "store/Jisya.h"
#include "store/Str.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

namespace {

// Captions that a blank field shows, filled out to the field's width.
struct TCaptionDefault {
    JisyaField Field;
    const char* Text;
};
constexpr TCaptionDefault Caption_Defaults[] = {
    {JisyaField_Naiyou, "工事名  "},
    {JisyaField_Basyo, "工事場所"},
    {JisyaField_UserSentaku_1, "ユーザー設定１      "},
    {JisyaField_UserSentaku_2, "ユーザー設定２      "},
};

// The text of a field up to its first blank.
std::string UpToBlank(const char* field) {
    const char* end = std::strchr(field, ' ');
    return end ? std::string(field, end) : std::string(field);
}

void SetCaption(const char* label, const std::string& text) {
    if (TLabel* l = Ui_Label(label)) l->SetCaption(text);
}

constexpr const char* Jisya_Pending[] = {"Edit_JisyaName_1", nullptr};

const TScreen Jisya_Screen{
    .Job = Job_Jisya,
    .Panel = "Panel_Jisya",
    .MenuNo = 6,
    .First = "Edit_JisyaName_1",
    .Pending = Jisya_Pending,
};

}  // namespace

void Jisya_CreateControls(TForm&) {}

void Jisya_Register() { Screen_Register(Jisya_Screen); }

void Jisya_Show() {
    for (const auto& d : Caption_Defaults)
        if (Jisya_Field[d.Field][0] == ' ') Str_Pad(d.Text, Jisya_Field[d.Field], Jisya_FieldWidth[d.Field], 0);
    SetCaption("Label_DenpKoujiName", Jisya_Field[JisyaField_Naiyou]);
    SetCaption("Label_DenpPlace", Jisya_Field[JisyaField_Basyo]);
    SetCaption("Label_Denp_UserLine_1", Jisya_Field[JisyaField_UserSentaku_1]);
    SetCaption("Label_Denp_UserLine_2", Jisya_Field[JisyaField_UserSentaku_2]);
    static const char* const specialLabels[] = {
        "Label_Denp_SyoukeiLine", "Label_Denp_GoukeiLine", "Label_Denp_KazeiGoukeiiLine",
        "Label_Denp_ZeiLine",     "Label_Denp_SouGoukei",  "Label_Denp_CyouseiiLine",
    };
    for (int i = 0; i < 6; ++i) SetCaption(specialLabels[i], UpToBlank(Jisya_Field[JisyaField_SyoukeiCaption + i]));
}
