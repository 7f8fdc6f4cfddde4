// The wording inputs' part of the edit protocol: a caption is refused when
// it begins with a blank (a caption cannot be blanked here), an order when
// it is no digit 1 ... 8; a caption is written through and shown on the
// editor's and the preview's labels, an order takes its digit from every
// other button and places the buttons.
#include "editor/DenpSpecialLine.h"
#include "editor/EditorScreen.h"
#include "settings/wording/GyousyuScreen.h"
#include "store/Number.h"
#include "store/Str.h"
#include "ui/Screen.h"

namespace {

JisyaField FieldOf(const TEditCell& cell) { return static_cast<JisyaField>(cell.Spec().Field); }
bool IsOrder(const TEditCell& cell) { return cell.Index >= GyousyuInput_Jun_01; }

}  // namespace

void Gyousyu_ShowOrders() {
    for (int s = 0; s < 8; ++s) Edit_Show(Gyousyu_Input(GyousyuInput_Jun_01 + s), Jisya_Field[JisyaField_Jun_1 + s]);
}

// A caption into record 1; the orders live in memory until the whole
// record is written.
bool Gyousyu_FieldWrite(const TEditCell& cell, const char* text) {
    return IsOrder(cell) || Jisya_WriteField(FieldOf(cell), text);
}

bool Gyousyu_FieldCheck(const TEditCell& cell, const std::string& typed, std::string& text) {
    if (!IsOrder(cell)) return text[0] != ' ';
    const int n = Num_ReadInt(typed.c_str());
    return n >= 1 && n <= 8;
}

void Gyousyu_FieldCommitted(const TEditCell& cell, const char* text) {
    if (!IsOrder(cell)) {
        Denpyou_ShowCaptions();
        Screen_JisyaShown();  // the preview's
        return;
    }
    const int n = Num_ReadInt(text);
    for (int s = 0; s < 8; ++s) {
        char* order = Jisya_Field[JisyaField_Jun_1 + s];
        if (JisyaField_Jun_1 + s != FieldOf(cell) && Num_ReadInt(order) == n) Str_Spaces(order, 1);
    }
    Gyousyu_ShowOrders();
    Denpyou_PlaceSpecialButtons();
}
