// The data maintenance screen (job 6): the backup folder chosen with the
// drive and folder boxes, the direction, the groups ticked, and F1 running a
// save or a restore through the data side below it (BackupRun.h), with the
// counts and per-cent figures it reports painted at once. Mouse only: the
// screen has no bar and no keys of its own.
#pragma once

#include "platform/Types.h"
#include "ui/Focus.h"

class TForm;

constexpr int Job_BackUp = 6;

extern char BackUp_Folder[256];          // the backup folder: a host path (UTF-8), NUL-terminated
extern char LastExecDay_FileName[16];    // "LastExecDay.620"
extern int BackUp_ToPC;                  // the direction: 0 save (at start), 1 restore

// The drive and folder boxes and the three files' check boxes; none has a
// focus-in handler, so no code of theirs is ever stored.
constexpr void Backup_FocusCodes(TFocusCodes& codes) {
    codes.AddList(9810, 10, {"BackupDriveComboBox", "BackupDirectoryListBox", "CheckBox_Kokyaku",
                             "CheckBox_Syouhin", "CheckBox_Denpyou"});
}

// The screen's controls from tables, its handlers bound
// (settings/backup/BackupControls.cpp).
void Backup_CreateControls(TForm& form);
// Start-up: the backup folder read from "Data\BackupFolder.500" (made with
// blanks when missing) into BackUp_Folder and Label_BackupFolder; the
// drive and folder boxes go to it when its volume answers and the folder is
// there (a folder that is gone, removed or on another volume than the one
// mounted now, leaves the boxes as they are), which counts its copies.
void Backup_StartFolder();
// Start-up and a restore's reload, once every data file was counted: the
// counts of the customers, the products and the documents ("パソコン").
void Backup_Start();
// The tidy-up notice (Panel_Seiri): shown while Seiri_Mode is not None;
// otherwise unticked and hidden. Runs whenever the document file was
// counted again (the record's DocumentsCounted).
void Seiri_ShowPanel();

void Backup_Register();

// ---- the screen's handlers (settings/backup/BackupCommands.cpp,
// BackupFolderBoxes.cpp), bound by its controls
// The direction labels: save, restore.
void Label_ToUSB_FromPCClick();
void Labe_ToPC_FromUSBClick();
// F1: a save or a restore of the groups ticked, when the folder is ready
// (else "バックアップ先のフォルダが見つかりません。" and nothing written);
// after a restore every folder starts again on the restored files.
void Label_Panel_BackUp_F1Click();
// F2, F3: every group ticked, or none.
void Label_Panel_BackUp_F2Click();
void Label_Panel_BackUp_F3Click();
// A frame's pen, set and painted at once, only when its colour differs.
void Backup_Pen(const char* name, TColor color, int width);
// "残りの処理" in the run's caption.
void Backup_ShowRemaining();
// The drive chosen: the folder list goes to its root.
void BackupDriveComboBoxChange();
// The folder picked: it becomes the backup folder (one longer than the
// folder record's 255 bytes is refused, and the folder before stays), the
// drive box follows it, and the copies in it are counted ("USB"). A move
// of the program's own elsewhere picks nothing, unless no folder was
// chosen yet.
void BackupDirectoryListBoxChange();
// The screen shown: the drive box reads the volumes again; the boxes go to
// the backup folder whenever it is there; while it is not, a folder list
// that shows nothing usable goes to the first removable volume, else to
// the home folder, and the backup folder stays.
void Backup_ShowFolderBoxes();
