// Where two pictures of the window differ, inside and outside a control's
// bounds: a caption drawn and not drawn differ only inside its own box.
#pragma once

#include <QImage>
#include <QRect>

#include "platform/Controls.h"

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
