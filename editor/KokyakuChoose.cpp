#include "editor/KokyakuChoose.h"

#include "ui/Screen.h"
#include "ui/Ui.h"

bool KokyakuChoose_Shown() { return Ui_Shown("Panel_ChooseKokyaku"); }

const TScreen KokyakuChoose_Screen{
    .Panel = "Panel_ChooseKokyaku",
    .Over = Job_Bit(Job_Denpyou),
    .Shown = KokyakuChoose_Shown,
};
