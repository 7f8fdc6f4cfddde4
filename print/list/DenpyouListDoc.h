// Stored documents as the list reads them: only the fields it searches,
// shows and prints (the header up to the creation date, the total and the
// invoice issue date), into a buffer of its own. The document in the editor
// (Denpyou_RecBuf, Denpyou_Field) is never touched. The fields of every
// document are kept in memory from the first search on
// (store/DenpyouListFields.h), so that searches, pages and prints read no
// file while they are current.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "store/DenpyouFields.h"
#include "store/DenpyouListFields.h"

struct TListDoc {
    TListDoc() { Clear(); }
    // Field k (one of the fields named below) as its stored bytes; blanks
    // when the document was not read.
    std::string_view Field(DenpyouField k) const;
    char Kind() const { return Head[0]; }
    // Every field blank, as a document that could not be read.
    void Clear();

    // Fields 0 ... 10 (kind ... creation day) and 2218 ... 2222 (total,
    // honorific, invoice issue date), as they lie in the record.
    static constexpr int HeadFirst = DenpyouListFields_HeadFirst, HeadLast = DenpyouListFields_HeadLast;
    static constexpr int TailFirst = DenpyouListFields_TailFirst, TailLast = DenpyouListFields_TailLast;
    char Head[DenpyouListFields_HeadBytes];
    char Tail[DenpyouListFields_TailBytes];
};

// The document file, open for one search, page or print. A record beyond
// the end of the file, or one that cannot be read, reads blank; a cut-short
// last record reads as the bytes it has, the missing ones blank. Records are
// read from the fields kept in memory when those are current; a search
// (readAll) reads every record's fields into memory when they are not, a
// page or a print only the records it needs.
class TListFile {
public:
    explicit TListFile(bool readAll = false);
    ~TListFile();
    TListFile(const TListFile&) = delete;
    TListFile& operator=(const TListFile&) = delete;

    // Record n's fields into doc. Returns whether read.
    bool Read(int n, TListDoc& doc);
    // Records first ... last in turn, as Read reads them; visit returns false
    // to stop. A record that cannot be read is visited blank and the scan
    // goes on after it.
    void ScanHeads(int first, int last, const std::function<bool(int n, TListDoc& doc)>& visit);

private:
    // Only the tail fields of a record whose header is in doc; blank when
    // they cannot be read.
    bool ReadTail(int n, TListDoc& doc);
    bool ReadPiece(int n, int field, char* out, int bytes);
    bool Held(int n) const { return held_ && n >= 1 && n <= DenpyouListFields_Count(); }

    int fd_ = -1;
    std::int64_t size_ = 0;
    bool held_ = false;  // every record's fields are in memory
};

// The era year of a stored date (Western year and month fields) in exactly
// two cells and a NUL: "%2d" of the Heisei or Reiwa year, two blanks for a
// blank year or one whose era year would not fit in two cells.
void DenpyouList_EraYear(std::string_view year, std::string_view month, char out[3]);
