#include "settings/backup/BackupRestore.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "document/DenpyouNumber.h"
#include "platform/File.h"
#include "ui/Message.h"

namespace {

constexpr const char* DataFolder = "Data";

// One data file of a group to restore.
struct TRestoreFile {
    const TBackupFile& File;
    bool LineFeed = false;  // every record's last byte becomes a line feed
    bool Figured = false;   // the group's figure and result are this file's
    std::function<void(int i, char* record)> Mend = nullptr;  // record i changed on its way
};

bool Usable(const TCopySource& source, const TBackupFile& file) {
    return source.Opened() && source.Whole && source.Count >= file.MinCount &&
           (file.ExactCount == 0 || source.Count == file.ExactCount);
}

// Restores the group's files all or none: every copy checked, then every
// one written to its scratch file, then the scratch files put in place.
TBackupResult Restore(const std::string& folder, const std::vector<TRestoreFile>& files, const TBackupFigure& figure) {
    TBackupResult r;
    std::vector<std::unique_ptr<TCopySource>> sources;
    for (const TRestoreFile& f : files) {
        sources.push_back(std::make_unique<TCopySource>(File_OpenRead(BackUp_Path(folder, f.File.Name)),
                                                        f.File.Data->RecLen));
        if (f.Figured) r.Ds = sources.back()->Count;
        if (!Usable(*sources.back(), f.File)) {
            r.Failure = BackUp_NotRead(f.File.Name);
            return r;
        }
    }
    auto discard = [&files](size_t from, size_t to) {
        for (size_t k = from; k < to; ++k) Copy_Discard(files[k].File.Data->FileName);
    };
    int count = 0;
    for (size_t k = 0; k < files.size(); ++k) {
        const TRestoreFile& f = files[k];
        const TCopySource& source = *sources[k];
        if (f.Figured && figure) figure(0);
        TRestoreFigure shown(source.Count, f.Figured ? figure : TBackupFigure());
        TRecordCopy copy{.RecLen = f.File.Data->RecLen, .Count = source.Count};
        copy.LineFeed = f.LineFeed;
        copy.Mend = f.Mend;
        copy.Done = [&shown](int i) { shown.At(i); };
        bool readFailed = false;
        const int written = Copy_Write(source.Fd, f.File.Data->FileName, copy, &readFailed);
        if (written < 0) {
            discard(0, k);
            r.Failure = readFailed ? BackUp_NotRead(f.File.Name) : Message_NotSavedText(f.File.Data->FileName);
            return r;
        }
        if (f.Figured) count = written;
    }
    std::vector<std::string> paths;
    for (const TRestoreFile& f : files) paths.emplace_back(f.File.Data->FileName);
    const int failed = Copy_ReplaceAll(paths, DataFolder);
    for (const TRestoreFile& f : files) ++f.File.Data->Generation;  // what is kept of the files is read again
    if (failed >= 0) {
        r.Failure = Message_NotSavedText(files[static_cast<size_t>(failed)].File.Data->FileName);
        return r;
    }
    r.Count = count;
    if (figure) figure(100);
    return r;
}

}  // namespace

TBackupResult BackUp_RestoreKokyaku(const std::string& folder, const TBackupFigure& figure) {
    return Restore(folder, {{Backup_Kokyaku, false, true}}, figure);
}

TBackupResult BackUp_RestoreHinsyuSyouhin(const std::string& folder, const TBackupFigure& figure) {
    return Restore(folder, {{Backup_Hinsyu, true, false}, {Backup_Syouhin, false, true}}, figure);
}

TBackupResult BackUp_RestoreDenpyou(const std::string& folder, const TBackupFigure& figure) {
    return Restore(folder, {{Backup_Denpyou, false, true}}, figure);
}

std::string BackUp_RestoreJisyaTanni(const std::string& folder, bool documentsRestored) {
    const std::string tanni = Restore(folder, {{Backup_Tanni}}, nullptr).Failure;
    TRestoreFile jisya{Backup_Jisya};
    std::optional<std::int64_t> lastStored;
    if (!documentsRestored && !Denpyou_StoredLastNo(lastStored))
        return tanni.empty() ? BackUp_NotRead(BackUp_DataName(*Backup_Denpyou.Data)) : tanni;
    // The last number raised in the copy itself: the data file takes the
    // record with it, or keeps its own.
    if (lastStored)
        jisya.Mend = [no = *lastStored](int i, char* record) {
            if (i == 0) Denpyou_RaiseLastNoIn(record, no);
        };
    const std::string failure = Restore(folder, {jisya}, nullptr).Failure;
    return tanni.empty() ? failure : tanni;
}
