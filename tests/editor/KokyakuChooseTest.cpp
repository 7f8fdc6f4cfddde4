// The customer chooser of the document editor: its pages with the F7 and F8
// states, the pick into the header, the lock and the focus coming back.
#include <filesystem>
#include <vector>

#include "ui/CommandBar.h"
#include "ui/Focus.h"
#include "editor/KokyakuChoose.h"
#include "store/Denpyou.h"
#include "tests/masters/KokyakuFixture.h"

namespace {

constexpr const char* ListSW = "Label_KokyakuListSW";
constexpr const char* Chooser = "Panel_ChooseKokyaku";
constexpr const char* Catcher = "Edit_Panel_ChooseKokyaku_Command";

std::string RowLabel(int line, int row) {
    return Ui_RowName(line == 1 ? "Label_KokyakuChoose_Name_1_" : "Label_KokyakuChoose_Name_2_", row + 1);
}

bool Shown(TKokyakuRun& run, const char* name) { return run.Session.Control(name)->Visible(); }

// Page moves by every way there is, from opening on: the page top and the
// two keys' states after each, and the first row showing its customer.
TEST(KokyakuChoosePages, PageKeysFollowThePage) {
    struct TStep {
        char Action;  // o open or close by "一覧", < F7, > F8, [ PageUp, ] PageDown, ^ ▲, v ▼, b the bar's F8
        int Top;
        bool F7, F8;
    };
    struct TCase {
        int Customers;
        std::vector<TStep> Steps;
    };
    const TCase cases[] = {
        {20, {{'o', 0, false, false}, {'>', 0, false, false}, {'<', 0, false, false}}},
        {21, {{'o', 0, false, true}, {'>', 1, true, false}, {'<', 0, false, true}, {'v', 1, true, false}}},
        {50, {{'o', 0, false, true}, {']', 20, true, true}, {'b', 30, true, false}, {'>', 30, true, false},
              {'<', 10, false, true}, {'[', 0, false, true}, {'>', 20, true, true}, {'v', 30, true, false},
              {'o', 30, true, false}, {'o', 30, true, false}, {'^', 10, false, true}}},
        {25, {{'o', 0, false, true}, {'>', 5, true, false}, {'o', 5, true, false}, {'o', 5, false, true},
              {'>', 5, true, false}}},
    };
    for (const TCase& c : cases) {
        TKokyakuRun run;
        run.StartWith(c.Customers, false);
        for (size_t i = 0; i < c.Steps.size(); ++i) {
            const TStep& s = c.Steps[i];
            SCOPED_TRACE(std::to_string(c.Customers) + " customers, step " + std::to_string(i + 1));
            switch (s.Action) {
                case 'o': run.Click(ListSW); break;
                case '<': run.Key(vk::F7); break;
                case '>': run.Key(vk::F8); break;
                case '[': run.Key(vk::PageUp); break;
                case ']': run.Key(vk::PageDown); break;
                case '^': run.Click("Label_Image_ChooseKokyakuBeforePage"); break;
                case 'v': run.Click("Label_Image_ChooseKokyakuNextPage"); break;
                case 'b': run.Click("Label_Command_01_F8"); break;
            }
            EXPECT_EQ(KokyakuChoose_Top, s.Top);
            if (!Shown(run, Chooser)) continue;  // closed: the keys are the editor's again
            EXPECT_EQ(Command_IsEnabled(vk::F7), s.F7);
            EXPECT_EQ(Command_IsEnabled(vk::F8), s.F8);
            EXPECT_EQ(run.Focused(), Catcher);
            EXPECT_EQ(run.Text(RowLabel(1, 0)), Kokyaku_Padded(Kokyaku_TestName1(s.Top + 1), 40));
            EXPECT_EQ(run.Text(RowLabel(2, 19)), Kokyaku_Padded(Kokyaku_TestName2(s.Top + 20), 40));
        }
    }
}

using KokyakuChoose = KokyakuTest;

TEST_F(KokyakuChoose, APickCopiesTheNamesAndTheHonorific) {
    StartWith(5, false);
    Click("Edit_DenpKokyakuName_2");
    Type("手で");  // committed on leaving, then replaced by the pick
    Click(ListSW);
    EXPECT_TRUE(Session.Control(Chooser)->Visible());
    EXPECT_EQ(Focused(), Catcher);
    EXPECT_EQ(Focus_Code, 1040);
    EXPECT_TRUE(Popup_Lock);
    EXPECT_EQ(KokyakuChoose_CodeSaved, 1130);
    EXPECT_EQ(Session.ControlAs<TLabel>(ListSW)->Color, clRed);
    EXPECT_EQ(Text("Label_Command_01_F7"), "F7 顧客前頁");
    EXPECT_EQ(Text("Label_Command_01_F8"), "F8 顧客次頁");
    EXPECT_EQ(Text(RowLabel(2, 4)), Kokyaku_Padded("支店5", 40));
    EXPECT_EQ(Text(RowLabel(1, 5)), std::string(40, ' '));
    EXPECT_EQ(std::string(Denpyou_Field[DenpyouField_KokyakuName_2]), Kokyaku_Padded("手で", 40));

    // The row's frame shows the press.
    auto* frame = Session.ControlAs<TShape>("Shape_ChooseKokyaku_03");
    ASSERT_TRUE(Session.Press(RowLabel(2, 2)));
    EXPECT_EQ(frame->Pen.Color, clRed);
    EXPECT_EQ(frame->Pen.Width, 2);
    ASSERT_TRUE(Session.Release(RowLabel(2, 2)));
    EXPECT_EQ(frame->Pen.Color, clBlack);
    EXPECT_EQ(frame->Pen.Width, 1);

    Click(RowLabel(2, 2));  // customer 3, "御中"
    EXPECT_FALSE(Session.Control(Chooser)->Visible());
    EXPECT_EQ(KokyakuChoose_Row, 2);
    EXPECT_EQ(std::string(Denpyou_Field[DenpyouField_KokyakuName_1]), Kokyaku_Padded("顧客3", 40));
    EXPECT_EQ(std::string(Denpyou_Field[DenpyouField_KokyakuName_2]), Kokyaku_Padded("支店3", 40));
    EXPECT_EQ(std::string(Denpyou_Field[DenpyouField_Keisyou]), "御中  ");
    EXPECT_EQ(Text("Label_DenpKeisyou"), "御中  ");
    EXPECT_EQ(Text("Edit_DenpKokyakuName_1"), "顧客3");
    EXPECT_FALSE(Popup_Lock);
    EXPECT_EQ(Focused(), "Edit_DenpKokyakuName_2");
    EXPECT_EQ(Text("Edit_DenpKokyakuName_2"), "支店3");
    EXPECT_EQ(Session.ControlAs<TLabel>(ListSW)->Color, clWhite);
    EXPECT_EQ(Session.ControlAs<TLabel>(ListSW)->Font.Color, clBlack);
    EXPECT_EQ(Text("Label_Command_01_F7"), "F7 前伝票");

    // A customer without an honorific gets "様".
    Click(ListSW);
    Click(RowLabel(1, 0));
    EXPECT_EQ(std::string(Denpyou_Field[DenpyouField_Keisyou]), "様    ");
    EXPECT_EQ(Text("Label_DenpKeisyou"), "様    ");
    // Nothing was written.
    EXPECT_TRUE(Kokyaku_SameBytes(File(), Kokyaku_TestFile(1, 5)));
    EXPECT_EQ(File("Data\\Denpyou.620"), "");
}

// While open the chooser keeps the keys: a blank row takes nothing, a click
// into a field comes back to the key catcher; "一覧" again closes it.
TEST_F(KokyakuChoose, HoldsTheFocusUntilClosed) {
    StartWith(5, false);
    Click("Edit_DenpPlace");
    Click(ListSW);
    Click(RowLabel(1, 9));
    EXPECT_TRUE(Session.Control(Chooser)->Visible());
    EXPECT_EQ(std::string(Denpyou_Field[DenpyouField_KokyakuName_1]), std::string(40, ' '));
    Click("Edit_DenpKokyakuName_1");
    EXPECT_EQ(Focused(), Catcher);
    Click("Edit_DenpSyousai_04");
    EXPECT_EQ(Focused(), Catcher);
    Click(ListSW);
    EXPECT_FALSE(Session.Control(Chooser)->Visible());
    EXPECT_EQ(Session.ControlAs<TLabel>(ListSW)->Color, clOlive);
    EXPECT_EQ(Focused(), "Edit_DenpPlace");
    EXPECT_FALSE(Popup_Lock);
    EXPECT_EQ(std::string(Denpyou_Field[DenpyouField_KokyakuName_1]), std::string(40, ' '));

    // "閉じる" closes too, and the editor's bar comes back.
    Click(ListSW);
    Click("Label_Panel_ChooseKokyaku_Close");
    EXPECT_FALSE(Session.Control(Chooser)->Visible());
    EXPECT_EQ(Focused(), "Edit_DenpPlace");
    EXPECT_EQ(Text("Label_Command_01_F8"), "F8 次伝票");
    EXPECT_EQ(Session.ControlAs<TLabel>(ListSW)->Color, clWhite);
}

// Opened from a cell of the grid: the names go into the header, the focus
// back into the cell.
TEST_F(KokyakuChoose, APickFromTheGridReturnsToTheCell) {
    StartWith(5, false);
    Click("Edit_DenpSyousai_04");
    Click(ListSW);
    Click(RowLabel(1, 1));
    EXPECT_EQ(std::string(Denpyou_Field[DenpyouField_KokyakuName_1]), Kokyaku_Padded("顧客2", 40));
    EXPECT_EQ(Focused(), "Edit_DenpSyousai_04");
}

// Customers added or deleted on the customer screen since start-up show
// when the chooser opens, and a row takes the customer it shows.
TEST_F(KokyakuChoose, ShowsTheCustomersOfTheFileWhenItOpens) {
    StartWith(2, false);
    Click("Label_Job_03");
    Click(Cell(KokyakuColumn_Name_1, 2));
    Type("新規");
    Key(vk::Return);
    Type("支社");
    Key(vk::Return);
    Click("Label_Job_01");
    Click(ListSW);
    EXPECT_EQ(Text(RowLabel(1, 2)), Kokyaku_Padded("新規", 40));
    Click(RowLabel(2, 2));
    EXPECT_EQ(Text("Edit_DenpKokyakuName_1"), "新規");
    EXPECT_EQ(Text("Edit_DenpKokyakuName_2"), "支社");
}

TEST_F(KokyakuChoose, APageTopBeyondTheCustomersComesBack) {
    StartWith(50, false);
    Click(ListSW);
    Key(vk::F8, 2);
    ASSERT_EQ(KokyakuChoose_Top, 30);
    Click(ListSW);
    Click("Label_Job_03");
    Key(vk::F4, 20);  // customers 1 ... 20
    ASSERT_EQ(Kokyaku_Count, 30);
    Click("Label_Job_01");
    Click(ListSW);
    EXPECT_EQ(KokyakuChoose_Top, 10);
    EXPECT_FALSE(Command_IsEnabled(vk::F7));  // a top below 20
    EXPECT_TRUE(Command_IsEnabled(vk::F8));
    EXPECT_EQ(Text(RowLabel(1, 0)), Kokyaku_Padded(Kokyaku_TestName1(31), 40));
    EXPECT_EQ(Text(RowLabel(1, 19)), Kokyaku_Padded(Kokyaku_TestName1(50), 40));
    Click(RowLabel(1, 0));
    EXPECT_EQ(Text("Edit_DenpKokyakuName_1"), Kokyaku_TestName1(31));
}

// A pick whose record cannot be read changes nothing; the chooser stays.
TEST_F(KokyakuChoose, APickThatCannotReadChangesNothing) {
    StartWith(5, false);
    Click(ListSW);
    std::filesystem::remove(Session.HostPath("Data\\Kokyaku.620"));
    Click(RowLabel(1, 1));
    EXPECT_TRUE(Session.Control(Chooser)->Visible());
    EXPECT_EQ(std::string(Denpyou_Field[DenpyouField_KokyakuName_1]), std::string(40, ' '));
    EXPECT_EQ(Text("Edit_DenpKokyakuName_1"), std::string(40, ' '));
    EXPECT_EQ(Text("Label_DenpKeisyou"), "様    ");
    EXPECT_TRUE(Popup_Lock);
}

}  // namespace
