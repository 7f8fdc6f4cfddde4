// Files of one folder that take their new contents together: all of them or
// none, also when the process is killed at any point on the way (the copies
// of a backup, the data files a restore brings back).
//
// Each member's new contents are first written whole to its scratch file
// ("Kokyaku.625.new", Record_ScratchPath) and forced to the disk by the
// caller. FileSet_Put then writes the set's record in the folder
// ("FileSet.rec": the members, whether each was there before, the size of
// its scratch file, a checksum), which is the point from which the set goes
// in; then every member is moved aside ("Kokyaku.625.old") and its scratch
// file renamed into its place, and the folder is flushed. Only then do the
// old files and the record go. A rename or flush that fails turns the record
// to "back" and puts every member back. FileSet_Recover, run before anything
// reads the folder, finishes what a killed process left: forward or back as
// the record says; without a record no member was touched, and the scratch
// files are removed. A record that does not check was never put in place
// whole and counts as none.
#pragma once

#include <string>
#include <vector>

// The record's name in the folder.
inline constexpr const char* FileSet_RecordName = "FileSet.rec";

// The file `name` (CP932, as the program spells it) of a folder (a host
// path), as the file functions take it.
std::string FileSet_Path(const std::string& folder, const std::string& name);

// The scratch files of the members `names` go in as one set. true when
// every member holds its new contents (the old files and the record are
// then removed, or left for FileSet_Recover when a removal failed). false
// when the set did not go in: every member as it was and the scratch files
// gone, or, when putting a member back failed too, the record left for the
// next FileSet_Recover to finish. `concerned` gets the members the failure
// is about: the one whose rename failed, or all of them.
bool FileSet_Put(const std::string& folder, const std::vector<std::string>& names,
                 std::vector<std::string>& concerned);
// Removes the members' scratch files (a set given up before it went in).
void FileSet_Discard(const std::string& folder, const std::vector<std::string>& names);
// Finishes a set a killed process or a failed roll-back left in the folder:
// the record read, each member forward to its new contents or back to its
// old ones as it says, the old files and the record removed; without a
// record, the scratch files of `names` (every name a set of the folder may
// hold) and of the record are removed. Safe to be killed and run again.
// true when the folder is free of a record; otherwise `concerned` names
// the record's members.
bool FileSet_Recover(const std::string& folder, const std::vector<std::string>& names,
                     std::vector<std::string>& concerned);
// Whether a record stands in the folder (one that checks or not).
bool FileSet_Pending(const std::string& folder);
