// Files on POSIX: system paths (CP932, backslashes) become host paths (UTF-8,
// '/') under the program folder; offsets and sizes are 64-bit.
#include "platform/File.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <climits>
#include <utility>
#include <cstdio>
#include <vector>

#include "platform/Cp932.h"
#include "platform/FileFault.h"
#include "platform/FilePieces.h"

namespace {

std::string& ProgramDirStorage() {
    static std::string dir;
    return dir;
}

std::string WithSlash(std::string dir) {
    if (dir.empty() || dir.back() != '/') dir += '/';
    return dir;
}

}  // namespace

void Platform_SetProgramDir(const std::string& hostDir) { ProgramDirStorage() = WithSlash(hostDir); }

const std::string& Platform_ProgramDir() {
    std::string& dir = ProgramDirStorage();
    if (dir.empty()) dir = Platform_ExeDir();
    return dir;
}

std::string Platform_ExeDir() {
    std::string buf(PATH_MAX, '\0');
    for (;;) {
        ssize_t n = readlink("/proc/self/exe", buf.data(), buf.size());
        if (n < 0) return "./";
        if (static_cast<size_t>(n) < buf.size()) {
            buf.resize(static_cast<size_t>(n));
            break;
        }
        buf.resize(buf.size() * 2);
    }
    size_t slash = buf.rfind('/');
    return slash == std::string::npos ? std::string("./") : buf.substr(0, slash + 1);
}

namespace {
// Leads a path wrapped by Platform_AsIs: a byte that neither CP932 nor UTF-8
// text holds.
constexpr char AsIsMark = '\xFF';
}  // namespace

std::string Platform_AsIs(const std::string& hostPath) { return AsIsMark + hostPath; }

std::string Platform_InFolder(const std::string& hostFolder, const std::string& name) {
    std::string path = Platform_AsIs(hostFolder);
    if (hostFolder.empty() || hostFolder.back() != '/') path += '/';
    return path + Cp932_ToUtf8(name);
}

std::string Platform_HostPath(const std::string& path) {
    if (!path.empty() && path[0] == AsIsMark) return path.substr(1);
    // Convert first: a trail byte of a CP932 character may be 0x5C, which
    // must not become a separator.
    std::string host = Cp932_ToUtf8(path);
    for (char& c : host)
        if (c == '\\') c = '/';
    if (host.empty() || host[0] != '/') host = Platform_ProgramDir() + host;
    return host;
}

// ------------------------------------------------------------ planned faults

namespace {

constexpr int OpKinds = static_cast<int>(TFileOp::Remove) + 1;

struct TPlannedFault {
    TFileOp Op;
    std::int64_t At;     // the count of that operation at which it fires
    std::int64_t Bytes;  // bytes moved by the faulty call
    bool Kill;           // the process ends there
};

struct TFaultState {
    std::vector<TPlannedFault> Planned;
    std::int64_t Counts[OpKinds] = {};
    std::int64_t DiskLeft = -1;  // -1: no full disk
    // Open handles of files under the program folder, for the full disk.
    std::vector<bool> UnderProgram;
};

TFaultState& Faults() {
    static TFaultState state;
    return state;
}

void NoteOpen(int fd, const std::string& host) {
    if (fd < 0) return;
    std::vector<bool>& under = Faults().UnderProgram;
    if (static_cast<size_t>(fd) >= under.size()) under.resize(static_cast<size_t>(fd) + 1, false);
    const std::string& dir = Platform_ProgramDir();
    under[static_cast<size_t>(fd)] = host.compare(0, dir.size(), dir) == 0;
}

bool IsUnderProgram(int fd) {
    const std::vector<bool>& under = Faults().UnderProgram;
    return fd >= 0 && static_cast<size_t>(fd) < under.size() && under[static_cast<size_t>(fd)];
}

// What a counted operation may do.
struct TAllowed {
    std::int64_t Bytes;  // of a read or write
    bool Kill = false;   // the process ends after moving them
    bool Fails() const { return Bytes == 0; }
};

// Counts one call of op and returns what it may do: all n of its bytes (n is
// 1 for the kinds that move none) when no fault applies.
TAllowed Allowed(TFileOp op, int fd, std::int64_t n) {
    TFaultState& f = Faults();
    const std::int64_t at = ++f.Counts[static_cast<int>(op)];
    TAllowed allowed{n};
    for (size_t i = 0; i < f.Planned.size(); ++i) {
        if (f.Planned[i].Op == op && f.Planned[i].At == at) {
            allowed.Bytes = std::min(allowed.Bytes, f.Planned[i].Bytes);
            allowed.Kill = f.Planned[i].Kill;
            f.Planned.erase(f.Planned.begin() + static_cast<std::ptrdiff_t>(i));
            break;
        }
    }
    if (op == TFileOp::Write && f.DiskLeft >= 0 && IsUnderProgram(fd)) {
        allowed.Bytes = std::min(allowed.Bytes, f.DiskLeft);
        f.DiskLeft -= allowed.Bytes;
    }
    return allowed;
}

// Runs an operation that moves no bytes, unless a planned fault fails it
// (the result is then `failed`); a planned kill ends the process before it,
// or once it has run.
template <class F>
auto Counted(TFileOp op, decltype(std::declval<F>()()) failed, F&& run) {
    const TAllowed allowed = Allowed(op, -1, 1);
    if (allowed.Kill && allowed.Fails()) ::raise(SIGKILL);
    if (allowed.Fails()) return failed;
    auto result = run();
    if (allowed.Kill) ::raise(SIGKILL);
    return result;
}

void Plan(TFileOp op, int nth, std::int64_t bytes, bool kill) {
    TFaultState& f = Faults();
    // Only reads and writes move bytes; an operation of another kind fails
    // whole, or is killed before it (0) or after it (1).
    const bool moves = op == TFileOp::Read || op == TFileOp::Write;
    bytes = std::max<std::int64_t>(bytes, 0);
    f.Planned.push_back({op, f.Counts[static_cast<int>(op)] + nth, moves ? bytes : kill && bytes > 0 ? 1 : 0, kill});
}

}  // namespace

void FileFault_Plan(TFileOp op, int nth, std::int64_t bytes) { Plan(op, nth, bytes, false); }
void FileFault_PlanKill(TFileOp op, int nth, std::int64_t bytes) { Plan(op, nth, bytes, true); }

void FileFault_DiskFull(std::int64_t bytesLeft) { Faults().DiskLeft = bytesLeft < 0 ? 0 : bytesLeft; }

void FileFault_Reset() {
    TFaultState& f = Faults();
    f.Planned.clear();
    for (std::int64_t& count : f.Counts) count = 0;
    f.DiskLeft = -1;
}

std::int64_t FileFault_Count(TFileOp op) { return Faults().Counts[static_cast<int>(op)]; }

// ------------------------------------------------------------ files

namespace {

// Opens without waiting (a FIFO would block an ordinary open until a writer
// comes) and keeps the handle only when it is a regular file; the open
// creates nothing over a path that holds something else.
int OpenHost(const std::string& path, int flags) {
    std::string host = Platform_HostPath(path);
    int fd;
    do {
        fd = ::open(host.c_str(), flags | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) return -1;
    struct stat st;
    const int status = ::fcntl(fd, F_GETFL);
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || status < 0 ||
        ::fcntl(fd, F_SETFL, status & ~O_NONBLOCK) != 0) {
        ::close(fd);
        return -1;
    }
    NoteOpen(fd, host);
    return fd;
}

}  // namespace

int File_OpenRead(const std::string& path) { return OpenHost(path, O_RDONLY); }
int File_OpenReadWrite(const std::string& path) { return OpenHost(path, O_RDWR); }
int File_Create(const std::string& path) {
    return Counted(TFileOp::Create, -1, [&] { return OpenHost(path, O_CREAT | O_TRUNC | O_RDWR); });
}

std::int64_t File_Seek(int fd, std::int64_t offset, int origin) {
    if (fd < 0) return -1;
    int whence = origin == 1 ? SEEK_CUR : origin == 2 ? SEEK_END : SEEK_SET;
    return static_cast<std::int64_t>(::lseek(fd, static_cast<off_t>(offset), whence));
}

std::int64_t File_Size(int fd) {
    struct stat st;
    if (fd < 0 || ::fstat(fd, &st) != 0) return -1;
    return static_cast<std::int64_t>(st.st_size);
}

TFileStamp File_Stamp(int fd) {
    struct stat st;
    TFileStamp stamp;
    if (fd < 0 || ::fstat(fd, &st) != 0) return stamp;
    stamp.Size = static_cast<std::int64_t>(st.st_size);
    stamp.ModifiedNs = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    stamp.ChangedNs = static_cast<std::int64_t>(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
    stamp.Device = static_cast<std::uint64_t>(st.st_dev);
    stamp.Inode = static_cast<std::uint64_t>(st.st_ino);
    return stamp;
}

std::int64_t File_Read(int fd, void* buf, std::int64_t n) {
    if (fd < 0 || n < 0) return -1;
    const TAllowed allowed = Allowed(TFileOp::Read, fd, n);
    if (allowed.Bytes < n) {
        if (allowed.Fails() && !allowed.Kill) return -1;
        n = allowed.Bytes;
    }
    char* p = static_cast<char*>(buf);
    std::int64_t done = 0;
    while (done < n) {
        ssize_t r = ::read(fd, p + done, static_cast<size_t>(n - done));
        if (r < 0) {
            if (errno == EINTR) continue;
            return done > 0 ? done : -1;
        }
        if (r == 0) break;  // end of file
        done += r;
    }
    if (allowed.Kill) ::raise(SIGKILL);
    return done;
}

std::int64_t File_Write(int fd, const void* buf, std::int64_t n) {
    if (fd < 0 || n < 0) return -1;
    const TAllowed allowed = Allowed(TFileOp::Write, fd, n);
    n = allowed.Bytes;
    const char* p = static_cast<const char*>(buf);
    std::int64_t done = 0;
    while (done < n) {
        ssize_t w = ::write(fd, p + done, static_cast<size_t>(n - done));
        if (w < 0) {
            if (errno == EINTR) continue;
            break;
        }
        if (w == 0) break;
        done += w;
    }
    if (allowed.Kill) ::raise(SIGKILL);
    return done;
}

int File_ReadPieces(int fd, std::int64_t first, std::int64_t stride, int count, int width, char* out) {
    if (fd < 0 || first < 0 || stride < 0 || count <= 0 || width <= 0) return 0;
    const TAllowed allowed = Allowed(TFileOp::Read, fd, std::int64_t{count} * width);
    if (allowed.Kill) ::raise(SIGKILL);
    count = static_cast<int>(std::min<std::int64_t>(count, allowed.Bytes / width));
    return count > 0 ? FilePieces_Read(fd, first, stride, count, width, out) : 0;
}

bool File_Sync(int fd) { return fd >= 0 && Counted(TFileOp::Sync, false, [&] { return ::fsync(fd) == 0; }); }

bool File_Close(int fd) { return fd >= 0 && ::close(fd) == 0; }

bool File_Truncate(int fd, std::int64_t size) {
    if (fd < 0 || size < 0) return false;
    return Counted(TFileOp::Truncate, false, [&] {
        int r;
        do {
            r = ::ftruncate(fd, static_cast<off_t>(size));
        } while (r != 0 && errno == EINTR);
        return r == 0;
    });
}

bool File_Rename(const std::string& from, const std::string& to) {
    return Counted(TFileOp::Rename, false, [&] {
        const std::string target = Platform_HostPath(to);
        struct stat st;
        if (::stat(target.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) return false;
        return ::rename(Platform_HostPath(from).c_str(), target.c_str()) == 0;
    });
}

bool File_Remove(const std::string& path) {
    return Counted(TFileOp::Remove, false, [&] { return ::unlink(Platform_HostPath(path).c_str()) == 0; });
}

bool Dir_Sync(const std::string& path) {
    // A flush like File_Sync's, counted with them, so that tests can fail it.
    return Counted(TFileOp::Sync, false, [&] {
        int fd;
        do {
            fd = ::open(Platform_HostPath(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        } while (fd < 0 && errno == EINTR);
        if (fd < 0) return false;
        const bool ok = ::fsync(fd) == 0 || errno == EINVAL || errno == ENOTSUP;
        ::close(fd);
        return ok;
    });
}

bool File_Exists(const std::string& path) {
    struct stat st;
    return ::stat(Platform_HostPath(path).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool Dir_Exists(const std::string& path) {
    struct stat st;
    return ::stat(Platform_HostPath(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool Path_Taken(const std::string& path) {
    struct stat st;
    return ::lstat(Platform_HostPath(path).c_str(), &st) == 0 || errno != ENOENT;
}
