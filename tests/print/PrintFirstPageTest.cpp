// Page 1's head: addressee, greeting, own company, construction data, dates,
// footer, captions, total amount, bank block and their rules.
#include <array>
#include <string>

#include "PrintFixture.h"
#include "editor/Display.h"

namespace {

class FirstPageTest : public PrintTest {
protected:
    void SetUp() override { WriteCustomers(); }
    // A described estimate for the first customer with the own company set up.
    void StartEstimate(int offsetX = 0, int offsetY = 0) {
        Start(offsetX, offsetY);
        SetOwn(JisyaField_PR, "電気工事一式");
        SetOwn(JisyaField_Name, "北電設株式会社");
        SetOwn(JisyaField_Yakusyoku, "代表取締役");
        SetOwn(JisyaField_Daihyousya, "北  一郎");
        SetOwn(JisyaField_Adr_2, "札幌市北区");
        SetOwn(JisyaField_Adr_3, "北7条西5丁目");
        SetOwn(JisyaField_Tel, "011-111-2222");
        SetOwn(JisyaField_Fax, "011-111-3333");
        SetOwn(JisyaField_Naiyou, "工事名");
        SetOwn(JisyaField_Basyo, "場  所");
        SetOwn(JisyaField_BikouPrint, "1");
        SetField(DenpyouField_KoujiName_1, "本社ビル");
        SetField(DenpyouField_KoujiName_2, "照明改修工事");
        SetField(DenpyouField_Place, "札幌市中央区");
        SetField(DenpyouField_Bikou, "備考の文");
        SetField(DenpyouField_MakeYear, "2025");
        SetField(DenpyouField_MakeMonth, " 4");
        SetField(DenpyouField_MakeDay, " 1");
        SetField(DenpyouField_YoukouYear, "2019");
        SetField(DenpyouField_YoukouMonth, " 4");
        SetField(DenpyouField_YoukouDay, "30");
        SetField(DenpyouField_Goukei, "1234567", true);
        CheckKind("RadioButton_Mitumori");
        Describe(1);
    }
    std::string FontAt(int x, int y) {
        for (const auto& t : Page(1).Texts)
            if (t.X == X(x) && t.Y == Y(y)) return t.Font.Name + " " + std::to_string(t.Font.Size);
        return "<none>";
    }
};

TEST_F(FirstPageTest, EstimateHeadAtItsPositionsWithMarginsAndOffsets) {
    StartEstimate(30, 45);
    Print_LeftMargin = 4;
    Print_TopMargin = 6;
    SetOwn(JisyaField_DenbanPrint, "1");
    SetOwn(JisyaField_AllPagePrint, "1");
    Denpyou_Print(PrintView_Gather());

    const struct {
        int x, y;
        std::string text, font;
    } rows[] = {
        {158, 5, "         1", "ＭＳ ゴシック 10"},
        {80, 20, "全  1ページ", "ＭＳ ゴシック 10"},
        {144, 15, "令和  7年  4月  1日", "ＭＳ ゴシック 10"},
        {5, 23, "札幌市中央区  大通西1丁目", "ＭＳ 明朝 11"},
        {5, 32, "山田電気  様    ", "ＭＳ 明朝 14"},
        {10, 40, "下記の通り御見積もり申し上げます。", "ＭＳ 明朝 11"},
        {103, 31, Padded("電気工事一式", 40), "ＭＳ 明朝 10"},
        {107, 36, Padded("北電設株式会社", 40), "ＭＳ 明朝 14"},
        {110, 43, "代表取締役  北  一郎", "ＭＳ 明朝 12"},
        {110, 49, "札幌市北区  北7条西5丁目", "ＭＳ 明朝 10"},
        {110, 53, "TEL 011-111-2222  ", "ＭＳ 明朝 10"},
        {145, 53, "FAX 011-111-3333  ", "ＭＳ 明朝 10"},
        {25, 58, Padded("本社ビル", 40), "ＭＳ 明朝 11"},
        {25, 63, Padded("照明改修工事", 40), "ＭＳ 明朝 11"},
        {25, 70, Padded("札幌市中央区", 40), "ＭＳ 明朝 11"},
        {135, 63, "平成 31年  4月 30日", "ＭＳ 明朝 11"},
        {135, 70, "令和  7年  4月  1日", "ＭＳ 明朝 11"},
        {5, 51, "合計金額：", "ＭＳ ゴシック 11"},
        {5, 59, "工事名  ", "ＭＳ ゴシック 11"},
        {21, 59, "：", "ＭＳ ゴシック 11"},
        {115, 63, "有効期限：", "ＭＳ ゴシック 11"},
        {5, 70, "場  所  ", "ＭＳ ゴシック 11"},
        {21, 70, "：", "ＭＳ ゴシック 11"},
        {115, 70, "作 成 日：", "ＭＳ ゴシック 11"},
        {26, 50, "\\1,234,567-", "ＭＳ 明朝 18"},
        {84, 272, "-  1-", "ＭＳ ゴシック 10"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(TextAt(1, row.x, row.y), row.text);
        EXPECT_EQ(FontAt(row.x, row.y), row.font);
    }
    EXPECT_EQ(X(5), 10 * (10 + 4 + 5) + 30);
    EXPECT_EQ(Y(23), 10 * (2 + 6 + 23) + 45);
    EXPECT_EQ(Find(1, "振込先金融機関"), nullptr);  // an estimate has no bank block

    for (const auto& rule : {std::array{144, 19, 178, 19}, std::array{5, 39, 80, 39}, std::array{5, 56, 69, 56},
                             std::array{5, 68, 110, 68}, std::array{115, 68, 180, 68}, std::array{5, 75, 110, 75},
                             std::array{115, 75, 180, 75}})
        EXPECT_EQ(LineWidth(1, rule[0], rule[1], rule[2], rule[3]), 1) << rule[0] << " " << rule[1];
}

TEST_F(FirstPageTest, AddressesJoinUpTo56BytesElseTakeTwoLines) {
    StartEstimate();
    const std::string city20(20, 'C'), street36(36, 'S'), street37(37, 'S');
    struct {
        std::string street, ownStreet;
        bool joined;
        int phoneY;
    } rows[] = {{street36, street36, true, 53}, {street37, street37, false, 57}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.street.size());
        ASSERT_TRUE(Session.WriteFile("Data\\Kokyaku.620", KokyakuRecord("山田電気", city20, row.street)));
        SetField(DenpyouField_KokyakuName_1, "山田電気");
        SetOwn(JisyaField_Adr_2, city20);
        SetOwn(JisyaField_Adr_3, row.ownStreet);
        Describe(1);
        Denpyou_Print(PrintView_Gather());
        if (row.joined) {
            EXPECT_EQ(TextAt(1, 5, 23), city20 + "  " + row.street);
            EXPECT_EQ(TextAt(1, 5, 19), "<none>");
            EXPECT_EQ(TextAt(1, 110, 49), city20 + "  " + row.ownStreet);
        } else {
            EXPECT_EQ(TextAt(1, 5, 19), city20);
            EXPECT_EQ(TextAt(1, 5, 23), Padded(row.street, 40));
            EXPECT_EQ(TextAt(1, 110, 49), city20);
            EXPECT_EQ(TextAt(1, 115, 53), Padded(row.ownStreet, 40));
        }
        EXPECT_EQ(TextAt(1, 110, row.phoneY), "TEL 011-111-2222  ");
        EXPECT_EQ(TextAt(1, 145, row.phoneY), "FAX 011-111-3333  ");
    }
}

// A name that no customer has prints empty address lines, not the address
// of the customer looked up before.
TEST_F(FirstPageTest, UnknownCustomerPrintsEmptyAddressLines) {
    StartEstimate();
    ASSERT_GT(Kokyaku_FindByName(Padded("佐藤工務店", 40).c_str(), std::string(40, ' ').c_str()), 0);
    SetField(DenpyouField_KokyakuName_1, "鈴木商店");
    Denpyou_Print(PrintView_Gather());
    EXPECT_EQ(TextAt(1, 5, 19), std::string(20, ' '));
    EXPECT_EQ(TextAt(1, 5, 23), std::string(40, ' '));
    EXPECT_EQ(TextAt(1, 5, 32), "鈴木商店  様    ");
}

TEST_F(FirstPageTest, AddressNotPrintedWhenTheSettingSaysSo) {
    StartEstimate();
    SetOwn(JisyaField_KokyakuAddress, "1");
    Denpyou_Print(PrintView_Gather());
    EXPECT_EQ(TextAt(1, 5, 19), "<none>");
    EXPECT_EQ(TextAt(1, 5, 23), "<none>");
}

TEST_F(FirstPageTest, NamesAndTheHonorific) {
    const std::string name31(31, 'N'), name32(32, 'N');
    const struct {
        std::string name1, name2, keisyou;
        std::string at26, at32, at80;
    } rows[] = {
        {"山田電気", "", "", "<none>", "山田電気  様    ", "<none>"},
        {"山田電気", "", "御中", "<none>", "山田電気  御中  ", "<none>"},
        {"  札幌支店  ", name31, "", "札幌支店", name31 + "  様    ", "<none>"},
        {"札幌支店", name32, "", "札幌支店", name32, "様    "},
        {name32, "", "", "<none>", Padded(name32, 40), "様    "},
    };
    StartEstimate();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.at32);
        SetField(DenpyouField_KokyakuName_1, row.name1);
        SetField(DenpyouField_KokyakuName_2, row.name2);
        SetField(DenpyouField_Keisyou, row.keisyou);
        Denpyou_ShowHeader();  // the honorific as the editor shows it
        Describe(1);
        Denpyou_Print(PrintView_Gather());
        EXPECT_EQ(TextAt(1, 5, 26), row.at26);
        EXPECT_EQ(TextAt(1, 5, 32), row.at32);
        EXPECT_EQ(TextAt(1, 80, 32), row.at80);
    }
}

TEST_F(FirstPageTest, CompanyNameSizeFollowsItsLength) {
    StartEstimate();
    for (const auto& [length, size] : {std::pair{19, 14}, {20, 12}, {29, 12}, {30, 9}}) {
        SCOPED_TRACE(length);
        SetField(DenpyouField_KokyakuName_1, "山田電気");
        SetOwn(JisyaField_Name, std::string(static_cast<size_t>(length), 'K'));
        Describe(1);
        Denpyou_Print(PrintView_Gather());
        EXPECT_EQ(FontAt(107, 36), "ＭＳ 明朝 " + std::to_string(size));
    }
}

// The footer: the creation date unless a setting or the preview's box says
// no date, the remarks cut at 20 bytes, or nothing (and no rule).
TEST_F(FirstPageTest, FooterModes) {
    StartEstimate();
    auto* noDate = Session.ControlAs<TCheckBox>("CheckBox_MakeDayNotPrint");
    const struct {
        const char *mode, *noDateSetting;
        bool boxChecked;
        std::string bikou;
        std::string caption, value;
        int rule;
    } rows[] = {
        {"1", " ", false, "", "作 成 日：", "令和  7年  4月  1日", 1},
        {"1", "1", false, "", "作 成 日：", std::string(18, ' '), 1},
        {"1", " ", true, "", "作 成 日：", std::string(18, ' '), 1},
        {" ", " ", false, "短い備考", "備    考：", Padded("短い備考", 20), 1},
        // 19 bytes and a double-byte character: cut before it.
        {" ", " ", false, std::string(19, 'b') + "字の続き", "備    考：", std::string(19, 'b') + " ", 1},
        {"2", " ", false, "備考", "<none>", "<none>", -1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.mode) + row.value);
        SetField(DenpyouField_KokyakuName_1, "山田電気");
        SetField(DenpyouField_MakeYear, "2025");
        SetField(DenpyouField_MakeMonth, " 4");
        SetField(DenpyouField_MakeDay, " 1");
        SetField(DenpyouField_Bikou, row.bikou);
        SetOwn(JisyaField_BikouPrint, row.mode);
        SetOwn(JisyaField_DateNoPrint, row.noDateSetting);
        noDate->SetChecked(row.boxChecked);
        Describe(1);
        Denpyou_Print(PrintView_Gather());
        EXPECT_EQ(TextAt(1, 115, 70), row.caption);
        EXPECT_EQ(TextAt(1, 135, 70), row.value);
        EXPECT_EQ(LineWidth(1, 115, 75, 180, 75), row.rule);
    }
}

// An estimate request names no customer and prints no construction data,
// footer value or total; its captions stay.
TEST_F(FirstPageTest, EstimateRequestPrintsOnlyTheHonorificAndCaptions) {
    StartEstimate();
    CheckKind("RadioButton_Irai");
    Denpyou_Print(PrintView_Gather());
    EXPECT_EQ(TextAt(1, 80, 32), "様    ");
    EXPECT_EQ(FontAt(80, 32), "ＭＳ 明朝 14");
    for (const auto& [x, y] : {std::pair{5, 19}, {5, 23}, {5, 26}, {5, 32}, {25, 58}, {25, 63}, {25, 70},
                               {135, 63}, {135, 70}, {26, 50}})
        EXPECT_EQ(TextAt(1, x, y), "<none>") << x << " " << y;
    EXPECT_EQ(TextAt(1, 5, 51), "合計金額：");
    EXPECT_EQ(TextAt(1, 5, 59), "工事名  ");
    EXPECT_EQ(TextAt(1, 115, 70), "作 成 日：");
    EXPECT_EQ(TextAt(1, 107, 36), Padded("北電設株式会社", 40));
}

TEST_F(FirstPageTest, InvoiceHasTheBankBlockAndNoValidity) {
    StartEstimate();
    SetOwn(JisyaField_Kouza_1, "北洋銀行 本店 普通 1234567");
    SetOwn(JisyaField_KouzaMeigi_1, "ｷﾀﾃﾞﾝｾﾂ(ｶ");
    for (const char* button : {"RadioButton_Seikyuu", "RadioButton_Utiwake"}) {
        SCOPED_TRACE(button);
        SetField(DenpyouField_KokyakuName_1, "山田電気");
        SetField(DenpyouField_YoukouYear, "2025");
        CheckKind(button);
        Describe(1);
        Denpyou_Print(PrintView_Gather());
        const bool invoice = std::string(button) == "RadioButton_Seikyuu";
        EXPECT_EQ(TextAt(1, 5, 262), invoice ? "振込先金融機関" : "<none>");
        EXPECT_EQ(TextAt(1, 32, 262), invoice ? Padded("北洋銀行 本店 普通 1234567", 54) : "<none>");
        EXPECT_EQ(TextAt(1, 32, 266), invoice ? Padded("ｷﾀﾃﾞﾝｾﾂ(ｶ", 60) : "<none>");
        EXPECT_EQ(TextAt(1, 115, 63), "<none>");
        EXPECT_EQ(TextAt(1, 135, 63), "<none>");
        EXPECT_EQ(LineWidth(1, 115, 68, 180, 68), -1);
    }
}

TEST_F(FirstPageTest, TotalAmountWithTheYenSign) {
    StartEstimate();
    for (const auto& [stored, printed] : {std::pair<std::string, std::string>{"1234567", "\\1,234,567-"},
                                          {"", "\\0-"},
                                          {"-1234", "\\-1,234-"},
                                          {"-123", "\\-123-"}}) {
        SCOPED_TRACE(printed);
        SetField(DenpyouField_KokyakuName_1, "山田電気");
        SetField(DenpyouField_Goukei, stored, true);
        Describe(1);
        Denpyou_Print(PrintView_Gather());
        EXPECT_EQ(TextAt(1, 26, 50), printed);
    }
}

}  // namespace
