// The document list's folder record (ui/Folder.h).
#pragma once

#include "print/list/DenpyouListInput.h"
#include "print/list/DenpyouListScreen.h"
#include "ui/Folder.h"

inline constexpr TPanelPlace DenpyouList_Panels[] = {
    {.Name = DenpyouList_Panel, .Left = 10, .Top = 58, .Width = 989, .Height = 549},
    // The all-customer page, inside the screen; the one-customer page is
    // made at its place with the screen's controls.
    {.Name = "Panel_DenpyouList_SubPage", .Parent = DenpyouList_Panel, .Left = 10, .Top = 104, .Width = 965,
     .Height = 431},
};

inline constexpr TFolder DenpyouList_Folder{
    .Path = "print/list",
    .Panels = DenpyouList_Panels,
    .FocusCodes = DenpyouList_FocusCodes,
    .CreateControls = DenpyouList_CreateControls,
    .Register = DenpyouList_Register,
};
