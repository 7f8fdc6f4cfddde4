#include "ui/CommandBar.h"

#include "ui/Build.h"
#include "ui/Commands.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

bool Command_Enabled[11] = {true, true, true, true, true, true, true, true, true, true, true};

namespace {

// The name endings of the bar's cells; the tenth is Esc's, named ESC.
constexpr const char* Command_CellSuffixes[10] = {"F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "ESC"};
constexpr int Command_EscCell = 9;

std::string ShapeName(int cell) { return "Shape_Command_01_" + std::string(Command_CellSuffixes[cell]); }
std::string LabelName(int cell) { return "Label_Command_01_" + std::string(Command_CellSuffixes[cell]); }

using TCommand = void (*)();
constexpr TCommand Bar_Commands[10] = {Command_F1, Command_F2, Command_F3, Command_F4, Command_F5,
                                       Command_F6, Command_F7, Command_F8, Command_F9, Command_Esc};

// A cell's shape and label; its colour is the shape's brush.
struct TCell {
    TShape* Shape;
    TLabel* Label;
    bool Is(TColor c) const { return Shape && Shape->Brush.Color == c; }
    void Paint(TColor c) const { Button_Paint(Shape, Label, c); }
};
TCell Cell(int cell) { return {Ui_Shape(ShapeName(cell).c_str()), Ui_Label(LabelName(cell).c_str())}; }

}  // namespace

void Label_Command_01_Click(int cell) {
    if (Label_Command_01_Runs(cell)) Bar_Commands[cell]();
}

void Label_Command_01_MouseDown(int cell) {
    const TCell c = Cell(cell);
    if (!Command_IsEnabled(Command_KeyOfCell(cell)) || c.Is(clRed)) return;
    // Each screen says which of its keys turn red; the tenth cell does on every screen.
    if (Screen_BarPressed(cell)) c.Paint(clRed);
}

void Label_Command_01_MouseUp(int cell) {
    const TCell c = Cell(cell);
    if (Command_IsEnabled(Command_KeyOfCell(cell)) && !c.Is(clOlive)) c.Paint(clOlive);
}

void CommandBar_CreateControls(TForm& form, const char* panel) {
    static const char* const captions[10] = {"F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "Esc"};
    for (int cell = 0; cell < 10; ++cell) {
        TLabel* label = Ui_BuildButton(form, panel, ShapeName(cell).c_str(), LabelName(cell).c_str(), 2 + 97 * cell,
                                       8, cell == Command_EscCell ? 97 : 95, 33, 89, 23, captions[cell], clOlive);
        label->OnClick = [cell](TControl*) { Label_Command_01_Click(cell); };
        label->OnMouseDown = [cell](TControl*, TMouseButton, TShiftState, int, int) {
            Label_Command_01_MouseDown(cell);
        };
        label->OnMouseUp = [cell](TControl*, TMouseButton, TShiftState, int, int) { Label_Command_01_MouseUp(cell); };
    }
    auto* catcher = Ui_BuildAs<TEdit>(form, {TControlKind::Edit, CommandBar_Catcher, panel, 984, 16, 0, 14});
    catcher->TabStop = false;
    catcher->ImeMode = TImeMode::imClose;
}

void CommandBar_TakeFocus() {
    if (TControl* c = Ui_Control(CommandBar_Catcher)) c->SetFocus();
}

bool Label_Command_01_Runs(int cell) {
    return Command_KeyOfCell(cell) != vk::F4 || Command_IsEnabled(vk::F4) || Screen_PanelHandles(vk::F4);
}

std::string Command_CellSuffix(int cell) { return Command_CellSuffixes[cell]; }

int Command_CellOf(Word key) {
    if (key >= vk::F1 && key <= vk::F9) return key - vk::F1;
    return key == vk::Escape ? Command_EscCell : -1;
}

Word Command_KeyOfCell(int cell) { return cell == Command_EscCell ? vk::Escape : static_cast<Word>(vk::F1 + cell); }

void Command_Enable(Word key, bool on) {
    if (const int cell = Command_CellOf(key); cell >= 0) Command_Enabled[cell] = on;
}

bool Command_IsEnabled(Word key) {
    const int cell = Command_CellOf(key);
    return cell >= 0 && Command_Enabled[cell];
}

void Command_EnableAll(bool on) {
    for (bool& flag : Command_Enabled) flag = on;
}

void Command_EnableOnly(std::initializer_list<Word> keys) {
    for (Word key = vk::F1; key <= vk::F9; ++key) Command_Enable(key, false);
    for (Word key : keys) Command_Enable(key, true);
    Command_ShowEnabled();
}

void Button_Paint(TShape* shape, TLabel* label, TColor color) {
    bool changed = false;
    if (shape && shape->Brush.Color != color) shape->Brush.Color = color, changed = true;
    if (label && label->Color != color) label->Color = color, changed = true;
    if (changed) Ui_Invalidate();
}

void Button_Paint(const char* shape, const char* label, TColor color) {
    Button_Paint(Ui_Shape(shape), Ui_Label(label), color);
}

void Command_ShowEnabled() {
    for (int cell = 0; cell < 10; ++cell) {
        TShape* shape = Ui_Shape(ShapeName(cell).c_str());
        TLabel* label = Ui_Label(LabelName(cell).c_str());
        if (!shape || !label) continue;
        const TColor want = Command_IsEnabled(Command_KeyOfCell(cell)) ? clOlive : clSilver;
        if (shape->Brush.Color == want) continue;
        shape->Brush.Color = want;
        label->Color = want;
        Ui_Invalidate();
    }
}

bool Command_ShownActive(Word key) {
    const int cell = Command_CellOf(key);
    const TLabel* label = cell >= 0 ? Ui_Label(LabelName(cell).c_str()) : nullptr;
    return label && label->Color != clSilver;
}

void Command_SetCaption(int key, const char* caption) {
    if (TLabel* label = Ui_Label(LabelName(key - 1).c_str())) label->SetCaption(caption);
}

void Command_SetInk(Word key, TColor color) {
    const int cell = Command_CellOf(key);
    if (cell < 0) return;
    TLabel* label = Ui_Label(LabelName(cell).c_str());
    TShape* shape = Ui_Shape(ShapeName(cell).c_str());
    bool changed = false;
    if (label && label->Font.Color != color) label->Font.Color = color, changed = true;
    if (shape && shape->Pen.Color != color) shape->Pen.Color = color, changed = true;
    if (changed) Ui_Invalidate();
}
