#include "masters/products/SyouhinScreen.h"

#include <string>

#include "masters/categories/HinsyuScreen.h"
#include "masters/units/TanniChoose.h"
#include "store/Syouhin.h"
#include "ui/Build.h"
#include "ui/CommandBar.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

int Syouhin_Top = 0;
int Syouhin_Row = -1;
bool Syouhin_Changed = false;

namespace {

constexpr int Syouhin_Rows = 25;

struct TCaption {
    Word Key;
    const char* Text;
};

// The unit chooser over the product screen: its bar while open (F1 ... F9
// are off when this runs) ...
constexpr TCaption TanniChoose_Bar[] = {
    {vk::F3, "F3 商品上"}, {vk::F4, "F4 商品下"}, {vk::F7, "F7 前頁"}, {vk::F8, "F8 次頁"}, {vk::F9, "F9 閉じる"}};
// ... and the product grid's own bar back when it closes: every caption
// set, only these keys on.
constexpr TCaption Syouhin_Bar[] = {{vk::F1, "F1 伝票登録"}, {vk::F2, "F2 伝票削除"}, {vk::F3, "F3 伝票印刷"},
                                    {vk::F4, "F4 商品削除"}, {vk::F5, "F5 商品挿入"}, {vk::F6, "F6 伝票複写"},
                                    {vk::F7, "F7 商品前頁"}, {vk::F8, "F8 商品次頁"}, {vk::F9, "F9 商品追加"}};

template <size_t N>
void SetCaptions(const TCaption (&captions)[N]) {
    for (const TCaption& c : captions) Command_SetCaption(c.Key - vk::F1 + 1, c.Text);
}

void TanniChoose_Opened() {
    for (const TCaption& c : TanniChoose_Bar) Command_Enable(c.Key, true);
    SetCaptions(TanniChoose_Bar);
    Command_ShowEnabled();
}

void TanniChoose_Closed() {
    Command_EnableOnly({vk::F4, vk::F5, vk::F7, vk::F8, vk::F9});
    SetCaptions(Syouhin_Bar);
}

TEdit* TanniChoose_Cell() {
    if (Syouhin_Row < 0 || Syouhin_Row >= Syouhin_Rows) return nullptr;
    return Ui_Edit(Ui_RowName("Edit_Syouhin_Tannni_", Syouhin_Row + 1).c_str());
}

const TTanniChooseHost Syouhin_TanniHost{Job_Syouhin, 784, 82, TanniChoose_Opened, TanniChoose_Closed,
                                         TanniChoose_Cell};

void Syouhin_Reset() {
    Syouhin_Top = 0;
    Syouhin_Row = -1;
    Syouhin_Changed = false;
}

constexpr const char* Syouhin_Pending[] = {"Edit_Syouhin_Name_01", "Edit_Syouhin_Tannni_*", nullptr};

const TScreen Syouhin_Screen{
    .Job = Job_Syouhin,
    .Panel = "Panel_Syouhin",
    .MenuNo = 5,
    .First = "Edit_Syouhin_Name_01",
    .BarOn = Command_Keys({vk::F4, vk::F5, vk::F7, vk::F8, vk::F9}),
    .Captions = {.F7 = "F7 前頁", .F8 = "F8 次頁", .F9 = "F9 商品追加"},
    .Reset = Syouhin_Reset,
    .Pending = Syouhin_Pending,
};

}  // namespace

void Syouhin_CreateControls(TForm& form) {
    static const TControlSpec specs[] = {
        {TControlKind::Label, "Label_SyouhinRec", "Panel_Syouhin", 820, 8, 60, 17, "0", clNone, clBlack,
         -12, nullptr, TAlignment::taRightJustify},
        {TControlKind::Label, "Label_SyouhinDs", "Panel_Syouhin", 900, 8, 60, 17, "0", clNone, clBlack,
         -12, nullptr, TAlignment::taRightJustify},
    };
    Ui_BuildAll(form, specs);
}

// The product rows come with the product screen.
void Syouhin_ShowPage() {}

void Syouhin_Register() {
    TanniChoose_SetHost(Syouhin_TanniHost);
    HinsyuChoose_Host(Job_Syouhin);
    Screen_Register(Syouhin_Screen);
}

namespace {

void SetNumber(const char* label, int n) {
    if (TLabel* l = Ui_Label(label)) l->SetCaption(std::to_string(n));
}

}  // namespace

void Syouhin_Start() {
    // The first page, no cursor row: at start-up and after a restore
    // replaced the file.
    Syouhin_Top = 0;
    Syouhin_Row = -1;
    Syouhin_CurRec = 0;
    Syouhin_Count = 0;
    Record_Prepare(Syouhin_File);
    Syouhin_ClearRecord();
    Syouhin_Open();
    Syouhin_ShowPage();
    SetNumber("Label_SyouhinDs", Syouhin_Count);
    SetNumber("Label_SyouhinRec", Syouhin_Top + Syouhin_Row + 1);
}

void Syouhin_ExitSort() {
    if (Syouhin_Changed && Syouhin_Count > 1) Syouhin_SortFile();
}
