// Printing on a system printer: a job becomes a PDF that is handed to the
// printer's CUPS queue, and it is printed only once the queue took it. A
// double of the submission shows what is handed over and what a refusal
// does to a document's print and to a list's; one run against a CUPS
// scheduler of the test's own shows a queue's real refusal and acceptance.
#include <gtest/gtest.h>
#include <cups/cups.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "PdfText.h"
#include "QtTestApp.h"
#include "platform/Application.h"
#include "platform/Cp932.h"
#include "platform/Shell.h"
#include "platform/qt/QtPrinter.h"
#include "print/list/DenpyouListHits.h"
#include "tools/Headless.h"

namespace {

std::string Cp(const char* utf8) { return Cp932_FromUtf8(utf8); }
bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// A program folder, the error box and the desktop's open call caught.
class PrinterQueueTest : public ::testing::Test {
protected:
    void SetUp() override {
        TestApp();
        Application_Install(TApplicationBackend{nullptr, [this](const std::string& m) { errors.push_back(m); }, nullptr});
        Shell_Install(TShellServices{[this](const std::string& path) {
            opened.push_back(path);
            return true;
        }});
    }
    void TearDown() override {
        Application_Install(TApplicationBackend{});
        Shell_Install(TShellServices{});
    }

    std::vector<std::string> PdfFilesInFolder() const {
        std::vector<std::string> files;
        for (const auto& e : std::filesystem::recursive_directory_iterator(session.Folder()))
            if (e.path().extension() == ".pdf") files.push_back(e.path().string());
        return files;
    }

    // A two-page job with a text on each page.
    bool PrintTwoPages(TPrinter& printer, TPrinterOrientation orientation) {
        printer.Title = Cp("御見積書");
        printer.SetA4(orientation);
        printer.DeviceCaps();
        if (!printer.BeginDoc()) return false;
        TPrinterCanvas& c = printer.Canvas();
        c.Font.Name = Cp("ＭＳ 明朝");
        c.Font.Size = 11;
        c.TextOut(300, 300, Cp("山田工務店  様"));
        printer.NewPage();
        c.TextOut(300, 300, Cp("２ページ目"));
        return printer.EndDoc();
    }

    THeadlessSession session;
    std::vector<std::string> errors, opened;
};

// The queue "Office" through a double that keeps what it is given and
// answers as told.
class QueueDoubleTest : public PrinterQueueTest {
protected:
    struct TTaken {
        TCupsJob Job;
        std::string Pdf;
    };
    std::vector<TTaken> taken;
    bool accept = true;
    const std::string refusal = "The printer or class is not currently accepting jobs.";
    TQtPrinter printer{[] { return QString("Office"); },
                       [this](const TCupsJob& job, std::string& reason) {
                           taken.push_back({job, std::string(job.Pdf, job.Size)});
                           if (!accept) reason = refusal;
                           return accept;
                       }};

    // The PDF handed over, as a file for poppler's tools.
    std::string SavedPdf(size_t i) {
        const std::string path = session.Folder() + "taken" + std::to_string(i) + ".bin";
        std::ofstream(path, std::ios::binary) << taken[i].Pdf;
        return path;
    }
};

TEST_F(QueueDoubleTest, TheJobGoesToTheQueueAsAPdfOfItsPages) {
    for (auto orientation : {TPrinterOrientation::poPortrait, TPrinterOrientation::poLandscape}) {
        ASSERT_TRUE(PrintTwoPages(printer, orientation));
    }
    ASSERT_EQ(taken.size(), 2u);
    for (size_t i = 0; i < taken.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(taken[i].Job.Printer, "Office");
        EXPECT_EQ(taken[i].Job.Title, "御見積書");
        EXPECT_EQ(taken[i].Job.Copies, 1);
        EXPECT_TRUE(taken[i].Job.A4);
        const std::string pdf = SavedPdf(i);
        const auto pages = PdfPageTexts(pdf);
        ASSERT_EQ(pages.size(), 2u) << "pdftotext and python3 are needed (scripts/deps.sh test)";
        EXPECT_TRUE(Has(pages[0], "山田工務店様")) << pages[0];
        EXPECT_TRUE(Has(pages[1], "2ページ目")) << pages[1];
        // The sheet turned for the list's landscape pages.
        const std::string info = ShellOutput("pdfinfo " + ShellQuote(pdf));
        EXPECT_TRUE(Has(info, i == 0 ? "595 x 842 pts (A4)" : "842 x 595 pts (A4)")) << info;
        std::filesystem::remove(pdf);
    }
    // Nothing of it stays in the program folder, and nothing is opened.
    EXPECT_TRUE(PdfFilesInFolder().empty());
    EXPECT_TRUE(opened.empty());
    EXPECT_TRUE(errors.empty());
}

TEST_F(QueueDoubleTest, ARefusedJobFailsNamingThePrinterAndTheReason) {
    accept = false;
    EXPECT_FALSE(PrintTwoPages(printer, TPrinterOrientation::poPortrait));
    ASSERT_EQ(taken.size(), 1u);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], printer.LastError());
    EXPECT_TRUE(Has(errors[0], Cp("印刷は取り消されました"))) << Cp932_ToUtf8(errors[0]);
    EXPECT_TRUE(Has(errors[0], "Office")) << Cp932_ToUtf8(errors[0]);
    EXPECT_TRUE(Has(errors[0], refusal)) << Cp932_ToUtf8(errors[0]);
    EXPECT_TRUE(PdfFilesInFolder().empty());
}

// In the program: a refused document print stores nothing (an invoice gets
// no issue date) and keeps the preview; a refused list print leaves the
// list as it was. Once the queue takes jobs the same prints go through.
TEST_F(QueueDoubleTest, ARefusedPrintIsAFailedPrintInTheProgram) {
    ASSERT_TRUE(session.Start());
    TPrinter* recorder = Printer_Install(&printer);
    accept = false;
    session.Type(Cp("山田電気"));
    session.Key(vk::Return);
    session.Click("RadioButton_Seikyuu");
    session.Click("Edit_DenpSyousai_01");
    session.Type(Cp("配線工事"));
    session.Key(vk::Return);
    session.Key(vk::F3);
    session.Click("Label_PanelPrintView_F1");
    EXPECT_EQ(taken.size(), 1u);
    EXPECT_EQ(session.FileSize("Data\\Denpyou.620"), 0);
    EXPECT_EQ(session.TextOf("Label_DenpyouDs"), "0");
    EXPECT_EQ(session.TextOf("Edit_DenpKokyakuName_1"), Cp("山田電気                                "));
    EXPECT_EQ(session.FocusedName(), "Edit_PanelPrintView_Year");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_TRUE(Has(errors[0], "Office") && Has(errors[0], refusal)) << Cp932_ToUtf8(errors[0]);

    accept = true;
    session.Click("Label_PanelPrintView_F1");
    EXPECT_EQ(taken.size(), 2u);
    EXPECT_EQ(session.FileSize("Data\\Denpyou.620"), 23000);
    EXPECT_EQ(session.ReadFileAt("Data\\Denpyou.620", 22320, 8), "2025 4 1");  // the issue date
    EXPECT_EQ(session.FocusedName(), "Edit_DenpKokyakuName_1");

    session.Click("Label_PanelPrintView_F9");
    session.Click("Label_Job_02");  // every customer's documents: the one stored
    ASSERT_EQ(session.TextOf("Label_Denpyou_SubList_No_01"), "         1");
    accept = false;
    session.Key(vk::F4);
    EXPECT_EQ(taken.size(), 3u);
    EXPECT_EQ(errors.size(), 2u);
    EXPECT_EQ(session.FocusedName(), "Edit_DenpyouList_SearchName");
    EXPECT_EQ(DenpyouList_HitCount, 1);
    // The lock the print held is given back: the menu answers.
    session.Click("Label_Job_01");
    EXPECT_TRUE(session.ControlAs<TPanel>("Panel_Denpyou")->Visible());
    Printer_Install(recorder);
}

// ---------------------------------------- a CUPS scheduler of the test's own

class LocalCupsTest : public PrinterQueueTest {
protected:
    void SetUp() override {
        PrinterQueueTest::SetUp();
        dir_ = session.Folder() + "cups";
        script_ = std::string(SYORI_TESTS_DIR) + "/qt/local_cups.sh";
        // Skipped only without cupsd; one that is there and does not come up
        // is a failure.
        int status = 0;
        std::string said = ShellOutput("sh " + ShellQuote(script_) + " start " + ShellQuote(dir_) + " 2>&1", &status);
        if (status == 77) GTEST_SKIP() << said << "(scripts/deps.sh test installs cups-daemon)";
        ASSERT_EQ(status, 0) << "the CUPS scheduler of the test's own did not come up:\n" << said;
        if (!said.empty() && said.back() == '\n') said.pop_back();
        ASSERT_EQ(said.rfind('/', 0), 0u) << said;
        socket_ = said;
        // libcups and Qt's CUPS support ask this scheduler from now on.
        setenv("CUPS_SERVER", socket_.c_str(), 1);
        cupsSetServer(nullptr);
    }
    void TearDown() override {
        if (!socket_.empty()) {
            unsetenv("CUPS_SERVER");
            cupsSetServer(nullptr);
        }
        ShellOutput("sh " + ShellQuote(script_) + " stop " + ShellQuote(dir_));
        PrinterQueueTest::TearDown();
    }

    std::string dir_, script_, socket_;
};

TEST_F(LocalCupsTest, AQueueThatRefusesJobsFailsThePrintAndOneThatTakesThemPrints) {
    // The system's default printer, found as the program finds it.
    ASSERT_EQ(Qt_DefaultPrinterName(), "Syori_Refuser");
    TQtPrinter refuser{Qt_DefaultPrinterName};
    EXPECT_FALSE(PrintTwoPages(refuser, TPrinterOrientation::poPortrait));
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_TRUE(Has(errors[0], "Syori_Refuser")) << Cp932_ToUtf8(errors[0]);
    // The scheduler's reason, in the language libcups asked it for.
    EXPECT_EQ(cupsLastError(), IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS) << cupsLastErrorString();
    EXPECT_TRUE(Has(errors[0], Cp(cupsLastErrorString()))) << Cp932_ToUtf8(errors[0]);

    TQtPrinter sink{[] { return QString("Syori_Sink"); }};
    EXPECT_TRUE(PrintTwoPages(sink, TPrinterOrientation::poLandscape));
    EXPECT_EQ(errors.size(), 1u);
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, "Syori_Sink", 0, CUPS_WHICHJOBS_ALL);
    ASSERT_EQ(count, 1);
    EXPECT_STREQ(jobs[0].title, "御見積書");
    EXPECT_STREQ(jobs[0].format, "application/pdf");
    cupsFreeJobs(count, jobs);
    EXPECT_TRUE(PdfFilesInFolder().empty());
}

}  // namespace
