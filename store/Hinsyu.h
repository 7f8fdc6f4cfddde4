// The category list "Data\Hinsyu.620": always 100 records of 100 bytes
// (name 40, reading 10, number "%3d"), held in memory as Hinsyu_Name,
// Hinsyu_Kana and Hinsyu_No in file order. An entry whose name starts with a
// blank is not in use. The number is a category's identity: category n is
// flag byte n - 1 of a product's membership field.
#pragma once

#include "store/MasterFields.h"
#include "store/Record.h"

constexpr int Hinsyu_RecLen = 100;
constexpr int Hinsyu_FieldCount = 5;
inline constexpr int Hinsyu_FieldWidth[Hinsyu_FieldCount] = {1, 40, 10, 3, 44};
static_assert(Record_WidthSum(Hinsyu_FieldWidth, Hinsyu_FieldCount) == 98);
static_assert(HinsyuField_Spare == Hinsyu_FieldCount - 1);
constexpr int Hinsyu_Max = 100;

extern TRecordFile Hinsyu_File;
inline std::vector<int>& Hinsyu_FieldOffset = Hinsyu_File.FieldOffset;
inline std::vector<char>& Hinsyu_RecBuf = Hinsyu_File.RecBuf;
inline std::vector<char*>& Hinsyu_Field = Hinsyu_File.Field;
// Entries before the first entry whose name starts with a blank.
inline int& Hinsyu_Count = Hinsyu_File.Count;
inline int& Hinsyu_Fd = Hinsyu_File.Fd;

extern char Hinsyu_Name[Hinsyu_Max][41];
extern char Hinsyu_Kana[Hinsyu_Max][11];
extern char Hinsyu_No[Hinsyu_Max][4];

void Hinsyu_ClearRecord();
void Hinsyu_SplitRecord();
void Hinsyu_JoinRecord();
// Every name := 40 blanks, every reading := 10 blanks (start-up, before
// Hinsyu_Load).
void Hinsyu_ClearList();
// Loads the list; a missing file is created with 100 numbered records. A
// blank or 0 number, or one that an earlier entry holds already, becomes the
// entry's position number (or, when that is taken, the smallest free
// number), so that no two entries share a number. A number outside
// 1 ... 100 stays as the file holds it (a damaged entry, which names no
// category: Hinsyu_Number), and the save writes it back so.
void Hinsyu_Load();
// Whether the list in memory is the file's: read whole, or no file was
// there (nothing, or something no list was read from: a folder, a FIFO, a
// link to nowhere, which the exit's save then fails on and says so). False
// when a file stands there that could not be read (the exit then leaves it
// as it is).
extern bool Hinsyu_Loaded;
// Recounts Hinsyu_Count (the category screen shows it: Hinsyu_ShowCount).
void Hinsyu_Recount();
// The number of entry e (0 ... 99) when it is one of 1 ... 100, else 0 (a
// damaged number, never a flag byte's index).
int Hinsyu_Number(int e);
// Whether entry e is named (its name does not start with a blank).
bool Hinsyu_Named(int e);
// The first entry, in list order, that holds the number; -1 when none does.
int Hinsyu_EntryOfNumber(int number);
// The first named entry whose name (40 bytes) is name filled out with
// blanks; -1 when none is.
int Hinsyu_FindNamed(const char* name);
// Takes entry p out of the list: the entries after it move up one place,
// and the last entry becomes an empty one that keeps p's number, so that
// the numbers stay each in the list once.
void Hinsyu_RemoveEntry(int p);
// Puts an empty entry at p: the entries from p on move down one place and
// the last one drops off the list; the new entry takes the smallest number
// no other entry holds (the dropped entry's, unless that was damaged), so
// that the numbers stay each in the list once. Nothing when the last entry
// is named (a category would go, and its number with its products to the
// new entry): false then.
bool Hinsyu_InsertEntry(int p);
// Writes the list into the existing file; fields 0 and 4 keep what it held.
// Returns whether the file holds the list (false also for a missing file).
bool Hinsyu_Save();
// Sorts the leading entries that have a reading (up to the first blank
// reading) by reading: the entries in memory (name, reading and number
// together) and the records in the file. false when the file could not be
// read or written; file and entries are then as they were.
bool Hinsyu_SortFile();
