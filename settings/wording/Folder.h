// The wording's folder record (ui/Folder.h).
#pragma once

#include "settings/wording/GyousyuScreen.h"
#include "ui/Folder.h"

inline constexpr TPanelPlace Gyousyu_Panels[] = {
    {.Name = "Panel_Gyousyu", .Left = 10, .Top = 58, .Width = 989, .Height = 549},
};

inline constexpr TFolder Gyousyu_Folder{
    .Path = "settings/wording",
    .Panels = Gyousyu_Panels,
    .FocusCodes = Gyousyu_FocusCodes,
    .CreateControls = Gyousyu_CreateControls,
    .Register = Gyousyu_Register,
};
