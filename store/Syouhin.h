// The product file "Data\Syouhin.620": records of 300 bytes, 10 fields, kept
// in order of the reading (field 2) by the sort at exit. Field 8 holds the
// category membership: byte n - 1 is '1' when the product belongs to the
// category numbered n.
#pragma once

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

extern TRecordFile Syouhin_File;
inline std::vector<int>& Syouhin_FieldOffset = Syouhin_File.FieldOffset;
inline std::vector<char>& Syouhin_RecBuf = Syouhin_File.RecBuf;
inline std::vector<char*>& Syouhin_Field = Syouhin_File.Field;
inline int& Syouhin_Count = Syouhin_File.Count;
inline int& Syouhin_Fd = Syouhin_File.Fd;
extern int Syouhin_CurRec;  // the record the product screen works on

void Syouhin_ClearRecord();
void Syouhin_SplitRecord();
void Syouhin_ReadRecord(int n);
// Counts the products; a missing file is created empty.
void Syouhin_Open();
// Puts the file in reading order (exit).
void Syouhin_SortFile();
