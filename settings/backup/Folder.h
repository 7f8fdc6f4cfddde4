// The data maintenance's folder record (ui/Folder.h).
#pragma once

#include "settings/backup/BackupScreen.h"
#include "ui/Folder.h"

inline constexpr TPanelPlace Backup_Panels[] = {
    {.Name = "Panel_BackUp", .Left = 10, .Top = 58, .Width = 989, .Height = 549},
    // The tidy-up notice, inside the screen.
    {.Name = "Panel_Seiri", .Parent = "Panel_BackUp", .Left = 320, .Top = 380, .Width = 441, .Height = 141},
};

inline constexpr TFolder Backup_Folder{
    .Path = "settings/backup",
    .Panels = Backup_Panels,
    .FocusCodes = Backup_FocusCodes,
    .CreateControls = Backup_CreateControls,
    .Register = Backup_Register,
    .Prepare = Backup_StartFolder,
    .Start = Backup_Start,
};
