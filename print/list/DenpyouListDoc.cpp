#include "print/list/DenpyouListDoc.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/File.h"
#include "store/Denpyou.h"
#include "store/Str.h"
#include "store/Today.h"

namespace {

int OffsetOf(int field) { return Denpyou_FieldOffset[static_cast<size_t>(field)]; }

}  // namespace


std::string_view TListDoc::Field(DenpyouField k) const {
    const int width = Denpyou_FieldWidth[static_cast<size_t>(k)];
    if (k >= HeadFirst && k <= HeadLast) return {Head + OffsetOf(k) - OffsetOf(HeadFirst), static_cast<size_t>(width)};
    if (k >= TailFirst && k <= TailLast) return {Tail + OffsetOf(k) - OffsetOf(TailFirst), static_cast<size_t>(width)};
    return {};
}

void TListDoc::Clear() {
    std::memset(Head, ' ', sizeof Head);
    std::memset(Tail, ' ', sizeof Tail);
}

TListFile::TListFile(bool readAll) {
    fd_ = Record_OpenRead(Denpyou_File);
    if (fd_ < 0) return;
    size_ = std::max<std::int64_t>(File_Size(fd_), 0);
    held_ = DenpyouListFields_Current(fd_);
    if (!held_ && readAll) {
        // Held for this search even when some records could not be read
        // (they are blank); only a whole reading is kept for the next.
        DenpyouListFields_Read(fd_);
        held_ = true;
    }
}

TListFile::~TListFile() {
    if (fd_ >= 0) File_Close(fd_);
}

// A cut-short last record reads as the bytes it has, the missing ones blank,
// as the record files read it; a record wholly beyond the end is not read.
bool TListFile::ReadPiece(int n, int field, char* out, int bytes) {
    if (fd_ < 0 || n < 1 || Record_Offset(Denpyou_File, n) >= size_) return false;
    const std::int64_t at = Record_Offset(Denpyou_File, n) + OffsetOf(field);
    const int held = static_cast<int>(std::clamp<std::int64_t>(size_ - at, 0, bytes));
    std::memset(out + held, ' ', static_cast<size_t>(bytes - held));
    return held == 0 || File_ReadPieces(fd_, at, 0, 1, held, out) == 1;
}

bool TListFile::ReadTail(int n, TListDoc& doc) {
    if (Held(n)) {
        std::memcpy(doc.Tail, DenpyouListFields_Tail(n), sizeof doc.Tail);
        return true;
    }
    if (held_) {
        std::memset(doc.Tail, ' ', sizeof doc.Tail);
        return false;
    }
    if (ReadPiece(n, TListDoc::TailFirst, doc.Tail, sizeof doc.Tail)) return true;
    std::memset(doc.Tail, ' ', sizeof doc.Tail);
    return false;
}

bool TListFile::Read(int n, TListDoc& doc) {
    if (Held(n)) {
        std::memcpy(doc.Head, DenpyouListFields_Head(n), sizeof doc.Head);
        return ReadTail(n, doc);
    }
    if (!held_ && ReadPiece(n, TListDoc::HeadFirst, doc.Head, sizeof doc.Head) && ReadTail(n, doc)) return true;
    doc.Clear();
    return false;
}

void TListFile::ScanHeads(int first, int last, const std::function<bool(int n, TListDoc& doc)>& visit) {
    TListDoc doc;
    for (int n = std::max(first, 1); n <= last; ++n) {
        Read(n, doc);
        if (!visit(n, doc)) return;
    }
}

void DenpyouList_EraYear(std::string_view year, std::string_view month, char out[3]) {
    const std::string y(year), m(month);
    const int value = Str_ToInt(y.c_str());
    char text[16];
    std::snprintf(text, sizeof text, "%2d", Wareki_Year(value, Str_ToInt(m.c_str())));
    if (value == 0 || std::strlen(text) != 2) std::strcpy(text, "  ");
    std::memcpy(out, text, 3);
}
