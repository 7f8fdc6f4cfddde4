// What a process that ended in the middle of a write may have left in Data,
// put right at start-up before any data file is read.
#pragma once

#include <string>
#include <vector>

// The data files a restore brings back go into Data as one set
// (store/FileSet.h): the folder (a host path) and the names of the files
// such a set may hold ("Kokyaku.620", ...).
std::string Recovery_DataFolder();
std::vector<std::string> Recovery_DataNames();
// Finishes a set of data files a killed restore left in Data (forward or
// back as its record says), silently. false, with `concerned` naming its
// files, when its record is still there.
bool Recovery_FinishFileSet(std::vector<std::string>& concerned);
// Rolls back the journal of every data file that still has one
// (store/Journal.h): the record being written gets its old bytes back.
void Recovery_RollBackJournals();
// Removes the scratch files of rewrites that never finished: the temporary
// names the program itself writes beside its files ("Data\Kokyaku.620.new",
// "Data\Denpyou.del.new", "Data\Kokyaku.del.new", "Data\Syouhin.del.new",
// "Data\BackupFolder.500.new").
// Data files, ".del" copies and every other file in Data are left alone, as
// is a scratch name that holds no regular file, and the data files' scratch
// files while a set of them is still recorded (its recovery failed).
void Recovery_RemoveScratchFiles();
