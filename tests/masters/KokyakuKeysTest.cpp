// The customer cells' keys: the key map between the nine cells and the rows,
// and the one-customer scrolls and steps at the page's edges.
#include <vector>

#include "masters/customers/KokyakuScreen.h"
#include "platform/FileFault.h"
#include "tests/masters/KokyakuFixture.h"

namespace {

enum : int {
    Name_1 = KokyakuColumn_Name_1, Name_2 = KokyakuColumn_Name_2, Kana = KokyakuColumn_Kana,
    Keisyou = KokyakuColumn_Keisyou, Zip = KokyakuColumn_Zip, Prif = KokyakuColumn_Prif,
    City = KokyakuColumn_City, Banti = KokyakuColumn_Banti, Tel = KokyakuColumn_Tel,
};

using KokyakuKeys = KokyakuTest;

// Every cell and key in a middle row (row 5 of 20 customers): where the
// focus goes. Return commits on the way, which rewrites each field as it
// is stored.
TEST_F(KokyakuKeys, KeyMapInTheMiddleRows) {
    struct TCase {
        int Column;
        Word Key;
        int ToColumn, RowDelta;
    };
    const TCase cases[] = {
        {Name_1, vk::Home, Tel, -1},   {Name_1, vk::Return, Name_2, 0}, {Name_1, vk::Up, Name_2, -1},
        {Name_1, vk::Down, Name_2, 0},  {Name_2, vk::Home, Name_1, 0},  {Name_2, vk::Return, Kana, 0},
        {Name_2, vk::Up, Name_1, 0},    {Name_2, vk::Down, Name_1, 1},  {Kana, vk::Home, Name_2, 0},
        {Kana, vk::Return, Keisyou, 0}, {Kana, vk::Up, Kana, -1},       {Kana, vk::Down, Kana, 1},
        {Keisyou, vk::Home, Kana, 0},   {Keisyou, vk::Return, Zip, 0},  {Keisyou, vk::Up, Keisyou, -1},
        {Keisyou, vk::Down, Keisyou, 1}, {Zip, vk::Home, Keisyou, 0},   {Zip, vk::Return, Prif, 0},
        {Zip, vk::Up, Banti, -1},       {Zip, vk::Down, Banti, 0},      {Prif, vk::Home, Zip, 0},
        {Prif, vk::Return, City, 0},    {Prif, vk::Up, Banti, -1},      {Prif, vk::Down, Banti, 0},
        {City, vk::Home, Prif, 0},      {City, vk::Return, Banti, 0},   {City, vk::Up, Banti, -1},
        {City, vk::Down, Banti, 0},     {Banti, vk::Home, City, 0},     {Banti, vk::Return, Tel, 0},
        {Banti, vk::Up, Zip, 0},        {Banti, vk::Down, Zip, 1},      {Tel, vk::Home, Banti, 0},
        {Tel, vk::Return, Name_1, 1},   {Tel, vk::Up, Tel, -1},         {Tel, vk::Down, Tel, 1},
        // Keys the cells leave to the edit.
        {Kana, vk::F1, Kana, 0},        {Kana, vk::F2, Kana, 0},        {Kana, vk::F3, Kana, 0},
        {Kana, vk::F6, Kana, 0},        {Kana, vk::Escape, Kana, 0},    {Kana, vk::End, Kana, 0},
    };
    StartWith(20);
    const std::string stored = File();
    for (const TCase& c : cases) {
        SCOPED_TRACE(Cell(c.Column, 5) + " key " + std::to_string(c.Key));
        Focus(c.Column, 5);
        Key(c.Key);
        EXPECT_EQ(Focused(), Cell(c.ToColumn, 5 + c.RowDelta));
        EXPECT_EQ(Kokyaku_Top, 0);
    }
    EXPECT_TRUE(Kokyaku_SameBytes(File(), stored));
}

// Up in any cell of row 0 scrolls back by one customer and keeps the focus,
// the cell showing its field of the customer before, trimmed; at the top
// nothing moves. Home in the first name steps back to the telephone.
TEST_F(KokyakuKeys, UpperEdgeScrollsBack) {
    StartWith(20);
    for (int column = 0; column < KokyakuColumn_Count; ++column) {
        SCOPED_TRACE(Cell(column, 0));
        ShowFrom(0);
        Focus(column, 0);
        Key(vk::Up);
        EXPECT_EQ(Kokyaku_Top, 0);
        EXPECT_EQ(Focused(), Cell(column, 0));
        ShowFrom(5);
        Focus(column, 0);
        Type("ｳｿ");  // lost in the repaint
        Key(vk::Up);
        EXPECT_EQ(Kokyaku_Top, 4);
        EXPECT_EQ(Focused(), Cell(column, 0));
        EXPECT_EQ(Text(NumberLabel(0)), "   5");
        if (column == Name_2) {
            EXPECT_EQ(Text(Cell(column, 0)), "支店5");
        }
    }
    Key(vk::Down);  // whatever the cells held is what was stored
    EXPECT_TRUE(Kokyaku_SameBytes(File(), Kokyaku_TestFile(1, 20)));

    ShowFrom(5);
    Focus(Name_1, 0);
    Key(vk::Home);
    EXPECT_EQ(Kokyaku_Top, 4);
    EXPECT_EQ(Focused(), Cell(Tel, 0));
    EXPECT_EQ(Text(Cell(Tel, 0)), "03-5");
    Key(vk::Up, 5);
    EXPECT_EQ(Kokyaku_Top, 0);
    Focus(Name_1, 0);
    Key(vk::Home);
    EXPECT_EQ(Focused(), Cell(Name_1, 0));
    EXPECT_TRUE(Kokyaku_SameBytes(File(), Kokyaku_TestFile(1, 20)));
}

// Down in the cells of row 12 that stand on its second line, or across both,
// scrolls on by one customer until row 12 is the empty row, which is then
// numbered; the first-line cells go down within the row.
TEST(KokyakuKeysLowerEdge, DownScrollsOnUntilTheEmptyRow) {
    for (int column : {Name_2, Kana, Keisyou, Banti, Tel}) {
        SCOPED_TRACE(column);
        TKokyakuRun run;
        run.StartWith(20);
        run.ShowFrom(6);
        run.Focus(column, 12);
        run.Key(vk::Down);
        EXPECT_EQ(Kokyaku_Top, 7);
        EXPECT_EQ(run.Focused(), run.Cell(column, 12));
        EXPECT_EQ(run.Text(run.NumberLabel(12)), "  20");
        run.Key(vk::Down);
        EXPECT_EQ(Kokyaku_Top, 8);
        EXPECT_EQ(run.Text(run.Cell(column, 12)), "");
        EXPECT_EQ(run.Text(run.NumberLabel(12)), "21");
        run.Key(vk::Down);
        EXPECT_EQ(Kokyaku_Top, 8);
        EXPECT_EQ(run.Focused(), run.Cell(column, 12));
        EXPECT_TRUE(Kokyaku_SameBytes(run.File(), Kokyaku_TestFile(1, 20)));
    }
    TKokyakuRun run;
    run.StartWith(20);
    const std::pair<int, int> lineOne[] = {{Name_1, Name_2}, {Zip, Banti}, {Prif, Banti}, {City, Banti}};
    for (int top : {6, 8})
        for (const auto& [from, to] : lineOne) {
            run.ShowFrom(top);
            run.Focus(from, 12);
            run.Key(vk::Down);
            EXPECT_EQ(run.Focused(), run.Cell(to, 12));
            EXPECT_EQ(Kokyaku_Top, top);
        }
}

// A new customer typed in row 12 from the keyboard: each Return stores its
// field; Return in the telephone scrolls on to the next empty row.
TEST_F(KokyakuKeys, TypingANewCustomerInTheLastRow) {
    StartWith(20);
    ShowFrom(8);
    // Return in the telephone of an empty row without a name: nothing is
    // stored, and the focus goes to that row's first name.
    Focus(Tel, 12);
    Type("099");
    Key(vk::Return);
    EXPECT_EQ(Kokyaku_Top, 8);
    EXPECT_EQ(Focused(), Cell(Name_1, 12));
    EXPECT_EQ(Kokyaku_Count, 20);

    const std::vector<const char*> texts = {"新規", "本社", "ｼﾝｷ", "様", "123-4567", "東京都", "港区", "1-1", "03-9"};
    for (const char* t : texts) {
        Type(t);
        Key(vk::Return);
    }
    EXPECT_EQ(Kokyaku_Count, 21);
    EXPECT_EQ(Kokyaku_Top, 9);
    EXPECT_EQ(Focused(), Cell(Name_1, 12));
    EXPECT_EQ(Text(NumberLabel(12)), "22");
    EXPECT_EQ(Text(NumberLabel(11)), "  21");
    std::string record(Kokyaku_RecLen - 1, ' ');
    record += '\n';
    const std::pair<int, std::string> at[] = {{1, "新規"}, {41, "本社"}, {81, "ｼﾝｷ"}, {91, "様"}, {97, "123-4567"},
                                              {105, "東京都"}, {113, "港区"}, {133, "1-1"}, {213, "03-9"}};
    for (const auto& [offset, text] : at) record.replace(static_cast<size_t>(offset), text.size(), text);
    EXPECT_TRUE(Kokyaku_SameBytes(File(), Kokyaku_TestFile(1, 20) + record));
}

// Return in the telephone of the empty row in the middle of the page, its
// first name empty: the row below refuses the focus, which stays.
TEST_F(KokyakuKeys, ReturnIntoARowBelowTheEmptyRowStays) {
    StartWith(6);
    Focus(Tel, 6);
    Key(vk::Return);
    EXPECT_EQ(Focused(), Cell(Tel, 6));
    EXPECT_EQ(Kokyaku_Row, 6);
    Key(vk::Down);
    EXPECT_EQ(Focused(), Cell(Tel, 6));
    EXPECT_TRUE(Kokyaku_SameBytes(File(), Kokyaku_TestFile(1, 6)));
}

}  // namespace

namespace {

// Stepping through a customer's cells with Return commits each one as it
// stands: nothing reaches the disk (no journal, no write, no flush), while
// the change flag that the exit's sort reads is set as before.
TEST_F(KokyakuKeys, SteppingThroughCellsWritesNothing) {
    StartWith(3);
    Focus(Name_1, 1);
    Kokyaku_Changed = false;
    FileFault_Reset();
    Key(vk::Return, 9);
    EXPECT_EQ(Focused(), Cell(Name_1, 2));
    for (TFileOp op : {TFileOp::Create, TFileOp::Write, TFileOp::Sync})
        EXPECT_EQ(FileFault_Count(op), 0) << static_cast<int>(op);
    EXPECT_TRUE(Kokyaku_Changed);
    EXPECT_TRUE(Kokyaku_SameBytes(File(), Kokyaku_TestFile(1, 3)));
}

}  // namespace
