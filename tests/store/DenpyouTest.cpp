// The document file: its count and tidy-up state, the lookup by number, the
// write result and the purge of deleted documents.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "TestFolder.h"
#include "tests/store/StoreTest.h"

namespace {

std::string Doc(char kind, int no, const char* year = "2025") {
    char number[11];
    std::snprintf(number, sizeof number, "%10d", no);
    return Rec(Denpyou_RecLen, {{0, std::string(1, kind)}, {1, number}, {251, year}, {22998, "E"}});
}

class Documents : public ::testing::Test {
protected:
    void SetUp() override {
        Store_StartData(2026, 12, 10);
        Denpyou_Count = 0;
    }
    void Open(const std::string& file) {
        folder.Write("Data/Denpyou.620", file);
        Denpyou_Open();
    }
    std::string Buffer() const { return std::string(Denpyou_RecBuf.begin(), Denpyou_RecBuf.end()); }
    TestFolder folder;
};

TEST_F(Documents, CountIncludesACutShortLastRecord) {
    Open(Doc('1', 1) + Doc('1', 2));
    EXPECT_EQ(Denpyou_Count, 2);
    Open(Doc('1', 1) + Doc('1', 2) + Blanks(100));
    EXPECT_EQ(Denpyou_Count, 3);
}

TEST_F(Documents, TheThresholdIsAlwaysFortyYears) {
    std::strcpy(Jisya_Field[12], "10");
    Open(Doc('1', 1, "2000"));
    EXPECT_STREQ(Jisya_Field[12], "40");
    EXPECT_EQ(Seiri_Year, 1986);
    EXPECT_EQ(Seiri_Mode, 0);
}

TEST_F(Documents, OldDocumentsCallForATidyUp) {
    const struct {
        const char* year;
        int mode;
    } cases[] = {{"1985", 1}, {"1986", 0}, {"    ", 0}, {"   0", 0}, {"2026", 0}};
    for (const auto& c : cases) {
        Open(Doc('1', 1, "2020") + Doc('2', 2, c.year));
        EXPECT_EQ(Seiri_Mode, c.mode) << "year [" << c.year << "]";
    }
}

TEST_F(Documents, MoreThanThirtyThousandDocumentsCallForATidyUp) {
    folder.Resize("Data/Denpyou.620", std::int64_t{30000} * Denpyou_RecLen);
    Denpyou_Open();
    EXPECT_EQ(Denpyou_Count, 30000);
    EXPECT_EQ(Seiri_Mode, 0);
    folder.Resize("Data/Denpyou.620", std::int64_t{30001} * Denpyou_RecLen);
    Denpyou_Open();
    EXPECT_EQ(Denpyou_Count, 30001);
    EXPECT_EQ(Seiri_Mode, 2);
}

TEST_F(Documents, FindByNumberLeavesTheRecordInTheBuffer) {
    Open(Doc('1', 1) + Doc('0', 2) + Doc('2', 5) + Doc('3', 6));
    EXPECT_EQ(Denpyou_FindRecordByNo("5"), 3);
    EXPECT_EQ(Buffer(), Doc('2', 5));
    EXPECT_EQ(Denpyou_FindRecordByNo("         2"), 2);  // deleted ones count
    EXPECT_EQ(Denpyou_FindRecordByNo("9"), 0);
    EXPECT_EQ(Buffer(), Doc('3', 6));  // the last record looked at
    Denpyou_Count = 0;
    EXPECT_EQ(Denpyou_FindRecordByNo("1"), 0);
}

TEST_F(Documents, WriteReportsAMissingFileAndAShortWrite) {
    Open(Doc('1', 1));
    Denpyou_ClearRecord();
    EXPECT_TRUE(Denpyou_WriteRecord(2));
    EXPECT_EQ(folder.Size("Data/Denpyou.620"), 2 * Denpyou_RecLen);
    folder.Remove("Data/Denpyou.620");
    EXPECT_FALSE(Denpyou_WriteRecord(1));
    EXPECT_FALSE(folder.Exists("Data/Denpyou.620"));
    // A write that comes up short.
    folder.Write("Data/Denpyou.620", Doc('1', 1));
    FileFault_Plan(TFileOp::Write, 1, 100);
    EXPECT_FALSE(Denpyou_WriteRecord(2));
    EXPECT_EQ(folder.Read("Data/Denpyou.620"), Doc('1', 1));  // the append is cut back
}

TEST_F(Documents, PurgeKeepsTheOtherDocumentsInOrder) {
    Open(Doc('1', 1) + Doc('0', 2) + Doc('2', 3) + Doc('0', 4) + Doc(' ', 5));
    Denpyou_PurgeDeleted();
    const std::string kept = Doc('1', 1) + Doc('2', 3) + Doc(' ', 5);
    EXPECT_EQ(folder.Read("Data/Denpyou.620"), kept);
    EXPECT_EQ(folder.Read("Data/Denpyou.del"), kept);
    EXPECT_FALSE(folder.Exists("Data/Denpyou.620.new"));
    EXPECT_EQ(Buffer(), Doc(' ', 5));
    EXPECT_EQ(Denpyou_Count, 5);  // the purge is the last work before the end
}

TEST_F(Documents, PurgeWithNothingOrEverythingDeletedChangesNothing) {
    for (char kind : {'1', '0'}) {
        const std::string file = Doc(kind, 1) + Doc(kind, 2);
        Open(file);
        Denpyou_PurgeDeleted();
        EXPECT_EQ(folder.Read("Data/Denpyou.620"), file);
        EXPECT_FALSE(folder.Exists("Data/Denpyou.del"));
    }
}

TEST_F(Documents, APurgeThatFailsLeavesTheFileWhole) {
    const std::string file = Doc('1', 1) + Doc('0', 2) + Doc('2', 3);
    Open(file);
    folder.MakeDir("Data/Denpyou.620.new/x");  // the new file cannot be made
    Denpyou_PurgeDeleted();
    EXPECT_EQ(folder.Read("Data/Denpyou.620"), file);
    EXPECT_FALSE(folder.Exists("Data/Denpyou.del"));
    folder.Remove("Data/Denpyou.620.new");
    folder.MakeDir("Data/Denpyou.del/x");  // nor the scratch copy
    Denpyou_PurgeDeleted();
    EXPECT_EQ(folder.Read("Data/Denpyou.620"), file);
    EXPECT_FALSE(folder.Exists("Data/Denpyou.620.new"));
}

// A purge cut off by a failing disk at any of its writes: the document file
// and the copy of the last purge stay as they were, and no scratch file is
// left behind.
TEST_F(Documents, AFailedPurgeLeavesNoPartialCopy) {
    const std::string file = Doc('1', 1) + Doc('0', 2) + Doc('2', 3);
    for (int nth : {1, 2}) {
        SCOPED_TRACE(nth);
        Open(file);
        folder.Write("Data/Denpyou.del", "the copy of the last purge");
        FileFault_Plan(TFileOp::Write, nth, 1000);
        Denpyou_PurgeDeleted();
        EXPECT_EQ(folder.Read("Data/Denpyou.620"), file);
        EXPECT_EQ(folder.Read("Data/Denpyou.del"), "the copy of the last purge");
        EXPECT_EQ(folder.List("Data"), (std::vector<std::string>{"Denpyou.620", "Denpyou.del",
                                                                 "Hinsyu.620", "Jisya.620", "Kokyaku.620",
                                                                 "Syouhin.620", "Tanni.620"}));
        FileFault_Reset();
    }
}

}  // namespace
