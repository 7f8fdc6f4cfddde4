// Printing in millimetres. Positions are (x, y) in millimetres from the page
// origin, which lies 10 mm right of and 2 mm below the corner of the
// printable area for a document (at the corner itself for the document
// list), moved by the print margins; the printer's physical offsets are added
// to the device coordinates.
#pragma once

#include "platform/Printer.h"

// The two printer faces (CP932), both fixed-pitch.
extern const char* const Print_Gothic;  // "ＭＳ ゴシック"
extern const char* const Print_Mincho;  // "ＭＳ 明朝"

// Device units for a length in millimetres: dpi x mm / 25.4, truncated
// toward zero.
int Print_MmToDots(int dpi, int mm);

// The canvas of the job being printed, addressed in millimetres.
struct TPrintArea {
    TPrinterCanvas* Canvas = nullptr;
    int DpiX = 0, DpiY = 0;  // dots per inch
    int OffX = 0, OffY = 0;  // physical offsets, in dots
    int LeftMargin = 0, TopMargin = 0;  // millimetres
    int OriginX = 10, OriginY = 2;      // millimetres from the corner to the page origin

    // The printer's resolution and offsets for its current page set-up and
    // the margins in millimetres.
    static TPrintArea Of(TPrinter& printer, int leftMargin, int topMargin);

    int X(int x) const { return Print_MmToDots(DpiX, OriginX + LeftMargin + x) + OffX; }
    int Y(int y) const { return Print_MmToDots(DpiY, OriginY + TopMargin + y) + OffY; }

    void Font(const char* face, int points) const;
    void Text(int x, int y, const char* cp932) const;
    // Text in that face and size.
    void Text(int x, int y, const char* face, int points, const char* cp932) const;
    void PenWidth(int dots) const;
    // A line in the current pen.
    void Line(int x1, int y1, int x2, int y2) const;
    // A closed outline through the four corners in the current pen.
    void Box(int left, int top, int right, int bottom) const;
};
