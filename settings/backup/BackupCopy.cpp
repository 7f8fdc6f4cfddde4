#include "settings/backup/BackupCopy.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/File.h"
#include "store/Record.h"

namespace {

// Records move about this many bytes at a time (at least one record).
constexpr std::int64_t CopyBlockBytes = 1 << 20;

// Closes the scratch file begun by Record_BeginRewrite (none while a journal
// pending for `to` cannot be rolled back: it would roll back over the new
// contents later) after its writes (`ok` so far): it must hold size bytes
// and reach the disk. Removed when anything failed.
bool EndScratch(int fd, const std::string& to, bool ok, std::int64_t size) {
    ok = ok && File_Size(fd) == size;
    ok = File_Sync(fd) && ok;
    ok = File_Close(fd) && ok;
    if (!ok) File_Remove(Record_ScratchPath(to.c_str()));
    return ok;
}

}  // namespace

TCopySource::TCopySource(int fd, int recLen) : Fd(fd) {
    const std::int64_t size = fd >= 0 ? File_Size(fd) : -1;
    if (size < 0) {
        if (fd >= 0) File_Close(fd);
        Fd = -1;
        return;
    }
    Count = static_cast<int>(std::min<std::int64_t>(size / recLen, 0x7FFFFFFF));
    Whole = size % recLen == 0;
}

TCopySource::~TCopySource() {
    if (Fd >= 0) File_Close(Fd);
}

int Copy_Write(int fromFd, const std::string& to, const TRecordCopy& copy, bool* readFailed) {
    bool readOk = true;
    if (readFailed) *readFailed = false;
    if (fromFd < 0 || copy.RecLen <= 0) return -1;
    const int fd = Record_BeginRewrite(to.c_str());
    if (fd < 0) return -1;
    const int first = std::max(0, copy.First);
    const int perBlock = static_cast<int>(std::max<std::int64_t>(1, CopyBlockBytes / copy.RecLen));
    std::vector<char> block(static_cast<size_t>(std::min(perBlock, std::max(copy.Count - first, 1))) * copy.RecLen);
    std::int64_t written = 0;
    const std::int64_t start = std::int64_t{first} * copy.RecLen;
    bool ok = readOk = File_Seek(fromFd, start) == start;
    for (int i = first; ok && i < copy.Count;) {
        const int n = std::min(perBlock, copy.Count - i);
        const std::int64_t bytes = std::int64_t{n} * copy.RecLen;
        ok = readOk = File_Read(fromFd, block.data(), bytes) == bytes;
        // The records kept move to the front of the block.
        std::int64_t kept = 0;
        for (int j = 0; ok && j < n; ++j) {
            char* record = block.data() + std::int64_t{j} * copy.RecLen;
            if (copy.Keep && !copy.Keep(i + j, record)) continue;
            if (copy.LineFeed) record[copy.RecLen - 1] = '\n';
            if (copy.Mend) copy.Mend(i + j, record);
            if (kept != j) std::memmove(block.data() + kept * copy.RecLen, record, static_cast<size_t>(copy.RecLen));
            ++kept;
        }
        ok = ok && File_Write(fd, block.data(), kept * copy.RecLen) == kept * copy.RecLen;
        if (!ok) break;
        written += kept;
        for (int j = 0; copy.Done && j < n; ++j) copy.Done(i + j);
        i += n;
    }
    if (readFailed) *readFailed = !readOk;
    return EndScratch(fd, to, ok, written * copy.RecLen) ? static_cast<int>(written) : -1;
}

bool Copy_WriteScratch(const std::string& to, const std::string& bytes) {
    const int fd = Record_BeginRewrite(to.c_str());
    if (fd < 0) return false;
    const auto size = static_cast<std::int64_t>(bytes.size());
    return EndScratch(fd, to, File_Write(fd, bytes.data(), size) == size, size);
}

bool Copy_WriteFile(const std::string& to, const std::string& folder, const std::string& bytes) {
    return Copy_WriteScratch(to, bytes) && Copy_Replace(to, folder);
}

bool Copy_Replace(const std::string& to, const std::string& folder) {
    const std::string scratch = Record_ScratchPath(to.c_str());
    if (!File_Rename(scratch, to)) {
        File_Remove(scratch);
        return false;
    }
    return Dir_Sync(folder);
}

void Copy_Discard(const std::string& to) { File_Remove(Record_ScratchPath(to.c_str())); }
