// The record-file scheme shared by every data file. Each operation opens the
// file, does its one job and closes it again.
#include "store/Record.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/File.h"
#include "store/Str.h"

namespace {

// Scans read about this many bytes at a time.
constexpr std::int64_t ScanBlockBytes = 1 << 20;
// Field scans of long records read the first this many records' pieces at
// once, then twice as many each time up to the most.
constexpr int ScanFirstPieces = 16, ScanMostPieces = 4096;

std::string ScratchPath(const char* path) { return std::string(path) + ".new"; }

// width bytes of text into out, blank from the first NUL on.
void CopyField(char* out, const char* text, int width) {
    int len = static_cast<int>(strnlen(text, static_cast<size_t>(width)));
    std::memcpy(out, text, static_cast<size_t>(len));
    std::memset(out + len, ' ', static_cast<size_t>(width - len));
}

// Number of whole records the open file holds.
int RecordsIn(int fd, int recLen) {
    std::int64_t size = File_Size(fd);
    if (size <= 0) return 0;
    std::int64_t n = size / recLen;
    return n > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(n);
}

}  // namespace

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

bool Record_Read(TRecordFile& file, int n) {
    if (n < 1) return false;
    file.Fd = File_OpenRead(file.FileName);
    if (file.Fd < 0) return false;
    std::vector<char> buf(static_cast<size_t>(file.RecLen));
    bool whole = File_Seek(file.Fd, Record_Offset(file, n)) == Record_Offset(file, n) &&
                 File_Read(file.Fd, buf.data(), file.RecLen) == file.RecLen;
    File_Close(file.Fd);
    file.Fd = -1;
    if (whole) file.RecBuf.swap(buf);
    return whole;
}

bool Record_Write(TRecordFile& file, int n) {
    if (n < 1) return false;
    file.Fd = File_OpenReadWrite(file.FileName);
    if (file.Fd < 0) return false;
    ++file.Generation;
    bool ok = File_Seek(file.Fd, Record_Offset(file, n)) == Record_Offset(file, n) &&
              File_Write(file.Fd, file.RecBuf.data(), file.RecLen) == file.RecLen;
    ok = File_Close(file.Fd) && ok;
    file.Fd = -1;
    return ok;
}

bool Record_WriteField(TRecordFile& file, int n, int k, const char* text) {
    if (n < 1 || k < 0 || k >= file.FieldCount) return false;
    int w = file.FieldWidth[k];
    std::vector<char> bytes(static_cast<size_t>(w));
    CopyField(bytes.data(), text, w);
    file.Fd = File_OpenReadWrite(file.FileName);
    if (file.Fd < 0) return false;
    ++file.Generation;
    std::int64_t at = Record_Offset(file, n) + file.FieldOffset[k];
    bool ok = File_Seek(file.Fd, at) == at && File_Write(file.Fd, bytes.data(), w) == w;
    ok = File_Close(file.Fd) && ok;
    file.Fd = -1;
    return ok;
}

void Record_Count(TRecordFile& file) { Record_CountOrCreate(file, nullptr, 0); }

bool Record_CountOrCreate(TRecordFile& file, const void* data, std::int64_t size) {
    file.Fd = File_OpenRead(file.FileName);
    if (file.Fd >= 0) {
        file.Count = RecordsIn(file.Fd, file.RecLen);
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
    int fd = File_OpenRead(file.FileName);
    if (fd < 0) return false;
    last = std::min(last, RecordsIn(fd, file.RecLen));
    if (first < 1) first = 1;
    int perBlock = static_cast<int>(std::max<std::int64_t>(1, ScanBlockBytes / file.RecLen));
    std::vector<char> block;
    for (int n = first; n <= last;) {
        int count = std::min(perBlock, last - n + 1);
        block.resize(static_cast<size_t>(count) * static_cast<size_t>(file.RecLen));
        std::int64_t at = static_cast<std::int64_t>(n - 1) * file.RecLen;
        if (File_Seek(fd, at) != at) break;
        std::int64_t got = File_Read(fd, block.data(), static_cast<std::int64_t>(block.size()));
        int whole = got > 0 ? static_cast<int>(got / file.RecLen) : 0;
        bool stop = false;
        for (int i = 0; i < whole && !stop; ++i)
            stop = !visit(block.data() + static_cast<size_t>(i) * static_cast<size_t>(file.RecLen), n + i);
        if (stop || whole < count) break;
        n += count;
    }
    File_Close(fd);
    return true;
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
    int fd = File_OpenRead(file.FileName);
    if (fd < 0) return false;
    last = std::min(last, RecordsIn(fd, file.RecLen));
    // The pieces come in batches that grow, so that a scan that stops early
    // reads little more than it looks at.
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
        if (stop || got < count) break;
    }
    File_Close(fd);
    return true;
}

bool Record_ReadFile(const char* path, std::vector<char>& image) {
    int fd = File_OpenRead(path);
    if (fd < 0) return false;
    std::int64_t size = File_Size(fd);
    bool ok = size >= 0;
    if (ok) {
        image.resize(static_cast<size_t>(size));
        ok = File_Read(fd, image.data(), size) == size;
    }
    File_Close(fd);
    return ok;
}

int Record_BeginRewrite(const char* path) { return File_Create(ScratchPath(path)); }

bool Record_EndRewrite(int fd, const char* path, bool ok) {
    if (fd < 0) return false;
    ok = File_Sync(fd) && ok;
    ok = File_Close(fd) && ok;
    std::string scratch = ScratchPath(path);
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
    int fd = File_OpenReadWrite(path);
    if (fd < 0) return false;
    bool ok = File_Size(fd) <= size && File_Seek(fd, 0) == 0 && File_Write(fd, data, size) == size;
    return File_Close(fd) && ok;
}
