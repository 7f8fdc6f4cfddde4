#include "ui/Frame.h"

#include "ui/Ui.h"

void Frame_Mark(TShape* frame) {
    if (!frame || (frame->Pen.Color == clRed && frame->Pen.Width == 2)) return;
    frame->Pen.Color = clRed;
    frame->Pen.Width = 2;
    Ui_Invalidate();
}

void Frame_Rest(TShape* frame, TColor color) {
    if (!frame || (frame->Pen.Color == color && frame->Pen.Width == 1)) return;
    frame->Pen.Color = color;
    frame->Pen.Width = 1;
    Ui_Invalidate();
}
