// The product chooser: its hit lists and pages, its place beside the row,
// its keys and bar, the pick into a line with the document worked out, the
// check box for several lines, and what it does with no product or an
// unreadable one.
#include "tests/editor/EditorFixture.h"

#include <filesystem>
#include <functional>

#include "editor/SyouhinChoose.h"
#include "masters/categories/HinsyuChoose.h"
#include "platform/FileFault.h"
#include "store/Tanni.h"
#include "tests/editor/SyouhinFixture.h"
#include "ui/CommandBar.h"

namespace {

class SyouhinChooseTest : public EditorTest {
protected:
    void SetUp() override {}  // each test starts on its own files
    void TearDown() override { FileFault_Reset(); }

    // Products 1 ... count, product i in the category numbered categoryOf(i);
    // the first three categories named.
    void StartWith(int count, const std::function<int(int)>& categoryOf = [](int) { return 1; }) {
        StartOn(Syouhin_TestFile(count, categoryOf));
    }
    void StartOn(const std::string& products) {
        ASSERT_TRUE(Session.WriteFile("Data\\Syouhin.620", products));
        ASSERT_TRUE(Session.WriteFile("Data\\Hinsyu.620", Hinsyu_TestFile({"電材", "照明", "工具"})));
        ASSERT_TRUE(Session.Start());
    }
    void OpenAt(int row) {
        Click(Syousai(row));
        Key(vk::F8);
    }
    bool Shown() { return Session.Control("Panel_SyouhinChoose")->Visible(); }
    int Top() { return Session.Control("Panel_SyouhinChoose")->Top; }
    static std::string Cursor() { return std::to_string(SyouhinChoose_Top) + "/" + std::to_string(SyouhinChoose_Row); }
    static std::string Name(int row) { return Row("Label_SyouhinChoose_SyouhinName_", row); }
    static std::string Number(int row) { return Row("Labe_SyouhinChoose_SyouhinLine_", row); }
    static std::string Frame(int row) { return Row("Shape_SyouhinChoose_SyouhinName_", row); }
    // Every field of a line, each ended by '|'.
    static std::string Line(int line) {
        std::string all;
        for (int j = 0; j < Denpyou_LineFieldCount; ++j) all += LineField(line, static_cast<DenpyouLineField>(j)) + "|";
        return all;
    }
    static std::string Enabled() {
        std::string keys;
        for (Word key = vk::F1; key <= vk::F9; ++key) keys += Command_IsEnabled(key) ? '1' : '0';
        return keys;
    }
};

// Three categories of 45, 25 and 12 products, one after the other by a
// click on the category's name.
TEST_F(SyouhinChooseTest, HitListsOf45_25And12AndTheirPages) {
    StartWith(82, [](int i) { return i <= 45 ? 1 : i <= 70 ? 2 : 3; });
    OpenAt(1);
    EXPECT_EQ(Text("Labe_SyouhinChoose_HinsyuName"), Padded("電材", 40));
    EXPECT_EQ(Text("Labe_SyouhinChoose_HinsyuGaitou"), "45");
    EXPECT_EQ(Text(Number(1)), "  1");
    EXPECT_EQ(Text(Name(20)), Padded("商品20", 50));
    EXPECT_EQ(Pen(Frame(1)), "255/2");

    const struct {
        int Hits;
        std::string FirstName;
        std::vector<Word> Keys;
        std::vector<std::string> After;  // top/row after each key
    } cases[] = {
        {45,
         "商品1",
         {vk::Down, vk::Down, vk::PageDown, vk::PageDown, vk::PageUp, vk::PageUp},
         {"0/1", "0/2", "20/2", "25/19", "5/19", "0/0"}},
        {25, "商品46", {vk::PageDown, vk::PageDown, vk::PageUp}, {"5/19", "5/19", "0/0"}},
        // Down stops once past the last hit, on an empty row.
        {12, "商品71", {vk::PageDown, vk::Up}, {"0/0", "0/0"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Hits);
        EXPECT_EQ(Text("Labe_SyouhinChoose_HinsyuGaitou"), std::to_string(c.Hits));
        EXPECT_EQ(Text(Name(1)), Padded(c.FirstName, 50));
        for (size_t k = 0; k < c.Keys.size(); ++k) {
            Key(c.Keys[k]);
            EXPECT_EQ(Cursor(), c.After[k]) << "key " << k;
        }
        Click("Labe_SyouhinChoose_HinsyuName");  // the next category
    }
    // The fourth category has no name and no product; the fifth click comes
    // back to the first.
    EXPECT_EQ(Text("Labe_SyouhinChoose_HinsyuGaitou"), "0");
    EXPECT_EQ(Cursor(), "0/-1");
    Click("Labe_SyouhinChoose_HinsyuName");
    EXPECT_EQ(Text("Labe_SyouhinChoose_HinsyuGaitou"), "45");
}

TEST_F(SyouhinChooseTest, TheCursorAtTheEdgesOfAList) {
    StartWith(45, [](int i) { return i <= 12 ? 1 : 2; });
    OpenAt(1);
    Key(vk::Down, 11);
    EXPECT_EQ(Cursor(), "0/11");
    Key(vk::Down);  // onto the empty 13th row
    EXPECT_EQ(Cursor(), "0/12");
    EXPECT_EQ(Text(Name(13)), std::string(50, ' '));
    EXPECT_EQ(Text(Number(13)), "   ");
    EXPECT_EQ(Pen(Frame(13)), "255/2");
    EXPECT_EQ(Pen(Frame(12)), "0/1");
    Key(vk::Down);
    EXPECT_EQ(Cursor(), "0/12");
    Key(vk::Return);  // no product there
    EXPECT_TRUE(Shown());
    EXPECT_EQ(LineField(0, LineField_Syousai), std::string(50, ' '));

    // 33 products: the cursor goes down to the 19th row, then the list
    // scrolls under it.
    Click("Labe_SyouhinChoose_HinsyuName");
    Key(vk::Down, 18);
    EXPECT_EQ(Cursor(), "0/18");
    Key(vk::Down);
    EXPECT_EQ(Cursor(), "1/18");
    EXPECT_EQ(Text(Number(1)), "  2");
    Key(vk::Up, 18);
    EXPECT_EQ(Cursor(), "1/0");
    Key(vk::Up);
    EXPECT_EQ(Cursor(), "0/0");
    Key(vk::Up);
    EXPECT_EQ(Cursor(), "0/0");

    // The arrows page without moving the cursor: onto a short last page it
    // may stand on an empty row.
    Key(vk::Down, 15);
    Click("Label_SyouhinChoose_Down");
    EXPECT_EQ(Cursor(), "20/15");
    EXPECT_EQ(Text(Name(14)), std::string(50, ' '));
    Click("Label_SyouhinChoose_Down");
    EXPECT_EQ(Cursor(), "20/15");
    Click("Label_SyouhinChoose_Up");
    EXPECT_EQ(Cursor(), "0/15");
}

// The chooser stands over the half of the grid the cursor is not in, and
// follows the cursor's row; F8 places it by the cell's code.
TEST_F(SyouhinChooseTest, ItsPlaceByRowAndItsBar) {
    StartWith(3);
    OpenAt(3);
    EXPECT_TRUE(Shown());
    EXPECT_EQ(Top(), 394);
    EXPECT_EQ(Focused(), Syousai(3));
    EXPECT_EQ(Enabled(), "101111001");
    EXPECT_EQ(Text("Label_Command_01_F1"), "F1 品種変更");
    EXPECT_EQ(Text("Label_Command_01_F3"), "F3 明細上");
    EXPECT_EQ(Text("Label_Command_01_F9"), "F9 閉じる");
    EXPECT_EQ(Text("Label_Denpyou_NextPage"), "F6 半頁送り");
    EXPECT_EQ(Pen("Shape_DenpSyousai_03"), "255/2");

    Key(vk::F4);
    EXPECT_EQ(Focused(), Syousai(4));
    EXPECT_EQ(Top(), 394);
    EXPECT_EQ(Pen("Shape_DenpSyousai_04"), "255/2");
    EXPECT_EQ(Pen("Shape_DenpSyousai_03"), "0/1");
    EXPECT_EQ(Text("Label_Command_01_F8"), "F8 商品一覧");  // the description's bar again
    Click(Syousai(10));
    Key(vk::F4);
    EXPECT_EQ(Top(), 118);
    Click(Syousai(2));
    EXPECT_EQ(Top(), 394);
    Key(vk::F3);
    EXPECT_EQ(Top(), 396);
    Key(vk::F8);  // nothing in the chooser's key map
    EXPECT_EQ(Top(), 396);
    Click("Label_Command_01_F8");  // the bar's F8 places it again
    EXPECT_EQ(Top(), 394);

    Key(vk::F9);
    EXPECT_FALSE(Shown());
    EXPECT_EQ(Focused(), Syousai(1));
    EXPECT_EQ(Pen("Shape_DenpSyousai_01"), "255/2");
    OpenAt(12);
    EXPECT_EQ(Top(), 118);
    Click("Label_SyouhinChoose_Close");
    EXPECT_FALSE(Shown());
    EXPECT_EQ(Text("Label_Command_01_F1"), "F1 伝票登録");  // closed from its own bar
    EXPECT_EQ(Text("Label_Command_01_F8"), "F8 商品一覧");

    // A value cell closes it and every description frame rests.
    OpenAt(5);
    Click(Suuryou(5));
    EXPECT_FALSE(Shown());
    EXPECT_EQ(Pen("Shape_DenpSyousai_05"), "0/1");
}

// Return takes the product into the line: the six fields, the unit with its
// blank fill, the tax class; the line, the tax line and the total worked
// out, the actual price the product's and never the one before.
TEST_F(SyouhinChooseTest, APickFillsTheLineAndWorksOutTheDocument) {
    TTestProduct priced = Syouhin_Numbered(1, {1});
    priced.Jitubai = "450";
    TTestProduct cable{"ケーブル　ＶＶＦ２．０", "1000", "外税", "600", "", "ｍ", {1}};
    TTestProduct free{"サービス品", "", "なし", "", "", "式", {1}};
    StartOn(Syouhin_TestRecord(priced) + Syouhin_TestRecord(cable) + Syouhin_TestRecord(free));
    SetLineField(0, LineField_Suuryou, "2", true);
    SetLineField(0, LineField_TankaRitu, "100", true);
    SetKinds(1, "1");
    SetLineField(1, LineField_Syousai, "消費税");
    ShowFrom(0);

    OpenAt(1);
    Key(vk::Return);
    EXPECT_FALSE(Shown());
    EXPECT_EQ(Focused(), Syousai(1));
    EXPECT_EQ(Text(Syousai(1)), "商品1");
    EXPECT_EQ(Line(0), " |" + Padded("商品1", 50) + "|      100|100|     2|個    |       60|   |      450|       900|外税|");
    EXPECT_EQ(Text("Label_DenpSyoukei_01"), "       900");
    EXPECT_EQ(LineField(1, LineField_Kingaku), "        45");
    EXPECT_EQ(Field(DenpyouField_Goukei), "       945");
    EXPECT_EQ(Text("Label_Command_01_F1"), "F1 伝票登録");

    // The next product into the same line: its own actual price (none, so
    // the reference price), not the 450 before.
    Key(vk::F8);
    Key(vk::Down);
    Key(vk::Return);
    EXPECT_EQ(Line(0), " |" + Padded("ケーブル　ＶＶＦ２．０", 50) +
                           "|     1000|100|     2|ｍ    |      600|   |     1000|      2000|外税|");
    EXPECT_EQ(Text("Edit_DenpJitubaiTanka_01"), "     1000");
    EXPECT_EQ(Field(DenpyouField_Goukei), "      2100");

    // A product without a price: the amount goes with the old price.
    Key(vk::F8);
    Key(vk::Down, 2);
    Key(vk::Return);
    EXPECT_EQ(LineField(0, LineField_Kingaku), std::string(10, ' '));
    EXPECT_EQ(Text("Label_DenpSyoukei_01"), std::string(10, ' '));
    EXPECT_EQ(LineField(0, LineField_Zei), "なし");

    // Into the tax line: it becomes an item line with the product's values.
    Click(Syousai(2));
    Key(vk::F8);
    Key(vk::Down);
    Click(Name(2));
    EXPECT_FALSE(Shown());
    EXPECT_EQ(LineField(1, LineField_Kind), " ");
    EXPECT_EQ(LineField(1, LineField_Syousai), Padded("ケーブル　ＶＶＦ２．０", 50));
    EXPECT_EQ(Syouhin_CurRec, 2);
}

TEST_F(SyouhinChooseTest, SeveralLinesInARowWithTheCheckBox) {
    StartWith(5);
    OpenAt(1);
    Click("CheckBox1_DenpyouTateEdit");
    EXPECT_TRUE(Session.ControlAs<TCheckBox>("CheckBox1_DenpyouTateEdit")->Checked());
    EXPECT_EQ(Focused(), Syousai(1));  // the box keeps no focus

    Click(Name(1));  // a click: filled, and on to the next line
    EXPECT_TRUE(Shown());
    EXPECT_EQ(Focused(), Syousai(2));
    Click(Name(3));
    EXPECT_EQ(Focused(), Syousai(3));
    Key(vk::Down);
    Key(vk::Return);  // Return: filled, the cursor stays
    EXPECT_EQ(Focused(), Syousai(3));
    EXPECT_TRUE(Shown());
    EXPECT_EQ(LineField(0, LineField_Syousai), Padded("商品1", 50));
    EXPECT_EQ(LineField(1, LineField_Syousai), Padded("商品3", 50));
    EXPECT_EQ(LineField(2, LineField_Syousai), Padded("商品4", 50));

    // From a header field the box sends the focus to the first description.
    Key(vk::F9);
    Click("Edit_DenpKoujiName_1");
    Click("CheckBox1_DenpyouTateEdit");
    EXPECT_FALSE(Session.ControlAs<TCheckBox>("CheckBox1_DenpyouTateEdit")->Checked());
    EXPECT_EQ(Focused(), Syousai(1));
}

TEST_F(SyouhinChooseTest, NoProductOrOneThatCannotBeRead) {
    StartWith(1005, [](int i) { return i == 3 ? 2 : 1; });
    OpenAt(1);
    EXPECT_EQ(Text("Labe_SyouhinChoose_HinsyuGaitou"), "1000");  // the first 1000 in file order
    Key(vk::PageDown, 60);
    EXPECT_EQ(Cursor(), "980/0");
    EXPECT_EQ(Text(Number(20)), "1000");
    EXPECT_EQ(Text(Name(20)), Padded("商品1001", 50));

    // The record read for the pick fails: the line stays as it was.
    FileFault_Plan(TFileOp::Read, 1);
    Key(vk::Return);
    EXPECT_TRUE(Shown());
    EXPECT_EQ(LineField(0, LineField_Syousai), std::string(50, ' '));
    Key(vk::Return);
    EXPECT_EQ(LineField(0, LineField_Syousai), Padded("商品982", 50));

    // A category of no product: no cursor, and no key or click takes one.
    OpenAt(2);
    for (int i = 0; i < 2; ++i) Click("Labe_SyouhinChoose_HinsyuName");
    EXPECT_EQ(Text("Labe_SyouhinChoose_HinsyuGaitou"), "0");
    EXPECT_EQ(Pen(Frame(1)), "0/1");
    for (Word key : {vk::Down, vk::PageDown, vk::Up, vk::PageUp, vk::Return}) Key(key);
    Click(Name(1));
    EXPECT_EQ(Cursor(), "0/-1");
    EXPECT_TRUE(Shown());
    EXPECT_EQ(LineField(1, LineField_Syousai), std::string(50, ' '));

    // A page whose file does not open keeps the rows it showed.
    for (int i = 0; i < 2; ++i) Click("Labe_SyouhinChoose_HinsyuName");
    EXPECT_EQ(Text(Name(1)), Padded("商品1", 50));
    const std::string file = Session.HostPath("Data/Syouhin.620");
    std::filesystem::remove(file);
    std::filesystem::create_directory(file);
    Key(vk::PageDown);
    EXPECT_EQ(Cursor(), "20/0");
    EXPECT_EQ(Text(Name(1)), Padded("商品1", 50));
}

// The category change: the category chooser over the product chooser on
// the category listed, or on its first entry when that has no name; a pick
// lists the category picked; F1 again, like its own close, gives the focus
// back to the description with F3 ... F6 on.
TEST_F(SyouhinChooseTest, TheCategoryChangeWithAndWithoutAMatch) {
    StartWith(30, [](int i) { return i <= 10 ? 1 : i <= 25 ? 2 : 3; });
    OpenAt(4);
    Click("Labe_SyouhinChoose_HinsyuName");
    Key(vk::F1);
    EXPECT_TRUE(HinsyuChoose_Shown());
    EXPECT_EQ(Focused(), "Edit_Panel_ChooseHinsyu_Command");
    EXPECT_EQ(HinsyuChoose_Top, 0);
    EXPECT_EQ(HinsyuChoose_Row, 1);  // "照明", listed
    EXPECT_EQ(Enabled(), "100000001");
    EXPECT_TRUE(Popup_Lock);
    Click(Syousai(7));  // the lock keeps the keys in the chooser
    EXPECT_EQ(Focused(), "Edit_Panel_ChooseHinsyu_Command");
    Click("Label_Denp_SyoukeiLine");  // no special line under it
    EXPECT_EQ(LineField(3, LineField_Kind), " ");

    Key(vk::Down);
    Key(vk::Return);  // "工具": 5 products
    EXPECT_FALSE(HinsyuChoose_Shown());
    EXPECT_TRUE(Shown());
    EXPECT_FALSE(Popup_Lock);
    EXPECT_EQ(Focused(), Syousai(4));
    EXPECT_EQ(Text("Labe_SyouhinChoose_HinsyuName"), Padded("工具", 40));
    EXPECT_EQ(Text("Labe_SyouhinChoose_HinsyuGaitou"), "5");
    EXPECT_EQ(Text(Name(1)), Padded("商品26", 50));
    EXPECT_EQ(Text("Label_Command_01_F8"), "F8 商品一覧");  // the description's bar, F3 ... F5 on
    EXPECT_EQ(Enabled(), "101110010");

    // The bar's F1 opens it while the chooser's bar is up, and closes it.
    Key(vk::F9);
    Key(vk::F8);
    Click("Label_Command_01_F1");
    EXPECT_TRUE(HinsyuChoose_Shown());
    EXPECT_EQ(HinsyuChoose_Row, 2);
    Click("Label_Command_01_F1");
    EXPECT_FALSE(HinsyuChoose_Shown());
    EXPECT_FALSE(Popup_Lock);
    EXPECT_EQ(Focused(), Syousai(4));
    EXPECT_EQ(Enabled(), "101111010");  // the description's bar, F3 ... F6 on again
    EXPECT_EQ(Text("Labe_SyouhinChoose_HinsyuGaitou"), "5");

    // Listed without a name: its first page, and it takes the keys.
    Click("Labe_SyouhinChoose_HinsyuName");
    Key(vk::F1);
    EXPECT_TRUE(HinsyuChoose_Shown());
    EXPECT_EQ(Focused(), "Edit_Panel_ChooseHinsyu_Command");
    EXPECT_EQ(HinsyuChoose_Top, 0);
    EXPECT_EQ(HinsyuChoose_Row, 0);
    Key(vk::F9);
    EXPECT_FALSE(HinsyuChoose_Shown());
    EXPECT_EQ(Focused(), Syousai(4));
    EXPECT_TRUE(Shown());
}

// The bar while a chooser is open: F1 does what its caption says.
TEST_F(SyouhinChooseTest, TheBarsF1WithAChooserOpen) {
    StartWith(3);
    Click("Edit_DenpKokyakuName_1");
    Type("顧客");
    OpenAt(1);
    Click("Label_Command_01_F1");  // "F1 品種変更": nothing is stored
    EXPECT_TRUE(HinsyuChoose_Shown());
    Key(vk::F9);
    EXPECT_EQ(Denpyou_Count, 0);
    Key(vk::F4);  // the description's bar is back: its F1 stores
    EXPECT_EQ(Text("Label_Command_01_F1"), "F1 伝票登録");
    Click("Label_Command_01_F1");
    EXPECT_EQ(Denpyou_Count, 1);

    Tanni_Add("式    ");
    Click("Edit_DenpKokyakuName_1");
    Type("顧客");
    Click("Edit_DenpTanni_01");
    ASSERT_TRUE(Session.Control("Panel_Tanni")->Visible());
    Click("Label_Command_01_F1");  // the unit chooser: nothing, as its F1 key
    EXPECT_EQ(Denpyou_Count, 1);
    EXPECT_TRUE(Session.Control("Panel_Tanni")->Visible());
}

}  // namespace
