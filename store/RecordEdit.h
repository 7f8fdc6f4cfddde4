// Whole records added to and taken out of a record file (the customer and
// product files), each change complete or not made at all.
#pragma once

#include <initializer_list>
#include <utility>

#include "store/Record.h"

// Appends record Count + 1, in one record write (journaled), as a blank
// record holding the given fields (field number and its width bytes of text,
// a NUL ending one early), and counts it. RecBuf is as it was afterwards.
// false when it was not written: the file is then cut back to its old size,
// and the count taken from the file's size again.
bool Record_AppendFields(TRecordFile& file, std::initializer_list<std::pair<int, const char*>> fields);

// Inserts a blank record (blanks, a line feed last) as record n
// (1 ... Count + 1): records n ... Count move one place on, in one journaled
// write of the blank record and those after it (on n = Count + 1 an append
// alone), and are counted. false when they could not all be read or the
// write failed: the file then holds what it held before, and the count
// follows the file.
bool Record_InsertBlank(TRecordFile& file, int n);

// Deletes record n (1 ... Count): every other record, in order, goes into
// the scratch copy scratchName (written under a temporary name and renamed);
// only once that copy is complete, its size checked, is the file rewritten
// from it, again through a temporary file and a rename. The copy stays,
// equal to the new file. The count goes down only when the new file is in
// place; on any failure the file and the count are as they were. Returns
// whether the record was deleted.
bool Record_RemoveRecord(TRecordFile& file, int n, const char* scratchName);
