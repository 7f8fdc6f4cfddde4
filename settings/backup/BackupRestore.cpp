#include "settings/backup/BackupRestore.h"

#include <functional>
#include <memory>
#include <vector>

#include "document/DenpyouNumber.h"
#include "platform/File.h"
#include "store/Jisya.h"
#include "store/Recovery.h"
#include "ui/Message.h"

namespace {

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

TBackupResult& Skip(TBackupResult& r, const char* name) {
    r.Failure = BackUp_NotRead(name);
    r.Skipped = true;
    return r;
}

// Writes the group's files to their scratch files and names them in the
// set, all or none: every copy checked, then every one written.
TBackupResult Restore(const std::string& folder, TRestoreSet& set, const std::vector<TRestoreFile>& files,
                      const TBackupFigure& figure) {
    TBackupResult r;
    std::vector<std::unique_ptr<TCopySource>> sources;
    for (const TRestoreFile& f : files) {
        sources.push_back(std::make_unique<TCopySource>(File_OpenRead(BackUp_Path(folder, f.File.Name)),
                                                        f.File.Data->RecLen));
        if (f.Figured) r.Ds = sources.back()->Count;
        if (!Usable(*sources.back(), f.File)) return Skip(r, f.File.Name);
    }
    auto discard = [&files](size_t to) {
        for (size_t k = 0; k < to; ++k) Copy_Discard(files[k].File.Data->FileName);
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
            discard(k);
            if (readFailed) return Skip(r, f.File.Name);
            r.Failure = Message_NotSavedText(f.File.Data->FileName);
            return r;
        }
        if (f.Figured) count = written;
    }
    for (const TRestoreFile& f : files) set.Files.Names.emplace_back(BackUp_DataName(*f.File.Data));
    r.Count = count;
    if (figure) figure(100);
    return r;
}

// The failure ends the run: nothing of it goes in.
bool Stops(const TBackupResult& r) { return !r.Failure.empty() && !r.Skipped; }

// An own-company record on its way into the set, its last number raised to
// no (record 0 is the one the program reads).
std::function<void(int i, char* record)> RaisingLastNo(std::int64_t no) {
    return [no](int i, char* record) {
        if (i == 0) Denpyou_RaiseLastNoIn(record, no);
    };
}

// "Data\Jisya.620" itself through the set, its last number raised to no.
// Nothing when there is no such file to read.
TBackupResult RaiseInPlace(TRestoreSet& set, std::int64_t no) {
    TBackupResult r;
    const TCopySource source(Record_OpenRead(Jisya_File), Jisya_RecLen);
    if (!source.Opened() || source.Count == 0) return r;
    TRecordCopy copy{.RecLen = Jisya_RecLen, .Count = source.Count};
    copy.Mend = RaisingLastNo(no);
    bool readFailed = false;
    if (Copy_Write(source.Fd, Jisya_File.FileName, copy, &readFailed) >= 0)
        set.Files.Names.emplace_back(BackUp_DataName(Jisya_File));
    else if (readFailed) Skip(r, BackUp_DataName(Jisya_File));
    else r.Failure = Message_NotSavedText(Jisya_File.FileName);
    return r;
}

// The own company, its last number no lower than the last document's that
// Data will hold.
TBackupResult RestoreJisya(const std::string& folder, TRestoreSet& set) {
    std::optional<std::int64_t> lastNo = set.LastNo;
    TBackupResult r;
    if (!set.Documents && !Denpyou_StoredLastNo(lastNo)) return Skip(r, BackUp_DataName(*Backup_Denpyou.Data));
    TRestoreFile jisya{Backup_Jisya};
    // The last number raised in the copy itself: the data file takes the
    // record with it.
    if (lastNo) jisya.Mend = RaisingLastNo(*lastNo);
    r = Restore(folder, set, {jisya}, nullptr);
    if (!r.Skipped || !lastNo) return r;
    // No copy to take: the own company's own record is raised instead.
    const TBackupResult raised = RaiseInPlace(set, *lastNo);
    return Stops(raised) ? raised : r;
}

// A step as a set of its own.
TBackupResult Alone(const std::function<TBackupResult(TRestoreSet&)>& step) {
    TRestoreSet set = BackUp_RestoreSet();
    TBackupResult r = step(set);
    const std::string failure = BackUp_PutRestoreSet(set);
    if (r.Failure.empty()) r.Failure = failure;
    return r;
}

}  // namespace

TRestoreSet BackUp_RestoreSet() {
    TRestoreSet set;
    set.Files.Folder = Recovery_DataFolder();
    return set;
}

std::string BackUp_PutRestoreSet(const TRestoreSet& set) {
    if (set.Files.Names.empty()) return {};
    const std::string failure = BackUp_PutSet(set.Files);
    // What is kept of the files is read again.
    for (const TBackupFile* file : {&Backup_Kokyaku, &Backup_Hinsyu, &Backup_Syouhin, &Backup_Denpyou, &Backup_Jisya,
                                    &Backup_Tanni})
        for (const std::string& name : set.Files.Names)
            if (name == BackUp_DataName(*file->Data)) ++file->Data->Generation;
    return failure;
}

TBackupResult BackUp_RestoreKokyaku(const std::string& folder, TRestoreSet& set, const TBackupFigure& figure) {
    return Restore(folder, set, {{Backup_Kokyaku, false, true}}, figure);
}

TBackupResult BackUp_RestoreHinsyuSyouhin(const std::string& folder, TRestoreSet& set, const TBackupFigure& figure) {
    return Restore(folder, set, {{Backup_Hinsyu, true, false}, {Backup_Syouhin, false, true}}, figure);
}

TBackupResult BackUp_RestoreDenpyou(const std::string& folder, TRestoreSet& set, const TBackupFigure& figure) {
    // The number of the copy's last document: each one's as it passes.
    std::optional<std::int64_t> lastNo;
    TRestoreFile denpyou{Backup_Denpyou, false, true};
    denpyou.Mend = [&lastNo](int, char* record) { lastNo = Denpyou_NoIn(record); };
    TBackupResult r = Restore(folder, set, {denpyou}, figure);
    if (r.Failure.empty()) {
        set.Documents = true;
        set.LastNo = lastNo;
    }
    return r;
}

TBackupResult BackUp_RestoreJisyaTanni(const std::string& folder, TRestoreSet& set) {
    const TBackupResult tanni = Restore(folder, set, {{Backup_Tanni}}, nullptr);
    if (Stops(tanni)) return tanni;
    const TBackupResult jisya = RestoreJisya(folder, set);
    return Stops(jisya) || tanni.Failure.empty() ? jisya : tanni;
}

TBackupResult BackUp_RestoreKokyaku(const std::string& folder, const TBackupFigure& figure) {
    return Alone([&](TRestoreSet& set) { return BackUp_RestoreKokyaku(folder, set, figure); });
}

TBackupResult BackUp_RestoreHinsyuSyouhin(const std::string& folder, const TBackupFigure& figure) {
    return Alone([&](TRestoreSet& set) { return BackUp_RestoreHinsyuSyouhin(folder, set, figure); });
}

TBackupResult BackUp_RestoreDenpyou(const std::string& folder, const TBackupFigure& figure) {
    return Alone([&](TRestoreSet& set) { return BackUp_RestoreDenpyou(folder, set, figure); });
}
