// "Data\BackupFolder.500": the backup folder's path, one record of 255 bytes
// filled out with blanks, no line feed.
#pragma once

constexpr int BackupFolder_RecLen = 255;
constexpr const char* BackupFolder_FileName = "Data\\BackupFolder.500";

// folder (BackupFolder_RecLen + 1 bytes) := the stored path without its
// trailing blanks and NULs (a blank inside the path stays). A missing record
// is created with 255 blanks, and the path is then empty.
void BackupFolder_Load(char* folder);
// Rewrites the existing record with the path (cut to 255 bytes, blank
// filled), as a whole: a write that fails leaves the record as it was.
// Returns false when the file does not open or was not written.
bool BackupFolder_Save(const char* folder);
