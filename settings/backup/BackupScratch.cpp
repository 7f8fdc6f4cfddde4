#include "settings/backup/BackupScratch.h"

#include "platform/File.h"
#include "settings/backup/BackupCsv.h"
#include "settings/backup/BackupFiles.h"
#include "store/Record.h"

void BackUp_RemoveScratchFiles(const std::string& folder) {
    const char* const names[] = {Backup_Kokyaku.Name, Backup_Hinsyu.Name, Backup_Syouhin.Name, Backup_Denpyou.Name,
                                 Backup_Jisya.Name,   Backup_Tanni.Name,  Csv_KokyakuName,     Csv_SyouhinName};
    for (const char* name : names) {
        const std::string scratch = Record_ScratchPath(BackUp_Path(folder, name).c_str());
        if (File_Exists(scratch)) File_Remove(scratch);
    }
}
