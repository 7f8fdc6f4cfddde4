// The print preview filled from the document, the customer file and the
// own-company record; a print that fails at the printer; the settings it
// shows at start-up.
#include <string>

#include "PrintFixture.h"
#include "editor/Display.h"
#include "editor/Grid.h"
#include "print/preview/PrintView.h"
#include "store/Str.h"
#include "store/Tanni.h"
#include "ui/Focus.h"

namespace {

class PrintViewTest : public PrintTest {
protected:
    void SetUp() override { WriteCustomers(); }
    // F3 from the editor's first header field, the document set in its
    // fields shown first (leaving a field commits what it shows).
    void Open() {
        Denpyou_ShowHeader();
        Session.Control("Edit_DenpKokyakuName_1")->SetFocus();
        ASSERT_TRUE(Session.Key(vk::F3));
        ASSERT_TRUE(Session.Control("Panel_PrintView")->Visible());
    }
    std::string Caption(const std::string& name) { return Session.TextOf(name).value_or("<none>"); }
    bool Visible(const std::string& name) { return Session.Control(name)->Visible(); }
};

// The address of the customer with the document's names; a name no customer
// has shows no address at all, not the one looked up before.
TEST_F(PrintViewTest, CustomerAddressOnlyOfTheCustomerFound) {
    Start();
    SetField(DenpyouField_KokyakuName_1, "佐藤工務店");
    Open();
    EXPECT_EQ(Caption("Label_Panel_PrintView_KokyakuAddress_1"), Padded("函館市", 20));
    EXPECT_EQ(Caption("Label_Panel_PrintView_KokyakuAddress_2"), Padded("本町2番", 40));
    EXPECT_EQ(Kokyaku_CurRec, 2);

    SetField(DenpyouField_KokyakuName_1, "未登録の顧客");
    Open();
    EXPECT_EQ(Caption("Label_Panel_PrintView_KokyakuAddress_1"), std::string(20, ' '));
    EXPECT_EQ(Caption("Label_Panel_PrintView_KokyakuAddress_2"), std::string(40, ' '));
    EXPECT_EQ(Caption("Label_Panel_PrintView_Kokyaku_2"), Padded("未登録の顧客", 40));
    // The failed lookup leaves the current customer as it was.
    EXPECT_EQ(Kokyaku_CurRec, 2);

    // The own-company setting "do not print the address".
    SetField(DenpyouField_KokyakuName_1, "山田電気");
    SetOwn(JisyaField_KokyakuAddress, "1");
    Open();
    EXPECT_EQ(Caption("Label_Panel_PrintView_KokyakuAddress_1"), "");
    EXPECT_EQ(Kokyaku_CurRec, 1);
}

// Title and representative on one label when they join; the address on one
// line when its two parts fit 56 bytes, else on two; the telephone mask.
TEST_F(PrintViewTest, OwnCompanyBlock) {
    Start();
    SetOwn(JisyaField_Yakusyoku, "代表取締役");
    SetOwn(JisyaField_Daihyousya, "北  一郎");
    SetOwn(JisyaField_Adr_2, "札幌市北区");
    SetOwn(JisyaField_Adr_3, "北7条西5丁目");
    SetOwn(JisyaField_Tel, "011-111-2222");
    Open();
    EXPECT_EQ(Caption("Label_Panel_PrintView_JisyaYakusyoku"), "代表取締役  北  一郎");
    EXPECT_EQ(Session.Control("Label_Panel_PrintView_JisyaYakusyoku")->Width, 283);
    EXPECT_EQ(Caption("Label_Panel_PrintView_JisyaDaihyousya"), "");
    EXPECT_EQ(Caption("Label_Panel_PrintView_Address_1"), "札幌市北区  北7条西5丁目");
    EXPECT_EQ(Caption("Label_Panel_PrintView_Address_2"), "");
    EXPECT_EQ(Caption("Label_Panel_PrintView_Tel"), "TEL 011-111-2222    Fax               ");

    // 20 + 37 bytes: two lines, each field as stored (the join never writes
    // past its 58-byte buffer).
    const std::string city(20, 'c'), street(37, 's');
    SetOwn(JisyaField_Adr_2, city);
    SetOwn(JisyaField_Adr_3, street);
    SetOwn(JisyaField_Yakusyoku, "");
    SetOwn(JisyaField_Daihyousya, "");
    Open();
    EXPECT_EQ(Caption("Label_Panel_PrintView_Address_1"), city);
    EXPECT_EQ(Caption("Label_Panel_PrintView_Address_2"), Padded(street, 40));
    EXPECT_EQ(Session.Control("Label_Panel_PrintView_JisyaYakusyoku")->Width, 80);
}

// Dates in era years: Heisei up to April 2019, Reiwa from May 2019.
TEST_F(PrintViewTest, CreationDateEras) {
    Start();
    SetOwn(JisyaField_BikouPrint, "1");
    const struct {
        const char *year, *month;
        const char *era, *shown;
    } rows[] = {
        {"2019", " 4", "平成", "31"}, {"2019", " 5", "令和", " 1"}, {"2018", "12", "平成", "30"},
        {"2020", " 1", "令和", " 2"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.year) + row.month);
        SetField(DenpyouField_MakeYear, row.year);
        SetField(DenpyouField_MakeMonth, row.month);
        Open();
        EXPECT_EQ(Caption("Label_Panel_PrintView_MakeWareki"), row.era);
        EXPECT_EQ(Caption("Label_Panel_PrintView_MakeYear"), row.shown);
        EXPECT_EQ(Caption("Label_Panel_PrintView_MakeMonth"), row.month);
    }
}

// The footer setting: remarks, creation date with its box, or neither.
TEST_F(PrintViewTest, FooterModes) {
    Start();
    SetField(DenpyouField_Bikou, "至急");
    const struct {
        const char* mode;
        const char* caption;
        bool remarks, date, underline;
    } rows[] = {
        {" ", "備  考", true, false, true},
        {"1", "作成日", false, true, true},
        {"2", "", false, false, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.mode);
        SetOwn(JisyaField_BikouPrint, row.mode);
        Open();
        EXPECT_EQ(Caption("Label_PrintView_Makeday_Bikou"), row.caption);
        EXPECT_EQ(Visible("Label_Prn_Bikou"), row.remarks);
        EXPECT_EQ(Visible("Label_Panel_PrintView_MakeYear"), row.date);
        EXPECT_EQ(Visible("CheckBox_MakeDayNotPrint"), row.date);
        EXPECT_EQ(Visible("Shape135"), row.underline);
    }
}

// A job the printer loses when it ends stores nothing: the document, its
// record number, the invoice's issue date and the editor stay as they were,
// and the preview keeps the focus.
TEST_F(PrintViewTest, JobLostAtItsEndStoresNothing) {
    Start();
    CheckKind("RadioButton_Seikyuu");
    SetField(DenpyouField_SeikyuuYear, "2020");
    Describe(3);
    Open();
    Session.RecordingPrinter().FailNextJob(TPrintFault::AtEnd);
    const int curRec = Denpyou_CurRec, focusCode = Focus_Code;
    ASSERT_TRUE(Session.Click("Label_PanelPrintView_F1"));

    ASSERT_NE(Session.RecordingPrinter().LastJob(), nullptr);
    EXPECT_FALSE(Session.RecordingPrinter().LastJob()->Finished);
    EXPECT_EQ(Session.ReadFile("Data\\Denpyou.620").value_or("<none>"), "");
    EXPECT_EQ(Denpyou_CurRec, curRec);
    EXPECT_EQ(Focus_Code, focusCode);
    EXPECT_EQ(std::string(Denpyou_Field[DenpyouField_SeikyuuYear]), "2020");
    EXPECT_EQ(std::string(Denpyou_Field[DenpyouField_KokyakuName_1]), Padded("山田電気", 40));
    EXPECT_EQ(Session.FocusedName(), "Edit_PanelPrintView_Year");
    EXPECT_TRUE(Visible("Panel_PrintView"));
}

// Every F3 command puts the preview's price captions and remarks back to
// their plain state first, also when it only moves the grid's cursor in a
// chooser (the bar's F3 with the unit chooser open) and the preview of an
// estimate request is still filled.
TEST_F(PrintViewTest, F3ResetsThePriceCaptionsWhateverFollows) {
    Start();
    SetField(DenpyouField_Bikou, "至急");
    SetOwn(JisyaField_BikouPrint, " ");
    CheckKind("RadioButton_Irai");
    Describe(6);
    Open();
    EXPECT_EQ(Caption("Label184"), "仕切");
    EXPECT_EQ(Caption("Label185"), "定価");
    ASSERT_TRUE(Visible("Label_Prn_Bikou"));
    ASSERT_TRUE(Session.Click("Label_PanelPrintView_F9"));

    Str_Pad("式", Tanni_List[0], 6, 0);
    Tanni_Count = 1;
    Denpyou_ShowLines();
    ASSERT_TRUE(Session.Click("Edit_DenpTanni_05"));
    ASSERT_TRUE(Visible("Panel_Tanni"));
    const int row = Denpyou_CurRow;
    ASSERT_TRUE(Session.Click("Label_Command_01_F3"));
    EXPECT_EQ(Denpyou_CurRow, row - 1);
    EXPECT_FALSE(Visible("Panel_PrintView"));
    EXPECT_EQ(Caption("Label184"), "単価");
    EXPECT_EQ(Caption("Label185"), "金額");
    EXPECT_FALSE(Visible("Label_Prn_Bikou"));
}

// Start-up shows the stored margins, captions and no-date box without
// writing the own-company record.
TEST(PrintViewStartTest, ShowsTheStoredSettings) {
    THeadlessSession session;
    std::string jisya(static_cast<size_t>(Jisya_RecLen), ' ');
    jisya.back() = '\n';
    auto put = [&jisya](int field, const std::string& text) {
        int at = 0;
        for (int k = 0; k < field; ++k) at += Jisya_FieldWidth[k];
        jisya.replace(static_cast<size_t>(at), text.size(), text);
    };
    put(JisyaField_TopMargin, "10");
    put(JisyaField_LeftMargin, "-4");
    put(JisyaField_Naiyou, "件名");
    put(JisyaField_DateNoPrint, "1");
    ASSERT_TRUE(session.WriteFile("Data\\Jisya.620", jisya));
    ASSERT_TRUE(session.Start());

    EXPECT_EQ(Print_TopMargin, 10);
    EXPECT_EQ(Print_LeftMargin, -4);
    for (const char* screen : {"Denpyou", "DenpyouList"}) {
        EXPECT_EQ(session.TextOf(std::string("Edit_Panel_") + screen + "_TopMargine"), "10");
        EXPECT_EQ(session.TextOf(std::string("Edit_Panel_") + screen + "_LeftMargine"), "-4");
    }
    EXPECT_EQ(session.TextOf("Label_Panel_PrintView_Naiyou"), "件名    ");
    EXPECT_TRUE(session.ControlAs<TCheckBox>("CheckBox_MakeDayNotPrint")->Checked());
    EXPECT_EQ(session.ReadFile("Data\\Jisya.620"), jisya);
}

}  // namespace
