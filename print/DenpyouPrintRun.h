// One print of the document in the editor: what the run read and built
// before the printer was touched, and where it draws. The page loop
// (DenpyouPrint) and the first page (PrintFirstPage) share it.
#pragma once

#include <string>

#include "print/PrintArea.h"
#include "print/PrintInputs.h"

struct TDenpyouPrintRun {
    TPrintKind Kind = PrintKind_Irai;
    bool Prices = false;  // false for an estimate request
    int LineCount = 0;    // lines printed: up to the last one with a description
    int PageCount = 0;
    TPrintDate Date{};    // the print date as typed in the preview
    bool DateNotPrinted = false;  // the preview's no-date box
    char Keisyou[7] = {};
    std::string AllPageText;  // "全" "%3d" "ページ"

    // The first page's texts.
    std::string TelText, FaxText;  // 18 characters each
    std::string PrintDateText, MakeDateText, YoukouDateText;
    char KokyakuCity[21] = {}, KokyakuStreet[41] = {};

    TPrintArea Area;
};

// Lines on page 1 and on every later page.
constexpr int Print_FirstPageLines = 22;
constexpr int Print_PageLines = 28;
// The page a detail line (from 0) is printed on, from 1.
constexpr int Print_PageOfLine(int line) {
    return line < Print_FirstPageLines ? 1 : (line - Print_FirstPageLines) / Print_PageLines + 2;
}
