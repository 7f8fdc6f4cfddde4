// The customer file "Data\Kokyaku.620": records of 2000 bytes, 15 fields,
// kept in order of the reading (field 3) by the sort at exit. Customers stay
// in the file and are read record by record.
#pragma once

#include <initializer_list>
#include <utility>

#include "store/MasterFields.h"
#include "store/Record.h"

constexpr int Kokyaku_RecLen = 2000;
constexpr int Kokyaku_FieldCount = 15;
inline constexpr int Kokyaku_FieldWidth[Kokyaku_FieldCount] = {
    1,              //  0 not used
    40, 40,         //  1-2 name, two lines
    10,             //  3 reading, the sort key
    6,              //  4 honorific
    8, 8, 20, 40,   //  5 postal code, 6 prefecture, 7 city, 8 street
    40,             //  9 building
    14, 14, 14, 20, // 10 telephone, 11 mobile, 12 staff code, 13 staff name
    1723,           // 14 spare
};
static_assert(Record_WidthSum(Kokyaku_FieldWidth, Kokyaku_FieldCount) == 1998);
static_assert(KokyakuField_Spare == Kokyaku_FieldCount - 1);

extern TRecordFile Kokyaku_File;
inline std::vector<int>& Kokyaku_FieldOffset = Kokyaku_File.FieldOffset;
inline std::vector<char>& Kokyaku_RecBuf = Kokyaku_File.RecBuf;
inline std::vector<char*>& Kokyaku_Field = Kokyaku_File.Field;
inline int& Kokyaku_Count = Kokyaku_File.Count;
inline int& Kokyaku_Fd = Kokyaku_File.Fd;
extern int Kokyaku_CurRec;  // the record the customer screen works on

// The copy of the remaining customers that every deletion leaves.
constexpr const char* Kokyaku_ScratchName = "Data\\Kokyaku.del";

void Kokyaku_ClearRecord();
void Kokyaku_SplitRecord();
// Reads customer n into the buffer; false, the buffer as it was, when it
// cannot be read.
bool Kokyaku_ReadRecord(int n);
// Counts the customers (0 first); a missing file is created empty.
void Kokyaku_Open();
// The first customer whose two name lines (40 bytes each) equal name1 and
// name2, or 0. A customer found is left in the buffer and field strings;
// otherwise they, and Kokyaku_CurRec, are as before the call. Both lookups
// answer from an index of the names (store/KokyakuIndex.h), reading one
// record, with the same result as a scan of records 1 ... Kokyaku_Count.
int Kokyaku_FindByName(const char* name1, const char* name2);
// Leaves the customer with these names split in the field strings, or the
// field strings cleared when there is none (nothing changes when the file
// does not open).
void Kokyaku_LoadByName(const char* name1, const char* name2);
// Writes width bytes of text as field k of customer n (1 ... Kokyaku_Count).
// false when it was not written; the file is then as it was.
bool Kokyaku_WriteField(int n, int k, const char* text);
// Appends customer Kokyaku_Count + 1 holding the given fields, or nothing
// (Record_AppendFields, store/RecordEdit.h).
bool Kokyaku_Append(std::initializer_list<std::pair<int, const char*>> fields);
// Inserts a blank customer as customer n (1 ... Kokyaku_Count + 1), the ones
// from n on moved one place on (Record_InsertBlank, store/RecordEdit.h).
// Returns whether it was inserted; else file and count are as they were.
bool Kokyaku_InsertBlank(int n);
// Deletes customer n (1 ... Kokyaku_Count) through the scratch copy
// "Data\Kokyaku.del", which stays (Record_RemoveRecord, store/RecordEdit.h).
// Returns whether the customer was deleted; else file and count are as they were.
bool Kokyaku_RemoveRecord(int n);
// Puts the file in reading order (exit). false when it could not be read or
// written; it is then as it was.
bool Kokyaku_SortFile();
