#include "masters/categories/HinsyuScreen.h"

#include <cstdio>
#include <string>

#include "masters/categories/HinsyuCommands.h"
#include "platform/File.h"
#include "store/Hinsyu.h"
#include "ui/Build.h"
#include "ui/CommandBar.h"
#include "ui/Job.h"
#include "ui/Message.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

TListWindow Hinsyu_Window{.Row = -1,
                          .Rows = Hinsyu_Rows,
                          .Count = [] { return Hinsyu_Max; },
                          .PageCursor = TPageCursor::First,
                          .Scroll = 2};
int& Hinsyu_Top = Hinsyu_Window.Top;
int& Hinsyu_Row = Hinsyu_Window.Row;
int Hinsyu_CurRec = 0;

namespace {

void (*ProductsRepaint)() = nullptr;

void Hinsyu_Reset() {
    Hinsyu_Top = 0;
    Hinsyu_Row = -1;
    HinsyuChoose_Reset();
}

// The commands, from the bar's cells.
bool Key_F4() {
    Hinsyu_DeleteRecord();
    return true;
}
bool Key_F5() {
    if (Command_IsEnabled(vk::F5)) Hinsyu_InsertRecord();
    return true;
}
bool Key_F7() {
    Hinsyu_BeforePage();
    return true;
}
bool Key_F8() {
    Hinsyu_NextPage();
    return true;
}
bool Key_F9() {
    Hinsyu_GotoNewRow();
    return true;
}

const TScreen Hinsyu_Screen{
    .Job = Job_Hinsyu,
    .Panel = "Panel_Hinsyu",
    .Menu = {.No = 4, .Caption = "品種設定"},
    .First = "Edit_Hinsyu_Name_01",
    // The bar shows what its cells do here, F9 among them.
    .BarOn = Command_Keys({vk::F4, vk::F5, vk::F7, vk::F8, vk::F9}),
    .Captions = {.F4 = "F4 品種削除", .F5 = "F5 品種挿入", .F7 = "F7 前頁", .F8 = "F8 次頁", .F9 = "F9 品種追加"},
    .Keys = {.F4 = Key_F4, .F5 = Key_F5, .F7 = Key_F7, .F8 = Key_F8, .F9 = Key_F9},
    .Reset = Hinsyu_Reset,
};

}  // namespace

TEdit* Hinsyu_CellEdit(int column, int row) {
    if (column < 0 || column >= HinsyuColumn_Count || row < 0 || row >= Hinsyu_Rows) return nullptr;
    return TEditCell{&Hinsyu_Table, column, row}.Edit();
}

void Hinsyu_ShowPage() {
    for (int r = 0; r < Hinsyu_Rows; ++r) {
        const int e = Hinsyu_Top + r;
        char position[16];
        std::snprintf(position, sizeof position, "%3d", e + 1);
        if (TLabel* no = Ui_Label(Ui_RowName("Label_Hinsyu_No_", r + 1).c_str())) no->SetCaption(position);
        if (TEdit* name = Hinsyu_CellEdit(HinsyuColumn_Name, r)) name->SetText(Hinsyu_Name[e]);
        if (TEdit* kana = Hinsyu_CellEdit(HinsyuColumn_Kana, r)) kana->SetText(Hinsyu_Kana[e]);
    }
}

void Hinsyu_FocusRow() {
    TEdit* edit = Hinsyu_CellEdit(HinsyuColumn_Name, Hinsyu_Row);
    if (!edit) return;
    Edit_Trim(edit, Hinsyu_Cells[HinsyuColumn_Name].Width);
    edit->SetFocus();
}

void Hinsyu_ShowCount() {
    Hinsyu_Recount();
    if (TLabel* label = Ui_Label("Label_Hinsyu_ds")) label->SetCaption(std::to_string(Hinsyu_Count));
}

void Hinsyu_ShowRecNo() {
    if (TLabel* label = Ui_Label("Label_Hinsyu_rec")) label->SetCaption(std::to_string(Hinsyu_Top + Hinsyu_Row + 1));
}

void Hinsyu_SetProductsRepaint(void (*repaint)()) { ProductsRepaint = repaint; }

void Hinsyu_RepaintProducts() {
    if (ProductsRepaint) ProductsRepaint();
}

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

// Only a file is sorted: where something else stands at its name, the save
// before has said so already.
void Hinsyu_ExitSort() {
    if (Hinsyu_Loaded && File_Exists(Hinsyu_File.FileName))
        Message_CheckSaved(Hinsyu_File.FileName, Hinsyu_SortFile());
}
