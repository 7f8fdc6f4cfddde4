// The backup folder record: the path read without its blank fill.
#include <gtest/gtest.h>

#include "TestFolder.h"
#include "store/BackupFolder.h"
#include "tests/store/StoreTest.h"

namespace {

TEST(BackupFolderRecord, ReadsThePathWithoutItsFill) {
    TestFolder folder;
    const struct {
        std::string record;
        const char* path;
    } cases[] = {
        {"/media/usb/backup" + Blanks(255 - 17), "/media/usb/backup"},
        {"/media/usb/My Backup" + Blanks(255 - 20), "/media/usb/My Backup"},  // a blank inside stays
        {"/mnt/b" + std::string(20, '\0') + Blanks(229), "/mnt/b"},
        {"/mnt/b  " + std::string(1, '\0') + Blanks(246), "/mnt/b"},
        {Blanks(255), ""},
        {"/short", "/short"},  // a record cut short
        {"", ""},              // an empty file stays empty
    };
    for (const auto& c : cases) {
        folder.Write("Data/BackupFolder.500", c.record);
        char path[BackupFolder_RecLen + 1];
        BackupFolder_Load(path);
        EXPECT_STREQ(path, c.path);
        EXPECT_EQ(folder.Read("Data/BackupFolder.500"), c.record);
    }
}

TEST(BackupFolderRecord, SaveRewritesTheExistingRecordOnly) {
    TestFolder folder;
    EXPECT_FALSE(BackupFolder_Save("/media/usb"));
    EXPECT_FALSE(folder.Exists("Data/BackupFolder.500"));
    folder.Write("Data/BackupFolder.500", Blanks(255));
    EXPECT_TRUE(BackupFolder_Save("/media/usb"));
    EXPECT_EQ(folder.Read("Data/BackupFolder.500"), "/media/usb" + Blanks(245));
}

}  // namespace
