#include "store/RecordEdit.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/File.h"

namespace {

// Copies the scratch copy, which must hold exactly `bytes` bytes, into the
// open file out, a block at a time. Returns whether all of it arrived.
bool CopyScratch(const char* scratchName, std::int64_t bytes, int out) {
    const int in = File_OpenRead(scratchName);
    if (in < 0) return false;
    bool ok = File_Size(in) == bytes;
    std::vector<char> block(static_cast<size_t>(std::min<std::int64_t>(std::max<std::int64_t>(bytes, 1), 1 << 20)));
    for (std::int64_t done = 0; ok && done < bytes;) {
        const std::int64_t n = std::min<std::int64_t>(bytes - done, static_cast<std::int64_t>(block.size()));
        ok = File_Read(in, block.data(), n) == n && File_Write(out, block.data(), n) == n;
        done += n;
    }
    File_Close(in);
    return ok;
}

// The records the file holds now, a cut-short last one counted; -1 when it
// does not open.
int RecordsInFile(const TRecordFile& file) {
    const int fd = Record_OpenRead(file);
    if (fd < 0) return -1;
    const std::int64_t size = File_Size(fd);
    File_Close(fd);
    return size < 0 ? -1 : Record_RecordsOf(size, file.RecLen);
}

// A record added (written true) is counted. Otherwise the write layer has
// put the file back; should that itself have failed, the count follows what
// the file holds, so that no record is overlooked.
bool CountAdded(TRecordFile& file, bool written) {
    if (written) {
        ++file.Count;
        return true;
    }
    const int records = RecordsInFile(file);
    if (records >= 0) file.Count = records;
    return false;
}

}  // namespace

bool Record_AppendFields(TRecordFile& file, std::initializer_list<std::pair<int, const char*>> fields) {
    // The record is built in the buffer, which is put back afterwards.
    std::vector<char> kept = file.RecBuf;
    std::fill(file.RecBuf.begin(), file.RecBuf.end(), ' ');
    file.RecBuf.back() = '\n';
    for (const auto& [k, text] : fields)
        if (k >= 0 && k < file.FieldCount)  // up to a NUL; blanks after it
            std::memcpy(file.RecBuf.data() + file.FieldOffset[static_cast<size_t>(k)], text,
                        strnlen(text, static_cast<size_t>(file.FieldWidth[k])));
    const bool written = Record_Write(file, file.Count + 1);
    file.RecBuf.swap(kept);
    return CountAdded(file, written);
}

bool Record_InsertBlank(TRecordFile& file, int n) {
    if (n < 1 || n > file.Count + 1) return false;
    if (n == file.Count + 1) return Record_AppendFields(file, {});
    return CountAdded(file, Record_MoveOn(file, n));
}

bool Record_RemoveRecord(TRecordFile& file, int n, const char* scratchName) {
    if (n < 1 || n > file.Count) return false;
    std::vector<char> image;
    if (!Record_ReadImage(file, image)) return false;
    const size_t len = static_cast<size_t>(file.RecLen);
    const int records = static_cast<int>(image.size() / len);
    if (n > records) return false;
    image.erase(image.begin() + static_cast<std::ptrdiff_t>((n - 1) * len),
                image.begin() + static_cast<std::ptrdiff_t>(n * len));
    const auto bytes = static_cast<std::int64_t>(image.size());
    if (!Record_RewriteFile(scratchName, image.data(), bytes)) return false;
    image = {};

    ++file.Generation;
    const int fresh = Record_BeginRewrite(file.FileName);
    if (fresh < 0) return false;
    if (!Record_EndRewrite(fresh, file.FileName, CopyScratch(scratchName, bytes, fresh))) return false;
    file.Count = records - 1;
    return true;
}
