// A run of F1 on the data maintenance screen, in the order the steps go:
// the screen calls one of these and paints what the view is told. Each
// group's frame is told when the group starts and ends, its figure as it
// changes, its result when it is done.
#pragma once

#include <functional>
#include <string>

#include "settings/backup/BackupFiles.h"

enum class TBackupGroup {
    Kokyaku,  // customers
    Syouhin,  // categories and products
    Denpyou,  // documents
    Etc,      // own company and units, always
};

// What the check boxes say.
struct TBackupChoice {
    bool Kokyaku = true, Syouhin = true, Denpyou = true;
    bool Seiri = false;  // "整理する" (read only by a save)
};

// How a run shows itself; any of these may be left empty.
struct TBackupView {
    std::function<void(TBackupGroup, bool working)> Frame;
    std::function<void(TBackupGroup, int percent)> Figure;
    std::function<void(TBackupGroup, const TBackupResult&)> Done;  // customers, products, documents
};

// The save (BackUp_ToPC = 0): the folder put right first (a set a killed
// save left finished: BackUp_SettleFolder), what is only in memory written
// (BackUp_WriteMemory), the ticked groups in order, own company and units,
// all into scratch files that then go in as one set; then
// "Data\BackupFolder.500". A failure anywhere ends the run: every copy in
// the folder stays as it was, the scratch files go, and the groups told
// their counts are told again with the counts of the copies there. "" when
// everything went through, else the failure's text (for the screen to show
// in place of "処理が完了しました").
std::string BackUp_Save(const std::string& folder, const TBackupChoice& choice, const TBackupView& view);
// The restore (BackUp_ToPC = 1): what is only in memory written first, as
// for a save, so that the reload after the run brings back what the user
// had of every file the restore leaves (the categories of a run without
// them, a copy that fails its check); then the ticked groups, own company
// and units (the last number no lower than the last document's where the
// documents stay: BackUp_RestoreJisyaTanni), then "Data\BackupFolder.500".
// The screen then reloads every data file and screen, whatever went
// through.
std::string BackUp_Restore(const std::string& folder, const TBackupChoice& choice, const TBackupView& view);
