// The function-key bar while a detail cell has the focus.
#include <string>

#include "editor/Display.h"
#include "store/Denpyou.h"
#include "ui/CommandBar.h"
#include "ui/Ui.h"

void Denpyou_SetCommandBar(int mode) {
    for (Word key = vk::F1; key <= vk::F9; ++key) Command_Enable(key, true);
    Command_Enable(vk::F7, false);                   // no stepping from the grid
    if (mode != 1) Command_Enable(vk::F8, false);  // F8 lists products only from the description
    if (Denpyou_CurRec == 0 || Denpyou_CurRec > Denpyou_Count) {
        // A new document: nothing to delete or copy, and it is new already.
        for (Word key : {vk::F2, vk::F6, vk::F9}) Command_Enable(key, false);
    }

    static const char* const captions[9] = {"F1 伝票登録", "F2 伝票削除", "F3 伝票印刷", "F4 行削除", "F5 行挿入",
                                            "F6 複写",     "F7 前伝票",   nullptr,       "F9 伝票追加"};
    for (int key = 1; key <= 9; ++key)
        Command_SetCaption(key, key == 8 ? (mode == 1 ? "F8 商品一覧" : "F8 次伝票") : captions[key - 1]);
    if (TLabel* l = Ui_Label("Label_Denpyou_BeforePage")) l->SetCaption("PageUp 半頁戻し");
    if (TLabel* l = Ui_Label("Label_Denpyou_NextPage")) l->SetCaption("PageDown 半頁送り");

    Command_ShowEnabled();
}
