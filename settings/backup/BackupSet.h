// The files of a run go in as one set (store/FileSet.h): a save's copies and
// CSV files into the backup folder, a restore's data files into Data. Each
// step of the run writes its files to their scratch files and names them
// here; once every step went through, they all take their places together,
// and a run that fails on the way leaves every file as it was.
#pragma once

#include <string>
#include <vector>

struct TBackupSet {
    std::string Folder;              // a host path
    std::vector<std::string> Names;  // the files written so far (CP932)
};

// The set goes in. "" or the text naming the files concerned (every file
// then as it was, or left for the folder's recovery to finish).
std::string BackUp_PutSet(const TBackupSet& set);
// The set is given up: its scratch files go.
void BackUp_DiscardSet(const TBackupSet& set);
// The text of files not written: "Kokyaku.625、Syouhin.625を保存できませんでした。".
std::string BackUp_NotSavedText(const std::vector<std::string>& names);

// Every file a save puts into the backup folder: the six copies and the
// two CSV files.
std::vector<std::string> BackUp_SetNames();
// The backup folder put right before anything reads or writes it: a set a
// save killed on the way left goes forward or back, its scratch files go;
// nothing else of the folder is touched, since it is the user's own.
// Nothing when the folder is not there. "" or the text naming the files of
// a set that could not be finished (a run then must not use the folder).
std::string BackUp_SettleFolder(const std::string& folder);
