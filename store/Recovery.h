// What a process that ended in the middle of a write may have left in Data,
// put right at start-up before any data file is read.
#pragma once

// Rolls back the journal of every data file that still has one
// (store/Journal.h): the record being written gets its old bytes back.
void Recovery_RollBackJournals();
// Removes the scratch files of rewrites that never finished: the temporary
// names the program itself writes beside its files ("Data\Kokyaku.620.new",
// "Data\Denpyou.del.new", "Data\Kokyaku.del.new", "Data\Syouhin.del.new",
// "Data\BackupFolder.500.new").
// Data files, ".del" copies and every other file in Data are left alone, as
// is a scratch name that holds no regular file.
void Recovery_RemoveScratchFiles();
