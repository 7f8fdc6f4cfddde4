#include "platform/qt/QtPrinter.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinterInfo>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "platform/Application.h"
#include "platform/Cp932.h"
#include "platform/File.h"
#include "platform/Shell.h"
#include "platform/qt/QtText.h"

TQtPrintTarget Qt_PrintTarget(const QString& defaultPrinterName) {
    if (defaultPrinterName.isEmpty()) return TQtPrintTarget{};
    return TQtPrintTarget{false, defaultPrinterName};
}

QString Qt_DefaultPrinterName() { return QPrinterInfo::defaultPrinterName(); }

// ------------------------------------------------------------- PDF files

namespace {

// Characters that no file name may hold on the disks a user copies to.
bool UnsafeInFileName(unsigned char c) {
    return c < 0x20 || c == 0x7F || c == '/' || c == '\\' || c == ':' || c == '*' || c == '?' || c == '"' ||
           c == '<' || c == '>' || c == '|';
}

// The title made safe, whole characters only (a trail byte 0x5C is part of
// its character), without blanks at either end and at most 80 bytes long.
std::string SafeTitle(const std::string& cp932) {
    constexpr size_t MaxBytes = 80;
    std::string out;
    for (size_t i = 0; i < cp932.size();) {
        const auto c = static_cast<unsigned char>(cp932[i]);
        const size_t n = Cp932_IsLead(c) && i + 1 < cp932.size() ? 2 : 1;
        if (out.size() + n > MaxBytes) break;
        if (n == 1 && UnsafeInFileName(c)) out += '_';
        else out.append(cp932, i, n);
        i += n;
    }
    const size_t first = out.find_first_not_of(' ');
    if (first == std::string::npos) return "Print";
    return out.substr(first, out.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::string Qt_PdfFileName(const std::string& cp932Title, const TDateTime& when, int attempt) {
    char stamp[48];
    std::snprintf(stamp, sizeof stamp, "_%04d%02d%02d_%02d%02d%02d", when.Year, when.Month, when.Day, when.Hour,
                  when.Minute, when.Second);
    std::string name = SafeTitle(cp932Title) + stamp;
    if (attempt > 1) name.append("_").append(std::to_string(attempt));
    return name + ".pdf";
}

// ----------------------------------------------------------- the printer

namespace {

QPageLayout::Orientation QtOrientation(TPrinterOrientation o) {
    return o == TPrinterOrientation::poLandscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

// A job's page: the system printer's sheet with its unprintable edges for
// A4 (when asked) and the orientation, at its resolution; a PDF file's page
// is the whole A4 sheet at PdfDpi, nothing unprintable.
struct TJobPage {
    QPageLayout Layout;
    int Dpi = 0;
};

TJobPage JobPage(const TQtPrintTarget& target, TPaperSize paper, TPrinterOrientation orientation) {
    if (target.Pdf)
        return {QPageLayout(QPageSize(QPageSize::A4), QtOrientation(orientation), QMarginsF(0, 0, 0, 0)),
                TQtPrinter::PdfDpi};
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(target.PrinterName);
    printer.setFullPage(false);
    if (paper == TPaperSize::psA4) printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QtOrientation(orientation));
    return {printer.pageLayout(), printer.resolution()};
}

TPrinterCaps CapsOf(const QRect& paper, const QRect& page, int dpiX, int dpiY) {
    return TPrinterCaps{dpiX, dpiY, page.left() - paper.left(), page.top() - paper.top(), page.width(),
                        page.height()};
}

// A text in pieces: runs of characters, and the single byte 0x5C on its own,
// which the Japanese faces show as the yen sign. (A trail byte 0x5C is part
// of its character.)
struct TTextRun {
    bool Yen;
    QString Text;
};

std::vector<TTextRun> TextRuns(const std::string& cp932) {
    std::vector<TTextRun> runs;
    size_t start = 0;
    auto flush = [&](size_t end) {
        if (end > start) runs.push_back(TTextRun{false, Qt_FromCp932(cp932.substr(start, end - start))});
    };
    for (size_t i = 0; i < cp932.size();) {
        const auto c = static_cast<unsigned char>(cp932[i]);
        if (c == 0x5C) {
            flush(i);
            runs.push_back(TTextRun{true, QString(QChar(u'\u00A5'))});
            start = i + 1;
        }
        i += Cp932_IsLead(c) && i + 1 < cp932.size() ? 2 : 1;
    }
    flush(cp932.size());
    return runs;
}

// Lays a text out from x in the faces' cells, calling draw(run, x, scale) for
// each run, and gives its advance. The faces' own yen sign is a full-width
// glyph; it is squeezed into one half-width cell (scale < 1) as the byte's
// cell is half-width.
template <class Draw>
qreal LayOut(const std::string& cp932, const QFontMetricsF& metrics, qreal x, Draw draw) {
    const qreal start = x;
    const qreal half = metrics.horizontalAdvance(QChar(u'0'));
    for (const TTextRun& run : TextRuns(cp932)) {
        const qreal advance = metrics.horizontalAdvance(run.Text);
        if (run.Yen && advance > half) {
            draw(run.Text, x, half / advance);
            x += half;
        } else {
            draw(run.Text, x, 1.0);
            x += advance;
        }
    }
    return x - start;
}

}  // namespace

TQtPrinter::TQtPrinter(std::function<QString()> defaultPrinterName, TCupsSubmit submit)
    : defaultPrinterName_(std::move(defaultPrinterName)), submit_(std::move(submit)) {}

TQtPrinter::~TQtPrinter() { Abort(); }

TPrinterCaps TQtPrinter::CapsFor(TPaperSize paper, TPrinterOrientation orientation) {
    const TJobPage page = JobPage(Qt_PrintTarget(defaultPrinterName_()), paper, orientation);
    dpiY_ = page.Dpi;
    return CapsOf(page.Layout.fullRectPixels(page.Dpi), page.Layout.paintRectPixels(page.Dpi), page.Dpi, page.Dpi);
}

// Every job is drawn into a PDF in memory, laid out as the job's page: the
// canvas's origin is the printable area's corner, as on the device.
bool TQtPrinter::StartJob(std::string& reason) {
    const TQtPrintTarget target = Qt_PrintTarget(defaultPrinterName_());
    const TJobPage page = JobPage(target, Paper(), Orientation());
    printerName_ = target.PrinterName;
    pdfBytes_ = std::make_unique<QBuffer>();
    pdfBytes_->open(QIODevice::WriteOnly);
    pdf_ = std::make_unique<QPdfWriter>(pdfBytes_.get());
    pdf_->setResolution(page.Dpi);
    pdf_->setPageLayout(page.Layout);
    pdf_->setTitle(Qt_FromCp932(Title));
    device_ = pdf_.get();
    dpiY_ = device_->logicalDpiY();
    if (!painter_.begin(device_)) {
        reason = printerName_.toStdString();
        EndJob();
        return false;
    }
    return true;
}

bool TQtPrinter::StartPage(std::string&) { return device_->newPage(); }

bool TQtPrinter::FinishJob(std::string& reason) {
    bool ok = painter_.end();
    if (!ok) reason = printerName_.toStdString();
    ok = ok && (printerName_.isEmpty() ? WritePdf(reason) : Submit(reason));
    EndJob();
    return ok;
}

void TQtPrinter::DropJob() {
    if (painter_.isActive()) painter_.end();
    EndJob();  // the PDF in memory goes nowhere
}

void TQtPrinter::EndJob() {
    device_ = nullptr;
    pdf_.reset();
    pdfBytes_.reset();
    printerName_.clear();
}

// The PDF goes to the printer's queue; the job is printed only when the
// queue took it. A refusal names the printer and the printing system's
// reason.
bool TQtPrinter::Submit(std::string& reason) {
    pdf_.reset();  // the writer is done with the buffer
    const QByteArray& bytes = pdfBytes_->data();
    TCupsJob job;
    job.Printer = printerName_.toStdString();
    job.Title = Qt_FromCp932(Title).toStdString();
    job.Copies = Copies();
    job.A4 = Paper() == TPaperSize::psA4;
    job.Pdf = bytes.constData();
    job.Size = static_cast<std::size_t>(bytes.size());
    std::string why;
    if (submit_ && submit_(job, why)) return true;
    reason = "プリンタ「" + job.Printer + "」: " + (why.empty() ? std::string("印刷できません。") : why);
    return false;
}

// The PDF goes to a new file through the program's file layer; a file that
// cannot be written in full is removed again. The desktop then opens it;
// where no program can be started for it, the user is told where it is.
bool TQtPrinter::WritePdf(std::string& reason) {
    pdf_.reset();  // the writer is done with the buffer
    const QByteArray& bytes = pdfBytes_->data();
    std::string name;
    for (int attempt = 1; name.empty() || File_Exists(name); ++attempt) name = Qt_PdfFileName(Title, Now(), attempt);
    const std::string host = Platform_HostPath(name);
    const int fd = File_Create(name);
    bool ok = fd >= 0 && File_Write(fd, bytes.constData(), bytes.size()) == bytes.size();
    ok = File_Close(fd) && ok;
    if (!ok) {
        if (fd >= 0) File_Remove(name);
        reason = host;
        return false;
    }
    if (!Shell_OpenDocument(host)) Application_ShowMessage(Cp932_FromUtf8(host + "に保存しました。"));
    return true;
}

QFont TQtPrinter::Font(const TPrinterFont& font) const {
    QFont f(Qt_FontFamily(font.Name));
    // Points at the device's resolution: Size / 72 of an inch high.
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(font.Size * dpiY_ / 72.0))));
    f.setBold(font.Bold);
    f.setKerning(false);
    f.setStyleHint(QFont::TypeWriter, QFont::PreferOutline);
    return f;
}

void TQtPrinter::DrawText(int x, int y, const std::string& cp932, const TPrinterFont& font) {
    const QFont f = Font(font);
    const QFontMetricsF metrics(f, device_);
    painter_.setFont(f);
    painter_.setPen(Qt_Color(font.Color));
    // The top of the character cell at y: the baseline lies an ascent below.
    const qreal baseline = y + metrics.ascent();
    LayOut(cp932, metrics, x, [&](const QString& text, qreal left, qreal scale) {
        if (scale == 1.0) {
            painter_.drawText(QPointF(left, baseline), text);
            return;
        }
        painter_.save();
        painter_.translate(left, baseline);
        painter_.scale(scale, 1.0);
        painter_.drawText(QPointF(0, 0), text);
        painter_.restore();
    });
}

namespace {
QPen QtPen(const TPen& pen) {
    return QPen(Qt_Color(pen.Color), std::max(1, pen.Width), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}
}  // namespace

void TQtPrinter::DrawLine(int x1, int y1, int x2, int y2, const TPen& pen) {
    painter_.setPen(QtPen(pen));
    painter_.drawLine(QPoint(x1, y1), QPoint(x2, y2));
}

void TQtPrinter::DrawRectangle(int left, int top, int right, int bottom, const TPen& pen) {
    painter_.setPen(QtPen(pen));
    painter_.setBrush(Qt::NoBrush);
    const QPoint corners[] = {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
    painter_.drawPolygon(corners, 4);
}

TTextSize TQtPrinter::MeasureText(const std::string& cp932, const TPrinterFont& font) {
    const QFont f = Font(font);
    const QFontMetricsF metrics = device_ ? QFontMetricsF(f, device_) : QFontMetricsF(f);
    const qreal width = LayOut(cp932, metrics, 0, [](const QString&, qreal, qreal) {});
    return TTextSize{static_cast<int>(std::lround(width)),
                     static_cast<int>(std::lround(metrics.height()))};
}
