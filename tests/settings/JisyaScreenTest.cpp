// The own-company screen beyond its typed path (tests/scenarios/company_*):
// the record shown as stored with its defaults, the two numbers' defaults,
// the last number on Return and on leaving with its range, and the writes
// that fail.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/FileFault.h"
#include "settings/company/JisyaScreen.h"
#include "store/Denpyou.h"
#include "store/Number.h"
#include "tests/FaultSteps.h"
#include "tools/Headless.h"

namespace {

constexpr const char* Jisya_Path = "Data\\Jisya.620";

// An own-company record: blanks, a line feed last, each field's text at its
// offset.
std::string JisyaRecord(std::initializer_list<std::pair<JisyaField, std::string>> fields) {
    std::string r(Jisya_RecLen, ' ');
    r.back() = '\n';
    int offset[Jisya_FieldCount] = {};
    for (int k = 1; k < Jisya_FieldCount; ++k) offset[k] = offset[k - 1] + Jisya_FieldWidth[k - 1];
    for (const auto& [k, text] : fields) r.replace(static_cast<size_t>(offset[k]), text.size(), text);
    return r;
}

class JisyaTest : public ::testing::Test {
protected:
    std::unique_ptr<THeadlessSession> Session = std::make_unique<THeadlessSession>();

    void TearDown() override { FileFault_Reset(); }
    // A new run on the record (none: no own-company file), on the screen.
    void StartOn(const std::string& record = "") {
        Session = std::make_unique<THeadlessSession>();
        if (!record.empty()) {
            ASSERT_TRUE(Session->WriteFile(Jisya_Path, record));
        }
        ASSERT_TRUE(Session->Start());
        ASSERT_TRUE(Session->Click("Label_Job_06"));
    }
    std::string Text(const std::string& name) { return Session->TextOf(name).value_or("<none>"); }
    bool Checked(const std::string& name) {
        if (auto* r = Session->ControlAs<TRadioButton>(name)) return r->Checked();
        auto* b = Session->ControlAs<TCheckBox>(name);
        return b && b->Checked();
    }
    std::string FileAt(int offset, int length) {
        return Session->ReadFileAt(Jisya_Path, offset, length).value_or("<none>");
    }
    static std::string Field(JisyaField k) { return Jisya_Field[k]; }
    // Types the text into the input (its bare value replaced) and leaves it
    // by Return or by a click elsewhere. whole: the text put into the edit
    // from code, whole also past the edit's length, which neither typing nor
    // a paste goes.
    void Enter(const char* input, const std::string& text, bool byReturn, bool whole = false) {
        ASSERT_TRUE(Session->Click(input));
        if (whole) {
            Session->ControlAs<TEdit>(input)->SetText(text);
        } else {
            ASSERT_TRUE(Session->Key(vk::End));
            for (int i = 0; i < 10; ++i) ASSERT_TRUE(Session->Key(vk::Back));
            ASSERT_TRUE(Session->Type(text));
        }
        ASSERT_TRUE(byReturn ? Session->Key(vk::Return) : Session->Click("Edit_JisyaName_1"));
    }
};

// Which button each value checks: 0 (or no number) the first, 1 the
// second, anything else the third; a box is ticked by a non-zero number.
TEST_F(JisyaTest, TheRecordIsShownAsStored) {
    const struct {
        const char* Hasuu;
        const char* Checked;
        const char* Footer;
        const char* FooterChecked;
        const char* Box;
        bool Ticked;
    } cases[] = {
        {" ", "RadioButton_Jisya_SisyaGonyuu", " ", "RadioButton_DenpyouBikouPrint", "1", true},
        {"1", "RadioButton_Jisya_Kiriage", "1", "RadioButton_DenpyouMakeDatePrint", "0", false},
        {"2", "RadioButton_Jisya_Kirisute", "2", "RadioButton_DenpyouBothNotPrint", " ", false},
        {"9", "RadioButton_Jisya_Kirisute", "9", "RadioButton_DenpyouBothNotPrint", "2", true},
        {"x", "RadioButton_Jisya_SisyaGonyuu", "x", "RadioButton_DenpyouBikouPrint", "x", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Hasuu);
        StartOn(JisyaRecord({{JisyaField_Name, "山田電気"},
                             {JisyaField_Hasuu, c.Hasuu},
                             {JisyaField_BikouPrint, c.Footer},
                             {JisyaField_DenbanPrint, c.Box},
                             {JisyaField_Suuryou, c.Box},
                             {JisyaField_Hozon, " 7"},
                             {JisyaField_Denban, "        42"}}));
        EXPECT_TRUE(Checked(c.Checked));
        EXPECT_TRUE(Checked(c.FooterChecked));
        EXPECT_EQ(Checked("CheckBox_DenbanPrint"), c.Ticked);
        EXPECT_EQ(Checked("CheckBox_Denpyou_Suuryou"), c.Ticked);
        EXPECT_FALSE(Checked("CheckBox_AllPagePrint"));
        EXPECT_EQ(Text("Edit_JisyaName_2"), "山田電気                                ");  // as stored
        EXPECT_EQ(Text("Edit_Jisya_Hozon"), " 7");
        EXPECT_EQ(Text("Edit_Jisya_Denban"), "        42");
        EXPECT_EQ(Text("Edit_DenpNo"), "        43");
    }
}

// A construction or user-line caption whose first byte is a blank gets its
// default in memory (the file keeps it until the record is written whole),
// shown on the editor, the preview and the wording screen.
TEST_F(JisyaTest, BlankCaptionsGetTheirDefaults) {
    StartOn(JisyaRecord({{JisyaField_Naiyou, " 品名"}, {JisyaField_Basyo, "現場"}, {JisyaField_UserSentaku_2, "値引"}}));
    EXPECT_EQ(Field(JisyaField_Naiyou), "工事名  ");
    EXPECT_EQ(Field(JisyaField_Basyo), "現場    ");
    EXPECT_EQ(Field(JisyaField_UserSentaku_1), "ユーザー設定１      ");
    EXPECT_EQ(FileAt(701, 8), " 品名   ");
    for (const char* label : {"Label_DenpKoujiName", "Label_Panel_PrintView_Naiyou", "Label_Naiyou"})
        EXPECT_EQ(Text(label), "工事名  ") << label;
    for (const char* label : {"Label_DenpPlace", "Label_Panel_PrintView_Basyo", "Label_Basyo"})
        EXPECT_EQ(Text(label), "現場    ") << label;
    EXPECT_EQ(Text("Label_UserSentaku_2"), "値引                ");
    EXPECT_EQ(Text("Label_Denp_UserLine_1"), "ユーザー設定１      ");
}

// The keep-years and the tax rate: stored as typed, right-aligned, and as
// their default where they read as 0; by Return and by leaving alike.
TEST_F(JisyaTest, TheTwoNumbersAndTheirDefaults) {
    const struct {
        const char* Typed;
        const char* Hozon;
        const char* Syouhizei;
    } cases[] = {
        {"", "20", " 5"},  {"0", "20", " 5"},  {"00", "20", " 5"}, {"ab", "20", " 5"},
        {"5", " 5", " 5"}, {"8 ", " 8", " 8"}, {"05", "05", "05"}, {"10", "10", "10"}, {"-3", "-3", "-3"},
    };
    StartOn();
    for (bool byReturn : {true, false})
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.Typed) + (byReturn ? " Return" : " left"));
            Enter("Edit_Jisya_Hozon", c.Typed, byReturn);
            Enter("Edit_Syouhizei", c.Typed, byReturn);
            EXPECT_EQ(FileAt(229, 2), c.Hozon);
            EXPECT_EQ(FileAt(593, 2), c.Syouhizei);
            EXPECT_EQ(Field(JisyaField_Syouhizei), c.Syouhizei);
            EXPECT_EQ(Text("Edit_Jisya_Hozon"), c.Hozon);
        }
}

// The last number: ten digits of what the text reads as; Return makes it
// the last number and renumbers a new document (a stored one keeps its
// own), leaving the field stores it only, and the exit puts the last number
// back. A number beyond -999999999 ... 9999999998 is refused: the edit
// shows the number stored, Return keeps the focus, nothing changes. The
// edit takes ten characters: "-1000000000" typed loses its last 0, so the
// lower bound is met only by a text that reaches the edit whole.
TEST_F(JisyaTest, TheLastNumberOnReturnAndOnLeaving) {
    const struct {
        const char* Typed;
        bool ByReturn;
        const char* Stored;  // nullptr: refused
        std::int64_t LastNo;
        bool Whole = false;  // put into the edit whole, not typed
    } cases[] = {
        {"123", true, "       123", 123},         {"abc", true, "         0", 0},
        {"500", false, "       500", 7},          {"-999999999", true, "-999999999", -999999999},
        {"9999999998", true, "9999999998", 9999999998}, {"9999999999", true, nullptr, 7},
        {"9999999999", false, nullptr, 7},        {" 12ab", true, "        12", 12},
        {"-1000000000", true, "-100000000", -100000000},
        {"-1000000000", true, nullptr, 7, true},  {"-1000000000", false, nullptr, 7, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.Typed) + (c.ByReturn ? " Return" : " left") + (c.Whole ? " whole" : ""));
        StartOn(JisyaRecord({{JisyaField_Denban, "         7"}}));
        Enter("Edit_Jisya_Denban", c.Typed, c.ByReturn, c.Whole);
        const std::string stored = c.Stored ? c.Stored : "         7";
        EXPECT_EQ(FileAt(231, 10), stored);
        EXPECT_EQ(Field(JisyaField_Denban), stored);
        EXPECT_EQ(Denpyou_LastNo, c.LastNo);
        EXPECT_EQ(Text("Edit_DenpNo"), Num_FormatInt(c.LastNo + 1, 10));
        if (!c.Stored) {
            EXPECT_EQ(Text("Edit_Jisya_Denban"), "         7");
        }
        if (c.ByReturn) {
            EXPECT_EQ(Session->FocusedName(), c.Stored ? "CheckBox_DenbanPrint" : "Edit_Jisya_Denban");
        }
        ASSERT_TRUE(Session->Click("Label_Job_10"));
        ASSERT_TRUE(Session->Exited());
        EXPECT_EQ(FileAt(231, 10), Num_FormatInt(c.LastNo, 10));
    }
}

TEST_F(JisyaTest, AStoredDocumentKeepsItsNumber) {
    StartOn(JisyaRecord({{JisyaField_Denban, "         7"}}));
    ASSERT_TRUE(Session->Click("Label_Job_01"));
    ASSERT_TRUE(Session->Type("山田電気"));
    ASSERT_TRUE(Session->Key(vk::Return));
    ASSERT_TRUE(Session->Key(vk::F1));  // stored as 8, a new document 9
    ASSERT_TRUE(Session->Key(vk::F7));
    ASSERT_TRUE(Session->Key(vk::F7));
    ASSERT_EQ(Text("Edit_DenpNo"), "         8");
    ASSERT_TRUE(Session->Click("Label_Job_06"));
    Enter("Edit_Jisya_Denban", "100", true);
    EXPECT_EQ(Denpyou_LastNo, 100);
    EXPECT_EQ(Text("Edit_DenpNo"), "         8");
    ASSERT_TRUE(Session->Click("Label_Job_01"));
    ASSERT_TRUE(Session->Key(vk::F9));
    EXPECT_EQ(Text("Edit_DenpNo"), "       101");
}

// A field the file does not take: the user is told, and the input and the
// field show what the file holds; a rounding button shows the group as the
// file holds it.
TEST_F(JisyaTest, AFieldTheFileDoesNotTakeShowsTheFilesValue) {
    StartOn(JisyaRecord({{JisyaField_Tel, "03-1111-2222"}}));
    FileFault_DiskFull(0);
    Enter("Edit_Jisya_Tel", "06-9999", true);
    EXPECT_EQ(Session->Messages(), std::vector<std::string>{"Jisya.620を保存できませんでした。"});
    EXPECT_EQ(Text("Edit_Jisya_Tel"), "03-1111-2222  ");
    EXPECT_EQ(Field(JisyaField_Tel), "03-1111-2222  ");
    EXPECT_EQ(Session->FocusedName(), "Edit_Jisya_Fax");

    ASSERT_TRUE(Session->Click("RadioButton_Jisya_Kiriage"));
    EXPECT_EQ(Session->Messages().size(), 2u);
    EXPECT_EQ(Field(JisyaField_Hasuu), " ");
    EXPECT_TRUE(Checked("RadioButton_Jisya_SisyaGonyuu"));
    EXPECT_FALSE(Checked("RadioButton_Jisya_Kiriage"));
    EXPECT_EQ(Session->FocusedName(), "RadioButton_Jisya_SisyaGonyuu");

    // A box ticked and a footer button left: each as the file holds it.
    ASSERT_TRUE(Session->Click("CheckBox_DenbanPrint"));
    EXPECT_FALSE(Checked("CheckBox_DenbanPrint"));
    ASSERT_TRUE(Session->Click("RadioButton_DenpyouBothNotPrint"));
    ASSERT_TRUE(Session->Key(vk::Return));
    EXPECT_EQ(Field(JisyaField_BikouPrint), " ");
    EXPECT_TRUE(Checked("RadioButton_DenpyouBikouPrint"));
    EXPECT_EQ(Session->Messages().size(), 4u);
    FileFault_Reset();
    EXPECT_EQ(FileAt(186, 14), "03-1111-2222  ");
}

// Every step of the last number's Return failing in turn: the last number,
// the new document's number and the number in the file agree (the field
// written, or not, and the user told).
TEST(JisyaFaultSteps, TheLastNumbersReturnNeverDisagreesWithTheFile) {
    std::unique_ptr<THeadlessSession> session;
    const int failed = FaultSteps_Each(
        [&](const std::function<void()>& arm) {
            session = std::make_unique<THeadlessSession>();
            ASSERT_TRUE(session->WriteFile(Jisya_Path, JisyaRecord({{JisyaField_Denban, "         7"}})));
            ASSERT_TRUE(session->Start());
            ASSERT_TRUE(session->Click("Label_Job_06"));
            ASSERT_TRUE(session->Click("Edit_Jisya_Denban"));
            ASSERT_TRUE(session->Key(vk::Back));
            ASSERT_TRUE(session->Type("123"));
            arm();
            ASSERT_TRUE(session->Key(vk::Return));
        },
        [&] {
            const std::string file = session->ReadFile(Jisya_Path).value_or("");
            ASSERT_EQ(file.size(), 1000u);
            const std::string number = file.substr(231, 10);
            EXPECT_TRUE(number == "         7" || number == "       123") << number;
            // Told whenever the number did not reach the file (a journal
            // that is not removed after the write went through is no failure).
            if (number == "         7") {
                EXPECT_EQ(session->Messages(), std::vector<std::string>{"Jisya.620を保存できませんでした。"});
            }
            EXPECT_EQ(Num_FormatInt(Denpyou_LastNo, 10), number);
            EXPECT_EQ(session->TextOf("Edit_DenpNo").value_or(""), Num_FormatInt(Denpyou_LastNo + 1, 10));
        });
    EXPECT_GE(failed, 4);  // the field's and the record's journal and data writes at least
}

}  // namespace
