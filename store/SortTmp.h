// The document list's scratch file "Data\DenpyouSort.tmp": 15-byte lines
// (fields of 8 and 5 bytes) used to sort the list by date.
#pragma once

#include "store/Record.h"

constexpr int SortTmp_RecLen = 15;
constexpr int SortTmp_FieldCount = 2;
inline constexpr int SortTmp_FieldWidth[SortTmp_FieldCount] = {8, 5};

extern TRecordFile SortTmp_File;
inline std::vector<int>& SortTmp_FieldOffset = SortTmp_File.FieldOffset;
inline std::vector<char>& SortTmp_RecBuf = SortTmp_File.RecBuf;
inline std::vector<char*>& SortTmp_Field = SortTmp_File.Field;
inline int& SortTmp_Fd = SortTmp_File.Fd;
