// The document editor's folder record (ui/Folder.h).
#pragma once

#include "editor/EditorScreen.h"
#include "editor/SyouhinChoose.h"
#include "ui/Folder.h"

inline constexpr TPanelPlace Denpyou_Panels[] = {
    {.Name = Denpyou_Panel, .Left = 10, .Top = 58, .Width = 989, .Height = 549},
    {.Name = SyouhinChoose_Panel, .Left = 112, .Top = 394, .Width = 865, .Height = 275,
     .Layer = TPanelLayer::Chooser},
    {.Name = "Panel_ChooseKokyaku", .Left = 86, .Top = 124, .Width = 687, .Height = 439,
     .Layer = TPanelLayer::Chooser},
};

inline constexpr TFolder Denpyou_Folder{
    .Path = "editor",
    .Panels = Denpyou_Panels,
    .FocusCodes = Denpyou_FocusCodes,
    .CreateControls = Denpyou_CreateControls,
    .Register = Denpyou_Register,
    .Start = Denpyou_Start,
    .Sort = {.Order = 4, .Run = Denpyou_ExitPurge},  // last: after the masters are sorted
};
