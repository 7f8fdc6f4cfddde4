// Where two pictures of the window differ, inside and outside a control's
// bounds: a caption drawn and not drawn differ only inside its own box.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QRect>

#include <string>

#include "platform/Controls.h"
#include "platform/qt/Screenshot.h"

struct TRenderDiff {
    int Inside = 0, Outside = 0;
};

inline TRenderDiff Render_Diff(const QImage& a, const QImage& b, const TControl* c) {
    const QRect area(c->ScreenLeft(), c->ScreenTop(), c->Width, c->Height);
    TRenderDiff d;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) ++(area.contains(x, y) ? d.Inside : d.Outside);
    return d;
}

// The control's caption draws its glyphs inside its own bounds and nowhere
// else: the window as shown beside the window without that caption.
inline void Render_ExpectCaptionInside(TForm& form, const QImage& shown, TControl* c) {
    SCOPED_TRACE(c->Name());
    const std::string caption = c->Caption;
    c->Caption.clear();
    const QImage without = Qt_RenderForm(form);
    c->Caption = caption;
    const TRenderDiff d = Render_Diff(shown, without, c);
    EXPECT_GT(d.Inside, 10);
    EXPECT_EQ(d.Outside, 0);
}
