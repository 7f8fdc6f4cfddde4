// Writes of the product screen and the category screen that fail (the
// failing file layer): every stored product byte stays as it was, the count
// with it, nothing else changes, and the user is told.
#include <functional>
#include <memory>

#include "masters/categories/HinsyuChoose.h"
#include "masters/categories/HinsyuScreen.h"
#include "masters/products/SyouhinScreen.h"
#include "masters/units/TanniChoose.h"
#include "platform/FileFault.h"
#include "store/Tanni.h"
#include "tests/FaultSteps.h"
#include "tests/masters/HinsyuFixture.h"

namespace {

const std::string NotSaved = "Syouhin.620を保存できませんでした。";

// Products 1 ... 5, product 2 in categories 7 and 3, product 4 in 7.
std::string Products() {
    return Syouhin_TestRecord(1) + Syouhin_TestRecord(2, {7, 3}) + Syouhin_TestRecord(3) +
           Syouhin_TestRecord(4, {7}) + Syouhin_TestRecord(5);
}

// Each step of a deletion in turn fails (a write comes up short, a create,
// flush, rename ... fails): the file, the count, the screen stay as they
// were, no scratch file is left, and the user is told. Then the deletion
// that goes through.
TEST(SyouhinFaultSteps, AFailedStepInADeletionChangesNothing) {
    std::unique_ptr<TMasterRun> run;
    const int failed = FaultSteps_Each(
        [&](const std::function<void()>& arm) {
            run = std::make_unique<TMasterRun>();
            run->StartWith(Hinsyu_TestFile(10), Products());
            run->Click("Label_Job_05");
            run->Click("Edit_Syouhin_Kana_03");
            arm();
            run->Key(vk::F4);
        },
        [&] {
            EXPECT_TRUE(Test_SameBytes(run->File(), Products()));
            EXPECT_EQ(Syouhin_Count, 5);
            EXPECT_EQ(run->Text("Label_SyouhinDs"), "5");
            EXPECT_EQ(run->Text("Edit_Syouhin_Name_03"), Syouhin_TestName(3));
            EXPECT_EQ(run->Focused(), "Edit_Syouhin_Name_03");
            EXPECT_FALSE(run->Session.FileExists("Data\\Syouhin.620.new"));
            EXPECT_FALSE(run->Session.FileExists("Data\\Syouhin.del.new"));
            ASSERT_EQ(run->Session.Messages().size(), 1u);
            EXPECT_EQ(run->Session.Messages()[0], NotSaved);
        },
        100);
    EXPECT_GE(failed, 8);  // at least the two copies' create, write, flush and rename
    const std::string kept =
        Syouhin_TestRecord(1) + Syouhin_TestRecord(2, {7, 3}) + Syouhin_TestRecord(4, {7}) + Syouhin_TestRecord(5);
    EXPECT_TRUE(Test_SameBytes(run->File(), kept));
    EXPECT_TRUE(Test_SameBytes(run->File("Data\\Syouhin.del"), kept));
    EXPECT_EQ(run->Text("Label_SyouhinDs"), "4");
    EXPECT_TRUE(run->Session.Messages().empty());
}

// A disk that fills up at any point of a deletion: the same.
TEST(SyouhinFaultDiskFull, ADeletionOnAFullDiskChangesNothing) {
    for (std::int64_t room : {0, 1, 599, 1200, 2399}) {
        SCOPED_TRACE(room);
        TMasterRun run;
        run.StartWith(Hinsyu_TestFile(10), Products());
        run.Click("Label_Job_05");
        run.Click("Edit_Syouhin_Name_02");
        FileFault_DiskFull(room);
        run.Key(vk::F4);
        FileFault_Reset();
        EXPECT_TRUE(Test_SameBytes(run.File(), Products()));
        EXPECT_EQ(Syouhin_Count, 5);
        EXPECT_EQ(run.Text("Label_SyouhinDs"), "5");
    }
}

// A field write or an append that fails (outright, short, on a full disk)
// leaves the file as it was and says so; the cell shows what the file holds
// (no product on the first empty row, so a name is typed again), and the
// products do not count as changed for it.
TEST(SyouhinFaultWrite, AFailedWriteIsToldAndLeavesTheFile) {
    struct TCase {
        int Nth;             // 1 the journal, 2 the record; 0: the disk is full instead
        std::int64_t Bytes;  // what the failing write moves, or the room left
    };
    const TCase cases[] = {{1, 0}, {2, 0}, {2, 5}, {0, 0}, {0, 5}};
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.Nth) + "/" + std::to_string(c.Bytes));
        TMasterRun run;
        run.StartWith(Hinsyu_TestFile(10), Products());
        run.Click("Label_Job_05");
        auto fail = [&] {
            FileFault_Reset();
            if (c.Nth > 0) FileFault_Plan(TFileOp::Write, c.Nth, c.Bytes);
            else FileFault_DiskFull(c.Bytes);
            Syouhin_Changed = false;  // (the cells left on the way were committed as they stood)
        };
        // In place: a price.
        run.Click("Edit_Syouhin_Hanbai_02");
        run.Type("9");
        fail();
        run.Key(vk::Return);
        FileFault_Reset();
        EXPECT_TRUE(Test_SameBytes(run.File(), Products()));
        EXPECT_EQ(run.Session.Messages(), std::vector<std::string>{NotSaved});
        EXPECT_EQ(run.Text("Edit_Syouhin_Hanbai_02"), "     1200");
        EXPECT_FALSE(Syouhin_Changed);
        // An append on the first empty row.
        run.Click("Edit_Syouhin_Name_06");
        run.Type("新規");
        fail();
        run.Key(vk::Return);
        FileFault_Reset();
        EXPECT_TRUE(Test_SameBytes(run.File(), Products()));
        EXPECT_EQ(Syouhin_Count, 5);
        EXPECT_EQ(run.Session.Messages().size(), 2u);
        EXPECT_EQ(run.Text("Edit_Syouhin_Name_06"), std::string(50, ' '));
        run.Key(vk::Home);  // back from the reading to the name: nothing to append
        EXPECT_EQ(Syouhin_Count, 5);
        run.Type("新規");
        run.Key(vk::Return);  // typed again, it is appended
        EXPECT_EQ(Syouhin_Count, 6);
        EXPECT_TRUE(Test_SameBytes(run.File(), Products() + Test_Record(Syouhin_RecLen, {{1, "新規"}})));
        // A unit taken by Return with the unit chooser open: the unit list
        // does not take what the file does not hold.
        Tanni_Add("式    ");
        Tanni_Recount();
        run.Click("Edit_Syouhin_Tannni_03");
        ASSERT_TRUE(TanniChoose_Shown());
        run.Key(vk::Back);
        run.Type("箱");
        fail();
        run.Key(vk::Return);
        FileFault_Reset();
        EXPECT_TRUE(Test_SameBytes(run.File(), Products() + Test_Record(Syouhin_RecLen, {{1, "新規"}})));
        EXPECT_EQ(run.Session.Messages().size(), 3u);
        for (int i = 0; i < Tanni_Max; ++i) EXPECT_NE(std::string(Tanni_List[i]), "箱    ") << i;
    }
}

// A toggle that cannot be written: told, and the chooser and the row show
// what the product holds.
TEST(SyouhinFaultWrite, AFailedToggleShowsTheStoredFlags) {
    TMasterRun run;
    run.StartWith(Hinsyu_TestFile(10), Products());
    run.Click("Label_Job_05");
    run.Click("Label_Syouhin_Hinsyu_02");
    ASSERT_EQ(run.Text("Label_HinsyuChoose_Check_07"), "■");
    FileFault_Plan(TFileOp::Write, 2);
    run.Click("Label_HinsyuChoose_Name_07");
    FileFault_Reset();
    EXPECT_EQ(run.Session.Messages(), std::vector<std::string>{NotSaved});
    EXPECT_EQ(run.Text("Label_HinsyuChoose_Check_07"), "■");
    EXPECT_EQ(run.Text("Label_Syouhin_Cyoufuku_02"), "2");
    EXPECT_TRUE(Test_SameBytes(run.File(), Products()));
    // A product whose flags cannot be read shows no marks, and its toggles
    // write nothing.
    FileFault_Plan(TFileOp::Read, 1);
    HinsyuChoose_Refresh();
    FileFault_Reset();
    EXPECT_EQ(run.Text("Label_HinsyuChoose_Check_07"), "□");
    run.Key(vk::Return);
    EXPECT_TRUE(Test_SameBytes(run.File(), Products()));
    EXPECT_EQ(run.Session.Messages().size(), 1u);
}

// Each step of a category's deletion that fails: no product loses the flag,
// the category stays in the list where it was, the user is told.
TEST(SyouhinFaultSteps, AFailedCategoryDeletionChangesNothing) {
    std::unique_ptr<TMasterRun> run;
    const int failed = FaultSteps_Each(
        [&](const std::function<void()>& arm) {
            run = std::make_unique<TMasterRun>();
            run->StartWith(Hinsyu_TestFile(10), Products());
            run->Click("Label_Job_04");
            run->Click("Edit_Hinsyu_Kana_07");
            arm();
            run->Click("Label_Command_01_F4");
        },
        [&] {
            EXPECT_TRUE(Test_SameBytes(run->File(), Products()));
            EXPECT_EQ(run->Text("Edit_Hinsyu_Name_07"), Test_Padded(Hinsyu_TestName(7), 40));
            EXPECT_STREQ(Hinsyu_No[6], "  7");
            EXPECT_EQ(Hinsyu_Count, 10);
            EXPECT_FALSE(run->Session.FileExists("Data\\Syouhin.620.new"));
            EXPECT_EQ(run->Session.Messages(), std::vector<std::string>{NotSaved});
        });
    EXPECT_GE(failed, 4);  // the scratch file's create, write, flush and rename
    std::string cleared = Products();
    cleared[300 + 98 + 6] = ' ';
    cleared[900 + 98 + 6] = ' ';
    EXPECT_TRUE(Test_SameBytes(run->File(), cleared));
    EXPECT_EQ(run->Text("Edit_Hinsyu_Name_07"), Hinsyu_TestName(8));
    EXPECT_STREQ(Hinsyu_No[99], "  7");
}

}  // namespace
