#include "settings/backup/BackupSave.h"

#include <functional>

#include "platform/File.h"
#include "settings/backup/BackupCsv.h"
#include "settings/backup/Seiri.h"
#include "settings/company/JisyaScreen.h"
#include "store/Denpyou.h"
#include "store/Hinsyu.h"
#include "store/Jisya.h"
#include "store/Kokyaku.h"
#include "store/Syouhin.h"
#include "store/Tanni.h"
#include "ui/Message.h"

namespace {

// A memory save went through, or had no file to go to.
bool Saved(const TRecordFile& file, bool written) { return written || !File_Exists(file.FileName); }

// The step failed: what the folder holds of the copy now is what the screen
// shows.
TBackupResult& Failed(TBackupResult& r, const std::string& folder, const TBackupFile& file, std::string failure) {
    r.Ds = BackUp_CountFile(folder, file);
    r.Failure = std::move(failure);
    return r;
}

// Copies the data file's whole records into its copy in the folder. With
// seiri the tidy-up decides which documents go; with rows, the records
// copied build the CSV's rows as they pass.
TBackupResult SaveFile(TBackupSet& set, const TBackupFile& file, const TBackupFigure& figure, bool seiri = false,
                       TCsvRows* rows = nullptr) {
    const std::string& folder = set.Folder;
    TBackupResult r;
    const TCopySource source(Record_OpenRead(*file.Data), file.Data->RecLen);
    if (!source.Opened()) return Failed(r, folder, file, BackUp_NotRead(BackUp_DataName(*file.Data)));
    r.Count = source.Count;
    if (figure) figure(0);
    const TSaveFigure shown(source.Count, figure);
    TRecordCopy copy{.RecLen = file.Data->RecLen, .Count = source.Count};
    if (seiri) {
        const TSeiriCut cut = Seiri_Cut(source.Fd, source.Count);
        copy.First = cut.First;
        if (cut.BeforeYear != 0) copy.Keep = [cut](int i, const char* record) { return cut.Keeps(i, record); };
    }
    if (rows) {
        rows->Reserve(source.Count);
        copy.Keep = [rows](int i, const char* record) {
            rows->Add(record, i + 1);
            return true;
        };
    }
    if (figure) copy.Done = [&shown](int i) { shown.At(i); };
    const std::string to = BackUp_Path(folder, file.Name);
    bool readFailed = false;
    const int written = Copy_Write(source.Fd, to, copy, &readFailed);
    if (written < 0)
        return Failed(r, folder, file,
                      readFailed ? BackUp_NotRead(BackUp_DataName(*file.Data)) : Message_NotSavedText(file.Name));
    set.Names.emplace_back(file.Name);
    r.Ds = written;
    return r;
}

// The CSV of the rows the copy built: the figure's pass over them, then the
// file.
std::string WriteCsv(TBackupSet& set, const char* name, const TBackupResult& r, const TBackupFigure& figure,
                     const TCsvRows& rows) {
    rows.ShowFigures(r.Count, figure);
    std::string failure = rows.WriteScratch(set.Folder);
    if (failure.empty()) set.Names.emplace_back(name);
    return failure;
}

// A step's files as a set of their own; the count of the copy there when
// the set did not go in.
TBackupResult Alone(const std::string& folder, const TBackupFile& file,
                    const std::function<TBackupResult(TBackupSet&)>& step) {
    TBackupSet set{folder, {}};
    TBackupResult r = step(set);
    if (r.Failure.empty()) r.Failure = BackUp_PutSet(set);
    else BackUp_DiscardSet(set);
    if (!r.Failure.empty()) r.Ds = BackUp_CountFile(folder, file);
    return r;
}

// The step's last figure, once everything went through.
void Finish(const TBackupResult& r, const TBackupFigure& figure) {
    if (r.Failure.empty() && figure) figure(100);
}

}  // namespace

std::string BackUp_WriteMemory() {
    std::string failure;
    auto note = [&failure](const TRecordFile& file, bool written) {
        if (!Saved(file, written) && failure.empty()) failure = Message_NotSavedText(file.FileName);
    };
    if (Hinsyu_Loaded) note(Hinsyu_File, Hinsyu_Save());
    note(Jisya_File, Jisya_SaveRecord());
    if (Tanni_Loaded) note(Tanni_File, Tanni_Save());
    return failure;
}

TBackupResult BackUp_SaveKokyaku(TBackupSet& set, const TBackupFigure& figure) {
    TCsvRows rows(Csv_Kokyaku);
    TBackupResult r = SaveFile(set, Backup_Kokyaku, figure, false, &rows);
    if (r.Failure.empty()) r.Failure = WriteCsv(set, Csv_KokyakuName, r, figure, rows);
    Finish(r, figure);
    return r;
}

TBackupResult BackUp_SaveHinsyuSyouhin(TBackupSet& set, const TBackupFigure& figure) {
    TBackupResult r = SaveFile(set, Backup_Hinsyu, nullptr);
    if (!r.Failure.empty()) {
        r.Count = 0;
        r.Ds = BackUp_CountFile(set.Folder, Backup_Syouhin);
        return r;
    }
    TCsvRows rows(Csv_Syouhin);
    r = SaveFile(set, Backup_Syouhin, figure, false, &rows);
    if (r.Failure.empty()) r.Failure = WriteCsv(set, Csv_SyouhinName, r, figure, rows);
    Finish(r, figure);
    return r;
}

TBackupResult BackUp_SaveDenpyou(TBackupSet& set, bool seiri, const TBackupFigure& figure) {
    TBackupResult r = SaveFile(set, Backup_Denpyou, figure, seiri);
    Finish(r, figure);
    return r;
}

std::string BackUp_SaveJisyaTanni(TBackupSet& set) {
    const std::string jisya = SaveFile(set, Backup_Jisya, nullptr).Failure;
    return jisya.empty() ? SaveFile(set, Backup_Tanni, nullptr).Failure : jisya;
}

TBackupResult BackUp_SaveKokyaku(const std::string& folder, const TBackupFigure& figure) {
    return Alone(folder, Backup_Kokyaku, [&figure](TBackupSet& set) { return BackUp_SaveKokyaku(set, figure); });
}

TBackupResult BackUp_SaveDenpyou(const std::string& folder, bool seiri, const TBackupFigure& figure) {
    return Alone(folder, Backup_Denpyou,
                 [&figure, seiri](TBackupSet& set) { return BackUp_SaveDenpyou(set, seiri, figure); });
}
