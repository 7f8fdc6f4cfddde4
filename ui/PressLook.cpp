#include "ui/PressLook.h"

#include "platform/Controls.h"
#include "ui/CommandBar.h"
#include "ui/Ui.h"

void PressLook_Button(TShape& shape, TLabel& label) {
    label.OnMouseDown = [s = &shape, l = &label](TControl*, TMouseButton, TShiftState, int, int) {
        if (s->Brush.Color != clRed) Button_Paint(s, l, clRed);
    };
    label.OnMouseUp = [s = &shape, l = &label](TControl*, TMouseButton, TShiftState, int, int) {
        if (s->Brush.Color != clOlive) Button_Paint(s, l, clOlive);
    };
}

void PressLook_Arrow(TControl& arrow, TColor rest) {
    auto paint = [](TControl* c, TColor color) {
        if (c->Font.Color == color) return;
        c->Font.Color = color;
        Ui_Invalidate();
    };
    arrow.OnMouseDown = [paint](TControl* c, TMouseButton, TShiftState, int, int) { paint(c, clRed); };
    arrow.OnMouseUp = [paint, rest](TControl* c, TMouseButton, TShiftState, int, int) { paint(c, rest); };
}
