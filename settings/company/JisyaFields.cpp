// The own-company inputs' part of the edit protocol: the unit list's keys
// given back as another input takes the focus, the two numbers' defaults,
// the last document number's range and what its Return sets going, and the
// radio groups entered and left through their checked button.
#include <cstdint>

#include "document/DenpyouNumber.h"
#include "editor/EditorScreen.h"
#include "masters/units/TanniList.h"
#include "settings/company/JisyaScreen.h"
#include "store/Denpyou.h"
#include "store/Number.h"
#include "ui/Message.h"
#include "ui/Ui.h"

namespace {

// Whether the last field committed reached the file.
bool Written = true;

// The keep-years and the tax rate are stored as typed, right-aligned, and
// as their default where they read as 0.
struct TNumberDefault {
    JisyaField Field;
    const char* Text;
};
constexpr TNumberDefault Number_Defaults[] = {{JisyaField_Hozon, "20"}, {JisyaField_Syouhizei, " 5"}};

// The last number in its ten characters, with room for the next number.
constexpr std::int64_t LastNo_Min = -999999999, LastNo_Max = 9999999998;

JisyaField FieldOf(const TEditCell& cell) { return static_cast<JisyaField>(cell.Spec().Field); }

// The checked button of the group that begins at input first; the third
// when none of the first two is.
int CheckedOf(int first) {
    for (int i = first; i < first + 2; ++i)
        if (const TRadioButton* r = Ui_RadioButton(Jisya_Inputs[i].Edit); r && r->Checked()) return i;
    return first + 2;
}

void ShowGroup(int first, JisyaField k) {
    const int value = Num_ReadInt(Jisya_Field[k]);
    if (TRadioButton* r = Ui_RadioButton(Jisya_Inputs[first + (value == 0 ? 0 : value == 1 ? 1 : 2)].Edit))
        r->SetChecked(true);
}

}  // namespace

// Any input but the list's takes the list's F4 and F5 back.
bool Jisya_FieldEnter(const TEditCell&) {
    if (TanniList_EditMode) Command_F4F5_Disable();
    return true;
}

// Each field into record 1, as the protocol writes it; whether it went
// through decides what the last number's Return and the radio groups do.
bool Jisya_FieldWrite(const TEditCell& cell, const char* text) {
    Written = Jisya_WriteField(FieldOf(cell), text);
    return Written;
}

bool Jisya_FieldCheck(const TEditCell& cell, const std::string& typed, std::string& text) {
    const JisyaField k = FieldOf(cell);
    for (const TNumberDefault& d : Number_Defaults)
        if (k == d.Field && Num_ReadLong(typed.c_str()) == 0) text = d.Text;
    if (k != JisyaField_Denban) return true;
    const std::int64_t no = Num_ReadLong(typed.c_str());
    if (no < LastNo_Min || no > LastNo_Max) {
        // Refused: the edit shows the number stored, which stays.
        Edit_Show(cell, Jisya_Field[k]);
        return false;
    }
    text = Num_FormatInt(no, Jisya_FieldWidth[k]);
    return true;
}

// Return from the mobile number or the tax-and-adjustment unit goes into
// the radio group below it, Home from the keep-years or the tax rate into
// the one above: each at its checked button.
void Jisya_FieldMove(const TEditCell& cell, Word key) {
    const int group = key == vk::Return ? cell.Index + 1 : cell.Index - 3;
    Edit_Focus(Jisya_Input(CheckedOf(group)));
}

// A button's value the file did not take: the groups show what the field
// holds again, and a rounding button, stored as it takes the focus, hands
// the focus to the button stored. (A button that is left stores its own
// value while the one clicked shows checked: the group is not redrawn then.)
void Jisya_FieldCommitted(const TEditCell& cell, const char*) {
    if (cell.Spec().Input != TEditInput::Radio || Written) return;
    Jisya_ShowRadios();
    if (cell.Spec().CommitOnEnter) Edit_Focus(Jisya_Input(CheckedOf(JisyaInput_SisyaGonyuu)));
}

// Return in the last number, stored: it becomes the last number, a new
// document in the editor takes the one after it, and the whole record goes
// to the file (with what only memory held: the buttons' order, the caption
// defaults).
void Jisya_FieldReturned(const TEditCell& cell, bool kept) {
    if (FieldOf(cell) != JisyaField_Denban || !kept || !Written) return;
    Denpyou_TakeLastNo(true);
    Denpyou_LastNoChanged();
    // A record that could not be read at start-up is not the file's: it is
    // not written over it.
    if (!Jisya_Loaded) return;
    Jisya_JoinRecord();
    if (!Jisya_WriteRecord(1)) Message_NotSaved(Jisya_File.FileName);
}

void Jisya_ShowRadios() {
    ShowGroup(JisyaInput_SisyaGonyuu, JisyaField_Hasuu);
    ShowGroup(JisyaInput_BikouPrint, JisyaField_BikouPrint);
}
