// The print run on the recording printer: pages and their numbering, the
// frame and rules, the rows, the kinds, the store that ends a print and the
// runs that must store nothing.
#include <string>
#include <vector>

#include "PrintFixture.h"
#include "editor/Display.h"
#include "platform/Application.h"

namespace {

const char* const DenpyouPath = "Data\\Denpyou.620";

TEST_F(PrintTest, LinesGivePagesAndTheTotalPagesText) {
    const struct {
        int lines, pages;
        const char* allPages;
    } rows[] = {
        {1, 1, "全  1ページ"}, {22, 1, "全  1ページ"}, {23, 2, "全  2ページ"},
        {50, 2, "全  2ページ"}, {51, 3, "全  3ページ"},
    };
    Start();
    SetOwn(JisyaField_AllPagePrint, "1");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.lines);
        SetField(DenpyouField_KokyakuName_1, "山田電気");
        Describe(row.lines);
        Denpyou_Print(PrintView_Gather());
        ASSERT_EQ(Job().Pages.size(), static_cast<size_t>(row.pages));
        EXPECT_EQ(TextAt(1, 80, 20), row.allPages);
        for (int p = 1; p <= row.pages; ++p) {
            EXPECT_EQ(TextAt(p, 84, 272), (p < 10 ? "-  " : "- ") + std::to_string(p) + "-") << p;
            EXPECT_EQ(BoxWidth(p, 0, 3, 183, 270), 3) << p;  // every page is framed
        }
        // The last row printed stands on the last page.
        const int last = row.lines - 1;
        const int y = last < 22 ? 88 + 8 * last : 40 + 8 * ((last - 22) % 28);
        EXPECT_EQ(TextAt(row.pages, 5, y), Padded("品目" + std::to_string(row.lines), 50));
    }
}

TEST_F(PrintTest, JobIsA4PortraitOneCopyNamedAfterTheDocument) {
    Start();
    Describe(1);
    Denpyou_Print(PrintView_Gather());
    EXPECT_EQ(Job().Paper, TPaperSize::psA4);
    EXPECT_EQ(Job().Orientation, TPrinterOrientation::poPortrait);
    EXPECT_EQ(Job().Copies, 1);
    EXPECT_EQ(Job().Title, "御見積書_1");
}

// Every position moves with the margins (a negative one towards the
// corner) and the physical offsets are added.
TEST_F(PrintTest, PositionsOfHeadingRowsFrameAndRulesWithMarginsAndOffsets) {
    Start(30, 45);
    Print_LeftMargin = 5;
    Print_TopMargin = -3;
    CheckKind("RadioButton_Mitumori");
    Describe(23);
    Denpyou_Print(PrintView_Gather());
    ASSERT_EQ(Job().Pages.size(), 2u);
    EXPECT_EQ(X(64), 10 * (10 + 5 + 64) + 30);
    EXPECT_EQ(Y(10), 10 * (2 - 3 + 10) + 45);

    for (int p : {1, 2}) {
        SCOPED_TRACE(p);
        const TPrintedText* title = Find(p, "御  見  積  書");
        ASSERT_TRUE(title);
        EXPECT_EQ(title->X, X(64));
        EXPECT_EQ(title->Y, Y(10));
        EXPECT_EQ(title->Font, (TPrinterFont{"ＭＳ ゴシック", 20}));
        EXPECT_EQ(LineWidth(p, 62, 18, 115, 18), 3);
        EXPECT_EQ(LineWidth(p, 62, 19, 115, 19), 3);
    }
    // Page 1: header row at 80, rows from 88, the table box from 78 in a
    // thin pen, 22 row rules from 86 to 254, the column rules.
    EXPECT_EQ(TextAt(1, 35, 80), "品　名　及　び　詳　細");
    EXPECT_EQ(TextAt(1, 5, 88), Padded("品目1", 50));
    EXPECT_EQ(TextAt(1, 5, 88 + 8 * 21), Padded("品目22", 50));
    EXPECT_EQ(BoxWidth(1, 3, 78, 180, 262), 1);
    for (int k = 0; k < 22; ++k) EXPECT_EQ(LineWidth(1, 3, 86 + 8 * k, 180, 86 + 8 * k), 1) << k;
    EXPECT_EQ(LineWidth(1, 3, 262, 180, 262), -1);
    for (int x : {104, 121, 135, 154}) EXPECT_EQ(LineWidth(1, x, 78, x, 262), 1) << x;

    // Later pages: header row at 32 under a thick rule at 38, rows from 40,
    // the box from 28 in the thick pen, 28 row rules for the whole capacity.
    EXPECT_EQ(TextAt(2, 35, 32), "品　名　及　び　詳　細");
    EXPECT_EQ(TextAt(2, 5, 40), Padded("品目23", 50));
    EXPECT_EQ(BoxWidth(2, 3, 28, 180, 262), 3);
    EXPECT_EQ(LineWidth(2, 3, 38, 180, 38), 3);
    for (int k = 0; k < 28; ++k) EXPECT_EQ(LineWidth(2, 3, 46 + 8 * k, 180, 46 + 8 * k), 1) << k;
    for (int x : {104, 121, 135, 154}) EXPECT_EQ(LineWidth(2, x, 28, x, 262), 1) << x;
    EXPECT_EQ(TextAt(2, 80, 20), "<none>");  // the first page's head is on page 1 only
    EXPECT_EQ(TextAt(2, 10, 40), "<none>");
}

TEST_F(PrintTest, RowsShowTheirColumnsWithSeparatorsAndSpecialLinesInGothic) {
    Start();
    CheckKind("RadioButton_Seikyuu");
    SetLine(0, LineField_Syousai, "ケーブル");
    SetLine(0, LineField_Suuryou, "2.5", true);
    SetLine(0, LineField_Tanni, "m");
    SetLine(0, LineField_JitubaiTanka, "1234567", true);
    SetLine(0, LineField_Kingaku, "-1234", true);
    // Line 1 is blank between described lines; line 2 is a tax line.
    SetLine(2, LineField_Kind, "1");
    SetLine(2, LineField_Syousai, "消費税");
    SetLine(2, LineField_Kingaku, "123", true);
    Denpyou_Print(PrintView_Gather());

    const struct {
        int x, y;
        std::string text, face;
    } rows[] = {
        {5, 88, Padded("ケーブル", 50), "ＭＳ 明朝"},
        {107, 88, "   2.5", "ＭＳ 明朝"},
        {123, 88, "m     ", "ＭＳ 明朝"},
        {131, 88, "  1,234,567", "ＭＳ 明朝"},
        {155, 88, "      -1,234", "ＭＳ 明朝"},
        {5, 96, std::string(50, ' '), "ＭＳ 明朝"},  // the blank line, as stored
        {131, 96, std::string(11, ' '), "ＭＳ 明朝"},
        {155, 96, std::string(12, ' '), "ＭＳ 明朝"},
        {5, 104, Padded("消費税", 50), "ＭＳ ゴシック"},
        {131, 104, std::string(11, ' '), "ＭＳ ゴシック"},
        {155, 104, "         123", "ＭＳ ゴシック"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        const auto texts = TextsAt(1, row.x, row.y);
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(texts[0], row.text);
        for (const auto& t : Page(1).Texts)
            if (t.X == X(row.x) && t.Y == Y(row.y)) {
                EXPECT_EQ(t.Font, (TPrinterFont{row.face, 11}));
            }
    }
}

TEST_F(PrintTest, KindsGiveTitlesColumnHeadersAndGreetings) {
    const struct {
        const char* button;
        int utiwake;
        const char* title;
        const char* col4;
        const char* col5;
        const char* greeting;
    } rows[] = {
        {"RadioButton_Mitumori", 0, "御  見  積  書", "単    価", "金    額", "下記の通り御見積もり申し上げます。"},
        {"RadioButton_Seikyuu", 0, "御  請  求  書", "単    価", "金    額", "下記の通り御請求申し上げます。"},
        {"RadioButton_Utiwake", 0, "内    訳    書", "単    価", "金    額", "下記の通り内訳書をご連絡いたします。"},
        {"RadioButton_Utiwake", 1, "見 積 内 訳 書", "単    価", "金    額", "下記の通り内訳書をご連絡いたします。"},
        {"RadioButton_Utiwake", 2, "請 求 内 訳 書", "単    価", "金    額", "下記の通り内訳書をご連絡いたします。"},
        {"RadioButton_Irai", 0, "見  積  依  頼", "仕    切", "定    価", "下記商品の見積もりをお願い致します。"},
    };
    Start();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.title);
        SetField(DenpyouField_KokyakuName_1, "山田電気");
        CheckKind(row.button);
        Utiwake_Kind = row.utiwake;
        Describe(23);
        SetLine(0, LineField_JitubaiTanka, "500", true);
        SetLine(0, LineField_Kingaku, "1000", true);
        Denpyou_Print(PrintView_Gather());
        for (int p : {1, 2}) {
            const int y = p == 1 ? 80 : 32;
            EXPECT_EQ(TextAt(p, 64, 10), row.title) << p;
            EXPECT_EQ(TextAt(p, 108, y), "数 量") << p;
            EXPECT_EQ(TextAt(p, 123, y), "単 位") << p;
            EXPECT_EQ(TextAt(p, 137, y), row.col4) << p;
            EXPECT_EQ(TextAt(p, 160, y), row.col5) << p;
        }
        EXPECT_EQ(TextAt(1, 10, 40), row.greeting);
        // An estimate request prints no price or amount.
        const bool prices = std::string(row.button) != "RadioButton_Irai";
        EXPECT_EQ(TextAt(1, 131, 88), prices ? "        500" : "<none>");
        EXPECT_EQ(TextAt(1, 155, 88), prices ? "       1,000" : "<none>");
    }
}

// ------------------------------------------------- the store after a print

class PrintStoreTest : public PrintTest {
protected:
    std::string Stored(int field) {
        const std::string file = Session.ReadFile(DenpyouPath).value_or("");
        const auto at = static_cast<size_t>(Denpyou_FieldOffset[static_cast<size_t>(field)]);
        return at < file.size() ? file.substr(at, static_cast<size_t>(Denpyou_FieldWidth[field])) : "<none>";
    }
    std::string SeikyuuDate() {
        return Stored(DenpyouField_SeikyuuYear) + Stored(DenpyouField_SeikyuuMonth) + Stored(DenpyouField_SeikyuuDay);
    }
};

TEST_F(PrintStoreTest, PrintedDocumentIsStoredAndANewOneShown) {
    Start();
    CheckKind("RadioButton_Mitumori");
    Describe(3);
    Denpyou_Print(PrintView_Gather());
    EXPECT_EQ(Job().Pages.size(), 1u);
    EXPECT_EQ(Denpyou_Count, 1);
    EXPECT_EQ(Stored(DenpyouField_Kind), "1");
    EXPECT_EQ(Stored(DenpyouField_Line(2, LineField_Syousai)), Padded("品目3", 50));
    EXPECT_EQ(Denpyou_CurRec, 2);
    EXPECT_EQ(std::string(Denpyou_Field[DenpyouField_Line(0, LineField_Syousai)]), std::string(50, ' '));
}

// An invoice takes a valid print date, in Western years, as its issue date;
// an invalid one leaves the issue date as it was.
TEST_F(PrintStoreTest, InvoiceStoresThePrintDateAsItsIssueDate) {
    const struct {
        const char *year, *month, *day;
        std::string stored;
        const char* era;
    } rows[] = {
        {"31", "4", "30", "2019 430", "平成"},
        {"5", "1", "2", "2023 1 2", "令和"},
        {"30", "12", "31", "20181231", "平成"},
        {"7", "13", "1", "2020 1 1", "令和"},  // month 13: kept
        {"", "3", "1", "2020 1 1", "令和"},    // no year: kept
    };
    Start();
    TLabel* era = Session.ControlAs<TLabel>("Label_PrintView_PrintWareki");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.stored);
        // The document as stored before, with an old issue date.
        SetField(DenpyouField_KokyakuName_1, "山田電気");
        SetField(DenpyouField_SeikyuuYear, "2020", true);
        SetField(DenpyouField_SeikyuuMonth, "1", true);
        SetField(DenpyouField_SeikyuuDay, "1", true);
        Denpyou_CurRec = 1;
        CheckKind("RadioButton_Seikyuu");
        Describe(1);
        SetPrintDate(row.year, row.month, row.day);
        Denpyou_Print(PrintView_Gather());
        EXPECT_EQ(SeikyuuDate(), row.stored);
        EXPECT_EQ(era->Caption, row.era);
    }
}

TEST_F(PrintStoreTest, OtherKindsKeepTheirIssueDateFields) {
    Start();
    CheckKind("RadioButton_Mitumori");
    Describe(1);
    SetPrintDate("7", "4", "1");
    Denpyou_Print(PrintView_Gather());
    EXPECT_EQ(SeikyuuDate(), "        ");
}

TEST_F(PrintStoreTest, NothingPrintedOrStoredWithoutADescribedLine) {
    Start();
    SetLine(5, LineField_Kingaku, "1000", true);  // a line without a description does not count
    Denpyou_Print(PrintView_Gather());
    EXPECT_TRUE(Session.RecordingPrinter().Jobs().empty());
    EXPECT_EQ(Session.ReadFile(DenpyouPath).value_or(""), "");
    EXPECT_EQ(Denpyou_Count, 0);
}

// A printer that fails to start or to finish: the job is dropped, nothing is
// stored, and the document stays in the editor as it was.
TEST_F(PrintStoreTest, FailedJobStoresNothingAndLeavesTheDocument) {
    std::vector<std::string> shown;  // the error box
    Application_Install(TApplicationBackend{nullptr, [&](const std::string& m) { shown.push_back(m); }, nullptr});
    Start();
    Denpyou_ShowHeader();
    for (TPrintFault fault : {TPrintFault::AtStart, TPrintFault::AtEnd}) {
        SCOPED_TRACE(fault == TPrintFault::AtStart ? "start" : "end");
        CheckKind("RadioButton_Seikyuu");
        Describe(30);
        SetPrintDate("7", "4", "1");
        Session.RecordingPrinter().FailNextJob(fault);
        Denpyou_Print(PrintView_Gather());
        if (const TPrintJob* job = Session.RecordingPrinter().LastJob()) {
            EXPECT_FALSE(job->Finished);
        }
        EXPECT_EQ(Session.ReadFile(DenpyouPath).value_or(""), "");
        EXPECT_EQ(Denpyou_Count, 0);
        EXPECT_EQ(Denpyou_CurRec, 1);
        EXPECT_EQ(std::string(Denpyou_Field[DenpyouField_KokyakuName_1]), Padded("山田電気", 40));
        EXPECT_EQ(std::string(Denpyou_Field[DenpyouField_Line(29, LineField_Syousai)]), Padded("品目30", 50));
        EXPECT_EQ(std::string(Denpyou_Field[DenpyouField_SeikyuuYear]), "    ");
        EXPECT_EQ(Session.TextOf("Edit_DenpKokyakuName_1"), Padded("山田電気", 40));
    }
    Application_Install(TApplicationBackend{});
    EXPECT_EQ(shown.size(), 2u);  // the user was told each time
    // The printer works again: the same document prints and is stored.
    Denpyou_Print(PrintView_Gather());
    EXPECT_TRUE(Session.RecordingPrinter().LastJob()->Finished);
    EXPECT_EQ(Denpyou_Count, 1);
}

}  // namespace
