#include "masters/units/TanniChoose.h"

#include <cstring>
#include <string>

#include "masters/units/TanniList.h"
#include "store/Str.h"
#include "store/Tanni.h"
#include "ui/Build.h"
#include "ui/CommandBar.h"
#include "ui/EditTable.h"
#include "ui/Frame.h"
#include "ui/Job.h"
#include "ui/Message.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

TListWindow TanniChoose_Window{.Rows = TanniChoose_Rows,
                               .Count = [] { return Tanni_Max; },
                               .PageCursor = TPageCursor::Edge,
                               .WholeStepToLastEnds = true};
int& TanniChoose_Top = TanniChoose_Window.Top;
int& TanniChoose_Row = TanniChoose_Window.Row;

namespace {

constexpr const char* Panel = "Panel_Tanni";
constexpr int UnitWidth = 6;
constexpr TColor clSkyBlue = 0xF0CAA6;
constexpr TColor NumberBlue = 0xFF8000;
constexpr int RowPitch = 20;
constexpr int FirstRowTop = 20;

// The screens with unit cells (the editor, the products).
constexpr int Host_Max = 2;
const TTanniChooseHost* Hosts[Host_Max] = {};

// The host of the screen shown; nullptr when it has no unit cells.
const TTanniChooseHost* Host() {
    for (const TTanniChooseHost* h : Hosts)
        if (h && h->Job == Job_Current) return h;
    return nullptr;
}

std::string RowName(const char* prefix, int row) { return Ui_RowName(prefix, row + 1); }

TShape* CursorFrame(int row) { return Ui_Shape(RowName("Shape_Tanni_", row).c_str()); }

void ClearKeys() {
    for (Word key = vk::F1; key <= vk::F9; ++key) Command_Enable(key, false);
}

// The entry the search puts the cursor on: the first of the units in use
// equal to unit (6 bytes at most, stopping at a NUL), else the first free
// entry, which with every entry in use is the last one: the cursor never
// leaves the list.
int FindEntry(const char* unit) {
    const int count = Tanni_Count < Tanni_Max ? Tanni_Count : Tanni_Max;
    for (int i = 0; i < count; ++i)
        if (std::strncmp(Tanni_List[i], unit, UnitWidth) == 0) return i;
    return count < Tanni_Max ? count : Tanni_Max - 1;
}

void Place() {
    TPanel* panel = Ui_Panel(Panel);
    const TTanniChooseHost* h = Host();
    if (!panel || !h || (panel->Left == h->Left && panel->Top == h->Top)) return;
    panel->Left = h->Left;
    panel->Top = h->Top;
    Ui_Invalidate();
}

void Locate(const char* unit) {
    Place();
    TanniChoose_Window.MoveTo(FindEntry(unit));
    TanniChoose_ShowPage();
    TanniChoose_ShowCursor();
}

void Repaint(TListMove move) {
    if (move.Page) TanniChoose_ShowPage();
    if (move.Cursor) TanniChoose_ShowCursor();
}

// The unit cell of the current row on the screen shown; nullptr when no row
// is current.
TEdit* CurrentCell() {
    const TTanniChooseHost* h = Host();
    return h && h->CurrentCell ? h->CurrentCell() : nullptr;
}

// A click on row k (0 ... 24) takes the row's own entry. The first two rows
// ignore a free entry; the others take it and empty the cell.
void RowClick(int k) {
    const int entry = TanniChoose_Top + k;
    if (k < 2 && Tanni_List[entry][0] == ' ') return;
    Tanni_ChooseApply(entry + 1);
}

}  // namespace

void TanniChoose_CreateControls(TForm& form) {
    Ui_Built(form, Panel).Color = clSkyBlue;
    for (int k = 0; k < TanniChoose_Rows; ++k) {
        const int top = FirstRowTop + RowPitch * k;
        Ui_Build(form, {TControlKind::Label, RowName("Label_Tanni_No_", k).c_str(), Panel, 2, top + 2, 22, 15, "",
                        NumberBlue, clWhite, -12, Font_Gothic, TAlignment::taRightJustify});
        auto* frame = static_cast<TShape*>(
            Ui_Build(form, {TControlKind::Shape, RowName("Shape_Tanni_", k).c_str(), Panel, 26, top, 62, 19}));
        frame->Pen.Color = clGray;
        frame->Pen.Width = 1;
        frame->Brush.Color = clWhite;
        TControl* unit = Ui_Build(form, {TControlKind::Label, RowName("Label_Tanni_", k).c_str(), Panel, 29, top + 2,
                                         56, 15, "", clWhite, clBlack, -15, Font_Mincho});
        unit->OnClick = [k](TControl*) { RowClick(k); };
    }
    // "Labe_" is the program's own spelling of the page labels' names.
    TControl* pre = Ui_Build(form, {TControlKind::Label, "Labe_TanniChoose_Pre", Panel, 2, 2, 20, 16, "▲",
                                    clSkyBlue, clNavy, -15, Font_Gothic});
    pre->OnClick = [](TControl*) { TanniChoose_PrevPage(); };
    TControl* next = Ui_Build(form, {TControlKind::Label, "Labe_TanniChoose_Next", Panel, 2, 522, 20, 16, "▼",
                                     clSkyBlue, clNavy, -15, Font_Gothic});
    next->OnClick = [](TControl*) { TanniChoose_NextPage(); };
}

bool TanniChoose_Shown() {
    TPanel* p = Ui_Panel(Panel);
    return p && p->Visible();
}

int TanniChoose_Cursor() { return TanniChoose_Top + TanniChoose_Row + 1; }

void TanniChoose_SetHost(const TTanniChooseHost& host) {
    for (const TTanniChooseHost*& h : Hosts)
        if (!h || h->Job == host.Job) {
            h = &host;
            return;
        }
}

void TanniChoose_Open(const char* unit) {
    ClearKeys();
    if (const TTanniChooseHost* h = Host(); h && h->Opened) h->Opened();
    if (TPanel* panel = Ui_Panel(Panel); panel && !panel->Visible()) panel->Show();
    Locate(unit);
}

void TanniChoose_Locate(const char* unit) { Locate(unit); }

void TanniChoose_ShowPage() {
    for (int k = 0; k < TanniChoose_Rows; ++k) {
        const int entry = TanniChoose_Top + k;
        if (TLabel* no = Ui_Label(RowName("Label_Tanni_No_", k).c_str())) no->SetCaption(std::to_string(entry + 1));
        if (TLabel* unit = Ui_Label(RowName("Label_Tanni_", k).c_str()))
            unit->SetCaption(std::string(Tanni_List[entry], strnlen(Tanni_List[entry], UnitWidth)));
    }
}

void TanniChoose_ShowCursor() {
    for (int k = 0; k < TanniChoose_Rows; ++k) {
        TShape* frame = CursorFrame(k);
        if (!frame) continue;
        if (k == TanniChoose_Row) Frame_Mark(frame);
        else if (frame->Pen.Color == clRed) Frame_Rest(frame, clGray);
    }
}

void Tanni_ChooseUp() { Repaint(TanniChoose_Window.LineUp()); }

// The page moves on one entry at a time up to the last page, so that the
// hundredth entry can come under the cursor.
void Tanni_ChooseDown() { Repaint(TanniChoose_Window.LineDown()); }

void TanniChoose_PrevPage() { Repaint(TanniChoose_Window.PageBack()); }

void TanniChoose_NextPage() { Repaint(TanniChoose_Window.PageOn()); }

void Tanni_ChooseApply(int n) {
    if (const TTanniChooseHost* h = Host(); h && h->Closed) h->Closed();
    if (n >= 1 && n <= Tanni_Max) {
        if (TEdit* cell = CurrentCell()) {
            char* entry = Tanni_List[n - 1];
            char source[UnitWidth + 1];
            std::memcpy(source, entry, UnitWidth);
            source[UnitWidth] = '\0';
            char trimmed[UnitWidth + 1];
            Str_Trim(source, trimmed, UnitWidth);
            // An entry taken with blanks before its unit keeps the unit
            // without them, filled out to its 6 bytes again (no NUL reaches
            // the unit file), and counts as in use from now on.
            if (entry[0] == ' ' && trimmed[0] != '\0') {
                Str_Pad(trimmed, entry, UnitWidth, 0);
                Tanni_Recount();
            }
            cell->SetText(trimmed);
            // The cell now shows a unit that is not stored yet: its next
            // Return or focus-out stores it.
            Edit_Uncommitted();
        }
    }
    if (TPanel* p = Ui_Panel(Panel)) p->Hide();
}

void TanniChoose_TakeCursor() { Tanni_ChooseApply(TanniChoose_Cursor()); }

// In force over a screen that hosts it while it is shown.
const TScreen TanniChoose_Screen{
    .Panel = Panel,
    .Over = Job_Every,
    .Shown = [] { return Host() && TanniChoose_Shown(); },
    .Wheel = [](bool down) { down ? Tanni_ChooseDown() : Tanni_ChooseUp(); },
};

void Tanni_Register() {
    Screen_Register(TanniList_Screen);
    Screen_Register(TanniChoose_Screen);
}

void Tanni_Start() {
    Tanni_Count = 0;
    Record_Prepare(Tanni_File);
    Tanni_ClearRecord();
    Tanni_Load();
    Tanni_ShowList();
}

bool Tanni_ExitSave() { return !Tanni_Loaded || Message_CheckSaved(Tanni_File.FileName, Tanni_Save()); }
