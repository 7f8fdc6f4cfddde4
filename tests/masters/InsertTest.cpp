// F5 on the customer, product and category screens: a blank entry at the
// cursor with everything from there on one place down. The customer and
// product files grow by one record in one journaled write that either goes
// through or leaves the file as it was; the category list changes in memory
// and never loses a named category or shares a number.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "masters/categories/HinsyuScreen.h"
#include "masters/products/SyouhinScreen.h"
#include "platform/FileFault.h"
#include "store/Hinsyu.h"
#include "tests/FaultSteps.h"
#include "tests/masters/HinsyuFixture.h"
#include "tests/masters/KokyakuFixture.h"
#include "ui/CommandBar.h"

namespace {

constexpr int Name_1 = KokyakuColumn_Name_1;
const std::string BlankKokyaku = std::string(Kokyaku_RecLen - 1, ' ') + "\n";
const std::string BlankSyouhin = std::string(Syouhin_RecLen - 1, ' ') + "\n";

// The customer file as a list of customers (0: a blank record).
std::string Customers(std::initializer_list<int> order) {
    std::string all;
    for (int i : order) all += i ? Kokyaku_TestRecord(i) : BlankKokyaku;
    return all;
}

// Where the cursor stands when F5 comes, and what the file holds afterwards.
struct TKokyakuCase {
    const char* What;
    int Count;
    bool NextPage;  // F8 first (the last page, its top Count - 12)
    int Row;
    std::initializer_list<int> After;
};

TEST(KokyakuInsert, ABlankCustomerAtTheCursor) {
    const TKokyakuCase cases[] = {
        {"three, on the second", 3, false, 1, {1, 0, 2, 3}},
        {"three, on the first", 3, false, 0, {0, 1, 2, 3}},
        {"three, on the empty row", 3, false, 3, {1, 2, 3, 0}},
        {"twenty, second page", 20, true, 0, {1, 2, 3, 4, 5, 6, 7, 8, 0, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}},
    };
    for (const TKokyakuCase& c : cases) {
        SCOPED_TRACE(c.What);
        TKokyakuRun run;
        run.StartWith(c.Count);
        if (c.NextPage) run.Key(vk::F8);
        run.Focus(KokyakuColumn_City, c.Row);
        run.Key(vk::F5);
        EXPECT_TRUE(Kokyaku_SameBytes(run.File(), Customers(c.After)));
        EXPECT_EQ(Kokyaku_Count, c.Count + 1);
        EXPECT_EQ(run.Text("Label_KokyakuDs"), std::to_string(c.Count + 1));
        // The row shows the blank customer, its first name focused and bare;
        // the rows below show the customers moved there.
        EXPECT_EQ(run.Focused(), TKokyakuRun::Cell(Name_1, c.Row));
        EXPECT_EQ(run.Text(TKokyakuRun::Cell(Name_1, c.Row)), "");
        const int below = c.Row + 1 + Kokyaku_Top;  // the customer now in the next row
        if (c.Row < Kokyaku_LastRow && below <= c.Count) {
            EXPECT_EQ(run.Text(TKokyakuRun::Cell(Name_1, c.Row + 1)), Kokyaku_Padded(Kokyaku_TestName1(below), 40));
        }
        EXPECT_TRUE(run.Session.Messages().empty());
    }
}

// With no customer at all (the key and the bar alike) nothing is written.
TEST(KokyakuInsert, NothingOnAnEmptyFile) {
    TKokyakuRun run;
    run.StartWith(0);
    run.Key(vk::F5);
    run.Click("Label_Command_01_F5");
    EXPECT_EQ(run.File(), "");
    EXPECT_EQ(run.Text("Label_KokyakuDs"), "0");
    EXPECT_EQ(run.Focused(), TKokyakuRun::Cell(Name_1, 0));
}

// Each step of the insert's write failing in turn, or the read of the
// customers it moves: either the insert went through whole (a journal that
// could not be removed only marks it done) or the file and the count stay,
// the user is told, and the screen keeps its page and focus.
TEST(KokyakuInsert, AFailedStepChangesNothing) {
    const std::string stored = Kokyaku_TestFile(1, 5);
    const std::string inserted = Customers({1, 2, 0, 3, 4, 5});
    std::unique_ptr<TKokyakuRun> run;
    auto check = [&] {
        const bool done = Kokyaku_Count == 6;
        EXPECT_TRUE(Kokyaku_SameBytes(run->File(), done ? inserted : stored));
        EXPECT_EQ(run->Text("Label_KokyakuDs"), std::to_string(Kokyaku_Count));
        EXPECT_EQ(run->Focused(), TKokyakuRun::Cell(Name_1, 2));
        if (done) {
            EXPECT_TRUE(run->Session.Messages().empty());
            return;
        }
        EXPECT_EQ(Kokyaku_Count, 5);
        EXPECT_EQ(run->Session.Messages(), std::vector<std::string>{"Kokyaku.620を保存できませんでした。"});
        EXPECT_EQ(run->Text(TKokyakuRun::Cell(Name_1, 3)), Kokyaku_Padded(Kokyaku_TestName1(4), 40));
    };
    auto start = [&](const std::function<void()>& arm) {
        run = std::make_unique<TKokyakuRun>();
        run->StartWith(5);
        run->Focus(Name_1, 2);
        arm();
        run->Key(vk::F5);
    };
    EXPECT_GE(FaultSteps_Each(start, check, 100), 3);  // the journal, the records, the flush
    EXPECT_EQ(Kokyaku_Count, 6);                       // and the last run, with nothing failing
    for (std::int64_t room : {0, 100}) {               // the journal cannot be written
        SCOPED_TRACE(room);
        start([room] { FileFault_DiskFull(room); });
        FileFault_Reset();
        check();
        EXPECT_EQ(Kokyaku_Count, 5);
    }
    start([] { FileFault_Plan(TFileOp::Read, 1); });
    FileFault_Reset();
    check();
    EXPECT_EQ(Kokyaku_Count, 5);
}

class MasterInsertTest : public ::testing::Test, public TMasterRun {
protected:
    // The numbers of the list's entries from position 1 on.
    static std::vector<int> Numbers(int n) {
        std::vector<int> numbers;
        for (int e = 0; e < n; ++e) numbers.push_back(Hinsyu_Number(e));
        return numbers;
    }
    static std::vector<std::string> Names(int n) {
        std::vector<std::string> names;
        for (int e = 0; e < n; ++e) names.push_back(Hinsyu_Name[e]);
        return names;
    }
};

TEST_F(MasterInsertTest, ABlankProductAtTheCursor) {
    const std::string second = Syouhin_TestRecord(2, {2});
    StartWith(Hinsyu_TestFile(3), Syouhin_TestRecord(1) + second + Syouhin_TestRecord(3));
    Click("Label_Job_05");
    Click(Row("Edit_Syouhin_Hanbai_", 1));
    Key(vk::F5);
    EXPECT_TRUE(Test_SameBytes(File(), Syouhin_TestRecord(1) + BlankSyouhin + second + Syouhin_TestRecord(3)));
    EXPECT_EQ(Text("Label_SyouhinDs"), "4");
    EXPECT_EQ(Focused(), "Edit_Syouhin_Name_02");
    EXPECT_EQ(Text("Edit_Syouhin_Name_02"), "");
    EXPECT_EQ(Text("Label_Syouhin_Hinsyu_02"), "");
    // The product moved down keeps its category.
    EXPECT_EQ(Text("Edit_Syouhin_Name_03"), Test_Padded(Syouhin_TestName(2), 50));
    EXPECT_EQ(Text("Label_Syouhin_Hinsyu_03"), Test_Padded(Hinsyu_TestName(2), 40));
    EXPECT_EQ(Text("Label_Syouhin_No_04"), "   4");

    // On the first empty row the bar's F5 appends a blank product.
    Click(Row("Edit_Syouhin_Name_", 4));
    Click("Label_Command_01_F5");
    EXPECT_TRUE(Test_SameBytes(File(), Syouhin_TestRecord(1) + BlankSyouhin + second + Syouhin_TestRecord(3) +
                                           BlankSyouhin));
    EXPECT_EQ(Focused(), "Edit_Syouhin_Name_05");
}

TEST_F(MasterInsertTest, NoProductInsertWithoutProducts) {
    StartWith(Hinsyu_TestFile(3));
    Click("Label_Job_05");
    Key(vk::F5);
    Click("Label_Command_01_F5");
    EXPECT_EQ(File(), "");
    EXPECT_EQ(Text("Label_SyouhinDs"), "0");
}

// Under either chooser nothing is inserted, even with F5 on (as a refused
// cell may leave it).
TEST_F(MasterInsertTest, NoProductInsertUnderAChooser) {
    ASSERT_TRUE(Session.WriteFile("Data\\Tanni.620", "式       \n個       \n"));
    StartWith(Hinsyu_TestFile(3), Syouhin_TestFile(1, 3));
    Click("Label_Job_05");
    for (const char* opener : {"Edit_Syouhin_Tannni_02", "Label_Syouhin_Hinsyu_02"}) {
        SCOPED_TRACE(opener);
        Click(opener);
        ASSERT_TRUE(Visible("Panel_Tanni") || Visible("Panel_ChooseHinsyu"));
        Command_Enable(vk::F5, true);
        Click("Label_Command_01_F5");
        Key(vk::F5);
        EXPECT_TRUE(Test_SameBytes(File(), Syouhin_TestFile(1, 3)));
        EXPECT_EQ(Text("Label_SyouhinDs"), "3");
        Click("Label_Command_01_F9");  // closes it
    }
}

TEST_F(MasterInsertTest, AFailedProductInsertChangesNothing) {
    const std::string stored = Syouhin_TestFile(1, 4);
    std::unique_ptr<TMasterRun> run;
    const int failed = FaultSteps_Each(
        [&](const std::function<void()>& arm) {
            run = std::make_unique<TMasterRun>();
            run->StartWith(Hinsyu_TestFile(3), stored);
            run->Click("Label_Job_05");
            run->Click(Row("Edit_Syouhin_Name_", 1));
            arm();
            run->Key(vk::F5);
        },
        [&] {
            if (Syouhin_Count == 5) return;  // through, only its journal marked done
            EXPECT_TRUE(Test_SameBytes(run->File(), stored));
            EXPECT_EQ(Syouhin_Count, 4);
            EXPECT_EQ(run->Text("Label_SyouhinDs"), "4");
            EXPECT_EQ(run->Session.Messages(), std::vector<std::string>{"Syouhin.620を保存できませんでした。"});
            EXPECT_EQ(run->Text(Row("Edit_Syouhin_Name_", 2)), Test_Padded(Syouhin_TestName(3), 50));
        },
        10);
    EXPECT_GE(failed, 3);
}

// A category insert moves the entries from the cursor on and gives the new
// entry the number of the entry that drops off, so that the numbers stay
// each in the list once and every product keeps its categories.
TEST_F(MasterInsertTest, AnEmptyCategoryAtTheCursor) {
    StartWith(Hinsyu_TestFile(3), Syouhin_TestRecord(1, {2}));
    Click("Label_Job_04");
    Click(Row("Edit_Hinsyu_Kana_", 1));
    Click("Label_Command_01_F5");
    EXPECT_EQ(Names(5), (std::vector<std::string>{Test_Padded("品種1", 40), std::string(40, ' '),
                                                  Test_Padded("品種2", 40), Test_Padded("品種3", 40),
                                                  std::string(40, ' ')}));
    EXPECT_EQ(Numbers(5), (std::vector<int>{1, 100, 2, 3, 4}));
    EXPECT_EQ(Hinsyu_Number(Hinsyu_Max - 1), 99);
    EXPECT_EQ(Text("Edit_Hinsyu_Name_02"), "");
    EXPECT_EQ(Text("Edit_Hinsyu_Name_03"), Test_Padded("品種2", 40));
    EXPECT_EQ(Text("Label_Hinsyu_No_03"), "  3");
    EXPECT_EQ(Focused(), "Edit_Hinsyu_Kana_02");  // the focus stays, its reading bare
    EXPECT_EQ(Text("Edit_Hinsyu_Kana_02"), "");
    // The product is still in the category numbered 2, now at position 3.
    Click("Label_Job_05");
    EXPECT_EQ(Text("Label_Syouhin_Hinsyu_01"), Test_Padded("品種2", 40));
    EXPECT_EQ(File(), Syouhin_TestRecord(1, {2}));
}

// With position 100 named the list has no room: F5 changes nothing.
TEST_F(MasterInsertTest, NoCategoryInsertWhenTheListIsFull) {
    std::vector<int> numbers(Hinsyu_Max);
    for (int e = 0; e < Hinsyu_Max; ++e) numbers[e] = Hinsyu_Max - e;
    StartWith(Hinsyu_TestFile(Hinsyu_Max, numbers));
    Click("Label_Job_04");
    Click(Row("Edit_Hinsyu_Name_", 4));
    Click("Label_Command_01_F5");
    EXPECT_EQ(Names(Hinsyu_Max)[4], Test_Padded("品種5", 40));
    EXPECT_EQ(Numbers(Hinsyu_Max), numbers);
    EXPECT_EQ(Text("Edit_Hinsyu_Name_05"), "品種5");
}

}  // namespace
