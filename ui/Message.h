// The messages every screen shows in the same words.
#pragma once

#include <string>

// "<file>を保存できませんでした。" for a data file (a system path such as
// "Data\Denpyou.620", named by its file name; a bare name stays whole).
std::string Message_NotSavedText(const char* path);
// That text shown: a write the user asked for did not reach the file.
void Message_NotSaved(const char* path);
// A save of data that lives only in memory (at exit): true when it was
// written, or when no file stands at path at all (no Data folder: it never
// held anything); else the user is told (Message_NotSaved) and false.
bool Message_CheckSaved(const char* path, bool written);
