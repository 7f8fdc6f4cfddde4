// The restore of a run: the ".625" copies in the backup folder copied back
// over the data files in Data. Each copy is checked before anything is
// written: it is there and opens, holds whole records only, the categories
// exactly 100, the own company and the units at least one; a group's files
// are all checked before any of them is restored, and written whole to
// scratch files before any of them replaces its data file. A copy that
// fails any of this leaves its data file (and its group's) as it was: a
// restore never empties or cuts a data file. What the program holds of the
// files is not reloaded here: the screens reload after the run.
#pragma once

#include <string>

#include "settings/backup/BackupCopy.h"
#include "settings/backup/BackupFiles.h"

// Customers from "Kokyaku.625"; restore figure.
TBackupResult BackUp_RestoreKokyaku(const std::string& folder, const TBackupFigure& figure);
// Categories (every record's last byte made a line feed) and products
// together; the figure and the result are the products'.
TBackupResult BackUp_RestoreHinsyuSyouhin(const std::string& folder, const TBackupFigure& figure);
// Documents from "Denpyou.625".
TBackupResult BackUp_RestoreDenpyou(const std::string& folder, const TBackupFigure& figure);
// Units, then the own company: each on its own. "" or the first failure's
// text. Unless the documents were restored, the documents that stay keep
// their numbers given: the own company's last number, where the copy's is
// below the number of the last document in the document file, comes back
// raised to it (Denpyou_RaiseLastNoIn); when that number cannot be read,
// the own company is not restored.
std::string BackUp_RestoreJisyaTanni(const std::string& folder, bool documentsRestored);
