#include "app/MenuControls.h"

#include "ui/CommandBar.h"
#include "ui/Menu.h"

namespace {

// The menu's entries from left to right; the exit entry stands at the right end.
constexpr TMenuEntry Menu_Entries[] = {
    {1, "見積伝票"}, {2, "伝票一覧"}, {3, "顧客設定"}, {4, "品種設定"},
    {5, "商品設定"}, {6, "自社設定"}, {7, "データ保守"}, {9, "業種変更"},
};
constexpr TMenuEntry Menu_Exit{10, "終　了"};

}  // namespace

void Shell_CreateMenu(TForm& form) {
    Menu_CreateControls(form, "Panel_ChooseSyori", Menu_Entries, Menu_Exit);
    CommandBar_CreateControls(form, "Panel_Command_01");
}
