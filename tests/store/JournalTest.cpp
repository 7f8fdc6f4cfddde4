// Writes over stored records: whatever fails, the file holds the old record
// or the new one, never a mix, and no journal is left behind once the file
// is whole again.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "TestFolder.h"
#include "platform/FileFault.h"
#include "store/Journal.h"
#include "store/Record.h"

namespace {

constexpr int SmallWidth[] = {3, 4};
TRecordFile Small = Record_Define("Data\\Small.rec", 9, 2, SmallWidth);
const std::string Stored = "AAA1111 \nBBB2222 \n";

class Rewrites : public ::testing::Test {
protected:
    void SetUp() override { Record_Prepare(Small); }
    void SetRecord(const char* bytes) { std::memcpy(Small.RecBuf.data(), bytes, 9); }
    std::string File() const { return folder.Read("Data/Small.rec"); }
    bool Journal() const { return folder.Exists("Data/Small.rec.jnl"); }
    TestFolder folder;
};

// The writes of a rewrite: 1 the journal, 2 the record (or field), then,
// after a failure, 3 the old bytes going back.
TEST_F(Rewrites, AFailedRewriteLeavesTheOldRecord) {
    const struct {
        const char* what;
        std::string file;
        int nth;
        std::int64_t bytes;
        bool field;
    } cases[] = {
        {"journal not written", Stored, 1, 0, false},
        {"journal cut short", Stored, 1, 20, false},
        {"record not written", Stored, 2, 0, false},
        {"record cut short", Stored, 2, 4, false},
        {"field cut short", Stored, 2, 2, true},
        {"cut-short record, rewrite cut short", "AAA1111 \nBBB2", 2, 6, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        folder.Write("Data/Small.rec", c.file);
        SetRecord("XYZ9999 \n");
        FileFault_Plan(TFileOp::Write, c.nth, c.bytes);
        EXPECT_FALSE(c.field ? Record_WriteField(Small, 2, 1, "wxyz") : Record_Write(Small, 2));
        EXPECT_EQ(File(), c.file);
        EXPECT_FALSE(Journal());
        FileFault_Reset();
    }
    EXPECT_TRUE(Record_Write(Small, 2));
    EXPECT_EQ(File(), "AAA1111 \nXYZ9999 \n");
    EXPECT_FALSE(Journal());
}

// The old bytes cannot go back at once (the disk fails again): the journal
// stays, and the file does not open until they are back.
TEST_F(Rewrites, AJournalThatCouldNotBePutBackIsRolledBackBeforeTheFileIsUsed) {
    folder.Write("Data/Small.rec", Stored);
    SetRecord("XYZ9999 \n");
    FileFault_Plan(TFileOp::Write, 2, 4);
    FileFault_Plan(TFileOp::Write, 3, 0);
    EXPECT_FALSE(Record_Write(Small, 2));
    EXPECT_EQ(File(), "AAA1111 \nXYZ9222 \n");
    EXPECT_TRUE(Journal());

    FileFault_Plan(TFileOp::Write, 1, 0);  // the roll-back fails too
    EXPECT_FALSE(Record_Read(Small, 1));
    EXPECT_EQ(std::string(Small.RecBuf.begin(), Small.RecBuf.end()), "XYZ9999 \n");
    EXPECT_TRUE(Journal());

    EXPECT_TRUE(Record_Read(Small, 2));
    EXPECT_EQ(std::string(Small.RecBuf.begin(), Small.RecBuf.end()), "BBB2222 \n");
    EXPECT_EQ(File(), Stored);
    EXPECT_FALSE(Journal());
}

// What a killed process leaves: the journal, and the record half written.
// A complete journal puts the old bytes back; an incomplete one was never
// acted on and only goes.
TEST_F(Rewrites, RollBackOfAJournalLeftOnDisk) {
    for (const bool complete : {true, false}) {
        SCOPED_TRACE(complete ? "complete" : "incomplete");
        folder.Write("Data/Small.rec", "AAA1111 \nBBB2");
        int fd = File_OpenReadWrite("Data\\Small.rec");
        ASSERT_GE(fd, 0);
        ASSERT_TRUE(Journal_Keep("Data\\Small.rec", fd, 9, 9));
        File_Close(fd);
        folder.Write("Data/Small.rec", "AAA1111 \nXYZ9");
        if (!complete) {
            const std::string journal = folder.Read("Data/Small.rec.jnl");
            folder.Write("Data/Small.rec.jnl", journal.substr(0, journal.size() - 1));
        }
        EXPECT_TRUE(Journal_RollBack("Data\\Small.rec"));
        EXPECT_EQ(File(), complete ? "AAA1111 \nBBB2" : "AAA1111 \nXYZ9");
        EXPECT_FALSE(Journal());
    }
}

}  // namespace
