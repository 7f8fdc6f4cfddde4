// The value cells of the grid: a priced line typed from the keyboard, the
// commit forms of numbers and rates, the one commit of Return, the moves
// past special lines, the "100" of the rate cells, and the lines that are
// not item lines taking nothing.
#include "tests/editor/EditorFixture.h"

#include "editor/Display.h"
#include "store/Tanni.h"
#include "ui/Build.h"

namespace {

using ValueCellsTest = EditorTest;

std::string Cell(const char* prefix, int row) { return Ui_RowName(prefix, row); }

TEST_F(ValueCellsTest, APricedLineTypedWithReturnThroughEveryCell) {
    SetKinds(1, "1");
    SetLineField(1, LineField_Syousai, "消費税");
    ShowFrom(0);

    Click(Syousai(1));
    Type("配線工事");
    Key(vk::Return);
    EXPECT_EQ(Focused(), Suuryou(1));
    EXPECT_EQ(Denpyou_CommandMode, 2);
    Type("2.50");
    Key(vk::Return);
    EXPECT_EQ(Focused(), "Edit_DenpTanni_01");
    EXPECT_FALSE(Session.Control("Panel_Tanni")->Visible());  // no units yet
    Type("式");
    Key(vk::Return);
    EXPECT_EQ(Focused(), "Edit_DenpTanka_01");
    Type("1000");
    Key(vk::Return);
    EXPECT_EQ(Focused(), "Edit_DenpTankaRitu_01");
    EXPECT_EQ(Text("Edit_DenpTankaRitu_01"), "100");
    Key(vk::Return);
    EXPECT_EQ(Focused(), "Edit_DenpSiire_01");
    Type("600");
    Key(vk::Return);
    EXPECT_EQ(Focused(), "Edit_DenpSiireRitu_01");
    EXPECT_EQ(Text("Edit_DenpSiireRitu_01"), "");  // the list-price rate is set
    Key(vk::Return);
    EXPECT_EQ(Focused(), "Edit_DenpJitubaiTanka_01");
    EXPECT_EQ(Text("Edit_DenpJitubaiTanka_01"), "1000");  // the reference price came in
    Type("950");
    Key(vk::Return);
    EXPECT_EQ(Focused(), Syousai(2));

    const std::string expected[] = {" ",         Padded("配線工事", 50), "     1000", "100", "  2.50", "式    ",
                                    "      600", "   ",                  "      950", "      2375", "外税"};
    for (int j = 0; j < Denpyou_LineFieldCount; ++j)
        EXPECT_EQ(LineField(0, static_cast<DenpyouLineField>(j)), expected[j]) << "field " << j;
    EXPECT_EQ(Text("Label_DenpSyoukei_01"), "      2375");
    EXPECT_EQ(LineField(1, LineField_Kingaku), "       119");  // the tax line: 5 % (no rate set) of 2375, half up
    EXPECT_EQ(Field(DenpyouField_Goukei), "      2494");
    EXPECT_EQ(Text("Edit_DenpTanni_01"), "式    ");
    EXPECT_EQ(std::string(Tanni_List[0]), "式    ");
}

TEST_F(ValueCellsTest, CommitFormsOfQuantitiesAndRates) {
    const struct {
        const char* Prefix;
        DenpyouLineField Field;
        const char* Typed;
        const char* Stored;
    } cases[] = {
        {"Edit_DenpSuuryou_", LineField_Suuryou, "2.50", "  2.50"},
        {"Edit_DenpSuuryou_", LineField_Suuryou, "-3", "    -3"},
        {"Edit_DenpSuuryou_", LineField_Suuryou, " 12", "    12"},
        {"Edit_DenpSuuryou_", LineField_Suuryou, "3a", "    3a"},
        {"Edit_DenpSuuryou_", LineField_Suuryou, "0", "      "},
        {"Edit_DenpSuuryou_", LineField_Suuryou, "abc", "      "},
        {"Edit_DenpSuuryou_", LineField_Suuryou, "", "      "},
        {"Edit_DenpTankaRitu_", LineField_TankaRitu, "05", " 05"},
        {"Edit_DenpTankaRitu_", LineField_TankaRitu, "1.5", "1.5"},
        {"Edit_DenpSiireRitu_", LineField_SiireRitu, "0.5", "   "},
        {"Edit_DenpTanka_", LineField_Tanka, "12abc", "    12abc"},
    };
    for (int leaveByReturn = 0; leaveByReturn < 2; ++leaveByReturn)
        for (size_t i = 0; i < std::size(cases); ++i) {
            const auto& c = cases[i];
            SCOPED_TRACE(std::string(c.Prefix) + " \"" + c.Typed + "\"" + (leaveByReturn ? " Return" : " click"));
            const int row = static_cast<int>(i) + 1;
            SetLineField(row - 1, c.Field, "9", true);
            SetLineField(row - 1, LineField_Tanka, "");
            ShowFrom(0);
            Click(Cell(c.Prefix, row));
            Edit(Cell(c.Prefix, row))->SetText("");
            Type(c.Typed);
            if (leaveByReturn) Key(vk::Return);
            else Click("Edit_DenpPlace");
            EXPECT_EQ(LineField(row - 1, c.Field), c.Stored);
            EXPECT_EQ(Text(Cell(c.Prefix, row)), c.Stored);
        }
}

TEST_F(ValueCellsTest, ReturnCommitsOnceAndTheNextRowGetsTheFocus) {
    Click(Suuryou(3));
    Type("4");
    Key(vk::Return);
    EXPECT_EQ(LineField(2, LineField_Suuryou), "     4");
    // The quantity cell's focus-out stored nothing more over a changed field.
    SetLineField(2, LineField_Suuryou, "7", true);
    Click("Edit_DenpPlace");
    EXPECT_EQ(LineField(2, LineField_Suuryou), "     7");

    // Home from the actual price goes back to the purchase rate, Return on
    // to the next row's description.
    Click("Edit_DenpJitubaiTanka_03");
    Key(vk::Home);
    EXPECT_EQ(Focused(), "Edit_DenpSiireRitu_03");
    Click("Edit_DenpJitubaiTanka_03");
    Key(vk::Return);
    EXPECT_EQ(Focused(), Syousai(4));

    // The last cell of the document: with no customer nothing is stored and
    // the focus stays; the cell's next focus-out commits what it then shows.
    ShowFrom(180);
    Click("Edit_DenpJitubaiTanka_20");
    Type("7");
    Key(vk::Return);
    EXPECT_EQ(Focused(), "Edit_DenpJitubaiTanka_20");
    EXPECT_EQ(LineField(199, LineField_JitubaiTanka), "        7");
    Key(vk::Back);
    Type("8");
    Click("Edit_DenpPlace");
    EXPECT_EQ(LineField(199, LineField_JitubaiTanka), "        8");

    // Return in the last row below the end moves the window on by one line.
    ShowFrom(170);
    Click("Edit_DenpJitubaiTanka_20");
    Key(vk::Return);
    EXPECT_EQ(Denpyou_TopLine, 171);
    EXPECT_EQ(Focused(), Syousai(20));
}

TEST_F(ValueCellsTest, UpAndDownPassSpecialLines) {
    const struct {
        const char* Name;
        int Top;
        const char* Kinds;  // lines 0 ...
        const char* From;
        Word Key;
        const char* To;
        int TopAfter, RowAfter;
    } cases[] = {
        {"one below", 0, "     3 ", "Edit_DenpSuuryou_05", vk::Down, "Edit_DenpSuuryou_07", 0, 6},
        {"two below", 0, "     36 ", "Edit_DenpSuuryou_05", vk::Down, "Edit_DenpSuuryou_08", 0, 7},
        {"one above", 0, "   3  ", "Edit_DenpTanka_05", vk::Up, "Edit_DenpTanka_03", 0, 2},
        {"none above", 0, "1 ", "Edit_DenpSiire_02", vk::Up, "Edit_DenpSiire_02", 0, 1},
        {"above the window", 1, " 1", "Edit_DenpSuuryou_02", vk::Up, "Edit_DenpSuuryou_01", 0, 0},
        {"first row scrolls", 5, "   34 ", "Edit_DenpTankaRitu_01", vk::Up, "Edit_DenpTankaRitu_01", 2, 0},
        {"first row at the top", 0, "", "Edit_DenpSuuryou_01", vk::Up, "Edit_DenpSuuryou_01", 0, 0},
        {"last row scrolls", 10, "                              3", "Edit_DenpJitubaiTanka_20", vk::Down,
         "Edit_DenpJitubaiTanka_20", 12, 19},
        {"last row at the end", 180, "", "Edit_DenpSuuryou_20", vk::Down, "Edit_DenpSuuryou_20", 180, 19},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        for (int line = 0; line < 200; ++line) SetKinds(line, " ");
        SetKinds(0, c.Kinds);
        for (int line = 0; line < 200; ++line)
            SetLineField(line, LineField_Suuryou, LineField(line, LineField_Kind)[0] != LineKind_Item ? "9" : "", true);
        ShowFrom(c.Top);
        Focus("Edit_DenpKokyakuName_1");
        Click(c.From);
        Key(c.Key);
        EXPECT_EQ(Focused(), c.To);
        EXPECT_EQ(Denpyou_TopLine, c.TopAfter);
        EXPECT_EQ(Denpyou_CurRow, c.RowAfter);
        for (int line = 0; line < 200; ++line)
            if (LineField(line, LineField_Kind)[0] != LineKind_Item) {
                EXPECT_EQ(LineField(line, LineField_Suuryou), "     9") << "line " << line;
            }
    }
}

TEST_F(ValueCellsTest, AnEdgeScrollPassesAGrandTotalTheSearchStopsOnInEveryColumn) {
    // Down in row 20: a subtotal comes in, the search stops on the grand
    // total after it, and the cursor goes on to the item line below. Up in
    // row 1 mirrors it. The window moves under the cell; the focus stays in
    // the same column on an item line.
    const struct {
        Word Key;
        int Top, Row;
        const char* Kinds;  // from line Top + Row - 1 on, in the direction of the key
        int TopAfter;
        const char* LineShown;
    } moves[] = {
        {vk::Down, 0, 20, " 36 ", 3, " 23"},
        {vk::Up, 3, 1, " 36 ", 0, "  1"},
    };
    for (int column = GridColumn_Suuryou; column < GridColumn_Count; ++column)
        for (const auto& m : moves) {
            const std::string cell = Cell(Grid_Column(column).Edit, m.Row);
            SCOPED_TRACE(cell + (m.Key == vk::Down ? " Down" : " Up"));
            for (int line = 0; line < 200; ++line) SetKinds(line, " ");
            const int from = m.Top + m.Row - 1, step = m.Key == vk::Down ? 1 : -1;
            for (int k = 0; m.Kinds[k]; ++k) SetKinds(from + step * k, std::string(1, m.Kinds[k]));
            ShowFrom(m.Top);
            Click(cell);
            Key(m.Key);
            EXPECT_EQ(Focused(), cell);
            EXPECT_EQ(Denpyou_TopLine, m.TopAfter);
            EXPECT_EQ(Denpyou_CurRow, m.Row - 1);
            EXPECT_EQ(Focus_Code, Grid_CellCode(column, m.Row - 1));
            EXPECT_EQ(Text(Row("Label_DenpLine_", m.Row)), m.LineShown);
            EXPECT_EQ(Pen(Row(Grid_Column(column).Frame, m.Row)), "255/2");
        }
}

TEST_F(ValueCellsTest, RateCellsProposeAHundredOnlyForAPriceWithoutRates) {
    const struct {
        const char* Cell;
        DenpyouLineField PriceField;
        const char* Price;
        const char* OtherRate;  // typed into the row's other rate cell
        const char* Shown;
    } cases[] = {
        {"Edit_DenpTankaRitu_", LineField_Tanka, "1000", "", "100"},
        {"Edit_DenpSiireRitu_", LineField_Siire, "600", "", "100"},
        {"Edit_DenpTankaRitu_", LineField_Tanka, "", "", ""},
        {"Edit_DenpTankaRitu_", LineField_Tanka, "1000", "50", ""},
        {"Edit_DenpSiireRitu_", LineField_Siire, "600", "abc", "100"},
        {"Edit_DenpTankaRitu_", LineField_Tanka, "0.00", "", ""},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        const auto& c = cases[i];
        SCOPED_TRACE(std::string(c.Cell) + c.Price + "/" + c.OtherRate);
        const int row = static_cast<int>(i) + 1;
        SetLineField(row - 1, c.PriceField, c.Price, true);
        ShowFrom(0);
        const std::string other =
            Cell(c.PriceField == LineField_Tanka ? "Edit_DenpSiireRitu_" : "Edit_DenpTankaRitu_", row);
        Edit(other)->SetText(c.OtherRate);
        Click(Cell(c.Cell, row));
        EXPECT_EQ(Text(Cell(c.Cell, row)), c.Shown);
    }
    // Shown only: it reaches the line when the cell is committed.
    EXPECT_EQ(LineField(0, LineField_TankaRitu), "   ");
    Click("Edit_DenpTankaRitu_01");
    Click("Edit_DenpPlace");
    EXPECT_EQ(LineField(0, LineField_TankaRitu), "100");
}

TEST_F(ValueCellsTest, ACellOnALineThatIsNoItemLineTakesNothing) {
    // Down in the last row brings a grand-total line under the cell (the
    // search passes tax, subtotal and total lines only). Neither Return nor
    // leaving the cell stores into it, and the cell shows again what the
    // line holds; Return still moves on, and the next cell, refusing the
    // line, gives the focus back.
    SetKinds(20, "6");
    SetLineField(20, LineField_Kingaku, "900", true);
    const struct {
        const char* Cell;
        DenpyouLineField Field;
    } cells[] = {{"Edit_DenpSuuryou_20", LineField_Suuryou},
                 {"Edit_DenpTanni_20", LineField_Tanni},
                 {"Edit_DenpTanka_20", LineField_Tanka}};
    for (const auto& [cell, field] : cells)
        for (int byReturn = 0; byReturn < 2; ++byReturn) {
            SCOPED_TRACE(std::string(cell) + (byReturn ? " Return" : " click"));
            ShowFrom(0);
            Click(cell);
            Key(vk::Down);
            EXPECT_EQ(Focused(), cell);
            EXPECT_EQ(Denpyou_TopLine, 1);
            const std::string total = Field(DenpyouField_Goukei);
            Type("5");
            if (byReturn) {
                Key(vk::Return);
                EXPECT_EQ(Focused(), cell);
            }
            Click("Edit_DenpPlace");
            EXPECT_EQ(Text(cell), std::string(Denpyou_LineWidth[field], ' '));
            for (DenpyouLineField j : {LineField_Tanka, LineField_Suuryou, LineField_Tanni, LineField_Kingaku})
                EXPECT_EQ(LineField(20, j),
                          j == LineField_Kingaku ? "       900" : std::string(Denpyou_LineWidth[j], ' '));
            EXPECT_EQ(Field(DenpyouField_Goukei), total);
            EXPECT_EQ(Tanni_Count, 0);
        }
}

}  // namespace
