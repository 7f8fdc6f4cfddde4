// The category screen where the scenarios do not reach: a commit stores into
// the entry its own row shows, a blanked name shuts the rows below it, the
// list loaded again under the cursor, the delete of an entry whose number is
// damaged.
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

}  // namespace
