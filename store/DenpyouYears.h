// The creation year of every stored document, kept from the last count of
// the document file and brought up to date by each write the editor makes
// to it, so that the tidy-up state after a store follows from memory instead
// of a scan of the file.
#pragma once

// Reads the creation year (DenpyouField_MakeYear) of records 1 ... Denpyou_Count and keeps
// them. Returns whether one of them is old: not 0 and before Seiri_Year. When
// not every year could be read the answer covers those that were, and the
// years are not kept.
bool DenpyouYears_Read();
// The years are no longer known: the next count reads the file again.
void DenpyouYears_Forget();
// Record n has just been written from Denpyou_RecBuf (a document stored,
// deleted or restored): its year is kept. Returns false, and forgets the
// years, when they did not match the file before that write (another write
// came between, or they were never read) or n is not a record of the file
// or the one after it.
bool DenpyouYears_Written(int n);
// The number of records whose years are kept (0 when not known).
int DenpyouYears_Count();
// Whether a kept year is old for Seiri_Year (0 is never old).
bool DenpyouYears_AnyOld();
