#include "settings/backup/BackupFiles.h"

#include <cstring>

#include "platform/File.h"
#include "settings/backup/BackupCopy.h"
#include "store/BackupFolder.h"
#include "store/Denpyou.h"
#include "store/Hinsyu.h"
#include "store/Jisya.h"
#include "store/Kokyaku.h"
#include "store/Syouhin.h"
#include "store/Tanni.h"
#include "ui/Message.h"

// The category and unit files always hold their fixed number of records,
// the own-company file at least its one; the others may be empty.
const TBackupFile Backup_Kokyaku{&Kokyaku_File, "Kokyaku.625", 0, 0};
const TBackupFile Backup_Hinsyu{&Hinsyu_File, "Hinsyu.625", Hinsyu_Max, Hinsyu_Max};
const TBackupFile Backup_Syouhin{&Syouhin_File, "Syouhin.625", 0, 0};
const TBackupFile Backup_Denpyou{&Denpyou_File, "Denpyou.625", 0, 0};
const TBackupFile Backup_Jisya{&Jisya_File, "Jisya.625", 1, 0};
const TBackupFile Backup_Tanni{&Tanni_File, "Tanni.625", 1, 0};

namespace {
// Only looked for, never written by the program.
constexpr const char* LastExecDay_Name = "LastExecDay.620";
constexpr const char* FolderRecord_Name = "Data\\BackupFolder.500";
}  // namespace

std::string BackUp_FolderPath(const std::string& folder) { return Platform_AsIs(folder); }
std::string BackUp_Path(const std::string& folder, const char* name) { return Platform_InFolder(folder, name); }

const char* BackUp_DataName(const TRecordFile& file) {
    const char* slash = std::strrchr(file.FileName, '\\');
    return slash ? slash + 1 : file.FileName;
}

bool BackUp_FolderFits(const std::string& folder) { return folder.size() <= BackupFolder_RecLen; }

bool BackUp_FolderReady(const std::string& folder) {
    return !folder.empty() && BackUp_FolderFits(folder) && Dir_Exists(BackUp_FolderPath(folder));
}

int BackUp_CountFile(const std::string& folder, const TBackupFile& file) {
    return TCopySource(File_OpenRead(BackUp_Path(folder, file.Name)), file.Data->RecLen).Count;
}

bool BackUp_CheckFolder(const std::string& folder, TBackupCounts& counts) {
    const int fd = File_OpenRead(BackUp_Path(folder, LastExecDay_Name));
    if (fd >= 0) {
        File_Close(fd);
        return false;
    }
    counts.Kokyaku = BackUp_CountFile(folder, Backup_Kokyaku);
    counts.Syouhin = BackUp_CountFile(folder, Backup_Syouhin);
    counts.Denpyou = BackUp_CountFile(folder, Backup_Denpyou);
    return true;
}

std::string BackUp_WriteFolderRecord(const std::string& folder) {
    if (BackupFolder_Save(folder.c_str()) || !File_Exists(FolderRecord_Name)) return {};
    return Message_NotSavedText(FolderRecord_Name);
}

std::string BackUp_NotRead(const char* name) { return Message_NotReadText(name); }
