// Start-up over what an interrupted or odd run left in Data: a half-written
// record with its journal, scratch files of rewrites that never finished,
// and paths that hold something other than a regular file.
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "platform/File.h"
#include "store/Denpyou.h"
#include "store/Hinsyu.h"
#include "store/Jisya.h"
#include "store/Journal.h"
#include "store/Kokyaku.h"
#include "store/Syouhin.h"
#include "store/Tanni.h"
#include "tests/app/ShellFixture.h"

namespace {

std::string Document(int no, const char* customer) {
    std::string number = std::to_string(no);
    number.insert(0, 10 - number.size(), ' ');
    return Record(23000, {{0, std::string(1, DenpyouKind_Mitumori)}, {1, number}, {11, customer}});
}

std::string Padded(std::string text, size_t width) {
    text.resize(width, ' ');
    return text;
}

class StartupRecovery : public ShellTest {};

// The process was killed while it rewrote document 2: its journal is on
// disk and the record holds the first part of the new bytes.
TEST_F(StartupRecovery, StartUpRollsBackARecordLeftHalfWritten) {
    const std::string stored = Document(1, "A社") + Document(2, "B社");
    ASSERT_TRUE(Session.WriteFile("Data\\Denpyou.620", stored));
    Platform_SetProgramDir(Session.Folder());
    const int fd = File_OpenReadWrite("Data\\Denpyou.620");
    ASSERT_GE(fd, 0);
    ASSERT_TRUE(Journal_Keep("Data\\Denpyou.620", fd, 23000, stored.data() + 23000, 23000, 46000));
    File_Close(fd);
    std::string torn = stored;
    torn.replace(23000, 300, Document(2, "C社").substr(0, 300));
    ASSERT_TRUE(Session.WriteFile("Data\\Denpyou.620", torn));

    Start();
    EXPECT_EQ(Session.ReadFile("Data\\Denpyou.620"), stored);
    EXPECT_FALSE(Session.FileExists("Data\\Denpyou.620.jnl"));
    EXPECT_EQ(Caption("Label_DenpyouDs"), "2");
}

// The backup folder's record, written in place under its journal (no
// scratch file could be made), was cut off by a kill: the path comes back
// whole, not half of the new one.
TEST_F(StartupRecovery, StartUpRollsBackTheBackupFolderRecordLeftHalfWritten) {
    const std::string stored = Padded("/media/usb/old", 255);
    ASSERT_TRUE(Session.WriteFile("Data\\BackupFolder.500", stored));
    Platform_SetProgramDir(Session.Folder());
    const int fd = File_OpenReadWrite("Data\\BackupFolder.500");
    ASSERT_GE(fd, 0);
    ASSERT_TRUE(Journal_Keep("Data\\BackupFolder.500", fd, 0, stored.data(), 255, 255));
    File_Close(fd);
    ASSERT_TRUE(Session.WriteFile("Data\\BackupFolder.500", Padded("/media/usb/ne", 255)));

    Start();
    EXPECT_EQ(Session.ReadFile("Data\\BackupFolder.500"), stored);
    EXPECT_FALSE(Session.FileExists("Data\\BackupFolder.500.jnl"));
}

// Scratch files of rewrites that never finished go; the copy of the last
// purge, data files and files the program does not make stay, as does a
// scratch name that is no regular file.
TEST_F(StartupRecovery, StartUpRemovesTheScratchFilesOfUnfinishedRewrites) {
    for (const char* leftover : {"Data\\Kokyaku.620.new", "Data\\Denpyou.620.new", "Data\\Denpyou.del.new",
                                 "Data\\Kokyaku.del.new", "Data\\BackupFolder.500.new"})
        ASSERT_TRUE(Session.WriteFile(leftover, "partial"));
    for (const char* kept : {"Data\\Denpyou.del", "Data\\Kokyaku.del", "Data\\Memo.new", "Data\\Hinsyu.620.new\\x"})
        ASSERT_TRUE(Session.WriteFile(kept, "kept"));
    Start();
    for (const char* leftover : {"Data\\Kokyaku.620.new", "Data\\Denpyou.620.new", "Data\\Denpyou.del.new",
                                 "Data\\Kokyaku.del.new", "Data\\BackupFolder.500.new"})
        EXPECT_FALSE(Session.FileExists(leftover)) << leftover;
    for (const char* kept : {"Data\\Denpyou.del", "Data\\Kokyaku.del", "Data\\Memo.new", "Data\\Hinsyu.620.new\\x"})
        EXPECT_EQ(Session.ReadFile(kept), "kept") << kept;
}

// A FIFO at every data path: start-up and exit go through without waiting
// on one, and none of them is created over.
TEST(DataPaths, AFifoIsNeitherWaitedOnNorCreatedOver) {
    THeadlessSession session;
    const char* const names[] = {"Denpyou.620", "Kokyaku.620",  "Hinsyu.620",      "Syouhin.620",
                                 "Tanni.620",   "Jisya.620",    "BackupFolder.500"};
    for (const char* name : names) ASSERT_EQ(mkfifo((session.Folder() + "Data/" + name).c_str(), 0600), 0);
    alarm(30);  // a start that waits on a FIFO ends the test here
    ASSERT_TRUE(session.Start());
    EXPECT_EQ(Denpyou_Count, 0);
    EXPECT_EQ(Kokyaku_Count, 0);
    EXPECT_EQ(Syouhin_Count, 0);
    EXPECT_EQ(Jisya_Count, 0);
    EXPECT_EQ(Tanni_Count, 0);
    EXPECT_EQ(session.TextOf("Label_DenpyouDs"), "0");
    session.Click("Label_Job_10");
    EXPECT_TRUE(session.Exited());
    alarm(0);
    for (const char* name : names) {
        struct stat st;
        ASSERT_EQ(lstat((session.Folder() + "Data/" + name).c_str(), &st), 0) << name;
        EXPECT_TRUE(S_ISFIFO(st.st_mode)) << name;
    }
}

}  // namespace
