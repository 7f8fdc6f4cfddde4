// The screen switch, the job menu and the function-key bar.
#include <algorithm>
#include <cstdio>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "document/Document.h"
#include "editor/EditorScreen.h"
#include "editor/KokyakuChoose.h"
#include "masters/categories/HinsyuScreen.h"
#include "masters/customers/KokyakuScreen.h"
#include "masters/products/SyouhinScreen.h"
#include "print/list/DenpyouListScreen.h"
#include "settings/backup/BackupScreen.h"
#include "settings/company/JisyaScreen.h"
#include "settings/wording/GyousyuScreen.h"
#include "masters/units/TanniList.h"
#include "store/Denpyou.h"
#include "tests/app/ShellFixture.h"
#include "ui/CommandBar.h"
#include "ui/Focus.h"
#include "ui/Job.h"
#include "ui/Screen.h"

namespace {

const char* const Cells[10] = {"F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "ESC"};
const char* const Screens[] = {"Panel_Denpyou", "Panel_DenpyouList", "Panel_Kokyaku", "Panel_Hinsyu",
                               "Panel_Syouhin", "Panel_Jisya",       "Panel_BackUp",  "Panel_Gyousyu"};
const int MenuNos[] = {1, 2, 3, 4, 5, 6, 7, 9};

const char* const EditorCaptions[9] = {"F1 伝票登録", "F2 伝票削除", "F3 伝票印刷", "F4 行削除", "F5 行挿入",
                                       "F6 伝票複写", "F7 前伝票",   "F8 次伝票",   "F9 伝票追加"};

std::string MenuName(const char* kind, int no) { return std::string(kind) + (no < 10 ? "0" : "") + std::to_string(no); }

// A stored estimate numbered no.
std::string Document(int no) {
    char number[16];
    std::snprintf(number, sizeof number, "%10d", no);
    return Record(23000, {{0, std::string(1, DenpyouKind_Mitumori)}, {1, number}});
}

class JobShowTest : public ShellTest {
protected:
    // The bar shows exactly the cells named in on ("F1 F3 ESC") active: the
    // flags, and olive or silver in shape and label.
    void ExpectBar(const std::string& on) {
        std::istringstream words(on);
        std::vector<std::string> active{std::istream_iterator<std::string>(words), {}};
        for (int cell = 0; cell < 10; ++cell) {
            const bool want = std::find(active.begin(), active.end(), Cells[cell]) != active.end();
            SCOPED_TRACE(Cells[cell]);
            EXPECT_EQ(Command_IsEnabled(Command_KeyOfCell(cell)), want);
            const TColor color = want ? clOlive : clSilver;
            EXPECT_EQ(Shape(std::string("Shape_Command_01_") + Cells[cell])->Brush.Color, color);
            EXPECT_EQ(Label(std::string("Label_Command_01_") + Cells[cell])->Color, color);
        }
    }
    std::string Key(int key) { return Caption(std::string("Label_Command_01_F") + std::to_string(key)); }
    void MarkCaptions() {
        for (int key = 1; key <= 9; ++key) Command_SetCaption(key, "-");
    }
    void ExpectEditorCaptions() {
        for (int key = 1; key <= 9; ++key) EXPECT_EQ(Key(key), EditorCaptions[key - 1]) << key;
    }
    // Only the screen of menu entry no shown, its entry navy, the rest olive.
    void ExpectScreen(int no) {
        for (int i = 0; i < 8; ++i) {
            SCOPED_TRACE(Screens[i]);
            EXPECT_EQ(Visible(Screens[i]), MenuNos[i] == no);
            const TColor color = MenuNos[i] == no ? clNavy : clOlive;
            EXPECT_EQ(Shape(MenuName("Shape_Job_", MenuNos[i]))->Brush.Color, color);
            EXPECT_EQ(Label(MenuName("Label_Job_", MenuNos[i]))->Color, color);
        }
        EXPECT_EQ(Shape("Shape_Job_10")->Brush.Color, clOlive);
    }
};

TEST_F(JobShowTest, EditorWithNewDocumentAndNoneStored) {
    Start();
    EXPECT_EQ(Job_Current, Job_Denpyou);
    ExpectScreen(1);
    ExpectBar("F1 F3 ESC");
    ExpectEditorCaptions();
    EXPECT_EQ(Session.FocusedName(), "Edit_DenpKokyakuName_1");
}

TEST_F(JobShowTest, EditorWithNewDocumentAndSomeStored) {
    Session.WriteFile("Data\\Denpyou.620", Document(1) + Document(2));
    Start();
    ExpectBar("F1 F3 F7 ESC");
    ExpectEditorCaptions();
}

TEST_F(JobShowTest, EditorWithStoredDocument) {
    Session.WriteFile("Data\\Denpyou.620", Document(1) + Document(2));
    Start();
    Denpyou_CurRec = 2;
    MarkCaptions();
    Job_Show();
    ExpectBar("F1 F2 F3 F6 F7 F8 F9 ESC");
    ExpectEditorCaptions();
}

// Each master screen from the menu: its flags, and only its own captions set
// (the others keep the editor's; the category screen's F4, F5 and F9 and
// the product screen's F4 and F5 say what they do there, the customer
// screen's F4 and F5 read as the editor's).
TEST_F(JobShowTest, MasterScreensFromTheMenu) {
    struct TCase {
        int No;
        int Job;
        const char* On;
        const char* F7;
        const char* F8;
        const char* F9;
    };
    const TCase cases[] = {
        {2, Job_DenpyouList, "ESC", "F7 前伝票", "F8 次伝票", "F9 伝票追加"},
        {3, Job_Kokyaku, "F4 F5 F7 F8 F9 ESC", "F7 前頁", "F8 次頁", "F9 顧客追加"},
        {4, Job_Hinsyu, "F4 F5 F7 F8 F9 ESC", "F7 前頁", "F8 次頁", "F9 品種追加"},
        {5, Job_Syouhin, "F4 F5 F7 F8 F9 ESC", "F7 前頁", "F8 次頁", "F9 商品追加"},
        {6, Job_Jisya, "ESC", "F7 前伝票", "F8 次伝票", "F9 伝票追加"},
        {7, Job_BackUp, "ESC", "F7 前伝票", "F8 次伝票", "F9 伝票追加"},
        {9, Job_Gyousyu, "ESC", "F7 前伝票", "F8 次伝票", "F9 伝票追加"},
    };
    Start();
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.No);
        ASSERT_TRUE(Session.Click(MenuName("Label_Job_", 1)));  // from the editor each time
        ASSERT_TRUE(Session.Click(MenuName("Label_Job_", c.No)));
        EXPECT_EQ(Job_Current, c.Job);
        ExpectScreen(c.No);
        ExpectBar(c.On);
        for (int key = 1; key <= 6; ++key) {
            // The category and product screens name their own F4 and F5.
            if ((c.Job == Job_Hinsyu || c.Job == Job_Syouhin) && (key == 4 || key == 5)) continue;
            EXPECT_EQ(Key(key), EditorCaptions[key - 1]);
        }
        EXPECT_EQ(Key(7), c.F7);
        EXPECT_EQ(Key(8), c.F8);
        EXPECT_EQ(Key(9), c.F9);
    }
    // The screens whose first input exists have it focused.
    ASSERT_TRUE(Session.Click("Label_Job_07"));
    EXPECT_EQ(Session.FocusedName(), "BackupDriveComboBox");
    ASSERT_TRUE(Session.Click("Label_Job_01"));
    EXPECT_EQ(Session.FocusedName(), "Edit_DenpKokyakuName_1");
}

// The customer and product screens' F4 and F5 name their delete and insert
// whichever screen named them before (the editor its lines', the category
// and product screens their own); the screens that set no F4 and F5 pass
// the editor's on.
TEST_F(JobShowTest, TheCustomerAndProductScreensNameTheirF4AndF5AfterEveryScreen) {
    const struct {
        int No, Job;
        const char *F4, *F5;
    } screens[] = {
        {3, Job_Kokyaku, "F4 行削除", "F5 行挿入"},
        {5, Job_Syouhin, "F4 商品削除", "F5 商品挿入"},
    };
    Start();
    for (const auto& screen : screens)
        for (int before : {1, 2, 3, 4, 5, 6, 7, 9}) {
            if (before == screen.No) continue;
            SCOPED_TRACE(std::to_string(before) + " before " + std::to_string(screen.No));
            ASSERT_TRUE(Session.Click(MenuName("Label_Job_", 1)));
            ASSERT_TRUE(Session.Click(MenuName("Label_Job_", before)));
            ASSERT_TRUE(Session.Click(MenuName("Label_Job_", screen.No)));
            ASSERT_EQ(Job_Current, screen.Job);
            EXPECT_EQ(Key(4), screen.F4);
            EXPECT_EQ(Key(5), screen.F5);
        }
}

// The menu is built from the records: each entry with its caption at its
// place, the screens from the left in the order of their numbers, the exit
// at the right end, and no other entry.
TEST_F(JobShowTest, MenuBuiltFromTheRecords) {
    struct TEntry {
        int No;
        const char* Caption;
        int Left;  // its shape's, on the menu's panel
    };
    const TEntry entries[] = {
        {1, "見積伝票", 2},   {2, "伝票一覧", 99},  {3, "顧客設定", 196},   {4, "品種設定", 293}, {5, "商品設定", 390},
        {6, "自社設定", 487}, {7, "データ保守", 584}, {9, "業種変更", 681}, {10, "終　了", 892},
    };
    Start();
    std::vector<std::string> built, expected;
    for (const TControl* c : Control("Panel_ChooseSyori")->Children())
        if (c->Name().starts_with("Label_Job_")) built.push_back(c->Name());
    for (const TEntry& e : entries) expected.push_back(MenuName("Label_Job_", e.No));
    EXPECT_EQ(built, expected);
    for (const TEntry& e : entries) {
        SCOPED_TRACE(e.No);
        EXPECT_EQ(Caption(MenuName("Label_Job_", e.No)), e.Caption);
        const TShape* shape = Shape(MenuName("Shape_Job_", e.No));
        ASSERT_NE(shape, nullptr);
        EXPECT_EQ(shape->Left, e.Left);
        EXPECT_EQ(shape->Top, 1);
    }
}

// A record that claims a menu entry another record holds, an entry without
// a caption or past the ten the menu's panel holds, and a screen whose entry
// is not its number + 1 are refused, each for its own reason, and not
// registered.
TEST_F(JobShowTest, RecordsClaimingAnEntryTheMenuCannotGiveAreRefused) {
    Start();
    struct TClaim {
        TScreen Record;
        const char* Refusal;
    };
    static const TClaim claims[] = {
        {{.Job = Job_Kokyaku, .Panel = "Panel_Kokyaku", .Menu = {.No = 3, .Caption = "顧客設定"}},
         "menu entry 3 is taken"},  // a second customer screen
        {{.Panel = "Panel_ExitChoose", .Menu = {.No = 10, .Caption = "終　了"}}, "menu entry 10 is taken"},
        {{.Job = 7, .Panel = "Panel_Kokyaku", .Menu = {.No = 8}}, "menu entry 8 has no caption"},
        {{.Panel = "Panel_ExitChoose", .Menu = {.No = 11, .Caption = "終　了"}},
         "menu entry 11 is past the 10 entries the menu's panel holds"},
        {{.Panel = "Panel_ExitChoose", .Menu = {.No = -1, .Caption = "終　了"}},
         "menu entry -1 is past the 10 entries the menu's panel holds"},
        // Entry 8 is screen 7's alone.
        {{.Job = 9, .Panel = "Panel_Kokyaku", .Menu = {.No = 8, .Caption = "顧客設定"}},
         "menu entry 8 is not screen 9's (10)"},
        {{.Job = 7, .Panel = "Panel_Kokyaku"}, "menu entry 0 is not screen 7's (8)"},
    };
    for (const TClaim& claim : claims) {
        SCOPED_TRACE(claim.Refusal);
        try {
            Screen_Register(claim.Record);
            ADD_FAILURE() << "registered";
        } catch (const std::logic_error& e) {
            EXPECT_STREQ(e.what(), claim.Refusal);
        }
    }
    EXPECT_EQ(Screen_OfMenu(3)->Job, Job_Kokyaku);
    EXPECT_EQ(Screen_OfMenu(11, false), nullptr);
    int count = 0;
    const TScreen* const* records = Screen_Records(count);
    for (int i = 0; i < count; ++i)
        for (const TClaim& claim : claims) EXPECT_NE(records[i], &claim.Record);
}

TEST_F(JobShowTest, ReclickingTheCurrentEntryOnlyHidesTheProductChooser) {
    Start();
    ASSERT_TRUE(Session.Click("Edit_DenpKoujiName_1"));
    Control("Panel_SyouhinChoose")->Show();
    MarkCaptions();
    ASSERT_TRUE(Session.Click("Label_Job_01"));
    EXPECT_FALSE(Visible("Panel_SyouhinChoose"));
    EXPECT_EQ(Key(1), "-");  // no screen switch
    EXPECT_EQ(Session.FocusedName(), "Edit_DenpKoujiName_1");

    // Another entry hides it as well, and switches.
    Control("Panel_SyouhinChoose")->Show();
    ASSERT_TRUE(Session.Click("Label_Job_05"));
    EXPECT_FALSE(Visible("Panel_SyouhinChoose"));
    EXPECT_EQ(Job_Current, Job_Syouhin);
}

TEST_F(JobShowTest, EditorShownAgainKeepsTheFocus) {
    Start();
    ASSERT_TRUE(Session.Click("Edit_DenpBikou"));
    Job_Show();  // as a header field calls it when it takes the focus
    EXPECT_EQ(Session.FocusedName(), "Edit_DenpBikou");
}

TEST_F(JobShowTest, CustomerScreenFocusesItsFirstCellEveryTime) {
    Start();
    StandIn<TEdit>("Edit_PanelKokyaku_Name_1_01", "Panel_Kokyaku", 10, 40);
    StandIn<TEdit>("Edit_PanelKokyaku_Tel_05", "Panel_Kokyaku", 10, 200);
    ASSERT_TRUE(Session.Click("Label_Job_03"));
    EXPECT_EQ(Session.FocusedName(), "Edit_PanelKokyaku_Name_1_01");
    ASSERT_TRUE(Session.Click("Edit_PanelKokyaku_Tel_05"));
    Job_Show();  // the screen shown already
    EXPECT_EQ(Session.FocusedName(), "Edit_PanelKokyaku_Name_1_01");

    // The category screen, shown already, keeps the focus where it is.
    ASSERT_TRUE(Session.Click("Label_Job_04"));
    EXPECT_EQ(Session.FocusedName(), "Edit_Hinsyu_Name_01");
    ASSERT_TRUE(Session.Click("Edit_Hinsyu_Kana_01"));
    Job_Show();
    EXPECT_EQ(Session.FocusedName(), "Edit_Hinsyu_Kana_01");
}

TEST_F(JobShowTest, LockBlocksEveryEntryButTheExit) {
    Start();
    Popup_LockTake(Lock_KokyakuChoose);
    Control("Panel_SyouhinChoose")->Show();
    for (int no : MenuNos) {
        ASSERT_TRUE(Session.Click(MenuName("Label_Job_", no)));
        EXPECT_EQ(Job_Current, Job_Denpyou) << no;
    }
    ExpectScreen(1);
    EXPECT_TRUE(Visible("Panel_SyouhinChoose"));  // not even the chooser is hidden
    // The exit entry is not held back: with no document typed it ends at once.
    ASSERT_TRUE(Session.Click("Label_Job_10"));
    EXPECT_TRUE(Session.Exited());
    EXPECT_EQ(Session.ExitStatus(), -1);
}

TEST_F(JobShowTest, MenuResetsTheUnitListModeAndNamesTheRemainingWork) {
    Start();
    auto* rest = Session.ControlAs<TLabel>("Label_DataSyori_Nokori");
    ASSERT_NE(rest, nullptr);
    rest->SetCaption("");
    TanniList_EditMode = true;
    ASSERT_TRUE(Session.Click("Label_Job_06"));
    EXPECT_FALSE(TanniList_EditMode);
    EXPECT_EQ(rest->Caption, "");
    ASSERT_TRUE(Session.Click("Label_Job_07"));
    EXPECT_EQ(rest->Caption, "残りの処理");
}

TEST_F(JobShowTest, F4LabelRunsOnlyWithTheUnitListOrItsFlag) {
    Start();
    struct TCase {
        bool EditMode, Flag;
        bool Runs;
    };
    const int f4 = Command_CellOf(vk::F4);
    for (const TCase& c : {TCase{false, false, false}, TCase{true, false, true}, TCase{false, true, true},
                           TCase{true, true, true}}) {
        TanniList_EditMode = c.EditMode;
        Command_Enable(vk::F4, c.Flag);
        EXPECT_EQ(Label_Command_01_Runs(f4), c.Runs) << c.EditMode << c.Flag;
    }
    // The other cells run whatever their flags: F9 through the label on the
    // document list, whose F9 is off, still resets the breakdown title.
    TanniList_EditMode = false;
    ASSERT_TRUE(Session.Click("Label_Job_02"));
    ASSERT_FALSE(Command_IsEnabled(vk::F9));
    for (int cell = 0; cell < 10; ++cell) {
        if (cell == f4) continue;
        EXPECT_TRUE(Label_Command_01_Runs(cell)) << cell;
    }
    Utiwake_Kind = 2;
    ASSERT_TRUE(Session.Click("Label_Command_01_F9"));
    EXPECT_EQ(Utiwake_Kind, 0);
}

// Mouse down turns a cell red only where the table allows it; mouse up
// turns an active cell olive again.
TEST_F(JobShowTest, PressedColours) {
    struct TCase {
        int MenuNo;        // the screen
        const char* Cell;  // the label pressed
        bool Flag;         // its flag, set for the press
        bool Red;          // red while pressed
    };
    const TCase cases[] = {
        {1, "F1", true, true},    {1, "F5", false, false}, {1, "F9", true, true},  {1, "ESC", true, true},
        {2, "F3", true, true},    {2, "F1", true, false},  {3, "F4", true, false}, {3, "ESC", true, true},
        {4, "F7", true, false},   {5, "F9", true, false},  {5, "ESC", false, false},
    };
    Start();
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.MenuNo) + " " + c.Cell);
        ASSERT_TRUE(Session.Click(MenuName("Label_Job_", c.MenuNo)));
        const int cell = static_cast<int>(std::find(std::begin(Cells), std::end(Cells), std::string(c.Cell)) - Cells);
        Command_Enable(Command_KeyOfCell(cell), c.Flag);
        Command_ShowEnabled();
        const TColor resting = c.Flag ? clOlive : clSilver;
        TShape* shape = Shape(std::string("Shape_Command_01_") + c.Cell);
        TLabel* label = Label(std::string("Label_Command_01_") + c.Cell);
        Label_Command_01_MouseDown(cell);
        EXPECT_EQ(shape->Brush.Color, c.Red ? clRed : resting);
        EXPECT_EQ(label->Color, c.Red ? clRed : resting);
        Label_Command_01_MouseUp(cell);
        EXPECT_EQ(shape->Brush.Color, resting);
        EXPECT_EQ(label->Color, resting);
    }
}

TEST_F(JobShowTest, PressedColoursOfThePageLabelsAndTheExitEntry) {
    Start();
    for (const char* name : {"Denpyou_BeforePage", "Denpyou_NextPage"}) {
        ASSERT_TRUE(Session.Press(std::string("Label_") + name));
        EXPECT_EQ(Shape(std::string("Shape_") + name)->Brush.Color, clRed) << name;
        EXPECT_EQ(Label(std::string("Label_") + name)->Color, clRed) << name;
        ASSERT_TRUE(Session.Release(std::string("Label_") + name));
        EXPECT_EQ(Shape(std::string("Shape_") + name)->Brush.Color, clOlive) << name;
    }
    ASSERT_TRUE(Session.Press("Label_Job_10"));
    EXPECT_EQ(Shape("Shape_Job_10")->Brush.Color, clRed);
    EXPECT_EQ(Label("Label_Job_10")->Color, clRed);
    ASSERT_TRUE(Session.Release("Label_Job_10"));  // olive again, then the click ends the program
    EXPECT_EQ(Shape("Shape_Job_10")->Brush.Color, clOlive);
    EXPECT_TRUE(Session.Exited());
}

TEST_F(JobShowTest, LaterActivationsLeaveScreenAndFocus) {
    Start();
    StandIn<TEdit>("Edit_Syouhin_Name_01", "Panel_Syouhin", 10, 40);
    ASSERT_TRUE(Session.Click("Label_Job_05"));
    ASSERT_EQ(Session.FocusedName(), "Edit_Syouhin_Name_01");
    Form().FormActivate();  // the user comes back from another program
    EXPECT_EQ(Job_Current, Job_Syouhin);
    EXPECT_TRUE(Visible("Panel_Syouhin"));
    EXPECT_EQ(Session.FocusedName(), "Edit_Syouhin_Name_01");
}

}  // namespace
