// The messages every screen shows in the same words.
#pragma once

#include <string>

// "<file>を保存できませんでした。" for a data file (a system path such as
// "Data\Denpyou.620", named by its file name; a bare name stays whole).
std::string Message_NotSavedText(const char* path);
// That text shown: a write the user asked for did not reach the file.
void Message_NotSaved(const char* path);
// "<file>を読み込めませんでした。", named as Message_NotSavedText names it.
std::string Message_NotReadText(const char* path);
// That text shown: work the user asked for stopped at a file it could not read.
void Message_NotRead(const char* path);
// A write of the exit (a save of data that lives only in memory, a sort, the
// purge): true when it was written, or when nothing at all stands at path
// (no Data folder: it never held anything). Otherwise the user is told
// (Message_NotSaved); false when a file stands there (ending now would lose
// what the file lacks: a save stops the exit), true when what stands there
// is no file (a folder, a FIFO, a link to nowhere: no file to keep, the exit
// goes on).
bool Message_CheckSaved(const char* path, bool written);
