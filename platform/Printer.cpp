#include "platform/Printer.h"

#include "platform/Application.h"
#include "platform/Cp932.h"

// ------------------------------------------------------------------ canvas

void TPrinterCanvas::TextOut(int x, int y, const std::string& cp932) {
    if (printer_.printing_) printer_.DrawText(x, y, cp932, Font);
}

void TPrinterCanvas::MoveTo(int x, int y) {
    penX_ = x;
    penY_ = y;
}

void TPrinterCanvas::LineTo(int x, int y) {
    if (printer_.printing_) printer_.DrawLine(penX_, penY_, x, y, Pen);
    MoveTo(x, y);
}

void TPrinterCanvas::Rectangle(int left, int top, int right, int bottom) {
    if (printer_.printing_) printer_.DrawRectangle(left, top, right, bottom, Pen);
}

int TPrinterCanvas::TextWidth(const std::string& cp932) { return printer_.MeasureText(cp932, Font).Width; }

int TPrinterCanvas::TextHeight(const std::string& cp932) { return printer_.MeasureText(cp932, Font).Height; }

void TPrinterCanvas::Reset() {
    Font = TPrinterFont{};
    Pen = TPen{};
    MoveTo(0, 0);
}

// ----------------------------------------------------------------- printer

TPrinter::TPrinter() : canvas_(*this) {}

void TPrinter::SetA4(TPrinterOrientation orientation) {
    paper_ = TPaperSize::psA4;
    copies_ = 1;
    orientation_ = orientation;
}

// The user is told at once; the caller only abandons its run.
void TPrinter::Fail(const char* whatUtf8, const std::string& reason) {
    std::string text = whatUtf8;
    if (!reason.empty()) text += "\n" + reason;
    lastError_ = Cp932_FromUtf8(text);
    Application_ShowException(lastError_);
}

bool TPrinter::BeginDoc() {
    // A job left open by a run that ended half-way is dropped, not continued.
    if (printing_) Abort();
    lastError_.clear();
    pageFailed_ = false;
    pageFailure_.clear();
    canvas_.Reset();
    std::string reason;
    if (!StartJob(reason)) {
        Fail("印刷を開始できませんでした。", reason);
        return false;
    }
    printing_ = true;
    return true;
}

void TPrinter::NewPage() {
    if (!printing_ || pageFailed_) return;
    std::string reason;
    if (!StartPage(reason)) {
        // Drawing goes on into nothing; EndDoc reports the lost job.
        pageFailed_ = true;
        pageFailure_ = reason;
    }
    canvas_.MoveTo(0, 0);
}

bool TPrinter::EndDoc() {
    if (!printing_) return false;
    printing_ = false;
    std::string reason = pageFailure_;
    if (pageFailed_) DropJob();
    if (pageFailed_ || !FinishJob(reason)) {
        Fail("印刷を終了できませんでした。印刷は取り消されました。", reason);
        return false;
    }
    return true;
}

void TPrinter::Abort() {
    if (!printing_) return;
    printing_ = false;
    DropJob();
}

// ------------------------------------------------------ the global printer

namespace {

// The printer of a program without a print backend: every job fails.
class TNoPrinter final : public TPrinter {
protected:
    TPrinterCaps CapsFor(TPaperSize, TPrinterOrientation) override { return {}; }
    bool StartJob(std::string& reason) override {
        reason = "プリンタがありません。";
        return false;
    }
    bool StartPage(std::string&) override { return false; }
    bool FinishJob(std::string&) override { return false; }
    void DropJob() override {}
    void DrawText(int, int, const std::string&, const TPrinterFont&) override {}
    void DrawLine(int, int, int, int, const TPen&) override {}
    void DrawRectangle(int, int, int, int, const TPen&) override {}
    TTextSize MeasureText(const std::string&, const TPrinterFont&) override { return {}; }
};

TNoPrinter& NoPrinter() {
    static TNoPrinter printer;
    return printer;
}

TPrinter* g_printer = nullptr;

}  // namespace

TPrinter& Printer() { return g_printer ? *g_printer : NoPrinter(); }

TPrinter* Printer_Install(TPrinter* printer) {
    TPrinter* previous = g_printer;
    g_printer = printer;
    return previous;
}
