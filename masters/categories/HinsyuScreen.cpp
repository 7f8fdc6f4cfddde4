#include "masters/categories/HinsyuScreen.h"

#include <string>

#include "store/Hinsyu.h"
#include "ui/Build.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

int Hinsyu_Top = 0;
int Hinsyu_CurRec = 0;
int Hinsyu_Row = -1;

namespace {

const TScreen HinsyuChoose_Screen{
    .Panel = "Panel_ChooseHinsyu",
    .Over = Job_Bit(Job_Denpyou) | Job_Bit(Job_Syouhin),
    .Shown = HinsyuChoose_Shown,
};

void Hinsyu_Reset() {
    Hinsyu_Top = 0;
    Hinsyu_Row = -1;
}

constexpr const char* Hinsyu_Pending[] = {"Edit_Hinsyu_Name_01", nullptr};

const TScreen Hinsyu_Screen{
    .Job = Job_Hinsyu,
    .Panel = "Panel_Hinsyu",
    .MenuNo = 4,
    .First = "Edit_Hinsyu_Name_01",
    .BarOn = Command_Keys({vk::F4, vk::F5, vk::F7, vk::F8}),
    .Captions = {.F7 = "F7 前頁", .F8 = "F8 次頁"},
    .Reset = Hinsyu_Reset,
    .Pending = Hinsyu_Pending,
};

}  // namespace

void Hinsyu_CreateControls(TForm& form) {
    static const TControlSpec specs[] = {
        {TControlKind::Label, "Label_Hinsyu_ds", "Panel_Hinsyu", 900, 8, 60, 17, "0", clNone, clBlack, -12,
         nullptr, TAlignment::taRightJustify},
    };
    Ui_BuildAll(form, specs);
}

// The category rows come with the category screen.
void Hinsyu_ShowPage() {}

void Hinsyu_ShowCount() {
    if (TLabel* label = Ui_Label("Label_Hinsyu_ds")) label->SetCaption(std::to_string(Hinsyu_Count));
}

bool HinsyuChoose_Shown() { return Ui_Shown("Panel_ChooseHinsyu"); }

void Hinsyu_Register() {
    Screen_Register(HinsyuChoose_Screen);
    Screen_Register(Hinsyu_Screen);
}
