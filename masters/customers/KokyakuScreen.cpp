#include "masters/customers/KokyakuScreen.h"

#include "masters/customers/KokyakuChanged.h"
#include "ui/Build.h"
#include "ui/Flags.h"
#include "ui/Screen.h"

int Kokyaku_Top = 0;
int Kokyaku_Row = 0;

namespace {

void Kokyaku_Reset() {
    Kokyaku_Top = 0;
    Kokyaku_Row = 0;
    Kokyaku_Changed = Flag_False;
}

constexpr const char* Kokyaku_Pending[] = {"Edit_PanelKokyaku_Name_1_01", nullptr};

const TScreen Kokyaku_Screen{
    .Job = Job_Kokyaku,
    .Panel = "Panel_Kokyaku",
    .MenuNo = 3,
    .First = "Edit_PanelKokyaku_Name_1_01",
    .FocusEveryShow = true,
    .BarOn = Command_Keys({vk::F4, vk::F5, vk::F7, vk::F8, vk::F9}),
    .Captions = {.F7 = "F7 前頁", .F8 = "F8 次頁", .F9 = "F9 顧客追加"},
    .Reset = Kokyaku_Reset,
    .Pending = Kokyaku_Pending,
};

}  // namespace

void Kokyaku_CreateControls(TForm& form) {
    static const TControlSpec specs[] = {
        {TControlKind::Label, "Label_KokyakuRec", "Panel_Kokyaku", 820, 8, 60, 17, "0", clNone, clBlack,
         -12, nullptr, TAlignment::taRightJustify},
        {TControlKind::Label, "Label_KokyakuDs", "Panel_Kokyaku", 900, 8, 60, 17, "0", clNone, clBlack,
         -12, nullptr, TAlignment::taRightJustify},
    };
    Ui_BuildAll(form, specs);
}

// The rows of the customer screen and chooser come with those screens.
void Kokyaku_ShowPage() {}
void KokyakuChoose_ShowPage() {}

void Kokyaku_Register() { Screen_Register(Kokyaku_Screen); }
