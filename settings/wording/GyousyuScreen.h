// The wording screen (job 8): the captions of the construction fields and
// the user lines, and the order of the special-line buttons. Not built yet;
// its record says how the shell shows it.
#pragma once

#include "ui/Focus.h"

constexpr int Job_Gyousyu = 8;

// The captions (9250 ... 9330), then the order of the eight special-line
// buttons (9340 ... 9410).
constexpr void Gyousyu_FocusCodes(TFocusCodes& codes) {
    codes.AddList(9250, 10, {"Edit_Naiyou", "Edit_Basyo", "Edit_SyouhinChoose_Name_01", "Edit_SyouhinChoose_Name_02",
                             "Edit_SyouhinChoose_Name_03", "Edit_SyouhinChoose_Name_05",
                             "Edit_SyouhinChoose_Name_06", "Edit_UserSentaku_1", "Edit_UserSentaku_2"});
    codes.AddRows(9340, 10, "Edit_SyouhinChoose_Jun_", 8);
}

void Gyousyu_Register();
