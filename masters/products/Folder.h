// The products' folder record (ui/Folder.h).
#pragma once

#include "masters/products/SyouhinScreen.h"
#include "ui/Folder.h"

inline constexpr TPanelPlace Syouhin_Panels[] = {
    {.Name = "Panel_Syouhin", .Left = 10, .Top = 58, .Width = 989, .Height = 549},
};

inline constexpr TFolder Syouhin_Folder{
    .Path = "masters/products",
    .Panels = Syouhin_Panels,
    .FocusCodes = Syouhin_FocusCodes,
    .CreateControls = Syouhin_CreateControls,
    .Register = Syouhin_Register,
    .Start = Syouhin_Start,
    .Sort = {.Order = 3, .Run = Syouhin_ExitSort},
};
