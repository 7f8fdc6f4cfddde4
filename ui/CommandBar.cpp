#include "ui/CommandBar.h"

#include "ui/Ui.h"

int Command_Enabled[11] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};

namespace {

// The name endings of the bar's cells; the tenth is named ESC.
constexpr const char* Command_CellSuffixes[10] = {"F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "ESC"};

}  // namespace

std::string Command_CellSuffix(int cell) { return Command_CellSuffixes[cell]; }

int Command_CellOf(Word key) {
    if (key >= vk::F1 && key <= vk::F9) return key - vk::F1;
    return key == vk::Escape ? 9 : -1;
}

void Command_Enable(Word key, bool on) {
    if (const int cell = Command_CellOf(key); cell >= 0) Command_Enabled[cell] = on ? 1 : 0;
}

bool Command_IsEnabled(Word key) {
    const int cell = Command_CellOf(key);
    return cell >= 0 && Command_Enabled[cell] != 0;
}

void Command_EnableAll(bool on) {
    for (int& flag : Command_Enabled) flag = on ? 1 : 0;
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
        const std::string suffix = Command_CellSuffix(cell);
        TShape* shape = Ui_Shape(("Shape_Command_01_" + suffix).c_str());
        TLabel* label = Ui_Label(("Label_Command_01_" + suffix).c_str());
        if (!shape || !label) continue;
        const TColor want = Command_Enabled[cell] ? clOlive : clSilver;
        if (shape->Brush.Color == want) continue;
        shape->Brush.Color = want;
        label->Color = want;
        Ui_Invalidate();
    }
}

void Command_SetCaption(int key, const char* caption) {
    if (TLabel* label = Ui_Label(("Label_Command_01_" + Command_CellSuffix(key - 1)).c_str())) label->SetCaption(caption);
}
