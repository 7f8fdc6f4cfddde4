// The record-file scheme shared by every data file. Each operation opens the
// file, does its one job and closes it again.
#include "store/Record.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/File.h"
#include "store/Journal.h"
#include "store/Str.h"
#include "store/WholeFile.h"

namespace {

// Scans read about this many bytes at a time.
constexpr std::int64_t ScanBlockBytes = 1 << 20;
// Field scans of long records read the first this many records' pieces at
// once, then twice as many each time up to the most.
constexpr int ScanFirstPieces = 16, ScanMostPieces = 4096;

// width bytes of text into out, blank from the first NUL on.
void CopyField(char* out, const char* text, int width) {
    int len = static_cast<int>(strnlen(text, static_cast<size_t>(width)));
    std::memcpy(out, text, static_cast<size_t>(len));
    std::memset(out + len, ' ', static_cast<size_t>(width - len));
}

// A record of which only the first `held` bytes were in the file: the rest
// become blanks, and the last byte the line feed.
void CompleteRecord(char* record, std::int64_t held, int recLen) {
    if (held >= recLen) return;
    std::memset(record + held, ' ', static_cast<size_t>(recLen - held));
    record[recLen - 1] = '\n';
}

// Writes what records hold between from and to (blanks, a line feed at each
// record's end) into the open file: it completes a cut-short last record and
// fills any gap before a write further on, so that the file never gets a
// hole of zero bytes.
bool FillRecords(int fd, std::int64_t from, std::int64_t to, int recLen) {
    if (from >= to) return true;
    if (File_Seek(fd, from) != from) return false;
    std::vector<char> block;
    while (from < to) {
        const std::int64_t n = std::min<std::int64_t>(to - from, ScanBlockBytes);
        block.assign(static_cast<size_t>(n), ' ');
        for (std::int64_t at = from; at < from + n; ++at)
            if ((at + 1) % recLen == 0) block[static_cast<size_t>(at - from)] = '\n';
        if (File_Write(fd, block.data(), n) != n) return false;
        from += n;
    }
    return true;
}

// The bytes [at, at + length) that the open file of size bytes holds into
// held (fewer at its end, none beyond it). false when they cannot be read.
bool ReadHeld(int fd, std::int64_t size, std::int64_t at, std::int64_t length, std::vector<char>& held) {
    held.resize(static_cast<size_t>(std::clamp<std::int64_t>(size - at, 0, length)));
    const auto n = static_cast<std::int64_t>(held.size());
    return n == 0 || (File_Seek(fd, at) == at && File_Read(fd, held.data(), n) == n);
}

// Writes len bytes at `at` into the open file fd (path) of size bytes, the
// gap before them and the rest up to `end` (at most) filled as records are
// (fill: the record length; 0 for no fill), under a journal of what it
// overwrites. Whatever fails, the file is left as it was: the kept bytes are
// put back and anything added is cut off. Returns whether the new bytes
// stand, on disk.
bool JournaledWrite(const char* path, int fd, std::int64_t size, std::int64_t at, const char* bytes,
                    std::int64_t len, std::int64_t end, int fill, const std::vector<char>& old) {
    if (!Journal_Keep(path, fd, at, old.data(), static_cast<std::int64_t>(old.size()), std::max(at + len, end)))
        return false;
    bool ok = (fill == 0 || FillRecords(fd, size, at, fill)) && File_Seek(fd, at) == at &&
              File_Write(fd, bytes, len) == len &&
              (fill == 0 || FillRecords(fd, std::max(size, at + len), end, fill)) && File_Sync(fd);
    if (ok) return Journal_Drop(path, fd);
    Journal_PutBack(path, fd);
    return false;
}

// Writes len bytes at byte `within` of record n of the existing file (on
// into the records after it when they run past its end), journaled, a
// cut-short last record at or before n completed. Bytes equal to what the
// file holds already are not written again: nothing reaches the disk then.
bool WriteInRecord(TRecordFile& file, int n, int within, const char* bytes, std::int64_t len) {
    if (n < 1 || !Journal_Settle(file.FileName)) return false;
    file.Fd = File_OpenReadWrite(file.FileName);
    if (file.Fd < 0) return false;
    ++file.Generation;
    const int fd = file.Fd;
    const std::int64_t size = File_Size(fd);
    const std::int64_t at = Record_Offset(file, n) + within,
                       end = Record_Offset(file, n) + std::max<std::int64_t>(file.RecLen, within + len);
    std::vector<char> old;
    bool ok = size >= 0 && ReadHeld(fd, size, at, len, old);
    const bool same = ok && end <= size && std::memcmp(old.data(), bytes, static_cast<size_t>(len)) == 0;
    if (ok && !same) ok = JournaledWrite(file.FileName, fd, size, at, bytes, len, end, file.RecLen, old);
    ok = File_Close(fd) && ok;
    file.Fd = -1;
    return ok;
}

}  // namespace

int Record_RecordsOf(std::int64_t size, int recLen) {
    if (size <= 0) return 0;
    std::int64_t n = (size + recLen - 1) / recLen;
    return n > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(n);
}

TFileMark Record_Mark(const TRecordFile& file, const TFileStamp& stamp) {
    return {Platform_HostPath(file.FileName), stamp, file.Generation};
}

TRecordFile Record_Define(const char* fileName, int recLen, int fieldCount, const int* fieldWidth) {
    TRecordFile file;
    file.FileName = fileName;
    file.RecLen = recLen;
    file.FieldCount = fieldCount;
    file.FieldWidth = fieldWidth;
    Record_Prepare(file);
    return file;
}

void Record_Prepare(TRecordFile& file) {
    if (file.Field.empty()) {
        file.FieldOffset.assign(static_cast<size_t>(file.FieldCount), 0);
        size_t arenaSize = 0;
        for (int i = 0; i < file.FieldCount; ++i) {
            if (i > 0) file.FieldOffset[i] = file.FieldOffset[i - 1] + file.FieldWidth[i - 1];
            arenaSize += static_cast<size_t>(file.FieldWidth[i]) + 1;
        }
        file.arena.assign(arenaSize, '\0');
        file.Field.resize(static_cast<size_t>(file.FieldCount));
        char* p = file.arena.data();
        for (int i = 0; i < file.FieldCount; ++i) {
            file.Field[i] = p;
            p += file.FieldWidth[i] + 1;
        }
        file.RecBuf.assign(static_cast<size_t>(file.RecLen), ' ');
    }
    Record_Clear(file);
}

void Record_Clear(TRecordFile& file) {
    std::fill(file.RecBuf.begin(), file.RecBuf.end(), ' ');
    file.RecBuf.back() = '\n';
    for (int i = 0; i < file.FieldCount; ++i) Str_Spaces(file.Field[i], file.FieldWidth[i]);
}

void Record_Split(TRecordFile& file) {
    for (int i = 0; i < file.FieldCount; ++i) {
        int w = file.FieldWidth[i];
        std::memcpy(file.Field[i], file.RecBuf.data() + file.FieldOffset[i], static_cast<size_t>(w));
        file.Field[i][w] = '\0';
    }
}

void Record_Join(TRecordFile& file) {
    std::fill(file.RecBuf.begin(), file.RecBuf.end(), ' ');
    file.RecBuf.back() = '\n';
    for (int i = 0; i < file.FieldCount; ++i)
        CopyField(file.RecBuf.data() + file.FieldOffset[i], file.Field[i], file.FieldWidth[i]);
}

int Record_OpenRead(const TRecordFile& file) {
    return Journal_Settle(file.FileName) ? File_OpenRead(file.FileName) : -1;
}

bool Record_ReadFrom(int fd, const TRecordFile& file, int n, char* record) {
    const std::int64_t size = File_Size(fd), at = Record_Offset(file, n);
    if (n < 1 || size < 0 || at >= size) return false;
    const std::int64_t held = std::min<std::int64_t>(file.RecLen, size - at);
    if (File_Seek(fd, at) != at || File_Read(fd, record, held) != held) return false;
    CompleteRecord(record, held, file.RecLen);
    return true;
}

bool Record_Read(TRecordFile& file, int n) {
    if (n < 1) return false;
    file.Fd = Record_OpenRead(file);
    if (file.Fd < 0) return false;
    std::vector<char> buf(static_cast<size_t>(file.RecLen));
    const bool read = Record_ReadFrom(file.Fd, file, n, buf.data());
    File_Close(file.Fd);
    file.Fd = -1;
    if (read) file.RecBuf.swap(buf);
    return read;
}

bool Record_Write(TRecordFile& file, int n) { return WriteInRecord(file, n, 0, file.RecBuf.data(), file.RecLen); }

bool Record_MoveOn(TRecordFile& file, int n) {
    if (n < 1 || n > file.Count || !Journal_Settle(file.FileName)) return false;
    file.Fd = File_OpenReadWrite(file.FileName);
    if (file.Fd < 0) return false;
    const int fd = file.Fd;
    const size_t recLen = static_cast<size_t>(file.RecLen);
    const size_t moved = recLen * static_cast<size_t>(file.Count - n + 1);
    const std::int64_t size = File_Size(fd), at = Record_Offset(file, n);
    const auto len = static_cast<std::int64_t>(moved + recLen);
    // The bytes written over are those moved (and the record after them,
    // when the file holds one): read once, for the new bytes and the journal.
    std::vector<char> old;
    bool ok = size > Record_Offset(file, file.Count) && ReadHeld(fd, size, at, len, old);
    if (ok) {
        ++file.Generation;
        std::vector<char> records(static_cast<size_t>(len), ' ');
        records[recLen - 1] = '\n';
        const size_t held = std::min(old.size(), moved);
        std::memcpy(records.data() + recLen, old.data(), held);
        CompleteRecord(records.data() + moved, static_cast<std::int64_t>(held + recLen - moved), file.RecLen);
        const bool same = at + len <= size && std::memcmp(old.data(), records.data(), moved + recLen) == 0;
        if (!same) ok = JournaledWrite(file.FileName, fd, size, at, records.data(), len, at + len, file.RecLen, old);
    }
    ok = File_Close(fd) && ok;
    file.Fd = -1;
    return ok;
}

bool Record_WriteField(TRecordFile& file, int n, int k, const char* text) {
    if (k < 0 || k >= file.FieldCount) return false;
    int w = file.FieldWidth[k];
    std::vector<char> bytes(static_cast<size_t>(w));
    CopyField(bytes.data(), text, w);
    return WriteInRecord(file, n, file.FieldOffset[k], bytes.data(), w);
}

void Record_Count(TRecordFile& file) { Record_CountOrCreate(file, nullptr, 0); }

bool Record_CountOrCreate(TRecordFile& file, const void* data, std::int64_t size) {
    // A file whose journal cannot be rolled back yet is there, but does not
    // open: it is neither counted nor created.
    if (!Journal_Settle(file.FileName)) return false;
    file.Fd = File_OpenRead(file.FileName);
    if (file.Fd >= 0) {
        file.Count = Record_RecordsOf(File_Size(file.Fd), file.RecLen);
        File_Close(file.Fd);
        file.Fd = -1;
        return true;
    }
    ++file.Generation;
    Record_CreateMissing(file.FileName, data, size);
    return false;
}

bool Record_CreateMissing(const char* path, const void* data, std::int64_t size) {
    // Only a file that is not there is created: one that exists but does not
    // open must not be emptied.
    if (File_Exists(path) || Dir_Exists(path)) return false;
    int fd = File_Create(path);
    if (fd < 0) return false;
    bool ok = size == 0 || File_Write(fd, data, size) == size;
    return File_Close(fd) && ok;
}

bool Record_Scan(TRecordFile& file, int first, int last,
                 const std::function<bool(const char* record, int n)>& visit) {
    int fd = Record_OpenRead(file);
    if (fd < 0) return false;
    const std::int64_t size = File_Size(fd);
    last = std::min(last, Record_RecordsOf(size, file.RecLen));
    if (first < 1) first = 1;
    int perBlock = static_cast<int>(std::max<std::int64_t>(1, ScanBlockBytes / file.RecLen));
    std::vector<char> block;
    bool whole = true;
    for (int n = first; n <= last;) {
        int count = std::min(perBlock, last - n + 1);
        block.resize(static_cast<size_t>(count) * static_cast<size_t>(file.RecLen));
        const std::int64_t at = Record_Offset(file, n);
        // The bytes the file holds of these records (less than all of them
        // only at its cut-short end); anything less is a failed read.
        const std::int64_t want = std::min<std::int64_t>(static_cast<std::int64_t>(block.size()), size - at);
        if (File_Seek(fd, at) != at || File_Read(fd, block.data(), want) != want) {
            whole = false;
            break;
        }
        const std::int64_t lastStart = static_cast<std::int64_t>(count - 1) * file.RecLen;
        CompleteRecord(block.data() + lastStart, want - lastStart, file.RecLen);
        bool stop = false;
        for (int i = 0; i < count && !stop; ++i)
            stop = !visit(block.data() + static_cast<size_t>(i) * static_cast<size_t>(file.RecLen), n + i);
        if (stop) break;
        n += count;
    }
    File_Close(fd);
    return whole;
}

bool Record_ScanField(TRecordFile& file, int k, int first, int last,
                      const std::function<bool(const char* field, int n)>& visit) {
    if (k < 0 || k >= file.FieldCount) return false;
    int offset = file.FieldOffset[k];
    int width = file.FieldWidth[k];
    // Short records come in blocks; long ones (documents) field by field, so
    // that a scan touches one small piece of each record.
    if (file.RecLen < 8192)
        return Record_Scan(file, first, last,
                           [&](const char* record, int n) { return visit(record + offset, n); });
    int fd = Record_OpenRead(file);
    if (fd < 0) return false;
    const std::int64_t size = File_Size(fd);
    const int records = Record_RecordsOf(size, file.RecLen);
    last = std::min(last, records);
    // A cut-short last record may lack the field or its end: its piece is
    // read on its own, the missing bytes blanks.
    const bool lastCut = records > 0 && Record_Offset(file, records) + offset + width > size;
    const int batched = lastCut ? std::min(last, records - 1) : last;
    // A short read ends the scan, and the scan then reports it.
    first = std::max(first, 1);
    bool stopped = false;
    bool whole = Record_ScanPieces(fd, file, offset, width, first, batched, [&](const char* piece, int n) {
        stopped = !visit(piece, n);
        return !stopped;
    });
    if (whole && !stopped && lastCut && last == records && first <= last) {
        const std::int64_t at = Record_Offset(file, last) + offset;
        const std::int64_t held = std::clamp<std::int64_t>(size - at, 0, width);
        std::vector<char> pieces(static_cast<size_t>(width), ' ');
        whole = held == 0 || (File_Seek(fd, at) == at && File_Read(fd, pieces.data(), held) == held);
        if (whole) visit(pieces.data(), last);
    }
    File_Close(fd);
    return whole;
}

bool Record_ScanPieces(int fd, const TRecordFile& file, int offset, int width, int first, int last,
                       const std::function<bool(const char* piece, int n)>& visit) {
    std::vector<char> pieces;
    int batch = ScanFirstPieces;
    for (int n = std::max(first, 1); n <= last; n += batch, batch = std::min(batch * 2, ScanMostPieces)) {
        const int count = std::min(batch, last - n + 1);
        pieces.resize(static_cast<size_t>(count) * static_cast<size_t>(width));
        const int got =
            File_ReadPieces(fd, Record_Offset(file, n) + offset, file.RecLen, count, width, pieces.data());
        bool stop = false;
        for (int i = 0; i < got && !stop; ++i)
            stop = !visit(pieces.data() + static_cast<size_t>(i) * static_cast<size_t>(width), n + i);
        if (got < count) return false;
        if (stop) return true;
    }
    return true;
}

bool Record_ReadImage(const TRecordFile& file, std::vector<char>& image) {
    if (!Journal_Settle(file.FileName) || !WholeFile_Read(file.FileName, image)) return false;
    const size_t held = image.size() % static_cast<size_t>(file.RecLen);
    if (held != 0) {
        image.resize(image.size() - held + static_cast<size_t>(file.RecLen));
        CompleteRecord(image.data() + image.size() - file.RecLen, static_cast<std::int64_t>(held), file.RecLen);
    }
    return true;
}

std::string Record_ScratchPath(const char* path) { return std::string(path) + ".new"; }

int Record_BeginRewrite(const char* path) {
    return Journal_Settle(path) ? File_Create(Record_ScratchPath(path)) : -1;
}

bool Record_EndRewrite(int fd, const char* path, bool ok) {
    if (fd < 0) return false;
    ok = File_Sync(fd) && ok;
    ok = File_Close(fd) && ok;
    std::string scratch = Record_ScratchPath(path);
    if (ok && File_Rename(scratch, path)) return true;
    File_Remove(scratch);
    return false;
}

bool Record_RewriteFile(const char* path, const void* data, std::int64_t size) {
    int fd = Record_BeginRewrite(path);
    if (fd < 0) return false;
    return Record_EndRewrite(fd, path, File_Write(fd, data, size) == size);
}

bool Record_SaveFile(const char* path, const void* data, std::int64_t size) {
    if (Record_RewriteFile(path, data, size)) return true;
    if (!Journal_Settle(path)) return false;
    int fd = File_OpenReadWrite(path);
    if (fd < 0) return false;
    // The old contents go into the journal first, so that a write that fails
    // part way, or is cut off, leaves them; where not even the journal can be
    // made, nothing is written (the caller says so, and the contents are
    // still in memory).
    const std::int64_t old = File_Size(fd);
    std::vector<char> held;
    bool ok = old >= 0 && old <= size && ReadHeld(fd, old, 0, old, held) &&
              JournaledWrite(path, fd, old, 0, static_cast<const char*>(data), size, size, 0, held);
    return File_Close(fd) && ok;
}
