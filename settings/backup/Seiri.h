// The tidy-up of a document save: when the documents call for it
// (Seiri_Mode, store/Denpyou.h) and "整理する" is ticked, the backup copy
// leaves out the oldest documents. The document file itself is never
// changed; the user restores from the tidied copy afterwards.
#pragma once

// Which records of the document file a tidied copy keeps.
struct TSeiriCut {
    int First = 0;       // records before this index are left out
    int BeforeYear = 0;  // documents created in a year before it (not 0) are left out; 0: none
    bool Keeps(int i, const char* record) const;
};

// Month changes the copy keeps at most: the scan cuts at the one that takes
// the count above it.
constexpr int Seiri_MonthChanges = 6000;

// The cut for a save of the first `count` documents of the open document
// file fd:
// - more than 30000 documents (TSeiriMode::Full): the month keys (creation
//   year and month, a blank read as "0") are compared in file order, the
//   first record counting as a change; the record of the 6001st change and
//   all before it are left out;
// - documents older than the keep-years threshold (TSeiriMode::Old): those
//   created before Seiri_Year are left out, those without a year kept;
// - otherwise nothing.
// A cut that would leave no document, or a file that cannot be read for it,
// cuts nothing: every document is copied, never an empty copy.
TSeiriCut Seiri_Cut(int fd, int count);
