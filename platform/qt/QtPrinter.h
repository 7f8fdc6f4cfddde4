// The printer through Qt's painting: every job is drawn into a PDF. With a
// default printer (CUPS) the PDF is handed to its queue, and the job counts
// as printed only once the queue has taken it; without one it becomes a PDF
// file in the program folder that is then opened with the desktop's program
// for PDF files (or, where none can be started, the user is told where it
// is). The choice is made again for every job, so a printer set up while the
// program runs is used.
#pragma once

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "platform/Clock.h"
#include "platform/Cups.h"
#include "platform/Printer.h"

// Where a job goes: the default printer, or a PDF file when there is none
// (an empty name).
struct TQtPrintTarget {
    bool Pdf = true;
    QString PrinterName;
};
TQtPrintTarget Qt_PrintTarget(const QString& defaultPrinterName);

// The PDF file of a job (a system path under the program folder, CP932):
// its title made safe as a file name, and the time; attempt 2, 3, ... add
// "_2", "_3", ... for jobs within the same second.
std::string Qt_PdfFileName(const std::string& cp932Title, const TDateTime& when, int attempt = 1);

class TQtPrinter final : public TPrinter {
public:
    // PDF files are drawn at this resolution, on the whole sheet (no offsets).
    static constexpr int PdfDpi = 1200;

    // defaultPrinterName gives the system's default printer ("" for none);
    // tests pass one that answers "" to print PDF files, and a double of the
    // submission to the printer's queue.
    explicit TQtPrinter(std::function<QString()> defaultPrinterName, TCupsSubmit submit = Cups_SubmitPdf);
    ~TQtPrinter() override;

protected:
    TPrinterCaps CapsFor(TPaperSize paper, TPrinterOrientation orientation) override;
    bool StartJob(std::string& reason) override;
    bool StartPage(std::string& reason) override;
    bool FinishJob(std::string& reason) override;
    void DropJob() override;
    void DrawText(int x, int y, const std::string& cp932, const TPrinterFont& font) override;
    void DrawLine(int x1, int y1, int x2, int y2, const TPen& pen) override;
    void DrawRectangle(int left, int top, int right, int bottom, const TPen& pen) override;
    TTextSize MeasureText(const std::string& cp932, const TPrinterFont& font) override;

private:
    QFont Font(const TPrinterFont& font) const;
    bool WritePdf(std::string& reason);
    bool Submit(std::string& reason);
    void EndJob();

    std::function<QString()> defaultPrinterName_;
    TCupsSubmit submit_;
    // The job's device: a PDF writer into memory, handed to the printer's
    // queue (printerName_) or written to its file when the job ends.
    QString printerName_;  // "" for a PDF file
    std::unique_ptr<QBuffer> pdfBytes_;
    std::unique_ptr<QPdfWriter> pdf_;
    QPagedPaintDevice* device_ = nullptr;
    QPainter painter_;
    int dpiY_ = PdfDpi;  // of the job's device, for the font sizes
};

// The system's default printer's name, "" when none is set up.
QString Qt_DefaultPrinterName();
