// The journal of a write over stored bytes: before a record (or a field) that
// a file already holds is overwritten, its old bytes and the file's size go
// into a small file beside it ("Data\Denpyou.620.jnl"), on disk. A write
// that then fails puts them back; one that succeeds is flushed and drops the
// journal. So the file always ends up with either the old bytes or the new
// ones, also when the process is killed in the middle: start-up rolls back a
// journal that is still there.
//
// A journal is complete only when its checksum closes it; the data file is
// not touched before that, so an incomplete journal is simply removed.
#pragma once

#include <cstdint>
#include <string>

// The journal's name beside path.
std::string Journal_Path(const char* path);
// Before bytes [at, at + length) of the open file fd (path) are overwritten:
// keeps those the file holds, and its size, in the journal on disk. An older
// journal of path is rolled back first. false: no journal could be made, and
// the write must not go ahead.
bool Journal_Keep(const char* path, int fd, std::int64_t at, std::int64_t length);
// The write went through and is on disk: the journal goes.
void Journal_Drop(const char* path);
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
// incomplete journal is removed without touching the file. Returns whether
// path is now free of a journal.
bool Journal_RollBack(const char* path);
