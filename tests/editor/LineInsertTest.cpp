// F5 in a detail cell: a blank line at the cursor line, the lines from there
// on one place down; the last line drops off the document.
#include "document/Calc.h"
#include "tests/editor/EditorFixture.h"
#include "ui/CommandBar.h"

namespace {

class LineInsertTest : public EditorTest {
protected:
    // Line i described "行i" for every line listed.
    static void Describe(std::initializer_list<int> lines) {
        for (int i : lines) SetLineField(i, LineField_Syousai, ("行" + std::to_string(i)).c_str());
    }
    static std::string Described(int line) { return LineField(line, LineField_Syousai).substr(0, 8); }
    static std::string Line(int i) { return "行" + std::to_string(i); }
};

// The cursor on line 3 of the window from line 10: line 12 becomes blank,
// lines 12 ... 198 move to 13 ... 199; the window, the cursor and the focus
// stay, the cursor row's description bare for typing; nothing else changes.
TEST_F(LineInsertTest, ABlankLineAtTheCursorLine) {
    Describe({11, 12, 13, 198});
    SetLineField(12, LineField_Kingaku, "1000", true);
    Denpyou_CalcSeikyuuGoukei();
    ShowFrom(10);
    Click(Suuryou(3));
    const std::string total = Field(DenpyouField_Goukei);
    Key(vk::F5);
    EXPECT_EQ(Described(11), Padded(Line(11), 8));
    EXPECT_EQ(LineField(12, LineField_Syousai), std::string(50, ' '));
    EXPECT_EQ(LineField(12, LineField_Kingaku), std::string(10, ' '));
    EXPECT_EQ(Described(13), Padded(Line(12), 8));
    EXPECT_EQ(LineField(13, LineField_Kingaku), "      1000");
    EXPECT_EQ(Described(14), Padded(Line(13), 8));
    EXPECT_EQ(Described(199), Padded(Line(198), 8));
    EXPECT_EQ(Field(DenpyouField_Goukei), total);
    EXPECT_EQ(Denpyou_TopLine, 10);
    EXPECT_EQ(Denpyou_CurRow, 2);
    EXPECT_EQ(Focused(), Suuryou(3));
    EXPECT_EQ(Text(Syousai(3)), "");
    // The quantity cell that keeps the focus takes typing at once.
    EXPECT_EQ(Text(Suuryou(3)), "");
    Type("5");
    EXPECT_EQ(Text(Suuryou(3)), "5");
    EXPECT_EQ(Text(Syousai(4)), Padded(Line(12), 50));
}

// On line 200 the line is blanked and nothing moves; with line 200 in use an
// insert above pushes it out, and the total no longer counts its amount.
TEST_F(LineInsertTest, TheLastLineDropsOff) {
    Describe({198, 199});
    SetLineField(199, LineField_Kingaku, "500", true);
    Denpyou_CalcSeikyuuGoukei();
    ASSERT_EQ(Field(DenpyouField_Goukei), "       500");
    ShowFrom(Denpyou_TopLineMax);
    Click(Syousai(20));
    Key(vk::F5);
    EXPECT_EQ(LineField(199, LineField_Syousai), std::string(50, ' '));
    EXPECT_EQ(Described(198), Padded(Line(198), 8));
    EXPECT_EQ(Field(DenpyouField_Goukei), std::string(10, ' '));

    Describe({199});
    SetLineField(199, LineField_Kingaku, "700", true);
    Denpyou_CalcSeikyuuGoukei();
    Click(Syousai(1));
    Key(vk::F5);  // on line 181
    EXPECT_EQ(Described(199), Padded(Line(198), 8));
    EXPECT_EQ(Field(DenpyouField_Goukei), std::string(10, ' '));
}

// Without a cursor line (a header field has the focus) F5 inserts nothing,
// even from the bar with its key on.
TEST_F(LineInsertTest, NothingWithoutACursorLine) {
    Describe({0, 1});
    Click("Edit_DenpKoujiName_1");
    ASSERT_EQ(Denpyou_CurRow, -1);
    Command_Enable(vk::F5, true);
    Click("Label_Command_01_F5");
    EXPECT_EQ(Described(0), Padded(Line(0), 8));
    EXPECT_EQ(Described(1), Padded(Line(1), 8));
}

}  // namespace
