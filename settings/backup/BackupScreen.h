// The data maintenance screen (job 6): backup and restore. Built so far:
// the boxes and labels that start-up fills; its record says how the shell
// shows it.
#pragma once

#include "ui/Focus.h"

class TForm;

constexpr int Job_BackUp = 6;

extern char BackUp_Folder[256];          // the backup folder: a host path (UTF-8), NUL-terminated
extern char LastExecDay_FileName[16];    // "LastExecDay.620"

// The drive and folder boxes and the three files' check boxes; none has a
// focus-in handler, so no code of theirs is ever stored.
constexpr void Backup_FocusCodes(TFocusCodes& codes) {
    codes.AddList(9810, 10, {"BackupDriveComboBox", "BackupDirectoryListBox", "CheckBox_Kokyaku",
                             "CheckBox_Syouhin", "CheckBox_Denpyou"});
}

void Backup_CreateControls(TForm& form);
// Start-up: the backup folder read from "Data\BackupFolder.500" (made with
// blanks when missing) into BackUp_Folder and Label_BackupFolder; the
// drive and folder boxes go to it when its volume answers and the folder is
// there (a folder that is gone, removed or on another volume than the one
// mounted now, leaves the boxes as they are). The current directory is left
// alone.
void Backup_StartFolder();
// Start-up, once every data file was counted: the counts of the customers,
// the products and the documents.
void Backup_Start();
// The tidy-up notice (Panel_Seiri): shown while Seiri_Mode is not None;
// otherwise unticked and hidden. Runs whenever the document file was
// counted again (the record's DocumentsCounted).
void Seiri_ShowPanel();

void Backup_Register();
