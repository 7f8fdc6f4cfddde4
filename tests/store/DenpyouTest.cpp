// The document file: its count and tidy-up state, the lookup by number, the
// write result and the purge of deleted documents.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <random>

#include "TestFolder.h"
#include "platform/FileFault.h"
#include "store/DenpyouReopen.h"
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
    // Writes a document created in year as record n, as the editor writes it.
    static void Write(int n, const char* year) {
        const std::string doc = Doc(DenpyouKind_Mitumori, n, year);
        Denpyou_RecBuf.assign(doc.begin(), doc.end());
        Denpyou_CurRec = n;
        ASSERT_TRUE(Denpyou_WriteRecord(n));
    }
    // The same followed by what the store command does next.
    static void Store(int n, const char* year) {
        Write(n, year);
        if (n > Denpyou_Count) ++Denpyou_Count;
        Denpyou_OpenAfterStore();
    }
    // The tidy-up mode that reading every creation year of the file gives.
    TSeiriMode FullCountMode() const {
        const std::string file = folder.Read("Data/Denpyou.620");
        const size_t count = file.size() / Denpyou_RecLen;
        if (count > 30000) return TSeiriMode::Full;
        for (size_t i = 0; i < count; ++i) {
            const int year = std::atoi(file.substr(i * Denpyou_RecLen + 251, 4).c_str());
            if (year != 0 && year < Today_Year - 40) return TSeiriMode::Old;
        }
        return TSeiriMode::None;
    }
    TestFolder folder;
};

TEST_F(Documents, CountIncludesACutShortLastRecord) {
    Open(Doc(DenpyouKind_Mitumori, 1) + Doc(DenpyouKind_Mitumori, 2));
    EXPECT_EQ(Denpyou_Count, 2);
    Open(Doc(DenpyouKind_Mitumori, 1) + Doc(DenpyouKind_Mitumori, 2) + Blanks(100));
    EXPECT_EQ(Denpyou_Count, 3);
    // Its fields read as far as it holds them, the rest as blanks.
    Open(Doc(DenpyouKind_Mitumori, 1) + Doc(DenpyouKind_Mitumori, 7, "1985").substr(0, 300));
    EXPECT_EQ(Seiri_Mode, TSeiriMode::Old);
    EXPECT_EQ(Denpyou_FindRecordByNo("7"), 2);
    Open(Doc(DenpyouKind_Mitumori, 1, "1985") + Doc(DenpyouKind_Mitumori, 7).substr(0, 5));
    EXPECT_EQ(Denpyou_Count, 2);
    EXPECT_EQ(Seiri_Mode, TSeiriMode::Old);
    EXPECT_EQ(Denpyou_FindRecordByNo("7"), 0);
    EXPECT_EQ(Buffer(), Doc(DenpyouKind_Mitumori, 7).substr(0, 5) + Rec(Denpyou_RecLen - 5));
}

TEST_F(Documents, TheThresholdIsAlwaysFortyYears) {
    std::strcpy(Jisya_Field[JisyaField_Hozon], "10");
    Open(Doc(DenpyouKind_Mitumori, 1, "2000"));
    EXPECT_STREQ(Jisya_Field[JisyaField_Hozon], "40");
    EXPECT_EQ(Seiri_Year, 1986);
    EXPECT_EQ(Seiri_Mode, TSeiriMode::None);
}

TEST_F(Documents, OldDocumentsCallForATidyUp) {
    const struct {
        const char* year;
        TSeiriMode mode;
    } cases[] = {{"1985", TSeiriMode::Old},
                 {"1986", TSeiriMode::None},
                 {"    ", TSeiriMode::None},
                 {"   0", TSeiriMode::None},
                 {"2026", TSeiriMode::None}};
    for (const auto& c : cases) {
        Open(Doc(DenpyouKind_Mitumori, 1, "2020") + Doc(DenpyouKind_Seikyuu, 2, c.year));
        EXPECT_EQ(Seiri_Mode, c.mode) << "year [" << c.year << "]";
    }
}

TEST_F(Documents, MoreThanThirtyThousandDocumentsCallForATidyUp) {
    folder.Resize("Data/Denpyou.620", std::int64_t{30000} * Denpyou_RecLen);
    Denpyou_Open();
    EXPECT_EQ(Denpyou_Count, 30000);
    EXPECT_EQ(Seiri_Mode, TSeiriMode::None);
    folder.Resize("Data/Denpyou.620", std::int64_t{30001} * Denpyou_RecLen);
    FileFault_Reset();
    Denpyou_Open();
    EXPECT_EQ(Denpyou_Count, 30001);
    EXPECT_EQ(Seiri_Mode, TSeiriMode::Full);
    EXPECT_EQ(FileFault_Count(TFileOp::Read), 0);  // the creation years would change nothing
}

// The tidy-up state after a store follows from the creation years kept since
// the last count: the file is not read again, however far into it the old
// document lies (a rewrite reads only the record it keeps in its journal).
TEST_F(Documents, AStoreKeepsTheTidyUpStateWithoutReadingTheFile) {
    Open(Recs(300, [](int i) { return Doc(DenpyouKind_Mitumori, i + 1, i == 289 ? "1980" : "2024"); }));
    ASSERT_EQ(Seiri_Mode, TSeiriMode::Old);
    const struct {
        int Record;
        const char* Year;
        TSeiriMode Mode;
        int Reads;
    } stores[] = {
        {301, "2025", TSeiriMode::Old, 0},   // a new document
        {12, "2025", TSeiriMode::Old, 1},    // a young one rewritten
        {290, "2020", TSeiriMode::None, 1},  // the old one made young
        {302, "1970", TSeiriMode::Old, 0},   // an old date typed into a new document
        {302, "    ", TSeiriMode::None, 1},  // and taken out again
    };
    for (const auto& s : stores) {
        SCOPED_TRACE(s.Record);
        FileFault_Reset();
        Store(s.Record, s.Year);
        EXPECT_EQ(Seiri_Mode, s.Mode);
        EXPECT_EQ(FileFault_Count(TFileOp::Read), s.Reads);
    }

    // Past 30000 documents the count alone decides.
    folder.Resize("Data/Denpyou.620", std::int64_t{29999} * Denpyou_RecLen);
    Denpyou_Open();
    ASSERT_EQ(Seiri_Mode, TSeiriMode::None);
    FileFault_Reset();
    Store(30000, "2025");
    EXPECT_EQ(Seiri_Mode, TSeiriMode::None);
    Store(30001, "2025");
    EXPECT_EQ(Seiri_Mode, TSeiriMode::Full);
    EXPECT_EQ(FileFault_Count(TFileOp::Read), 0);
}

// After any mix of stores, deletions and restores, writes that the kept years
// do not hear about and a date that moves on, the tidy-up state is the one
// that reading every creation year in the file gives.
TEST_F(Documents, TheTidyUpStateAfterEveryStoreIsThatOfAFullCount) {
    // Mostly young: old documents come and go. 1986 is old only in 2027.
    const char* const years[] = {"2024", "2024", "2024", "2024", "    ", "   0", "abcd", "1986", "1986", "1985", " 198"};
    std::mt19937 rng(8);
    auto year = [&] { return years[rng() % std::size(years)]; };
    for (int file = 0; file < 25; ++file) {
        SCOPED_TRACE(file);
        Today_Year = 2026;
        Open(Recs(static_cast<int>(rng() % 12), [&](int i) { return Doc(DenpyouKind_Mitumori, i + 1, year()); }));
        EXPECT_EQ(Seiri_Mode, FullCountMode());
        for (int step = 0; step < 40; ++step) {
            const int n = 1 + static_cast<int>(rng() % static_cast<unsigned>(Denpyou_Count + 1));
            switch (rng() % 6) {
                case 0:  // delete or restore: written at once, no count
                    if (n <= Denpyou_Count) Write(n, year()), Denpyou_NoteWrite();
                    continue;
                case 1:  // a write the kept years do not follow
                    if (n <= Denpyou_Count) Write(n, year());
                    continue;
                case 2: Today_Year = 2026 + static_cast<int>(rng() % 2); break;
                default: break;
            }
            Store(n, year());
            ASSERT_EQ(Seiri_Mode, FullCountMode()) << "step " << step;
            EXPECT_EQ(Seiri_Year, Today_Year - 40);
        }
    }
}

TEST_F(Documents, FindByNumberLeavesTheRecordInTheBuffer) {
    Open(Doc(DenpyouKind_Mitumori, 1) + Doc(DenpyouKind_Deleted, 2) + Doc(DenpyouKind_Seikyuu, 5) +
         Doc(DenpyouKind_Utiwake, 6));
    EXPECT_EQ(Denpyou_FindRecordByNo("5"), 3);
    EXPECT_EQ(Buffer(), Doc(DenpyouKind_Seikyuu, 5));
    EXPECT_EQ(Denpyou_FindRecordByNo("         2"), 2);  // deleted ones count
    EXPECT_EQ(Denpyou_FindRecordByNo("9"), 0);
    EXPECT_EQ(Buffer(), Doc(DenpyouKind_Utiwake, 6));  // the last record looked at
    Denpyou_Count = 0;
    EXPECT_EQ(Denpyou_FindRecordByNo("1"), 0);
}

TEST_F(Documents, WriteReportsAMissingFileAndAShortWrite) {
    Open(Doc(DenpyouKind_Mitumori, 1));
    Denpyou_ClearRecord();
    EXPECT_TRUE(Denpyou_WriteRecord(2));
    EXPECT_EQ(folder.Size("Data/Denpyou.620"), 2 * Denpyou_RecLen);
    folder.Remove("Data/Denpyou.620");
    EXPECT_FALSE(Denpyou_WriteRecord(1));
    EXPECT_FALSE(folder.Exists("Data/Denpyou.620"));
    // A write that comes up short.
    folder.Write("Data/Denpyou.620", Doc(DenpyouKind_Mitumori, 1));
    FileFault_Plan(TFileOp::Write, 2, 100);  // the record's write, after its journal's
    EXPECT_FALSE(Denpyou_WriteRecord(2));
    EXPECT_EQ(folder.Read("Data/Denpyou.620"), Doc(DenpyouKind_Mitumori, 1));  // the append is cut back
}

TEST_F(Documents, PurgeKeepsTheOtherDocumentsInOrder) {
    Open(Doc(DenpyouKind_Mitumori, 1) + Doc(DenpyouKind_Deleted, 2) + Doc(DenpyouKind_Seikyuu, 3) +
         Doc(DenpyouKind_Deleted, 4) + Doc(DenpyouKind_None, 5));
    Denpyou_PurgeDeleted();
    const std::string kept = Doc(DenpyouKind_Mitumori, 1) + Doc(DenpyouKind_Seikyuu, 3) + Doc(DenpyouKind_None, 5);
    EXPECT_EQ(folder.Read("Data/Denpyou.620"), kept);
    EXPECT_EQ(folder.Read("Data/Denpyou.del"), kept);
    EXPECT_FALSE(folder.Exists("Data/Denpyou.620.new"));
    EXPECT_EQ(Buffer(), Doc(DenpyouKind_None, 5));
    EXPECT_EQ(Denpyou_Count, 5);  // the purge is the last work before the end
}

TEST_F(Documents, PurgeWithNothingOrEverythingDeletedChangesNothing) {
    for (char kind : {DenpyouKind_Mitumori, DenpyouKind_Deleted}) {
        const std::string file = Doc(kind, 1) + Doc(kind, 2);
        Open(file);
        Denpyou_PurgeDeleted();
        EXPECT_EQ(folder.Read("Data/Denpyou.620"), file);
        EXPECT_FALSE(folder.Exists("Data/Denpyou.del"));
    }
}

TEST_F(Documents, APurgeThatFailsLeavesTheFileWhole) {
    const std::string file = Doc(DenpyouKind_Mitumori, 1) + Doc(DenpyouKind_Deleted, 2) + Doc(DenpyouKind_Seikyuu, 3);
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
    const std::string file = Doc(DenpyouKind_Mitumori, 1) + Doc(DenpyouKind_Deleted, 2) + Doc(DenpyouKind_Seikyuu, 3);
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
