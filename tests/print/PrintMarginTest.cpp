// The print margins' edits beyond the typed paths of the scenarios: a text
// that is not a number, an open product chooser, and an own-company file
// that cannot be written (for the margins and the preview's no-date box):
// the user is told, and what the file holds stays on the screen.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/FileFault.h"
#include "print/PrintMargins.h"
#include "store/Jisya.h"
#include "tools/Headless.h"

namespace {

class PrintMarginTest : public ::testing::Test {
protected:
    THeadlessSession Session;
    void SetUp() override { ASSERT_TRUE(Session.Start()); }
    void TearDown() override { FileFault_Reset(); }
    std::string Text(const std::string& name) { return Session.TextOf(name).value_or("<none>"); }
    std::string Jisya() { return Session.ReadFile("Data\\Jisya.620").value_or("<none>"); }
};

// Kept as typed, counted as 0; entering the editor's margin closes the
// product chooser.
TEST_F(PrintMarginTest, NotANumberIsKeptAndCountsZero) {
    TControl* chooser = Session.Control("Panel_SyouhinChoose");
    chooser->Show();
    ASSERT_TRUE(Session.Click("Edit_Panel_Denpyou_TopMargine"));
    EXPECT_FALSE(chooser->Visible());
    Session.Type("a5");
    ASSERT_TRUE(Session.Key(vk::Return));
    EXPECT_EQ(Text("Edit_Panel_DenpyouList_TopMargine"), "a5");
    EXPECT_EQ(Jisya().substr(697, 2), "a5");
    EXPECT_EQ(Print_TopMargin, 0);
}

// A margin that cannot be written says so, and both screens, the record in
// memory and the next print keep the margin the file holds.
TEST_F(PrintMarginTest, UnwrittenMarginShowsWhatTheFileHolds) {
    ASSERT_TRUE(Session.Click("Edit_Panel_Denpyou_LeftMargine"));
    Session.Type("3");
    ASSERT_TRUE(Session.Key(vk::Return));
    const std::string before = Jisya();
    ASSERT_TRUE(Session.Click("Edit_Panel_Denpyou_LeftMargine"));
    Session.Type("7");
    FileFault_DiskFull(0);
    ASSERT_TRUE(Session.Key(vk::Return));
    FileFault_Reset();
    EXPECT_EQ(Jisya(), before);
    EXPECT_EQ(Session.Messages(), std::vector<std::string>{"Jisya.620を保存できませんでした。"});
    EXPECT_EQ(Text("Edit_Panel_Denpyou_LeftMargine"), " 3");
    EXPECT_EQ(Text("Edit_Panel_DenpyouList_LeftMargine"), " 3");
    EXPECT_EQ(std::string(Jisya_Field[JisyaField_LeftMargin]), " 3");
    EXPECT_EQ(Print_LeftMargin, 3);
}

// The preview's no-date box likewise: it goes back to what the file holds.
TEST_F(PrintMarginTest, UnwrittenNoDateBoxShowsWhatTheFileHolds) {
    const std::string before = Jisya();
    ASSERT_TRUE(Session.Key(vk::F3));
    Session.Control("CheckBox_MakeDayNotPrint")->Show();  // the creation-date footer
    FileFault_DiskFull(0);
    ASSERT_TRUE(Session.Click("CheckBox_MakeDayNotPrint"));
    FileFault_Reset();
    EXPECT_EQ(Jisya(), before);
    EXPECT_EQ(Session.Messages(), std::vector<std::string>{"Jisya.620を保存できませんでした。"});
    EXPECT_EQ(std::string(Jisya_Field[JisyaField_DateNoPrint]), " ");
    EXPECT_FALSE(Session.ControlAs<TCheckBox>("CheckBox_MakeDayNotPrint")->Checked());
}

}  // namespace
