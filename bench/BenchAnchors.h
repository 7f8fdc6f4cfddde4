// The anchors the benchmarks print their figures beside: the same durable
// work done with plain system calls, measured in the same run, so that a
// ratio says what the program's own way costs on top of what the disk must
// do. Each benchmark says in one line what its anchor is (Bench_Anchor).
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench/BenchIo.h"

// The line that says what a benchmark's figures stand beside.
inline void Bench_Anchor(const char* what) { std::printf("anchor: %s\n", what); }

// Opens the existing file, writes n bytes at `at` with one pwrite, flushes
// it with one fdatasync and closes it. The milliseconds, or -1 when a call
// failed.
inline double Bench_PwriteSync(const std::string& path, long long at, const char* bytes, size_t n) {
    const double start = Bench_NowMs();
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    bool ok = fd >= 0 && ::pwrite(fd, bytes, n, at) == static_cast<ssize_t>(n) && ::fdatasync(fd) == 0;
    ok = fd >= 0 && ::close(fd) == 0 && ok;
    const double ms = Bench_NowMs() - start;
    return ok ? ms : -1;
}

namespace bench_detail {

// The folder `path` lies in flushed (an fsync of the folder).
inline bool SyncFolderOf(const std::string& path) {
    const std::string folder = path.substr(0, path.find_last_of('/') + 1);
    const int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const bool ok = dir >= 0 && ::fsync(dir) == 0;
    if (dir >= 0) ::close(dir);
    return ok;
}

// The new file `to` + ".new" written by write(fd) (false when it failed),
// flushed with one fdatasync, closed and renamed over `to`, its folder
// flushed with folderSync.
template <class Write>
bool WriteRename(const std::string& to, bool folderSync, Write write) {
    const std::string scratch = to + ".new";
    const int out = ::open(scratch.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    bool ok = out >= 0 && write(out) && ::fdatasync(out) == 0;
    ok = out >= 0 && ::close(out) == 0 && ok;
    ok = ok && ::rename(scratch.c_str(), to.c_str()) == 0;
    return ok && (!folderSync || SyncFolderOf(to));
}

}  // namespace bench_detail

// Writes n bytes to a new file `to` + ".new" with one write, flushes it with
// one fdatasync, closes it and renames it over `to`; with folderSync, the
// folder's entry is flushed after the rename (an fsync of the folder `to`
// lies in). false when a call failed.
inline bool Bench_WriteRename(const char* bytes, size_t n, const std::string& to, bool folderSync) {
    return bench_detail::WriteRename(to, folderSync,
                                     [&](int fd) { return ::write(fd, bytes, n) == static_cast<ssize_t>(n); });
}

// Copies the file `from` 1 MiB at a time (read, write) into a new file `to`
// + ".new", then as Bench_WriteRename: one fdatasync, the rename, the
// folder's flush with folderSync. The milliseconds, or -1 when a call
// failed.
inline double Bench_ReadWriteRename(const std::string& from, const std::string& to, bool folderSync) {
    const double start = Bench_NowMs();
    const int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    bool ok = in >= 0 && bench_detail::WriteRename(to, folderSync, [in](int fd) {
        static std::vector<char> block(1 << 20);
        for (;;) {
            const ssize_t n = ::read(in, block.data(), block.size());
            if (n <= 0) return n == 0;
            if (::write(fd, block.data(), static_cast<size_t>(n)) != n) return false;
        }
    });
    if (in >= 0) ::close(in);
    const double ms = Bench_NowMs() - start;
    return ok ? ms : -1;
}
