// The printer layer on the recording printer: what a job keeps, the page
// set-up, failures to start or finish, and the installed printer.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Application.h"
#include "platform/RecordingPrinter.h"

namespace {

// The application's error box, caught for the test.
class ShownErrors {
public:
    ShownErrors() {
        Application_Install(TApplicationBackend{nullptr, [this](const std::string& m) { Messages.push_back(m); }, nullptr});
    }
    ~ShownErrors() { Application_Install(TApplicationBackend{}); }
    std::vector<std::string> Messages;
};

TEST(RecordingPrinter, KeepsEveryPageWithItsTextsLinesFontsAndPens) {
    TRecordingPrinter printer;
    printer.Title = "御見積書";
    printer.SetA4(TPrinterOrientation::poPortrait);
    ASSERT_TRUE(printer.BeginDoc());
    TPrinterCanvas& c = printer.Canvas();
    c.Font.Name = "ＭＳ ゴシック";
    c.Font.Size = 20;
    c.TextOut(740, 120, "御  見  積  書");
    c.Font.Name = "ＭＳ 明朝";
    c.Font.Size = 11;
    c.TextOut(150, 900, "\\1,234-");
    c.Pen.Width = 3;
    c.MoveTo(100, 50);
    c.LineTo(100, 2720);
    c.LineTo(1930, 2720);
    c.Pen.Width = 1;
    c.Rectangle(130, 800, 1900, 2640);
    printer.NewPage();
    c.TextOut(150, 420, "ソ");  // 0x83 0x5C: kept as given
    c.LineTo(200, 420);        // a new page starts its pen at the corner
    ASSERT_TRUE(printer.EndDoc());

    ASSERT_EQ(printer.Jobs().size(), 1u);
    const TPrintJob& job = *printer.LastJob();
    EXPECT_TRUE(job.Finished);
    EXPECT_EQ(job.Title, "御見積書");
    ASSERT_EQ(job.Pages.size(), 2u);

    const TPrintedPage& first = job.Pages[0];
    ASSERT_EQ(first.Texts.size(), 2u);
    EXPECT_EQ(first.Texts[0].Text, "御  見  積  書");
    EXPECT_EQ(first.Texts[0].X, 740);
    EXPECT_EQ(first.Texts[0].Y, 120);
    EXPECT_EQ(first.Texts[0].Font, (TPrinterFont{"ＭＳ ゴシック", 20, clBlack, false}));
    EXPECT_EQ(first.Texts[1].Text, "\x5C" "1,234-");
    EXPECT_EQ(first.Texts[1].Font, (TPrinterFont{"ＭＳ 明朝", 11, clBlack, false}));
    ASSERT_EQ(first.Lines.size(), 2u);
    EXPECT_EQ((std::vector<int>{first.Lines[0].X1, first.Lines[0].Y1, first.Lines[0].X2, first.Lines[0].Y2}),
              (std::vector<int>{100, 50, 100, 2720}));
    EXPECT_EQ((std::vector<int>{first.Lines[1].X1, first.Lines[1].Y1, first.Lines[1].X2, first.Lines[1].Y2}),
              (std::vector<int>{100, 2720, 1930, 2720}));
    EXPECT_EQ(first.Lines[1].Pen.Width, 3);
    ASSERT_EQ(first.Rectangles.size(), 1u);
    EXPECT_EQ(first.Rectangles[0].Left, 130);
    EXPECT_EQ(first.Rectangles[0].Bottom, 2640);
    EXPECT_EQ(first.Rectangles[0].Pen.Width, 1);

    const TPrintedPage& second = job.Pages[1];
    ASSERT_EQ(second.Texts.size(), 1u);
    EXPECT_EQ(second.Texts[0].Text, "\x83\x5C");
    ASSERT_EQ(second.Lines.size(), 1u);
    EXPECT_EQ(second.Lines[0].X1, 0);
    EXPECT_EQ(second.Lines[0].Y1, 0);
}

// The orientation comes with A4 and one copy; a job records the set-up it
// was printed with, and the set-up stays for the next job.
TEST(RecordingPrinter, RecordsThePageSetUpOfEachJob) {
    TRecordingPrinter printer;
    ASSERT_TRUE(printer.BeginDoc());
    ASSERT_TRUE(printer.EndDoc());
    printer.SetA4(TPrinterOrientation::poLandscape);
    ASSERT_TRUE(printer.BeginDoc());
    ASSERT_TRUE(printer.EndDoc());
    ASSERT_TRUE(printer.BeginDoc());
    ASSERT_TRUE(printer.EndDoc());

    const auto& jobs = printer.Jobs();
    ASSERT_EQ(jobs.size(), 3u);
    EXPECT_EQ(jobs[0].Paper, TPaperSize::psDeviceDefault);
    EXPECT_EQ(jobs[0].Copies, 0);
    for (size_t i : {1u, 2u}) {
        EXPECT_EQ(jobs[i].Paper, TPaperSize::psA4);
        EXPECT_EQ(jobs[i].Copies, 1);
        EXPECT_EQ(jobs[i].Orientation, TPrinterOrientation::poLandscape);
        EXPECT_EQ(jobs[i].Pages.size(), 1u);
    }
}

TEST(RecordingPrinter, CapsAre254DotsPerInchOnA4LessTheOffsets) {
    TRecordingPrinter printer;
    printer.SetA4(TPrinterOrientation::poPortrait);
    TPrinterCaps caps = printer.DeviceCaps();
    EXPECT_EQ(caps.PixelsPerInchX, 254);
    EXPECT_EQ(caps.PixelsPerInchY, 254);
    EXPECT_EQ(caps.PhysicalOffsetX, 0);
    EXPECT_EQ(caps.PhysicalOffsetY, 0);
    EXPECT_EQ(caps.PageWidth, 2100);
    EXPECT_EQ(caps.PageHeight, 2970);

    printer.SetOffsets(42, 51);
    printer.SetA4(TPrinterOrientation::poLandscape);
    caps = printer.DeviceCaps();
    EXPECT_EQ(caps.PhysicalOffsetX, 42);
    EXPECT_EQ(caps.PhysicalOffsetY, 51);
    EXPECT_EQ(caps.PageWidth, 2970 - 84);
    EXPECT_EQ(caps.PageHeight, 2100 - 102);

    // Fixed pitch: a 10-point cell is 35 dots high, a byte half as wide.
    printer.Canvas().Font.Size = 10;
    EXPECT_EQ(printer.Canvas().TextHeight("見"), 35);
    EXPECT_EQ(printer.Canvas().TextWidth("見積 1"), 3 * 35);  // two full cells, two half cells
}

// A job that cannot start leaves no job and draws nothing; one that cannot
// finish is not finished. Both tell the user; each fault fires once.
TEST(RecordingPrinter, FailuresToStartOrFinishAreReported) {
    ShownErrors shown;
    TRecordingPrinter printer;

    printer.FailNextJob();
    EXPECT_FALSE(printer.BeginDoc());
    EXPECT_FALSE(printer.Printing());
    printer.Canvas().TextOut(10, 10, "x");
    printer.NewPage();
    EXPECT_FALSE(printer.EndDoc());
    EXPECT_TRUE(printer.Jobs().empty());
    ASSERT_EQ(shown.Messages.size(), 1u);
    EXPECT_EQ(shown.Messages[0].rfind("印刷を開始できませんでした。", 0), 0u) << shown.Messages[0];
    EXPECT_EQ(printer.LastError(), shown.Messages[0]);

    printer.FailNextJob(TPrintFault::AtEnd);
    ASSERT_TRUE(printer.BeginDoc());
    EXPECT_TRUE(printer.LastError().empty());
    printer.Canvas().TextOut(10, 10, "x");
    EXPECT_FALSE(printer.EndDoc());
    ASSERT_EQ(printer.Jobs().size(), 1u);
    EXPECT_FALSE(printer.LastJob()->Finished);
    EXPECT_EQ(printer.LastJob()->Pages[0].Texts.size(), 1u);
    ASSERT_EQ(shown.Messages.size(), 2u);
    EXPECT_EQ(shown.Messages[1].rfind("印刷を終了できませんでした。", 0), 0u) << shown.Messages[1];

    ASSERT_TRUE(printer.BeginDoc());
    EXPECT_TRUE(printer.EndDoc());
    EXPECT_TRUE(printer.LastJob()->Finished);
    EXPECT_EQ(shown.Messages.size(), 2u);
}

// A job left open by a run that ended half-way is dropped by the next one,
// which begins with the canvas's defaults.
TEST(RecordingPrinter, NextJobDropsAnOpenOneAndStartsAfresh) {
    TRecordingPrinter printer;
    ASSERT_TRUE(printer.BeginDoc());
    printer.Canvas().Font = TPrinterFont{"ＭＳ 明朝", 18, clRed, true};
    printer.Canvas().Pen = TPen{clBlue, 3};
    ASSERT_TRUE(printer.BeginDoc());
    printer.Canvas().TextOut(0, 0, "a");
    printer.Canvas().LineTo(5, 5);
    ASSERT_TRUE(printer.EndDoc());

    ASSERT_EQ(printer.Jobs().size(), 2u);
    EXPECT_FALSE(printer.Jobs()[0].Finished);
    const TPrintedPage& page = printer.Jobs()[1].Pages[0];
    EXPECT_EQ(page.Texts[0].Font, TPrinterFont{});
    EXPECT_EQ(page.Lines[0].Pen.Width, 1);
    EXPECT_EQ(page.Lines[0].Pen.Color, clBlack);
}

TEST(Printer, InstalledPrinterIsTheOneUsedAndCanBePutBack) {
    ShownErrors shown;
    TRecordingPrinter recorder;
    TPrinter* before = Printer_Install(&recorder);
    EXPECT_EQ(&Printer(), &recorder);
    EXPECT_EQ(Printer_Install(before), &recorder);

    // With none installed nothing can be printed, and the user is told so.
    TPrinter* outer = Printer_Install(nullptr);
    EXPECT_FALSE(Printer().BeginDoc());
    EXPECT_EQ(shown.Messages.size(), 1u);
    Printer_Install(outer);
}

}  // namespace
