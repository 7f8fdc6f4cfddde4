// The save of a run: the data files copied into the backup folder as ".625"
// copies (settings/backup/BackupCopy.h), with the customer and product CSV
// files. Each step writes its files to their scratch files and names them
// in the run's set, which goes in once every step went through
// (settings/backup/BackupSet.h). Each step's per-cent figure goes to
// `figure` as it changes: "0" before its copy, its passes, "100" when the
// step went through.
#pragma once

#include <string>

#include "settings/backup/BackupCopy.h"
#include "settings/backup/BackupFiles.h"
#include "settings/backup/BackupSet.h"

// What the program holds only in memory goes to its files first, exactly as
// the exit writes it: the category list (without the sort), the own-company
// record with the last document number, the unit list. A file that could
// not be read at start-up is not written over, and one that is not there at
// all is skipped. "" or the text of the first file not written (the others
// are still written).
std::string BackUp_WriteMemory();

// The steps write into set.Folder. A step that fails names no file in the
// set (its scratch files are gone) and reports the count of the copy still
// there.
//
// Customers: "Kokyaku.625", then "見積顧客.CSV".
TBackupResult BackUp_SaveKokyaku(TBackupSet& set, const TBackupFigure& figure);
// Categories ("Hinsyu.625", no figure), then products ("Syouhin.625" and
// "見積商品.CSV"); the result is the products'.
TBackupResult BackUp_SaveHinsyuSyouhin(TBackupSet& set, const TBackupFigure& figure);
// Documents: "Denpyou.625", tidied (settings/backup/Seiri.h) when seiri is
// set; the figure counts from the first record kept, its step from the whole
// count.
TBackupResult BackUp_SaveDenpyou(TBackupSet& set, bool seiri, const TBackupFigure& figure);
// Own company and units: "Jisya.625" and "Tanni.625". "" or the failure's
// text.
std::string BackUp_SaveJisyaTanni(TBackupSet& set);

// The customers or the documents saved on their own: their files go in as
// a set of their own.
TBackupResult BackUp_SaveKokyaku(const std::string& folder, const TBackupFigure& figure);
TBackupResult BackUp_SaveDenpyou(const std::string& folder, bool seiri, const TBackupFigure& figure);
