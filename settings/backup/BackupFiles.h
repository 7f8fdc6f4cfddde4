// The backup folder and the copies in it. The folder is a host path (UTF-8,
// as the folder boxes report it and "Data\BackupFolder.500" keeps it); the
// copies lie directly in it: "Kokyaku.625", "Hinsyu.625", "Syouhin.625",
// "Denpyou.625", "Jisya.625" and "Tanni.625", whole records of the six data
// files, and the two CSV files.
#pragma once

#include <string>

#include "store/Record.h"

// One data file and its copy.
struct TBackupFile {
    TRecordFile* Data;  // "Data\Kokyaku.620" ...
    const char* Name;   // "Kokyaku.625" ...
    // What a copy must hold to be restored: at least MinCount records,
    // exactly ExactCount when that is not 0.
    int MinCount;
    int ExactCount;
};

extern const TBackupFile Backup_Kokyaku, Backup_Hinsyu, Backup_Syouhin, Backup_Denpyou, Backup_Jisya,
    Backup_Tanni;

// The folder, and the file `name` (CP932) in it, as the file functions take
// them.
std::string BackUp_FolderPath(const std::string& folder);
std::string BackUp_Path(const std::string& folder, const char* name);
// The name of a data file without its folder ("Kokyaku.620").
const char* BackUp_DataName(const TRecordFile& file);

// A folder's path must fit the 255 bytes of "Data\BackupFolder.500"; a
// longer one is refused, and the folder chosen before stays.
bool BackUp_FolderFits(const std::string& folder);
// Whether a run can start: the folder is set and is an existing folder.
bool BackUp_FolderReady(const std::string& folder);

// The records of a copy in the folder: its size div the record length; 0
// when it is missing or cannot be opened.
int BackUp_CountFile(const std::string& folder, const TBackupFile& file);

// The records of the three copies the screen shows ("USB").
struct TBackupCounts {
    int Kokyaku = 0, Syouhin = 0, Denpyou = 0;
};
// After a folder change: false, and counts untouched, when the folder holds
// "LastExecDay.620" that can be opened for reading (the screen then keeps
// the counts it shows); otherwise the counts of the three copies.
bool BackUp_CheckFolder(const std::string& folder, TBackupCounts& counts);

// The end of every run: "Data\BackupFolder.500", when it is there, gets
// the folder (255 bytes, blank filled, no line feed); it is never created.
// "" or the failure's text.
std::string BackUp_WriteFolderRecord(const std::string& folder);

// What one group's save or restore did, for the screen to show.
struct TBackupResult {
    // Records of the data file the step went through (BackUp_KokyakuCount
    // ...): those the save read, those the restore wrote (0 when it wrote
    // none).
    int Count = 0;
    // Records of the copy in the folder (BackUp_KokyakuDs ...): after a save
    // those of the copy that is there now, the old one when the new one
    // could not be written; those a restore found.
    int Ds = 0;
    std::string Failure;  // "" or what could not be done
    // A restore's copy left out (missing, failing its check, not read
    // whole): the run goes on without it. Any other failure ends the run,
    // and nothing of it goes in.
    bool Skipped = false;
};

// The text a run shows in place of "処理が完了しました" when a file
// could not be read: "Kokyaku.625を読み込めませんでした。" (one that could
// not be written: Message_NotSavedText, ui/Message.h).
std::string BackUp_NotRead(const char* name);
