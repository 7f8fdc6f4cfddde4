// Writes over stored records: whatever fails, the file holds the old record
// or the new one, never a mix, and no journal is left behind once the file
// is whole again.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>
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
        ASSERT_TRUE(Journal_Keep("Data\\Small.rec", fd, 9, "BBB2", 4, 18));
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

// A journal of record 2 left on disk as a killed rewrite leaves it, the
// record half written.
std::string LeaveJournalOfRecord2(TestFolder& folder) {
    folder.Write("Data/Small.rec", Stored);
    const int fd = File_OpenReadWrite("Data\\Small.rec");
    EXPECT_TRUE(Journal_Keep("Data\\Small.rec", fd, 9, "BBB2222 \n", 9, 18));
    File_Close(fd);
    folder.Write("Data/Small.rec", "AAA1111 \nXYZ9222 \n");
    return folder.Read("Data/Small.rec.jnl");
}

// A journal goes back only into the file it was made for: a file put in its
// place since (by a rename, or written over with other contents of a size
// the write could not have left) keeps its bytes, and the journal goes.
TEST_F(Rewrites, AJournalIsRolledBackOnlyIntoItsOwnFile) {
    const struct {
        const char* what;
        std::function<void()> replace;
        std::string after;
    } cases[] = {
        {"its own file", [] {}, Stored},
        {"another file renamed over it",
         [&] {
             folder.Write("Data/Other.rec", "CCC3333 \nDDD4444 \n");
             std::filesystem::rename(folder.Path("Data/Other.rec"), folder.Path("Data/Small.rec"));
         },
         "CCC3333 \nDDD4444 \n"},
        {"copied into it, longer", [&] { folder.Write("Data/Small.rec", Stored + "EEE5555 \n"); },
         Stored + "EEE5555 \n"},
        {"copied into it, shorter", [&] { folder.Write("Data/Small.rec", "FFF6666 \n"); }, "FFF6666 \n"},
        {"a folder in its place",
         [&] {
             folder.Remove("Data/Small.rec");
             folder.MakeDir("Data/Small.rec");
         },
         "<folder>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        LeaveJournalOfRecord2(folder);
        c.replace();
        EXPECT_TRUE(Journal_RollBack("Data\\Small.rec"));
        if (std::filesystem::is_directory(folder.Path("Data/Small.rec")))
            EXPECT_EQ("<folder>", c.after);
        else
            EXPECT_EQ(File(), c.after);
        EXPECT_FALSE(Journal());
        folder.Remove("Data/Small.rec");
    }
}

// A journal damaged in place (its length right, one byte wrong anywhere: the
// magic, the offsets and sizes, the file's identity, the count, the old
// bytes, the checksum) is never rolled back into the file.
TEST_F(Rewrites, ADamagedJournalIsNeverRolledBack) {
    const std::string journal = LeaveJournalOfRecord2(folder);
    ASSERT_GT(journal.size(), 9u);
    const std::string torn = File();
    for (size_t i = 0; i < journal.size(); ++i) {
        SCOPED_TRACE(i);
        std::string damaged = journal;
        damaged[i] = static_cast<char>(damaged[i] ^ 0x10);
        folder.Write("Data/Small.rec", torn);
        folder.Write("Data/Small.rec.jnl", damaged);
        EXPECT_TRUE(Journal_RollBack("Data\\Small.rec"));
        EXPECT_EQ(File(), torn);
        EXPECT_FALSE(Journal());
    }
}

// After a write that went through, a journal that cannot be removed must not
// undo it later: it is emptied, or marked done; where neither can be done
// either, the write is put back and reported as failed. Either way a
// roll-back (the next start) leaves what the caller was told.
TEST_F(Rewrites, AJournalThatCannotBeRemovedNeverUndoesAReportedWrite) {
    const struct {
        const char* what;
        bool truncateFails, markFails;
        bool written;
    } cases[] = {
        {"emptied", false, false, true},
        {"marked done", true, false, true},
        {"put back", true, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        folder.Write("Data/Small.rec", Stored);
        SetRecord("XYZ9999 \n");
        FileFault_Reset();
        FileFault_Plan(TFileOp::Remove, 1);
        if (c.truncateFails) FileFault_Plan(TFileOp::Truncate, 1);
        if (c.markFails) FileFault_Plan(TFileOp::Write, 3);  // after the journal's and the record's
        EXPECT_EQ(Record_Write(Small, 2), c.written);
        FileFault_Reset();
        const std::string told = c.written ? "AAA1111 \nXYZ9999 \n" : Stored;
        EXPECT_EQ(File(), told);
        EXPECT_TRUE(Journal_RollBack("Data\\Small.rec"));
        EXPECT_EQ(File(), told);
        EXPECT_FALSE(Journal());
    }
}

// An append keeps the file's old size in a journal like any write: where no
// journal can be made it is not made, and one cut off in the middle (what a
// killed process leaves) goes back to the old size rather than count a
// record the caller never saw stored.
TEST_F(Rewrites, AnAppendIsJournaled) {
    folder.Write("Data/Small.rec", Stored);
    SetRecord("XYZ9999 \n");
    FileFault_Plan(TFileOp::Create, 1);  // the journal
    EXPECT_FALSE(Record_Write(Small, 3));
    EXPECT_EQ(File(), Stored);
    FileFault_Reset();

    const int fd = File_OpenReadWrite("Data\\Small.rec");
    ASSERT_TRUE(Journal_Keep("Data\\Small.rec", fd, 18, "", 0, 27));
    File_Close(fd);
    folder.Write("Data/Small.rec", Stored + "XYZ9");
    EXPECT_TRUE(Journal_RollBack("Data\\Small.rec"));
    EXPECT_EQ(File(), Stored);
    EXPECT_FALSE(Journal());
}

// Bytes equal to those the file holds cost nothing on the disk: no journal,
// no write, no flush. A record that is cut short is still completed.
TEST_F(Rewrites, WritingWhatTheFileHoldsWritesNothing) {
    folder.Write("Data/Small.rec", Stored);
    FileFault_Reset();
    EXPECT_TRUE(Record_WriteField(Small, 2, 1, "2222"));
    SetRecord("AAA1111 \n");
    EXPECT_TRUE(Record_Write(Small, 1));
    for (TFileOp op : {TFileOp::Create, TFileOp::Write, TFileOp::Sync, TFileOp::Remove})
        EXPECT_EQ(FileFault_Count(op), 0) << static_cast<int>(op);
    EXPECT_EQ(File(), Stored);

    EXPECT_TRUE(Record_WriteField(Small, 2, 1, "2223"));
    EXPECT_EQ(File(), "AAA1111 \nBBB2223 \n");
    EXPECT_GT(FileFault_Count(TFileOp::Sync), 0);

    folder.Write("Data/Small.rec", "AAA1111 \nBBB22");
    EXPECT_TRUE(Record_WriteField(Small, 2, 0, "BBB"));
    EXPECT_EQ(File(), "AAA1111 \nBBB22   \n");
}

}  // namespace
