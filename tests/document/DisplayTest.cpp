// The document on the editor's controls: header dates in era years, the
// honorific, the validity date of a document without one, the rows' line
// numbers coloured by printed page, and the actual price in blue or black.
#include <gtest/gtest.h>

#include <string>

#include "editor/Display.h"
#include "editor/Grid.h"
#include "store/Denpyou.h"
#include "store/Str.h"
#include "tools/Headless.h"
#include "ui/Build.h"

namespace {

class DisplayTest : public ::testing::Test {
protected:
    THeadlessSession Session;

    void SetUp() override {
        Session.SetToday({2019, 4, 30, 9, 0, 0});
        ASSERT_TRUE(Session.Start());
        Denpyou_ClearRecord();
    }
    std::string Text(const std::string& name) { return Session.TextOf(name).value_or("<none>"); }
    TColor FontColor(const std::string& name) { return Session.Control(name)->Font.Color; }
    static void Set(DenpyouField k, const char* text, bool right = false) {
        Str_Pad(text, Denpyou_Field[k], Denpyou_FieldWidth[k], right ? 1 : 0);
    }
    static void SetLine(int line, DenpyouLineField j, const char* text) {
        Str_Pad(text, Denpyou_LineField[Denpyou_LineFieldCount * line + j], Denpyou_LineWidth[j], 1);
    }
};

TEST_F(DisplayTest, StoredYearsAreShownInTheirEra) {
    const struct {
        const char *Year, *Month, *Era;
    } cases[] = {
        {"2019", " 4", "31"}, {"2019", " 5", " 1"}, {"2019", "  ", "31"}, {"2025", " 1", " 7"},
        {"2020", "12", " 2"}, {"2015", " 3", "27"}, {"2018", "12", "30"}, {"1989", " 1", " 1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.Year) + "/" + c.Month);
        Set(DenpyouField_MakeYear, c.Year);
        Set(DenpyouField_MakeMonth, c.Month);
        Set(DenpyouField_YoukouYear, c.Year);
        Set(DenpyouField_YoukouMonth, c.Month);
        Denpyou_ShowHeader();
        EXPECT_EQ(Text("Edit_DenpMakeYear"), c.Era);
        EXPECT_EQ(Text("Edit_DenpYoukouYear"), c.Era);
        EXPECT_EQ(Text("Edit_DenpYoukouMonth"), c.Month);
        EXPECT_EQ(std::string(Denpyou_Field[DenpyouField_MakeYear]), c.Year);  // shown, not changed
    }
}

TEST_F(DisplayTest, ADocumentWithoutDatesTakesTodayAndShowsNoValidity) {
    // First a document with a validity date, then one without.
    Set(DenpyouField_YoukouYear, "2025");
    Set(DenpyouField_YoukouMonth, " 6");
    Set(DenpyouField_YoukouDay, "30");
    Denpyou_ShowHeader();
    ASSERT_EQ(Text("Edit_DenpYoukouYear"), " 7");

    Denpyou_ClearRecord();
    Denpyou_ShowHeader();
    EXPECT_EQ(Text("Edit_DenpMakeYear"), "31");  // 30 April 2019: Heisei 31
    EXPECT_EQ(Text("Edit_DenpMakeMonth"), " 4");
    EXPECT_EQ(Text("Edit_DenpMakeDay"), "30");
    EXPECT_EQ(std::string(Denpyou_Field[DenpyouField_MakeYear]), "    ");
    EXPECT_EQ(std::string(Denpyou_Field[DenpyouField_MakeMonth]), " 4");
    EXPECT_EQ(std::string(Denpyou_Field[DenpyouField_MakeDay]), "30");
    EXPECT_EQ(Text("Edit_DenpYoukouYear"), "");
    EXPECT_EQ(Text("Edit_DenpYoukouMonth"), "");
    EXPECT_EQ(Text("Edit_DenpYoukouDay"), "");

    // A blank honorific is shown and kept as 様.
    EXPECT_EQ(std::string(Denpyou_Field[DenpyouField_Keisyou]), "様    ");
    EXPECT_EQ(Text("Label_DenpKeisyou"), "様    ");
}

TEST_F(DisplayTest, LineNumbersAreColouredByPrintedPage) {
    // Lines 1 ... 22 on the first page, 28 on each later one; even pages magenta.
    const struct {
        int Top;
        int Row;  // 1 ... 20
        const char* Number;
        TColor Color;
    } cases[] = {
        {10, 1, " 11", clBlack},   {10, 12, " 22", clBlack}, {10, 13, " 23", clFuchsia},
        {40, 10, " 50", clFuchsia}, {40, 11, " 51", clBlack}, {70, 9, " 79", clFuchsia},
        {180, 10, "190", clBlack},  {180, 11, "191", clFuchsia},  // pages 7 and 8
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Number);
        Denpyou_TopLine = c.Top;
        Denpyou_ShowLines();
        const std::string label = Ui_RowName("Label_DenpLine_", c.Row);
        EXPECT_EQ(Text(label), c.Number);
        EXPECT_EQ(FontColor(label), c.Color);
    }
}

TEST_F(DisplayTest, ActualPriceIsBlueWhenItDiffersFromTheReference) {
    const struct {
        const char *Tanka, *Ritu, *Siire, *SiireRitu, *Jitubai;
        const char *Sankou, *Shown;
        TColor Color;
    } cases[] = {
        {"1000", "85", "", "", "850", "    850.0", "    850.0", clBlack},
        {"1000", "85", "", "", "800", "    850.0", "    800.0", clBlue},
        {"333", "77", "", "", "256", "    256.4", "    256.0", clBlue},
        {"", "", "800", "125", "1000", "   1000.0", "   1000.0", clBlack},
        {"", "", "", "", "", "         ", "         ", clBlack},
        {"", "", "", "", "-300", "         ", "   -300.0", clBlue},
    };
    Denpyou_TopLine = 0;
    int line = 0;
    for (const auto& c : cases) {
        SetLine(line, LineField_Tanka, c.Tanka);
        SetLine(line, LineField_TankaRitu, c.Ritu);
        SetLine(line, LineField_Siire, c.Siire);
        SetLine(line, LineField_SiireRitu, c.SiireRitu);
        SetLine(line, LineField_JitubaiTanka, c.Jitubai);
        SetLine(line, LineField_Kingaku, "1234");
        ++line;
    }
    Denpyou_ShowLines();
    for (int row = 1; row <= line; ++row) {
        const auto& c = cases[row - 1];
        SCOPED_TRACE(row);
        EXPECT_EQ(Text(Ui_RowName("Label_DenpSankouTanka_", row)), c.Sankou);
        EXPECT_EQ(Text(Ui_RowName("Edit_DenpJitubaiTanka_", row)), c.Shown);
        EXPECT_EQ(FontColor(Ui_RowName("Edit_DenpJitubaiTanka_", row)), c.Color);
        EXPECT_EQ(Text(Ui_RowName("Label_DenpSyoukei_", row)), "      1234");  // as stored
    }
}

}  // namespace
