#include "masters/units/TanniList.h"

#include <cstring>

#include "masters/units/TanniChoose.h"
#include "store/Str.h"
#include "store/Tanni.h"
#include "ui/Build.h"
#include "ui/CommandBar.h"
#include "ui/Frame.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

bool TanniList_EditMode = false;
TListWindow TanniList_Window{
    .Rows = TanniList_Rows, .Count = [] { return TanniList_Entries; }, .PageCursor = TPageCursor::Edge};
int& TanniList_Row = TanniList_Window.Row;
int& TanniList_Top = TanniList_Window.Top;

namespace {

constexpr int UnitWidth = 6;
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr int Frame_Left = 891, Frame_Top = 23, Row_Pitch = 20;

const TTanniListHost* Host = nullptr;

constexpr TEditCell Row(int r) { return {&TanniList_Table, 0, r}; }
TEdit* RowEdit(int r) { return Row(r).Edit(); }
TShape* RowFrame(int r) { return Ui_Shape(Ui_RowName(TanniList_Cells[0].Frame, r + 1).c_str()); }
void TrimRow(int r) { Edit_Trim(RowEdit(r), UnitWidth); }

// The list shown again from its new top, the cursor row's unit trimmed.
void ShowListAtCursor() {
    Tanni_ShowList();
    TrimRow(TanniList_Row);
}

// What a move of the window changed, shown: the list from its new top with
// the cursor row's unit trimmed (the focus stays), or the cursor's frame and
// the focus on its new row; both (a page cut short at the first or the last
// place): the list, and the focus on that edge's row.
void Repaint(TListMove move) {
    if (!move.Cursor) {
        if (move.Page) ShowListAtCursor();
        return;
    }
    if (move.Page) Tanni_ShowList();
    else Tanni_ShowCursor();
    Edit_Focus(Row(TanniList_Row));
}

// The chooser and the typed units find a unit entered here, and never
// take its entry for another.
void ListChanged() { Tanni_Recount(); }

void Tanni_Reset() {
    TanniList_EditMode = false;
    TanniList_Row = 0;
    TanniList_Top = 0;
    TanniChoose_Top = 0;
    TanniChoose_Row = 0;
}

bool Key_F4() {
    TanniList_Delete();
    return true;
}
bool Key_F5() {
    TanniList_Insert();
    return true;
}

}  // namespace

bool TanniList_Enter(const TEditCell& cell) {
    if (!TanniList_EditMode) Command_F4F5_Enable();
    TanniList_Row = cell.Row;
    return true;
}

bool TanniList_Key(const TEditCell&, Word key) {
    switch (key) {
        case vk::Up: TanniList_LineUp(); return true;
        case vk::Down: TanniList_LineDown(); return true;
        case vk::PageUp: TanniList_PageUp(); return true;
        case vk::PageDown: TanniList_PageDown(); return true;
        case vk::F4: TanniList_Delete(); return true;
        case vk::F5: TanniList_Insert(); return true;
        default: return false;
    }
}

// Return and Home along the rows; from the last row and the first out of
// the list, to where the host says.
void TanniList_Move(const TEditCell& cell, Word key) {
    const bool down = key == vk::Return;
    const int next = cell.Row + (down ? 1 : -1);
    if (next >= 0 && next < TanniList_Rows) Edit_Focus(Row(next));
    else if (Host && (down ? Host->After : Host->Before)) (down ? Host->After : Host->Before)();
}

// The row's own entry, by its number and the window's top (not the cursor).
char* TanniList_Field(const TEditCell& cell) { return Tanni_List[TanniList_Top + cell.Row]; }

void TanniList_Committed(const TEditCell&, const char*) { ListChanged(); }

void TanniList_CreateControls(TForm& form, const TTanniListHost& host) {
    Host = &host;
    const char* panel = host.Panel;
    Ui_Build(form, {TControlKind::Label, "Label_TanniList", panel, Frame_Left, 3, 59, 19, "単位", clMoneyGreen,
                    clBlack, -15, Font_Mincho, TAlignment::taCenter});
    for (int r = 0; r < TanniList_Rows; ++r) {
        const int top = Frame_Top + Row_Pitch * r;
        Ui_Build(form, {TControlKind::Shape, Ui_RowName(TanniList_Cells[0].Frame, r + 1).c_str(), panel, Frame_Left,
                        top, 59, 19});  // black on white
        auto* edit = Ui_BuildAs<TEdit>(form, {TControlKind::Edit, Row(r).Name().c_str(), panel, Frame_Left + 4, top + 2,
                                              53, 14, "", clWhite, clBlack, -15, Font_Mincho});
        edit->MaxLength = UnitWidth;
        edit->ImeMode = TImeMode::imHira;
    }
    Edit_Bind(form, TanniList_Table);
}

void Tanni_ShowList() {
    for (int r = 0; r < TanniList_Rows; ++r)
        if (TEdit* edit = RowEdit(r)) {
            const char* entry = Tanni_List[TanniList_Top + r];
            edit->SetText(std::string(entry, strnlen(entry, UnitWidth)));
        }
}

void Tanni_ShowCursor() {
    for (int r = 0; r < TanniList_Rows; ++r) {
        if (r == TanniList_Row) Frame_Mark(RowFrame(r));
        else Frame_Rest(RowFrame(r), clBlack);
    }
}

void TanniList_LineUp() { Repaint(TanniList_Window.LineUp()); }

void TanniList_LineDown() { Repaint(TanniList_Window.LineDown()); }

void TanniList_PageUp() { Repaint(TanniList_Window.PageBack()); }

void TanniList_PageDown() { Repaint(TanniList_Window.PageOn()); }

void TanniList_Delete() {
    const int p = TanniList_Top + TanniList_Row;
    for (int i = p; i < Tanni_Max - 1; ++i) std::memcpy(Tanni_List[i], Tanni_List[i + 1], UnitWidth + 1);
    Str_Spaces(Tanni_List[Tanni_Max - 1], UnitWidth);
    ListChanged();
    ShowListAtCursor();
}

void TanniList_Insert() {
    const int p = TanniList_Top + TanniList_Row;
    for (int i = Tanni_Max - 2; i >= p; --i) std::memcpy(Tanni_List[i + 1], Tanni_List[i], UnitWidth + 1);
    Str_Spaces(Tanni_List[p], UnitWidth);
    ListChanged();
    ShowListAtCursor();
}

void Command_F4F5_Enable() {
    Command_SetInk(vk::F4, clBlack);
    Command_SetInk(vk::F5, clBlack);
    TanniList_EditMode = true;
}

void Command_F4F5_Disable() {
    Command_SetInk(vk::F4, clSilver);
    Command_SetInk(vk::F5, clSilver);
    TanniList_EditMode = false;
}

// While the list has the keys, F4 and F5 are its own on any screen (and the
// bar's F4 runs whatever its flag says).
const TScreen TanniList_Screen{
    .Over = Job_Every,
    .Shown = [] { return TanniList_EditMode; },
    .Keys = {.F4 = Key_F4, .F5 = Key_F5},
    .Leave = [] { TanniList_EditMode = false; },
    .Reset = Tanni_Reset,
};
