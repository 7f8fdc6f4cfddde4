// The unit cells with the unit chooser: where it opens, its cursor and
// pages, taking a unit by Return, Home, F9, a click and the wheel, and new
// units joining the list.
#include "tests/editor/EditorFixture.h"

#include "masters/units/TanniChoose.h"
#include "store/Tanni.h"
#include "ui/Build.h"

namespace {

class ValueCellsTanniTest : public EditorTest {
protected:
    // Units "U0" ... in the first count entries, the rest free.
    static void LoadUnits(int count) {
        for (int i = 0; i < Tanni_Max; ++i) {
            const std::string unit = i < count ? "U" + std::to_string(i) : "";
            Str_Pad(unit.c_str(), Tanni_List[i], 6, 0);
        }
        Tanni_Count = count;
    }
    static std::string Unit(int i) { return Padded("U" + std::to_string(i), 6); }
    bool ChooserShown() { return Session.Control("Panel_Tanni")->Visible(); }
};

TEST_F(ValueCellsTanniTest, OpensOnTheCellsUnitOrTheFirstFreeEntry) {
    const struct {
        int Units;
        const char* CellUnit;
        bool Shown;
        int Top, Row;
    } cases[] = {
        {0, "U3", false, 0, 0},   {40, "U37", true, 25, 12}, {40, "km", true, 25, 15},
        {40, "", true, 25, 15},   {100, "U99", true, 75, 24}, {100, "U0", true, 0, 0},
        {100, "km", true, 75, 24}, {100, "", true, 75, 24},  {7, "U60", true, 0, 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.Units) + " units, cell \"" + c.CellUnit + "\"");
        LoadUnits(c.Units);
        Str_Pad("U60", Tanni_List[60], 6, 0);  // in the list, but past the units counted
        SetLineField(4, LineField_Tanni, c.CellUnit);
        ShowFrom(0);
        Focus("Edit_DenpKokyakuName_1");
        Click("Edit_DenpTanni_05");
        EXPECT_EQ(Text("Edit_DenpTanni_05"), c.CellUnit);
        EXPECT_EQ(ChooserShown(), c.Shown);
        if (!c.Shown) continue;
        EXPECT_EQ(TanniChoose_Top, c.Top);
        EXPECT_EQ(TanniChoose_Row, c.Row);
        EXPECT_EQ(Text("Label_Tanni_No_01"), std::to_string(c.Top + 1));
        EXPECT_EQ(Text("Label_Tanni_01"), std::string(Tanni_List[c.Top]));
        EXPECT_EQ(Pen(Ui_RowName("Shape_Tanni_", c.Row + 1)), "255/2");
        EXPECT_EQ(Session.Control("Panel_Tanni")->Left, 494);
        EXPECT_EQ(Text("Label_Command_01_F9"), "F9 閉じる");
        EXPECT_EQ(Text("Label_Denpyou_BeforePage"), "F5 半頁戻し");
    }
}

TEST_F(ValueCellsTanniTest, TakingAUnitAndLeavingTheCellStoresIt) {
    // Each way of taking the unit under the cursor (one row below the cell's
    // unit), then the way the cell is left.
    const struct {
        const char* Name;
        Word Take;          // 0: a click on the cursor's row
        bool FocusStays;
        const char* StoredOnTake;  // field 5 right after the take
    } cases[] = {
        {"Return", vk::Return, true, "U2    "},
        {"F9", vk::F9, true, "U2    "},
        {"Home", vk::Home, false, "U3    "},
        {"click", 0, true, "U2    "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        LoadUnits(40);
        SetLineField(4, LineField_Tanni, "U2");
        ShowFrom(0);
        Focus("Edit_DenpKokyakuName_1");
        Click("Edit_DenpTanni_05");
        Key(vk::Down);
        EXPECT_EQ(TanniChoose_Row, 3);
        if (c.Take) Key(c.Take);
        else Click("Label_Tanni_04");
        EXPECT_FALSE(ChooserShown());
        EXPECT_EQ(Denpyou_CommandMode, 2);
        EXPECT_EQ(Focused(), c.FocusStays ? "Edit_DenpTanni_05" : "Edit_DenpSuuryou_05");
        EXPECT_EQ(LineField(4, LineField_Tanni), c.StoredOnTake);
        if (c.FocusStays) {
            EXPECT_EQ(Text("Edit_DenpTanni_05"), "U3");
        }
        // The cell shows a unit not yet stored: leaving it stores that unit.
        Click("Edit_DenpPlace");
        EXPECT_EQ(LineField(4, LineField_Tanni), "U3    ");
    }
}

TEST_F(ValueCellsTanniTest, ReturnStoresThenPicksAndASecondReturnMovesOn) {
    LoadUnits(5);
    ShowFrom(0);
    Click("Edit_DenpTanni_02");
    EXPECT_EQ(TanniChoose_Row, 5);
    Type("巻");
    Key(vk::Return);  // a new unit: stored, added at the first free entry, picked back
    EXPECT_EQ(LineField(1, LineField_Tanni), "巻    ");
    EXPECT_EQ(std::string(Tanni_List[5]), "巻    ");
    EXPECT_EQ(Tanni_Count, 6);
    EXPECT_EQ(Text("Edit_DenpTanni_02"), "巻");
    EXPECT_EQ(Focused(), "Edit_DenpTanni_02");
    Key(vk::Return);  // the chooser is closed now: the cell commits and moves on
    EXPECT_EQ(Focused(), "Edit_DenpTanka_02");
    EXPECT_EQ(Text("Edit_DenpTanni_02"), "巻    ");

    // A unit typed with a blank first is stored as typed and joins no list.
    Click("Edit_DenpTanni_03");
    Type(" m");
    Click("Edit_DenpPlace");
    EXPECT_EQ(LineField(2, LineField_Tanni), " m    ");
    EXPECT_EQ(Tanni_Count, 6);
}

TEST_F(ValueCellsTanniTest, CursorPagesAndTheHundredthEntry) {
    LoadUnits(100);
    Click("Edit_DenpTanni_01");  // an empty cell, every entry in use: the last one
    EXPECT_EQ(TanniChoose_Top, 75);
    EXPECT_EQ(TanniChoose_Row, 24);
    EXPECT_EQ(Text("Label_Tanni_No_25"), "100");
    Key(vk::Down);  // nothing beyond the list
    EXPECT_EQ(TanniChoose_Top, 75);
    EXPECT_EQ(TanniChoose_Row, 24);

    const struct {
        Word Key;
        int Top, Row;
    } moves[] = {
        {vk::PageUp, 50, 24}, {vk::PageUp, 25, 24}, {vk::PageUp, 0, 24}, {vk::PageUp, 0, 24},
        {vk::Up, 0, 23},      {vk::PageDown, 25, 23}, {vk::PageDown, 50, 23}, {vk::PageDown, 75, 24},
        {vk::PageUp, 50, 24}, {vk::Down, 51, 24},   {vk::PageDown, 75, 24}, {vk::Up, 75, 23},
    };
    for (const auto& m : moves) {
        Key(m.Key);
        EXPECT_EQ(TanniChoose_Top, m.Top) << m.Key;
        EXPECT_EQ(TanniChoose_Row, m.Row) << m.Key;
    }
    EXPECT_EQ(Pen("Shape_Tanni_24"), "255/2");
    EXPECT_EQ(Pen("Shape_Tanni_25"), std::to_string(clGray) + "/1");
    Key(vk::Down);
    Key(vk::Return);  // the hundredth entry can be taken
    EXPECT_EQ(LineField(0, LineField_Tanni), std::string(6, ' '));
    EXPECT_EQ(Text("Edit_DenpTanni_01"), "U99");
    Key(vk::Return);
    EXPECT_EQ(LineField(0, LineField_Tanni), Unit(99));

    // The wheel: every third event moves the cursor.
    Click("Edit_DenpTanni_01");
    EXPECT_EQ(TanniChoose_Row, 24);
    Session.Wheel(2);
    EXPECT_EQ(TanniChoose_Row, 24);
    Session.Wheel(1);
    EXPECT_EQ(TanniChoose_Row, 23);
    Session.Wheel(-3);
    EXPECT_EQ(TanniChoose_Row, 24);
}

TEST_F(ValueCellsTanniTest, ClicksOnFreeRowsAndThePageLabels) {
    LoadUnits(1);
    Click("Edit_DenpTanni_01");
    Click("Label_Tanni_02");  // rows 1 and 2 ignore a free entry
    EXPECT_TRUE(ChooserShown());
    Click("Labe_TanniChoose_Next");
    EXPECT_EQ(TanniChoose_Top, 25);
    Click("Labe_TanniChoose_Pre");
    EXPECT_EQ(TanniChoose_Top, 0);
    Click("Label_Tanni_01");
    EXPECT_FALSE(ChooserShown());
    EXPECT_EQ(Text("Edit_DenpTanni_01"), "U0");

    Click("Edit_DenpTanni_02");
    Click("Label_Tanni_03");  // the other rows take it: the cell is emptied
    EXPECT_FALSE(ChooserShown());
    EXPECT_EQ(Text("Edit_DenpTanni_02"), "");
}

TEST_F(ValueCellsTanniTest, KeysOfTheOpenChooserAndTheClosedCell) {
    LoadUnits(3);
    SetLineField(3, LineField_Tanni, "U1");
    ShowFrom(0);
    Click("Edit_DenpTanni_05");
    Key(vk::F3);  // the unit cell one row up; the chooser opens again on its unit
    EXPECT_EQ(Focused(), "Edit_DenpTanni_04");
    EXPECT_TRUE(ChooserShown());
    EXPECT_EQ(TanniChoose_Row, 1);
    Key(vk::F1);  // nothing while the chooser is open
    EXPECT_TRUE(ChooserShown());
    Key(vk::F9);
    Key(vk::Up);  // closed: Up goes to the description column
    EXPECT_EQ(Focused(), Syousai(3));
    EXPECT_EQ(LineField(3, LineField_Tanni), "U1    ");
    EXPECT_FALSE(ChooserShown());
    EXPECT_EQ(Denpyou_CommandMode, 1);
}

TEST_F(ValueCellsTanniTest, HalfPageKeysCommitTheCellLeftOrLeaveEverything) {
    // The grid moves half a page when it can, through the description cell
    // that takes the focus, so that the value cell left commits what was
    // typed; with the unit chooser open F5 and F6 move the grid and PageUp
    // and PageDown page the chooser.
    const struct {
        const char* Cell;
        DenpyouLineField Field;
        int Units;  // the unit chooser opens when there are any
        int Top;
        Word Key;
        int TopAfter;
        const char* FocusAfter;  // nullptr: the cell keeps it
        bool ChooserAfter;
    } cases[] = {
        {"Edit_DenpTanka_03", LineField_Tanka, 0, 15, vk::F7, 5, "Edit_DenpSyousai_01", false},
        {"Edit_DenpSiireRitu_03", LineField_SiireRitu, 0, 15, vk::PageUp, 5, "Edit_DenpSyousai_01", false},
        {"Edit_DenpTanka_03", LineField_Tanka, 0, 5, vk::PageUp, 5, nullptr, false},
        {"Edit_DenpSuuryou_03", LineField_Suuryou, 0, 5, vk::PageDown, 15, "Edit_DenpSyousai_11", false},
        {"Edit_DenpJitubaiTanka_03", LineField_JitubaiTanka, 0, 175, vk::F8, 175, nullptr, false},
        {"Edit_DenpTanni_03", LineField_Tanni, 0, 15, vk::PageDown, 25, "Edit_DenpSyousai_11", false},
        {"Edit_DenpTanni_03", LineField_Tanni, 1, 15, vk::F5, 5, "Edit_DenpSyousai_01", false},
        {"Edit_DenpTanni_03", LineField_Tanni, 1, 5, vk::F6, 15, "Edit_DenpSyousai_11", false},
        {"Edit_DenpTanni_03", LineField_Tanni, 1, 175, vk::F6, 175, nullptr, true},
        {"Edit_DenpTanni_03", LineField_Tanni, 1, 15, vk::PageDown, 15, nullptr, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.Cell) + " top " + std::to_string(c.Top) + " key " + std::to_string(c.Key));
        LoadUnits(c.Units);
        SetLineField(c.Top + 2, c.Field, "");
        ShowFrom(c.Top);
        Focus("Edit_DenpKokyakuName_1");
        Click(c.Cell);
        Type("7");
        Key(c.Key);
        EXPECT_EQ(Denpyou_TopLine, c.TopAfter);
        EXPECT_EQ(Focused(), c.FocusAfter ? c.FocusAfter : c.Cell);
        EXPECT_EQ(ChooserShown(), c.ChooserAfter);
        const std::string stored = LineField(c.Top + 2, c.Field);
        EXPECT_EQ(stored.find('7') != std::string::npos, c.FocusAfter != nullptr) << stored;
        if (c.ChooserAfter && c.Key == vk::PageDown) {
            EXPECT_EQ(TanniChoose_Top, 25);
        }
    }
}

}  // namespace
