// The document editor as a screen of the shell: its record (bar, keys,
// choosers), its part of the focus-code table and its registration.
#pragma once

#include "ui/Focus.h"

// The editor's focus codes: the customer chooser's key catcher (1040), the
// header (1110 ... 1230, Return order) and the grid (2110 + 80 x (row - 1) +
// 10 x column, columns in the order below, not the screen's). Its print
// margins are the preview's (print/preview/PrintMargin.h).
constexpr void Denpyou_FocusCodes(TFocusCodes& codes) {
    codes.Add(1040, "Edit_Panel_ChooseKokyaku_Command");
    codes.AddList(1110, 10, {"Edit_DenpNo", "Edit_DenpKokyakuName_1", "Edit_DenpKokyakuName_2",
                             "Edit_DenpKoujiName_1", "Edit_DenpKoujiName_2", "Edit_DenpPlace", "Edit_DenpBikou",
                             "Edit_DenpMakeYear", "Edit_DenpMakeMonth", "Edit_DenpMakeDay", "Edit_DenpYoukouYear",
                             "Edit_DenpYoukouMonth", "Edit_DenpYoukouDay"});
    const char* const grid[8] = {"Edit_DenpSyousai_", "Edit_DenpTanka_",     "Edit_DenpTankaRitu_",
                                 "Edit_DenpSuuryou_", "Edit_DenpTanni_",     "Edit_DenpSiire_",
                                 "Edit_DenpSiireRitu_", "Edit_DenpJitubaiTanka_"};
    for (int r = 1; r <= 20; ++r)
        for (int c = 0; c < 8; ++c) codes.Add(2110 + 80 * (r - 1) + 10 * c, grid[c], r);
}

// The editor's captions of F1 ... F9 (header and new document).
void Denpyou_SetCaptions();

// Registers the editor, its product and customer choosers.
void Denpyou_Register();
