// Focus codes, the focus restore and the lock.
#include <cctype>
#include <cstring>
#include <set>
#include <string>

#include "app/Exit.h"
#include "app/FocusTable.h"
#include "editor/KokyakuChoose.h"
#include "masters/categories/HinsyuScreen.h"
#include "tests/app/ShellFixture.h"
#include "ui/Flags.h"
#include "ui/Focus.h"
#include "ui/FocusClash.h"

namespace {

// The window's table as the window hands it over.
void UseWindowTable() { Focus_SetTable(Focus_CodeTable.data(), Focus_CodeCount); }

TEST(FocusCodeTable, HoldsEveryControlOnceInAscendingOrder) {
    UseWindowTable();
    std::set<std::string> names;
    for (int i = 0; i < Focus_CodeCount; ++i) {
        const TFocusEntry& e = Focus_CodeTable[i];
        if (i > 0) {
            EXPECT_LT(Focus_CodeTable[i - 1].Code, e.Code);
        }
        EXPECT_TRUE(names.insert(e.Name).second) << "twice: " << e.Name;
        EXPECT_EQ(Focus_CodeOf(e.Name), e.Code);
        EXPECT_STREQ(Focus_NameOf(e.Code), e.Name);
    }
    EXPECT_EQ(Focus_CodeTable.front().Code, 1010);
    EXPECT_EQ(Focus_CodeTable.back().Code, 9920);
    EXPECT_EQ(Focus_NameOf(1115), nullptr);
    EXPECT_EQ(Focus_CodeOf("Label_Job_01"), 0);
}

// Codes and controls at the ends of every group.
TEST(FocusCodeTable, GroupsFollowTheirRules) {
    UseWindowTable();
    const std::pair<int, const char*> samples[] = {
        {1010, "Edit_ChooseSyori"},
        {1040, "Edit_Panel_ChooseKokyaku_Command"},
        {1110, "Edit_DenpNo"},
        {1120, "Edit_DenpKokyakuName_1"},
        {1230, "Edit_DenpYoukouDay"},
        {2110, "Edit_DenpSyousai_01"},
        {2120, "Edit_DenpTanka_01"},
        {2140, "Edit_DenpSuuryou_01"},
        {2150, "Edit_DenpTanni_01"},
        {2180, "Edit_DenpJitubaiTanka_01"},
        {2190, "Edit_DenpSyousai_02"},
        {3700, "Edit_DenpJitubaiTanka_20"},
        {4010, "Edit_Hinsyu_Name_01"},
        {4020, "Edit_Hinsyu_Kana_01"},
        {5000, "Edit_Hinsyu_Kana_50"},
        {5010, "Edit_Syouhin_Name_01"},
        {5015, "Edit_Syouhin_Kana_01"},
        {5060, "Edit_Syouhin_Tannni_01"},
        {6500, "Edit_Syouhin_Tannni_25"},
        {7010, "Edit_PanelKokyaku_Name_1_01"},
        {7090, "Edit_PanelKokyaku_Tel_01"},
        {7890, "Edit_PanelKokyaku_Tel_09"},
        {8010, "Edit_PanelKokyaku_Name_1_10"},
        {8390, "Edit_PanelKokyaku_Tel_13"},
        {8400, "Edit_DenpyouList_SearchName"},
        {8480, "Edit_DenpyouListLineChoose"},
        {9010, "Edit_JisyaName_1"},
        {9190, "Edit_Syouhizei"},
        {9192, "CheckBox_DenpyouZeiTanni"},
        {9198, "RadioButton_DenpyouBothNotPrint"},
        {9220, "Edit_JisyaKouza_03"},
        {9250, "Edit_Naiyou"},
        {9300, "Edit_SyouhinChoose_Name_05"},
        {9340, "Edit_SyouhinChoose_Jun_01"},
        {9410, "Edit_SyouhinChoose_Jun_08"},
        {9440, "Edit_JisyaKouzaMeigi_03"},
        {9500, "Edit_TanniList_01"},
        {9690, "Edit_TanniList_20"},
        {9740, "Edit_Panel_DenpyouList_LeftMargine"},
        {9810, "BackupDriveComboBox"},
        {9850, "CheckBox_Denpyou"},
        {9910, "CheckBox_Denpyou_Suuryou"},
        {9920, "CheckBox_Denpyou_KokyakuAddress"},
    };
    for (const auto& [code, name] : samples) EXPECT_STREQ(Focus_NameOf(code), name) << code;

    // The numeric tests that commands and the wheel make on codes.
    for (const TFocusEntry& e : Focus_CodeTable) {
        const std::string name = e.Name;
        const bool grid = e.Code > 2100 && e.Code <= 4000;
        EXPECT_EQ(grid, name.rfind("Edit_Denp", 0) == 0 && name.size() > 3 &&
                            std::isdigit(static_cast<unsigned char>(name.back())) &&
                            name[name.size() - 3] == '_')
            << name;
        if (!grid) continue;
        const int row = std::stoi(name.substr(name.size() - 2));
        EXPECT_EQ((e.Code - 2110) % 80 == 0, name.rfind("Edit_DenpSyousai_", 0) == 0) << name;
        EXPECT_EQ((e.Code - 2110) % 80 == 30, name.rfind("Edit_DenpSuuryou_", 0) == 0) << name;
        if ((e.Code - 2110) % 80 == 0) {
            EXPECT_EQ(e.Code <= 2830, row <= 10) << name;  // the product chooser's place
        }
    }
    for (int code = 1120; code <= 1230; code += 10)
        EXPECT_EQ(std::string(Focus_NameOf(code)).rfind("Edit_Denp", 0), 0u) << code;
}

// The build's check that no two controls share a code, run by the compiler
// on small sorted tables: it finds the first two on one code, whichever
// parts they came from, and nothing in a table of one control a code.
constexpr TFocusEntry OneACode[] = {{1010, "Edit_A"}, {1120, "Edit_B"}, {9920, "Edit_C"}};
constexpr TFocusEntry TwoOnOne[] = {{1010, "Edit_A"}, {1120, "Edit_B"}, {1120, "Edit_C"}, {9920, "Edit_D"}};
constexpr TFocusEntry TwoPairs[] = {{1010, "Edit_A"}, {1010, "Edit_B"}, {9920, "Edit_C"}, {9920, "Edit_D"}};
constexpr TFocusClash None = Focus_FirstClash(OneACode, 3), Middle = Focus_FirstClash(TwoOnOne, 4),
                      First = Focus_FirstClash(TwoPairs, 4), Last = Focus_FirstClash(TwoPairs + 2, 2);
static_assert(Focus_CodeClaimedTwice<None>::No);

TEST(FocusCodeTable, TheBuildNamesBothControlsOfACodeClaimedTwice) {
    const auto shown = [](const TFocusClash& c) {
        return std::to_string(c.One.Code) + " " + c.One.Name + " / " + std::to_string(c.Other.Code) + " " +
               c.Other.Name;
    };
    EXPECT_EQ(shown(None), "0  / 0 ");
    EXPECT_EQ(shown(Middle), "1120 Edit_B / 1120 Edit_C");
    EXPECT_EQ(shown(First), "1010 Edit_A / 1010 Edit_B");
    EXPECT_EQ(shown(Last), "9920 Edit_C / 9920 Edit_D");
}

class FocusTest : public ShellTest {
protected:
    TEdit* Elsewhere = nullptr;

    void SetUp() override {
        Start();
        // A control outside the table to stand where the focus was.
        Elsewhere = Form().Create<TEdit>("Edit_TestElsewhere");
        Elsewhere->SetBounds(0, 740, 20, 20);
    }
    void FocusElsewhere() {
        Elsewhere->SetFocus();
        ASSERT_EQ(Form().ActiveControl(), Elsewhere);
    }
    static void ShowWithParents(TControl* c) {
        for (; c; c = c->Parent()) c->Show();
    }
    // Binds the protocol to an existing control as its focus-in would.
    void Protocol(const char* name) {
        const int code = Focus_CodeOf(name);
        Control(name)->OnEnter = [code](TControl*) { Focus_Accept(code); };
    }
};

// Every code whose control exists brings the focus to that control, the
// own company's two print options too; a disabled control leaves it where
// it is.
TEST_F(FocusTest, RestoreMapsEveryCodeToItsControl) {
    int resolved = 0;
    for (const TFocusEntry& e : Focus_CodeTable) {
        TControl* c = Control(e.Name);
        if (!c) continue;
        SCOPED_TRACE(e.Name);
        ShowWithParents(c);
        // Only where the focus goes is checked here, not what the control's
        // own focus-in does with it.
        TNotifyEvent own = std::move(c->OnEnter);
        c->OnEnter = nullptr;
        FocusElsewhere();
        Focus_Code = e.Code;
        Focus_Restore();
        const bool stays = !c->Enabled();
        EXPECT_EQ(Form().ActiveControl(), stays ? static_cast<TControl*>(Elsewhere) : c);
        c->OnEnter = std::move(own);
        ++resolved;
    }
    // The editor's 13 header edits and 160 cells, the two key catchers, the
    // backup boxes, the own company's 31 inputs and 20 unit rows, the
    // wording's 17 inputs at least.
    EXPECT_GE(resolved, 13 + 160 + 2 + 2 + 31 + 20 + 17);
}

TEST_F(FocusTest, RestoreDoesNothingForCodesWithoutAControl) {
    for (int code : {0, 1115, 99999, -1, 4010 /* no category cells yet */}) {
        if (code == 4010 && Control("Edit_Hinsyu_Name_01")) continue;
        FocusElsewhere();
        Focus_Code = code;
        Focus_Restore();
        EXPECT_EQ(Form().ActiveControl(), Elsewhere) << code;
    }
    // A control created later is found by its name from then on.
    Control("Panel_Hinsyu")->Show();
    auto* cell = StandIn<TEdit>("Edit_Hinsyu_Name_01", "Panel_Hinsyu");
    Focus_Code = 4010;
    Focus_Restore();
    EXPECT_EQ(Form().ActiveControl(), cell);
}

TEST_F(FocusTest, RestoreTowardsAControlThatCannotTakeTheFocusLeavesIt) {
    // The editor's cell on a hidden screen, and the disabled number field.
    ASSERT_TRUE(Session.Click("Label_Job_07"));
    ASSERT_EQ(Session.FocusedName(), "BackupDriveComboBox");
    for (int code : {1120, 2110, 1110}) {
        Focus_Code = code;
        Focus_Restore();
        EXPECT_EQ(Session.FocusedName(), "BackupDriveComboBox") << code;
    }
}

TEST_F(FocusTest, AcceptStoresTheCodeAndClearsTheCommitFlag) {
    Protocol("Edit_DenpKokyakuName_2");
    Flag_EnterCommitted = true;
    ASSERT_TRUE(Session.Click("Edit_DenpKokyakuName_2"));
    EXPECT_EQ(Focus_Code, 1130);
    EXPECT_FALSE(Flag_EnterCommitted);
}

// While the lock is held a click into another input puts the focus straight
// back; the clicked control stores no code and the commit flag is untouched.
TEST_F(FocusTest, ClickUnderTheLockGoesStraightBack) {
    for (const char* name : {"Edit_DenpKokyakuName_1", "Edit_DenpPlace", "Edit_DenpSuuryou_03"}) Protocol(name);
    FocusElsewhere();
    ASSERT_TRUE(Session.Click("Edit_DenpKokyakuName_1"));
    ASSERT_EQ(Focus_Code, 1120);
    Popup_LockTake(Lock_HinsyuChoose);
    Flag_EnterCommitted = true;
    for (const char* name : {"Edit_DenpPlace", "Edit_DenpSuuryou_03"}) {
        ASSERT_TRUE(Session.Click(name));
        EXPECT_EQ(Session.FocusedName(), "Edit_DenpKokyakuName_1") << name;
        EXPECT_EQ(Focus_Code, 1120);
        EXPECT_TRUE(Flag_EnterCommitted);
    }
    Popup_LockRelease(Lock_HinsyuChoose);
    ASSERT_TRUE(Session.Click("Edit_DenpPlace"));
    EXPECT_EQ(Focus_Code, 1160);
}

TEST_F(FocusTest, LockIsReleasedOnlyWhenNoHolderIsLeft) {
    EXPECT_FALSE(Popup_Lock);
    Popup_LockTake(Lock_KokyakuChoose);
    Popup_LockTake(Lock_ExitChoose);
    Popup_LockRelease(Lock_ExitChoose);
    EXPECT_TRUE(Popup_Lock);
    EXPECT_TRUE(Popup_LockHeldBy(Lock_KokyakuChoose));
    Popup_LockRelease(Lock_ExitChoose);  // twice: no effect on the other holder
    EXPECT_TRUE(Popup_Lock);
    Popup_LockRelease(Lock_KokyakuChoose);
    EXPECT_FALSE(Popup_Lock);
}

TEST_F(FocusTest, StartValues) {
    EXPECT_EQ(HinsyuChoose_CodeSaved, 5010);
    EXPECT_EQ(KokyakuChoose_CodeSaved, 1120);
    EXPECT_FALSE(Popup_Lock);
}

}  // namespace
