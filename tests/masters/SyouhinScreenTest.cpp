// The product screen: its page with each product's categories, the rows
// that take the focus, the scrolls and steps at the page's edges, the move
// to the first empty row and the delete; then the category chooser over it
// where the choosers meet the rest of the program.
#include "masters/categories/HinsyuChoose.h"
#include "masters/products/SyouhinScreen.h"
#include "platform/FileFault.h"
#include "store/Denpyou.h"
#include "tests/masters/HinsyuFixture.h"
#include "ui/Commands.h"

namespace {

class SyouhinTest : public ::testing::Test, public TMasterRun {
protected:
    // n products on a list of ten categories, the product screen shown.
    void StartWithProducts(int n, const std::string& categories = Hinsyu_TestFile(10)) {
        StartWith(categories, Syouhin_TestFile(1, n));
        Click("Label_Job_05");
    }
    static std::string Cell(const char* column, int row) { return Row(column, row); }
    void ShowFrom(int top) {
        Syouhin_Top = top;
        Syouhin_ShowPage();
    }
};

// A product's count of categories and the name of the one numbered by its
// first flag, wherever it stands in the list; blanks when none holds that
// number; nothing for a product in none.
TEST_F(SyouhinTest, EachRowShowsItsProductsCategories) {
    std::vector<int> numbers(Hinsyu_Max);
    for (int e = 0; e < Hinsyu_Max; ++e) numbers[e] = e + 1;
    std::swap(numbers[1], numbers[6]);  // number 7 at position 2
    std::swap(numbers[4], numbers[2]);  // number 3 at position 5
    const std::string products = Syouhin_TestRecord(1, {7, 3}) + Syouhin_TestRecord(2) + Syouhin_TestRecord(3, {99});
    StartWith(Hinsyu_TestFile(6, numbers), products);
    Click("Label_Job_05");
    EXPECT_EQ(Text("Label_Syouhin_Cyoufuku_01"), "2");
    EXPECT_EQ(Text("Label_Syouhin_Hinsyu_01"), Test_Padded(Hinsyu_TestName(5), 40));
    EXPECT_EQ(Text("Label_Syouhin_Cyoufuku_02"), "");
    EXPECT_EQ(Text("Label_Syouhin_Hinsyu_02"), "");
    EXPECT_EQ(Text("Label_Syouhin_Cyoufuku_03"), "1");
    EXPECT_EQ(Text("Label_Syouhin_Hinsyu_03"), std::string(40, ' '));  // 99 is an empty entry's
    EXPECT_EQ(Text("Label_Syouhin_No_03"), "   3");
    EXPECT_EQ(Text("Label_Syouhin_No_04"), "    ");
    EXPECT_EQ(Text("Label_Syouhin_Zei_01"), "外税");
    EXPECT_EQ(Text("Edit_Syouhin_Hanbai_02"), "     1200");
    EXPECT_EQ(Text("Edit_Syouhin_Name_01"), Syouhin_TestName(1));  // trimmed while focused
    EXPECT_EQ(Text("Label_SyouhinDs"), "3");
}

// Rows up to the first empty row take the focus; it is numbered when
// entered; the rows below give the focus back and store nothing.
TEST_F(SyouhinTest, CellsTakeTheFocusUpToTheFirstEmptyRow) {
    StartWithProducts(10);
    Click(Cell("Edit_Syouhin_Siire_", 10));
    EXPECT_EQ(Text("Label_Syouhin_No_11"), "11");
    EXPECT_EQ(Text("Label_SyouhinRec"), "11");
    EXPECT_EQ(Focus_Code, 5010 + 60 * 10 + 30);
    EXPECT_EQ(HinsyuChoose_CodeSaved, 5610);  // its row's name
    Type("5");
    Click(Cell("Edit_Syouhin_Kana_", 11));
    EXPECT_EQ(Focused(), Cell("Edit_Syouhin_Siire_", 10));
    EXPECT_EQ(Syouhin_Row, 10);
    EXPECT_TRUE(Test_SameBytes(File(), Syouhin_TestFile(1, 10)));  // no name: nothing stored
    EXPECT_EQ(Syouhin_Count, 10);
    EXPECT_TRUE(Syouhin_Changed);
}

// The one-product scrolls and steps at the page's edges.
TEST_F(SyouhinTest, ScrollsAtThePagesEdges) {
    StartWithProducts(40);
    // Home in the first name: the product before, its unit.
    ShowFrom(30);
    Click(Cell("Edit_Syouhin_Name_", 0));
    Key(vk::Home);
    EXPECT_EQ(Syouhin_Top, 29);
    EXPECT_EQ(Focused(), Cell("Edit_Syouhin_Tannni_", 0));
    EXPECT_EQ(Text("Label_SyouhinRec"), "30");
    // Up in row 1: the product before, typing lost, the cell trimmed.
    Click(Cell("Edit_Syouhin_Kana_", 0));
    Type("ｱ");
    Key(vk::Up);
    EXPECT_EQ(Syouhin_Top, 28);
    EXPECT_EQ(Text(Cell("Edit_Syouhin_Kana_", 0)), "ｼｮｳﾋﾝ29");
    EXPECT_EQ(Text("Label_SyouhinRec"), "29");
    EXPECT_TRUE(Test_SameBytes(File(), Syouhin_TestFile(1, 40)));
    // Down in row 25 up to the first empty row, numbered; then no further.
    ShowFrom(15);
    Click(Cell("Edit_Syouhin_Hanbai_", 24));
    Key(vk::Down, 3);
    EXPECT_EQ(Syouhin_Top, 16);
    EXPECT_EQ(Text("Label_Syouhin_No_25"), "41");
    EXPECT_EQ(Text("Label_SyouhinRec"), "41");
    EXPECT_EQ(Text(Cell("Edit_Syouhin_Hanbai_", 24)), "");
    // Return in the last row's unit: the next product comes into the row.
    ShowFrom(10);
    Click(Cell("Edit_Syouhin_Tannni_", 24));
    Key(vk::F9);  // the unit chooser closed, the unit kept
    Key(vk::Return);
    EXPECT_EQ(Syouhin_Top, 11);
    EXPECT_EQ(Focused(), Cell("Edit_Syouhin_Name_", 24));
    EXPECT_EQ(Text(Cell("Edit_Syouhin_Name_", 24)), Syouhin_TestName(36));
}

// Pages move only while the products are more than a page: 25 products and
// the empty row under them page nowhere, from the first page nor from the
// one that the step down to the empty row scrolled to.
TEST_F(SyouhinTest, APageOfProductsDoesNotPage) {
    StartWithProducts(25);
    Click(Cell("Edit_Syouhin_Name_", 24));
    Key(vk::F8);
    EXPECT_EQ(Syouhin_Top, 0);
    EXPECT_EQ(Focused(), Cell("Edit_Syouhin_Name_", 24));
    Key(vk::Down);
    ASSERT_EQ(Syouhin_Top, 1);
    Key(vk::F7);
    EXPECT_EQ(Syouhin_Top, 1);
    EXPECT_EQ(Text("Label_Syouhin_No_25"), "26");
    EXPECT_EQ(Focused(), Cell("Edit_Syouhin_Name_", 24));
}

// F9 goes to the first empty row on the page that holds it; F4 deletes the
// cursor's product, and leaves the cursor on a product or the first empty row.
TEST_F(SyouhinTest, NewRowAndDelete) {
    struct TCase {
        int Products, Top;
        int ToTop, ToRow;
    };
    for (const TCase& c : {TCase{10, 3, 0, 10}, TCase{25, 0, 1, 24}, TCase{0, 0, 0, 0}}) {
        SCOPED_TRACE(c.Products);
        TMasterRun run;
        run.StartWith(Hinsyu_TestFile(10), Syouhin_TestFile(1, c.Products));
        run.Click("Label_Job_05");
        Syouhin_Top = c.Top;
        run.Click("Label_Command_01_F9");
        EXPECT_EQ(Syouhin_Top, c.ToTop);
        EXPECT_EQ(run.Focused(), Row("Edit_Syouhin_Name_", c.ToRow));
        EXPECT_EQ(run.Text(Row("Label_Syouhin_No_", c.ToRow)), std::to_string(c.Products + 1));
    }

    // The only product: an empty file, the cursor on the first row.
    StartWithProducts(1);
    Key(vk::F4);
    EXPECT_EQ(File(), "");
    EXPECT_EQ(File("Data\\Syouhin.del"), "");
    EXPECT_EQ(Text("Label_SyouhinDs"), "0");
    EXPECT_EQ(Focused(), Cell("Edit_Syouhin_Name_", 0));
}

TEST_F(SyouhinTest, DeletingTheLastProductOnItsPageMovesThePageBack) {
    StartWithProducts(7);
    ShowFrom(6);
    Click(Cell("Edit_Syouhin_Name_", 0));
    Key(vk::F4);
    EXPECT_EQ(Syouhin_Top, 5);
    EXPECT_EQ(Text(Cell("Edit_Syouhin_Name_", 0)), Syouhin_TestName(6));
    EXPECT_EQ(Text("Label_SyouhinRec"), "6");
    EXPECT_TRUE(Test_SameBytes(File(), Syouhin_TestFile(1, 6)));
    EXPECT_FALSE(Syouhin_Changed);
}

// Opened from the editor before the product screen was ever shown (no
// product row current), the chooser reads no product at all.
TEST_F(SyouhinTest, TheChooserOverTheEditorReadsNoProduct) {
    StartWith(Hinsyu_TestFile(10), Syouhin_TestFile(1, 3));
    ASSERT_EQ(Syouhin_Row, -1);
    Click("Edit_DenpSyousai_01");
    FileFault_Reset();
    HinsyuChoose_Open(0);
    EXPECT_EQ(FileFault_Count(TFileOp::Read), 0);
    EXPECT_FALSE(Visible("Label_HinsyuChoose_Check_01"));
    Key(vk::F9);
    EXPECT_EQ(Focused(), "Edit_DenpSyousai_01");
}

// A click on the cursor row's own category name still brings the close back
// to that row's name, whatever opened the chooser last.
TEST_F(SyouhinTest, TheCloseComesBackToTheRowClicked) {
    StartWithProducts(5);
    Click(Cell("Edit_Syouhin_Kana_", 3));
    HinsyuChoose_CodeSaved = 2270;  // a description cell of the editor, the last to open it
    Click(Row("Label_Syouhin_Hinsyu_", 3));
    EXPECT_EQ(HinsyuChoose_CodeSaved, 5190);
    Key(vk::F9);
    EXPECT_EQ(Focused(), Cell("Edit_Syouhin_Name_", 3));
}

// The exit question over the open chooser: answered "いいえ", the chooser
// keeps its lock, so a click elsewhere cannot move the toggles' product.
TEST_F(SyouhinTest, TheExitQuestionDismissedKeepsTheChoosersLock) {
    StartWithProducts(5);
    Click(Row("Label_Syouhin_Hinsyu_", 1));
    // A document being typed: the exit asks first.
    Denpyou_Field[DenpyouField_KokyakuName_1][0] = 'A';
    Click("Label_Job_10");
    ASSERT_TRUE(Visible("Panel_ExitChoose"));
    Click("Label_Exit_No");
    EXPECT_TRUE(Popup_Lock);
    EXPECT_EQ(Focused(), "Edit_Panel_ChooseHinsyu_Command");
    Click(Cell("Edit_Syouhin_Kana_", 3));
    Click(Row("Label_Syouhin_Zei_", 3));
    EXPECT_EQ(Syouhin_Row, 1);
    EXPECT_EQ(Focused(), "Edit_Panel_ChooseHinsyu_Command");
    Key(vk::Return);
    EXPECT_EQ(File().substr(300 + 98, 1), "1");
}

// An entry whose number is damaged has no flag: its row ignores clicks and
// keys, and shows no mark.
TEST_F(SyouhinTest, ADamagedNumberIsNoFlag) {
    StartWithProducts(3);
    std::snprintf(Hinsyu_No[1], sizeof Hinsyu_No[1], "%3d", 0);
    Click(Row("Label_Syouhin_Hinsyu_", 0));
    EXPECT_EQ(Text("Label_HinsyuChoose_Check_02"), "");
    Click("Label_HinsyuChoose_Name_02");
    Key(vk::Down);
    Key(vk::Return);
    Key(vk::Space);
    EXPECT_TRUE(Test_SameBytes(File(), Syouhin_TestFile(1, 3)));
}

// A number the file holds outside 1 ... 100 (position 31, row 6 of the
// chooser's second page): the page leaves that row as the first page showed
// it and says so on the help line, and the row takes no toggle.
TEST_F(SyouhinTest, ADamagedNumberFromTheFileLeavesItsRowAsItWas) {
    std::vector<int> numbers(Hinsyu_Max);
    for (int e = 0; e < Hinsyu_Max; ++e) numbers[e] = e + 1;
    numbers[30] = 101;
    const std::string products = Syouhin_TestRecord(1, {6});
    StartWith(Hinsyu_TestFile(40, numbers), products);
    Click("Label_Job_05");
    Click(Row("Label_Syouhin_Hinsyu_", 0));
    EXPECT_EQ(Text("Label_Help"), "");
    Click("Label_Image_ChooseHinsyuNextPage");
    EXPECT_EQ(Text("Label_Help"), "商品属性設定エラー");
    EXPECT_EQ(Text("Label_HinsyuChoose_No_06"), "6");
    EXPECT_EQ(Text("Label_HinsyuChoose_Check_06"), "■");
    EXPECT_EQ(Text("Label_HinsyuChoose_Name_06"), Test_Padded(Hinsyu_TestName(6), 40));
    EXPECT_EQ(Text("Label_HinsyuChoose_No_07"), "32");
    EXPECT_EQ(Text("Label_HinsyuChoose_Check_07"), "□");
    Click("Label_HinsyuChoose_Name_06");
    Click("Label_HinsyuChoose_Check_06");
    Key(vk::Down, 5);
    ASSERT_EQ(HinsyuChoose_Top + HinsyuChoose_Row, 30);
    Key(vk::Return);
    Key(vk::Space);
    EXPECT_TRUE(Test_SameBytes(File(), products));
    EXPECT_EQ(Text("Label_HinsyuChoose_Check_06"), "■");
    EXPECT_EQ(Text("Label_Syouhin_Cyoufuku_01"), "1");
}

// The scroll by one product under the open category chooser (F3 in row 1,
// F4 in row 25): the cursor row's name shows the product now there
// trimmed, as the unit cell does under the unit chooser.
TEST_F(SyouhinTest, TheScrollUnderTheCategoryChooserTrimsTheName) {
    StartWithProducts(40);
    const struct {
        int Top, Row;
        Word Key;
        int ToTop, Product;
    } cases[] = {{5, 0, vk::F3, 4, 5}, {5, 24, vk::F4, 6, 31}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Row);
        ShowFrom(c.Top);
        Click(Row("Label_Syouhin_Hinsyu_", c.Row));
        Key(c.Key);
        EXPECT_EQ(Syouhin_Top, c.ToTop);
        EXPECT_EQ(Syouhin_Row, c.Row);
        EXPECT_EQ(Focused(), "Edit_Panel_ChooseHinsyu_Command");
        EXPECT_EQ(Text(Row("Edit_Syouhin_Name_", c.Row)), Syouhin_TestName(c.Product));
        Key(vk::F9);
    }
}

}  // namespace
