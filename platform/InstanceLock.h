// The lock that tells a second copy of the program that a program folder is
// already in use. It is an advisory lock on a file, held for as long as the
// process runs; the system drops it when the process ends, however it ends,
// so a crash never leaves a stale lock behind.
#pragma once

#include <string>

enum class TInstanceLock {
    Taken,          // this process holds the lock now
    HeldElsewhere,  // another process holds it
    NoFolder,       // the folder that would hold the file does not exist
    Unavailable,    // no lock can be had here (not a regular file, no
                    // permission, a file system without locks): whether
                    // another process uses the folder cannot be told
};

// Takes the lock on the file at path (a system path as for File_OpenRead),
// creating the file when it is missing; its contents are never read or
// written. A lock this process held before is given up first. Never waits.
TInstanceLock InstanceLock_Take(const std::string& path);
// Gives up the lock this process holds, if any (a headless session ending).
void InstanceLock_Release();
