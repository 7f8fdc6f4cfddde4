// The customer screen: its page and focus-in, the commit into the cell's own
// row, the delete, paging and the move to the empty row.
#include <filesystem>
#include <fstream>
#include <vector>

#include "ui/Focus.h"
#include "tests/masters/KokyakuFixture.h"

namespace {

constexpr int Name_1 = KokyakuColumn_Name_1, Name_2 = KokyakuColumn_Name_2, Kana = KokyakuColumn_Kana,
              Banti = KokyakuColumn_Banti, Tel = KokyakuColumn_Tel;

using KokyakuPage = KokyakuTest;

TEST_F(KokyakuPage, CellsTakeTheFocusUpToTheEmptyRow) {
    StartWith(3);
    EXPECT_EQ(Focused(), Cell(Name_1, 0));
    EXPECT_EQ(Text(NumberLabel(0)), "   1");
    EXPECT_EQ(Text(NumberLabel(3)), "    ");
    EXPECT_EQ(Text(Cell(Name_2, 1)), Kokyaku_Padded("支店2", 40));  // shown as stored
    EXPECT_EQ(Text(Cell(Name_1, 0)), "顧客1");                     // trimmed while focused
    EXPECT_EQ(Focus_Code, 7010);
    EXPECT_EQ(Text("Label_KokyakuDs"), "3");

    // A move within the row leaves the record label; the two name lines
    // share one frame, the four address cells another.
    Key(vk::Down);
    EXPECT_EQ(Focused(), Cell(Name_2, 0));
    TShape* names = Kokyaku_CellFrame(Name_2, 0);
    EXPECT_EQ(names->Pen.Color, clRed);
    EXPECT_EQ(names->Pen.Width, 2);

    // Into the empty row: numbered plainly, the record label follows.
    Focus(Banti, 3);
    EXPECT_EQ(Focus_Code, 7380);
    EXPECT_EQ(Text(NumberLabel(3)), "4");
    EXPECT_EQ(Text("Label_KokyakuRec"), "4");
    EXPECT_EQ(names->Pen.Width, 1);
    EXPECT_EQ(Kokyaku_CellFrame(KokyakuColumn_Zip, 3)->Pen.Color, clRed);

    // Below it nothing takes the focus, and nothing is stored.
    const std::string before = File();
    Focus(Kana, 1);
    Type("ｱ");
    Click(Cell(Name_1, 6));
    EXPECT_EQ(Focused(), Cell(Kana, 1));
    EXPECT_EQ(Kokyaku_Row, 1);
    EXPECT_EQ(Text("Label_KokyakuRec"), "2");
    // The cell left committed into its own customer only.
    std::string expected = before;
    expected.replace(Kokyaku_RecLen + 81, 10, Kokyaku_Padded(Kokyaku_TestKana(2) + "ｱ", 10));
    EXPECT_TRUE(Kokyaku_SameBytes(File(), expected));
    EXPECT_EQ(Kokyaku_Count, 3);
}

// F8 and F7 (PageDown, PageUp) with 13 customers or more; the cell keeps the
// focus and shows the customer now in its row, typing not committed is lost
// and typing afresh goes into the cell.
TEST(KokyakuPaging, PagesByThirteenUpToTheLastPage) {
    struct TCase {
        int Customers;
        std::vector<std::pair<Word, int>> Presses;  // key, then the page top
    };
    const TCase cases[] = {
        {40, {{vk::F8, 13}, {vk::PageDown, 26}, {vk::F8, 28}, {vk::F8, 28},
              {vk::F7, 15}, {vk::PageUp, 2}, {vk::F7, 0}, {vk::F7, 0}}},
        {14, {{vk::F8, 2}, {vk::F8, 2}, {vk::F7, 0}}},
        {13, {{vk::F8, 0}, {vk::F7, 0}}},
        {5, {{vk::PageDown, 0}}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Customers);
        TKokyakuRun run;
        run.StartWith(c.Customers);
        const std::string stored = run.File();
        run.Focus(Kana, 3);
        run.Type("ﾀﾞﾚ");
        bool moved = false;
        for (const auto& [key, top] : c.Presses) {
            run.Key(key);
            moved = moved || Kokyaku_Top != 0;
            EXPECT_EQ(Kokyaku_Top, top);
            EXPECT_EQ(run.Focused(), run.Cell(Kana, 3));
            EXPECT_EQ(run.Text("Label_KokyakuRec"), std::to_string(top + 4));
        }
        // After a repaint the focused cell shows the reading of the customer
        // in its row (the typing is gone) bare, as its focus-in shows it, so
        // that typing goes into it; without one the typing is still there.
        std::string expected = stored;
        if (moved) {
            const int shown = Kokyaku_Top + 4;
            EXPECT_EQ(run.Text(run.Cell(Kana, 3)), Kokyaku_TestKana(shown));
            run.Key(vk::End);  // the reading shown anew has the caret at its start
            run.Type("ﾃ");
            expected.replace(static_cast<size_t>(shown - 1) * Kokyaku_RecLen + 81, 10,
                             Kokyaku_Padded(Kokyaku_TestKana(shown) + "ﾃ", 10));
        } else {
            expected.replace(3 * Kokyaku_RecLen + 81, 10, Kokyaku_Padded(Kokyaku_TestKana(4) + "ﾀﾞﾚ", 10));
        }
        run.Key(vk::Down);
        EXPECT_TRUE(Kokyaku_SameBytes(run.File(), expected));
    }
}

TEST_F(KokyakuPage, TheLastPageEndsWithTheEmptyRow) {
    StartWith(40);
    Key(vk::F8, 3);
    EXPECT_EQ(Text(NumberLabel(0)), "  29");
    EXPECT_EQ(Text(NumberLabel(11)), "  40");
    EXPECT_EQ(Text(NumberLabel(12)), "    ");
    EXPECT_EQ(Text(Cell(Name_2, 11)), Kokyaku_Padded("支店40", 40));
    EXPECT_EQ(Text(Cell(Name_2, 12)), std::string(40, ' '));
}

// F9: the cursor on the empty row, numbered; with 13 customers or more the
// page ends with it.
TEST(KokyakuGotoNewRow, PutsTheCursorOnTheEmptyRow) {
    struct TCase {
        int Customers, Top, Row;
    };
    for (const TCase& c : {TCase{0, 0, 0}, TCase{12, 0, 12}, TCase{13, 1, 12}, TCase{40, 28, 12}}) {
        SCOPED_TRACE(c.Customers);
        TKokyakuRun run;
        run.StartWith(c.Customers);
        run.Focus(Tel, 0);
        run.Key(vk::F9);
        EXPECT_EQ(Kokyaku_Top, c.Top);
        EXPECT_EQ(Kokyaku_Row, c.Row);
        EXPECT_EQ(run.Focused(), run.Cell(Name_1, c.Row));
        const std::string next = std::to_string(c.Customers + 1);
        EXPECT_EQ(run.Text("Label_KokyakuRec"), next);
        EXPECT_EQ(run.Text(run.NumberLabel(c.Row)), next);
        if (c.Customers > 0) {
            EXPECT_TRUE(Kokyaku_SameBytes(run.File(), Kokyaku_TestFile(1, c.Customers)));
        }
    }
}

// After deletions on a later page fewer than 13 customers remain below a
// page top above 0: F9 goes back to the first page, whose row 12 is the
// empty row.
TEST_F(KokyakuPage, GotoNewRowWithTwelveAfterDeletionsOnALaterPage) {
    StartWith(14);
    Key(vk::F8);
    ASSERT_EQ(Kokyaku_Top, 2);
    Key(vk::F4, 2);  // customers 3 and 4, from row 0
    ASSERT_EQ(Kokyaku_Count, 12);
    ASSERT_EQ(Kokyaku_Top, 2);
    Key(vk::F9);
    EXPECT_EQ(Kokyaku_Top, 0);
    EXPECT_EQ(Kokyaku_Row, 12);
    EXPECT_EQ(Focused(), Cell(Name_1, 12));
    EXPECT_EQ(Text("Label_KokyakuRec"), "13");
    EXPECT_EQ(Text(NumberLabel(12)), "13");
    EXPECT_EQ(Text(NumberLabel(0)), "   1");
    Type("新規");
    Key(vk::Return);
    EXPECT_EQ(Kokyaku_Count, 13);
    EXPECT_EQ(File().substr(12 * Kokyaku_RecLen + 1, 4), "新規");
}

// Shown again after deletions left the page top beyond the last page: the
// last page, repainted before its first cell takes the focus.
TEST_F(KokyakuPage, ShowingTheScreenBringsThePageBackToTheCustomers) {
    StartWith(20);
    Key(vk::F8);
    ASSERT_EQ(Kokyaku_Top, 8);
    Key(vk::F4, 5);  // customers 9 ... 13
    Click("Label_Job_01");
    Click("Label_Job_03");
    EXPECT_EQ(Kokyaku_Top, 3);
    EXPECT_EQ(Focused(), Cell(Name_1, 0));
    EXPECT_EQ(Text(Cell(Name_1, 0)), "顧客4");
    EXPECT_EQ(Text(NumberLabel(11)), "  15");
    EXPECT_EQ(Text("Label_KokyakuRec"), "4");
}

// Deleting: the file keeps the others in order, the scratch copy equals it,
// and the cursor stays on a customer (or row 0 of an empty file). The cell
// that had the focus commits into its own row, so no customer's field
// changes on the way.
TEST(KokyakuDelete, RemovesTheCustomerAtTheCursor) {
    struct TCase {
        const char* What;
        int Customers;
        int Column, Row;         // the focused cell, before F4
        std::string Kept;        // the customers left, by number
        int Top, CursorRow;      // afterwards
    };
    const TCase cases[] = {
        {"in the middle", 5, Kana, 2, "1245", 0, 2},
        {"the last, from its telephone", 5, Tel, 4, "1234", 0, 3},
        {"the last, from its first name", 5, Name_1, 4, "1234", 0, 3},
        {"the only one", 1, Banti, 0, "", 0, 0},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.What);
        TKokyakuRun run;
        run.StartWith(c.Customers);
        run.Focus(c.Column, c.Row);
        run.Type("ｳｿ");  // not committed: the repaint replaces it
        run.Key(vk::F4);
        std::string kept;
        for (char no : c.Kept) kept += Kokyaku_TestRecord(no - '0');
        EXPECT_TRUE(Kokyaku_SameBytes(run.File(), kept));
        EXPECT_TRUE(Kokyaku_SameBytes(run.File("Data\\Kokyaku.del"), kept));
        EXPECT_FALSE(run.Session.FileExists("Data\\Kokyaku.620.new"));
        EXPECT_EQ(Kokyaku_Top, c.Top);
        EXPECT_EQ(Kokyaku_Row, c.CursorRow);
        EXPECT_EQ(run.Focused(), run.Cell(Name_1, c.CursorRow));
        EXPECT_EQ(run.Text("Label_KokyakuDs"), std::to_string(c.Kept.size()));
        EXPECT_EQ(run.Text("Label_KokyakuRec"), std::to_string(c.CursorRow + 1));
        EXPECT_EQ(run.Text(run.Cell(Name_2, c.Row)),
                  c.Row < static_cast<int>(c.Kept.size()) ? Kokyaku_Padded(Kokyaku_TestName2(c.Kept[c.Row] - '0'), 40)
                                                          : std::string(40, ' '));
        run.Key(vk::Down);
        EXPECT_TRUE(Kokyaku_SameBytes(run.File(), kept));
    }
}

// The last customer in row 0 of a later page: the page moves back by one,
// the new last customer in row 0 and the empty row in row 1.
TEST_F(KokyakuPage, DeletingTheLastCustomerInRowZeroMovesThePageBack) {
    StartWith(14);
    Key(vk::F8);
    Key(vk::F4, 11);  // customers 3 ... 13; customer 14 is now in row 0, the last
    ASSERT_EQ(Kokyaku_Count, 3);
    ASSERT_EQ(Text(Cell(Name_1, 0)), "顧客14");
    Key(vk::F4);
    EXPECT_TRUE(Kokyaku_SameBytes(File(), Kokyaku_TestRecord(1) + Kokyaku_TestRecord(2)));
    EXPECT_EQ(Kokyaku_Top, 1);
    EXPECT_EQ(Kokyaku_Row, 0);
    EXPECT_EQ(Focused(), Cell(Name_1, 0));
    EXPECT_EQ(Text(Cell(Name_1, 0)), "顧客2");
    EXPECT_EQ(Text(NumberLabel(0)), "   2");
    EXPECT_EQ(Text(NumberLabel(1)), "    ");
    EXPECT_EQ(Text("Label_KokyakuRec"), "2");
}

// F4 on the empty row deletes nothing; the cursor moves up, and a name typed
// there commits on leaving and becomes a customer.
TEST_F(KokyakuPage, DeleteOnTheEmptyRowMovesUp) {
    StartWith(3);
    Focus(Name_1, 3);
    Key(vk::F4);
    EXPECT_TRUE(Kokyaku_SameBytes(File(), Kokyaku_TestFile(1, 3)));
    EXPECT_EQ(Focused(), Cell(Name_1, 2));
    Focus(Name_1, 3);
    Type("新規");
    Key(vk::F4);
    EXPECT_EQ(Focused(), Cell(Name_1, 2));
    EXPECT_EQ(Kokyaku_Count, 4);
    EXPECT_EQ(Text("Label_KokyakuDs"), "4");
    EXPECT_TRUE(Kokyaku_SameBytes(File().substr(3 * Kokyaku_RecLen),
                                  " 新規" + std::string(Kokyaku_RecLen - 6, ' ') + "\n"));
}

// Customer numbers of five digits show whole, the font made smaller to fit.
TEST_F(KokyakuPage, FiveDigitNumbersShowWhole) {
    // 9988 customers nobody looks at (a hole in the file), then the last 12.
    const std::string path = Session.HostPath("Data\\Kokyaku.620");
    {
        std::ofstream f(path, std::ios::binary);
    }
    std::filesystem::resize_file(path, 9988LL * Kokyaku_RecLen);
    {
        std::ofstream f(path, std::ios::binary | std::ios::app);
        const std::string last = Kokyaku_TestFile(9989, 10000);
        f.write(last.data(), static_cast<std::streamsize>(last.size()));
    }
    ASSERT_TRUE(Session.Start());
    Click("Label_Job_03");
    Key(vk::F9);
    ASSERT_EQ(Kokyaku_Top, 9988);
    EXPECT_EQ(Text(NumberLabel(10)), "9999");
    EXPECT_EQ(Text(NumberLabel(11)), "10000");
    EXPECT_EQ(Text(Cell(Name_2, 11)), Kokyaku_Padded("支店10000", 40));
    EXPECT_EQ(Text(NumberLabel(12)), "10001");
    EXPECT_EQ(Text("Label_KokyakuRec"), "10001");
    EXPECT_EQ(Text("Label_KokyakuDs"), "10000");
    for (const std::string& name :
         {NumberLabel(10), NumberLabel(11), NumberLabel(12), std::string("Label_KokyakuRec")}) {
        auto* label = Session.ControlAs<TLabel>(name);
        const int digits = static_cast<int>(label->Caption.size());
        EXPECT_LE(-label->Font.Height * digits, 2 * label->Width) << name;  // half-width digits
        EXPECT_GE(-label->Font.Height, 14) << name;
    }
    EXPECT_EQ(Session.ControlAs<TLabel>(NumberLabel(10))->Font.Height, -15);
}

}  // namespace
