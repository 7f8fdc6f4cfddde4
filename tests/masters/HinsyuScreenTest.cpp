// The category screen where the scenarios do not reach: a commit stores into
// the entry its own row shows, a blanked name shuts the rows below it, the
// list loaded again under the cursor, the delete of an entry whose number is
// damaged, and every use of such a number, and the delete of an entry whose
// member is the last product of the file.
#include "editor/SyouhinChoose.h"
#include "masters/categories/HinsyuScreen.h"
#include "tests/masters/HinsyuFixture.h"

namespace {

class HinsyuTest : public ::testing::Test, public TMasterRun {
protected:
    void StartWithCategories(int named, const std::string& products = "") {
        StartWith(Hinsyu_TestFile(named), products);
        Click("Label_Job_04");
    }
};

// At page top 50, row 1 stores into entry 50 and row 50 into entry 99, as
// the cell left shows them, by Return and on leaving alike.
TEST_F(HinsyuTest, ACommitStoresIntoItsOwnRowsEntry) {
    StartWithCategories(100);
    Click("Label_Command_01_F8");
    Key(vk::End);  // the entry shown anew has the caret at its start
    Type("改");
    Click("Edit_Hinsyu_Kana_50");
    EXPECT_EQ(std::string(Hinsyu_Name[50]), Test_Padded(Hinsyu_TestName(51) + "改", 40));
    Type("X");
    Key(vk::Return);
    EXPECT_EQ(std::string(Hinsyu_Kana[99]), Test_Padded(Hinsyu_TestKana(100) + "X", 10));
    EXPECT_EQ(Text("Edit_Hinsyu_Kana_50"), Test_Padded(Hinsyu_TestKana(100) + "X", 10));
    EXPECT_EQ(std::string(Hinsyu_Name[0]), Test_Padded(Hinsyu_TestName(1), 40));
    // Frames: red only while a cell has the focus.
    EXPECT_TRUE(Marked("Shape_Hinsyu_Kana_50"));
    EXPECT_FALSE(Marked("Shape_Hinsyu_Name_01"));
}

// A name emptied in the middle ends the named entries there: the rows below
// refuse the focus until a name is typed into it again.
TEST_F(HinsyuTest, ABlankedNameShutsTheRowsBelow) {
    StartWithCategories(10);
    Click("Edit_Hinsyu_Name_04");
    Key(vk::End);
    Key(vk::Back, 3);
    Key(vk::Return);
    EXPECT_EQ(Text("Label_Hinsyu_ds"), "3");
    EXPECT_STREQ(Hinsyu_No[3], "  4");  // it keeps its number
    Click("Edit_Hinsyu_Name_06");
    EXPECT_EQ(Focused(), "Edit_Hinsyu_Name_04");
    Type("照明");
    Click("Edit_Hinsyu_Name_06");
    EXPECT_EQ(Focused(), "Edit_Hinsyu_Name_06");
    EXPECT_EQ(Text("Label_Hinsyu_ds"), "10");
}

// The list loaded again (a restore) with fewer named entries than the page
// top: the cursor goes back to the last named entry rather than on from one
// refused cell to the next.
TEST_F(HinsyuTest, AListLoadedAgainUnderTheCursorBringsItBack) {
    StartWithCategories(80);
    Click("Label_Command_01_F8");
    Click("Edit_Hinsyu_Kana_20");
    ASSERT_TRUE(Session.WriteFile("Data\\Hinsyu.620", Hinsyu_TestFile(12)));
    Hinsyu_Start();
    Click("Edit_Hinsyu_Name_03");
    EXPECT_EQ(Hinsyu_Top, 0);
    EXPECT_EQ(Focused(), "Edit_Hinsyu_Name_12");
    EXPECT_EQ(Text("Label_Hinsyu_rec"), "12");
    EXPECT_EQ(Text("Edit_Hinsyu_Name_12"), Hinsyu_TestName(12));
    // An empty list: the first row.
    ASSERT_TRUE(Session.WriteFile("Data\\Hinsyu.620", Hinsyu_TestFile(0)));
    Hinsyu_Start();
    Click("Edit_Hinsyu_Kana_05");
    EXPECT_EQ(Focused(), "Edit_Hinsyu_Name_01");
}

// F4 on an entry whose number is damaged deletes nothing and changes no
// product.
TEST_F(HinsyuTest, ADamagedNumberIsNotDeleted) {
    const std::string products = Syouhin_TestRecord(1, {1, 2, 3});
    StartWithCategories(5, products);
    std::snprintf(Hinsyu_No[1], sizeof Hinsyu_No[1], "%3d", 101);
    Click("Edit_Hinsyu_Name_02");
    Click("Label_Command_01_F4");
    EXPECT_EQ(std::string(Hinsyu_Name[1]), Test_Padded(Hinsyu_TestName(2), 40));
    EXPECT_TRUE(Test_SameBytes(File(), products));
    EXPECT_TRUE(Session.Messages().empty());
}

// F4 on a category whose member is the last product of the file: that
// record's flag byte goes blank as well, the last flag byte of a record
// too (number 100), and a last record cut short of its line feed is written
// whole.
TEST(HinsyuDelete, TheLastProductLeavesTheCategoryToo) {
    const struct {
        int Number;  // of the category at position 1
        bool CutShort;
    } cases[] = {{7, false}, {100, false}, {7, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.Number) + (c.CutShort ? " cut short" : ""));
        std::string products = Syouhin_TestRecord(1) + Syouhin_TestRecord(2, {5}) + Syouhin_TestRecord(3, {c.Number});
        const std::string cleared = Syouhin_TestRecord(1) + Syouhin_TestRecord(2, {5}) + Syouhin_TestRecord(3);
        if (c.CutShort) products.pop_back();
        TMasterRun run;
        run.StartWith(Hinsyu_TestFile(10, {c.Number, 2, 3, 4, 5, 6, 1}), products);
        run.Click("Label_Job_04");
        run.Click("Edit_Hinsyu_Name_01");
        run.Click("Label_Command_01_F4");
        EXPECT_TRUE(Test_SameBytes(run.File(), cleared));
        EXPECT_EQ(run.Text("Edit_Hinsyu_Name_01"), Hinsyu_TestName(2));
        EXPECT_EQ(std::stoi(Hinsyu_No[99]), c.Number);
        EXPECT_TRUE(run.Session.Messages().empty());
    }
}

// A number the file holds outside 1 ... 100 stays: F4 on its entry deletes
// nothing and only repaints the product screen (which shows here a product
// file changed behind it), and the exit writes the number back as the file
// held it.
TEST_F(HinsyuTest, ADamagedNumberFromTheFileStaysAsItIs) {
    std::string categories = Hinsyu_TestFile(5);
    categories.replace(Hinsyu_RecLen + 51, 3, " -1");  // position 2
    StartWith(categories, Syouhin_TestRecord(1, {1, 2, 3}));
    Click("Label_Job_04");
    ASSERT_STREQ(Hinsyu_No[1], " -1");
    ASSERT_TRUE(Session.WriteFile("Data\\Syouhin.620", Syouhin_TestRecord(7)));
    Click("Edit_Hinsyu_Name_02");
    Click("Label_Command_01_F4");
    EXPECT_EQ(std::string(Hinsyu_Name[1]), Test_Padded(Hinsyu_TestName(2), 40));
    EXPECT_STREQ(Hinsyu_No[1], " -1");
    EXPECT_EQ(Text("Edit_Syouhin_Name_01"), Test_Padded(Syouhin_TestName(7), 50));
    EXPECT_TRUE(Test_SameBytes(File(), Syouhin_TestRecord(7)));
    EXPECT_TRUE(Session.Messages().empty());
    Click("Label_Job_10");
    ASSERT_TRUE(Session.Exited());
    EXPECT_TRUE(Test_SameBytes(File("Data\\Hinsyu.620"), categories, Hinsyu_RecLen));
}

// Every use of a damaged number stays within the 100 flags (the sanitizer
// build stops at a byte beyond them) and touches no flag: the product
// page's category names, the chooser's pages, toggles and pick, the delete,
// an insert that drops such an entry off the list (the new entry takes a
// sound number), and the editor's product chooser over such an entry.
TEST_F(HinsyuTest, EveryUseOfADamagedNumberStaysWithinTheFlags) {
    for (const char* damaged : {"101", " -1", "999", "-99"}) {
        SCOPED_TRACE(damaged);
        TMasterRun run;
        std::string categories = Hinsyu_TestFile(3);
        for (int e : {1, 99}) categories.replace(static_cast<size_t>(e) * Hinsyu_RecLen + 51, 3, damaged);
        const std::string products = Syouhin_TestRecord(1, {1, 2, 100}) + Syouhin_TestRecord(2, {100});
        run.StartWith(categories, products);
        run.Click("Label_Job_05");
        EXPECT_EQ(run.Text("Label_Syouhin_Cyoufuku_01"), "3");
        EXPECT_EQ(run.Text("Label_Syouhin_Hinsyu_01"), Test_Padded(Hinsyu_TestName(1), 40));
        EXPECT_EQ(run.Text("Label_Syouhin_Hinsyu_02"), std::string(40, ' '));  // no entry holds 100

        // The chooser: Return, Space and clicks on both damaged rows.
        run.Click("Label_Syouhin_Hinsyu_01");
        run.Key(vk::Down);
        run.Key(vk::Return);
        run.Key(vk::Space);
        run.Click("Label_HinsyuChoose_Name_02");
        for (int page = 0; page < 3; ++page) run.Click("Label_Image_ChooseHinsyuNextPage");
        run.Click("Label_HinsyuChoose_Check_25");
        EXPECT_EQ(run.Text("Label_Help"), "商品属性設定エラー");
        run.Key(vk::F9);
        EXPECT_TRUE(Test_SameBytes(run.File(), products));

        // The delete refuses it; the insert before it drops the damaged
        // last entry and numbers the new one 2, the number nobody holds.
        run.Click("Label_Job_04");
        run.Click("Edit_Hinsyu_Name_02");
        run.Click("Label_Command_01_F4");
        EXPECT_STREQ(Hinsyu_No[1], damaged);
        run.Click("Label_Command_01_F5");
        EXPECT_STREQ(Hinsyu_No[1], "  2");
        EXPECT_STREQ(Hinsyu_No[2], damaged);
        EXPECT_EQ(Hinsyu_Number(99), 99);
        EXPECT_TRUE(Test_SameBytes(run.File(), products));

        // The editor's product chooser over the damaged entry lists nothing.
        run.Click("Label_Job_01");
        SyouhinChoose_Hinsyu = 2;
        SyouhinChoose_LoadHinsyu();
        EXPECT_EQ(SyouhinChoose_HitCount, 0);
    }
}

}  // namespace
