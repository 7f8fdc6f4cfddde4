#include "app/MenuHandlers.h"

#include <string>

#include "app/Exit.h"
#include "app/Syori_01.h"
#include "ui/Build.h"
#include "ui/CommandBar.h"
#include "ui/Commands.h"
#include "ui/Flags.h"
#include "ui/Focus.h"
#include "ui/Job.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

namespace {

// A label on a shape that acts as a button; its colour is the shape's brush.
struct TPressable {
    TShape* Shape;
    TLabel* Label;
    bool Is(TColor c) const { return Shape && Shape->Brush.Color == c; }
    void Paint(TColor c) const { Button_Paint(Shape, Label, c); }
};

TPressable BarCell(int cell) {
    const std::string suffix = Command_CellSuffix(cell);
    return {Ui_Shape(("Shape_Command_01_" + suffix).c_str()), Ui_Label(("Label_Command_01_" + suffix).c_str())};
}

using TCommand = void (*)();
constexpr TCommand Bar_Commands[10] = {Command_F1, Command_F2, Command_F3, Command_F4, Command_F5,
                                       Command_F6, Command_F7, Command_F8, Command_F9, Command_Esc};

// Labels that turn red while pressed whatever the screen: the exit entry and
// the editor's half-page labels.
struct TPlainButton {
    const char* Shape;
    const char* Label;
};
constexpr TPlainButton Plain_Buttons[] = {
    {"Shape_Job_10", "Label_Job_10"},
    {"Shape_Denpyou_BeforePage", "Label_Denpyou_BeforePage"},
    {"Shape_Denpyou_NextPage", "Label_Denpyou_NextPage"},
};

}  // namespace

void Label_Job_Click(int menuNo) {
    if (Popup_Lock != Flag_False) return;
    Screen_DismissAll();  // the product chooser closes even when the screen stays
    const TScreen* screen = Screen_OfMenu(menuNo);
    if (!screen || Job_Current == screen->Job) return;
    Screen_LeaveAll();
    Screen_Selected(screen->Job);
    Job_Current = screen->Job;
    Job_Show();
}

void Label_Job_10Click() { App_Exit(); }

bool Label_Command_01_Runs(int cell) {
    // F4 deletes: only while F4 is active or a panel over the screen (the
    // unit list's editor) takes F4 itself. The other commands decide for
    // themselves what their key means.
    return cell != 3 || Command_IsEnabled(vk::F4) || Screen_PanelHandles(vk::F4);
}

void Label_Command_01_Click(int cell) {
    if (Label_Command_01_Runs(cell)) Bar_Commands[cell]();
}

void Label_Command_01_MouseDown(int cell) {
    const TPressable b = BarCell(cell);
    if (!Command_Enabled[cell] || b.Is(clRed)) return;
    // Each screen says which of its keys turn red; the tenth cell does on every screen.
    if (Screen_BarPressed(cell)) b.Paint(clRed);
}

void Label_Command_01_MouseUp(int cell) {
    const TPressable b = BarCell(cell);
    if (Command_Enabled[cell] && !b.Is(clOlive)) b.Paint(clOlive);
}

void Menu_BindHandlers(TForm& form) {
    for (int no = 1; no <= 9; ++no)
        if (TControl* l = form.Find(Ui_RowName("Label_Job_", no)))
            l->OnClick = [no](TControl*) { Label_Job_Click(no); };
    if (TControl* l = form.Find("Label_Job_10")) l->OnClick = [](TControl*) { Label_Job_10Click(); };

    for (int cell = 0; cell < 10; ++cell) {
        TControl* l = form.Find("Label_Command_01_" + Command_CellSuffix(cell));
        if (!l) continue;
        l->OnClick = [cell](TControl*) { Label_Command_01_Click(cell); };
        l->OnMouseDown = [cell](TControl*, TMouseButton, TShiftState, int, int) { Label_Command_01_MouseDown(cell); };
        l->OnMouseUp = [cell](TControl*, TMouseButton, TShiftState, int, int) { Label_Command_01_MouseUp(cell); };
    }

    for (const TPlainButton& p : Plain_Buttons) {
        TControl* l = form.Find(p.Label);
        if (!l) continue;
        const TPressable b{form.FindAs<TShape>(p.Shape), static_cast<TLabel*>(l)};
        l->OnMouseDown = [b](TControl*, TMouseButton, TShiftState, int, int) {
            if (!b.Is(clRed)) b.Paint(clRed);
        };
        l->OnMouseUp = [b](TControl*, TMouseButton, TShiftState, int, int) {
            if (!b.Is(clOlive)) b.Paint(clOlive);
        };
    }
}

void Wheel_BindHandlers(TForm& form) {
    form.OnMouseWheelDown = [](TShiftState, int, int) { Wheel_Turn(true); };
    form.OnMouseWheelUp = [](TShiftState, int, int) { Wheel_Turn(false); };
}
