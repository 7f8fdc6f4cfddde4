// The unit list's editor over a full list ("U0" ... "U99"): the window's
// stops by line and by page, delete and insert at its edges, the count of
// units in use kept in step, the rows shown again with the screen, and what
// a row stores.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "masters/units/TanniChoose.h"
#include "masters/units/TanniList.h"
#include "store/Tanni.h"
#include "tools/Headless.h"
#include "ui/Build.h"

namespace {

std::string Padded(const std::string& text, size_t width) { return text + std::string(width - text.size(), ' '); }
std::string Unit(int i) { return Padded("U" + std::to_string(i), 6); }

class TanniListTest : public ::testing::Test {
protected:
    THeadlessSession Session;

    // The unit file with units in the first count entries, the rest free.
    void StartWith(int count) {
        std::string file;
        for (int i = 0; i < Tanni_Max; ++i) file += (i < count ? Unit(i) : std::string(6, ' ')) + "   \n";
        ASSERT_TRUE(Session.WriteFile("Data\\Tanni.620", file));
        ASSERT_TRUE(Session.Start());
        ASSERT_TRUE(Session.Click("Label_Job_06"));
    }
    static std::string RowName(int row) { return Ui_RowName("Edit_TanniList_", row); }
    void ClickRow(int row) { ASSERT_TRUE(Session.Click(RowName(row))); }
    void Key(Word key) { ASSERT_TRUE(Session.Key(key)); }
    std::string Text(int row) { return Session.TextOf(RowName(row)).value_or("<none>"); }
    std::string Focused() { return Session.FocusedName(); }
    static std::string Entry(int i) { return Tanni_List[i]; }
};

// From the first place PageDown stops at 0, 20, 40, 60 and 79, PageUp comes
// back through 59, 39, 19 and 0. A whole step keeps the cursor row; the
// step to an end puts the focus on that end's row. The hundredth entry is
// never shown.
TEST_F(TanniListTest, PagesStopAtTheWindowsEnds) {
    StartWith(100);
    ClickRow(5);
    const struct {
        Word Key;
        int Top;
        int Row;  // the focused row, 1 ... 20
    } steps[] = {
        {vk::PageUp, 0, 5},    {vk::PageDown, 20, 5}, {vk::PageDown, 40, 5}, {vk::PageDown, 60, 5},
        {vk::PageDown, 79, 20}, {vk::PageDown, 79, 20}, {vk::Down, 79, 20},   {vk::PageUp, 59, 20},
        {vk::PageUp, 39, 20},  {vk::PageUp, 19, 20},  {vk::PageUp, 0, 1},    {vk::PageUp, 0, 1},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(std::to_string(s.Key) + " to " + std::to_string(s.Top));
        Key(s.Key);
        EXPECT_EQ(TanniList_Top, s.Top);
        EXPECT_EQ(TanniList_Row, s.Row - 1);
        EXPECT_EQ(Focused(), RowName(s.Row));
        EXPECT_EQ(Text(s.Row), "U" + std::to_string(s.Top + s.Row - 1));  // trimmed
        EXPECT_EQ(Text(s.Row == 1 ? 2 : 1), Unit(s.Top + (s.Row == 1 ? 1 : 0)));
        if (s.Top == 79) {
            EXPECT_EQ(Text(20), "U98");
        }
    }
}

// A page step commits nothing: what the cursor row showed typed is lost;
// from top 19 the row left stores what it shows after the redraw.
TEST_F(TanniListTest, PagesDropWhatIsTypedAndNotStored) {
    StartWith(100);
    ClickRow(5);
    Key(vk::PageDown);
    Key(vk::Up);  // top 20, row 4
    for (int i = 0; i < 4; ++i) Key(vk::Up);
    ASSERT_EQ(TanniList_Top, 19);
    ASSERT_TRUE(Session.Click(RowName(5)));
    ASSERT_TRUE(Session.Type("ｘ"));
    Key(vk::PageUp);
    EXPECT_EQ(TanniList_Top, 0);
    EXPECT_EQ(Focused(), RowName(1));
    EXPECT_EQ(Entry(4), Unit(4));
    EXPECT_EQ(Entry(23), Unit(23));
    EXPECT_EQ(Text(5), Unit(4));
}

// A line step inside the window moves the cursor, at its edge the window
// by one entry: the edge row keeps the focus and shows its new entry bare.
TEST_F(TanniListTest, LinesScrollAtTheEdges) {
    StartWith(100);
    ClickRow(1);
    Key(vk::Up);  // at the very top: nothing
    EXPECT_EQ(TanniList_Top, 0);
    for (int i = 0; i < 19; ++i) Key(vk::Down);
    EXPECT_EQ(Focused(), RowName(20));
    EXPECT_EQ(TanniList_Top, 0);
    Key(vk::Down);
    EXPECT_EQ(TanniList_Top, 1);
    EXPECT_EQ(Text(20), "U20");
    EXPECT_EQ(Text(1), Unit(1));
    for (int i = 0; i < 19; ++i) Key(vk::Up);
    EXPECT_EQ(Focused(), RowName(1));
    Key(vk::Up);
    EXPECT_EQ(TanniList_Top, 0);
    EXPECT_EQ(Text(1), "U0");
    EXPECT_EQ(Session.ControlAs<TShape>("Shape_TanniList_01")->Pen.Color, clRed);
    EXPECT_EQ(Session.ControlAs<TShape>("Shape_TanniList_20")->Pen.Color, clBlack);
}

// Delete and insert at the cursor over a full list, at the last entries the
// window shows and at the first; the count of units in use follows, and
// nothing reaches the file before the exit.
TEST_F(TanniListTest, DeleteAndInsertShiftAFullList) {
    StartWith(100);
    const std::string file = Session.ReadFile("Data\\Tanni.620").value_or("");
    ClickRow(20);
    for (int i = 0; i < 4; ++i) Key(vk::PageDown);
    ASSERT_EQ(TanniList_Top, 79);
    Key(vk::F4);  // entry 98
    EXPECT_EQ(Entry(98), Unit(99));
    EXPECT_EQ(Entry(99), "      ");
    EXPECT_EQ(Text(20), "U99");
    EXPECT_EQ(Tanni_Count, 99);
    Key(vk::F5);  // entry 98 freed, its unit to 99
    EXPECT_EQ(Entry(98), "      ");
    EXPECT_EQ(Entry(99), Unit(99));
    EXPECT_EQ(Tanni_Count, 100);
    EXPECT_EQ(Text(20), "");
    Key(vk::F5);  // again: 99's unit is lost
    EXPECT_EQ(Entry(99), "      ");
    EXPECT_EQ(Tanni_Count, 98);

    for (int i = 0; i < 4; ++i) Key(vk::PageUp);
    ClickRow(1);
    Key(vk::F5);
    EXPECT_EQ(Entry(0), "      ");
    EXPECT_EQ(Entry(1), Unit(0));
    EXPECT_EQ(Entry(98), Unit(97));
    EXPECT_EQ(Tanni_Count, 99);
    Key(vk::F4);
    Key(vk::F4);
    EXPECT_EQ(Entry(0), Unit(1));
    EXPECT_EQ(Entry(97), "      ");
    EXPECT_EQ(Tanni_Count, 97);
    EXPECT_EQ(Session.ReadFile("Data\\Tanni.620").value_or(""), file);
}

// What a row stores: six bytes, as typed (a leading blank kept, which frees
// the entry), three double-byte characters whole; the count of units in use
// follows every commit, so that the chooser offers a unit typed here and a
// unit typed into a grid cell never takes its entry.
TEST_F(TanniListTest, RowsStoreSixBytesAndTheCountFollows) {
    StartWith(0);
    EXPECT_EQ(Tanni_Count, 0);
    const struct {
        int Row;
        const char* Typed;
        const char* Stored;
        int Count;
    } cases[] = {
        {3, "ダース", "ダース", 3}, {1, " m", " m    ", 3}, {5, "", "      ", 3}, {5, "kg", "kg    ", 5},
        {3, "", "      ", 5},       {5, "", "      ", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.Row) + " \"" + c.Typed + "\"");
        ClickRow(c.Row);
        ASSERT_TRUE(Session.Key(vk::End));
        for (int i = 0; i < 6; ++i) ASSERT_TRUE(Session.Key(vk::Back));
        ASSERT_TRUE(Session.Type(c.Typed));
        ASSERT_TRUE(Session.Click("Edit_JisyaName_1"));
        EXPECT_EQ(Entry(c.Row - 1), c.Stored);
        EXPECT_EQ(Tanni_Count, c.Count);
    }
    ClickRow(2);
    ASSERT_TRUE(Session.Type("個"));
    ASSERT_TRUE(Session.Click("Edit_JisyaName_1"));
    ASSERT_EQ(Tanni_Count, 2);
    // A unit typed into a grid cell takes the first free entry: " m" is
    // free, "個" is not.
    Tanni_Add("巻    ");
    EXPECT_EQ(Entry(0), "巻    ");
    Tanni_Add("式    ");
    EXPECT_EQ(Entry(1), "個    ");
    EXPECT_EQ(Entry(2), "式    ");
}

// Shown again with the screen: a unit added while the screen was hidden is
// in its row, so that leaving the row does not store the old text over it.
TEST_F(TanniListTest, TheScreenShowsTheListAsItStands) {
    StartWith(2);
    ClickRow(3);
    ASSERT_TRUE(Session.Click("Label_Job_01"));
    Tanni_Add("巻    ");
    ASSERT_TRUE(Session.Click("Label_Job_06"));
    EXPECT_EQ(Text(3), "巻    ");
    ClickRow(3);
    ClickRow(4);
    EXPECT_EQ(Entry(2), "巻    ");
}

// A unit with blanks before it, taken from the chooser, is kept without
// them, filled out to six bytes: the unit file holds no NUL.
TEST_F(TanniListTest, AUnitTakenWithLeadingBlanksIsPaddedAgain) {
    StartWith(2);
    ClickRow(3);
    ASSERT_TRUE(Session.Type(" m"));
    ClickRow(4);
    ASSERT_EQ(Entry(2), " m    ");
    ASSERT_TRUE(Session.Click("Label_Job_01"));
    ASSERT_TRUE(Session.Click("Edit_DenpTanni_01"));
    ASSERT_TRUE(TanniChoose_Shown());
    ASSERT_TRUE(Session.Click("Label_Tanni_03"));
    EXPECT_EQ(Session.TextOf("Edit_DenpTanni_01").value_or(""), "m");
    EXPECT_EQ(Entry(2), "m     ");
    EXPECT_EQ(Tanni_Count, 3);
    ASSERT_TRUE(Session.Click("Label_Job_10"));  // asks: the cell holds the unit taken
    ASSERT_TRUE(Session.Click("Label_Exit_Yes"));
    ASSERT_TRUE(Session.Exited());
    EXPECT_EQ(Session.ReadFileAt("Data\\Tanni.620", 20, 10).value_or(""), "m        \n");
}

}  // namespace
