// Record files: fixed-length records of blank-filled fields laid end to end,
// a line feed as the last byte, record n (from 1) at (n - 1) x record length.
// Every file has the same set of tables; TRecordFile holds them and the
// per-file names (Denpyou_Count, Kokyaku_Field, ...) refer into it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/File.h"

struct TRecordFile {
    const char* FileName;      // "Data\\Denpyou.620"
    int RecLen;
    int FieldCount;
    const int* FieldWidth;     // FieldCount widths
    std::vector<int> FieldOffset;
    std::vector<char> RecBuf;  // RecLen bytes
    std::vector<char*> Field;  // FieldCount buffers of width + 1 bytes
    int Count = 0;
    int Fd = -1;
    std::vector<char> arena;   // storage of the field strings
    // Goes up with every write this program makes to the file through these
    // tables (records, fields, creation, rewrites), so that what is cached
    // about the file's contents knows when to be rebuilt.
    std::uint64_t Generation = 0;
};

// A file's tables, with its offsets and field strings already allocated and
// cleared, so that they can be used before start-up prepares them.
TRecordFile Record_Define(const char* fileName, int recLen, int fieldCount, const int* fieldWidth);
// Prepares offsets and field strings once, then clears (start-up). The field
// strings are allocated only the first time, so pointers to them stay valid.
void Record_Prepare(TRecordFile& file);
// RecBuf := blanks and a final line feed; every field := its width of blanks.
void Record_Clear(TRecordFile& file);
// Field strings := the fields of RecBuf (a NUL in the record ends the field).
void Record_Split(TRecordFile& file);
// RecBuf := the field strings; a field string's first NUL and everything
// after it up to its width become blanks, so no NUL or stale tail reaches
// the record.
void Record_Join(TRecordFile& file);
// A file's last record may be cut short (by a copy or another editor): it
// still counts as a record, and reads as the bytes it has with the missing
// ones blanks and a line feed as its last byte. The first write of that
// record, or of one after it, completes it on disk.
//
// Reads record n (1-based) into RecBuf. A record wholly beyond the end, or a
// file that does not open, leaves RecBuf as it was. Returns whether read.
bool Record_Read(TRecordFile& file, int n);
// Writes RecBuf as record n of the existing file, journaled (store/Journal.h)
// and flushed to the disk. Returns false when the file does not open or the
// whole record could not be written; the file then holds what it held before
// (Record_WriteField likewise): the bytes written over go back and an append
// is cut back to the old size, at once or, when that fails too, before the
// file is next opened (also after the process was killed in the middle).
// A record the file already holds byte for byte is not written again.
bool Record_Write(TRecordFile& file, int n);
// Moves records n ... Count (1 <= n <= Count) of the existing file one place
// on and writes a blank record (blanks, a line feed last) as record n, in one
// write journaled as Record_Write is: the file ends up holding either all of
// them or what it held before. The records moved are read once; false, with
// nothing written, when the file does not hold them all (a cut-short last
// one is completed) or they cannot be read.
bool Record_MoveOn(TRecordFile& file, int n);
// The records in a file of size bytes, a cut-short last one counted (none
// in an empty file; at most INT_MAX).
int Record_RecordsOf(std::int64_t size, int recLen);
// Count := file size / record length, rounded up; a missing file is created
// empty. A file that exists but does not open is left alone and the count
// stays.
void Record_Count(TRecordFile& file);
// Sum of a width table (for checking a layout at compile time).
constexpr int Record_WidthSum(const int* widths, int n) {
    int sum = 0;
    for (int i = 0; i < n; ++i) sum += widths[i];
    return sum;
}
// Count as Record_Count, creating a missing file with the given bytes instead
// of empty. Returns whether the file opened.
bool Record_CountOrCreate(TRecordFile& file, const void* data, std::int64_t size);
// Byte offset of record n.
inline std::int64_t Record_Offset(const TRecordFile& file, int n) {
    return static_cast<std::int64_t>(n - 1) * file.RecLen;
}
// Opens the file for reading, once a journal still pending for it has been
// rolled back (-1: it does not open, or the roll-back cannot be done yet).
int Record_OpenRead(const TRecordFile& file);
// Reads record n of the open file into record (RecLen bytes), a cut-short
// last record completed as Record_Read completes it. false, with record
// changed or not, when the record lies wholly beyond the end or cannot be read.
bool Record_ReadFrom(int fd, const TRecordFile& file, int n, char* record);

// Writes width bytes of text as field k of record n of the existing file; a
// NUL in the text and everything after it are written as blanks. Returns
// false when the file does not open or the field was not written whole. A
// field the file already holds byte for byte (in a whole record) costs no
// write: no journal, no flush.
bool Record_WriteField(TRecordFile& file, int n, int k, const char* text);
// Creates the missing file with the given bytes. A file that exists (even
// one that cannot be read) is never touched. Returns whether it was created
// and written whole.
bool Record_CreateMissing(const char* path, const void* data, std::int64_t size);

// Reads records first ... last (1-based, cut to the records the file holds,
// a cut-short last one completed) in large blocks and hands each to
// visit(record bytes, n); visit returns false to stop. Returns false when the
// file does not open or a read fails part way (the records before it have
// been visited).
bool Record_Scan(TRecordFile& file, int first, int last,
                 const std::function<bool(const char* record, int n)>& visit);
// Like Record_Scan, but reads only the width bytes of field k of each record
// (what a cut-short last record lacks of it reads as blanks).
bool Record_ScanField(TRecordFile& file, int k, int first, int last,
                      const std::function<bool(const char* field, int n)>& visit);
// The piece of width bytes at offset within each of records first ... last
// (1-based) of the open file fd, laid out as file, handed to visit(piece, n)
// until it returns false. The pieces are read in batches that grow, so that
// a scan that stops early reads little more than it looks at. Returns false
// when a batch came short (a read failed or ran past the end), once the
// pieces read whole before the short one have been visited, even when visit
// stopped among them.
bool Record_ScanPieces(int fd, const TRecordFile& file, int offset, int width, int first, int last,
                       const std::function<bool(const char* piece, int n)>& visit);
// Reads the whole of a record file into image (false when it does not open
// or cannot be read whole), its cut-short last record completed.
bool Record_ReadImage(const TRecordFile& file, std::vector<char>& image);

// A whole-file rewrite: the new contents go to a scratch file beside the old
// one ("Data\Kokyaku.620.new"), which replaces the old file only once it is
// complete and on disk. Anything that fails leaves the old file as it was and
// removes the scratch file. Record_BeginRewrite returns the scratch file's
// handle (-1: not created); Record_EndRewrite closes it and, when ok, renames
// it over path; it returns whether path now holds the new contents.
std::string Record_ScratchPath(const char* path);
int Record_BeginRewrite(const char* path);
bool Record_EndRewrite(int fd, const char* path, bool ok);
// The same for contents already in memory.
bool Record_RewriteFile(const char* path, const void* data, std::int64_t size);
// A save of data held only in memory (units, categories): rewritten as
// Record_RewriteFile does; when that cannot be done (the folder takes no new
// file, the disk has no room for a second copy), the contents are written
// over the existing file in place, as a record-by-record save would;
// contents shorter than the file are never written so. That write is
// journaled like a write over stored records, and not made at all when no
// journal can be made, so one that fails leaves the old contents. Returns
// whether the file holds the new contents.
bool Record_SaveFile(const char* path, const void* data, std::int64_t size);

// What a copy of a file's contents kept in memory was taken from: the host
// path (the program folder may change), the file's stamp (a change from
// outside) and its Generation (a write through its tables). The copy is
// current while the file's mark taken now equals it.
struct TFileMark {
    std::string Path;
    TFileStamp Stamp;
    std::uint64_t Generation = 0;
    bool operator==(const TFileMark&) const = default;
};
// The mark of file as it is now, stamp being the stamp of the file open.
TFileMark Record_Mark(const TRecordFile& file, const TFileStamp& stamp);

// The field strings of a run of fields seen as a table of its own, e.g. the
// detail lines of a document from field 14 on: view[i] is field base + i.
struct TFieldView {
    std::vector<char*>* Fields;
    int Base;
    char*& operator[](int i) const { return (*Fields)[static_cast<size_t>(Base + i)]; }
};
