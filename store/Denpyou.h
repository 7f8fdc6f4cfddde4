// The document file "Data\Denpyou.620": one record of 23000 bytes per
// document, 2225 fields: a header of 14 fields, 200 detail lines of 11 fields
// (110 bytes each, from byte 267) and a trailer of 11 fields (from byte
// 22267), then a line feed at byte 22999. Record n is the n-th document
// stored; a document's own number is its field 1.
#pragma once

#include <array>
#include <cstdint>

#include "store/DenpyouFields.h"
#include "store/Record.h"

constexpr int Denpyou_RecLen = 23000;
constexpr int Denpyou_FieldCount = 2225;
constexpr int Denpyou_HeaderFieldCount = 14;  // fields 0 ... 13
constexpr int Denpyou_LineFieldCount = 11;    // fields of one detail line
constexpr int Denpyou_LineMax = 200;          // detail lines of a document
constexpr int Denpyou_LineCount = Denpyou_LineMax;
constexpr int Denpyou_TrailerField = Denpyou_HeaderFieldCount + Denpyou_LineCount * Denpyou_LineFieldCount;  // 2214
// The field names cover the layout exactly.
static_assert(DenpyouField_FirstLine == Denpyou_HeaderFieldCount && DenpyouField_Trailer == Denpyou_TrailerField &&
              DenpyouField_Spare == Denpyou_FieldCount - 1 && LineField_Zei == Denpyou_LineFieldCount - 1);

// Widths of a detail line's fields: kind, description, list price, rate,
// quantity, unit, purchase price, purchase rate, actual unit price, amount,
// tax class.
inline constexpr int DenpyouLine_FieldWidth[Denpyou_LineFieldCount] = {1, 50, 9, 3, 6, 6, 9, 3, 9, 10, 4};

inline constexpr std::array<int, Denpyou_FieldCount> Denpyou_FieldWidth = [] {
    constexpr int header[Denpyou_HeaderFieldCount] = {
        1, 10,                   // kind, number
        40, 40, 40, 40, 40, 40,  // customer 2 lines, construction name 2 lines, site, remarks
        4, 2, 2,                 // creation date
        4, 2, 2,                 // validity date
    };
    constexpr int trailer[Denpyou_FieldCount - Denpyou_TrailerField] = {
        10, 9, 9, 9,  // not used
        10,           // document total
        6,            // honorific
        4, 2, 2,      // invoice issue date
        1,            // breakdown-statement title variant
        670,          // spare
    };
    std::array<int, Denpyou_FieldCount> w{};
    int k = 0;
    for (int h : header) w[k++] = h;
    for (int line = 0; line < Denpyou_LineCount; ++line)
        for (int f : DenpyouLine_FieldWidth) w[k++] = f;
    for (int t : trailer) w[k++] = t;
    return w;
}();
static_assert(Record_WidthSum(Denpyou_FieldWidth.data(), Denpyou_FieldCount) == Denpyou_RecLen - 1);

extern TRecordFile Denpyou_File;
inline std::vector<int>& Denpyou_FieldOffset = Denpyou_File.FieldOffset;
inline std::vector<char>& Denpyou_RecBuf = Denpyou_File.RecBuf;
inline std::vector<char*>& Denpyou_Field = Denpyou_File.Field;
inline int& Denpyou_Count = Denpyou_File.Count;  // documents stored
inline int& Denpyou_Fd = Denpyou_File.Fd;

// The detail lines seen from field 14 on: line L field j is entry 11 * L + j.
inline constexpr TFieldView Denpyou_LineField{&Denpyou_File.Field, Denpyou_HeaderFieldCount};
inline constexpr const int* Denpyou_LineWidth = Denpyou_FieldWidth.data() + Denpyou_HeaderFieldCount;
// Field j of detail line L.
inline char* Denpyou_LineFieldAt(int line, int j) { return Denpyou_LineField[Denpyou_LineFieldCount * line + j]; }

extern int Denpyou_CurRec;  // the document in the editor (Denpyou_Count + 1: a new one)
extern std::int64_t Denpyou_LastNo;  // the last document number issued
extern int Seiri_Year;      // documents created before this year call for a tidy-up
// Whether the documents call for a tidy-up, and why.
enum class TSeiriMode {
    None,  // nothing to tidy
    Old,   // documents created before Seiri_Year
    Full,  // more than Denpyou_SeiriCount documents
};
extern TSeiriMode Seiri_Mode;

constexpr int Denpyou_KeepYears = 40;    // the tidy-up threshold, whatever the settings say
constexpr int Denpyou_SeiriCount = 30000;
// JisyaField_Hozon (keep-years) := 40 in memory; Seiri_Year := this year
// - 40.
void Seiri_SetYear();

void Denpyou_ClearRecord();
void Denpyou_SplitRecord();
void Denpyou_JoinRecord();
void Denpyou_ReadRecord(int n);
// Writes the record buffer as record n of the existing file; false when the
// file does not open or the record was not written whole.
bool Denpyou_WriteRecord(int n);
// Counts the documents (creating a missing file empty), sets Seiri_Year and
// Seiri_Mode, clears the document buffers. The tidy-up notice that shows the
// mode is the data maintenance screen's (Seiri_ShowPanel), told by the
// caller.
void Denpyou_Open();
// The record holding the first document whose number equals the number in
// text, or 0. The buffer is left holding that record (or the last one).
int Denpyou_FindRecordByNo(const char* text);
// The copy of the documents kept by the last purge.
constexpr const char* Denpyou_ScratchName = "Data\\Denpyou.del";
// What the purge did: Done also when there was nothing to purge; otherwise
// the file is as it was, because it could not be read whole (NotRead) or
// the kept documents could not be written (NotWritten).
enum class TPurgeResult { Done, NotRead, NotWritten };
// Rewrites the document file without the documents of kind '0'; the kept
// ones also stay in "Data\Denpyou.del". Run only as the last work at exit.
TPurgeResult Denpyou_PurgeDeleted();
