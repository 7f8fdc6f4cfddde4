// The own company's folder record (ui/Folder.h).
#pragma once

#include "settings/company/JisyaScreen.h"
#include "ui/Folder.h"

inline constexpr TPanelPlace Jisya_Panels[] = {
    {.Name = "Panel_Jisya", .Left = 10, .Top = 58, .Width = 989, .Height = 549},
};

inline constexpr TFolder Jisya_Folder{
    .Path = "settings/company",
    .Panels = Jisya_Panels,
    .FocusCodes = Jisya_FocusCodes,
    .CreateControls = Jisya_CreateControls,
    .Register = Jisya_Register,
    .Start = Jisya_Start,
    .Save = {.Order = 2, .Run = Jisya_ExitSave},
};
