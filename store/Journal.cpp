#include "store/Journal.h"

#include <algorithm>
#include <cstring>
#include <set>
#include <vector>

#include "platform/File.h"
#include "store/WholeFile.h"

namespace {

// A journal: this magic, then as 8-byte integers the offset, the file's old
// size, the most it can grow to in the write, its device and inode, and the
// count of old bytes; the old bytes; and a checksum of all that before it.
// The integers are in this machine's byte order: a journal is read back only
// by the program on the machine that wrote it.
constexpr char Magic[8] = {'R', 'E', 'C', 'J', 'R', 'N', 'L', '2'};
constexpr int HeaderInts = 6;
constexpr size_t HeaderBytes = sizeof Magic + HeaderInts * 8;
constexpr size_t ChecksumBytes = 8;

struct TKept {
    std::int64_t At = 0;
    std::int64_t OldSize = 0;
    std::int64_t GrownTo = 0;
    std::uint64_t Device = 0, Inode = 0;
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

// Grown, then copied into: g++ 12 at -O3 takes an insert of the bytes from
// a local array for a write past the end (-Wstringop-overflow).
void PutInt(std::vector<char>& out, std::uint64_t v) {
    const size_t at = out.size();
    out.resize(at + sizeof v);
    std::memcpy(out.data() + at, &v, sizeof v);
}

std::uint64_t GetInt(const char* p) {
    std::uint64_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

std::vector<char> Encode(const TKept& kept) {
    std::vector<char> image(Magic, Magic + sizeof Magic);
    for (std::uint64_t v : {static_cast<std::uint64_t>(kept.At), static_cast<std::uint64_t>(kept.OldSize),
                            static_cast<std::uint64_t>(kept.GrownTo), kept.Device, kept.Inode,
                            static_cast<std::uint64_t>(kept.Bytes.size())})
        PutInt(image, v);
    image.insert(image.end(), kept.Bytes.begin(), kept.Bytes.end());
    PutInt(image, Checksum(image.data(), image.size()));
    return image;
}

// Whether image is a complete, undamaged journal; kept := what it holds.
bool Decode(const std::vector<char>& image, TKept& kept) {
    if (image.size() < HeaderBytes + ChecksumBytes || std::memcmp(image.data(), Magic, sizeof Magic) != 0)
        return false;
    const size_t body = image.size() - ChecksumBytes;
    if (GetInt(image.data() + body) != Checksum(image.data(), body)) return false;
    std::uint64_t v[HeaderInts];
    for (int i = 0; i < HeaderInts; ++i) v[i] = GetInt(image.data() + sizeof Magic + 8 * i);
    if (v[5] != body - HeaderBytes) return false;
    kept.At = static_cast<std::int64_t>(v[0]);
    kept.OldSize = static_cast<std::int64_t>(v[1]);
    kept.GrownTo = static_cast<std::int64_t>(v[2]);
    kept.Device = v[3];
    kept.Inode = v[4];
    if (kept.At < 0 || kept.OldSize < 0 || kept.GrownTo < kept.OldSize) return false;
    kept.Bytes.assign(image.begin() + static_cast<std::ptrdiff_t>(HeaderBytes),
                      image.begin() + static_cast<std::ptrdiff_t>(body));
    return true;
}

// Whether the file open as fd is the one the journal was made for: the same
// file (device and inode), of a size that the write, or the putting back of
// its old bytes, can have left.
bool IsItsFile(int fd, const TKept& kept) {
    const TFileStamp stamp = File_Stamp(fd);
    return stamp.Size >= kept.OldSize && stamp.Size <= kept.GrownTo && stamp.Device == kept.Device &&
           stamp.Inode == kept.Inode;
}

// The old bytes back into the open file, the file cut to its old size, and
// all of it on disk.
bool Apply(int fd, const TKept& kept) {
    const auto n = static_cast<std::int64_t>(kept.Bytes.size());
    bool ok = n == 0 || (File_Seek(fd, kept.At) == kept.At && File_Write(fd, kept.Bytes.data(), n) == n);
    if (ok && File_Size(fd) > kept.OldSize) ok = File_Truncate(fd, kept.OldSize);
    return ok && File_Sync(fd);
}

// Makes the journal harmless: removed; where it cannot be, emptied or its
// magic overwritten (marked done), as a journal that is empty or does not
// begin with the magic is removed at start-up without touching the file.
// Returns whether it is harmless now.
bool Discard(const std::string& journal) {
    if (File_Remove(journal) || !Path_Taken(journal)) return true;
    const int fd = File_OpenReadWrite(journal);
    if (fd < 0) return false;
    bool done = File_Truncate(fd, 0) && File_Sync(fd);
    if (!done) {
        const char blank[sizeof Magic] = {};
        done = File_Seek(fd, 0) == 0 && File_Write(fd, blank, sizeof blank) == sizeof blank && File_Sync(fd);
    }
    return File_Close(fd) && done;
}

}  // namespace

std::string Journal_Path(const char* path) { return std::string(path) + ".jnl"; }

bool Journal_Keep(const char* path, int fd, std::int64_t at, const char* old, std::int64_t held,
                  std::int64_t grownTo) {
    const std::string journal = Journal_Path(path);
    // A journal already there holds the only copy of older bytes: it is
    // rolled back (Journal_Settle) before anything else is written.
    if (Path_Taken(journal)) {
        Pending().insert(Key(path));
        return false;
    }
    const TFileStamp stamp = File_Stamp(fd);
    if (stamp.Size < 0 || at < 0 || held < 0) return false;
    TKept kept;
    kept.At = at;
    kept.OldSize = stamp.Size;
    kept.GrownTo = std::max(stamp.Size, grownTo);
    kept.Device = stamp.Device;
    kept.Inode = stamp.Inode;
    kept.Bytes.assign(old, old + held);

    const std::vector<char> image = Encode(kept);
    const int out = File_Create(journal);
    if (out < 0) return false;
    const auto bytes = static_cast<std::int64_t>(image.size());
    bool ok = File_Write(out, image.data(), bytes) == bytes && File_Sync(out);
    ok = File_Close(out) && ok;
    if (!ok) {
        // The data file has not been touched: a journal left over (one that
        // cannot be removed) holds the bytes it still has, and no write goes
        // ahead while it stands.
        Discard(journal);
        return false;
    }
    Kept() = std::move(kept);
    return true;
}

bool Journal_Drop(const char* path, int fd) {
    if (!Discard(Journal_Path(path))) {
        Journal_PutBack(path, fd);
        return false;
    }
    Kept().Bytes.clear();
    return true;
}

bool Journal_PutBack(const char* path, int fd) {
    if (!Apply(fd, Kept())) {
        Pending().insert(Key(path));
        return false;
    }
    // The file holds its old bytes again: a journal that says so and cannot
    // be removed is harmless (rolling it back changes nothing, and no write
    // goes ahead while it stands).
    Discard(Journal_Path(path));
    Kept().Bytes.clear();
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
    if (!Path_Taken(journal)) {
        Pending().erase(Key(path));
        return true;
    }
    std::vector<char> image;
    if (!WholeFile_Read(journal.c_str(), image)) return stillPending();
    TKept kept;
    // An incomplete journal: the file was not touched under it. A data file
    // that is gone, or replaced by something that is no file (a folder, a
    // FIFO), has nothing the old bytes could go back into.
    const bool gone = !File_Exists(path);
    if (Decode(image, kept) && !gone) {
        const int fd = File_OpenReadWrite(path);
        if (fd < 0) return stillPending();
        bool ok = !IsItsFile(fd, kept) || Apply(fd, kept);
        ok = File_Close(fd) && ok;
        if (!ok) return stillPending();
    }
    // The file is as the journal says it was before the write: a journal
    // that cannot be removed changes nothing when it is rolled back again.
    Discard(journal);
    Pending().erase(Key(path));
    return true;
}
