// The product screen (job 4). Not built yet beyond what start-up shows (the
// record and count labels) and what the unit chooser does over it; its
// record says how the shell shows it.
#pragma once

#include "ui/Focus.h"

class TForm;

constexpr int Job_Syouhin = 4;

extern int Syouhin_Top;
extern int Syouhin_Row;
// Whether a product field has been written since start-up: the exit sorts
// the product file by reading only then.
extern bool Syouhin_Changed;

// Six columns of 25 rows from 5010, 60 a row; the columns' offsets below.
// "Tannni" is the program's own spelling of the unit column's names.
constexpr void Syouhin_FocusCodes(TFocusCodes& codes) {
    struct TColumn {
        int Offset;
        const char* Prefix;
    };
    const TColumn columns[6] = {{0, "Edit_Syouhin_Name_"},   {5, "Edit_Syouhin_Kana_"},
                                {10, "Edit_Syouhin_Hanbai_"}, {20, "Edit_Syouhin_Zei_"},
                                {30, "Edit_Syouhin_Siire_"},  {50, "Edit_Syouhin_Tannni_"}};
    for (int r = 1; r <= 25; ++r)
        for (const TColumn& col : columns) codes.Add(5010 + 60 * (r - 1) + col.Offset, col.Prefix, r);
}

void Syouhin_CreateControls(TForm& form);
void Syouhin_ShowPage();

// Its record, and the unit and category choosers' host over it.
void Syouhin_Register();
// Start-up: the products counted (the file made when missing) and the
// screen's labels painted.
void Syouhin_Start();
// The exit: the file sorted by reading when a field was written (the third
// of the sorts).
void Syouhin_ExitSort();
