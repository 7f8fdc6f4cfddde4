// The customer screen (job 2) and the customer chooser's list. Not built yet
// beyond what start-up shows (the record and count labels); its record says
// how the shell shows it.
#pragma once

#include "ui/Focus.h"

class TForm;

extern int Kokyaku_Top;  // first record shown
extern int Kokyaku_Row;  // cursor row

// Nine columns of 13 rows: rows 1 ... 9 from 7010, rows 10 ... 13 from 8010,
// 100 a row, 10 a column.
constexpr void Kokyaku_FocusCodes(TFocusCodes& codes) {
    const char* const columns[9] = {"Edit_PanelKokyaku_Name_1_", "Edit_PanelKokyaku_Name_2_",
                                    "Edit_PanelKokyaku_Kana_",   "Edit_PanelKokyaku_Keisyou_",
                                    "Edit_PanelKokyaku_Zip_",    "Edit_PanelKokyaku_Prif_",
                                    "Edit_PanelKokyaku_City_",   "Edit_PanelKokyaku_Banti_",
                                    "Edit_PanelKokyaku_Tel_"};
    for (int r = 1; r <= 13; ++r)
        for (int c = 0; c < 9; ++c)
            codes.Add((r <= 9 ? 7010 + 100 * (r - 1) : 8010 + 100 * (r - 10)) + 10 * c, columns[c], r);
}

void Kokyaku_CreateControls(TForm& form);
void Kokyaku_ShowPage();
void KokyakuChoose_ShowPage();

void Kokyaku_Register();
