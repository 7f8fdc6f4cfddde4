// The unit list "Data\Tanni.620": 100 records of 10 bytes (the unit, 6 bytes,
// then blanks and a line feed), held in memory as Tanni_List from start-up
// to exit. An entry whose first byte is a blank is free.
#pragma once

#include "store/MasterFields.h"
#include "store/Record.h"

constexpr int Tanni_RecLen = 10;
constexpr int Tanni_FieldCount = 2;
inline constexpr int Tanni_FieldWidth[Tanni_FieldCount] = {6, 2};
static_assert(Record_WidthSum(Tanni_FieldWidth, Tanni_FieldCount) == 8);
static_assert(TanniField_Spare == Tanni_FieldCount - 1);
constexpr int Tanni_Max = 100;

extern TRecordFile Tanni_File;
inline std::vector<int>& Tanni_FieldOffset = Tanni_File.FieldOffset;
inline std::vector<char>& Tanni_RecBuf = Tanni_File.RecBuf;
inline std::vector<char*>& Tanni_Field = Tanni_File.Field;
// Units in use: after loading, the index of the last entry in use + 1.
inline int& Tanni_Count = Tanni_File.Count;
inline int& Tanni_Fd = Tanni_File.Fd;

extern char Tanni_List[Tanni_Max][7];  // 6 bytes of unit text and a NUL

void Tanni_ClearRecord();
// Loads the list; a missing file is created with one blank record.
void Tanni_Load();
// Tanni_Count := the index of the last entry in use + 1 (0 when every entry
// is free), as the load counts them.
void Tanni_Recount();
// Whether the list in memory is the file's: read whole, or no file was
// there (nothing, or something no list was read from: a folder, a FIFO, a
// link to nowhere, which the exit's save then fails on and says so). False
// when a file stands there that could not be read (the exit then leaves it
// as it is).
extern bool Tanni_Loaded;
// Puts a unit (6 bytes, blank-filled) into the first free entry unless the
// list holds it already; with no free entry it replaces the last one.
// Memory only: the list is saved at exit.
void Tanni_Add(const char* unit);
// Writes the 100 entries into the existing unit file. Returns whether the
// file holds them (false also for a missing file).
bool Tanni_Save();
