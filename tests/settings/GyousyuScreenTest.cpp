// The wording screen beyond its typed path (tests/scenarios/wording.txt):
// the orders blanking their duplicates and placing the editor's buttons,
// what an order refused on Return stores afterwards, and a caption the file
// does not take.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/FileFault.h"
#include "store/Jisya.h"
#include "tools/Headless.h"
#include "ui/Build.h"

namespace {

class GyousyuTest : public ::testing::Test {
protected:
    THeadlessSession Session;

    void SetUp() override {
        ASSERT_TRUE(Session.Start());
        ASSERT_TRUE(Session.Click("Label_Job_09"));
    }
    void TearDown() override { FileFault_Reset(); }
    std::string Text(const std::string& name) { return Session.TextOf(name).value_or("<none>"); }
    // Types text into an edit in place of what it shows, then Return.
    void Commit(const std::string& edit, const std::string& text) {
        ASSERT_TRUE(Session.Click(edit));
        ASSERT_TRUE(Session.Key(vk::Back, {}, 20));
        ASSERT_TRUE(Session.Type(text));
        ASSERT_TRUE(Session.Key(vk::Return));
    }
    static std::string Orders() {
        std::string all;
        for (int s = 0; s < 8; ++s) all += Jisya_Field[JisyaField_Jun_1 + s];
        return all;
    }
};

// The buttons in field order, each with its slot's field.
constexpr const char* Buttons[8] = {"Denp_SyoukeiLine", "Denp_GoukeiLine", "Denp_KazeiGoukeiiLine",
                                    "Denp_ZeiLine",     "Denp_SouGoukei",  "Denp_CyouseiiLine",
                                    "Denp_UserLine_1",  "Denp_UserLine_2"};

// Each digit taken from the other buttons that held it, the buttons placed
// in their slots (106 pixels apart) or out of sight with none; a refused
// order changes nothing and its edit keeps what was typed.
TEST_F(GyousyuTest, OrdersTakeTheirDigitAndPlaceTheButtons) {
    const struct {
        int Button;  // 1 ... 8
        const char* Typed;
        const char* Orders;  // fields 49 ... 56 afterwards
    } steps[] = {
        {1, "3", "32 45678"}, {3, "3", " 2345678"}, {1, "3", "32 45678"}, {1, "3", "32 45678"},
        {2, "8", "38 4567 "}, {8, "1", "38 45671"}, {4, "9", "38 45671"}, {5, "a", "38 45671"},
        {6, "0", "38 45671"}, {7, "8", "3  45681"}, {2, "1", "31 4568 "},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(std::to_string(s.Button) + " := " + s.Typed);
        const std::string edit = Ui_RowName("Edit_SyouhinChoose_Jun_", s.Button);
        Commit(edit, s.Typed);
        EXPECT_EQ(Orders(), s.Orders);
        const bool refused = Orders()[static_cast<size_t>(s.Button - 1)] != s.Typed[0];
        EXPECT_EQ(Text(edit), s.Typed);
        EXPECT_EQ(Session.FocusedName() == edit, refused);
        for (int b = 0; b < 8; ++b) {
            const char order = s.Orders[b];
            const int slot = order == ' ' ? 0 : order - '0';
            EXPECT_EQ(Session.Control(std::string("Label_") + Buttons[b])->Left, slot ? (slot - 1) * 106 + 6 : -100)
                << Buttons[b];
            EXPECT_EQ(Session.Control(std::string("Shape_") + Buttons[b])->Left, slot ? (slot - 1) * 106 + 2 : -104)
                << Buttons[b];
        }
    }
    EXPECT_EQ(Session.ReadFileAt("Data\\Jisya.620", 881, 8).value_or(""), "        ");  // memory only
}

// After an order refused on Return the edit counts as committed until the
// focus enters an input again: a digit typed then and a click elsewhere
// store nothing; a second Return stores it.
TEST_F(GyousyuTest, AfterARefusedOrderOnlyReturnStores) {
    Commit("Edit_SyouhinChoose_Jun_02", "9");
    ASSERT_EQ(Session.FocusedName(), "Edit_SyouhinChoose_Jun_02");
    ASSERT_TRUE(Session.Key(vk::Back));
    ASSERT_TRUE(Session.Type("1"));
    ASSERT_TRUE(Session.Click("Edit_SyouhinChoose_Jun_05"));
    EXPECT_EQ(Orders(), "12345678");
    EXPECT_EQ(Text("Edit_SyouhinChoose_Jun_02"), "1");
    EXPECT_EQ(Session.Control("Label_Denp_GoukeiLine")->Left, 112);

    Commit("Edit_SyouhinChoose_Jun_03", "0");
    ASSERT_EQ(Session.FocusedName(), "Edit_SyouhinChoose_Jun_03");
    ASSERT_TRUE(Session.Key(vk::Back));
    ASSERT_TRUE(Session.Type("1"));
    ASSERT_TRUE(Session.Key(vk::Return));
    EXPECT_EQ(Orders(), " 2145678");
    EXPECT_EQ(Session.FocusedName(), "Edit_SyouhinChoose_Jun_04");
}

// The other inputs that refuse a value on Return (a date part of the
// document list, the own company's last number) commit what they show when
// they are left afterwards, as any input does.
TEST_F(GyousyuTest, OtherInputsRefusingOnReturnCommitWhenLeft) {
    const struct {
        const char* Menu;
        const char* Edit;
        const char* Refused;
        const char* Valid;
        const char* Elsewhere;
        std::string (*Stored)(THeadlessSession&);
        const char* Expected;
    } cases[] = {
        {"Label_Job_02", "Edit_SearchStartMonth", "13", "3", "Edit_SearchStartDay",
         [](THeadlessSession& s) { return s.TextOf("Edit_SearchStartMonth").value_or(""); }, " 3"},
        {"Label_Job_06", "Edit_Jisya_Denban", "9999999999", "500", "Edit_JisyaName_2",
         [](THeadlessSession&) { return std::string(Jisya_Field[JisyaField_Denban]); }, "       500"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Edit);
        ASSERT_TRUE(Session.Click(c.Menu));
        Commit(c.Edit, c.Refused);
        ASSERT_EQ(Session.FocusedName(), c.Edit);
        // What the refusal shows again stands with the caret before it.
        ASSERT_TRUE(Session.Key(vk::End));
        ASSERT_TRUE(Session.Key(vk::Back, {}, 20));
        ASSERT_TRUE(Session.Type(c.Valid));
        ASSERT_TRUE(Session.Click(c.Elsewhere));
        EXPECT_EQ(c.Stored(Session), c.Expected);
    }
}

// A caption the file does not take: the user is told, the field and the
// labels show what the file holds, the edit too.
TEST_F(GyousyuTest, ACaptionTheFileDoesNotTake) {
    Commit("Edit_Naiyou", "品名");
    ASSERT_EQ(Text("Label_Panel_PrintView_Naiyou"), "品名    ");
    FileFault_DiskFull(0);
    Commit("Edit_Naiyou", "品目");
    EXPECT_EQ(Session.Messages(), std::vector<std::string>{"Jisya.620を保存できませんでした。"});
    EXPECT_EQ(std::string(Jisya_Field[JisyaField_Naiyou]), "品名    ");
    EXPECT_EQ(Text("Edit_Naiyou"), "品名    ");
    EXPECT_EQ(Text("Label_DenpKoujiName"), "品名    ");
    EXPECT_EQ(Text("Label_Panel_PrintView_Naiyou"), "品名    ");
    // The orders are not written: a full disk does not touch them.
    Commit("Edit_SyouhinChoose_Jun_01", "2");
    EXPECT_EQ(Session.Messages().size(), 1u);
    EXPECT_EQ(std::string(Jisya_Field[JisyaField_Jun_1 + 1]), " ");
}

}  // namespace
