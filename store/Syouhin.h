// The product file "Data\Syouhin.620": records of 300 bytes, 10 fields, kept
// in order of the reading (field 2) by the sort at exit. Field 8 holds the
// category membership: byte n - 1 is '1' when the product belongs to the
// category numbered n.
#pragma once

#include <initializer_list>
#include <utility>

#include "store/MasterFields.h"
#include "store/Record.h"

constexpr int Syouhin_RecLen = 300;
constexpr int Syouhin_FieldCount = 10;
inline constexpr int Syouhin_FieldWidth[Syouhin_FieldCount] = {
    1,      // 0 not used
    50,     // 1 product name
    10,     // 2 reading, the sort key
    9, 4,   // 3 base price, 4 tax class
    9, 9,   // 5 purchase price, 6 actual price
    6,      // 7 unit
    100,    // 8 category membership flags
    100,    // 9 not used
};
static_assert(Record_WidthSum(Syouhin_FieldWidth, Syouhin_FieldCount) == 298);
static_assert(SyouhinField_Spare == Syouhin_FieldCount - 1);

// The copy of the remaining products that every deletion leaves.
constexpr const char* Syouhin_ScratchName = "Data\\Syouhin.del";
constexpr int Syouhin_FlagCount = 100;  // the membership field: one byte per category number

extern TRecordFile Syouhin_File;
inline std::vector<int>& Syouhin_FieldOffset = Syouhin_File.FieldOffset;
inline std::vector<char>& Syouhin_RecBuf = Syouhin_File.RecBuf;
inline std::vector<char*>& Syouhin_Field = Syouhin_File.Field;
inline int& Syouhin_Count = Syouhin_File.Count;
inline int& Syouhin_Fd = Syouhin_File.Fd;
extern int Syouhin_CurRec;  // the record the product screen works on

void Syouhin_ClearRecord();
void Syouhin_SplitRecord();
// Reads product n into the buffer; false, the buffer as it was, when it
// cannot be read.
bool Syouhin_ReadRecord(int n);
// Counts the products; a missing file is created empty.
void Syouhin_Open();
// Reads field k of product n (1 ... Syouhin_Count) into dest, its width in
// bytes without a NUL; false, dest untouched, when it cannot be read.
bool Syouhin_ReadField(int n, int k, char* dest);
// Writes width bytes of text as field k of product n (1 ... Syouhin_Count).
// false when it was not written; the file is then as it was.
bool Syouhin_WriteField(int n, int k, const char* text);
// Appends product Syouhin_Count + 1 holding the given fields, or nothing
// (Record_AppendFields, store/RecordEdit.h).
bool Syouhin_Append(std::initializer_list<std::pair<int, const char*>> fields);
// Inserts a blank product as product n (1 ... Syouhin_Count + 1), the ones
// from n on moved one place on (Record_InsertBlank, store/RecordEdit.h).
// Returns whether it was inserted; else file and count are as they were.
bool Syouhin_InsertBlank(int n);
// Deletes product n (1 ... Syouhin_Count) through the scratch copy
// "Data\Syouhin.del", which stays (Record_RemoveRecord, store/RecordEdit.h).
// Returns whether the product was deleted; else file and count are as they were.
bool Syouhin_RemoveRecord(int n);
// Takes every product out of the category numbered number (1 ... 100): its
// flag byte becomes a blank wherever it is set, the file rewritten once
// through a scratch file and a rename, and only when a product held it.
// false when the file could not be read or written; it is then as it was.
bool Syouhin_ClearFlag(int number);
// Puts the file in reading order (exit). false when it could not be read or
// written; it is then as it was.
bool Syouhin_SortFile();
