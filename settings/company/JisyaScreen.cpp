#include "settings/company/JisyaScreen.h"

#include "document/Calc.h"
#include "document/DenpyouNumber.h"
#include "editor/EditorScreen.h"
#include "masters/units/TanniList.h"
#include "settings/wording/GyousyuScreen.h"
#include "store/Denpyou.h"
#include "store/Number.h"
#include "store/Str.h"
#include "ui/Message.h"
#include "ui/Screen.h"

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

// A record without special-line captions (a new one) gets the program's,
// with the buttons in their first order.
void FillSpecialLines() {
    if (Jisya_Field[JisyaField_SyoukeiCaption][0] != ' ') return;
    static const char* const captions[6] = {"小計", "計", "課税合計", "消費税", "合計", "調整(値引）"};
    for (int i = 0; i < 6; ++i)
        Str_Pad(captions[i], Jisya_Field[JisyaField_SyoukeiCaption + i],
                Jisya_FieldWidth[JisyaField_SyoukeiCaption + i], 0);
    for (int i = 0; i < 8; ++i) {
        const char order[2] = {static_cast<char>('1' + i), '\0'};
        Str_Pad(order, Jisya_Field[JisyaField_Jun_1 + i], Jisya_FieldWidth[JisyaField_Jun_1 + i], 0);
    }
}

// No function key but the bar's. Chosen from the menu, the unit list shows
// the list as it stands now (units typed into the grids since it was last
// shown), so that no row holds a unit that its focus-out would store over a
// newer one.
const TScreen Jisya_Screen{
    .Job = Job_Jisya,
    .Panel = Jisya_Panel,
    .Menu = {.No = 6, .Caption = "自社設定"},
    .First = "Edit_JisyaName_1",
    .Selected = Tanni_ShowList,
};

}  // namespace

void Jisya_Register() { Screen_Register(Jisya_Screen); }

void Jisya_Show() {
    for (const auto& d : Caption_Defaults)
        if (Jisya_Field[d.Field][0] == ' ') Str_Pad(d.Text, Jisya_Field[d.Field], Jisya_FieldWidth[d.Field], 0);
    for (int input = 0; input < JisyaInput_Count; ++input)
        Edit_Show(Jisya_Input(input), Jisya_Field[Jisya_Inputs[input].Field]);
    Jisya_ShowRadios();
    // What the other screens show of the record: the editor's captions and
    // buttons, the wording screen's, and through the registry the preview's
    // (the print margins' edits are shown by their own start, which follows
    // this one at start-up and after a restore).
    Denpyou_ShowCaptions();
    Gyousyu_ShowJisya();
    Screen_JisyaShown();
}

void Jisya_Start() {
    Jisya_Count = 0;
    Record_Prepare(Jisya_File);
    Jisya_ClearRecord();
    Jisya_Load();
    Round_Mode = Num_ReadInt(Jisya_Field[JisyaField_Hasuu]);
    FillSpecialLines();
    Jisya_Show();
}

bool Jisya_SaveRecord() {
    if (!Jisya_Loaded) return true;
    Denpyou_PutLastNo();
    Jisya_JoinRecord();
    return Jisya_WriteRecord(1);
}

bool Jisya_ExitSave() { return Message_CheckSaved(Jisya_File.FileName, Jisya_SaveRecord()); }
