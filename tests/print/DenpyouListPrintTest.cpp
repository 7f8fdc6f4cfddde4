// The document list printed on the recording printer (254 dots per inch:
// 1 mm = 10 dots): both layouts with their texts and positions, the pages,
// frames, margins and physical offsets, the era year in two cells, totals,
// and a job that fails.
#include <initializer_list>
#include <utility>

#include "platform/Application.h"
#include "platform/FileFault.h"
#include "print/PrintMargins.h"
#include "print/list/DenpyouListPage.h"
#include "print/list/DenpyouListPrint.h"
#include "store/Jisya.h"
#include "store/MasterFields.h"
#include "tests/print/ListFixture.h"
#include "ui/Flags.h"
#include "ui/Focus.h"

namespace {

// width blanks with each text at its column.
std::string Columns(int width, std::initializer_list<std::pair<int, std::string>> texts) {
    std::string line(static_cast<size_t>(width), ' ');
    for (const auto& [column, text] : texts) line.replace(static_cast<size_t>(column), text.size(), text);
    return line;
}
std::string Pad(const std::string& text, int width) { return text + std::string(width - text.size(), ' '); }

class ListPrintTest : public ListTest {
protected:
    void TearDown() override {
        Print_LeftMargin = Print_TopMargin = 0;
        Application_Install(TApplicationBackend{});
    }
    // Documents 1 ... n found, printed.
    const TPrintJob& Print(int n, bool allCustomers) {
        std::vector<int> hits;
        for (int i = 1; i <= n; ++i) hits.push_back(i);
        SetHits(hits);
        AllCustomerPage(allCustomers);
        DenpyouList_Print();
        return *Session.RecordingPrinter().LastJob();
    }
    static std::vector<int> Line(const TPrintedLine& l) { return {l.X1, l.Y1, l.X2, l.Y2}; }
};

TEST_F(ListPrintTest, OneCustomerLayoutAtTheMarginsAndOffsets) {
    TListDocSpec estimate, invoice, breakdown;
    estimate.Kouji_1 = "本社改修", estimate.Kouji_2 = "二期", estimate.Total = "1234567";
    invoice.Kind = DenpyouKind_Seikyuu, invoice.Day = "15", invoice.Total = "500";
    invoice.IssueYear = "2025", invoice.IssueMonth = " 5", invoice.IssueDay = " 1";  // printed: creation date
    breakdown.Kind = DenpyouKind_Utiwake;
    Session.RecordingPrinter().SetOffsets(30, 40);
    Start({estimate, invoice, breakdown});
    Customer("山田電気", "本店");
    Range("2025", " 4", " 1", "2025", " 4", "30");
    Str_Pad("施工名", Jisya_Field[JisyaField_Naiyou], 8, 0);
    Print_LeftMargin = 3, Print_TopMargin = 4;
    const TPrintJob& job = Print(3, false);

    EXPECT_TRUE(job.Finished);
    EXPECT_EQ(job.Paper, TPaperSize::psA4);
    EXPECT_EQ(job.Copies, 1);
    EXPECT_EQ(job.Orientation, TPrinterOrientation::poLandscape);
    ASSERT_EQ(job.Pages.size(), 1u);
    const TPrintedPage& page = job.Pages[0];
    // x = (3 + 0) mm and y = (4 + y) mm, plus the offsets.
    auto at = [](int ymm) { return std::pair<int, int>{30 + 30, 40 + 10 * (4 + ymm)}; };
    const std::vector<std::pair<std::pair<int, int>, std::string>> expected = {
        {at(3), "   25年 4月 1日～25年 4月30日までの【" + Pad("山田電気", 40) + Pad("本店", 40) + "】  全伝票    1/  1"},
        {at(9), Columns(125, {{0, "   伝票番号   作成日"}, {25, "施工名  "}, {117, "金    額"}})},
        {at(15), Columns(134, {{1, "         1"}, {12, " 7"}, {16, " 4"}, {20, " 1"}, {25, "本社改修"},
                               {65, "二期"}, {113, "   1,234,567"}, {126, "見積書  "}})},
        {at(20), Columns(134, {{1, "         2"}, {12, " 7"}, {16, " 4"}, {20, "15"},
                               {113, "         500"}, {126, "請求書  "}})},
        {at(25), Columns(134, {{1, "         3"}, {12, " 7"}, {16, " 4"}, {20, " 1"}, {126, "内訳書  "}})},
    };
    ASSERT_EQ(page.Texts.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(page.Texts[i].Text, expected[i].second) << i;
        EXPECT_EQ(std::pair(page.Texts[i].X, page.Texts[i].Y), expected[i].first) << i;
        EXPECT_EQ(page.Texts[i].Font, (TPrinterFont{"ＭＳ ゴシック", 11, clBlack, false})) << i;
    }
    // The frame from (L, T + 14) down, across, up and back; 33 rules 5 mm
    // apart from its top edge.
    ASSERT_EQ(page.Lines.size(), 4u + 33u);
    EXPECT_EQ(Line(page.Lines[0]), (std::vector<int>{60, 220, 60, 1930}));
    EXPECT_EQ(Line(page.Lines[1]), (std::vector<int>{60, 1930, 2760, 1930}));
    EXPECT_EQ(Line(page.Lines[2]), (std::vector<int>{2760, 1930, 2760, 220}));
    EXPECT_EQ(Line(page.Lines[3]), (std::vector<int>{2760, 220, 60, 220}));
    EXPECT_EQ(Line(page.Lines[4]), (std::vector<int>{60, 220, 2760, 220}));
    EXPECT_EQ(Line(page.Lines[36]), (std::vector<int>{60, 1820, 2760, 1820}));
    for (const TPrintedLine& l : page.Lines) EXPECT_EQ(l.Pen.Width, 1);
    EXPECT_EQ(Popup_Lock, Flag_False);
}

TEST_F(ListPrintTest, AllCustomerLayoutTakesTwoLinesADocument) {
    TListDocSpec d;
    d.Name_1 = "山田電気", d.Name_2 = "本店", d.Kouji_1 = "本社改修", d.Kouji_2 = "二期", d.Total = "98000";
    Start({d, d});
    Range("2025", "4", "1", "", "5", "");
    const TPrintJob& job = Print(2, true);
    ASSERT_EQ(job.Pages.size(), 1u);
    const TPrintedPage& page = job.Pages[0];
    const std::string line1 = Columns(134, {{1, "         1"}, {12, " 7"}, {16, " 4"}, {20, " 1"}, {25, "山田電気"},
                                            {67, "本社改修"}, {126, "見積書  "}});
    const std::string line2 = Columns(132, {{25, "本店"}, {67, "二期"}, {113, "      98,000"}});
    const std::vector<std::pair<int, std::string>> expected = {
        {30, "   25年 4月 1日～  年 5月  日までの全顧客伝票一覧    全伝票     1/  1"},
        {90, Columns(121, {{0, "   伝票番号   作成日     顧客名"}, {67, "工事名  "}, {113, "金    額"}})},
        {150, line1},
        {200, line2},
        {250, Columns(134, {{1, "         2"}}).replace(12, 122, line1.substr(12))},
        {300, line2},
    };
    ASSERT_EQ(page.Texts.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(page.Texts[i].Text, expected[i].second) << i;
        EXPECT_EQ(page.Texts[i].Y, expected[i].first) << i;
        EXPECT_EQ(page.Texts[i].X, 0) << i;
    }
    // 17 rules 10 mm apart.
    ASSERT_EQ(page.Lines.size(), 4u + 17u);
    EXPECT_EQ(Line(page.Lines[20]), (std::vector<int>{0, 1740, 2700, 1740}));
}

TEST_F(ListPrintTest, DocumentsAPageAndPageNumbers) {
    Start(std::vector<TListDocSpec>(36));
    struct {
        int Documents;
        bool AllCustomers;
        std::vector<int> LinesOnPages;
    } cases[] = {
        {10, false, {10}}, {35, false, {35}}, {36, false, {35, 1}}, {17, true, {34}}, {18, true, {34, 2}},
    };
    for (const auto& c : cases) {
        const TPrintJob& job = Print(c.Documents, c.AllCustomers);
        ASSERT_EQ(job.Pages.size(), c.LinesOnPages.size()) << c.Documents;
        const int pages = static_cast<int>(c.LinesOnPages.size());
        for (int p = 0; p < pages; ++p) {
            const TPrintedPage& page = job.Pages[p];
            ASSERT_EQ(static_cast<int>(page.Texts.size()), 2 + c.LinesOnPages[p]) << c.Documents << " page " << p;
            char number[32];
            std::snprintf(number, sizeof number, "%3d/%3d", p + 1, pages);
            const std::string& title = page.Texts[0].Text;
            EXPECT_EQ(title.substr(title.size() - 7), number);
            // The last line printed, and the frame after it.
            EXPECT_EQ(page.Texts.back().Y, 150 + 50 * (c.LinesOnPages[p] - 1));
            EXPECT_EQ(page.Lines.size(), c.AllCustomers ? 21u : 37u);
        }
    }
}

TEST_F(ListPrintTest, EraYearInTwoCellsTotalsAndUnreadableRecords) {
    struct {
        const char *Year, *Month, *Total;
        const char *EraYear, *Printed;
    } cases[] = {
        {"2019", " 4", "", "31", "            "},         {"2019", " 5", "500", " 1", "         500"},
        {"2024", " 1", "1234567", " 6", "   1,234,567"}, {"2018", "12", "-1234", "30", "      -1,234"},
        {" 123", " 1", "-123", "  ", "        -123"},    {"", "", "1234567890", "  ", "1234,567,890"},
        {"9999", " 1", "0", "  ", "            "},
    };
    std::vector<TListDocSpec> docs;
    for (const auto& c : cases) {
        TListDocSpec d;
        d.Year = c.Year, d.Month = c.Month, d.Total = c.Total;
        docs.push_back(d);
    }
    docs.push_back(TListDocSpec{});
    Start(docs);
    // The last record's reads fail: its line is blank.
    FileFault_Plan(TFileOp::Read, 2 * static_cast<int>(docs.size()) - 1);
    const TPrintJob& job = Print(static_cast<int>(docs.size()), false);
    const std::vector<TPrintedText>& texts = job.Pages[0].Texts;
    for (size_t i = 0; i < std::size(cases); ++i) {
        const std::string& line = texts[2 + i].Text;
        EXPECT_EQ(line.size(), 134u);
        EXPECT_EQ(line.substr(11, 4), " " + std::string(cases[i].EraYear) + " ") << "[" << cases[i].Year << "]";
        EXPECT_EQ(line.substr(113, 12), cases[i].Printed) << cases[i].Total;
    }
    EXPECT_EQ(texts.back().Text.substr(0, 125), std::string(125, ' '));
}

TEST_F(ListPrintTest, OneKindPrintsNoKindWordAndTheTitleShowsIt) {
    Start(std::vector<TListDocSpec>(1));
    Customer("山田電気");
    Range("2025", "", "7", "12345", "0", "");
    for (const char* kind : {"RadioButton_MitumoriOnly", "RadioButton_SeikyuuOnly"}) {
        Kind(kind);
        const TPrintJob& job = Print(1, false);
        const std::vector<TPrintedText>& texts = job.Pages[0].Texts;
        EXPECT_EQ(texts[0].Text.substr(0, 29), "   25年  月 7日～45年  月  日");
        EXPECT_EQ(texts[0].Text.substr(121, 6), kind == std::string("RadioButton_MitumoriOnly") ? "見積書" : "請求書");
        EXPECT_EQ(texts[2].Text.size(), 132u);
    }
}

TEST_F(ListPrintTest, AFailedJobEndsQuietly) {
    std::vector<std::string> shown;
    Application_Install(TApplicationBackend{nullptr, [&](const std::string& m) { shown.push_back(m); }, nullptr});
    Start(std::vector<TListDocSpec>(3));
    Session.Control("Panel_DenpyouList")->Show();
    SetHits({1, 2, 3});
    DenpyouList_Top = 0;
    DenpyouList_ShowPage();
    const std::string editor = EditorDocument();
    const std::string row = Text("Label_Denpyou_List_No_03");

    Session.RecordingPrinter().FailNextJob(TPrintFault::AtStart);
    DenpyouList_Print();
    EXPECT_TRUE(Session.RecordingPrinter().Jobs().empty());
    Session.RecordingPrinter().FailNextJob(TPrintFault::AtEnd);
    DenpyouList_Print();
    ASSERT_EQ(Session.RecordingPrinter().Jobs().size(), 1u);
    EXPECT_FALSE(Session.RecordingPrinter().LastJob()->Finished);

    EXPECT_EQ(shown.size(), 2u);  // the printer layer told the user each time
    EXPECT_EQ(Popup_Lock, Flag_False);
    EXPECT_FALSE(Popup_LockHeldBy(Lock_DenpyouList));
    EXPECT_EQ(HitList(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(Text("Label_Denpyou_List_No_03"), row);
    EXPECT_EQ(EditorDocument(), editor);
}

// The search, both pages and the print read into the list's own buffers:
// the document in the editor, typed changes included, stays as it is, and
// no scratch file is written.
TEST_F(ListPrintTest, TheEditorsDocumentStaysAsItIs) {
    TListDocSpec invoice;
    invoice.Kind = DenpyouKind_Seikyuu;
    Start({TListDocSpec{}, invoice, TListDocSpec{}});
    Str_Pad("編集中の顧客", Denpyou_Field[DenpyouField_KokyakuName_1], 40, 0);
    Str_Pad("12345", Denpyou_Field[DenpyouField_Goukei], 10, 1);
    Denpyou_RecBuf[5] = 'x';
    const std::string editor = EditorDocument();
    const auto files = Session.ReadFile("Data\\Denpyou.620");

    EXPECT_EQ(Search(), (std::vector<int>{2, 1, 3}));
    DenpyouList_ShowPage();
    DenpyouSubList_ShowPage();
    DenpyouList_Print();
    EXPECT_EQ(Session.RecordingPrinter().Jobs().size(), 1u);
    EXPECT_EQ(EditorDocument(), editor);
    EXPECT_EQ(Session.ReadFile("Data\\Denpyou.620"), files);
    EXPECT_FALSE(Session.FileExists("Data\\DenpyouSort.tmp"));
}

}  // namespace
