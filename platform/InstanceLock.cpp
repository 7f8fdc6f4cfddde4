#include "platform/InstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/File.h"

namespace {

int g_lockFd = -1;

// Whether the folder part of the host path names nothing at all.
bool FolderMissing(const std::string& host) {
    const size_t slash = host.rfind('/');
    if (slash == std::string::npos) return false;
    struct stat st {};
    return lstat(host.substr(0, slash + 1).c_str(), &st) != 0 && errno == ENOENT;
}

}  // namespace

TInstanceLock InstanceLock_Take(const std::string& path) {
    InstanceLock_Release();
    const std::string host = Platform_HostPath(path);
    // Close-on-exec: a program started from here (the manual's viewer) must
    // not keep the folder locked after this one ends. Non-blocking: a FIFO in
    // the lock's place must not hold up the start.
    int fd = open(host.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0644);
    if (fd < 0 && (errno == EACCES || errno == EROFS))  // a read-only folder: the lock works all the same
        fd = open(host.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return FolderMissing(host) ? TInstanceLock::NoFolder : TInstanceLock::Unavailable;
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd);
        return TInstanceLock::Unavailable;
    }
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK;
        close(fd);
        return held ? TInstanceLock::HeldElsewhere : TInstanceLock::Unavailable;
    }
    g_lockFd = fd;
    return TInstanceLock::Taken;
}

void InstanceLock_Release() {
    if (g_lockFd < 0) return;
    close(g_lockFd);  // closing the only description drops the lock
    g_lockFd = -1;
}
