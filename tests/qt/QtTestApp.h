// The QApplication of the Qt tests, made on first use so that listing the
// tests needs no display. Runs offscreen unless told otherwise.
#pragma once

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QRect>

#include "platform/Controls.h"
#include "platform/qt/QtApplication.h"

inline QApplication& TestApp() {
    static QApplication* app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        Qt_PrepareEnvironment();
        static int argc = 1;
        static char name[] = "syori_qt_tests";
        static char* argv[] = {name, nullptr};
        return new QApplication(argc, argv);  // lives as long as the process
    }();
    return *app;
}

// Pixels of exactly this colour inside (or, with outside, beyond) a rectangle.
inline int CountPixels(const QImage& image, const QColor& color, const QRect& area, bool outside = false) {
    int n = 0;
    const QRgb want = color.rgb();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (area.contains(x, y) != outside && image.pixel(x, y) == want) ++n;
    return n;
}

// Pixels in a control's rectangle that are not its background colour: the
// text drawn on it.
inline int TextPixels(const QImage& image, const TControl* c, const QColor& background) {
    const QRect area(c->ScreenLeft(), c->ScreenTop(), c->Width, c->Height);
    int all = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) all += image.pixel(x, y) != background.rgb();
    return all;
}
