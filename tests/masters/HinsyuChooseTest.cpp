// The category chooser over the document editor, through a small host of
// the test's own in the editor's place: it opens on a given category, picks
// a named entry by Return or a click, closes by F9 or its label, gives the
// focus back to the cell it was opened from, and keeps F3 ... F6 off only
// while it is open. Then its moves, the same over any host.
#include <vector>

#include "masters/categories/HinsyuChoose.h"
#include "tests/masters/HinsyuFixture.h"
#include "ui/CommandBar.h"
#include "ui/Commands.h"
#include "ui/Job.h"
#include "ui/Screen.h"

namespace {

std::vector<int> Picks;
int Closes = 0;

const THinsyuChooseHost TestHost{
    .Job = Job_First,  // the document editor
    .Left = 594,
    .Top = 56,
    .KeysOff = Command_Keys({vk::F3, vk::F4, vk::F5, vk::F6}),
    .Picked = [](int position) { Picks.push_back(position); },
    .Closed = [] { ++Closes; },
};

constexpr const char* Cell = "Edit_DenpSyousai_03";

class HinsyuChooseEditor : public ::testing::Test, public TMasterRun {
protected:
    void SetUp() override {
        Picks.clear();
        Closes = 0;
        std::vector<int> numbers(Hinsyu_Max);
        for (int e = 0; e < Hinsyu_Max; ++e) numbers[e] = Hinsyu_Max - e;  // position 1 holds number 100
        numbers[40] = 0;  // damaged: Hinsyu_Load gives it a free number, which the test takes away again
        StartWith(Hinsyu_TestFile(60, numbers));
        HinsyuChoose_SetHost(TestHost);
        Click(Cell);
        Command_EnableAll(true);
    }
    void Open(int position) {
        HinsyuChoose_Open(position);
        ASSERT_TRUE(HinsyuChoose_Shown());
    }
    void ExpectClosedBackInTheCell() {
        EXPECT_FALSE(HinsyuChoose_Shown());
        EXPECT_FALSE(Popup_Lock);
        EXPECT_EQ(Focused(), Cell);
        for (Word key : {vk::F3, vk::F4, vk::F5, vk::F6}) EXPECT_TRUE(Command_IsEnabled(key)) << key;
    }
};

TEST_F(HinsyuChooseEditor, OpensOnTheCategoryWithoutMarksAndTheKeysOff) {
    Open(29);
    EXPECT_EQ(Focused(), "Edit_Panel_ChooseHinsyu_Command");
    EXPECT_TRUE(Popup_Lock);
    EXPECT_EQ(HinsyuChoose_Top, 25);
    EXPECT_EQ(HinsyuChoose_Row, 4);
    EXPECT_TRUE(Marked(Row("Shape_HinsyuChoose_", 4)));
    EXPECT_FALSE(Marked(Row("Shape_HinsyuChoose_", 0)));
    EXPECT_EQ(Text(Row("Label_HinsyuChoose_No_", 4)), "30");
    EXPECT_EQ(Text(Row("Label_HinsyuChoose_Name_", 4)), Test_Padded(Hinsyu_TestName(30), 40));
    EXPECT_FALSE(Visible(Row("Label_HinsyuChoose_Check_", 0)));
    EXPECT_EQ(Session.Control(Row("Label_HinsyuChoose_Name_", 0))->Left, 44);
    EXPECT_EQ(Session.Control("Panel_ChooseHinsyu")->Left, 594);
    EXPECT_EQ(Session.Control("Panel_ChooseHinsyu")->Top, 56);
    for (Word key : {vk::F3, vk::F4, vk::F5, vk::F6}) EXPECT_FALSE(Command_IsEnabled(key)) << key;
    EXPECT_TRUE(Command_IsEnabled(vk::F9));

    // While it is open a click elsewhere comes straight back.
    Click("Edit_DenpSyousai_05");
    EXPECT_EQ(Focused(), "Edit_Panel_ChooseHinsyu_Command");
    // Any other position: the first page, its first row.
    HinsyuChoose_Open(-1);
    EXPECT_EQ(HinsyuChoose_Top + HinsyuChoose_Row, 0);
}

// Return on the cursor's entry, or a click on a row's name: the host hears
// of the position (not the number), the focus goes back to the cell.
TEST_F(HinsyuChooseEditor, APickClosesAndTellsThePosition) {
    Open(29);
    Key(vk::Return);
    EXPECT_EQ(Picks, std::vector<int>{29});
    EXPECT_EQ(Closes, 0);
    ExpectClosedBackInTheCell();

    Open(0);
    Click(Row("Label_HinsyuChoose_Name_", 6));
    EXPECT_EQ(Picks, (std::vector<int>{29, 6}));
    ExpectClosedBackInTheCell();
}

// An empty entry, or one whose number is damaged, is not picked; neither
// is anything by Space, nor by a click on a number.
TEST_F(HinsyuChooseEditor, NothingToPickLeavesItOpen) {
    std::snprintf(Hinsyu_No[40], sizeof Hinsyu_No[40], "%3d", 0);
    Open(60);  // the first empty entry
    Key(vk::Return);
    Key(vk::Space);
    Open(40);
    Key(vk::Return);
    Click(Row("Label_HinsyuChoose_Name_", 15));
    Click(Row("Label_HinsyuChoose_No_", 16));
    EXPECT_TRUE(Picks.empty());
    EXPECT_TRUE(HinsyuChoose_Shown());
    EXPECT_EQ(Focused(), "Edit_Panel_ChooseHinsyu_Command");
}

// F9 (in it or on the bar) and its close label close it without a pick.
TEST_F(HinsyuChooseEditor, ClosesByF9AndByItsLabel) {
    Open(3);
    Key(vk::F9);
    EXPECT_EQ(Closes, 1);
    ExpectClosedBackInTheCell();
    Open(3);
    Click("Label_Command_01_F9");
    EXPECT_EQ(Closes, 2);
    ExpectClosedBackInTheCell();
    Open(3);
    Click("Label_Panel_ChooseHinsyu_Close");
    EXPECT_EQ(Closes, 3);
    ExpectClosedBackInTheCell();
    EXPECT_TRUE(Picks.empty());
}

// The keys and commands that do nothing over the editor leave it open, the
// cursor where it was.
TEST_F(HinsyuChooseEditor, OtherKeysDoNothing) {
    Open(29);
    for (Word key : {vk::F1, vk::F2, vk::F3, vk::F4, vk::F5, vk::F6, vk::F7, vk::F8, vk::Escape, vk::PageUp,
                     vk::PageDown, vk::Home, vk::Space}) {
        Key(key);
        EXPECT_TRUE(HinsyuChoose_Shown()) << key;
    }
    for (void (*command)() : {Command_F3, Command_F4, Command_F5, Command_F6, Command_F7, Command_F8}) command();
    EXPECT_TRUE(HinsyuChoose_Shown());
    EXPECT_EQ(HinsyuChoose_Top + HinsyuChoose_Row, 29);
    EXPECT_EQ(Focused(), "Edit_Panel_ChooseHinsyu_Command");
    EXPECT_TRUE(Picks.empty());
}

// The cursor's moves: Up and Down scroll the page by one entry at its
// edges, the arrows page by 25 and stop at the list's ends, the wheel acts
// on every third notch.
TEST_F(HinsyuChooseEditor, CursorMoves) {
    struct TCase {
        const char* What;
        int Top, Row;  // from
        void (*Move)();
        int ToTop, ToRow;
    };
    const TCase cases[] = {
        {"down in row 24 scrolls", 0, 24, HinsyuChoose_LineDown, 1, 24},
        {"down reaches the last page", 74, 24, HinsyuChoose_LineDown, 75, 24},
        {"down at the last entry", 75, 24, HinsyuChoose_LineDown, 75, 24},
        {"up in row 0 scrolls", 30, 0, HinsyuChoose_LineUp, 29, 0},
        {"up at the first entry", 0, 0, HinsyuChoose_LineUp, 0, 0},
        {"next page keeps the row", 25, 7, HinsyuChoose_NextPage, 50, 7},
        {"next page from 60: the last page", 60, 3, HinsyuChoose_NextPage, 75, 24},
        {"next page at the last", 75, 3, HinsyuChoose_NextPage, 75, 3},
        {"previous page keeps the row", 50, 7, HinsyuChoose_PrevPage, 25, 7},
        {"previous page from 10: the first", 10, 9, HinsyuChoose_PrevPage, 0, 0},
        {"previous page at the first", 0, 9, HinsyuChoose_PrevPage, 0, 9},
    };
    Open(0);
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.What);
        HinsyuChoose_Top = c.Top;
        HinsyuChoose_Row = c.Row;
        HinsyuChoose_ShowPage();
        HinsyuChoose_MarkLine();
        c.Move();
        EXPECT_EQ(HinsyuChoose_Top, c.ToTop);
        EXPECT_EQ(HinsyuChoose_Row, c.ToRow);
        EXPECT_EQ(Text(Row("Label_HinsyuChoose_No_", 0)), std::to_string(c.ToTop + 1));
        EXPECT_TRUE(Marked(Row("Shape_HinsyuChoose_", c.ToRow)));
    }
    Open(0);
    Key(vk::Down, 2);
    Key(vk::Up);
    EXPECT_EQ(HinsyuChoose_Row, 1);
    Click("Label_Image_ChooseHinsyuNextPage");
    EXPECT_EQ(HinsyuChoose_Top, 25);
    Session.Wheel(-1);
    Session.Wheel(-1);
    EXPECT_EQ(HinsyuChoose_Row, 1);
    Session.Wheel(-1);
    EXPECT_EQ(HinsyuChoose_Row, 2);
    EXPECT_EQ(Focused(), "Edit_Panel_ChooseHinsyu_Command");
}

}  // namespace
