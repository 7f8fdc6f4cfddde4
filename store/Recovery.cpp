#include "store/Recovery.h"

#include <cstring>

#include "platform/File.h"
#include "store/BackupFolder.h"
#include "store/Denpyou.h"
#include "store/FileSet.h"
#include "store/Hinsyu.h"
#include "store/Jisya.h"
#include "store/Journal.h"
#include "store/Kokyaku.h"
#include "store/Syouhin.h"
#include "store/Tanni.h"

namespace {

// The data files, which are written record by record (journaled) and
// rewritten whole through a scratch file.
const TRecordFile* const DataFiles[] = {&Denpyou_File, &Kokyaku_File, &Hinsyu_File,
                                        &Syouhin_File, &Tanni_File,   &Jisya_File};

}  // namespace

std::string Recovery_DataFolder() { return Platform_HostPath("Data"); }

std::vector<std::string> Recovery_DataNames() {
    std::vector<std::string> names;
    for (const TRecordFile* file : DataFiles) names.emplace_back(std::strrchr(file->FileName, '\\') + 1);
    return names;
}

bool Recovery_FinishFileSet(std::vector<std::string>& concerned) {
    return FileSet_Recover(Recovery_DataFolder(), Recovery_DataNames(), concerned);
}

void Recovery_RollBackJournals() {
    for (const TRecordFile* file : DataFiles) Journal_RollBack(file->FileName);
    // The backup folder's record is written in place under a journal where
    // no scratch file can be made; a kill then leaves half a path behind it.
    Journal_RollBack(BackupFolder_FileName);
}

void Recovery_RemoveScratchFiles() {
    auto removeScratch = [](const char* path) {
        const std::string scratch = Record_ScratchPath(path);
        if (File_Exists(scratch)) File_Remove(scratch);
    };
    // A set's scratch files are its new contents until its record goes.
    if (!FileSet_Pending(Recovery_DataFolder()))
        for (const TRecordFile* file : DataFiles) removeScratch(file->FileName);
    removeScratch(Denpyou_ScratchName);
    removeScratch(Kokyaku_ScratchName);
    removeScratch(Syouhin_ScratchName);
    removeScratch(BackupFolder_FileName);
}
