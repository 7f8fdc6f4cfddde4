#include "masters/products/SyouhinScreen.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "masters/categories/HinsyuScreen.h"
#include "masters/products/SyouhinCommands.h"
#include "masters/products/SyouhinHinsyu.h"
#include "masters/units/TanniChoose.h"
#include "store/Tanni.h"
#include "ui/Build.h"
#include "ui/CommandBar.h"
#include "ui/Frame.h"
#include "ui/Message.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

TListWindow Syouhin_Window{.Row = -1,
                           .Rows = Syouhin_Rows,
                           .Count = [] { return Syouhin_Count; },
                           .EmptyRow = true,
                           .PagesPastAPage = true};
int& Syouhin_Top = Syouhin_Window.Top;
int& Syouhin_Row = Syouhin_Window.Row;
bool Syouhin_Changed = false;

namespace {

// The unit chooser over the product screen: its bar while open.
void TanniChoose_Opened() {
    Command_ShowBar(Command_Keys({vk::F3, vk::F4, vk::F7, vk::F8, vk::F9}),
                    {.F3 = "F3 商品上", .F4 = "F4 商品下", .F7 = "F7 前頁", .F8 = "F8 次頁", .F9 = "F9 閉じる"});
}

TEdit* TanniChoose_Cell() { return Syouhin_CellEdit(SyouhinColumn_Tanni, Syouhin_Row); }

const TTanniChooseHost Syouhin_TanniHost{Job_Syouhin, 784, 82, TanniChoose_Opened, Syouhin_ShowBar,
                                         TanniChoose_Cell};

bool ValidRow(int row) { return row >= 0 && row < Syouhin_Rows; }

void SetNumber(const char* label, int n) {
    if (TLabel* l = Ui_Label(label)) l->SetCaption(std::to_string(n));
}

// Row r shows product n from its record (nullptr: blanks; n 0: no number).
void ShowRow(int r, const char* record, int n) {
    Syouhin_ClearRecord();
    if (record) {
        std::memcpy(Syouhin_RecBuf.data(), record, static_cast<size_t>(Syouhin_RecLen));
        Syouhin_SplitRecord();
        Syouhin_CurRec = n;
    }
    char number[16] = "    ";
    if (n > 0) std::snprintf(number, sizeof number, "%4d", n);
    if (TLabel* no = Ui_Label(Ui_RowName("Label_Syouhin_No_", r + 1).c_str())) no->SetCaption(number);
    for (int c = 0; c < SyouhinColumn_Count; ++c)
        if (TEdit* edit = Syouhin_CellEdit(c, r)) edit->SetText(Syouhin_Field[Syouhin_Cells[c].Field]);
    if (TLabel* zei = Ui_Label(Ui_RowName("Label_Syouhin_Zei_", r + 1).c_str()))
        zei->SetCaption(Syouhin_Field[SyouhinField_Zei]);
    Syouhin_ShowHinsyuLabels(r, Syouhin_Field[SyouhinField_Hinsyu]);
}

void Syouhin_Reset() {
    Syouhin_Top = 0;
    Syouhin_Row = -1;
    Syouhin_Changed = false;
}

// Chosen from the menu: the page shows what the category screen may have
// changed (names, memberships), and a page top left beyond the last page
// (by deletions there, or a restore) comes back to it before a cell takes
// the focus.
void Syouhin_Selected() {
    Syouhin_Window.BackToLastPage();
    Syouhin_ShowPage();
    Syouhin_ShowRecNo();
}

// The commands on this screen, from the cells' keys and the bar alike; with
// the category chooser open its own record takes them first.
bool Key_F3() {
    if (TanniChoose_Shown()) Syouhin_PopupRowUp();
    return true;
}
bool Key_F4() {
    if (TanniChoose_Shown()) Syouhin_PopupRowDown();
    else Syouhin_DeleteRecord();
    return true;
}
// (The insert itself refuses while a chooser is open, whatever the flag
// says: a cell refused under the chooser may have put the product bar back.)
bool Key_F5() {
    if (Command_IsEnabled(vk::F5)) Syouhin_InsertRecord();
    return true;
}
bool Key_F7() {
    Syouhin_BeforePage();
    Syouhin_LocateUnit();
    return true;
}
bool Key_F8() {
    Syouhin_NextPage();
    Syouhin_LocateUnit();
    return true;
}
bool Key_F9() {
    if (TanniChoose_Shown()) TanniChoose_TakeCursor();
    else Syouhin_GotoNewRow();
    return true;
}

const TScreen Syouhin_Screen{
    .Job = Job_Syouhin,
    .Panel = "Panel_Syouhin",
    .Menu = {.No = 5, .Caption = "商品設定"},
    .First = "Edit_Syouhin_Name_01",
    .BarOn = Command_Keys({vk::F4, vk::F5, vk::F7, vk::F8, vk::F9}),
    // F4 and F5 say what they do here whichever screen named them last (the
    // category screen's would name its own delete and insert).
    .Captions = {.F4 = "F4 商品削除", .F5 = "F5 商品挿入", .F7 = "F7 前頁", .F8 = "F8 次頁", .F9 = "F9 商品追加"},
    .Keys = {.F3 = Key_F3, .F4 = Key_F4, .F5 = Key_F5, .F7 = Key_F7, .F8 = Key_F8, .F9 = Key_F9},
    .Selected = Syouhin_Selected,
    .Reset = Syouhin_Reset,
};

}  // namespace

TEdit* Syouhin_CellEdit(int column, int row) {
    if (column < 0 || column >= SyouhinColumn_Count || !ValidRow(row)) return nullptr;
    return TEditCell{&Syouhin_Table, column, row}.Edit();
}

TShape* Syouhin_RowShape(const char* prefix, int row) {
    return ValidRow(row) ? Ui_Shape(Ui_RowName(prefix, row + 1).c_str()) : nullptr;
}

void Syouhin_ShowPage() {
    const int last = std::min(Syouhin_Top + Syouhin_Rows, Syouhin_Count);
    int next = 0;  // the next row to paint
    // Without its record (not read): the number and blanks.
    auto blankUpTo = [&](int row) {
        for (; next < row; ++next) {
            const int n = Syouhin_Top + next + 1;
            ShowRow(next, nullptr, n <= Syouhin_Count ? n : 0);
        }
    };
    // The page's records in one read.
    if (Syouhin_Top < last)
        Record_Scan(Syouhin_File, Syouhin_Top + 1, last, [&](const char* record, int n) {
            blankUpTo(n - Syouhin_Top - 1);
            ShowRow(next++, record, n);
            return true;
        });
    blankUpTo(Syouhin_Rows);
}

void Syouhin_ShowPageUnderFocus() {
    Syouhin_ShowPage();
    Edit_TrimFocused(Syouhin_Table);
}

void Syouhin_MarkLine() {
    Syouhin_ShowRecNo();
    for (int r = 0; r < Syouhin_Rows; ++r) {
        TShape* frame = Syouhin_RowShape(Syouhin_Cells[SyouhinColumn_Name].Frame, r);
        if (r == Syouhin_Row) Frame_Mark(frame);
        else Frame_Rest(frame, clBlack);
    }
}

void Syouhin_ShowRecNo() { SetNumber("Label_SyouhinRec", Syouhin_Top + Syouhin_Row + 1); }

void Syouhin_ShowCount() { SetNumber("Label_SyouhinDs", Syouhin_Count); }

void Syouhin_NumberCursorRow() {
    if (TLabel* label = ValidRow(Syouhin_Row) ? Ui_Label(Ui_RowName("Label_Syouhin_No_", Syouhin_Row + 1).c_str())
                                              : nullptr)
        label->SetCaption(std::to_string(Syouhin_Top + Syouhin_Row + 1));
}

void Syouhin_FocusRow() {
    TEdit* edit = Syouhin_CellEdit(SyouhinColumn_Name, Syouhin_Row);
    if (!edit) return;
    Edit_Trim(edit, Syouhin_Cells[SyouhinColumn_Name].Width);
    edit->SetFocus();
}

void Syouhin_LocateUnit() {
    if (!TanniChoose_Shown() || Tanni_Count == 0) return;
    const TEdit* cell = TanniChoose_Cell();
    TanniChoose_Locate(Str_CommitText(cell ? cell->Text() : "", Syouhin_FieldWidth[SyouhinField_Tanni],
                                      TCommitForm::Left)
                           .c_str());
}

void Syouhin_ShowBar() {
    Command_ShowBar(Command_Keys({vk::F4, vk::F5, vk::F7, vk::F8, vk::F9}),
                    {.F1 = "F1 伝票登録", .F2 = "F2 伝票削除", .F3 = "F3 伝票印刷", .F4 = "F4 商品削除",
                     .F5 = "F5 商品挿入", .F6 = "F6 伝票複写", .F7 = "F7 商品前頁", .F8 = "F8 商品次頁",
                     .F9 = "F9 商品追加"});
}

void Syouhin_Register() {
    TanniChoose_SetHost(Syouhin_TanniHost);
    HinsyuChoose_SetHost(Syouhin_HinsyuHost);
    Hinsyu_SetProductsRepaint(Syouhin_ShowPage);
    Screen_Register(Syouhin_Screen);
}

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
    Syouhin_ShowCount();
    Syouhin_ShowRecNo();
}

void Syouhin_ExitSort() {
    if (Syouhin_Changed && Syouhin_Count > 1) Message_CheckSaved(Syouhin_File.FileName, Syouhin_SortFile());
}
