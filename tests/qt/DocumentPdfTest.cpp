// A document printed through the Qt printer into a PDF, read back as text:
// its title, customer, lines and total are on the page.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "PdfText.h"
#include "QtTestApp.h"
#include "platform/Cp932.h"
#include "platform/Shell.h"
#include "platform/qt/QtPrinter.h"
#include "print/DenpyouPrint.h"
#include "print/preview/PrintView.h"
#include "store/Denpyou.h"
#include "store/Str.h"
#include "tools/Headless.h"

namespace {

void SetField(int k, const char* utf8, bool right = false) {
    Str_Pad(Cp932_FromUtf8(utf8).c_str(), Denpyou_Field[k], Denpyou_FieldWidth[k], right ? 1 : 0);
}

TEST(DocumentPdf, PrintedDocumentReadsBackFromThePdf) {
    TestApp();
    Shell_Install(TShellServices{[](const std::string&) { return true; }});
    THeadlessSession session;
    ASSERT_TRUE(session.Start());
    TQtPrinter printer{[] { return QString(); }};  // no printer installed: a PDF
    TPrinter* recorder = Printer_Install(&printer);

    SetField(DenpyouField_KokyakuName_1, "山田電気");
    SetField(DenpyouField_Goukei, "1234567", true);
    SetField(DenpyouField_Line(0, LineField_Syousai), "ケーブル VVF2.0");
    SetField(DenpyouField_Line(0, LineField_Suuryou), "100", true);
    SetField(DenpyouField_Line(0, LineField_Tanni), "m");
    SetField(DenpyouField_Line(0, LineField_JitubaiTanka), "12345", true);
    SetField(DenpyouField_Line(0, LineField_Kingaku), "1234500", true);
    for (int line = 1; line < 30; ++line)
        SetField(DenpyouField_Line(line, LineField_Syousai), ("照明器具" + std::to_string(line + 1)).c_str());
    Denpyou_Print(PrintView_Gather());
    Printer_Install(recorder);
    Shell_Install(TShellServices{});

    std::vector<std::string> pdfs;
    for (const auto& e : std::filesystem::directory_iterator(session.Folder()))
        if (e.path().extension() == ".pdf") pdfs.push_back(e.path().string());
    ASSERT_EQ(pdfs.size(), 1u);
    const auto pages = PdfPageTexts(pdfs[0]);
    ASSERT_EQ(pages.size(), 2u) << "pdftotext and python3 are needed (scripts/deps.sh test)";
    for (const char* want :
         {"御見積書", "山田電気様", "¥1,234,567-", "ケーブルVVF2.0", "100m", "12,345", "1,234,500", "照明器具22"})
        EXPECT_NE(pages[0].find(want), std::string::npos) << want << " in " << pages[0];
    EXPECT_NE(pages[1].find("照明器具23"), std::string::npos) << pages[1];
    EXPECT_NE(pages[1].find("照明器具30"), std::string::npos) << pages[1];
    EXPECT_EQ(pages[1].find("山田電気"), std::string::npos) << pages[1];
    EXPECT_EQ(Denpyou_Count, 1);  // and it was stored
}

}  // namespace
