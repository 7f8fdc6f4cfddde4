// The own-company screen (job 5): not built yet beyond what the own-company
// record needs at start-up (the captions a blank field shows) and at exit;
// its record says how the shell shows it.
#pragma once

#include "ui/Focus.h"

class TForm;

constexpr int Job_Jisya = 5;

// The company's details and settings (9010 ... 9220, 9420 ... 9440) and
// its two print options (9910, 9920), which store their codes but are never
// returned to.
constexpr void Jisya_FocusCodes(TFocusCodes& codes) {
    codes.AddList(9010, 10, {"Edit_JisyaName_1", "Edit_JisyaName_2", "Edit_JisyaZip", "Edit_Jisya_Adr1",
                             "Edit_Jisya_Adr2", "Edit_Jisya_Adr3", "Edit_Jisya_Daihyousya", "Edit_Jisya_Yakusyoku",
                             "Edit_Jisya_Tel", "Edit_Jisya_Fax", "Edit_Jisya_Keitai", "RadioButton_Jisya_SisyaGonyuu",
                             "RadioButton_Jisya_Kiriage", "RadioButton_Jisya_Kirisute", "Edit_Jisya_Hozon",
                             "Edit_Jisya_Denban", "CheckBox_DenbanPrint", "CheckBox_AllPagePrint", "Edit_Syouhizei"});
    codes.AddList(9192, 2, {"CheckBox_DenpyouZeiTanni", "RadioButton_DenpyouBikouPrint",
                            "RadioButton_DenpyouMakeDatePrint", "RadioButton_DenpyouBothNotPrint"});
    codes.AddList(9200, 10, {"Edit_JisyaKouza_01", "Edit_JisyaKouza_02", "Edit_JisyaKouza_03"});
    codes.AddList(9420, 10, {"Edit_JisyaKouzaMeigi_01", "Edit_JisyaKouzaMeigi_02", "Edit_JisyaKouzaMeigi_03"});
    codes.AddList(9910, 10, {"CheckBox_Denpyou_Suuryou", "CheckBox_Denpyou_KokyakuAddress"}, false);
}

void Jisya_CreateControls(TForm& form);
// The captions a blank field shows filled in, and the screen from the
// own-company fields.
void Jisya_Show();

void Jisya_Register();
// Start-up: the record loaded (the file made with one blank record when
// missing), the captions and the special lines' order a blank record lacks
// filled in, the rounding taken from it (the last document number is read
// once the documents are counted: Denpyou_LoadLastNo).
void Jisya_Start();
// The exit: the record written back with the last document number (the
// second of the saves); a file that could not be read at start-up is left
// as it is.
bool Jisya_ExitSave();
