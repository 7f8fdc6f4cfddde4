// The own-company record "Data\Jisya.620": one record of 1000 bytes, 58
// fields, holding the company's details and the program's settings. It lives
// in its field strings from start-up to exit; fields are written through to
// the file one by one as they are edited.
#pragma once

#include "store/MasterFields.h"
#include "store/Record.h"

constexpr int Jisya_RecLen = 1000;
constexpr int Jisya_FieldCount = 58;
inline constexpr int Jisya_FieldWidth[Jisya_FieldCount] = {
    40, 40, 8, 8, 20, 40, 20, 10, 14, 14,  //  0 PR line ... 9 fax
    14, 1, 2, 10, 54, 60, 54, 60, 54, 60,  // 10 mobile, 11 rounding, 12 keep-years, 13 last number, 14-19 bank
    2, 2, 2, 2, 1, 1, 2, 40, 20, 20,       // 20-23 unused, 24-25 print flags, 26 tax rate, 27-29 unused
    20, 1, 1, 2, 2, 8, 8, 20, 20, 1,       // 30 unused, 31-32 flags, 33-34 margins, 35-38 captions, 39 flag
    1, 1, 1, 20, 20, 20, 20, 20, 20, 1,    // 40 unused, 41-42 settings, 43-48 special-line captions, 49 order
    1, 1, 1, 1, 1, 1, 1, 109,              // 50-56 order, 57 spare
};
static_assert(Record_WidthSum(Jisya_FieldWidth, Jisya_FieldCount) == 998);
static_assert(JisyaField_Spare == Jisya_FieldCount - 1);

extern TRecordFile Jisya_File;
inline std::vector<int>& Jisya_FieldOffset = Jisya_File.FieldOffset;
inline std::vector<char>& Jisya_RecBuf = Jisya_File.RecBuf;
inline std::vector<char*>& Jisya_Field = Jisya_File.Field;
inline int& Jisya_Count = Jisya_File.Count;  // records in the file (size / 1000)
inline int& Jisya_Fd = Jisya_File.Fd;

void Jisya_ClearRecord();
void Jisya_SplitRecord();
void Jisya_JoinRecord();
bool Jisya_ReadRecord(int n = 1);
bool Jisya_WriteRecord(int n = 1);
// Writes field k of the record straight into the file (text: at least the
// field's width; the field string in memory is the caller's to update).
// false when it was not written: the file then holds what it held.
bool Jisya_WriteField(JisyaField k, const char* text);
// Loads the record, creating the file with one blank record when missing.
// True when the file was there to read (the own-company screen is then
// filled from it: Jisya_Show); false for a file created now or one that
// could not be opened.
bool Jisya_Load();
// Whether the record in memory is the file's: read from it, or no file was
// there. False when a file stands there that could not be read: the record
// in memory then is not its contents, so the exit does not write it over
// the file, and no new document is numbered (the last number is unknown).
extern bool Jisya_Loaded;
