// The journal of a write into a data file: before a record (or a field) is
// written, the bytes of the file it overwrites, the file's size and the
// file's identity go into a small file beside it ("Data\Denpyou.620.jnl"),
// on disk; an append keeps no bytes, only the size. A write that then fails
// puts them back (and cuts the file to its old size); one that succeeds is
// flushed and drops the journal. So the file always ends up with either the
// old bytes or the new ones, also when the process is killed in the middle:
// start-up rolls back a journal that is still there.
//
// A journal is complete only when its checksum closes it; the data file is
// not touched before that, so an incomplete or damaged journal is simply
// removed. A journal is rolled back only into the file it was made for: one
// whose file has been replaced since (another file put in its place, or
// one of a size the write could not have left) is removed without touching
// that file.
#pragma once

#include <cstdint>
#include <string>

// The journal's name beside path.
std::string Journal_Path(const char* path);
// Before the open file fd (path) is written from byte `at` on, by a write
// that leaves it at most grownTo bytes long: keeps the `held` bytes `old`
// that the file holds from `at` on and that the write overwrites (none for
// an append), with the file's size and identity, in the journal on disk.
// A journal of an earlier write that is still there is rolled back first
// (Journal_Settle). false: no journal could be made, and the write must not
// go ahead.
bool Journal_Keep(const char* path, int fd, std::int64_t at, const char* old, std::int64_t held,
                  std::int64_t grownTo);
// The write went through and fd is on disk: the journal goes. A journal that
// can be neither removed, emptied nor marked done would undo the write at
// the next start; the write is then put back instead (Journal_PutBack) and
// false returned: the write counts as failed.
bool Journal_Drop(const char* path, int fd);
// The write failed: the kept bytes go back into fd and the file is cut to
// its old size. The journal goes when that worked; otherwise it stays
// pending, and the file counts as one that cannot be opened until it has
// been rolled back (Journal_Settle, start-up). Returns whether put back.
bool Journal_PutBack(const char* path, int fd);
// Whether path is free of a pending journal; one left by a failed put-back
// is rolled back first. Every record-file operation asks this before it
// opens the file, so nothing reads a half-written record.
bool Journal_Settle(const char* path);
// Rolls back a journal found beside path (left by a process that ended in
// the middle of a write): the old bytes go back and the journal goes. An
// incomplete or damaged journal, or one made for another file than the one
// now at path, is removed without touching the file. Returns whether path
// is now free of a journal.
bool Journal_RollBack(const char* path);
