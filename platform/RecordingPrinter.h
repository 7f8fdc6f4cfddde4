// A printer that keeps what it is given: every job with its page set-up and
// its pages, each page with its texts (raw CP932 bytes and top-left point),
// lines and rectangles, each with the font or pen it was drawn in. Tests and
// the scenario runner print on it.
//
// It prints at 254 dots per inch in both directions (1 mm = 10 dots) on A4
// (2100 x 2970 dots, turned for landscape); the physical offsets are 0 until
// set, and the printable area is the paper less the offsets on each side.
#pragma once

#include <string>
#include <vector>

#include "platform/Printer.h"

struct TPrintedText {
    int X = 0, Y = 0;  // top-left corner
    std::string Text;  // CP932, as given
    TPrinterFont Font;
};

struct TPrintedLine {
    int X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    TPen Pen;
};

struct TPrintedRectangle {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    TPen Pen;
};

struct TPrintedPage {
    std::vector<TPrintedText> Texts;
    std::vector<TPrintedLine> Lines;
    std::vector<TPrintedRectangle> Rectangles;
};

struct TPrintJob {
    std::string Title;  // CP932
    TPaperSize Paper = TPaperSize::psDeviceDefault;
    int Copies = 0;
    TPrinterOrientation Orientation = TPrinterOrientation::poPortrait;
    std::vector<TPrintedPage> Pages;
    bool Finished = false;  // EndDoc handed it over
};

// How the next job fails, for a test of a printer that breaks down.
enum class TPrintFault { None, AtStart, AtEnd };

class TRecordingPrinter : public TPrinter {
public:
    static constexpr int Dpi = 254;

    void SetOffsets(int x, int y) {
        offsetX_ = x;
        offsetY_ = y;
    }
    // The next job fails to start, or fails when it ends; once.
    void FailNextJob(TPrintFault fault = TPrintFault::AtStart) { fault_ = fault; }

    // Every job begun, oldest first: finished, dropped or still open.
    const std::vector<TPrintJob>& Jobs() const { return jobs_; }
    // The last job begun; nullptr when there was none.
    const TPrintJob* LastJob() const { return jobs_.empty() ? nullptr : &jobs_.back(); }
    void ClearJobs() { jobs_.clear(); }

protected:
    TPrinterCaps CapsFor(TPaperSize paper, TPrinterOrientation orientation) override;
    bool StartJob(std::string& reason) override;
    bool StartPage(std::string& reason) override;
    bool FinishJob(std::string& reason) override;
    void DropJob() override;
    void DrawText(int x, int y, const std::string& cp932, const TPrinterFont& font) override;
    void DrawLine(int x1, int y1, int x2, int y2, const TPen& pen) override;
    void DrawRectangle(int left, int top, int right, int bottom, const TPen& pen) override;
    // A fixed-pitch cell: Size points high, half as wide per byte.
    TTextSize MeasureText(const std::string& cp932, const TPrinterFont& font) override;

private:
    TPrintedPage& Page() { return jobs_.back().Pages.back(); }

    int offsetX_ = 0, offsetY_ = 0;
    TPrintFault fault_ = TPrintFault::None;
    std::vector<TPrintJob> jobs_;
};
