// The grid: the description cells, the window's moves at its edges and by
// half pages, and the search that carries the cursor past special lines.
#include "editor/EditorScreen.h"
#include "masters/categories/HinsyuScreen.h"
#include "masters/customers/KokyakuScreen.h"
#include "tests/editor/EditorFixture.h"
#include "ui/Job.h"

namespace {

using GridTest = EditorTest;

TEST_F(GridTest, DescriptionCellMarksItsRowAndCommitsIntoItsOwnLine) {
    ShowFrom(5);
    Focus(Syousai(3));
    EXPECT_EQ(Denpyou_CurRow, 2);
    EXPECT_EQ(Focus_Code, 2270);
    EXPECT_EQ(HinsyuChoose_CodeSaved, 2270);
    EXPECT_EQ(Denpyou_CommandMode, TCommandMode::Syousai);
    EXPECT_EQ(Text("Label_Command_01_F8"), "F8 商品一覧");
    EXPECT_EQ(Pen("Shape_DenpSyousai_03"), "255/2");

    // A stale tail behind the field's NUL is not carried into the line.
    std::memset(Denpyou_Field[DenpyouField_Line(7, LineField_Syousai)], 'Z', 50);
    Denpyou_Field[DenpyouField_Line(7, LineField_Syousai)][0] = '\0';
    Type("  配線");
    Denpyou_CurRow = 12;  // the commit goes by the cell's own row whatever the cursor says
    Click(Syousai(9));
    EXPECT_EQ(LineField(7, LineField_Syousai), Padded("  配線", 50));
    EXPECT_EQ(LineField(5 + 12, LineField_Syousai), std::string(50, ' '));
    EXPECT_EQ(Pen("Shape_DenpSyousai_03"), "0/1");
    EXPECT_EQ(Pen("Shape_DenpSyousai_09"), "255/2");
    EXPECT_EQ(Denpyou_CurRow, 8);

    // Passing through again trims it; leaving without Return stores it bare.
    Focus(Syousai(3));
    EXPECT_EQ(Text(Syousai(3)), "配線");
    Focus(Syousai(4));
    EXPECT_EQ(LineField(7, LineField_Syousai), Padded("配線", 50));
}

TEST_F(GridTest, ReturnCommitsAndMovesOnByTheLineKind) {
    const struct {
        char Kind;
        const char* Target;
    } cases[] = {
        {LineKind_Item, "Edit_DenpSuuryou_04"},
        // An adjustment line goes to its actual price, which takes no focus
        // on a special line without a vertical move: the focus comes back.
        {LineKind_Nebiki, "Edit_DenpSyousai_04"},
        {LineKind_Zei, "Edit_DenpSyousai_05"},
        {LineKind_Syoukei, "Edit_DenpSyousai_05"},
        {LineKind_Goukei, "Edit_DenpSyousai_05"},
        {LineKind_SouGoukei, "Edit_DenpSyousai_05"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("kind '") + c.Kind + "'");
        SetKinds(3, std::string(1, c.Kind));
        Focus("Edit_DenpKokyakuName_1");
        Focus(Syousai(4));
        Type("小計");
        Key(vk::Return);
        EXPECT_EQ(Focused(), c.Target);
        EXPECT_EQ(LineField(3, LineField_Syousai), Padded("小計", 50));
        EXPECT_EQ(LineField(3, LineField_Kind), std::string(1, c.Kind));
        EXPECT_FALSE(Flag_EnterCommitted);  // cleared by the cell that took the focus
    }
}

TEST_F(GridTest, ReturnOnASpecialLineInTheLastRowScrollsAndCommitsAgainOnLeaving) {
    SetKinds(198, "33");
    SetLineField(199, LineField_Syousai, "計");
    ShowFrom(179);
    Focus(Syousai(20));
    Type("小計");
    Key(vk::Return);
    EXPECT_EQ(LineField(198, LineField_Syousai), Padded("小計", 50));
    EXPECT_EQ(Denpyou_TopLine, 180);
    EXPECT_EQ(Focused(), Syousai(20));
    EXPECT_EQ(Text(Syousai(20)), "計");
    // The focus stayed: what is typed now is committed when the cell is left.
    EXPECT_FALSE(Flag_EnterCommitted);
    Key(vk::End);  // the line shown anew has the caret at its start
    Type("合");
    Click("Edit_DenpPlace");
    EXPECT_EQ(LineField(199, LineField_Syousai), Padded("計合", 50));

    // At the end of the document Return only commits.
    Focus(Syousai(20));
    Type("X");
    Key(vk::Return);
    EXPECT_EQ(LineField(199, LineField_Syousai), Padded("X", 50));
    EXPECT_EQ(Denpyou_TopLine, 180);
    EXPECT_EQ(Focused(), Syousai(20));
    EXPECT_FALSE(Flag_EnterCommitted);
}

TEST_F(GridTest, ReturnWithoutACursorRowTouchesNoLine) {
    Focus(Syousai(1));
    Type("A");
    Denpyou_CurRow = -1;
    Key(vk::Return);
    EXPECT_EQ(Focused(), Syousai(1));
    EXPECT_EQ(LineField(0, LineField_Syousai), std::string(50, ' '));
    EXPECT_EQ(Text(Syousai(1)), "A");
}

TEST_F(GridTest, HomeGoesToTheUnitCellOfTheLineAbove) {
    Focus(Syousai(5));
    Key(vk::Home);
    EXPECT_EQ(Focused(), "Edit_DenpTanni_04");

    Focus(Syousai(1));
    Key(vk::Home);
    EXPECT_EQ(Focused(), Syousai(1));

    // In the first row the window moves back first: text typed and not
    // committed gives way to the line now shown.
    SetLineField(11, LineField_Syousai, "上の行");
    SetLineField(12, LineField_Syousai, "元の行");
    ShowFrom(12);
    Focus(Syousai(1));
    Type("打ちかけ");
    Key(vk::Home);
    EXPECT_EQ(Denpyou_TopLine, 11);
    EXPECT_EQ(Focused(), "Edit_DenpTanni_01");
    EXPECT_EQ(LineField(11, LineField_Syousai), Padded("上の行", 50));
    EXPECT_EQ(LineField(12, LineField_Syousai), Padded("元の行", 50));
}

TEST_F(GridTest, UpAndDownScrollAtTheEdgesWithoutCommitting) {
    SetLineField(4, LineField_Syousai, "四");
    ShowFrom(5);
    Focus(Syousai(1));
    Type("消える");
    Key(vk::Up);
    EXPECT_EQ(Denpyou_TopLine, 4);
    EXPECT_EQ(Denpyou_CurRow, 0);
    EXPECT_EQ(Focused(), Syousai(1));
    EXPECT_EQ(Text(Syousai(1)), "四");
    EXPECT_EQ(LineField(5, LineField_Syousai), std::string(50, ' '));

    ShowFrom(0);
    Focus(Syousai(1));
    Key(vk::Up);
    EXPECT_EQ(Denpyou_TopLine, 0);

    ShowFrom(180);
    Focus(Syousai(20));
    Key(vk::Down);
    EXPECT_EQ(Denpyou_TopLine, 180);
    EXPECT_EQ(Focused(), Syousai(20));

    // Inside the window Down commits the cell left and moves one row.
    Focus(Syousai(7));
    Type("七");
    Key(vk::Down);
    EXPECT_EQ(Focused(), Syousai(8));
    EXPECT_EQ(LineField(186, LineField_Syousai), Padded("七", 50));
}

TEST_F(GridTest, HalfPagesMoveTheWindowByTenWithinItsEnds) {
    const struct {
        Word Key;
        int From, To;
        const char* Focus;
    } cases[] = {
        {vk::PageDown, 170, 180, "Edit_DenpSyousai_11"}, {vk::PageDown, 171, 171, "Edit_DenpSyousai_05"},
        {vk::PageDown, 0, 10, "Edit_DenpSyousai_11"},    {vk::PageUp, 10, 0, "Edit_DenpSyousai_01"},
        {vk::PageUp, 9, 9, "Edit_DenpSyousai_05"},       {vk::PageUp, 180, 170, "Edit_DenpSyousai_01"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.Key) + " from " + std::to_string(c.From));
        Focus("Edit_DenpPlace");
        ShowFrom(c.From);
        Focus(Syousai(5));
        Type("五");
        Key(c.Key);
        EXPECT_EQ(Denpyou_TopLine, c.To);
        EXPECT_EQ(Focused(), c.Focus);
        if (c.To != c.From) {
            // The cell left was committed into its line before the move.
            EXPECT_EQ(LineField(c.From + 4, LineField_Syousai), Padded("五", 50));
            EXPECT_EQ(Denpyou_CurRow, c.Key == vk::PageDown ? 10 : 0);
        }
        SetLineField(c.From + 4, LineField_Syousai, "");
    }
    // Not on another screen.
    ShowFrom(50);
    Job_Current = Job_Kokyaku;
    Denpyou_BeforeHalfPage();
    EXPECT_EQ(Denpyou_TopLine, 50);
    Job_Current = Job_Denpyou;
}

// Moves in the quantity column, through the value cells' focus-in.
using SkipTest = EditorTest;

TEST_F(SkipTest, DownPassesASubtotalLineAndLeavesItsFieldsAlone) {
    SetKinds(0, "     3 ");
    SetLineField(5, LineField_Syousai, "小計");
    SetLineField(5, LineField_Suuryou, "2", true);
    SetLineField(5, LineField_Kingaku, "1000", true);
    ShowFrom(0);
    Focus(Suuryou(5));
    Type("3");
    Denpyou_SuuryouLineDown();
    EXPECT_EQ(Focused(), Suuryou(7));
    EXPECT_EQ(Denpyou_CurRow, 6);
    EXPECT_EQ(Focus_Code, 2110 + 80 * 6 + 30);
    EXPECT_EQ(LineField(4, LineField_Suuryou), "     3");
    EXPECT_EQ(LineField(5, LineField_Suuryou), "     2");
    EXPECT_EQ(LineField(5, LineField_Kingaku), "      1000");
    EXPECT_EQ(LineField(5, LineField_Syousai), Padded("小計", 50));
    EXPECT_EQ(Pen("Shape_DenpSuuryou_06"), "0/1");
    EXPECT_EQ(Pen("Shape_DenpSuuryou_07"), "255/2");
}

TEST_F(SkipTest, UpFromRowTwoOverATaxLineScrollsTheItemLineIntoRowOne) {
    SetKinds(0, " 1 ");
    ShowFrom(1);
    Focus(Suuryou(2));
    Denpyou_SuuryouLineUp();
    EXPECT_EQ(Denpyou_TopLine, 0);
    EXPECT_EQ(Focused(), Suuryou(1));
    EXPECT_EQ(Denpyou_CurRow, 0);
    EXPECT_EQ(Text("Label_DenpLine_01"), "  1");
}

TEST_F(SkipTest, DownFromRowNineteenOverATotalLineScrollsTheItemLineIntoRowTwenty) {
    SetKinds(19, "4 ");
    ShowFrom(0);
    Focus(Suuryou(19));
    Denpyou_SuuryouLineDown();
    EXPECT_EQ(Denpyou_TopLine, 1);
    EXPECT_EQ(Focused(), Suuryou(20));
    EXPECT_EQ(Denpyou_CurRow, 19);
    EXPECT_EQ(Text("Label_DenpLine_20"), " 21");
}

TEST_F(SkipTest, NoEditableLineAboveGivesTheFocusBack) {
    SetKinds(0, "1 ");
    ShowFrom(0);
    Focus(Suuryou(2));
    Denpyou_SuuryouLineUp();
    EXPECT_EQ(Focused(), Suuryou(2));
    EXPECT_EQ(Denpyou_TopLine, 0);
    EXPECT_EQ(Denpyou_CurRow, 1);

    // From row 1 the window moves back onto the tax line, the cursor with it.
    ShowFrom(1);
    Focus(Suuryou(1));
    Denpyou_SuuryouLineUp();
    EXPECT_EQ(Denpyou_TopLine, 0);
    EXPECT_EQ(Focused(), Suuryou(1));
    EXPECT_EQ(Denpyou_CurRow, 0);
}

TEST_F(SkipTest, ASubtotalFollowedByAGrandTotalIsPassedOver) {
    SetKinds(0, "   36 ");
    ShowFrom(0);
    Focus(Suuryou(3));
    Denpyou_SuuryouLineDown();
    EXPECT_EQ(Focused(), Suuryou(6));
    EXPECT_EQ(Denpyou_CurRow, 5);
    Denpyou_SuuryouLineUp();
    EXPECT_EQ(Focused(), Suuryou(3));
    EXPECT_EQ(Denpyou_CurRow, 2);

    // The same at the foot of the window: the grand total found in row 20
    // refuses in turn and the window moves on under the cursor.
    SetKinds(19, "36 ");
    Focus(Suuryou(19));
    Denpyou_SuuryouLineDown();
    EXPECT_EQ(Focused(), Suuryou(20));
    EXPECT_EQ(Denpyou_TopLine, 2);
    EXPECT_EQ(Denpyou_CurRow, 19);
    EXPECT_EQ(Focus_Code, 2110 + 80 * 19 + 30);
    EXPECT_EQ(Text("Label_DenpLine_20"), " 22");
    EXPECT_EQ(Pen("Shape_DenpSuuryou_20"), "255/2");
    EXPECT_EQ(Pen("Shape_DenpSuuryou_19"), "0/1");

    // And at its head, when the window scrolls back under the first row.
    SetKinds(0, " 63 ");
    ShowFrom(3);
    Focus(Suuryou(1));
    Denpyou_SuuryouLineUp();
    EXPECT_EQ(Focused(), Suuryou(1));
    EXPECT_EQ(Denpyou_TopLine, 0);
    EXPECT_EQ(Denpyou_CurRow, 0);
}

TEST_F(SkipTest, AClickOnASpecialLineFollowsTheLastVerticalMove) {
    SetKinds(0, "  3  ");
    ShowFrom(0);
    Focus("Edit_DenpTanka_05");
    Denpyou_MoveUp = true;
    Click("Edit_DenpTanka_03");
    EXPECT_EQ(Focused(), "Edit_DenpTanka_02");
    EXPECT_EQ(Pen("Shape_DenpTanka_02"), "255/2");
    EXPECT_EQ(Pen("Shape_DenpTanka_05"), std::to_string(clGray) + "/1");

    Denpyou_MoveUp = false;
    Click("Edit_DenpTanka_03");
    EXPECT_EQ(Focused(), "Edit_DenpTanka_02");
    EXPECT_EQ(Denpyou_CurRow, 1);
}

TEST_F(SkipTest, SearchesAtTheDocumentsEndsFindNothing) {
    SetKinds(196, "1341");
    ShowFrom(180);
    Focus(Suuryou(16));
    Denpyou_SuuryouLineDown();
    EXPECT_EQ(Focused(), Suuryou(16));
    EXPECT_EQ(Denpyou_TopLine, 180);
    EXPECT_EQ(Denpyou_CurRow, 15);
    EXPECT_EQ(Denpyou_FindNextEditLine(19), 0);
    EXPECT_EQ(Denpyou_FindPrevEditLine(-1), 0);
    EXPECT_EQ(Denpyou_FindNextEditLine(20), 0);
}

}  // namespace
