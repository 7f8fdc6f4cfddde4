// Writes that fail in a deletion or an append (the failing file layer):
// every stored customer byte stays as it was, the count with it, and the
// user is told.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/FileFault.h"
#include "tests/FaultSteps.h"
#include "tests/masters/KokyakuFixture.h"

namespace {

constexpr int Name_1 = KokyakuColumn_Name_1;
const std::string NotSaved = "Kokyaku.620を保存できませんでした。";

// Each step of a deletion in turn fails (a write comes up short, a create,
// flush, rename ... fails): the file, the count and the screen stay as they
// were, no scratch file is left, and the user is told. Then the deletion
// that goes through.
TEST(KokyakuFaultSteps, AFailedStepInADeletionChangesNothing) {
    const std::string stored = Kokyaku_TestFile(1, 5);
    std::unique_ptr<TKokyakuRun> run;
    const int failed = FaultSteps_Each(
        [&](const std::function<void()>& arm) {
            run = std::make_unique<TKokyakuRun>();
            run->StartWith(5);
            run->Focus(Name_1, 2);
            arm();
            run->Key(vk::F4);
        },
        [&] {
            EXPECT_TRUE(Kokyaku_SameBytes(run->File(), stored));
            EXPECT_EQ(Kokyaku_Count, 5);
            EXPECT_EQ(run->Text("Label_KokyakuDs"), "5");
            EXPECT_EQ(run->Focused(), TKokyakuRun::Cell(Name_1, 2));
            EXPECT_FALSE(run->Session.FileExists("Data\\Kokyaku.620.new"));
            EXPECT_FALSE(run->Session.FileExists("Data\\Kokyaku.del.new"));
            EXPECT_EQ(run->Session.Messages(), std::vector<std::string>{NotSaved});
        },
        100);
    EXPECT_GE(failed, 8);  // at least the two copies' create, write, flush and rename
    const std::string kept = Kokyaku_TestRecord(1) + Kokyaku_TestRecord(2) + Kokyaku_TestRecord(4) +
                             Kokyaku_TestRecord(5);
    EXPECT_TRUE(Kokyaku_SameBytes(run->File(), kept));
    EXPECT_EQ(run->Text("Label_KokyakuDs"), "4");
    EXPECT_TRUE(run->Session.Messages().empty());
}

// A disk that fills up at any point of a deletion: the same.
TEST(KokyakuFaultDiskFull, ADeletionOnAFullDiskChangesNothing) {
    for (std::int64_t room : {0, 1, 3999, 8000, 15999}) {
        SCOPED_TRACE(room);
        TKokyakuRun run;
        run.StartWith(5);
        run.Focus(Name_1, 1);
        FileFault_DiskFull(room);
        run.Key(vk::F4);
        FileFault_Reset();
        EXPECT_TRUE(Kokyaku_SameBytes(run.File(), Kokyaku_TestFile(1, 5)));
        EXPECT_EQ(run.Text("Label_KokyakuDs"), "5");
        EXPECT_EQ(Kokyaku_Count, 5);
        EXPECT_EQ(run.Session.Messages(), std::vector<std::string>{NotSaved});
    }
}

// An append whose journal or record write fails (outright, short, or on a
// full disk) leaves the file at its old size and the count with it. The user
// is told, and the cell shows what the file holds: no customer, so the next
// commit on the row appends nothing until a name is typed again.
TEST(KokyakuFaultAppend, AFailedAppendIsCutBack) {
    struct TCase {
        int Nth;              // 1 the journal, 2 the record; 0: the disk is full instead
        std::int64_t Bytes;   // what the failing write moves, or the room left
    };
    const TCase cases[] = {{1, 0}, {1, 5}, {2, 0}, {2, 5}, {2, 1999}, {0, 0}, {0, 1}, {0, 41}, {0, 1999}};
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.Nth) + "/" + std::to_string(c.Bytes));
        TKokyakuRun run;
        run.StartWith(5);
        run.Focus(Name_1, 5);
        run.Type("新規");
        FileFault_Reset();
        if (c.Nth > 0) FileFault_Plan(TFileOp::Write, c.Nth, c.Bytes);
        else FileFault_DiskFull(c.Bytes);
        Kokyaku_Changed = false;  // (the cell left on the way here was committed as it stood)
        run.Key(vk::Return);
        ASSERT_GE(FileFault_Count(TFileOp::Write), c.Nth);  // the fault was reached
        FileFault_Reset();
        EXPECT_TRUE(Kokyaku_SameBytes(run.File(), Kokyaku_TestFile(1, 5)));
        EXPECT_EQ(Kokyaku_Count, 5);
        EXPECT_EQ(run.Text("Label_KokyakuDs"), "5");
        EXPECT_EQ(run.Session.Messages(), std::vector<std::string>{"Kokyaku.620を保存できませんでした。"});
        EXPECT_EQ(run.Text(TKokyakuRun::Cell(Name_1, 5)), std::string(40, ' '));
        EXPECT_FALSE(Kokyaku_Changed);
        run.Key(vk::Home);  // from the second name back to the first: nothing to append
        EXPECT_EQ(Kokyaku_Count, 5);
        run.Type("新規");
        run.Key(vk::Return);  // typed again, it is appended
        EXPECT_EQ(Kokyaku_Count, 6);
        EXPECT_TRUE(Kokyaku_SameBytes(run.File(), Kokyaku_TestFile(1, 5) + " 新規" +
                                                      std::string(Kokyaku_RecLen - 6, ' ') + "\n"));
    }
}

// A field of a stored customer that cannot be written: the user is told, the
// cell and the customer's fields in memory show what the file holds, and the
// customers do not count as changed (the exit does not sort them for it).
TEST(KokyakuFaultField, AFailedFieldWriteShowsWhatTheFileHolds) {
    for (const bool full : {false, true}) {
        SCOPED_TRACE(full);
        TKokyakuRun run;
        run.StartWith(5);
        run.Focus(KokyakuColumn_Kana, 2);
        run.Type("ｱｲｳ");
        FileFault_Reset();
        if (full) FileFault_DiskFull(0);
        else FileFault_Plan(TFileOp::Write, 2, 3);  // the field's own write comes up short
        Kokyaku_Changed = false;  // (the cell left on the way here was committed as it stood)
        run.Key(vk::Return);
        FileFault_Reset();
        EXPECT_TRUE(Kokyaku_SameBytes(run.File(), Kokyaku_TestFile(1, 5)));
        EXPECT_EQ(run.Session.Messages(), std::vector<std::string>{"Kokyaku.620を保存できませんでした。"});
        EXPECT_EQ(run.Text(TKokyakuRun::Cell(KokyakuColumn_Kana, 2)), Kokyaku_Padded(Kokyaku_TestKana(3), 10));
        EXPECT_EQ(std::string(Kokyaku_Field[KokyakuField_Kana]), Kokyaku_Padded(Kokyaku_TestKana(3), 10));
        EXPECT_EQ(std::string(Kokyaku_Field[KokyakuField_Name_1]), Kokyaku_Padded(Kokyaku_TestName1(3), 40));
        EXPECT_FALSE(Kokyaku_Changed);
        EXPECT_EQ(run.Focused(), TKokyakuRun::Cell(KokyakuColumn_Keisyou, 2));
    }
}

}  // namespace
