// The exit: the question, its answers and the save sequence.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/Exit.h"
#include "editor/KokyakuChoose.h"
#include "masters/customers/KokyakuScreen.h"
#include "masters/products/SyouhinScreen.h"
#include "platform/Application.h"
#include "platform/FileFault.h"
#include "store/Denpyou.h"
#include "store/Hinsyu.h"
#include "store/Jisya.h"
#include "store/Journal.h"
#include "store/Str.h"
#include "store/Tanni.h"
#include "tests/FaultSteps.h"
#include "tests/editor/SyouhinFixture.h"
#include "tests/app/ShellFixture.h"
#include "ui/Flags.h"
#include "ui/Focus.h"
#include "ui/Job.h"

namespace {

std::string Category(const char* name, const char* kana, const char* no) {
    return Record(100, {{1, name}, {41, kana}, {51, no}});
}
// Empty categories numbered from `from` up to 100, the rest of a category file.
std::string BlankCategories(int from) {
    std::string rest;
    for (int i = from; i <= 100; ++i) {
        char no[12];
        std::snprintf(no, sizeof no, "%3d", i);
        rest += Category("", "", no);
    }
    return rest;
}
// Two named categories out of their readings' order, and the same sorted.
std::string UnsortedCategories() { return Category("Beta", "B", "  1") + Category("Alpha", "A", "  2") + BlankCategories(3); }
std::string SortedCategories() { return Category("Alpha", "A", "  2") + Category("Beta", "B", "  1") + BlankCategories(3); }
std::string Customer(const char* name, const char* kana) { return Record(2000, {{1, name}, {81, kana}}); }
std::string Product(const char* name, const char* kana) { return Record(300, {{1, name}, {51, kana}}); }
std::string Document(char kind, const char* number) { return Record(23000, {{0, std::string(1, kind)}, {1, number}}); }

class ExitTest : public ShellTest {
protected:
    // A document is being typed: customer name 1 is filled in.
    void TypeCustomer() { std::memcpy(Denpyou_Field[DenpyouField_KokyakuName_1], "Tanaka", 6); }
    bool Asking() { return Visible("Panel_ExitChoose"); }
    TColor Yes() { return Shape("Shape_Exit_Yes")->Brush.Color; }
    TColor No() { return Shape("Shape_Exit_No")->Brush.Color; }
    std::string File(const char* path) { return Session.ReadFile(path).value_or("<missing>"); }
};

TEST_F(ExitTest, BlankCustomerNameEndsWithoutAQuestion) {
    Start();
    ASSERT_TRUE(Session.Click("Label_Job_10"));
    EXPECT_TRUE(Session.Exited());
    EXPECT_EQ(Session.ExitStatus(), -1);
    EXPECT_FALSE(Asking());
}

TEST_F(ExitTest, QuestionIsAskedWithNoSelected) {
    Start();
    ASSERT_TRUE(Session.Click("Edit_DenpKoujiName_2"));
    TypeCustomer();
    Control("Panel_SyouhinChoose")->Show();
    ASSERT_TRUE(Session.Click("Label_Job_10"));
    ASSERT_FALSE(Session.Exited());
    ASSERT_TRUE(Asking());
    TControl* panel = Control("Panel_ExitChoose");
    EXPECT_EQ(panel->Left, 308);
    EXPECT_EQ(panel->Top, 308);
    EXPECT_EQ(panel->Width, 499);
    EXPECT_EQ(panel->Height, 123);
    EXPECT_EQ(Caption("Label174"), "入力中の伝票があります。終了してもよろしいですか？");
    EXPECT_EQ(Caption("Label_Exit_Yes"), "は　い");
    EXPECT_EQ(Caption("Label_Exit_No"), "いいえ");
    EXPECT_FALSE(Visible("Panel_SyouhinChoose"));
    EXPECT_EQ(Session.FocusedName(), "Edit_ExeitChoose");
    EXPECT_TRUE(Popup_Lock);
    EXPECT_TRUE(ExitChoose_No);
    EXPECT_EQ(No(), clRed);
    EXPECT_EQ(Yes(), clOlive);
    EXPECT_EQ(Label("Label_Exit_No")->Color, clRed);
    EXPECT_FALSE(Session.FileExists("Data\\Hinsyu.620.new"));

    // Left and Right switch the answer; other keys do nothing.
    ASSERT_TRUE(Session.Key(vk::Left));
    EXPECT_EQ(Yes(), clRed);
    EXPECT_EQ(No(), clOlive);
    ASSERT_TRUE(Session.Key(vk::Up));
    ASSERT_TRUE(Session.Key(vk::Escape));
    EXPECT_FALSE(ExitChoose_No);
    ASSERT_TRUE(Session.Key(vk::Right));
    EXPECT_TRUE(ExitChoose_No);
    EXPECT_EQ(No(), clRed);

    // Asked again from the menu: the panel stays and "いいえ" is selected again.
    ASSERT_TRUE(Session.Key(vk::Left));
    panel->SetBounds(100, 100, panel->Width, panel->Height);
    ASSERT_TRUE(Session.Click("Label_Job_10"));
    EXPECT_EQ(panel->Left, 100);
    EXPECT_TRUE(ExitChoose_No);
    EXPECT_EQ(No(), clRed);
    EXPECT_FALSE(Session.Exited());
}

// "いいえ" by Return (after Left, Left) or by its label goes back to the
// control that had the focus; nothing is written.
TEST_F(ExitTest, NoGoesBackToTheControlThatHadTheFocus) {
    Start();
    const std::string hinsyu = File("Data\\Hinsyu.620");
    for (int byLabel = 0; byLabel < 2; ++byLabel) {
        SCOPED_TRACE(byLabel ? "label" : "keys");
        ASSERT_TRUE(Session.Click("Edit_DenpKoujiName_2"));
        TypeCustomer();
        ASSERT_TRUE(Session.Click("Label_Job_10"));
        if (byLabel) {
            ASSERT_TRUE(Session.Click("Label_Exit_No"));
        } else {
            ASSERT_TRUE(Session.Key(vk::Left, {}, 2));
            ASSERT_TRUE(Session.Key(vk::Return));
        }
        EXPECT_FALSE(Session.Exited());
        EXPECT_FALSE(Asking());
        EXPECT_FALSE(Popup_Lock);
        EXPECT_EQ(Session.FocusedName(), "Edit_DenpKoujiName_2");
    }
    // With the focus code of a control, that control gets it back.
    Control("Edit_DenpPlace")->OnEnter = [](TControl*) { Focus_Accept(1160); };
    ASSERT_TRUE(Session.Click("Edit_DenpPlace"));
    ASSERT_TRUE(Session.Click("Label_Job_10"));
    ASSERT_TRUE(Session.Click("Label_Exit_No"));
    EXPECT_EQ(Session.FocusedName(), "Edit_DenpPlace");
    EXPECT_EQ(File("Data\\Hinsyu.620"), hinsyu);
}

// A click into a coded control while the question is shown goes back to the
// control of the current code; the question stays until it is answered.
TEST_F(ExitTest, ClickElsewhereWhileAskedGoesBackToTheCurrentControl) {
    Start();
    for (auto [name, code] : {std::pair{"Edit_DenpPlace", 1160}, std::pair{"Edit_DenpBikou", 1170}})
        Control(name)->OnEnter = [code = code](TControl*) { Focus_Accept(code); };
    ASSERT_TRUE(Session.Click("Edit_DenpPlace"));
    TypeCustomer();
    ASSERT_TRUE(Session.Click("Label_Job_10"));
    ASSERT_TRUE(Session.Click("Edit_DenpBikou"));
    EXPECT_EQ(Session.FocusedName(), "Edit_DenpPlace");
    EXPECT_EQ(Focus_Code, 1160);
    EXPECT_TRUE(Asking());
    ASSERT_TRUE(Session.Click("Label_Exit_No"));
    EXPECT_EQ(Session.FocusedName(), "Edit_DenpPlace");
}

// Answering "いいえ" while the customer chooser holds the lock leaves the
// chooser's lock in force and the focus in the chooser.
TEST_F(ExitTest, NoLeavesAnOpenChoosersLock) {
    Start();
    Control("Panel_ChooseKokyaku")->Show();
    auto* catcher = StandIn<TEdit>("Edit_Panel_ChooseKokyaku_Command", "Panel_ChooseKokyaku");
    catcher->OnEnter = [](TControl*) { Focus_Code = 1040; };
    Control("Edit_DenpKokyakuName_2")->OnEnter = [](TControl*) { Focus_Accept(1130); };
    Popup_LockTake(Lock_KokyakuChoose);
    catcher->SetFocus();
    TypeCustomer();
    ASSERT_TRUE(Session.Click("Label_Job_10"));
    ASSERT_TRUE(Session.Click("Label_Exit_No"));
    EXPECT_TRUE(Popup_Lock);
    EXPECT_EQ(Session.FocusedName(), "Edit_Panel_ChooseKokyaku_Command");
    ASSERT_TRUE(Session.Click("Edit_DenpKokyakuName_2"));  // still held
    EXPECT_EQ(Session.FocusedName(), "Edit_Panel_ChooseKokyaku_Command");
    for (int no : {1, 3, 5}) {
        ASSERT_TRUE(Session.Click("Label_Job_0" + std::to_string(no)));
        EXPECT_EQ(Job_Current, 0);
    }
}

// What the exit asks about besides a committed customer name: anything
// typed into the document since it was shown, committed or still only in
// its edit, and a line filled from a chooser. A document shown anew starts
// without; a stored one asks as before; the master screens' typing is no
// document.
TEST_F(ExitTest, TheExitAsksWhileADocumentIsBeingTyped) {
    using TSteps = std::function<void(THeadlessSession&)>;
    const auto exitByMenu = [](THeadlessSession& s) { ASSERT_TRUE(s.Click("Label_Job_10")); };
    const auto typeInto = [](const char* edit, const char* text) {
        return [=](THeadlessSession& s) {
            ASSERT_TRUE(s.Click(edit));
            ASSERT_TRUE(s.Type(text));
        };
    };
    const auto takeUnit = [](THeadlessSession& s) {
        ASSERT_TRUE(s.Click("Edit_DenpTanni_01"));
        ASSERT_TRUE(s.Click("Label_Tanni_01"));
        ASSERT_EQ(s.TextOf("Edit_DenpTanni_01"), "個");
    };
    struct TCase {
        const char* What;
        std::vector<std::pair<const char*, std::string>> Files;
        std::vector<TSteps> Steps;  // the last one starts the exit
        bool Asks;
    };
    const std::string named = Record(23000, {{0, "1"}, {1, "         1"}, {11, "Tanaka"}});
    const std::string unnamed = Record(23000, {{0, "1"}, {1, "         1"}});
    const std::string products = Syouhin_TestFile(1, [](int) { return 1; });
    const TCase cases[] = {
        {"nothing typed, every header field and a row passed by Return",
         {},
         {[](THeadlessSession& s) { ASSERT_TRUE(s.Key(vk::Return, {}, 20)); }, exitByMenu},
         false},
        {"a customer name typed, End in its field",
         {},
         {[](THeadlessSession& s) { ASSERT_TRUE(s.Type("山田工務店")); },
          [](THeadlessSession& s) { ASSERT_TRUE(s.Key(vk::End)); }},
         true},
        {"a description typed, not committed", {}, {typeInto("Edit_DenpSyousai_01", "配線工事"), exitByMenu}, true},
        {"a line committed, no customer name",
         {},
         {typeInto("Edit_DenpSyousai_01", "配線工事"), [](THeadlessSession& s) { ASSERT_TRUE(s.Key(vk::Return)); },
          exitByMenu},
         true},
        {"a validity month typed", {}, {typeInto("Edit_DenpYoukouMonth", "5"), exitByMenu}, true},
        {"a tax line from the chooser's button",
         {},
         {[](THeadlessSession& s) {
              ASSERT_TRUE(s.Click("Edit_DenpSyousai_02"));
              ASSERT_TRUE(s.Key(vk::F8));
              ASSERT_TRUE(s.Click("Label_Denp_ZeiLine"));
          },
          exitByMenu},
         true},
        {"a product taken from the chooser",
         {{"Data\\Syouhin.620", products}, {"Data\\Hinsyu.620", Hinsyu_TestFile({"電材"})}},
         {[](THeadlessSession& s) {
              ASSERT_TRUE(s.Click("Edit_DenpSyousai_01"));
              ASSERT_TRUE(s.Key(vk::F8));
              ASSERT_TRUE(s.Key(vk::Return));
          },
          exitByMenu},
         true},
        {"a unit taken from the chooser, not yet stored",
         {{"Data\\Tanni.620", Record(10, {{0, "個"}})}},
         {takeUnit, exitByMenu},
         true},
        {"a unit taken from the chooser and stored",
         {{"Data\\Tanni.620", Record(10, {{0, "個"}})}},
         {takeUnit, [](THeadlessSession& s) { ASSERT_TRUE(s.Key(vk::Return)); }, exitByMenu},
         true},
        {"typed and stored: the new document after it",
         {},
         {[](THeadlessSession& s) {
              ASSERT_TRUE(s.Type("山田工務店"));
              ASSERT_TRUE(s.Key(vk::Return));
              ASSERT_TRUE(s.Key(vk::F1));
              ASSERT_EQ(s.TextOf("Label_DenpyouDs"), "1");
          },
          exitByMenu},
         false},
        {"typed, then back to a stored document without a customer name",
         {{"Data\\Denpyou.620", unnamed}},
         {typeInto("Edit_DenpKoujiName_1", "新築"), [](THeadlessSession& s) { ASSERT_TRUE(s.Key(vk::F7)); },
          exitByMenu},
         false},
        {"a stored document, unchanged",
         {{"Data\\Denpyou.620", named}},
         {[](THeadlessSession& s) { ASSERT_TRUE(s.Key(vk::F7)); }, exitByMenu},
         true},
        {"a customer typed on the customer screen",
         {},
         {[](THeadlessSession& s) { ASSERT_TRUE(s.Click("Label_Job_03")); },
          [](THeadlessSession& s) { ASSERT_TRUE(s.Type("山田工務店")); }, exitByMenu},
         false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.What);
        THeadlessSession session;
        for (const auto& [path, bytes] : c.Files) ASSERT_TRUE(session.WriteFile(path, bytes));
        ASSERT_TRUE(session.Start());
        for (const TSteps& step : c.Steps) {
            step(session);
            if (::testing::Test::HasFatalFailure()) return;
        }
        EXPECT_EQ(session.Exited(), !c.Asks);
        if (c.Asks) {
            EXPECT_EQ(session.FocusedName(), "Edit_ExeitChoose");
        }
    }
}

// "いいえ" gives the focus back to the edit the text was typed in, with the
// caret where it was: the text stays, and typing goes on after it rather
// than replacing it.
TEST_F(ExitTest, NoLeavesTheTypedTextWithItsCaret) {
    const struct {
        const char* Edit;
        bool ByEnd;  // End in the customer field, else the menu's entry
    } cases[] = {{"Edit_DenpKokyakuName_1", true}, {"Edit_DenpSyousai_01", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Edit);
        THeadlessSession session;
        ASSERT_TRUE(session.Start());
        ASSERT_TRUE(session.Click(c.Edit));
        ASSERT_TRUE(session.Type("山田工務店"));
        ASSERT_TRUE(c.ByEnd ? session.Key(vk::End) : session.Click("Label_Job_10"));
        ASSERT_EQ(session.FocusedName(), "Edit_ExeitChoose");
        ASSERT_TRUE(session.Key(vk::Return));  // "いいえ" is selected
        EXPECT_FALSE(session.Exited());
        ASSERT_EQ(session.FocusedName(), c.Edit);
        const auto* edit = session.ControlAs<TEdit>(c.Edit);
        EXPECT_EQ(edit->Text(), "山田工務店");
        EXPECT_EQ(edit->SelLength(), 0);
        EXPECT_EQ(edit->CaretPos(), static_cast<int>(edit->Text().size()));
        ASSERT_TRUE(session.Type("様"));
        EXPECT_EQ(edit->Text(), "山田工務店様");
    }
}

TEST_F(ExitTest, YesEndsByKeysAndByLabel) {
    for (int byLabel = 0; byLabel < 2; ++byLabel) {
        THeadlessSession session;
        ASSERT_TRUE(session.Start());
        TypeCustomer();
        ASSERT_TRUE(session.Click("Label_Job_10"));
        if (byLabel) {
            ASSERT_TRUE(session.Click("Label_Exit_Yes"));  // whatever is selected
        } else {
            ASSERT_TRUE(session.Key(vk::Right));
            ASSERT_TRUE(session.Key(vk::Return));
        }
        EXPECT_TRUE(session.Exited()) << byLabel;
        EXPECT_EQ(session.ExitStatus(), -1);
        EXPECT_FALSE(session.Control("Panel_ExitChoose")->Visible());
    }
}

// What leaving writes, byte for byte: the categories saved from memory and
// then sorted with their numbers, the own-company record with the last
// number and the settings start-up put into memory, the 100 units, the
// changed customer and product files sorted, and the purge when ticked.
TEST_F(ExitTest, SaveSequenceWritesTheFiles) {
    Session.WriteFile("Data\\Hinsyu.620", UnsortedCategories());
    Session.WriteFile("Data\\Kokyaku.620", Customer("K1", "KB") + Customer("K2", "KA"));
    Session.WriteFile("Data\\Syouhin.620", Product("S1", "SB") + Product("S2", "SA"));
    Session.WriteFile("Data\\Denpyou.620", Document('1', "         1") + Document('0', "         2") +
                                               Document('2', "         3"));
    Session.WriteFile("Data\\Tanni.620", Record(10, {{0, "m"}}));
    Start();
    // In memory since start-up: Alpha's reading now sorts last, a third
    // category, a unit, the last number. Sorting before saving would pair
    // the names with the wrong readings.
    Str_Pad("Z", Hinsyu_Kana[1], 10, 0);
    Str_Pad("Gamma", Hinsyu_Name[2], 40, 0);
    Str_Pad("C", Hinsyu_Kana[2], 10, 0);
    Tanni_Add("kg    ");
    Denpyou_LastNo = 12;
    Kokyaku_Changed = true;
    Syouhin_Changed = true;
    Session.ControlAs<TCheckBox>("CheckBox_CompleteDelete")->SetChecked(true);
    ASSERT_TRUE(Session.Click("Label_Job_10"));
    ASSERT_TRUE(Session.Exited());
    EXPECT_EQ(Session.ExitStatus(), -1);

    EXPECT_EQ(File("Data\\Hinsyu.620"), Category("Beta", "B", "  1") + Category("Gamma", "C", "  3") +
                                             Category("Alpha", "Z", "  2") + BlankCategories(4));
    EXPECT_EQ(File("Data\\Jisya.620"),
              Record(1000, {{229, "40"},  // the keep-years as every count of the documents sets them
                            {231, "        12"},
                            {701, "工事名  工事場所ユーザー設定１      ユーザー設定２      "},
                            {761, "小計"},
                            {781, "計"},
                            {801, "課税合計"},
                            {821, "消費税"},
                            {841, "合計"},
                            {861, "調整(値引）"},
                            {881, "12345678"}}));
    std::string units = Record(10, {{0, "m"}}) + Record(10, {{0, "kg"}});
    while (units.size() < 1000) units += Record(10);
    EXPECT_EQ(File("Data\\Tanni.620"), units);
    EXPECT_EQ(File("Data\\Kokyaku.620"), Customer("K2", "KA") + Customer("K1", "KB"));
    EXPECT_EQ(File("Data\\Syouhin.620"), Product("S2", "SA") + Product("S1", "SB"));
    const std::string kept = Document('1', "         1") + Document('2', "         3");
    EXPECT_EQ(File("Data\\Denpyou.620"), kept);
    EXPECT_EQ(File("Data\\Denpyou.del"), kept);
}

// Unchanged masters are not sorted, and the purge runs only when ticked.
TEST_F(ExitTest, SortsOnlyChangedFilesAndPurgesOnlyWhenTicked) {
    const std::string customers = Customer("K1", "KB") + Customer("K2", "KA");
    const std::string products = Product("S1", "SB") + Product("S2", "SA");
    const std::string documents = Document('1', "         1") + Document('0', "         2");
    Session.WriteFile("Data\\Kokyaku.620", customers);
    Session.WriteFile("Data\\Syouhin.620", products);
    Session.WriteFile("Data\\Denpyou.620", documents);
    Start();
    ASSERT_TRUE(Session.Click("Label_Job_10"));
    ASSERT_TRUE(Session.Exited());
    EXPECT_EQ(File("Data\\Kokyaku.620"), customers);
    EXPECT_EQ(File("Data\\Syouhin.620"), products);
    EXPECT_EQ(File("Data\\Denpyou.620"), documents);
    EXPECT_FALSE(Session.FileExists("Data\\Denpyou.del"));
}

// Each master file on its own: sorted only when it changed and holds more
// than one record.
TEST_F(ExitTest, EachMasterIsSortedOnlyWhenChangedWithMoreThanOneRecord) {
    struct TCase {
        bool KokyakuChanged, SyouhinChanged;
        int Records;  // of each file, in reverse reading order
        bool KokyakuSorted, SyouhinSorted;
    };
    const TCase cases[] = {
        {true, false, 2, true, false},
        {false, true, 2, false, true},
        {true, true, 1, false, false},
    };
    const std::string customers[2] = {Customer("K1", "KB"), Customer("K2", "KA")};
    const std::string products[2] = {Product("S1", "SB"), Product("S2", "SA")};
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.KokyakuChanged) + std::to_string(c.SyouhinChanged) + " " +
                     std::to_string(c.Records));
        THeadlessSession session;
        const std::string kokyaku = c.Records == 1 ? customers[0] : customers[0] + customers[1];
        const std::string syouhin = c.Records == 1 ? products[0] : products[0] + products[1];
        session.WriteFile("Data\\Kokyaku.620", kokyaku);
        session.WriteFile("Data\\Syouhin.620", syouhin);
        ASSERT_TRUE(session.Start());
        Kokyaku_Changed = c.KokyakuChanged;
        Syouhin_Changed = c.SyouhinChanged;
        ASSERT_TRUE(session.Click("Label_Job_10"));
        ASSERT_TRUE(session.Exited());
        EXPECT_EQ(session.ReadFile("Data\\Kokyaku.620"), c.KokyakuSorted ? customers[1] + customers[0] : kokyaku);
        EXPECT_EQ(session.ReadFile("Data\\Syouhin.620"), c.SyouhinSorted ? products[1] + products[0] : syouhin);
    }
}

// A save at exit that cannot be written stops the exit there: the user is
// told which file, nothing after it runs (no sort, no purge), the program
// goes on where it was, and the next exit runs the whole sequence again.
TEST_F(ExitTest, AFailedSaveStopsTheExitUntilTheNextOne) {
    struct TCase {
        std::int64_t DiskLeft;  // the category save writes 10000 bytes, the
                                // own-company record 1000 after its journal of
                                // 1064, the units 1000; the sorts come after
        const char* Message;
        bool Asked;             // a document typed: left with "は　い"
    };
    const TCase cases[] = {
        {0, "Hinsyu.620を保存できませんでした。", false},
        {10000, "Jisya.620を保存できませんでした。", true},
        {12064, "Tanni.620を保存できませんでした。", false},
    };
    const std::string unsorted = UnsortedCategories();
    const std::string sorted = SortedCategories();
    const std::string documents = Document('1', "         1") + Document('0', "         2");
    const std::string customers = Customer("Sato", "S") + Customer("Aoki", "A");
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Message);
        THeadlessSession session;
        session.WriteFile("Data\\Hinsyu.620", unsorted);
        session.WriteFile("Data\\Kokyaku.620", customers);
        session.WriteFile("Data\\Tanni.620", Record(10, {{0, "m"}}));
        session.WriteFile("Data\\Denpyou.620", documents);
        ASSERT_TRUE(session.Start());
        Tanni_Add("kg    ");
        Kokyaku_Changed = true;
        Denpyou_LastNo = 12;
        session.ControlAs<TCheckBox>("CheckBox_CompleteDelete")->SetChecked(true);
        const auto read = [&](const char* path) { return session.ReadFile(path).value_or("<missing>"); };
        const std::string jisya = read("Data\\Jisya.620"), tanni = read("Data\\Tanni.620");
        if (c.Asked) TypeCustomer();

        FileFault_DiskFull(c.DiskLeft);
        ASSERT_TRUE(session.Click("Label_Job_10"));
        if (c.Asked) {
            ASSERT_TRUE(session.Click("Label_Exit_Yes"));
        }
        ASSERT_FALSE(session.Exited());
        EXPECT_EQ(session.Messages(), std::vector<std::string>{c.Message});
        // Nothing sorted before a failure: the screens still show the files' order.
        EXPECT_EQ(read("Data\\Hinsyu.620"), unsorted);
        EXPECT_EQ(read("Data\\Kokyaku.620"), customers);
        if (c.DiskLeft <= 10000) {
            EXPECT_EQ(read("Data\\Jisya.620"), jisya);
        }
        EXPECT_EQ(read("Data\\Tanni.620"), tanni);
        EXPECT_EQ(read("Data\\Denpyou.620"), documents);  // no purge
        EXPECT_FALSE(session.Control("Panel_ExitChoose")->Visible());
        EXPECT_FALSE(Popup_Lock);
        EXPECT_EQ(session.FocusedName(), "Edit_DenpKokyakuName_1");

        FileFault_Reset();
        if (c.Asked)
            Str_Pad("", Denpyou_Field[DenpyouField_KokyakuName_1], Denpyou_FieldWidth[DenpyouField_KokyakuName_1], 0);
        ASSERT_TRUE(session.Click("Label_Job_10"));
        ASSERT_TRUE(session.Exited());
        EXPECT_EQ(session.Messages().size(), 1u);
        EXPECT_EQ(read("Data\\Hinsyu.620"), sorted);
        EXPECT_EQ(read("Data\\Kokyaku.620"), Customer("Aoki", "A") + Customer("Sato", "S"));
        EXPECT_EQ(read("Data\\Jisya.620").substr(231, 10), "        12");
        EXPECT_EQ(read("Data\\Tanni.620").substr(0, 20), Record(10, {{0, "m"}}) + Record(10, {{0, "kg"}}));
        EXPECT_EQ(read("Data\\Denpyou.620"), Document('1', "         1"));
    }
}

// Each step of the exit's saves, sorts and purge failing in turn (a write
// comes up short, a create, flush, rename, truncate or remove fails): every
// data file holds its old bytes or its new ones, never anything between, and
// no scratch file or journal that would change it is left. A save that fails stops the exit with
// its message; the files after it in the sequence keep their old bytes. A
// sort or the purge that fails says so as well, and the exit ends: no file
// is left without its new bytes unless the message names it.
TEST(ExitFaultSteps, EveryFileHoldsItsOldBytesOrItsNewOnes) {
    const char* const files[] = {"Data\\Hinsyu.620", "Data\\Jisya.620", "Data\\Tanni.620",
                                 "Data\\Kokyaku.620", "Data\\Syouhin.620", "Data\\Denpyou.620"};
    std::map<std::string, std::string> old = {
        {files[0], UnsortedCategories()},
        {files[1], Record(1000, {{231, "         9"}})},
        {files[2], Record(10, {{0, "m"}}) + std::string(990, ' ')},
        {files[3], Customer("Sato", "S") + Customer("Aoki", "A")},
        {files[4], Product("Bolt", "B") + Product("Anchor", "A")},
        {files[5], Document('1', "         1") + Document('0', "         2") + Document('1', "         3")},
    };
    for (size_t i = 9; i < 1000; i += 10) old[files[2]][i] = '\n';
    std::unique_ptr<THeadlessSession> session;
    const auto exit = [&](const std::function<void()>& arm) {
        session = std::make_unique<THeadlessSession>();
        for (const auto& [path, bytes] : old) ASSERT_TRUE(session->WriteFile(path, bytes));
        ASSERT_TRUE(session->Start());
        Tanni_Add("kg    ");
        Kokyaku_Changed = Syouhin_Changed = true;
        session->ControlAs<TCheckBox>("CheckBox_CompleteDelete")->SetChecked(true);
        arm();
        ASSERT_TRUE(session->Click("Label_Job_10"));
    };
    const auto read = [&](const char* path) { return session->ReadFile(path).value_or("<missing>"); };
    exit([] {});
    ASSERT_TRUE(session->Exited());
    std::map<std::string, std::string> fresh;
    for (const char* path : files) {
        fresh[path] = read(path);
        EXPECT_NE(fresh[path], old[path]) << path;
    }

    const int failed = FaultSteps_Each(exit, [&] {
        const auto& messages = session->Messages();
        ASSERT_LE(messages.size(), 1u);
        if (!session->Exited()) {
            ASSERT_EQ(messages.size(), 1u);
        }
        bool stopped = false;  // by the save that failed, or one before it
        for (const char* path : files) {
            const std::string name = std::string(path).substr(5);
            const bool named = !messages.empty() && messages[0] == name + "を保存できませんでした。";
            stopped = stopped || (named && !session->Exited());
            const std::string now = read(path);
            EXPECT_TRUE(now == old[path] || (!stopped && now == fresh[path])) << path;
            if (session->Exited()) {
                EXPECT_EQ(now, named ? old[path] : fresh[path]) << path;
            }
            // A journal that could not be removed is harmless: the next
            // start's roll-back changes nothing.
            EXPECT_TRUE(Journal_RollBack(path)) << path;
            EXPECT_EQ(read(path), now) << path;
            EXPECT_FALSE(session->FileExists(std::string(path) + ".new")) << path;
        }
        if (!messages.empty()) {
            EXPECT_EQ(session->FocusedName(), "Edit_DenpKokyakuName_1");
        }
    });
    EXPECT_GE(failed, 20);
}

// Each sort and the purge failing where its new file would take the old
// one's place (the rename, through the failing file layer): the user is told
// which file, the file keeps the bytes it had (the deleted document stays),
// and the exit ends as before, the saves before it done.
TEST(ExitSortFault, AFailedSortOrThePurgeIsToldAndTheExitEnds) {
    const std::string unsorted = UnsortedCategories();
    const std::string sorted = SortedCategories();
    const std::map<std::string, std::string> old = {
        {"Data\\Kokyaku.620", Customer("Sato", "S") + Customer("Aoki", "A")},
        {"Data\\Syouhin.620", Product("Bolt", "B") + Product("Anchor", "A")},
        {"Data\\Denpyou.620", Document('1', "         1") + Document('0', "         2") + Document('1', "         3")},
    };
    for (const std::string path : {"Data\\Hinsyu.620", "Data\\Kokyaku.620", "Data\\Syouhin.620", "Data\\Denpyou.620"}) {
        SCOPED_TRACE(path);
        // Only this step has anything to do: its rename is the exit's last.
        std::unique_ptr<THeadlessSession> session;
        const auto exit = [&](int failedRename) {
            session = std::make_unique<THeadlessSession>();
            for (const auto& [name, bytes] : old) ASSERT_TRUE(session->WriteFile(name, bytes));
            ASSERT_TRUE(session->WriteFile("Data\\Hinsyu.620", path == "Data\\Hinsyu.620" ? unsorted : sorted));
            ASSERT_TRUE(session->Start());
            Kokyaku_Changed = path == "Data\\Kokyaku.620";
            Syouhin_Changed = path == "Data\\Syouhin.620";
            session->ControlAs<TCheckBox>("CheckBox_CompleteDelete")->SetChecked(path == "Data\\Denpyou.620");
            Denpyou_LastNo = 12;
            FileFault_Reset();
            if (failedRename > 0) FileFault_Plan(TFileOp::Rename, failedRename);
            ASSERT_TRUE(session->Click("Label_Job_10"));
        };
        const auto read = [&](const std::string& name) { return session->ReadFile(name).value_or("<missing>"); };
        const std::string before = path == "Data\\Hinsyu.620" ? unsorted : old.at(path);
        exit(0);
        const auto renames = static_cast<int>(FileFault_Count(TFileOp::Rename));
        ASSERT_NE(read(path), before);  // the step had work to do

        exit(renames);
        FileFault_Reset();
        EXPECT_TRUE(session->Exited());
        EXPECT_EQ(session->ExitStatus(), -1);
        EXPECT_EQ(session->Messages(), std::vector<std::string>{path.substr(5) + "を保存できませんでした。"});
        EXPECT_EQ(read(path), before);
        EXPECT_FALSE(session->FileExists(path + ".new"));
        EXPECT_EQ(session->ReadFileAt("Data\\Jisya.620", 231, 10), "        12");
    }
}

// Each read of the purge failing in turn, outright or come up short: the
// user is told that the document file could not be read, the file keeps its
// deleted document (no scratch copy left), and the exit ends as after a
// sort that failed, the saves before it done.
TEST(ExitPurgeFault, APurgeThatCannotReadTheDocumentsIsTold) {
    const std::string documents =
        Document('1', "         1") + Document('0', "         2") + Document('1', "         3");
    std::unique_ptr<THeadlessSession> session;
    const auto exit = [&](bool purge, int failedRead, std::int64_t bytes) {
        session = std::make_unique<THeadlessSession>();
        ASSERT_TRUE(session->WriteFile("Data\\Denpyou.620", documents));
        ASSERT_TRUE(session->WriteFile("Data\\Hinsyu.620", SortedCategories()));
        ASSERT_TRUE(session->Start());
        session->ControlAs<TCheckBox>("CheckBox_CompleteDelete")->SetChecked(purge);
        Denpyou_LastNo = 12;
        FileFault_Reset();
        if (failedRead > 0) FileFault_Plan(TFileOp::Read, failedRead, bytes);
        ASSERT_TRUE(session->Click("Label_Job_10"));
    };
    // The purge is the exit's last step: its reads are those a ticked box adds.
    exit(false, 0, 0);
    const auto others = static_cast<int>(FileFault_Count(TFileOp::Read));
    exit(true, 0, 0);
    const auto all = static_cast<int>(FileFault_Count(TFileOp::Read));
    ASSERT_GT(all, others);
    ASSERT_NE(session->ReadFile("Data\\Denpyou.620"), documents);  // the purge had work to do

    for (int nth = others + 1; nth <= all; ++nth) {
        for (const std::int64_t bytes : {0, 1}) {
            SCOPED_TRACE("read " + std::to_string(nth) + ", " + std::to_string(bytes) + " bytes");
            exit(true, nth, bytes);
            FileFault_Reset();
            EXPECT_TRUE(session->Exited());
            EXPECT_EQ(session->ExitStatus(), -1);
            EXPECT_EQ(session->Messages(), std::vector<std::string>{"Denpyou.620を読み込めませんでした。"});
            EXPECT_EQ(session->ReadFile("Data\\Denpyou.620"), documents);
            EXPECT_FALSE(session->FileExists("Data\\Denpyou.620.new"));
            EXPECT_FALSE(session->FileExists("Data\\Denpyou.del"));
            EXPECT_EQ(session->ReadFileAt("Data\\Jisya.620", 231, 10), "        12");
        }
    }
}

// At the categories' or the units' name something no list can be written
// into: what was typed since start-up cannot be saved, and the user is told
// which file; what stands there stays as it was, and the exit goes on to the
// end as before. A link whose file can still be made gets it at start-up,
// and the list is saved.
TEST(ExitNoFile, AListThatCannotBeSavedIsTold) {
    enum class TPlace { Folder, Fifo, LinkToNowhere, LinkToMake };
    const struct {
        const char* What;
        TPlace Place;
    } places[] = {{"a folder", TPlace::Folder},
                  {"a FIFO", TPlace::Fifo},
                  {"a link into a missing folder", TPlace::LinkToNowhere},
                  {"a link to a file not there yet", TPlace::LinkToMake}};
    for (const std::string name : {"Hinsyu.620", "Tanni.620"}) {
        for (const auto& p : places) {
            SCOPED_TRACE(name + " " + p.What);
            THeadlessSession session;
            const std::string host = session.Folder() + "Data/" + name;
            const std::string target = p.Place == TPlace::LinkToMake ? "made.620" : "missing/made.620";
            switch (p.Place) {
                case TPlace::Folder: ASSERT_EQ(mkdir(host.c_str(), 0700), 0); break;
                case TPlace::Fifo: ASSERT_EQ(mkfifo(host.c_str(), 0600), 0); break;
                default: ASSERT_EQ(symlink(target.c_str(), host.c_str()), 0); break;
            }
            struct stat made {};
            ASSERT_EQ(lstat(host.c_str(), &made), 0);
            ASSERT_TRUE(session.Start());
            Str_Pad("Gamma", Hinsyu_Name[0], 40, 0);
            Tanni_Add("kg    ");
            Denpyou_LastNo = 12;
            ASSERT_TRUE(session.Click("Label_Job_10"));

            EXPECT_TRUE(session.Exited());
            EXPECT_EQ(session.ExitStatus(), -1);
            EXPECT_EQ(session.ReadFileAt("Data\\Jisya.620", 231, 10), "        12");  // the other saves went on
            if (p.Place == TPlace::LinkToMake) {
                EXPECT_TRUE(session.Messages().empty());
                const std::string saved = session.ReadFile("Data\\" + name).value_or("<none>");
                EXPECT_NE(saved.find(name == "Tanni.620" ? "kg" : "Gamma"), std::string::npos);
                continue;
            }
            EXPECT_EQ(session.Messages(), std::vector<std::string>{name + "を保存できませんでした。"});
            struct stat now {};
            ASSERT_EQ(lstat(host.c_str(), &now), 0);
            EXPECT_EQ(now.st_mode, made.st_mode);
            EXPECT_EQ(now.st_ino, made.st_ino);
            if (p.Place == TPlace::LinkToNowhere) {
                std::string points(64, '\0');
                points.resize(static_cast<size_t>(std::max<ssize_t>(0, readlink(host.c_str(), points.data(), 64))));
                EXPECT_EQ(points, target);
                EXPECT_FALSE(session.FileExists("Data\\missing"));
            }
        }
    }
}

// A file that stands there but could not be read at start-up keeps its bytes
// at exit: memory holds blanks in place of its contents. A new document is
// not numbered while the last number is unknown. (The start-up reads the
// units, then the own-company record, then the categories.)
TEST_F(ExitTest, AFileThatCouldNotBeReadIsNotWrittenOver) {
    const std::string tanni = Record(10, {{0, "m"}}) + Record(10, {{0, "kg"}});
    const std::string jisya = Record(1000, {{40, "Yamada"}, {231, "        41"}});
    const std::string hinsyu = Category("Beta", "B", "  1") + Category("Alpha", "A", "  2");
    const struct {
        int Read;  // the start-up's read that fails
        bool Numbered;
    } cases[] = {{1, true}, {2, false}, {3, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Read);
        THeadlessSession session;
        session.WriteFile("Data\\Tanni.620", tanni);
        session.WriteFile("Data\\Jisya.620", jisya);
        session.WriteFile("Data\\Hinsyu.620", hinsyu);
        FileFault_Plan(TFileOp::Read, c.Read);
        ASSERT_TRUE(session.Start());
        FileFault_Reset();
        EXPECT_EQ(Tanni_Loaded, c.Read != 1);
        EXPECT_EQ(Jisya_Loaded, c.Read != 2);
        EXPECT_EQ(Hinsyu_Loaded, c.Read != 3);

        TypeCustomer();
        ASSERT_TRUE(session.Key(vk::F1));
        EXPECT_EQ(Denpyou_Count, c.Numbered ? 1 : 0);
        if (!c.Numbered)
            Str_Pad("", Denpyou_Field[DenpyouField_KokyakuName_1], Denpyou_FieldWidth[DenpyouField_KokyakuName_1], 0);
        ASSERT_TRUE(session.Click("Label_Job_10"));
        ASSERT_TRUE(session.Exited());
        const auto read = [&](const char* path) { return session.ReadFile(path).value_or("<missing>"); };
        const char* const paths[] = {"Data\\Tanni.620", "Data\\Jisya.620", "Data\\Hinsyu.620"};
        const std::string* const stored[] = {&tanni, &jisya, &hinsyu};
        EXPECT_EQ(read(paths[c.Read - 1]), *stored[c.Read - 1]);
    }
}

// The real end of the process: status -1, which the system reports as 255.
TEST_F(ExitTest, ProcessEndsWithStatus255) {
    Start();
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            Application_SetTerminateHandler(nullptr);
            Session.Click("Label_Job_10");
        },
        ::testing::ExitedWithCode(255), "");
}

}  // namespace
