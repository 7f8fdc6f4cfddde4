// The customers' folder record (ui/Folder.h).
#pragma once

#include "masters/customers/KokyakuScreen.h"
#include "ui/Folder.h"

inline constexpr TPanelPlace Kokyaku_Panels[] = {
    {.Name = "Panel_Kokyaku", .Left = 10, .Top = 58, .Width = 989, .Height = 549},
};

inline constexpr TFolder Kokyaku_Folder{
    .Path = "masters/customers",
    .Panels = Kokyaku_Panels,
    .FocusCodes = Kokyaku_FocusCodes,
    .CreateControls = Kokyaku_CreateControls,
    .Register = Kokyaku_Register,
    .Start = Kokyaku_Start,
    .Sort = {.Order = 2, .Run = Kokyaku_ExitSort},
};
