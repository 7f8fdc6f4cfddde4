// Files with the paths the system writes ("Data\Jisya.620"): backslashes are
// mapped to the host's separator, names are CP932 and converted for the disk,
// and relative paths resolve under the program folder. The process's current
// directory is never used or changed.
#pragma once

#include <cstdint>
#include <string>

// The program folder (host form, ending in '/'); set once at start-up.
void Platform_SetProgramDir(const std::string& hostDir);
const std::string& Platform_ProgramDir();
// The folder of the running executable (host form, ending in '/').
std::string Platform_ExeDir();

// A system path (CP932, backslashes, absolute or relative to the program
// folder) in the host's form (UTF-8, '/').
std::string Platform_HostPath(const std::string& path);
// A folder the user chose (the backup folder) is a host path already: UTF-8
// names as they stand on the disk, which CP932 may not be able to spell.
// Platform_AsIs wraps such a path so that every function here takes it as it
// stands, unconverted and unmapped (Platform_HostPath gives it back).
std::string Platform_AsIs(const std::string& hostPath);
// The file `name` (CP932, as the system spells it) in a host folder: the
// folder, a '/' unless it ends in one, then the name in UTF-8; wrapped as
// Platform_AsIs wraps.
std::string Platform_InFolder(const std::string& hostFolder, const std::string& name);

// File handles are ints; -1 is failure. Only regular files open: a folder,
// a FIFO or a device at the path fails at once, is never waited on, and is
// never created over.
int File_OpenRead(const std::string& path);
int File_OpenReadWrite(const std::string& path);  // existing files only
int File_Create(const std::string& path);         // new or emptied, read and write
std::int64_t File_Seek(int fd, std::int64_t offset, int origin = 0);  // 0 start, 1 current, 2 end
std::int64_t File_Size(int fd);
// What tells from outside whether an open file's contents may have changed:
// its size, modification and status-change times and identity (a rename over
// the path gives another inode). Equal stamps are no proof of equal contents
// (times are coarse), but a differing stamp means the file was touched.
struct TFileStamp {
    std::int64_t Size = -1;  // -1: not known (the handle is not open)
    std::int64_t ModifiedNs = 0, ChangedNs = 0;
    std::uint64_t Device = 0, Inode = 0;
    bool operator==(const TFileStamp&) const = default;
};
TFileStamp File_Stamp(int fd);
// Reads or writes up to n bytes; returns the bytes moved (short at the end of
// a file; a write that returns less than n failed).
std::int64_t File_Read(int fd, void* buf, std::int64_t n);
std::int64_t File_Write(int fd, const void* buf, std::int64_t n);
// Reads width bytes at each of count offsets first, first + stride,
// first + 2 x stride, ... into out (count x width bytes), the file position
// left alone: one small piece of each of many long records. The reads go to
// the kernel together (io_uring; where the system has none, one by one with
// the pieces not in memory asked for ahead: platform/FilePieces.h). Returns
// how many pieces were read whole, from the first on (fewer at
// the end of the file or when a read fails). For planned faults the call is
// one read of count x width bytes: a fault cuts it to the whole pieces that
// its bytes allow.
int File_ReadPieces(int fd, std::int64_t first, std::int64_t stride, int count, int width, char* out);
bool File_Close(int fd);
// Cuts the open file back to size bytes (or lengthens it with zero bytes).
bool File_Truncate(int fd, std::int64_t size);
// Forces the file's data to the disk (before a rename replaces another file).
bool File_Sync(int fd);
// Renames from over to (replacing it at once; a `to` that is there but is
// not a regular file is never replaced), or removes a file.
bool File_Rename(const std::string& from, const std::string& to);
bool File_Remove(const std::string& path);

// Forces a folder's entries to the disk (after a rename in it). A file system
// that has no such thing to force counts as done.
bool Dir_Sync(const std::string& path);

bool File_Exists(const std::string& path);
bool Dir_Exists(const std::string& path);
// Whether anything at all stands at path: a file of any kind, a folder, a link.
bool Path_Taken(const std::string& path);
