#include "settings/backup/BackupSet.h"

#include "settings/backup/BackupCsv.h"
#include "settings/backup/BackupFiles.h"
#include "store/FileSet.h"
#include "ui/Message.h"

std::string BackUp_PutSet(const TBackupSet& set) {
    std::vector<std::string> concerned;
    return FileSet_Put(set.Folder, set.Names, concerned) ? std::string() : BackUp_NotSavedText(concerned);
}

void BackUp_DiscardSet(const TBackupSet& set) { FileSet_Discard(set.Folder, set.Names); }

std::string BackUp_NotSavedText(const std::vector<std::string>& names) {
    std::string joined;
    for (const std::string& name : names) joined += (joined.empty() ? "" : "、") + name;
    return Message_NotSavedText(joined.c_str());
}

std::vector<std::string> BackUp_SetNames() {
    return {Backup_Kokyaku.Name, Csv_KokyakuName,    Backup_Hinsyu.Name, Backup_Syouhin.Name,
            Csv_SyouhinName,     Backup_Denpyou.Name, Backup_Jisya.Name,  Backup_Tanni.Name};
}

std::string BackUp_SettleFolder(const std::string& folder) {
    if (!BackUp_FolderReady(folder)) return {};
    std::vector<std::string> concerned;
    return FileSet_Recover(folder, BackUp_SetNames(), concerned) ? std::string() : BackUp_NotSavedText(concerned);
}
