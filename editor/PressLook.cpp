#include "editor/PressLook.h"

#include "platform/Controls.h"
#include "ui/CommandBar.h"
#include "ui/Ui.h"

void PressLook_Button(TForm& form, const char* shape, const char* label) {
    auto& s = Ui_Built<TShape>(form, shape);
    auto& l = Ui_Built<TLabel>(form, label);
    l.OnMouseDown = [s = &s, l = &l](TControl*, TMouseButton, TShiftState, int, int) {
        if (s->Brush.Color != clRed) Button_Paint(s, l, clRed);
    };
    l.OnMouseUp = [s = &s, l = &l](TControl*, TMouseButton, TShiftState, int, int) {
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
