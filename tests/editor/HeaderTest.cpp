// The header edits: commits, the era-year rule, focus-in and keys.
#include "editor/Header.h"
#include "tests/editor/EditorFixture.h"
#include "ui/CommandBar.h"
#include "ui/Focus.h"

namespace {

using HeaderTest = EditorTest;

struct TEraCase {
    const char* Year;   // typed into the year cell
    const char* Month;  // standing in the month cell
    const char* Shown;  // the year cell afterwards
    const char* Make;   // field 8
    const char* Youkou; // field 11
};

// The year cell's era follows the month: 30 April 2019 is Heisei 31, 1 May
// 2019 Reiwa 1; years from 32 count on from Heisei into Reiwa.
const TEraCase Era_Cases[] = {
    {"31", " 4", "31", "2019", "2019"}, {"31", " 5", " 1", "2019", "2019"},
    {"1", " 4", "31", "2019", "2019"},  {"1", "", "31", "2019", "2019"},
    {"1", "12", " 1", "2019", "2019"},  {"2", " 1", " 2", "2020", "2020"},
    {"26", " 1", "26", "2044", "2044"}, {"27", " 1", "27", "2015", "2015"},
    {"30", " 4", "30", "2018", "2018"}, {"32", " 1", " 2", "2020", "2020"},
    {"35", " 1", " 5", "2023", "2023"}, {"99", " 1", "69", "2087", "2087"},
    {"-1", " 1", "-1", "2017", "2017"}, {"05", " 1", "05", "2023", "2023"},
    // No non-zero number: the creation date takes 2019, a validity date no year.
    {"0", " 1", "  ", "2019", "    "}, {"", " 1", "  ", "2019", "    "},
    {"x", " 1", "  ", "2019", "    "},
};

TEST_F(HeaderTest, YearCommitFollowsTheEraRule) {
    for (const TEraCase& c : Era_Cases) {
        SCOPED_TRACE(std::string("year '") + c.Year + "' month '" + c.Month + "'");
        Edit("Edit_DenpMakeMonth")->SetText(c.Month);
        Edit("Edit_DenpMakeYear")->SetText(c.Year);
        Denpyou_CommitHeaderField(DenpyouField_MakeYear);
        EXPECT_EQ(Text("Edit_DenpMakeYear"), c.Shown);
        EXPECT_EQ(Field(DenpyouField_MakeYear), c.Make);

        Edit("Edit_DenpYoukouMonth")->SetText(c.Month);
        Edit("Edit_DenpYoukouYear")->SetText(c.Year);
        Denpyou_CommitHeaderField(DenpyouField_YoukouYear);
        EXPECT_EQ(Text("Edit_DenpYoukouYear"), c.Shown);
        EXPECT_EQ(Field(DenpyouField_YoukouYear), c.Youkou);
    }
}

TEST_F(HeaderTest, MonthAndDayKeepTheTypedTextInRangeElseBlanks) {
    const struct {
        DenpyouField Field;
        const char* Edit;
        const char* Typed;
        const char* Stored;
    } cases[] = {
        {DenpyouField_MakeMonth, "Edit_DenpMakeMonth", "5", " 5"},
        {DenpyouField_MakeMonth, "Edit_DenpMakeMonth", "05", "05"},
        {DenpyouField_MakeMonth, "Edit_DenpMakeMonth", "12", "12"},
        {DenpyouField_MakeMonth, "Edit_DenpMakeMonth", "13", "  "},
        {DenpyouField_MakeMonth, "Edit_DenpMakeMonth", "0", "  "},
        {DenpyouField_MakeMonth, "Edit_DenpMakeMonth", "1a", "  "},  // no whole number
        {DenpyouField_YoukouMonth, "Edit_DenpYoukouMonth", "", "  "},
        {DenpyouField_MakeDay, "Edit_DenpMakeDay", "31", "31"},
        {DenpyouField_MakeDay, "Edit_DenpMakeDay", "32", "  "},
        {DenpyouField_YoukouDay, "Edit_DenpYoukouDay", "-1", "  "},
        {DenpyouField_YoukouDay, "Edit_DenpYoukouDay", "7 ", " 7"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.Edit) + " '" + c.Typed + "'");
        Edit(c.Edit)->SetText(c.Typed);
        Denpyou_CommitHeaderField(c.Field);
        EXPECT_EQ(Text(c.Edit), c.Stored);
        EXPECT_EQ(Field(c.Field), c.Stored);
    }
}

TEST_F(HeaderTest, MonthCommitRedoesTheEraYear) {
    Edit("Edit_DenpMakeYear")->SetText("31");
    Edit("Edit_DenpMakeMonth")->SetText("3");
    Denpyou_CommitHeaderField(DenpyouField_MakeMonth);
    EXPECT_EQ(Text("Edit_DenpMakeYear"), "31");
    Edit("Edit_DenpMakeMonth")->SetText("5");
    Denpyou_CommitHeaderField(DenpyouField_MakeMonth);
    EXPECT_EQ(Text("Edit_DenpMakeYear"), " 1");
    EXPECT_EQ(Field(DenpyouField_MakeYear), "2019");
    Edit("Edit_DenpMakeMonth")->SetText("4");
    Denpyou_CommitHeaderField(DenpyouField_MakeMonth);
    EXPECT_EQ(Text("Edit_DenpMakeYear"), "31");
    EXPECT_EQ(Field(DenpyouField_MakeYear), "2019");

    // A validity month committed without a year leaves the year field blank.
    Edit("Edit_DenpYoukouYear")->SetText("");
    Edit("Edit_DenpYoukouMonth")->SetText("6");
    Denpyou_CommitHeaderField(DenpyouField_YoukouMonth);
    EXPECT_EQ(Field(DenpyouField_YoukouYear), "    ");
    EXPECT_EQ(Field(DenpyouField_YoukouMonth), " 6");
}

TEST_F(HeaderTest, TextFieldsAreStoredWholeAndTrimmedOnlyForEditing) {
    ASSERT_EQ(Focused(), "Edit_DenpKokyakuName_1");
    // A stale tail behind the field's NUL never comes back.
    std::memset(Denpyou_Field[DenpyouField_KokyakuName_1], 'Z', 40);
    Denpyou_Field[DenpyouField_KokyakuName_1][0] = '\0';
    Type("  山田");
    Key(vk::Return);
    EXPECT_EQ(Field(DenpyouField_KokyakuName_1), Padded("  山田", 40));
    EXPECT_EQ(Text("Edit_DenpKokyakuName_1"), Padded("  山田", 40));
    EXPECT_EQ(Focused(), "Edit_DenpKokyakuName_2");
    EXPECT_EQ(Focus_Code, 1130);
    EXPECT_FALSE(Flag_EnterCommitted);

    // The next focus-in shows the bare text; the field keeps its blanks
    // until the cell is committed again.
    Click("Edit_DenpKokyakuName_1");
    EXPECT_EQ(Text("Edit_DenpKokyakuName_1"), "山田");
    EXPECT_EQ(Field(DenpyouField_KokyakuName_1), Padded("  山田", 40));
    Click("Edit_DenpKoujiName_1");
    EXPECT_EQ(Field(DenpyouField_KokyakuName_1), Padded("山田", 40));
}

TEST_F(HeaderTest, ReturnWalksTheHeaderIntoTheGrid) {
    const char* const order[] = {"Edit_DenpKokyakuName_1", "Edit_DenpKokyakuName_2", "Edit_DenpKoujiName_1",
                                 "Edit_DenpKoujiName_2",   "Edit_DenpPlace",         "Edit_DenpBikou",
                                 "Edit_DenpMakeYear",      "Edit_DenpMakeMonth",     "Edit_DenpMakeDay",
                                 "Edit_DenpYoukouYear",    "Edit_DenpYoukouMonth",   "Edit_DenpYoukouDay"};
    for (int k = 0; k < 12; ++k) {
        ASSERT_EQ(Focused(), order[k]);
        EXPECT_EQ(Focus_Code, 1120 + 10 * k);
        EXPECT_EQ(Pen(std::string("Shape_") + (order[k] + 5)), "255/2");
        Key(vk::Return);
        EXPECT_EQ(Pen(std::string("Shape_") + (order[k] + 5)), "0/1");
    }
    EXPECT_EQ(Focused(), "Edit_DenpSyousai_01");
    EXPECT_EQ(Denpyou_CurRow, 0);
    EXPECT_EQ(Denpyou_CommandMode, TCommandMode::Syousai);

    // Home walks back, committing what it leaves.
    Focus("Edit_DenpMakeMonth");
    Type("13");
    Key(vk::Home);
    EXPECT_EQ(Focused(), "Edit_DenpMakeYear");
    EXPECT_EQ(Field(DenpyouField_MakeMonth), "  ");
    Focus("Edit_DenpKokyakuName_1");
    Key(vk::Home);
    EXPECT_EQ(Focused(), "Edit_DenpKokyakuName_1");
}

TEST_F(HeaderTest, EnteringTheHeaderFromTheGridLeavesNoRowCurrent) {
    Focus(Syousai(4));
    ASSERT_EQ(Denpyou_CurRow, 3);
    ASSERT_EQ(Pen("Shape_DenpSyousai_04"), "255/2");
    Click("Edit_DenpPlace");
    EXPECT_EQ(Denpyou_CurRow, -1);
    EXPECT_EQ(Denpyou_CommandMode, TCommandMode::Header);
    EXPECT_EQ(Pen("Shape_DenpSyousai_04"), "0/1");
    EXPECT_EQ(Pen("Shape_DenpPlace"), "255/2");
    EXPECT_EQ(Focus_Code, 1160);
}

TEST_F(HeaderTest, UnderTheLockAHeaderFieldGivesTheFocusBack) {
    Focus("Edit_DenpKoujiName_1");
    Popup_Lock = true;
    Edit("Edit_DenpPlace")->SetText("  x");
    Click("Edit_DenpPlace");
    EXPECT_EQ(Focused(), "Edit_DenpKoujiName_1");
    EXPECT_EQ(Focus_Code, 1140);
    EXPECT_EQ(Pen("Shape_DenpPlace"), "0/1");
    EXPECT_EQ(Text("Edit_DenpPlace").substr(0, 3), "  x");  // not trimmed
    Popup_Lock = false;
}

TEST_F(HeaderTest, ValidityYearLeftWithoutANumberStoresNoYear) {
    // A new document: empty validity cells; tabbing through them by Return
    // stores no year, and the creation year is completed to 2019 only when
    // its own cell holds no number.
    EXPECT_EQ(Text("Edit_DenpYoukouYear"), "");
    Focus("Edit_DenpYoukouYear");
    Key(vk::Return);
    EXPECT_EQ(Field(DenpyouField_YoukouYear), "    ");
    EXPECT_EQ(Text("Edit_DenpYoukouYear"), "  ");
    Type("0");
    Key(vk::Return);
    EXPECT_EQ(Field(DenpyouField_YoukouYear), "    ");
    EXPECT_EQ(Field(DenpyouField_YoukouMonth), "  ");
    Focus("Edit_DenpYoukouYear");
    Type("7");
    Focus("Edit_DenpPlace");  // left by a focus change: committed by the focus-out
    EXPECT_EQ(Field(DenpyouField_YoukouYear), "2025");
}

}  // namespace
