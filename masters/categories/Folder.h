// The categories' folder record (ui/Folder.h).
#pragma once

#include "masters/categories/HinsyuScreen.h"
#include "ui/Folder.h"

inline constexpr TPanelPlace Hinsyu_Panels[] = {
    {.Name = "Panel_Hinsyu", .Left = 10, .Top = 58, .Width = 989, .Height = 549},
    // Over the exit question and the product chooser; each host places it.
    {.Name = "Panel_ChooseHinsyu", .Left = 384, .Top = 68, .Width = 397, .Height = 553,
     .Layer = TPanelLayer::Question, .Laid = false},
};

inline constexpr TFolder Hinsyu_Folder{
    .Path = "masters/categories",
    .Panels = Hinsyu_Panels,
    .FocusCodes = Hinsyu_FocusCodes,
    .CreateControls = Hinsyu_CreateControls,
    .Register = Hinsyu_Register,
    .Start = Hinsyu_Start,
    .Save = {.Order = 1, .Run = Hinsyu_ExitSave},
    .Sort = {.Order = 1, .Run = Hinsyu_ExitSort},
};
