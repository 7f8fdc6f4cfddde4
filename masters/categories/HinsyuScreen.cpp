#include "masters/categories/HinsyuScreen.h"

#include <string>

#include "store/Hinsyu.h"
#include "ui/Build.h"
#include "ui/Job.h"
#include "ui/Message.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

int Hinsyu_Top = 0;
int Hinsyu_CurRec = 0;
int Hinsyu_Row = -1;
int HinsyuChoose_CodeSaved = 5010;
const TLockHolder Lock_HinsyuChoose{"the category chooser"};

namespace {

unsigned HinsyuChoose_Hosts = 0;  // the screens it opens over (Job_Bit)

bool HinsyuChoose_InForce() { return (HinsyuChoose_Hosts & Job_Bit(Job_Current)) && HinsyuChoose_Shown(); }

const TScreen HinsyuChoose_Screen{
    .Panel = "Panel_ChooseHinsyu",
    .Over = Job_Every,
    .Shown = HinsyuChoose_InForce,
};

void Hinsyu_Reset() {
    Hinsyu_Top = 0;
    Hinsyu_Row = -1;
    HinsyuChoose_CodeSaved = 5010;
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

void HinsyuChoose_Host(int job) { HinsyuChoose_Hosts |= Job_Bit(job); }

void Hinsyu_Register() {
    Screen_Register(HinsyuChoose_Screen);
    Screen_Register(Hinsyu_Screen);
}

void Hinsyu_Start() {
    Hinsyu_CurRec = 0;
    Hinsyu_ClearList();
    Record_Prepare(Hinsyu_File);
    Hinsyu_ClearRecord();
    Hinsyu_Load();
    Hinsyu_ShowCount();
    Hinsyu_ShowPage();
}

bool Hinsyu_ExitSave() { return !Hinsyu_Loaded || Message_CheckSaved(Hinsyu_File.FileName, Hinsyu_Save()); }

void Hinsyu_ExitSort() {
    if (Hinsyu_Loaded) Hinsyu_SortFile();
}
