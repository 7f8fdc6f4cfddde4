// The data maintenance screen: backup and restore.
#pragma once

class TForm;

extern char BackUp_Folder[256];          // the backup folder, NUL-terminated
extern char LastExecDay_FileName[16];    // "LastExecDay.620"

void Backup_CreateControls(TForm& form);
