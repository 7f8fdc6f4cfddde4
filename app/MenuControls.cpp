#include "app/MenuControls.h"

#include <string>

#include "ui/Build.h"
#include "ui/CommandBar.h"

namespace {

// The menu's entries from left to right; the exit entry stands at the right end.
struct TMenuEntry {
    int No;
    const char* Caption;
};
constexpr TMenuEntry Menu_Entries[] = {
    {1, "見積伝票"}, {2, "伝票一覧"}, {3, "顧客設定"}, {4, "品種設定"},
    {5, "商品設定"}, {6, "自社設定"}, {7, "データ保守"}, {9, "業種変更"},
};

}  // namespace

void Menu_CreateControls(TForm& form) {
    int i = 0;
    for (const auto& e : Menu_Entries) {
        const std::string shape = Ui_RowName("Shape_Job_", e.No), label = Ui_RowName("Label_Job_", e.No);
        Ui_BuildButton(form, "Panel_ChooseSyori", shape.c_str(), label.c_str(), 2 + 97 * i++, 1, 95, 47, 87, 37,
                       e.Caption, clOlive);
    }
    Ui_BuildButton(form, "Panel_ChooseSyori", "Shape_Job_10", "Label_Job_10", 989 - 97, 1, 95, 47, 87, 37,
                   "終　了", clOlive);
}

void CommandBar_CreateControls(TForm& form) {
    static const char* const captions[10] = {"F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "Esc"};
    for (int cell = 0; cell < 10; ++cell) {
        const std::string suffix = Command_CellSuffix(cell);
        const std::string shape = "Shape_Command_01_" + suffix, label = "Label_Command_01_" + suffix;
        Ui_BuildButton(form, "Panel_Command_01", shape.c_str(), label.c_str(), 2 + 97 * cell, 8,
                       cell == 9 ? 97 : 95, 33, 89, 23, captions[cell], clOlive);
    }
}
