// The product chooser's opening, closing and keys: the description cell's
// key map while it is shown, and its record's keys from the bar.
#include "editor/SyouhinChoose.h"

#include <algorithm>
#include <iterator>

#include "editor/CommandBarMode.h"
#include "editor/DenpyouCommands.h"
#include "editor/EditorScreen.h"
#include "editor/Grid.h"
#include "masters/categories/HinsyuChoose.h"
#include "store/Hinsyu.h"
#include "ui/CommandBar.h"
#include "ui/Commands.h"
#include "ui/Focus.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

namespace {

constexpr const char* Panel = SyouhinChoose_Panel;

// Its Top: over the grid's lower half while the cursor is in the upper one,
// and the other way round.
constexpr int Top_Under = 394, Top_Over = 118;

void Open() {
    SyouhinChoose_LoadHinsyu();
    Denpyou_CommandMode = TCommandMode::Header;  // the chooser's own keys
    Denpyou_SetChooserBar();
    if (TPanel* p = Ui_Panel(Panel)) p->Show();
}

// ---- the keys from the bar (the description cell's come through
// SyouhinChoose_KeyDown)

// "F1 品種変更" while the chooser's bar shows it; a description cell that
// took the focus since brought back its own bar, whose F1 stores.
bool Key_F1() {
    if (Denpyou_CommandMode != TCommandMode::Header) return false;
    SyouhinChoose_HinsyuChange();
    return true;
}

bool Key_F4() {
    Denpyou_LineDown();
    return true;
}

// The grid half a page back or on (the category chooser over this one
// takes these keys itself, and turns them off).
bool Key_F5() {
    if (Command_IsEnabled(vk::F5)) Denpyou_DetailPrePage();
    return true;
}
bool Key_F6() {
    if (Command_IsEnabled(vk::F6)) Denpyou_DetailNextPage();
    return true;
}

bool Key_F9() {
    SyouhinChoose_Close();
    return true;
}

// The category chooser over it: F3 ... F6 off while it is open; a pick
// lists the category picked from its first row.
void HinsyuPicked(int position) {
    SyouhinChoose_Hinsyu = position;
    SyouhinChoose_LoadHinsyu();
}
const THinsyuChooseHost Hinsyu_Host{
    .Job = Job_Denpyou,
    .Left = 594,
    .Top = 56,
    .KeysOff = Command_Keys({vk::F3, vk::F4, vk::F5, vk::F6}),
    .Picked = HinsyuPicked,
};

// A new window: the first category, no hit.
void SyouhinChoose_Reset() {
    SyouhinChoose_Hinsyu = 0;
    SyouhinChoose_HitCount = 0;
    SyouhinChoose_Top = 0;
    SyouhinChoose_Row = 0;
    std::fill(std::begin(SyouhinChoose_Hits), std::end(SyouhinChoose_Hits), 0);
}

bool Ticked() {
    const TCheckBox* box = Ui_CheckBox("CheckBox1_DenpyouTateEdit");
    return box && box->Checked();
}

// Return: the product under the cursor into the line; the chooser closes
// unless several lines are being filled.
void Take() {
    if (!SyouhinChoose_Apply()) return;
    if (!Ticked()) SyouhinChoose_Close();
}

struct TChooserKey {
    Word Key;
    void (*Run)();
};
constexpr TChooserKey Chooser_Keys[] = {
    {vk::Return, Take},
    {vk::F1, SyouhinChoose_HinsyuChange},
    {vk::F9, SyouhinChoose_Close},
    {vk::F3, Denpyou_LineUp},  // the grid's cursor: the chooser follows the row
    {vk::F4, Denpyou_LineDown},
    {vk::F5, Denpyou_BeforeHalfPage},
    {vk::F6, Denpyou_NextHalfPage},
    {vk::Up, SyouhinChoose_LineUp},  // the chooser's cursor
    {vk::Down, SyouhinChoose_LineDown},
    {vk::PageUp, SyouhinChoose_PageUp},
    {vk::PageDown, SyouhinChoose_PageDown},
    {vk::Escape, Command_Esc},
};

const TScreen SyouhinChoose_Screen{
    .Panel = Panel,
    .Over = Job_Bit(Job_Denpyou),
    .Shown = SyouhinChoose_Shown,
    .Keys = {.F1 = Key_F1, .F4 = Key_F4, .F5 = Key_F5, .F6 = Key_F6, .F9 = Key_F9},
    .Wheel = [](bool down) { down ? SyouhinChoose_LineDown() : SyouhinChoose_LineUp(); },
    .Dismiss = SyouhinChoose_Dismiss,
    .Reset = SyouhinChoose_Reset,
};

}  // namespace

bool SyouhinChoose_Shown() { return Ui_Shown(Panel); }

void SyouhinChoose_Dismiss() {
    if (TPanel* p = Ui_Panel(Panel); p && p->Visible()) p->Hide();
}

void SyouhinChoose_OpenAtRow() {
    if (!SyouhinChoose_Shown()) Open();
    const int lastUpperCode = Grid_CellCode(GridColumn_Syousai, Denpyou_HalfPage - 1);
    SyouhinChoose_MoveTo(Focus_Code <= lastUpperCode ? Top_Under : Top_Over);
    Denpyou_MarkSyousaiRow();
}

void SyouhinChoose_Close() {
    TPanel* chooser = Ui_Panel(Panel);
    if (!chooser || !chooser->Visible()) return;
    chooser->Hide();
    if (Denpyou_CommandMode != TCommandMode::Header) return;
    Denpyou_CommandMode = TCommandMode::Syousai;
    Denpyou_SetCommandBar(TCommandMode::Syousai);
}

void SyouhinChoose_Hide() {
    TPanel* chooser = Ui_Panel(Panel);
    if (!chooser || !chooser->Visible()) return;
    chooser->Hide();
    Denpyou_ClearSyousaiFrames();
}

void SyouhinChoose_MoveTo(int top) {
    TPanel* chooser = Ui_Panel(Panel);
    if (!chooser || chooser->Top == top) return;
    chooser->Top = top;
    Ui_Invalidate();
}

int SyouhinChoose_TopForRow(int row) {
    if (row == 1) return 396;
    return row <= Denpyou_HalfPage ? Top_Under : Top_Over;
}

void SyouhinChoose_Pick(int row) {
    if (row < 0 || row >= SyouhinChoose_Rows || SyouhinChoose_HitAt(SyouhinChoose_Top + row) == 0) return;
    SyouhinChoose_Row = row;
    SyouhinChoose_MarkLine();
    if (!SyouhinChoose_Apply()) return;
    if (Ticked()) Denpyou_LineDown();
    else SyouhinChoose_Close();
}

void SyouhinChoose_KeyDown(Word key) {
    for (const TChooserKey& k : Chooser_Keys)
        if (k.Key == key) {
            k.Run();
            return;
        }
}

// The category chooser opens on the category listed (on its first entry
// when the listed one has no name, as the chooser then still takes the
// keys), or closes as its own close does: the focus back to the
// description, F3 ... F6 on again.
void SyouhinChoose_HinsyuChange() {
    if (HinsyuChoose_Shown()) {
        HinsyuChoose_Close();
        return;
    }
    const TLabel* listed = Ui_Label("Labe_SyouhinChoose_HinsyuName");
    HinsyuChoose_Open(listed ? Hinsyu_FindNamed(listed->Caption.c_str()) : -1);
}

void SyouhinChoose_Register() {
    HinsyuChoose_SetHost(Hinsyu_Host);
    Screen_Register(SyouhinChoose_Screen);
}

