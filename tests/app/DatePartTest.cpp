// A date part that is not wholly a number (blanks aside), such as a month
// typed as "1e", is no number wherever a typed date part is read: the
// editor's header dates (also as a store completes the creation date), the
// preview's print date and the list's criteria. No record holds "1e".
#include <gtest/gtest.h>

#include <string>

#include "print/preview/PrintView.h"
#include "store/Denpyou.h"
#include "tools/Headless.h"

namespace {

class DatePartTest : public ::testing::Test {
protected:
    THeadlessSession Session;
    void SetUp() override { ASSERT_TRUE(Session.Start()); }
    std::string Text(const std::string& name) { return Session.TextOf(name).value_or("<none>"); }
    // Typed into an edit and committed by Return.
    void Commit(const std::string& edit, const std::string& typed) {
        ASSERT_TRUE(Session.Click(edit)) << edit;
        Session.ControlAs<TEdit>(edit)->SetText("");
        Session.Type(typed);
        Session.Key(vk::Return);
    }
};

struct TPartCase {
    const char* Typed;
    const char* Shown;  // the edit after the commit
};
// The month of each screen: a number within 1 ... 12 right-aligned, else blanks.
const TPartCase Month_Cases[] = {{"1e", "  "}, {"e1", "  "}, {"1-", "  "}, {"+", "  "},
                                 {"5", " 5"},  {" 7", " 7"}, {"1 ", " 1"}, {"12", "12"}, {"13", "  "}};

TEST_F(DatePartTest, TheHeadersDatesTakeOnlyWholeNumbers) {
    for (const TPartCase& c : Month_Cases) {
        SCOPED_TRACE(c.Typed);
        Commit("Edit_DenpMakeMonth", c.Typed);
        EXPECT_EQ(Text("Edit_DenpMakeMonth"), c.Shown);
        EXPECT_EQ(std::string(Denpyou_Field[DenpyouField_MakeMonth]), c.Shown);
    }
    Commit("Edit_DenpYoukouDay", "3x");
    EXPECT_EQ(std::string(Denpyou_Field[DenpyouField_YoukouDay]), "  ");
    // A year cell that holds no whole number: no validity year.
    Commit("Edit_DenpYoukouYear", "7e");
    EXPECT_EQ(Text("Edit_DenpYoukouYear"), "  ");
    EXPECT_EQ(std::string(Denpyou_Field[DenpyouField_YoukouYear]), "    ");
}

// The store completes a new document's creation date from the edits as they
// stand, a month still typed "1e" among them: it stores no month.
TEST_F(DatePartTest, AStoreTakesNoPartThatIsNoWholeNumber) {
    Session.Type("客");
    ASSERT_TRUE(Session.Click("Edit_DenpMakeMonth"));
    Session.ControlAs<TEdit>("Edit_DenpMakeMonth")->SetText("");
    Session.Type("1e");
    ASSERT_TRUE(Session.Key(vk::F1));
    ASSERT_EQ(Denpyou_Count, 1);
    const std::string record = Session.ReadFile("Data\\Denpyou.620").value_or("");
    ASSERT_EQ(record.size(), static_cast<size_t>(Denpyou_RecLen));
    EXPECT_EQ(record.substr(static_cast<size_t>(Denpyou_FieldOffset[DenpyouField_MakeMonth]), 2), "  ");
}

TEST_F(DatePartTest, ThePreviewsPrintDateTakesOnlyWholeNumbers) {
    Session.Type("客");
    ASSERT_TRUE(Session.Key(vk::F3));
    for (const TPartCase& c : Month_Cases) {
        SCOPED_TRACE(c.Typed);
        Commit("Edit_PanelPrintView_Month", c.Typed);
        EXPECT_EQ(Text("Edit_PanelPrintView_Month"), c.Shown);
    }
    // What a print reads of a part typed and not committed yet.
    Session.ControlAs<TEdit>("Edit_PanelPrintView_Day")->SetText("2e");
    EXPECT_EQ(std::string(PrintView_ReadDate().Day), "  ");
}

TEST_F(DatePartTest, TheListsCriteriaTakeOnlyWholeNumbers) {
    ASSERT_TRUE(Session.Click("Label_Job_02"));
    // A month that is no number is emptied and keeps the focus.
    Commit("Edit_SearchStartMonth", "1e");
    EXPECT_EQ(Text("Edit_SearchStartMonth"), "");
    EXPECT_EQ(Session.FocusedName(), "Edit_SearchStartMonth");
    // A year moves on whatever it holds, blank when it is no number.
    Commit("Edit_SearchEndYear", "20x4");
    EXPECT_EQ(Text("Edit_SearchEndYear"), "    ");
    EXPECT_EQ(Session.FocusedName(), "Edit_SearchEndMonth");
}

}  // namespace
