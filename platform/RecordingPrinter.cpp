#include "platform/RecordingPrinter.h"

#include <utility>

namespace {
// A4 in dots at 254 dots per inch.
constexpr int PaperWidth = 2100, PaperHeight = 2970;
}  // namespace

TPrinterCaps TRecordingPrinter::CapsFor(TPaperSize, TPrinterOrientation orientation) {
    int w = PaperWidth, h = PaperHeight;
    if (orientation == TPrinterOrientation::poLandscape) std::swap(w, h);
    return TPrinterCaps{Dpi, Dpi, offsetX_, offsetY_, w - 2 * offsetX_, h - 2 * offsetY_};
}

bool TRecordingPrinter::StartJob(std::string& reason) {
    if (fault_ == TPrintFault::AtStart) {
        fault_ = TPrintFault::None;
        reason = "テスト: 開始できないプリンタ";
        return false;
    }
    TPrintJob job;
    job.Title = Title;
    job.Paper = Paper();
    job.Copies = Copies();
    job.Orientation = Orientation();
    job.Pages.emplace_back();
    jobs_.push_back(std::move(job));
    return true;
}

bool TRecordingPrinter::StartPage(std::string&) {
    jobs_.back().Pages.emplace_back();
    return true;
}

bool TRecordingPrinter::FinishJob(std::string& reason) {
    if (fault_ == TPrintFault::AtEnd) {
        fault_ = TPrintFault::None;
        reason = "テスト: 終了できないプリンタ";
        return false;
    }
    jobs_.back().Finished = true;
    return true;
}

void TRecordingPrinter::DropJob() {}

void TRecordingPrinter::DrawText(int x, int y, const std::string& cp932, const TPrinterFont& font) {
    Page().Texts.push_back(TPrintedText{x, y, cp932, font});
}

void TRecordingPrinter::DrawLine(int x1, int y1, int x2, int y2, const TPen& pen) {
    Page().Lines.push_back(TPrintedLine{x1, y1, x2, y2, pen});
}

void TRecordingPrinter::DrawRectangle(int left, int top, int right, int bottom, const TPen& pen) {
    Page().Rectangles.push_back(TPrintedRectangle{left, top, right, bottom, pen});
}

TTextSize TRecordingPrinter::MeasureText(const std::string& cp932, const TPrinterFont& font) {
    const int height = font.Size * Dpi / 72;
    return TTextSize{static_cast<int>(cp932.size()) * height / 2, height};
}
