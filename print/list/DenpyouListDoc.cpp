#include "print/list/DenpyouListDoc.h"

#include <cstdio>
#include <cstring>

#include "app/Today.h"
#include "platform/File.h"
#include "store/Denpyou.h"
#include "store/Str.h"

namespace {

int OffsetOf(int field) { return Denpyou_FieldOffset[static_cast<size_t>(field)]; }

}  // namespace

static_assert(sizeof TListDoc::Head == 1 + 10 + 6 * 40 + 4 + 2 + 2);
static_assert(sizeof TListDoc::Tail == 10 + 6 + 4 + 2 + 2);

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

TListFile::TListFile() {
    fd_ = File_OpenRead(Denpyou_File.FileName);
    if (fd_ >= 0) size_ = File_Size(fd_);
}

TListFile::~TListFile() {
    if (fd_ >= 0) File_Close(fd_);
}

bool TListFile::Whole(int n) const {
    return fd_ >= 0 && n >= 1 && Record_Offset(Denpyou_File, n) + Denpyou_RecLen <= size_;
}

bool TListFile::ReadAt(int n, int field, char* out, int bytes) {
    const std::int64_t at = Record_Offset(Denpyou_File, n) + OffsetOf(field);
    return File_Seek(fd_, at) == at && File_Read(fd_, out, bytes) == bytes;
}

bool TListFile::ReadHead(int n, TListDoc& doc) {
    doc.Clear();
    if (Whole(n) && ReadAt(n, TListDoc::HeadFirst, doc.Head, sizeof doc.Head)) return true;
    doc.Clear();
    return false;
}

bool TListFile::ReadTail(int n, TListDoc& doc) {
    if (Whole(n) && ReadAt(n, TListDoc::TailFirst, doc.Tail, sizeof doc.Tail)) return true;
    std::memset(doc.Tail, ' ', sizeof doc.Tail);
    return false;
}

bool TListFile::Read(int n, TListDoc& doc) {
    if (ReadHead(n, doc) && ReadTail(n, doc)) return true;
    doc.Clear();
    return false;
}

int TListFile::WillScan(int first, int last) {
    constexpr int Ahead = 1024;
    const int until = last - first < Ahead ? last : first + Ahead - 1;
    if (fd_ >= 0)
        for (int n = first; n <= until; ++n)
            File_WillNeed(fd_, Record_Offset(Denpyou_File, n) + OffsetOf(TListDoc::HeadFirst), sizeof TListDoc::Head);
    return until;
}

void DenpyouList_EraYear(std::string_view year, std::string_view month, char out[3]) {
    const std::string y(year), m(month);
    const int value = Str_ToInt(y.c_str());
    char text[16];
    std::snprintf(text, sizeof text, "%2d", Wareki_Year(value, Str_ToInt(m.c_str())));
    if (value == 0 || std::strlen(text) != 2) std::strcpy(text, "  ");
    std::memcpy(out, text, 3);
}
