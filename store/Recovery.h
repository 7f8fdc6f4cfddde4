// What a process that ended in the middle of a write may have left in Data,
// put right at start-up before any data file is read.
#pragma once

// Rolls back the journal of every data file that still has one
// (store/Journal.h): the record being written gets its old bytes back.
void Recovery_RollBackJournals();
