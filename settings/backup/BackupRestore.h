// The restore of a run: the ".625" copies in the backup folder copied back
// over the data files in Data. Each copy is checked before anything is
// written: it is there and opens, holds whole records only, the categories
// exactly 100, the own company and the units at least one; a group's files
// are all checked before any of them is written. A copy that fails any of
// this, or cannot be read whole, is left out with its group (the data files
// keep theirs). The others are written to scratch files beside the data
// files and named in the run's set, which goes into Data as one set once
// every step went through (settings/backup/BackupSet.h): a restore never
// empties or cuts a data file, and a failure leaves every data file as it
// was. What the program holds of the files is not reloaded here: the
// screens reload after the run.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "settings/backup/BackupCopy.h"
#include "settings/backup/BackupFiles.h"
#include "settings/backup/BackupSet.h"

// What a restore's steps have written so far.
struct TRestoreSet {
    TBackupSet Files;  // in Data: "Kokyaku.620" ...
    // Whether the documents' copy is among them, and the number of its last
    // document (none when it holds none).
    bool Documents = false;
    std::optional<std::int64_t> LastNo;
};
// A set in Data with nothing written yet.
TRestoreSet BackUp_RestoreSet();
// The set goes into Data; every file named in it counts as written (its
// Generation goes up), whether it went in or not. "" or the failure's text.
std::string BackUp_PutRestoreSet(const TRestoreSet& set);

// The steps. A copy left out gives a result with Skipped set; any other
// failure leaves nothing of the step in the set.
//
// Customers from "Kokyaku.625"; restore figure.
TBackupResult BackUp_RestoreKokyaku(const std::string& folder, TRestoreSet& set, const TBackupFigure& figure);
// Categories (every record's last byte made a line feed) and products
// together; the figure and the result are the products'.
TBackupResult BackUp_RestoreHinsyuSyouhin(const std::string& folder, TRestoreSet& set, const TBackupFigure& figure);
// Documents from "Denpyou.625".
TBackupResult BackUp_RestoreDenpyou(const std::string& folder, TRestoreSet& set, const TBackupFigure& figure);
// Units, then the own company, the last step of every restore. The own
// company's last number never stays below the number of the last document
// Data will hold after the set (the copy's last when the documents are in
// the set, else the document file's): where it is lower in the copy it is
// raised on its way (Denpyou_RaiseLastNoIn); where the copy is missing or
// left out, "Data\Jisya.620" itself goes through the set so raised. When the
// document file's last number cannot be read, the own company is left out.
// Blank or damaged, the number stays for the reload. The result: the
// failure that ends the run, else the first file left out.
TBackupResult BackUp_RestoreJisyaTanni(const std::string& folder, TRestoreSet& set);

// A group restored on its own, as a set of its own.
TBackupResult BackUp_RestoreKokyaku(const std::string& folder, const TBackupFigure& figure);
TBackupResult BackUp_RestoreHinsyuSyouhin(const std::string& folder, const TBackupFigure& figure);
TBackupResult BackUp_RestoreDenpyou(const std::string& folder, const TBackupFigure& figure);
