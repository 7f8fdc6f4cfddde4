// The units' folder record (ui/Folder.h): the unit chooser and the unit
// list's editor.
#pragma once

#include "masters/units/TanniChoose.h"
#include "masters/units/TanniList.h"
#include "ui/Folder.h"

inline constexpr TPanelPlace Tanni_Panels[] = {
    // A pop-up beside the unit cell, over the choosers.
    {.Name = "Panel_Tanni", .Left = 784, .Top = 82, .Width = 91, .Height = 541, .Layer = TPanelLayer::Popup},
};

inline constexpr TFolder Tanni_Folder{
    .Path = "masters/units",
    .Panels = Tanni_Panels,
    .FocusCodes = TanniList_FocusCodes,
    .CreateControls = TanniChoose_CreateControls,
    .Register = Tanni_Register,
    .Start = Tanni_Start,
    .Save = {.Order = 3, .Run = Tanni_ExitSave},
};
