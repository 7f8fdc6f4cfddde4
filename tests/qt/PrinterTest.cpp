// The Qt printer: the choice between the default printer and a PDF file,
// the PDF file's name, and a job printed to a PDF that is read back with
// poppler's tools (text, word boxes and a rendered page).
#include <gtest/gtest.h>

#include <QImage>
#include <QRegularExpression>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "PdfText.h"
#include "QtTestApp.h"
#include "platform/Cp932.h"
#include "platform/FileFault.h"
#include "platform/Shell.h"
#include "platform/qt/QtPrinter.h"
#include "tools/Headless.h"

namespace {

std::string Cp(const char* utf8) { return Cp932_FromUtf8(utf8); }

TEST(QtPrinter, DefaultPrinterWhenThereIsOneElsePdf) {
    EXPECT_TRUE(Qt_PrintTarget("").Pdf);
    const TQtPrintTarget office = Qt_PrintTarget("Office");
    EXPECT_FALSE(office.Pdf);
    EXPECT_EQ(office.PrinterName, "Office");
}

TEST(QtPrinter, PdfFileIsNamedAfterTheJobAndTheTime) {
    const TDateTime when{2025, 4, 1, 9, 5, 7};
    std::string manyKanji;
    for (int i = 0; i < 41; ++i) manyKanji += "見";
    const struct {
        std::string title;
        int attempt;
        std::string name;  // UTF-8
    } rows[] = {
        {Cp("御見積書"), 1, "御見積書_20250401_090507.pdf"},
        {Cp("御見積書"), 3, "御見積書_20250401_090507_3.pdf"},
        {Cp("  a/b:c*?\"<>|\\d  "), 1, "a_b_c_______d_20250401_090507.pdf"},
        {Cp("ソ表"), 1, "ソ表_20250401_090507.pdf"},  // trail bytes 0x5C are no separators
        {"", 1, "Print_20250401_090507.pdf"},
        {"   ", 1, "Print_20250401_090507.pdf"},
        {Cp(manyKanji.c_str()), 1, manyKanji.substr(0, 40 * 3) + "_20250401_090507.pdf"},  // 80 bytes
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Cp932_ToUtf8(Qt_PdfFileName(row.title, when, row.attempt)), row.name);
    }
}

// ------------------------------------------------- a job printed to a PDF

struct TWordBox {
    double XMin, YMin, XMax, YMax;  // points from the page's top-left corner
};

// The box of the first word of that text on page 1, as pdftotext sees it.
std::optional<TWordBox> WordBox(const std::string& pdf, const QString& word) {
    const QString html =
        QString::fromStdString(ShellOutput("pdftotext -f 1 -l 1 -bbox -enc UTF-8 " + ShellQuote(pdf) + " -"));
    const QRegularExpression re(
        "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)</word>");
    for (auto it = re.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(5) == word)
            return TWordBox{m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                            m.captured(4).toDouble()};
    }
    return std::nullopt;
}

class QtPdfPrinterTest : public ::testing::Test {
protected:
    void SetUp() override {
        TestApp();
        Shell_Install(TShellServices{[this](const std::string& path) {
                                         opened.push_back(path);
                                         return openWorks;
                                     }});
    }
    void TearDown() override { Shell_Install(TShellServices{}); }

    // Millimetres in the PDF's dots.
    static int Mm(double mm) { return static_cast<int>(mm * TQtPrinter::PdfDpi / 25.4); }
    static double Points(int dots) { return dots * 72.0 / TQtPrinter::PdfDpi; }

    std::vector<std::string> PdfFiles() const {
        std::vector<std::string> files;
        for (const auto& e : std::filesystem::directory_iterator(session.Folder()))
            if (e.path().extension() == ".pdf") files.push_back(e.path().string());
        return files;
    }

    THeadlessSession session;  // a program folder and a fixed clock
    TQtPrinter printer{[] { return QString(); }};
    std::vector<std::string> opened;
    bool openWorks = true;  // the desktop has a program for PDF files
};

TEST_F(QtPdfPrinterTest, JobBecomesAPdfThatReadsBackAndIsOpened) {
    printer.Title = Cp("御見積書");
    printer.SetA4(TPrinterOrientation::poPortrait);
    const TPrinterCaps caps = printer.DeviceCaps();
    EXPECT_EQ(caps.PixelsPerInchX, 1200);
    EXPECT_EQ(caps.PixelsPerInchY, 1200);
    EXPECT_EQ(caps.PhysicalOffsetX, 0);
    EXPECT_EQ(caps.PhysicalOffsetY, 0);
    EXPECT_NEAR(caps.PageWidth, Mm(210), 5);  // A4 in whole points
    EXPECT_NEAR(caps.PageHeight, Mm(297), 5);

    ASSERT_TRUE(printer.BeginDoc());
    TPrinterCanvas& c = printer.Canvas();
    c.Font.Name = Cp("ＭＳ ゴシック");
    c.Font.Size = 20;
    c.TextOut(Mm(74), Mm(12), Cp("御  見  積  書"));
    c.Font.Name = Cp("ＭＳ 明朝");
    c.Font.Size = 11;
    c.TextOut(Mm(15), Mm(34), Cp("山田工務店  様"));
    c.Font.Size = 18;
    c.TextOut(Mm(36), Mm(52), "\\1,234,567-");
    c.Pen.Width = Mm(1);
    c.MoveTo(Mm(20), Mm(100));
    c.LineTo(Mm(20), Mm(200));
    c.Rectangle(Mm(100), Mm(100), Mm(180), Mm(200));
    printer.NewPage();
    c.TextOut(Mm(15), Mm(42), Cp("２ページ目 ＡＢＣ"));
    ASSERT_TRUE(printer.EndDoc());

    const std::string pdf = session.Folder() + "御見積書_20250401_100000.pdf";
    EXPECT_EQ(PdfFiles(), std::vector<std::string>{pdf});
    EXPECT_EQ(opened, std::vector<std::string>{pdf});

    const auto pages = PdfPageTexts(pdf);
    ASSERT_EQ(pages.size(), 2u) << "pdftotext and python3 are needed (scripts/deps.sh test)";
    for (const char* want : {"御見積書", "山田工務店様", "¥1,234,567-"})
        EXPECT_NE(pages[0].find(want), std::string::npos) << want << " in " << pages[0];
    EXPECT_NE(pages[1].find("2ページ目ABC"), std::string::npos) << pages[1];

    // Top-left placement; the size in points; fixed pitch (a full-width
    // character is one em, each half-width character half of one).
    const auto title = WordBox(pdf, "御");
    ASSERT_TRUE(title);
    EXPECT_NEAR(title->XMin, Points(Mm(74)), 0.5);
    EXPECT_NEAR(title->YMin, Points(Mm(12)), 1.0);
    EXPECT_NEAR(title->XMax - title->XMin, 20.0, 0.2);
    const auto total = WordBox(pdf, QString::fromUtf8("¥1,234,567-"));
    ASSERT_TRUE(total);
    EXPECT_NEAR(total->XMin, Points(Mm(36)), 0.5);
    EXPECT_NEAR(total->YMin, Points(Mm(52)), 1.0);
    EXPECT_NEAR(total->XMax - total->XMin, 11 * 9.0, 0.5);

    // The line and the rectangle's sides where they were drawn, nothing
    // between them: page 1 rendered at 2 pixels per millimetre.
    ShellOutput("pdftoppm -r 50.8 -gray -f 1 -l 1 -singlefile " + ShellQuote(pdf) + " " +
                ShellQuote(session.Folder() + "page"));
    const QImage page(QString::fromStdString(session.Folder() + "page.pgm"));
    ASSERT_FALSE(page.isNull());
    auto dark = [&](double xMm, double yMm) { return qGray(page.pixel(int(xMm * 2), int(yMm * 2))) < 128; };
    for (double y : {110.0, 150.0, 190.0}) {
        EXPECT_TRUE(dark(20, y)) << y;
        EXPECT_TRUE(dark(100, y)) << y;
        EXPECT_TRUE(dark(180, y)) << y;
        EXPECT_FALSE(dark(60, y)) << y;
        EXPECT_FALSE(dark(140, y)) << y;
    }
    EXPECT_TRUE(dark(140, 100));
    EXPECT_TRUE(dark(140, 200));
}

// Where the desktop can start no program for the PDF, the user is told
// where the file is; the job was printed all the same. Opened, nothing is
// said.
TEST_F(QtPdfPrinterTest, WithoutAProgramToOpenItTheUserIsToldWhereThePdfIs) {
    printer.Title = Cp("御請求書");
    for (bool works : {true, false}) {
        openWorks = works;
        ASSERT_TRUE(printer.BeginDoc());
        printer.Canvas().TextOut(100, 100, "x");
        ASSERT_TRUE(printer.EndDoc());
    }
    const std::string second = session.Folder() + "御請求書_20250401_100000_2.pdf";
    EXPECT_TRUE(std::filesystem::exists(second));
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[1], second);
    EXPECT_EQ(session.Messages(), std::vector<std::string>{Cp932_FromUtf8(second + "に保存しました。")});
}

// The PDF goes through the program's file layer: a full disk loses the job
// and leaves no file behind, and nothing is opened.
TEST_F(QtPdfPrinterTest, FullDiskLosesTheJobAndLeavesNoFile) {
    ASSERT_TRUE(printer.BeginDoc());
    printer.Canvas().TextOut(100, 100, "x");
    FileFault_DiskFull(1000);
    EXPECT_FALSE(printer.EndDoc());
    FileFault_Reset();
    EXPECT_TRUE(PdfFiles().empty());
    EXPECT_TRUE(opened.empty());
    EXPECT_NE(printer.LastError().find("Print_20250401_100000.pdf"), std::string::npos) << printer.LastError();
}

// Both faces are fixed-pitch at the device's resolution, the yen sign too.
TEST_F(QtPdfPrinterTest, FacesMeasureInWholeCells) {
    printer.SetA4(TPrinterOrientation::poPortrait);
    printer.DeviceCaps();
    TPrinterCanvas& c = printer.Canvas();
    for (const char* face : {"ＭＳ ゴシック", "ＭＳ 明朝"}) {
        SCOPED_TRACE(face);
        c.Font.Name = Cp(face);
        c.Font.Size = 12;  // 200 dots at 1200 dots per inch
        EXPECT_EQ(c.TextWidth(Cp("見積書")), 600);
        EXPECT_EQ(c.TextWidth("\\12,345"), 700);
        EXPECT_EQ(c.TextWidth(Cp("ｱｲｳ")), 300);
        EXPECT_GE(c.TextHeight(Cp("見")), 200);
    }
}

}  // namespace
