#include "settings/backup/BackupRun.h"

#include "settings/backup/BackupRestore.h"
#include "settings/backup/BackupSave.h"
#include "settings/backup/BackupScratch.h"

namespace {

// A group's step: its frame red while it works, its figure and its result
// told; the run keeps the first failure.
class TRun {
public:
    explicit TRun(const TBackupView& view) : view_(view) {}

    template <class Step>
    void Group(TBackupGroup group, Step step) {
        Frame(group, true);
        const TBackupFigure figure = [this, group](int percent) {
            if (view_.Figure) view_.Figure(group, percent);
        };
        const TBackupResult r = step(figure);
        if (view_.Done) view_.Done(group, r);
        Note(r.Failure);
        Frame(group, false);
    }
    void Always(const std::string& failure) { Note(failure); }
    void Frame(TBackupGroup group, bool working) {
        if (view_.Frame) view_.Frame(group, working);
    }
    const std::string& Failure() const { return failure_; }

private:
    void Note(const std::string& failure) {
        if (failure_.empty()) failure_ = failure;
    }
    const TBackupView& view_;
    std::string failure_;
};

// Own company and units, then the folder record: the end of every run.
template <class Step>
std::string Finish(TRun& run, const std::string& folder, Step etc) {
    run.Frame(TBackupGroup::Etc, true);
    run.Always(etc(folder));
    run.Frame(TBackupGroup::Etc, false);
    run.Always(BackUp_WriteFolderRecord(folder));
    return run.Failure();
}

}  // namespace

std::string BackUp_Save(const std::string& folder, const TBackupChoice& choice, const TBackupView& view) {
    BackUp_RemoveScratchFiles(folder);
    TRun run(view);
    run.Always(BackUp_WriteMemory());
    if (choice.Kokyaku)
        run.Group(TBackupGroup::Kokyaku, [&](const TBackupFigure& f) { return BackUp_SaveKokyaku(folder, f); });
    if (choice.Syouhin)
        run.Group(TBackupGroup::Syouhin, [&](const TBackupFigure& f) { return BackUp_SaveHinsyuSyouhin(folder, f); });
    if (choice.Denpyou)
        run.Group(TBackupGroup::Denpyou,
                  [&](const TBackupFigure& f) { return BackUp_SaveDenpyou(folder, choice.Seiri, f); });
    return Finish(run, folder, BackUp_SaveJisyaTanni);
}

std::string BackUp_Restore(const std::string& folder, const TBackupChoice& choice, const TBackupView& view) {
    TRun run(view);
    run.Always(BackUp_WriteMemory());
    if (choice.Kokyaku)
        run.Group(TBackupGroup::Kokyaku, [&](const TBackupFigure& f) { return BackUp_RestoreKokyaku(folder, f); });
    if (choice.Syouhin)
        run.Group(TBackupGroup::Syouhin,
                  [&](const TBackupFigure& f) { return BackUp_RestoreHinsyuSyouhin(folder, f); });
    // Whether the documents came back: only then does the own company's
    // last number come back as the copy holds it.
    bool documents = false;
    if (choice.Denpyou)
        run.Group(TBackupGroup::Denpyou, [&](const TBackupFigure& f) {
            TBackupResult r = BackUp_RestoreDenpyou(folder, f);
            documents = r.Failure.empty();
            return r;
        });
    return Finish(run, folder, [documents](const std::string& f) { return BackUp_RestoreJisyaTanni(f, documents); });
}
