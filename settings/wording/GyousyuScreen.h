// The wording screen (job 8): the captions of the construction name and
// site, of the two user lines and of five special lines (the tax line's is
// shown only), and the order of the eight special-line buttons. A caption
// is written through to the own-company record and shown at once on the
// editor's and the preview's labels; an order lives in memory until the
// whole record is written (the last number's Return, the exit) and places
// the buttons at once. No function key acts here.
#pragma once

#include "store/Jisya.h"
#include "ui/EditTable.h"
#include "ui/Focus.h"

class TForm;

constexpr int Job_Gyousyu = 8;
inline constexpr const char* Gyousyu_Panel = "Panel_Gyousyu";

// The table's hooks (settings/wording/GyousyuFields.cpp).
bool Gyousyu_FieldWrite(const TEditCell& cell, const char* text);
bool Gyousyu_FieldCheck(const TEditCell& cell, const std::string& typed, std::string& text);
void Gyousyu_FieldCommitted(const TEditCell& cell, const char* text);

// The 17 inputs: nine captions, then the eight buttons' order in the order
// of their fields.
enum TGyousyuInput : int {
    GyousyuInput_Naiyou,
    GyousyuInput_Basyo,
    GyousyuInput_Name_01,  // subtotal
    GyousyuInput_Name_02,  // total
    GyousyuInput_Name_03,  // taxable total
    GyousyuInput_Name_05,  // grand total
    GyousyuInput_Name_06,  // adjustment
    GyousyuInput_User_1,
    GyousyuInput_User_2,
    GyousyuInput_Jun_01,
    GyousyuInput_Count = GyousyuInput_Jun_01 + 8,
};

namespace gyousyu_inputs {
// A caption, stored left-aligned in its field's width; Return goes on even
// when the commit was refused.
constexpr TEditRow Caption(const char* edit, int code, const char* frame, JisyaField k, int ret, int home) {
    return {.Edit = edit, .Code = code, .Frame = frame, .Width = Jisya_FieldWidth[k], .Field = k, .Return = ret,
            .Home = home};
}
// The order of button s (0 ... 7): a digit 1 ... 8; Return goes on only
// when it was one, and after a refusal the edit stores nothing when it is
// left, only by another Return. From the first, Home goes to the second
// user line; from the last, Return to the construction name.
constexpr TEditRow Order(int s, const char* edit, const char* frame) {
    const int input = GyousyuInput_Jun_01 + s;
    return {.Edit = edit, .Code = 9340 + 10 * s, .Frame = frame, .Width = 1, .Form = TCommitForm::Right,
            .Field = JisyaField_Jun_1 + s, .Return = s < 7 ? input + 1 : GyousyuInput_Naiyou,
            .Home = s > 0 ? input - 1 : GyousyuInput_User_2, .RefusedStays = true, .RefusedStaysCommitted = true};
}
}  // namespace gyousyu_inputs

// Return runs through the construction captions and the user lines, and
// from the first special line through the special lines and the orders;
// Home goes back along them.
inline constexpr TEditRow Gyousyu_Inputs[GyousyuInput_Count] = {
    gyousyu_inputs::Caption("Edit_Naiyou", 9250, "Shape_Naiyou", JisyaField_Naiyou, GyousyuInput_Basyo,
                            GyousyuInput_Basyo),
    gyousyu_inputs::Caption("Edit_Basyo", 9260, "Shape_Basyo", JisyaField_Basyo, GyousyuInput_User_1,
                            GyousyuInput_Naiyou),
    gyousyu_inputs::Caption("Edit_SyouhinChoose_Name_01", 9270, "Shape_SyouhinChoose_Name_01",
                            JisyaField_SyoukeiCaption, GyousyuInput_Name_02, GyousyuInput_Basyo),
    gyousyu_inputs::Caption("Edit_SyouhinChoose_Name_02", 9280, "Shape_SyouhinChoose_Name_02",
                            JisyaField_GoukeiCaption, GyousyuInput_Name_03, GyousyuInput_Name_01),
    gyousyu_inputs::Caption("Edit_SyouhinChoose_Name_03", 9290, "Shape_SyouhinChoose_Name_03",
                            JisyaField_KazeiGoukeiCaption, GyousyuInput_Name_05, GyousyuInput_Name_02),
    gyousyu_inputs::Caption("Edit_SyouhinChoose_Name_05", 9300, "Shape_SyouhinChoose_Name_05",
                            JisyaField_SouGoukeiCaption, GyousyuInput_Name_06, GyousyuInput_Name_03),
    gyousyu_inputs::Caption("Edit_SyouhinChoose_Name_06", 9310, "Shape_SyouhinChoose_Name_06",
                            JisyaField_CyouseiCaption, GyousyuInput_Jun_01, GyousyuInput_Name_05),
    gyousyu_inputs::Caption("Edit_UserSentaku_1", 9320, "Shape_UserSentaku_1", JisyaField_UserSentaku_1,
                            GyousyuInput_User_2, GyousyuInput_Basyo),
    gyousyu_inputs::Caption("Edit_UserSentaku_2", 9330, "Shape_UserSentaku_2", JisyaField_UserSentaku_2,
                            GyousyuInput_Naiyou, GyousyuInput_User_1),
    gyousyu_inputs::Order(0, "Edit_SyouhinChoose_Jun_01", "Shape_SyouhinChoose_Jun_01"),
    gyousyu_inputs::Order(1, "Edit_SyouhinChoose_Jun_02", "Shape_SyouhinChoose_Jun_02"),
    gyousyu_inputs::Order(2, "Edit_SyouhinChoose_Jun_03", "Shape_SyouhinChoose_Jun_03"),
    gyousyu_inputs::Order(3, "Edit_SyouhinChoose_Jun_04", "Shape_SyouhinChoose_Jun_04"),
    gyousyu_inputs::Order(4, "Edit_SyouhinChoose_Jun_05", "Shape_SyouhinChoose_Jun_05"),
    gyousyu_inputs::Order(5, "Edit_SyouhinChoose_Jun_06", "Shape_SyouhinChoose_Jun_06"),
    gyousyu_inputs::Order(6, "Edit_SyouhinChoose_Jun_07", "Shape_SyouhinChoose_Jun_07"),
    gyousyu_inputs::Order(7, "Edit_SyouhinChoose_Jun_08", "Shape_SyouhinChoose_Jun_08"),
};

inline constexpr TEditTable Gyousyu_Table{
    .Rows = Gyousyu_Inputs,
    .FunctionKeys = false,
    .File = &Jisya_File,
    .Write = Gyousyu_FieldWrite,
    .Check = Gyousyu_FieldCheck,
    .Committed = Gyousyu_FieldCommitted,
};

constexpr TEditCell Gyousyu_Input(int input) { return {&Gyousyu_Table, input}; }

// The captions (9250 ... 9330), then the order of the eight special-line
// buttons (9340 ... 9410).
constexpr void Gyousyu_FocusCodes(TFocusCodes& codes) { Edit_AddCodes(codes, Gyousyu_Table); }

// The eight order edits show the orders as they stand in memory.
void Gyousyu_ShowOrders();

// The screen's controls from tables, its inputs bound.
void Gyousyu_CreateControls(TForm& form);
// From the own-company record (Jisya_Show): the current captions' labels,
// the special lines' caption edits with their button captions, the order
// edits as stored. The construction and user-line edits keep what they hold.
void Gyousyu_ShowJisya();
void Gyousyu_Register();
