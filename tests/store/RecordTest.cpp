// The record-file scheme: clear, split, join, read, write, count, field
// writes and scans, on a small file of its own, and the layouts of the six
// data files.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

#include "TestFolder.h"
#include "platform/FileFault.h"
#include "store/BackupFolder.h"
#include "store/Journal.h"
#include "store/Record.h"
#include "store/Str.h"
#include "tests/FaultSteps.h"
#include "tests/store/StoreTest.h"

namespace {

// Records of 9 bytes: fields of 3 and 4 bytes, a blank and a line feed.
constexpr int SmallWidth[] = {3, 4};
TRecordFile Small = Record_Define("Data\\Small.rec", 9, 2, SmallWidth);

std::string Buf(const TRecordFile& f) { return std::string(f.RecBuf.begin(), f.RecBuf.end()); }

class RecordFile : public ::testing::Test {
protected:
    void SetUp() override {
        Record_Prepare(Small);
        Small.Count = 0;
    }
    TestFolder folder;
};

TEST_F(RecordFile, ClearSplitJoin) {
    EXPECT_EQ(Buf(Small), "        \n");
    EXPECT_STREQ(Small.Field[0], "   ");
    EXPECT_STREQ(Small.Field[1], "    ");
    std::memcpy(Small.RecBuf.data(), "ABCdefg \n", 9);
    Record_Split(Small);
    EXPECT_STREQ(Small.Field[0], "ABC");
    EXPECT_STREQ(Small.Field[1], "defg");
    Record_Join(Small);
    EXPECT_EQ(Buf(Small), "ABCdefg \n");
}

TEST_F(RecordFile, JoinNeverCarriesANulOrAStaleTail) {
    std::memcpy(Small.RecBuf.data(), "ABCdefg \n", 9);
    Record_Split(Small);
    std::strcpy(Small.Field[1], "x");  // "x", NUL, then the stale "fg"
    Record_Join(Small);
    EXPECT_EQ(Buf(Small), "ABCx    \n");
}

TEST_F(RecordFile, SplitEndsAFieldAtANul) {
    std::memcpy(Small.RecBuf.data(), "A\0Cdefg \n", 9);
    Record_Split(Small);
    EXPECT_STREQ(Small.Field[0], "A");
    EXPECT_EQ(Small.Field[0][3], '\0');
    Record_Join(Small);
    EXPECT_EQ(Buf(Small), "A  defg \n");
}

// A cut-short last record reads as its bytes, blanks and a line feed; only a
// record wholly beyond the end (or a file that does not open) leaves the
// buffer as it was.
TEST_F(RecordFile, ACutShortLastRecordReadsCompleted) {
    const struct {
        const char* tail;  // what the file holds of record 3
        const char* read;
    } cases[] = {{"CCC3", "CCC3    \n"}, {"CCC3333 ", "CCC3333 \n"}, {"C", "C       \n"}};
    for (const auto& c : cases) {
        folder.Write("Data/Small.rec", std::string("AAA1111 \nBBB2222 \n") + c.tail);
        EXPECT_TRUE(Record_Read(Small, 3)) << c.tail;
        EXPECT_EQ(Buf(Small), c.read);
        Record_Count(Small);
        EXPECT_EQ(Small.Count, 3);
    }
    EXPECT_FALSE(Record_Read(Small, 4));  // beyond the end
    EXPECT_EQ(Buf(Small), "C       \n");
    folder.Remove("Data/Small.rec");
    EXPECT_FALSE(Record_Read(Small, 1));
    EXPECT_EQ(Buf(Small), "C       \n");
}

TEST_F(RecordFile, WriteInPlaceAndAppendButNeverCreate) {
    std::memcpy(Small.RecBuf.data(), "XYZ9999 \n", 9);
    EXPECT_FALSE(Record_Write(Small, 1));
    EXPECT_FALSE(folder.Exists("Data/Small.rec"));
    folder.Write("Data/Small.rec", "AAA1111 \nBBB2222 \n");
    EXPECT_TRUE(Record_Write(Small, 1));
    EXPECT_TRUE(Record_Write(Small, 3));  // count + 1 appends
    EXPECT_EQ(folder.Read("Data/Small.rec"), "XYZ9999 \nBBB2222 \nXYZ9999 \n");
}

// The first write of a cut-short last record, or of one after it, completes
// it on disk: no hole, no NUL, and its loaded bytes stay.
TEST_F(RecordFile, WritesCompleteACutShortLastRecord) {
    const std::string stored = "AAA1111 \nBBB2222 \n", cut = "CCC3";
    const struct {
        const char* what;
        int record, field;  // field -1: the whole record
        const char* after;  // what follows the two whole records
    } cases[] = {
        {"rewrite of the cut record", 3, -1, "XYZ9999 \n"},
        {"append after it", 4, -1, "CCC3    \nXYZ9999 \n"},
        {"write past a gap", 5, -1, "CCC3    \n        \nXYZ9999 \n"},
        {"field of the cut record", 3, 0, "xyz3    \n"},
        {"field of an earlier record", 1, 1, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        folder.Write("Data/Small.rec", stored + cut);
        std::memcpy(Small.RecBuf.data(), "XYZ9999 \n", 9);
        EXPECT_TRUE(c.field < 0 ? Record_Write(Small, c.record) : Record_WriteField(Small, c.record, c.field, "xyz"));
        if (c.after)
            EXPECT_EQ(folder.Read("Data/Small.rec"), stored + c.after);
        else
            EXPECT_EQ(folder.Read("Data/Small.rec"), "AAAxyz  \nBBB2222 \n" + cut);
    }
}

// An append that fails at any of its writes leaves the file as it was.
TEST_F(RecordFile, AFailedAppendIsCutBack) {
    const std::string file = "AAA1111 \nCCC3";
    for (int nth : {1, 2}) {
        folder.Write("Data/Small.rec", file);
        FileFault_Plan(TFileOp::Write, nth, 3);
        EXPECT_FALSE(Record_Write(Small, 3)) << nth;
        EXPECT_EQ(folder.Read("Data/Small.rec"), file) << nth;
        FileFault_Reset();
    }
}

TEST_F(RecordFile, WriteFieldBlanksFromTheFirstNul) {
    folder.Write("Data/Small.rec", "AAA1111 \nBBB2222 \n");
    EXPECT_TRUE(Record_WriteField(Small, 2, 1, std::string("ab\0zz", 5).c_str()));
    EXPECT_TRUE(Record_WriteField(Small, 1, 0, "xyzTOO LONG"));  // only the width is written
    EXPECT_EQ(folder.Read("Data/Small.rec"), "xyz1111 \nBBBab   \n");
    folder.Remove("Data/Small.rec");
    EXPECT_FALSE(Record_WriteField(Small, 1, 0, "abc"));
    EXPECT_FALSE(folder.Exists("Data/Small.rec"));
}

TEST_F(RecordFile, CountCreatesOnlyAMissingFile) {
    folder.Write("Data/Small.rec", std::string(18 + 5, 'x'));
    Record_Count(Small);
    EXPECT_EQ(Small.Count, 3);  // a cut-short last record counts
    folder.Remove("Data/Small.rec");
    Small.Count = 7;
    Record_Count(Small);
    EXPECT_EQ(Small.Count, 7);  // a missing file keeps the count
    EXPECT_EQ(folder.Size("Data/Small.rec"), 0);
}

TEST_F(RecordFile, ScansVisitWholeRecordsInOrderAndStop) {
    folder.Write("Data/Small.rec", "AAA1111 \nBBB2222 \nCCC3333 \nDD");
    std::string seen;
    EXPECT_TRUE(Record_Scan(Small, 1, 100, [&](const char* r, int n) {
        seen += std::to_string(n) + std::string(r, 3);
        return true;
    }));
    EXPECT_EQ(seen, "1AAA2BBB3CCC4DD ");
    seen.clear();
    Record_ScanField(Small, 1, 2, 100, [&](const char* f, int n) {
        seen += std::string(f, 4);
        return n < 2;
    });
    EXPECT_EQ(seen, "2222");
    // A read that fails is no whole scan.
    FileFault_Plan(TFileOp::Read, 1);
    EXPECT_FALSE(Record_Scan(Small, 1, 100, [](const char*, int) { return true; }));
    FileFault_Reset();
    folder.Remove("Data/Small.rec");
    EXPECT_FALSE(Record_Scan(Small, 1, 1, [](const char*, int) { return true; }));
}

TEST_F(RecordFile, RewriteReplacesWholeOrNotAtAll) {
    folder.Write("Data/Small.rec", "old");
    EXPECT_TRUE(Record_RewriteFile("Data\\Small.rec", "new!", 4));
    EXPECT_EQ(folder.Read("Data/Small.rec"), "new!");
    EXPECT_FALSE(folder.Exists("Data/Small.rec.new"));
    // The scratch file cannot be made: the old contents stay.
    folder.MakeDir("Data/Small.rec.new/x");
    EXPECT_FALSE(Record_RewriteFile("Data\\Small.rec", "other", 5));
    EXPECT_EQ(folder.Read("Data/Small.rec"), "new!");
}

// A save of what lives only in memory: through the scratch file when it can
// be made, else written over the existing file rather than lost.
TEST_F(RecordFile, SaveWritesInPlaceWhenNoScratchCanBeMade) {
    folder.Write("Data/Small.rec", "old");
    folder.MakeDir("Data/Small.rec.new/x");
    EXPECT_TRUE(Record_SaveFile("Data\\Small.rec", "new!", 4));
    EXPECT_EQ(folder.Read("Data/Small.rec"), "new!");
    // Shorter contents would leave a stale tail: the file stays as it was.
    EXPECT_FALSE(Record_SaveFile("Data\\Small.rec", "ab", 2));
    EXPECT_EQ(folder.Read("Data/Small.rec"), "new!");
    // A write that comes up short (after the journal's own) leaves the old
    // contents and no journal.
    FileFault_Plan(TFileOp::Write, 2, 2);
    EXPECT_FALSE(Record_SaveFile("Data\\Small.rec", "other", 5));
    FileFault_Reset();
    EXPECT_EQ(folder.Read("Data/Small.rec"), "new!");
    EXPECT_FALSE(folder.Exists("Data/Small.rec.jnl"));
    // No journal can be made: nothing is written, so a write that would have
    // failed part way cannot leave a mix of old and new bytes.
    FileFault_Plan(TFileOp::Create, 2);  // the scratch file's create, then the journal's
    FileFault_Plan(TFileOp::Write, 1, 2);
    EXPECT_FALSE(Record_SaveFile("Data\\Small.rec", "other", 5));
    FileFault_Reset();
    EXPECT_EQ(folder.Read("Data/Small.rec"), "new!");
}

// Each step of a save failing in turn, through the scratch file and, where
// that cannot be made, in place: the file holds the old contents or the new
// ones as the save reports, and no journal that would change it is left.
TEST_F(RecordFile, EveryStepOfASaveThatFailsLeavesTheOldContents) {
    for (const bool inPlace : {false, true}) {
        SCOPED_TRACE(inPlace ? "in place" : "through the scratch file");
        bool saved = false;
        const int failed = FaultSteps_Each(
            [&](const std::function<void()>& arm) {
                folder.Remove("Data/Small.rec.new");
                folder.Write("Data/Small.rec", "old!");
                if (inPlace) folder.MakeDir("Data/Small.rec.new/x");
                arm();
                saved = Record_SaveFile("Data\\Small.rec", "other", 5);
            },
            [&] {
                const std::string now = folder.Read("Data/Small.rec");
                EXPECT_EQ(now, saved ? "other" : "old!");
                EXPECT_TRUE(Journal_RollBack("Data\\Small.rec"));
                EXPECT_EQ(folder.Read("Data/Small.rec"), now);
                if (!inPlace) {
                    EXPECT_FALSE(folder.Exists("Data/Small.rec.new"));
                }
            },
            2);
        EXPECT_GE(failed, 4);  // create, write, flush, and rename or remove
    }
}

// Field k's offset and width in each data file, as the stored files lay them out.
TEST(RecordLayouts, OffsetsAndWidths) {
    const struct {
        TRecordFile* file;
        int field, offset, width;
    } cases[] = {
        {&Denpyou_File, DenpyouField_No, 1, 10},
        {&Denpyou_File, DenpyouField_MakeYear, 251, 4},
        {&Denpyou_File, DenpyouField_YoukouDay, 265, 2},
        {&Denpyou_File, DenpyouField_Line(0, LineField_Kind), 267, 1},
        {&Denpyou_File, DenpyouField_Line(0, LineField_Syousai), 268, 50},
        {&Denpyou_File, DenpyouField_Line(0, LineField_Kingaku), 363, 10},
        {&Denpyou_File, DenpyouField_Line(0, LineField_Zei), 373, 4},
        {&Denpyou_File, DenpyouField_Line(1, LineField_Kind), 377, 1},
        {&Denpyou_File, DenpyouField_Line(199, LineField_Zei), 22263, 4},
        {&Denpyou_File, DenpyouField_Trailer, 22267, 10},
        {&Denpyou_File, DenpyouField_Goukei, 22304, 10},
        {&Denpyou_File, DenpyouField_Keisyou, 22314, 6},
        {&Denpyou_File, DenpyouField_SeikyuuYear, 22320, 4},
        {&Denpyou_File, DenpyouField_UtiwakeKind, 22328, 1},
        {&Denpyou_File, DenpyouField_Spare, 22329, 670},
        {&Kokyaku_File, KokyakuField_Kana, 81, 10},
        {&Kokyaku_File, KokyakuField_Keisyou, 91, 6},
        {&Kokyaku_File, KokyakuField_Tel, 213, 14},
        {&Kokyaku_File, KokyakuField_TantouName, 255, 20},
        {&Kokyaku_File, KokyakuField_Spare, 275, 1723},
        {&Hinsyu_File, HinsyuField_No, 51, 3},
        {&Hinsyu_File, HinsyuField_Spare, 54, 44},
        {&Syouhin_File, SyouhinField_Kana, 51, 10},
        {&Syouhin_File, SyouhinField_Zei, 70, 4},
        {&Syouhin_File, SyouhinField_Tanni, 92, 6},
        {&Syouhin_File, SyouhinField_Hinsyu, 98, 100},
        {&Syouhin_File, SyouhinField_Spare, 198, 100},
        {&Tanni_File, TanniField_Spare, 6, 2},
        {&Jisya_File, JisyaField_Hasuu, 228, 1},
        {&Jisya_File, JisyaField_Denban, 231, 10},
        {&Jisya_File, JisyaField_Syouhizei, 593, 2},
        {&Jisya_File, JisyaField_TopMargin, 697, 2},
        {&Jisya_File, JisyaField_SyoukeiCaption, 761, 20},
        {&Jisya_File, JisyaField_Jun_1, 881, 1},
        {&Jisya_File, JisyaField_Jun_1 + 7, 888, 1},
        {&Jisya_File, JisyaField_Spare, 889, 109},
    };
    for (const auto& c : cases) {
        Record_Prepare(*c.file);
        EXPECT_EQ(c.file->FieldOffset[c.field], c.offset) << c.file->FileName << " field " << c.field;
        EXPECT_EQ(c.file->FieldWidth[c.field], c.width) << c.file->FileName << " field " << c.field;
    }
    // The detail lines seen from field 14 on.
    EXPECT_EQ(Denpyou_LineField[Denpyou_LineFieldCount * 199 + LineField_Zei],
              Denpyou_Field[DenpyouField_Line(199, LineField_Zei)]);
    EXPECT_EQ(Denpyou_LineWidth[LineField_Kingaku], 10);
}

TEST(RecordLayouts, ClearedRecordsJoinToBlanksAndALineFeed) {
    for (TRecordFile* file : {&Denpyou_File, &Kokyaku_File, &Hinsyu_File, &Syouhin_File, &Tanni_File, &Jisya_File}) {
        Record_Prepare(*file);
        Record_Join(*file);
        EXPECT_EQ(Buf(*file), Rec(file->RecLen)) << file->FileName;
    }
}

}  // namespace
