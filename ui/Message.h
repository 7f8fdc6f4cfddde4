// The messages every screen shows in the same words.
#pragma once

// "<file>を保存できませんでした。" for a data file (a system path such as
// "Data\Denpyou.620", named by its file name): a write the user asked for
// did not reach the file.
void Message_NotSaved(const char* path);
