#include "editor/CommandBarMode.h"

#include <string>

#include "store/Denpyou.h"
#include "ui/CommandBar.h"
#include "ui/Ui.h"

TCommandMode Denpyou_CommandMode = TCommandMode::Header;

void Denpyou_SetCommandBar(TCommandMode mode) {
    const bool syousai = mode == TCommandMode::Syousai;
    for (Word key = vk::F1; key <= vk::F9; ++key) Command_Enable(key, true);
    Command_Enable(vk::F7, false);                   // no stepping from the grid
    if (!syousai) Command_Enable(vk::F8, false);  // F8 lists products only from the description
    if (Denpyou_CurRec == 0 || Denpyou_CurRec > Denpyou_Count) {
        // A new document: nothing to delete or copy, and it is new already.
        for (Word key : {vk::F2, vk::F6, vk::F9}) Command_Enable(key, false);
    }

    static const char* const captions[9] = {"F1 伝票登録", "F2 伝票削除", "F3 伝票印刷", "F4 行削除", "F5 行挿入",
                                            "F6 複写",     "F7 前伝票",   nullptr,       "F9 伝票追加"};
    for (int key = 1; key <= 9; ++key)
        Command_SetCaption(key, key == 8 ? (syousai ? "F8 商品一覧" : "F8 次伝票") : captions[key - 1]);
    if (TLabel* l = Ui_Label("Label_Denpyou_BeforePage")) l->SetCaption("PageUp 半頁戻し");
    if (TLabel* l = Ui_Label("Label_Denpyou_NextPage")) l->SetCaption("PageDown 半頁送り");

    Command_ShowEnabled();
}

void Denpyou_SetChooserBar() {
    struct TCaption {
        Word Key;
        const char* Text;
    };
    static constexpr TCaption captions[] = {{vk::F1, "F1 品種変更"}, {vk::F3, "F3 明細上"}, {vk::F4, "F4 明細下"},
                                            {vk::F5, "F5 前半頁"},   {vk::F6, "F6 次半頁"}, {vk::F9, "F9 閉じる"}};
    Command_EnableOnly({vk::F1, vk::F3, vk::F4, vk::F5, vk::F6, vk::F9});
    for (const TCaption& c : captions) Command_SetCaption(c.Key - vk::F1 + 1, c.Text);
    if (TLabel* l = Ui_Label("Label_Denpyou_BeforePage")) l->SetCaption("F5 半頁戻し");
    if (TLabel* l = Ui_Label("Label_Denpyou_NextPage")) l->SetCaption("F6 半頁送り");
}
