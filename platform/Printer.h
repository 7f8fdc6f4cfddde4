// The printer: the one the program prints on, its page set-up, its
// resolution and physical offsets, and a canvas that draws in device dots.
// A backend (the system printer or a PDF file through Qt, a recorder in
// tests) is installed at start-up; the system code only ever talks to
// `Printer()`.
//
// A job runs BeginDoc, drawing, NewPage, drawing, ..., EndDoc. BeginDoc and
// EndDoc can fail; the user has then already been told (the application's
// error box) and the caller abandons its run: a job that fails to start or
// to finish must leave everything as it was.
#pragma once

#include <string>

#include "platform/Types.h"

enum class TPrinterOrientation { poPortrait, poLandscape };
// The paper the job asks for: what the device is set to, or A4.
enum class TPaperSize { psDeviceDefault, psA4 };

// What a page set-up gives, in device dots, for the paper and orientation
// asked for.
struct TPrinterCaps {
    int PixelsPerInchX = 0, PixelsPerInchY = 0;
    // From the paper's corner to the corner of the printable area, where the
    // canvas's origin (0, 0) lies.
    int PhysicalOffsetX = 0, PhysicalOffsetY = 0;
    // The printable area.
    int PageWidth = 0, PageHeight = 0;
};

// A printer font. The faces "ＭＳ ゴシック" and "ＭＳ 明朝" are fixed-pitch:
// a double-byte character is exactly two single-byte cells wide, and the
// byte 0x5C is drawn as the yen sign.
struct TPrinterFont {
    std::string Name;  // CP932
    int Size = 10;     // points, at the device's resolution
    TColor Color = clBlack;
    bool Bold = false;
    bool operator==(const TPrinterFont&) const = default;
};

struct TTextSize {
    int Width = 0, Height = 0;
};

class TPrinter;

// The drawing surface of the page being printed, in device dots from the
// printable area's corner. Outside a job it measures but draws nothing.
class TPrinterCanvas {
public:
    explicit TPrinterCanvas(TPrinter& printer) : printer_(printer) {}

    TPrinterFont Font;
    TPen Pen;  // colour and width in dots

    // Text (CP932) with the top-left corner of its first character cell at
    // (x, y).
    void TextOut(int x, int y, const std::string& cp932);
    void MoveTo(int x, int y);
    // A line from the pen position to (x, y), which becomes the pen position.
    void LineTo(int x, int y);
    // The outline through the four corners; nothing is filled.
    void Rectangle(int left, int top, int right, int bottom);
    // The advance and the cell height of a text in the current font.
    int TextWidth(const std::string& cp932);
    int TextHeight(const std::string& cp932);

    // Back to the defaults (black pen of width 1, a 10-point black font, the
    // pen at (0, 0)), as each job begins.
    void Reset();

private:
    TPrinter& printer_;
    int penX_ = 0, penY_ = 0;
};

class TPrinter {
public:
    TPrinter();
    virtual ~TPrinter() = default;
    TPrinter(const TPrinter&) = delete;
    TPrinter& operator=(const TPrinter&) = delete;

    // The page set-up: A4, one copy and the orientation, always together.
    // Kept for later jobs until changed.
    void SetA4(TPrinterOrientation orientation);
    TPaperSize Paper() const { return paper_; }
    int Copies() const { return copies_; }  // 0: the device's own setting
    TPrinterOrientation Orientation() const { return orientation_; }

    // Resolution, offsets and page size for the current set-up.
    TPrinterCaps DeviceCaps() { return CapsFor(paper_, orientation_); }

    // The job's name (CP932): what the spooler lists, or the PDF file's name.
    std::string Title;

    // Starts a job on its first page. false: no job was started.
    bool BeginDoc();
    void NewPage();
    // Hands the job to the device. false: the job was lost.
    bool EndDoc();
    // Drops the job begun, if any (a run that cannot finish).
    void Abort();
    bool Printing() const { return printing_; }
    // The last failure as shown to the user (CP932); "" after a success.
    const std::string& LastError() const { return lastError_; }

    TPrinterCanvas& Canvas() { return canvas_; }

protected:
    // ---- the backend. Failures give a reason (UTF-8, may be empty).
    virtual TPrinterCaps CapsFor(TPaperSize paper, TPrinterOrientation orientation) = 0;
    // The page set-up of the job is Paper(), Copies(), Orientation().
    virtual bool StartJob(std::string& reason) = 0;
    virtual bool StartPage(std::string& reason) = 0;  // every page after the first
    virtual bool FinishJob(std::string& reason) = 0;
    virtual void DropJob() = 0;
    virtual void DrawText(int x, int y, const std::string& cp932, const TPrinterFont& font) = 0;
    virtual void DrawLine(int x1, int y1, int x2, int y2, const TPen& pen) = 0;
    virtual void DrawRectangle(int left, int top, int right, int bottom, const TPen& pen) = 0;
    virtual TTextSize MeasureText(const std::string& cp932, const TPrinterFont& font) = 0;

private:
    friend class TPrinterCanvas;
    void Fail(const char* whatUtf8, const std::string& reason);

    TPaperSize paper_ = TPaperSize::psDeviceDefault;
    int copies_ = 0;
    TPrinterOrientation orientation_ = TPrinterOrientation::poPortrait;
    bool printing_ = false;
    bool pageFailed_ = false;  // a page could not be started: the job is lost
    std::string pageFailure_;
    std::string lastError_;
    TPrinterCanvas canvas_;
};

// The printer the program prints on. Before a backend is installed it is a
// printer that cannot print.
TPrinter& Printer();
// Installs a printer (not owned; nullptr: none) and gives back the one
// installed before, so that a test can put it back.
TPrinter* Printer_Install(TPrinter* printer);
