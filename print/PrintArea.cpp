#include "print/PrintArea.h"

const char* const Print_Gothic = "ＭＳ ゴシック";
const char* const Print_Mincho = "ＭＳ 明朝";

int Print_MmToDots(int dpi, int mm) {
    // The integer quotient of dpi x mm x 10 by 254, in 64 bits.
    return static_cast<int>(static_cast<long long>(dpi) * mm * 10 / 254);
}

TPrintArea TPrintArea::Of(TPrinter& printer, int leftMargin, int topMargin) {
    const TPrinterCaps caps = printer.DeviceCaps();
    TPrintArea area;
    area.Canvas = &printer.Canvas();
    area.DpiX = caps.PixelsPerInchX;
    area.DpiY = caps.PixelsPerInchY;
    area.OffX = caps.PhysicalOffsetX;
    area.OffY = caps.PhysicalOffsetY;
    area.LeftMargin = leftMargin;
    area.TopMargin = topMargin;
    return area;
}

void TPrintArea::Font(const char* face, int points) const {
    Canvas->Font.Name = face;
    Canvas->Font.Size = points;
}

void TPrintArea::Text(int x, int y, const char* cp932) const { Canvas->TextOut(X(x), Y(y), cp932); }

void TPrintArea::Text(int x, int y, const char* face, int points, const char* cp932) const {
    Font(face, points);
    Text(x, y, cp932);
}

void TPrintArea::PenWidth(int dots) const {
    Canvas->Pen.Color = clBlack;
    Canvas->Pen.Width = dots;
}

void TPrintArea::Line(int x1, int y1, int x2, int y2) const {
    Canvas->MoveTo(X(x1), Y(y1));
    Canvas->LineTo(X(x2), Y(y2));
}

void TPrintArea::Box(int left, int top, int right, int bottom) const {
    Canvas->Rectangle(X(left), Y(top), X(right), Y(bottom));
}
