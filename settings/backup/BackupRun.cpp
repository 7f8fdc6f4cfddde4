#include "settings/backup/BackupRun.h"

#include <vector>

#include "settings/backup/BackupRestore.h"
#include "settings/backup/BackupSave.h"
#include "settings/backup/BackupSet.h"
#include "store/Recovery.h"

namespace {

// A run's steps: each group's frame red while it works, its figure and its
// result told. A failure ends the run (its later steps are not run, and
// nothing of it goes in), except a restore's copy left out, after which the
// run goes on; the run tells the failure that ended it, else the first
// copy left out.
class TRun {
public:
    explicit TRun(const TBackupView& view) : view_(view) {}

    template <class Step>
    void Group(TBackupGroup group, Step step) {
        if (Ended()) return;
        Frame(group, true);
        const TBackupFigure figure = [this, group](int percent) {
            if (view_.Figure) view_.Figure(group, percent);
        };
        const TBackupResult r = step(figure);
        if (view_.Done) view_.Done(group, r);
        done_.push_back(group);
        Note(r);
        Frame(group, false);
    }
    void Note(const TBackupResult& r) {
        if (r.Failure.empty()) return;
        if (!r.Skipped && ended_.empty()) ended_ = r.Failure;
        else if (skipped_.empty()) skipped_ = r.Failure;
    }
    void Note(const std::string& failure, bool skipped = false) {
        TBackupResult r;
        r.Failure = failure;
        r.Skipped = skipped;
        Note(r);
    }
    void Frame(TBackupGroup group, bool working) {
        if (view_.Frame) view_.Frame(group, working);
    }
    bool Ended() const { return !ended_.empty(); }
    std::string Failure() const { return Ended() ? ended_ : skipped_; }
    // The groups that told their results, to be told again.
    const std::vector<TBackupGroup>& Done() const { return done_; }
    const TBackupView& View() const { return view_; }

private:
    const TBackupView& view_;
    std::string ended_, skipped_;
    std::vector<TBackupGroup> done_;
};

// A save that did not go in: the groups told their new copies' counts,
// which are told again as the copies in the folder now are.
void TellCopiesThere(const TRun& run, const std::string& folder) {
    if (!run.View().Done) return;
    for (TBackupGroup group : run.Done()) {
        const TBackupFile& copy = group == TBackupGroup::Kokyaku   ? Backup_Kokyaku
                                  : group == TBackupGroup::Syouhin ? Backup_Syouhin
                                                                   : Backup_Denpyou;
        TBackupResult there;
        there.Ds = BackUp_CountFile(folder, copy);
        run.View().Done(group, there);
    }
}

}  // namespace

std::string BackUp_Save(const std::string& folder, const TBackupChoice& choice, const TBackupView& view) {
    TRun run(view);
    run.Note(BackUp_SettleFolder(folder));
    if (!run.Ended()) run.Note(BackUp_WriteMemory());
    TBackupSet set{folder, {}};
    if (choice.Kokyaku)
        run.Group(TBackupGroup::Kokyaku, [&](const TBackupFigure& f) { return BackUp_SaveKokyaku(set, f); });
    if (choice.Syouhin)
        run.Group(TBackupGroup::Syouhin, [&](const TBackupFigure& f) { return BackUp_SaveHinsyuSyouhin(set, f); });
    if (choice.Denpyou)
        run.Group(TBackupGroup::Denpyou,
                  [&](const TBackupFigure& f) { return BackUp_SaveDenpyou(set, choice.Seiri, f); });
    if (!run.Ended()) {
        run.Frame(TBackupGroup::Etc, true);
        run.Note(BackUp_SaveJisyaTanni(set));
        // A set that does not go in takes its scratch files with it.
        if (!run.Ended()) run.Note(BackUp_PutSet(set));
        else BackUp_DiscardSet(set);
        run.Frame(TBackupGroup::Etc, false);
    } else {
        BackUp_DiscardSet(set);
    }
    if (run.Ended()) TellCopiesThere(run, folder);
    run.Note(BackUp_WriteFolderRecord(folder));
    return run.Failure();
}

std::string BackUp_Restore(const std::string& folder, const TBackupChoice& choice, const TBackupView& view) {
    TRun run(view);
    // Neither a set half in the backup folder nor one half in Data is read.
    run.Note(BackUp_SettleFolder(folder));
    std::vector<std::string> unfinished;
    if (!Recovery_FinishFileSet(unfinished)) run.Note(BackUp_NotSavedText(unfinished));
    // What lives only in memory reaches its files first: the reload after
    // the run brings back what the user had of every file the restore
    // leaves.
    if (!run.Ended()) run.Note(BackUp_WriteMemory(), true);
    TRestoreSet set = BackUp_RestoreSet();
    if (choice.Kokyaku)
        run.Group(TBackupGroup::Kokyaku, [&](const TBackupFigure& f) { return BackUp_RestoreKokyaku(folder, set, f); });
    if (choice.Syouhin)
        run.Group(TBackupGroup::Syouhin,
                  [&](const TBackupFigure& f) { return BackUp_RestoreHinsyuSyouhin(folder, set, f); });
    if (choice.Denpyou)
        run.Group(TBackupGroup::Denpyou, [&](const TBackupFigure& f) { return BackUp_RestoreDenpyou(folder, set, f); });
    if (!run.Ended()) {
        run.Frame(TBackupGroup::Etc, true);
        run.Note(BackUp_RestoreJisyaTanni(folder, set));
        if (!run.Ended()) run.Note(BackUp_PutRestoreSet(set));
        else BackUp_DiscardSet(set.Files);
        run.Frame(TBackupGroup::Etc, false);
    } else {
        BackUp_DiscardSet(set.Files);
    }
    run.Note(BackUp_WriteFolderRecord(folder));
    return run.Failure();
}
