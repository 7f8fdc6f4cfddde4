// The print preview's folder record (ui/Folder.h).
#pragma once

#include "print/preview/PrintView.h"
#include "ui/Folder.h"

inline constexpr TPanelPlace PrintView_Panels[] = {
    // Over every other panel, the job menu and the bar too.
    {.Name = "Panel_PrintView", .Left = 8, .Top = 4, .Width = 991, .Height = 711, .Layer = TPanelLayer::Top},
};

inline constexpr TFolder PrintView_Folder{
    .Path = "print/preview",
    .Panels = PrintView_Panels,
    .CreateControls = PrintView_CreateControls,
    .Register = PrintView_Register,
    .Start = PrintView_Start,
};
