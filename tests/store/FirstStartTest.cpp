// The data part of start-up in an empty program folder: exactly the files
// that a later run and other machines expect, and nothing at all when the
// Data folder is missing.
#include <gtest/gtest.h>

#include <cstdio>

#include "TestFolder.h"
#include "store/BackupFolder.h"
#include "tests/store/StoreTest.h"

namespace {

TEST(FirstStart, CreatesEveryMissingFile) {
    TestFolder folder;
    Store_StartData();
    char backup[BackupFolder_RecLen + 1];
    BackupFolder_Load(backup);

    EXPECT_EQ(folder.Size("Data/Denpyou.620"), 0);
    EXPECT_EQ(folder.Size("Data/Kokyaku.620"), 0);
    EXPECT_EQ(folder.Size("Data/Syouhin.620"), 0);
    EXPECT_EQ(folder.Read("Data/Tanni.620"), Rec(10));
    EXPECT_EQ(folder.Read("Data/Jisya.620"), Rec(1000));
    EXPECT_EQ(folder.Read("Data/BackupFolder.500"), Blanks(255));
    std::string categories = Recs(100, [](int i) {
        char no[12];
        std::snprintf(no, sizeof no, "%3d", i + 1);
        return Rec(100, {{51, no}});
    });
    EXPECT_EQ(folder.Read("Data/Hinsyu.620"), categories);
    EXPECT_EQ(folder.Read("Data/Hinsyu.620").substr(6 * 100 + 51, 3), "  7");
    EXPECT_EQ(folder.List("Data"), (std::vector<std::string>{"BackupFolder.500", "Denpyou.620", "Hinsyu.620",
                                                             "Jisya.620", "Kokyaku.620", "Syouhin.620",
                                                             "Tanni.620"}));

    EXPECT_EQ(Denpyou_Count, 0);
    EXPECT_EQ(Kokyaku_Count, 0);
    EXPECT_EQ(Syouhin_Count, 0);
    EXPECT_EQ(Tanni_Count, 0);
    EXPECT_EQ(Hinsyu_Count, 0);
    EXPECT_STREQ(Hinsyu_No[0], "  1");
    EXPECT_STREQ(Hinsyu_No[99], "100");
    EXPECT_STREQ(Hinsyu_Name[99], Blanks(40).c_str());
    EXPECT_STREQ(backup, "");
    EXPECT_EQ(Seiri_Mode, 0);
    EXPECT_STREQ(Jisya_Field[JisyaField_Hozon], "40");

    // A second start reads what the first one wrote and changes nothing.
    Store_StartData();
    EXPECT_EQ(folder.Read("Data/Hinsyu.620"), categories);
    EXPECT_EQ(folder.Read("Data/Tanni.620"), Rec(10));
    EXPECT_EQ(folder.Read("Data/Jisya.620"), Rec(1000));
}

TEST(FirstStart, WithoutADataFolderNothingIsCreated) {
    TestFolder folder(TestFolder::WithoutData);
    Store_StartData();
    char backup[BackupFolder_RecLen + 1];
    BackupFolder_Load(backup);
    EXPECT_TRUE(folder.List().empty());
    EXPECT_EQ(Denpyou_Count, 0);
    EXPECT_EQ(Kokyaku_Count, 0);
    EXPECT_EQ(Syouhin_Count, 0);
    EXPECT_EQ(Tanni_Count, 0);
    EXPECT_EQ(Hinsyu_Count, 0);
    EXPECT_EQ(Jisya_Count, 0);
    EXPECT_STREQ(backup, "");
    // The saves at exit do not create anything either.
    Tanni_Save();
    Hinsyu_Save();
    Hinsyu_SortFile();
    Kokyaku_SortFile();
    Syouhin_SortFile();
    EXPECT_FALSE(Jisya_WriteRecord());
    EXPECT_FALSE(Denpyou_WriteRecord(1));
    EXPECT_TRUE(folder.List().empty());
}

}  // namespace
