// The own-company screen (job 5): the company's details that documents
// print, its bank accounts, and the settings that steer calculation and
// printing, each written through to the own-company record as it is
// committed; the unit list's editor stands at its right edge
// (masters/units/TanniList.h).
#pragma once

#include "store/Jisya.h"
#include "ui/EditTable.h"
#include "ui/Focus.h"

class TForm;

constexpr int Job_Jisya = 5;
inline constexpr const char* Jisya_Panel = "Panel_Jisya";

// The table's hooks (settings/company/JisyaFields.cpp).
bool Jisya_FieldEnter(const TEditCell& cell);
bool Jisya_FieldWrite(const TEditCell& cell, const char* text);
bool Jisya_FieldCheck(const TEditCell& cell, const std::string& typed, std::string& text);
void Jisya_FieldMove(const TEditCell& cell, Word key);
void Jisya_FieldCommitted(const TEditCell& cell, const char* text);
void Jisya_FieldReturned(const TEditCell& cell, bool kept);

// The 31 inputs in the screen's order, which Return follows down to the
// third account holder and back to the PR line, and Home back up (not
// beyond the PR line). The rows of a radio group: Return and Home come to
// the group through its checked button (Edit_Own).
enum TJisyaInput : int {
    JisyaInput_Name_1,
    JisyaInput_Name_2,
    JisyaInput_Yakusyoku,
    JisyaInput_Daihyousya,
    JisyaInput_Zip,
    JisyaInput_Adr1,
    JisyaInput_Adr2,
    JisyaInput_Adr3,
    JisyaInput_Tel,
    JisyaInput_Fax,
    JisyaInput_Keitai,
    JisyaInput_SisyaGonyuu,  // the rounding: half up, up, down
    JisyaInput_Kiriage,
    JisyaInput_Kirisute,
    JisyaInput_Hozon,
    JisyaInput_Denban,
    JisyaInput_DenbanPrint,
    JisyaInput_AllPagePrint,
    JisyaInput_Suuryou,
    JisyaInput_KokyakuAddress,
    JisyaInput_ZeiTanni,
    JisyaInput_BikouPrint,  // the footer: remarks, creation date, neither
    JisyaInput_MakeDatePrint,
    JisyaInput_BothNotPrint,
    JisyaInput_Syouhizei,
    JisyaInput_Kouza_1,
    JisyaInput_KouzaMeigi_1,
    JisyaInput_Kouza_2,
    JisyaInput_KouzaMeigi_2,
    JisyaInput_Kouza_3,
    JisyaInput_KouzaMeigi_3,
    JisyaInput_Count,
};

namespace jisya_inputs {
// An input storing field k of its width, Return to the next input, Home to
// the one before.
constexpr TEditRow Row(int input, const char* edit, int code, const char* frame, JisyaField k,
                       TEditInput kind = TEditInput::Text, TCommitForm form = TCommitForm::Left) {
    return {.Edit = edit, .Code = code, .Frame = frame, .Width = Jisya_FieldWidth[k], .Input = kind, .Form = form,
            .Field = k, .Return = (input + 1) % JisyaInput_Count, .Home = input > 0 ? input - 1 : Edit_Stay};
}
// A radio button of a group of three, storing its value in field k.
constexpr TEditRow Radio(int input, const char* edit, int code, const char* frame, JisyaField k, const char* value,
                         int first, bool onEnter) {
    TEditRow r = Row(input, edit, code, frame, k, TEditInput::Radio);
    r.Value = value;
    r.CommitOnEnter = onEnter;
    r.Return = first + 3;
    r.Home = first - 1;
    return r;
}
constexpr TEditRow Refusing(TEditRow r) {
    r.RefusedStays = true;
    return r;
}
constexpr TEditRow Own(TEditRow r, bool ret, bool home) {
    if (ret) r.Return = Edit_Own;
    if (home) r.Home = Edit_Own;
    return r;
}
}  // namespace jisya_inputs

inline constexpr TEditRow Jisya_Inputs[JisyaInput_Count] = {
    jisya_inputs::Row(0, "Edit_JisyaName_1", 9010, "Shape_JisyaName_1", JisyaField_PR),
    jisya_inputs::Row(1, "Edit_JisyaName_2", 9020, "Shape_JisyaName_2", JisyaField_Name),
    jisya_inputs::Row(2, "Edit_Jisya_Yakusyoku", 9080, "Shape_Jisya_Yakusyoku", JisyaField_Yakusyoku),
    jisya_inputs::Row(3, "Edit_Jisya_Daihyousya", 9070, "Shape_Jisya_Daihyousya", JisyaField_Daihyousya),
    jisya_inputs::Row(4, "Edit_JisyaZip", 9030, "Shape_Jisya_Adr", JisyaField_Zip),
    jisya_inputs::Row(5, "Edit_Jisya_Adr1", 9040, "Shape_Jisya_Adr", JisyaField_Adr_1),
    jisya_inputs::Row(6, "Edit_Jisya_Adr2", 9050, "Shape_Jisya_Adr", JisyaField_Adr_2),
    jisya_inputs::Row(7, "Edit_Jisya_Adr3", 9060, "Shape_Jisya_Adr", JisyaField_Adr_3),
    jisya_inputs::Row(8, "Edit_Jisya_Tel", 9090, "Shape_Jisya_Tel", JisyaField_Tel),
    jisya_inputs::Row(9, "Edit_Jisya_Fax", 9100, "Shape_Jisya_Fax", JisyaField_Fax),
    jisya_inputs::Own(jisya_inputs::Row(10, "Edit_Jisya_Keitai", 9110, "Shape_Jisya_Keitai", JisyaField_Keitai),
                      true, false),
    // The rounding is stored as a button takes the focus, never when it is left.
    jisya_inputs::Radio(11, "RadioButton_Jisya_SisyaGonyuu", 9120, "Shape_Jisya_Hasuu", JisyaField_Hasuu, " ", 11,
                        true),
    jisya_inputs::Radio(12, "RadioButton_Jisya_Kiriage", 9130, "Shape_Jisya_Hasuu", JisyaField_Hasuu, "1", 11, true),
    jisya_inputs::Radio(13, "RadioButton_Jisya_Kirisute", 9140, "Shape_Jisya_Hasuu", JisyaField_Hasuu, "2", 11, true),
    jisya_inputs::Own(jisya_inputs::Row(14, "Edit_Jisya_Hozon", 9150, "Shape_Jisya_Hozon", JisyaField_Hozon,
                                        TEditInput::Text, TCommitForm::Right),
                      false, true),
    // A number out of range keeps the old one, and Return keeps the focus.
    jisya_inputs::Refusing(jisya_inputs::Row(15, "Edit_Jisya_Denban", 9160, "Shape_Jisya_Denban", JisyaField_Denban)),
    jisya_inputs::Row(16, "CheckBox_DenbanPrint", 9170, "Shape_DenbanPrint", JisyaField_DenbanPrint,
                      TEditInput::Check),
    jisya_inputs::Row(17, "CheckBox_AllPagePrint", 9180, "Shape_AllPagePrint", JisyaField_AllPagePrint,
                      TEditInput::Check),
    jisya_inputs::Row(18, "CheckBox_Denpyou_Suuryou", 9910, "Shape_Denpyou_Suuryou", JisyaField_Suuryou,
                      TEditInput::Check),
    jisya_inputs::Row(19, "CheckBox_Denpyou_KokyakuAddress", 9920, "Shape_Denpyou_KokyakuAddress",
                      JisyaField_KokyakuAddress, TEditInput::Check),
    jisya_inputs::Own(jisya_inputs::Row(20, "CheckBox_DenpyouZeiTanni", 9192, "Shape_DenpyouZeiTanni",
                                        JisyaField_ZeiTanni, TEditInput::Check),
                      true, false),
    // The footer is stored by the button that is left (or Return on it).
    jisya_inputs::Radio(21, "RadioButton_DenpyouBikouPrint", 9194, "Shape_DenpyouBikouPrint", JisyaField_BikouPrint,
                        " ", 21, false),
    jisya_inputs::Radio(22, "RadioButton_DenpyouMakeDatePrint", 9196, "Shape_DenpyouBikouPrint",
                        JisyaField_BikouPrint, "1", 21, false),
    jisya_inputs::Radio(23, "RadioButton_DenpyouBothNotPrint", 9198, "Shape_DenpyouBikouPrint",
                        JisyaField_BikouPrint, "2", 21, false),
    jisya_inputs::Own(jisya_inputs::Row(24, "Edit_Syouhizei", 9190, "Shape_Syouhizei", JisyaField_Syouhizei,
                                        TEditInput::Text, TCommitForm::Right),
                      false, true),
    jisya_inputs::Row(25, "Edit_JisyaKouza_01", 9200, "Shape_JisyaKouza_01", JisyaField_Kouza_1),
    jisya_inputs::Row(26, "Edit_JisyaKouzaMeigi_01", 9420, "Shape_JisyaKouzaMeigi_01", JisyaField_KouzaMeigi_1),
    jisya_inputs::Row(27, "Edit_JisyaKouza_02", 9210, "Shape_JisyaKouza_02", JisyaField_Kouza_2),
    jisya_inputs::Row(28, "Edit_JisyaKouzaMeigi_02", 9430, "Shape_JisyaKouzaMeigi_02", JisyaField_KouzaMeigi_2),
    jisya_inputs::Row(29, "Edit_JisyaKouza_03", 9220, "Shape_JisyaKouza_03", JisyaField_Kouza_3),
    jisya_inputs::Row(30, "Edit_JisyaKouzaMeigi_03", 9440, "Shape_JisyaKouzaMeigi_03", JisyaField_KouzaMeigi_3),
};

// Its keys are Return and Home alone: no function key acts on this screen
// but through the bar (and F4, F5 of the unit list).
inline constexpr TEditTable Jisya_Table{
    .Rows = Jisya_Inputs,
    .FunctionKeys = false,
    .File = &Jisya_File,
    .Write = Jisya_FieldWrite,
    .Enter = Jisya_FieldEnter,
    .Move = Jisya_FieldMove,
    .Check = Jisya_FieldCheck,
    .Committed = Jisya_FieldCommitted,
    .Returned = Jisya_FieldReturned,
};

constexpr TEditCell Jisya_Input(int input) { return {&Jisya_Table, input}; }

// The 31 inputs: the details and settings 9010 ... 9220, the account holders
// 9420 ... 9440, the two print options 9910 and 9920; then the unit list's.
constexpr void Jisya_FocusCodes(TFocusCodes& codes) { Edit_AddCodes(codes, Jisya_Table); }

// The controls of the screen from tables, its inputs bound, and the unit
// list's editor at its right edge.
void Jisya_CreateControls(TForm& form);
// Shows the record: every input from its field as stored, the checked
// buttons by their fields; a construction or user-line caption whose field
// begins with a blank gets its default (in memory only); then the captions
// spread to the other screens: the editor's, the wording screen's, and the
// preview's (Screen_JisyaShown).
void Jisya_Show();
// The rounding's and the footer's checked button as field 11 and 42 read:
// 0 the first, 1 the second, any other value the third.
void Jisya_ShowRadios();

void Jisya_Register();
// Start-up: the record loaded (the file made with one blank record when
// missing), the captions and the special lines' order a blank record lacks
// filled in, the rounding taken from it, the screen shown (the last
// document number is read once the documents are counted: Denpyou_LoadLastNo).
void Jisya_Start();
// The record written back to the file with the last document number (the
// exit's save, and a backup's before it copies the file): false when it was
// not written. A file that could not be read at start-up is left as it is
// (true).
bool Jisya_SaveRecord();
// The exit: Jisya_SaveRecord (the second of the saves), the user told when
// it failed while a file stands there (Message_CheckSaved).
bool Jisya_ExitSave();
