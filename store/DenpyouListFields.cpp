#include "store/DenpyouListFields.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "platform/File.h"
#include "store/Denpyou.h"

namespace {

struct TListFields {
    bool Kept = false;  // read whole and matching the file as it was then
    TFileMark Mark;     // the file's when they matched it
    int Count = 0;
    std::vector<char> Heads, Tails;  // record n's at (n - 1) x their bytes
};
TListFields Fields;

int OffsetOf(int field) { return Denpyou_FieldOffset[static_cast<size_t>(field)]; }

char* HeadOf(int n) { return Fields.Heads.data() + static_cast<std::ptrdiff_t>(n - 1) * DenpyouListFields_HeadBytes; }
char* TailOf(int n) { return Fields.Tails.data() + static_cast<std::ptrdiff_t>(n - 1) * DenpyouListFields_TailBytes; }

// The piece of `width` bytes at `offset` within each of records 1 ... count
// into out (record n's at (n - 1) x width, blanks before). Pieces that lie
// whole in the file are read many at a time; one that cannot be read stays
// blank and the reading goes on after it. The last record's piece may lie
// partly or wholly beyond the end: it reads as the bytes the file has.
// Returns whether every piece the file holds was read.
bool ReadPieces(int fd, std::int64_t size, int count, int offset, int width, char* out) {
    bool whole = true;
    const std::int64_t inFile = size < offset + width ? 0 : (size - offset - width) / Denpyou_RecLen + 1;
    const int wholePieces = static_cast<int>(std::min<std::int64_t>(inFile, count));
    for (int n = 1; n <= wholePieces;) {
        const int want = wholePieces - n + 1;
        char* at = out + static_cast<std::ptrdiff_t>(n - 1) * width;
        const int got = File_ReadPieces(fd, Record_Offset(Denpyou_File, n) + offset, Denpyou_RecLen, want, width, at);
        if (got == want) break;
        std::memset(at + static_cast<std::ptrdiff_t>(got) * width, ' ', static_cast<size_t>(width));
        whole = false;
        n += got + 1;
    }
    for (int n = wholePieces + 1; n <= count; ++n) {
        const std::int64_t from = Record_Offset(Denpyou_File, n) + offset;
        const std::int64_t held = std::clamp<std::int64_t>(size - from, 0, width);
        char* piece = out + static_cast<std::ptrdiff_t>(n - 1) * width;
        if (held > 0 && (File_Seek(fd, from) != from || File_Read(fd, piece, held) != held)) {
            std::memset(piece, ' ', static_cast<size_t>(width));
            whole = false;
        }
    }
    return whole;
}

}  // namespace

bool DenpyouListFields_Current(int fd) {
    return Fields.Kept && Fields.Mark == Record_Mark(Denpyou_File, File_Stamp(fd));
}

bool DenpyouListFields_Read(int fd) {
    DenpyouListFields_Forget();
    // The stamp is taken before the reading: a change meanwhile makes the
    // next use read again.
    const TFileStamp stamp = File_Stamp(fd);
    if (stamp.Size < 0) return false;
    TListFields read;
    read.Count = Record_RecordsOf(stamp.Size, Denpyou_RecLen);
    read.Heads.assign(static_cast<size_t>(read.Count) * DenpyouListFields_HeadBytes, ' ');
    read.Tails.assign(static_cast<size_t>(read.Count) * DenpyouListFields_TailBytes, ' ');
    bool whole = ReadPieces(fd, stamp.Size, read.Count, OffsetOf(DenpyouListFields_HeadFirst),
                            DenpyouListFields_HeadBytes, read.Heads.data());
    whole = ReadPieces(fd, stamp.Size, read.Count, OffsetOf(DenpyouListFields_TailFirst), DenpyouListFields_TailBytes,
                       read.Tails.data()) &&
            whole;
    read.Kept = whole;
    read.Mark = Record_Mark(Denpyou_File, stamp);
    Fields = std::move(read);
    return whole;
}

int DenpyouListFields_Count() { return Fields.Count; }

const char* DenpyouListFields_Head(int n) { return HeadOf(n); }
const char* DenpyouListFields_Tail(int n) { return TailOf(n); }

void DenpyouListFields_Written(int n) {
    if (!Fields.Kept) return;
    // One write since they matched the file (or none, when the write found
    // the bytes there already), and to one of its records or the next.
    const std::uint64_t writes = Denpyou_File.Generation - Fields.Mark.Generation;
    const std::string path = Platform_HostPath(Denpyou_File.FileName);
    if (writes > 1 || path != Fields.Mark.Path || n < 1 || n > Fields.Count + 1) {
        DenpyouListFields_Forget();
        return;
    }
    const int fd = File_OpenRead(Denpyou_File.FileName);
    const TFileStamp stamp = File_Stamp(fd);
    File_Close(fd);
    if (stamp.Size < 0 || Record_RecordsOf(stamp.Size, Denpyou_RecLen) != std::max(n, Fields.Count)) {
        DenpyouListFields_Forget();
        return;
    }
    if (n > Fields.Count) {
        Fields.Count = n;
        Fields.Heads.resize(static_cast<size_t>(n) * DenpyouListFields_HeadBytes);
        Fields.Tails.resize(static_cast<size_t>(n) * DenpyouListFields_TailBytes);
    }
    const char* record = Denpyou_RecBuf.data();
    std::memcpy(HeadOf(n), record + OffsetOf(DenpyouListFields_HeadFirst), DenpyouListFields_HeadBytes);
    std::memcpy(TailOf(n), record + OffsetOf(DenpyouListFields_TailFirst), DenpyouListFields_TailBytes);
    Fields.Mark = Record_Mark(Denpyou_File, stamp);
}

void DenpyouListFields_Forget() { Fields = {}; }
