#include "masters/customers/KokyakuScreen.h"

#include <algorithm>
#include <cstdio>

#include "masters/customers/KokyakuCommands.h"
#include "ui/Build.h"
#include "ui/CommandBar.h"
#include "ui/Message.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

TListWindow Kokyaku_Window{
    .Rows = Kokyaku_Rows, .Count = [] { return Kokyaku_Count; }, .EmptyRow = true, .PagesPastAPage = true};
int& Kokyaku_Top = Kokyaku_Window.Top;
int& Kokyaku_Row = Kokyaku_Window.Row;
bool Kokyaku_Changed = false;

namespace {

bool ValidCell(int column, int row) {
    return column >= 0 && column < KokyakuColumn_Count && row >= 0 && row < Kokyaku_Rows;
}

TLabel* NumberLabel(int row) { return Ui_Label(Ui_RowName("Label_PanelKokyaku_No_", row + 1).c_str()); }

// The screen's number texts are 15 pixels high, so a half-width digit takes
// 7.5 pixels.
constexpr int Number_FontHeight = 15;

}  // namespace

const TEditRow& Kokyaku_Cell(int column) { return Kokyaku_Cells[std::clamp(column, 0, KokyakuColumn_Count - 1)]; }

int Kokyaku_CellWidth(int column) { return Kokyaku_Cell(column).Width; }

TEdit* Kokyaku_CellEdit(int column, int row) {
    return ValidCell(column, row) ? TEditCell{&Kokyaku_Table, column, row}.Edit() : nullptr;
}

TShape* Kokyaku_CellFrame(int column, int row) {
    return ValidCell(column, row) ? Ui_Shape(Ui_RowName(Kokyaku_Cells[column].Frame, row + 1).c_str()) : nullptr;
}

void Kokyaku_ShowNumber(TLabel* label, const std::string& text) {
    if (!label) return;
    // Digits beyond what the label holds at full size make the font smaller
    // rather than run past the label's edge.
    const int chars = std::max<int>(1, static_cast<int>(text.size()));
    const int height = std::min(Number_FontHeight, 2 * label->Width / chars);
    if (label->Font.Height != -height) label->Font.Height = -height;
    label->SetCaption(text);
}

void Kokyaku_ShowRecNo() {
    Kokyaku_ShowNumber(Ui_Label("Label_KokyakuRec"), std::to_string(Kokyaku_Top + Kokyaku_Row + 1));
}

void Kokyaku_ShowCount() { Kokyaku_ShowNumber(Ui_Label("Label_KokyakuDs"), std::to_string(Kokyaku_Count)); }

void Kokyaku_NumberCursorRow() {
    Kokyaku_ShowNumber(NumberLabel(Kokyaku_Row), std::to_string(Kokyaku_Top + Kokyaku_Row + 1));
}

void Kokyaku_ShowPage() {
    for (int r = 0; r < Kokyaku_Rows; ++r) {
        std::string number = "    ";
        Kokyaku_ClearRecord();
        if (Kokyaku_Top + r < Kokyaku_Count) {
            char text[16];
            std::snprintf(text, sizeof text, "%4d", Kokyaku_Top + r + 1);
            number = text;
            Kokyaku_CurRec = Kokyaku_Top + r + 1;
            Kokyaku_ReadRecord(Kokyaku_CurRec);
            Kokyaku_SplitRecord();
        }
        Kokyaku_ShowNumber(NumberLabel(r), number);
        for (int c = 0; c < KokyakuColumn_Count; ++c)
            if (TEdit* edit = Kokyaku_CellEdit(c, r)) edit->SetText(Kokyaku_Field[Kokyaku_Cells[c].Field]);
    }
}

void Kokyaku_FocusRow() {
    TEdit* edit = Kokyaku_CellEdit(KokyakuColumn_Name_1, Kokyaku_Row);
    if (!edit) return;
    Edit_Trim(edit, Kokyaku_CellWidth(KokyakuColumn_Name_1));
    edit->SetFocus();
}

namespace {

// A new window: the first page, the cursor on its first row, nothing written.
void Kokyaku_Reset() {
    Kokyaku_Top = 0;
    Kokyaku_Row = 0;
    Kokyaku_Changed = false;
}

// Chosen from the menu: a page top left beyond the last page (by deletions
// there) comes back to it, repainted before the first cell takes the focus,
// so that the focus finds a row it may enter.
void Kokyaku_Selected() {
    if (!Kokyaku_Window.BackToLastPage()) return;
    Kokyaku_ShowPage();
    Kokyaku_ShowRecNo();
}

// The commands on this screen, from the cells' keys and the bar alike.
bool Key_F4() {
    Kokyaku_DeleteRecord();
    return true;
}
bool Key_F5() {
    if (Command_IsEnabled(vk::F5)) Kokyaku_InsertRecord();
    return true;
}
bool Key_F7() {
    Kokyaku_BeforePage();
    return true;
}
bool Key_F8() {
    Kokyaku_NextPage();
    return true;
}
bool Key_F9() {
    Kokyaku_GotoNewRow();
    return true;
}

const TScreen Kokyaku_Screen{
    .Job = Job_Kokyaku,
    .Panel = "Panel_Kokyaku",
    .Menu = {.No = 3, .Caption = "顧客設定"},
    .First = "Edit_PanelKokyaku_Name_1_01",
    .FocusEveryShow = true,
    .BarOn = Command_Keys({vk::F4, vk::F5, vk::F7, vk::F8, vk::F9}),
    // Every key it turns on is named: F4 and F5 would otherwise keep what the
    // screen shown before called them there (its categories, its products).
    .Captions = {.F4 = "F4 行削除", .F5 = "F5 行挿入", .F7 = "F7 前頁", .F8 = "F8 次頁", .F9 = "F9 顧客追加"},
    .Keys = {.F4 = Key_F4, .F5 = Key_F5, .F7 = Key_F7, .F8 = Key_F8, .F9 = Key_F9},
    .Selected = Kokyaku_Selected,
    .Reset = Kokyaku_Reset,
};

}  // namespace

void Kokyaku_Register() { Screen_Register(Kokyaku_Screen); }

void Kokyaku_Start() {
    // The first page: at start-up and after a restore replaced the file.
    Kokyaku_Top = 0;
    Kokyaku_Row = 0;
    Kokyaku_CurRec = 0;
    Record_Prepare(Kokyaku_File);
    Kokyaku_ClearRecord();
    Kokyaku_Open();
    Kokyaku_ShowPage();
    Kokyaku_ShowRecNo();
    Kokyaku_ShowCount();
}

void Kokyaku_ExitSort() {
    if (Kokyaku_Changed && Kokyaku_Count > 1) Message_CheckSaved(Kokyaku_File.FileName, Kokyaku_SortFile());
}
