#include "store/Journal.h"

#include <algorithm>
#include <cstring>
#include <set>
#include <vector>

#include "platform/File.h"
#include "store/Record.h"

namespace {

// A journal: this magic, then the offset, the file's old size and the count
// of old bytes as 8-byte integers, the old bytes, and a checksum of all that
// before it. The integers are in this machine's byte order: a journal is
// read back only by the program on the machine that wrote it.
constexpr char Magic[8] = {'R', 'E', 'C', 'J', 'R', 'N', 'L', '1'};
constexpr size_t HeaderBytes = sizeof Magic + 3 * 8;
constexpr size_t ChecksumBytes = 8;

struct TKept {
    std::int64_t At = 0;
    std::int64_t OldSize = 0;
    std::vector<char> Bytes;
};

// The journal of the write under way (there is one at a time).
TKept& Kept() {
    static TKept kept;
    return kept;
}

// Files whose journal could not be put back yet, by host path (the program
// folder may change between tests).
std::set<std::string>& Pending() {
    static std::set<std::string> pending;
    return pending;
}

std::string Key(const char* path) { return Platform_HostPath(path); }

// FNV-1a, 64 bits: enough to tell a journal cut short or overwritten.
std::uint64_t Checksum(const char* data, size_t n) {
    std::uint64_t h = 14695981039346656037ull;
    for (size_t i = 0; i < n; ++i) {
        h ^= static_cast<unsigned char>(data[i]);
        h *= 1099511628211ull;
    }
    return h;
}

void PutInt(std::vector<char>& out, std::uint64_t v) {
    char bytes[8];
    std::memcpy(bytes, &v, sizeof bytes);
    out.insert(out.end(), bytes, bytes + sizeof bytes);
}

std::uint64_t GetInt(const char* p) {
    std::uint64_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

std::vector<char> Encode(const TKept& kept) {
    std::vector<char> image(Magic, Magic + sizeof Magic);
    PutInt(image, static_cast<std::uint64_t>(kept.At));
    PutInt(image, static_cast<std::uint64_t>(kept.OldSize));
    PutInt(image, kept.Bytes.size());
    image.insert(image.end(), kept.Bytes.begin(), kept.Bytes.end());
    PutInt(image, Checksum(image.data(), image.size()));
    return image;
}

// Whether image is a complete journal; kept := what it holds.
bool Decode(const std::vector<char>& image, TKept& kept) {
    if (image.size() < HeaderBytes + ChecksumBytes || std::memcmp(image.data(), Magic, sizeof Magic) != 0)
        return false;
    const char* p = image.data() + sizeof Magic;
    const std::uint64_t count = GetInt(p + 16);
    if (count != image.size() - HeaderBytes - ChecksumBytes) return false;
    const size_t body = image.size() - ChecksumBytes;
    if (GetInt(image.data() + body) != Checksum(image.data(), body)) return false;
    kept.At = static_cast<std::int64_t>(GetInt(p));
    kept.OldSize = static_cast<std::int64_t>(GetInt(p + 8));
    if (kept.At < 0 || kept.OldSize < 0) return false;
    kept.Bytes.assign(image.begin() + static_cast<std::ptrdiff_t>(HeaderBytes),
                      image.begin() + static_cast<std::ptrdiff_t>(body));
    return true;
}

// The old bytes back into the open file, the file cut to its old size, and
// all of it on disk.
bool Apply(int fd, const TKept& kept) {
    const auto n = static_cast<std::int64_t>(kept.Bytes.size());
    bool ok = n == 0 || (File_Seek(fd, kept.At) == kept.At && File_Write(fd, kept.Bytes.data(), n) == n);
    if (ok && File_Size(fd) > kept.OldSize) ok = File_Truncate(fd, kept.OldSize);
    return ok && File_Sync(fd);
}

// Removes the journal; one that cannot be removed is emptied, as an empty
// journal is removed at start-up without touching the file.
void Discard(const std::string& journal) {
    if (File_Remove(journal) || !File_Exists(journal)) return;
    int fd = File_OpenReadWrite(journal);
    if (fd < 0) return;
    File_Truncate(fd, 0);
    File_Sync(fd);
    File_Close(fd);
}

}  // namespace

std::string Journal_Path(const char* path) { return std::string(path) + ".jnl"; }

bool Journal_Keep(const char* path, int fd, std::int64_t at, std::int64_t length) {
    const std::string journal = Journal_Path(path);
    // A journal already there holds the only copy of older bytes: it is
    // rolled back (Journal_Settle) before anything else is written.
    if (File_Exists(journal)) {
        Pending().insert(Key(path));
        return false;
    }
    const std::int64_t size = File_Size(fd);
    if (size < 0 || at < 0 || length < 0) return false;
    TKept kept;
    kept.At = at;
    kept.OldSize = size;
    const std::int64_t held = std::clamp<std::int64_t>(size - at, 0, length);
    kept.Bytes.resize(static_cast<size_t>(held));
    if (held > 0 && (File_Seek(fd, at) != at || File_Read(fd, kept.Bytes.data(), held) != held)) return false;

    const std::vector<char> image = Encode(kept);
    const int out = File_Create(journal);
    if (out < 0) return false;
    const auto bytes = static_cast<std::int64_t>(image.size());
    bool ok = File_Write(out, image.data(), bytes) == bytes && File_Sync(out);
    ok = File_Close(out) && ok;
    if (!ok) {
        Discard(journal);
        return false;
    }
    Kept() = std::move(kept);
    return true;
}

void Journal_Drop(const char* path) {
    Discard(Journal_Path(path));
    Kept().Bytes.clear();
}

bool Journal_PutBack(const char* path, int fd) {
    if (!Apply(fd, Kept())) {
        Pending().insert(Key(path));
        return false;
    }
    Journal_Drop(path);
    return true;
}

bool Journal_Settle(const char* path) {
    if (Pending().empty() || Pending().count(Key(path)) == 0) return true;
    return Journal_RollBack(path);
}

bool Journal_RollBack(const char* path) {
    const std::string journal = Journal_Path(path);
    auto stillPending = [&] {
        Pending().insert(Key(path));
        return false;
    };
    if (!File_Exists(journal)) {
        Pending().erase(Key(path));
        return true;
    }
    std::vector<char> image;
    if (!Record_ReadFile(journal.c_str(), image)) return stillPending();
    TKept kept;
    // An incomplete journal: the file was not touched under it. A data file
    // that is gone has nothing the old bytes could go back into.
    const bool gone = !File_Exists(path) && !Dir_Exists(path);
    if (Decode(image, kept) && !gone) {
        const int fd = File_OpenReadWrite(path);
        if (fd < 0) return stillPending();
        bool ok = Apply(fd, kept);
        ok = File_Close(fd) && ok;
        if (!ok) return stillPending();
    }
    Discard(journal);
    Pending().erase(Key(path));
    return true;
}
