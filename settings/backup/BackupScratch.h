// The scratch files a save killed on the way leaves in the backup folder:
// each copy and CSV file is written under its name with ".new" before it
// replaces the one there (settings/backup/BackupCopy.h).
#pragma once

#include <string>

// Removes from the folder the scratch names of the six copies and the two
// CSV files ("Kokyaku.625.new", "見積顧客.CSV.new", ...) where a regular
// file stands under one; nothing else of the folder is touched, since it is
// the user's own (a file named otherwise, the copies themselves, a folder
// under a scratch name).
void BackUp_RemoveScratchFiles(const std::string& folder);
