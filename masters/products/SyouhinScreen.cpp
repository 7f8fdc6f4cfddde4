#include "masters/products/SyouhinScreen.h"

#include "ui/Build.h"
#include "ui/Screen.h"

int Syouhin_Top = 0;
int Syouhin_Row = -1;

namespace {

const TScreen Syouhin_Screen{
    .Job = Job_Syouhin,
    .Panel = "Panel_Syouhin",
    .MenuNo = 5,
    .First = "Edit_Syouhin_Name_01",
    .BarOn = Command_Keys({vk::F4, vk::F5, vk::F7, vk::F8, vk::F9}),
    .Captions = {.F7 = "F7 前頁", .F8 = "F8 次頁", .F9 = "F9 商品追加"},
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

void Syouhin_Register() { Screen_Register(Syouhin_Screen); }
