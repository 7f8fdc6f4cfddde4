// The backup folder: its counts, "LastExecDay.620", its record.
#include "platform/FileFault.h"
#include "tests/settings/BackupFixture.h"

namespace {

// The counts are each copy's whole records, 0 for a missing one; a folder
// holding "LastExecDay.620" leaves the counts as they were.
TEST_F(BackupTest, FolderCountsItsCopies) {
    folder.Write("usb/Kokyaku.625", Blanks(3 * Kokyaku_RecLen + 7));
    folder.Write("usb/Denpyou.625", Blanks(2 * Denpyou_RecLen));
    TBackupCounts counts{9, 9, 9};
    EXPECT_TRUE(BackUp_CheckFolder(usb, counts));
    EXPECT_EQ(counts.Kokyaku, 3);
    EXPECT_EQ(counts.Syouhin, 0);
    EXPECT_EQ(counts.Denpyou, 2);

    folder.Write("usb/LastExecDay.620", "");
    counts = {9, 9, 9};
    EXPECT_FALSE(BackUp_CheckFolder(usb, counts));
    EXPECT_EQ(counts.Kokyaku, 9);
    EXPECT_EQ(counts.Denpyou, 9);
}

// A run starts only in an existing folder whose path fits the record; the
// record takes a path of 255 bytes whole, with no line feed, and is never
// created.
TEST_F(BackupTest, FolderPathFitsTheRecord) {
    EXPECT_TRUE(BackUp_FolderReady(usb));
    EXPECT_FALSE(BackUp_FolderReady(""));
    EXPECT_FALSE(BackUp_FolderReady(usb + "/gone"));
    folder.Write("file", "x");
    EXPECT_FALSE(BackUp_FolderReady(folder.Path("file")));

    std::string longest = usb + "/";
    longest += std::string(255 - longest.size(), 'd');
    folder.MakeDir("usb/" + longest.substr(usb.size() + 1));
    EXPECT_TRUE(BackUp_FolderFits(longest));
    EXPECT_TRUE(BackUp_FolderReady(longest));
    EXPECT_FALSE(BackUp_FolderFits(longest + "e"));

    EXPECT_EQ(BackUp_WriteFolderRecord(longest), "");
    EXPECT_FALSE(folder.Exists("Data/BackupFolder.500"));
    folder.Write("Data/BackupFolder.500", Blanks(255));
    EXPECT_EQ(BackUp_WriteFolderRecord(longest), "");
    EXPECT_EQ(Data("BackupFolder.500"), longest);
    FileFault_DiskFull(100);
    EXPECT_EQ(BackUp_WriteFolderRecord(usb), "BackupFolder.500を保存できませんでした。");
    FileFault_Reset();
    EXPECT_EQ(Data("BackupFolder.500"), longest);
}

}  // namespace
