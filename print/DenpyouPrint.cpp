// The print run: preparation, the page loop with each page's heading, rows
// and frame, and the store that ends a printed run.
#include "print/DenpyouPrint.h"

#include <cstdint>
#include <string>

#include "document/Document.h"
#include "store/Number.h"
#include "editor/DenpyouCommands.h"
#include "print/DenpyouPrintRun.h"
#include "print/PrintFirstPage.h"
#include "print/PrintMargins.h"
#include "print/PrintText.h"
#include "store/Denpyou.h"
#include "store/Str.h"

namespace {

const char* LineText(int line, DenpyouLineField j) { return Denpyou_Field[DenpyouField_Line(line, j)]; }

const char* Title(TPrintKind kind) {
    switch (kind) {
        case PrintKind_Mitumori: return "御  見  積  書";
        case PrintKind_Seikyuu: return "御  請  求  書";
        case PrintKind_Utiwake:
            return Utiwake_Kind == 1 ? "見 積 内 訳 書" : Utiwake_Kind == 2 ? "請 求 内 訳 書" : "内    訳    書";
        default: return "見  積  依  頼";
    }
}

// 1 + the last line whose description does not start with a blank; 0 for none.
int PrintedLines() {
    for (int line = Denpyou_LineMax - 1; line >= 0; --line) {
        const char first = LineText(line, LineField_Syousai)[0];
        if (first != ' ' && first != '\0') return line + 1;
    }
    return 0;
}

// The page of the last line; 1 for a document without lines.
int PageCount(int lines) { return lines > 0 ? Print_PageOfLine(lines - 1) : 1; }

// "-" the page as "%3d" "-", and "全" the page count as "%3d" "ページ".
std::string Framed(const char* before, int n, const char* after) {
    std::string text = before;
    return text.append(Num_FormatInt(n, 3)).append(after);
}
std::string PageNumberText(int page) { return Framed("-", page, "-"); }
std::string AllPageText(int pages) { return Framed("全", pages, "ページ"); }

// The job's name: the title without its blanks and the document number.
std::string JobTitle(TPrintKind kind) {
    std::string title;
    for (const char* p = Title(kind); *p; ++p)
        if (*p != ' ') title += *p;
    return title + "_" + std::to_string(Num_ReadLong(Denpyou_Field[DenpyouField_No]));
}

void ColumnHeaders(const TDenpyouPrintRun& run, int y) {
    const TPrintArea& a = run.Area;
    a.Font(Print_Gothic, 11);
    a.Text(35, y, "品　名　及　び　詳　細");
    a.Text(108, y, "数 量");
    a.Text(123, y, "単 位");
    a.Text(137, y, run.Prices ? "単    価" : "仕    切");
    a.Text(160, y, run.Prices ? "金    額" : "定    価");
}

void Heading(const TDenpyouPrintRun& run, int page) {
    const TPrintArea& a = run.Area;
    a.Text(64, 10, Print_Gothic, 20, Title(run.Kind));
    a.Text(84, 272, Print_Gothic, 10, PageNumberText(page).c_str());
    if (page == 1) {
        Denpyou_PrintFirstPageHeader(run);
        ColumnHeaders(run, 80);
    } else {
        ColumnHeaders(run, 32);
    }
}

// A price column: the value with separators when it is not 0, else blanks.
std::string PriceText(const char* field, int width) {
    const std::int64_t value = Num_ReadLong(field);
    return value != 0 ? Print_Amount(value, width) : std::string(static_cast<size_t>(width) + 2, ' ');
}

void DetailRow(const TDenpyouPrintRun& run, int line, int y) {
    const TPrintArea& a = run.Area;
    // Tax, subtotal and total lines stand out in the gothic face.
    a.Font(Str_ToInt(LineText(line, LineField_Kind)) != 0 ? Print_Gothic : Print_Mincho, 11);
    a.Text(5, y, LineText(line, LineField_Syousai));
    a.Text(107, y, LineText(line, LineField_Suuryou));
    a.Text(123, y, LineText(line, LineField_Tanni));
    if (!run.Prices) return;
    a.Text(131, y, PriceText(LineText(line, LineField_JitubaiTanka), 9).c_str());
    a.Text(155, y, PriceText(LineText(line, LineField_Kingaku), 10).c_str());
}

// The frame, drawn last on every page: border, title rules, table box, a
// rule under each of the page's rows (for its whole capacity) and the
// column rules.
void ClosePage(const TDenpyouPrintRun& run, int page, int capacity) {
    const TPrintArea& a = run.Area;
    const bool first = page == 1;
    if (first) Denpyou_PrintFirstPageClose(run);
    a.PenWidth(3);
    a.Box(0, 3, 183, 270);
    a.Line(62, 18, 115, 18);
    a.Line(62, 19, 115, 19);
    if (first) Denpyou_PrintFirstPageRules(run);  // leaves the pen at width 1
    const int top = first ? 78 : 28;
    a.Box(3, top, 180, 262);
    if (!first) a.Line(3, 38, 180, 38);
    a.PenWidth(1);
    const int firstRule = first ? 86 : 46;
    for (int k = 0; k < capacity; ++k) a.Line(3, firstRule + 8 * k, 180, firstRule + 8 * k);
    for (int x : {104, 121, 135, 154}) a.Line(x, top, x, 262);
}

void PrintPages(const TDenpyouPrintRun& run) {
    int page = 1, row = 0, capacity = Print_FirstPageLines;
    bool opened = false, closed = false;
    run.Area.PenWidth(3);
    for (int line = 0; line < run.LineCount; ++line) {
        if (!opened) {
            opened = true;
            closed = false;
            Heading(run, page);
        }
        DetailRow(run, line, (page == 1 ? 88 : 40) + 8 * row);
        if (++row < capacity) continue;
        ClosePage(run, page, capacity);
        closed = true;
        if (line == run.LineCount - 1) break;  // no page after the last line
        ++page;
        row = 0;
        opened = false;
        Printer().NewPage();
        capacity = Print_PageLines;
    }
    if (!closed) ClosePage(run, page, capacity);
}

// An invoice's issue date := the print date, when it is a valid date; the
// preview shows the era it is stored in.
void TakeIssueDate(const TPrintPreview& preview) {
    const TPrintDate& date = preview.Date;
    const int y = date.YearValue(), m = date.MonthValue(), d = date.DayValue();
    const bool reiwa = y < 27 || y > 31;
    preview.ShowDateEra(reiwa ? "令和" : "平成");
    if (y == 0 || m < 1 || m > 12 || d < 1 || d > 31) return;
    Num_WriteInt(Denpyou_Field[DenpyouField_SeikyuuYear], 4, y + (reiwa ? 2018 : 1988));
    Str_Pad(date.Month, Denpyou_Field[DenpyouField_SeikyuuMonth], 2, 1);
    Str_Pad(date.Day, Denpyou_Field[DenpyouField_SeikyuuDay], 2, 1);
}

}  // namespace

bool Denpyou_Print(const TPrintPreview& preview) {
    TDenpyouPrintRun run;
    run.Date = preview.Date;
    run.DateNotPrinted = preview.DateNotPrinted;
    preview.ShowDateEra(Print_TypedEraName(run.Date.YearValue(), run.Date.MonthValue()));
    Print_Keisyou(run.Keisyou);
    run.LineCount = PrintedLines();
    run.PageCount = PageCount(run.LineCount);
    run.AllPageText = AllPageText(run.PageCount);
    run.Kind = Print_Kind();
    run.Prices = run.Kind != PrintKind_Irai;
    if (run.LineCount == 0) return true;
    Denpyou_PrintFirstPagePrepare(run);

    TPrinter& printer = Printer();
    printer.SetA4(TPrinterOrientation::poPortrait);
    printer.Title = JobTitle(run.Kind);
    run.Area = TPrintArea::Of(printer, Print_LeftMargin, Print_TopMargin);
    if (!printer.BeginDoc()) return false;
    PrintPages(run);
    if (!printer.EndDoc()) return false;  // the job is lost: nothing is stored

    if (run.Kind == PrintKind_Seikyuu) TakeIssueDate(preview);
    Denpyou_Store();
    return true;
}
