#include "masters/categories/HinsyuChoose.h"

#include <cstring>
#include <string>

#include "store/Hinsyu.h"
#include "store/Syouhin.h"
#include "ui/Build.h"
#include "ui/CommandBar.h"
#include "ui/Commands.h"
#include "ui/Frame.h"
#include "ui/Help.h"
#include "ui/Job.h"
#include "ui/PressLook.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

TListWindow HinsyuChoose_Window{
    .Rows = HinsyuChoose_Rows, .Count = [] { return Hinsyu_Max; }, .PageCursor = TPageCursor::Edge};
int& HinsyuChoose_Top = HinsyuChoose_Window.Top;
int& HinsyuChoose_Row = HinsyuChoose_Window.Row;
int HinsyuChoose_CodeSaved = 5010;
const TLockHolder Lock_HinsyuChoose{"the category chooser"};

namespace {

constexpr const char* Panel = "Panel_ChooseHinsyu";
constexpr const char* Command = "Edit_Panel_ChooseHinsyu_Command";

// The screens it opens over (the editor, the products).
constexpr int Host_Max = 2;
const THinsyuChooseHost* Hosts[Host_Max] = {};

// The flags of the product served, as read for it; Served false: none.
char Flags[Syouhin_FlagCount];
bool Served = false;

const THinsyuChooseHost* Host() {
    for (const THinsyuChooseHost* h : Hosts)
        if (h && h->Job == Job_Current) return h;
    return nullptr;
}

// The flags read from the host, for the product it serves now: only its
// writes and a change of product change them, so the pages paint from
// what is held.
void ReadServed() {
    const THinsyuChooseHost* h = Host();
    Served = h && h->ReadFlags && h->ReadFlags(Flags);
    if (!Served) std::memset(Flags, ' ', sizeof Flags);
}

bool Toggles() {
    const THinsyuChooseHost* h = Host();
    return h && h->ReadFlags;
}

TLabel* RowLabel(const char* prefix, int row) { return Ui_Label(Ui_RowName(prefix, row + 1).c_str()); }

void SetKeys(unsigned keys, bool on) {
    if (!keys) return;
    for (Word key = vk::F1; key <= vk::F9; ++key)
        if (keys & Command_Key(key)) Command_Enable(key, on);
    Command_ShowEnabled();
}

void Place(const THinsyuChooseHost& h, TPanel& panel) {
    if (panel.Left == h.Left && panel.Top == h.Top) return;
    panel.Left = h.Left;
    panel.Top = h.Top;
    Ui_Invalidate();
}

// The check column shown for a host with marks, the names moved beside it.
void SetLayout() {
    const bool checks = Toggles();
    TLabel* first = RowLabel("Label_HinsyuChoose_Check_", 0);
    if (!first || first->Visible() == checks) return;
    for (int k = 0; k < HinsyuChoose_Rows; ++k) {
        RowLabel("Label_HinsyuChoose_Check_", k)->SetVisible(checks);
        RowLabel("Label_HinsyuChoose_Name_", k)->Left = checks ? 58 : 44;
    }
    Ui_Invalidate();
}

void ShowMark(int row, bool member) {
    TLabel* check = RowLabel("Label_HinsyuChoose_Check_", row);
    if (!check) return;
    check->Font.Color = member ? clRed : clBlack;
    check->SetCaption(member ? "■" : "□");
}

// Hides the panel and gives up the lock: what a close and a pick share.
void Hide() {
    if (TPanel* p = Ui_Panel(Panel)) p->Hide();
    Popup_LockRelease(Lock_HinsyuChoose);
}

void BackToSaved() {
    Focus_Code = HinsyuChoose_CodeSaved;
    Focus_Restore();
}

// The membership of the category at list position e flipped, for the
// product served.
void Toggle(int e) {
    const THinsyuChooseHost* h = Host();
    const int n = Hinsyu_Number(e);
    if (!h || !h->WriteFlags || !Served || n == 0) return;
    char& flag = Flags[n - 1];
    flag = flag == ' ' ? '1' : ' ';
    const int row = e - HinsyuChoose_Top;
    if (row >= 0 && row < HinsyuChoose_Rows) ShowMark(row, flag != ' ');
    if (!h->WriteFlags(Flags)) {  // what the host holds now
        ReadServed();
        HinsyuChoose_ShowPage();
    }
}

// The category at list position e picked for the host.
void Pick(int e) {
    const THinsyuChooseHost* h = Host();
    if (!h || !Hinsyu_Named(e) || Hinsyu_Number(e) == 0) return;
    Hide();
    if (h->Picked) h->Picked(e);
    SetKeys(h->KeysOff, true);
    BackToSaved();
}

// A click on a row, Return or Space on the cursor's: what it does over the
// screen shown.
void Choose(int e, bool space) {
    if (Toggles()) Toggle(e);
    else if (!space) Pick(e);
}

void RowClick(int row) { Choose(HinsyuChoose_Top + row, false); }

bool InForce() { return Host() && HinsyuChoose_Shown(); }

bool Key_F3() {
    if (const THinsyuChooseHost* h = Host(); h->RowUp) h->RowUp();
    return true;
}
bool Key_F4() {
    if (const THinsyuChooseHost* h = Host(); h->RowDown) h->RowDown();
    return true;
}
// F5 and F6 are off while it is open; nothing under it acts on them.
bool Key_Nothing() { return true; }
bool Key_F7() {
    if (const THinsyuChooseHost* h = Host(); h->PageBack) {
        h->PageBack();
        HinsyuChoose_Refresh();
    }
    return true;
}
bool Key_F8() {
    if (const THinsyuChooseHost* h = Host(); h->PageOn) {
        h->PageOn();
        HinsyuChoose_Refresh();
    }
    return true;
}
bool Key_F9() {
    HinsyuChoose_Close();
    return true;
}

}  // namespace

const TScreen HinsyuChoose_Screen{
    .Panel = Panel,
    .Over = Job_Every,
    .Shown = InForce,
    .Keys = {.F3 = Key_F3, .F4 = Key_F4, .F5 = Key_Nothing, .F6 = Key_Nothing, .F7 = Key_F7, .F8 = Key_F8,
             .F9 = Key_F9},
    .Wheel = [](bool down) { down ? HinsyuChoose_LineDown() : HinsyuChoose_LineUp(); },
};

void HinsyuChoose_SetHost(const THinsyuChooseHost& host) {
    for (const THinsyuChooseHost*& h : Hosts)
        if (!h || h->Job == host.Job) {
            h = &host;
            return;
        }
}

bool HinsyuChoose_Shown() { return Ui_Shown(Panel); }

void HinsyuChoose_Open(int position) {
    const THinsyuChooseHost* h = Host();
    TPanel* panel = Ui_Panel(Panel);
    if (!h || !panel) return;
    if (!panel->Visible()) {
        SetKeys(h->KeysOff, false);
        Popup_LockTake(Lock_HinsyuChoose);
        Place(*h, *panel);
        SetLayout();
        panel->Show();
    }
    if (position < 0 || position >= Hinsyu_Max) position = 0;
    HinsyuChoose_Window.MoveTo(position);
    // The focus first: the cell it leaves commits, which may make the row
    // it served a product (a name typed on the empty row) before its flags
    // are read.
    HinsyuChoose_TakeFocus();
    ReadServed();
    HinsyuChoose_ShowPage();
    HinsyuChoose_MarkLine();
}

void HinsyuChoose_Close() {
    const THinsyuChooseHost* h = Host();
    if (h && h->Closed) h->Closed();
    Focus_Code = HinsyuChoose_CodeSaved;
    Hide();
    Focus_Restore();
    if (h) SetKeys(h->KeysOff, true);
}

void HinsyuChoose_Refresh() {
    HinsyuChoose_Window.MoveTo(0);
    ReadServed();
    HinsyuChoose_ShowPage();
    HinsyuChoose_MarkLine();
}

void HinsyuChoose_TakeFocus() {
    if (TEdit* edit = Ui_Edit(Command)) edit->SetFocus();
}

void HinsyuChoose_ShowPage() {
    const bool checks = Toggles();
    for (int k = 0; k < HinsyuChoose_Rows; ++k) {
        const int e = HinsyuChoose_Top + k;
        const int n = Hinsyu_Number(e);
        // A damaged number has no flag to show: the help line says so, and
        // the row keeps what it showed.
        if (n == 0) {
            Help_Show("商品属性設定エラー");
            continue;
        }
        if (TLabel* no = RowLabel("Label_HinsyuChoose_No_", k)) no->SetCaption(std::to_string(e + 1));
        if (checks) ShowMark(k, Flags[n - 1] != ' ');
        if (TLabel* name = RowLabel("Label_HinsyuChoose_Name_", k)) name->SetCaption(Hinsyu_Name[e]);
    }
}

void HinsyuChoose_MarkLine() {
    for (int k = 0; k < HinsyuChoose_Rows; ++k) {
        TShape* frame = Ui_Shape(Ui_RowName("Shape_HinsyuChoose_", k + 1).c_str());
        if (k == HinsyuChoose_Row) Frame_Mark(frame);
        else Frame_Rest(frame, clBlack);
    }
}

namespace {

void Repaint(TListMove move) {
    if (move.Page) HinsyuChoose_ShowPage();
    if (move.Cursor) HinsyuChoose_MarkLine();
}

}  // namespace

void HinsyuChoose_LineUp() { Repaint(HinsyuChoose_Window.LineUp()); }

void HinsyuChoose_LineDown() { Repaint(HinsyuChoose_Window.LineDown()); }

void HinsyuChoose_PrevPage() { Repaint(HinsyuChoose_Window.PageBack()); }

void HinsyuChoose_NextPage() { Repaint(HinsyuChoose_Window.PageOn()); }

bool HinsyuChoose_CommandKey(const TEditCell&, Word key) {
    switch (key) {
        case vk::Return: Choose(HinsyuChoose_Top + HinsyuChoose_Row, false); break;
        case vk::Space: Choose(HinsyuChoose_Top + HinsyuChoose_Row, true); break;
        case vk::Up: HinsyuChoose_LineUp(); break;
        case vk::Down: HinsyuChoose_LineDown(); break;
        // The commands its record takes while it is open.
        case vk::F3:
        case vk::F4:
        case vk::F7:
        case vk::F8:
        case vk::F9: Command_ForKey(key); break;
        default: break;
    }
    return true;
}

void HinsyuChoose_CommandEntered(const TEditCell&) {
    if (const THinsyuChooseHost* h = Host(); h && h->Focused) h->Focused();
}

void HinsyuChoose_Reset() {
    HinsyuChoose_Top = 0;
    HinsyuChoose_Row = 0;
    HinsyuChoose_CodeSaved = 5010;
    Served = false;
}

namespace {

constexpr TColor clSkyBlue = 0xF0CAA6;
constexpr TColor NumberBlue = 16744448;
constexpr int Row_Top = 32, Row_Step = 20;

}  // namespace

void HinsyuChoose_CreateControls(TForm& form) {
    auto& panel = Ui_Built<TPanel>(form, Panel);
    panel.Color = clSkyBlue;
    for (int k = 0; k < HinsyuChoose_Rows; ++k) {
        const int top = Row_Top + Row_Step * k, no = k + 1;
        auto* frame = Ui_BuildAs<TShape>(
            form, {TControlKind::Shape, Ui_RowName("Shape_HinsyuChoose_", no).c_str(), Panel, 40, top, 349, 19});
        frame->Brush.Color = clWhite;
        Ui_Build(form, {TControlKind::Label, Ui_RowName("Label_HinsyuChoose_No_", no).c_str(), Panel, 10, top + 2, 25,
                        15, "", NumberBlue, clWhite, -15, Font_Mincho, TAlignment::taRightJustify});
        struct TRowLabel {
            const char* Prefix;
            int Left, Width;
        };
        // The name's place is the product screen's; the editor moves it left.
        static const TRowLabel labels[] = {{"Label_HinsyuChoose_Check_", 42, 17},
                                           {"Label_HinsyuChoose_Name_", 58, 327}};
        for (const TRowLabel& l : labels) {
            TControl* label = Ui_Build(form, {TControlKind::Label, Ui_RowName(l.Prefix, no).c_str(), Panel, l.Left,
                                              top + 2, l.Width, 15, "", clWhite, clBlack, -15, Font_Gothic});
            label->OnClick = [k](TControl*) { RowClick(k); };
        }
    }
    struct TPageLabel {
        const char* Name;
        const char* Caption;
        int Top;
        void (*Click)();
    };
    static const TPageLabel pages[] = {
        {"Label_Image_ChooseHinsyuBeforePage", "▲", 8, HinsyuChoose_PrevPage},
        {"Label_Image_ChooseHinsyuNextPage", "▼", 532, HinsyuChoose_NextPage},
    };
    for (const TPageLabel& p : pages) {
        TControl* label =
            Ui_Build(form, {TControlKind::Label, p.Name, Panel, 12, p.Top, 20, 16, p.Caption, clNone, clNavy, -15,
                            Font_Gothic});
        label->OnClick = [click = p.Click](TControl*) { click(); };
        PressLook_Arrow(*label, clBlack);
    }
    TLabel* close = Ui_BuildButton(form, Panel, "Shape_Panel_ChooseHinsyu_Close", "Label_Panel_ChooseHinsyu_Close",
                                   290, 530, 97, 21, 89, 15, "F9 閉じる", clOlive);
    auto& closeFrame = Ui_Built<TShape>(form, "Shape_Panel_ChooseHinsyu_Close");
    close->OnClick = [](TControl*) { HinsyuChoose_Close(); };
    // Pressed: the label and its frame's pen red, olive again on release.
    auto press = [close, &closeFrame](TColor color) {
        if (closeFrame.Pen.Color == color) return;
        closeFrame.Pen.Color = color;
        close->Color = color;
        Ui_Invalidate();
    };
    close->OnMouseDown = [press](TControl*, TMouseButton, TShiftState, int, int) { press(clRed); };
    close->OnMouseUp = [press](TControl*, TMouseButton, TShiftState, int, int) { press(clOlive); };
    auto* hint = Ui_BuildAs<TLabel>(form, {TControlKind::Label, "Label_HinsyuChooseMsg2", Panel, 120, 8, 200, 15,
                                           "Spaceで選択ON・OFF", clNone, clRed, -15, Font_Gothic});
    hint->Font.Bold = true;
    auto* command = Ui_BuildAs<TEdit>(form, {TControlKind::Edit, Command, Panel, 380, 8, 0, 14});
    command->MaxLength = 1;
    command->ImeMode = TImeMode::imClose;
    command->TabStop = false;
    Edit_Bind(form, HinsyuChoose_CommandTable);
}
