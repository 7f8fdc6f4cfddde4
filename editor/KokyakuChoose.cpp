#include "editor/KokyakuChoose.h"

#include <cstring>

#include "editor/EditorScreen.h"
#include "editor/Grid.h"
#include "store/Denpyou.h"
#include "store/Kokyaku.h"
#include "store/Str.h"
#include "ui/Build.h"
#include "ui/CommandBar.h"
#include "ui/Commands.h"
#include "ui/EditTable.h"
#include "ui/Focus.h"
#include "ui/Job.h"
#include "ui/PressLook.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

TListWindow KokyakuChoose_Window{
    .Rows = KokyakuChoose_Rows, .Count = [] { return Kokyaku_Count; }, .PagesPastAPage = true};
int& KokyakuChoose_Top = KokyakuChoose_Window.Top;
int& KokyakuChoose_Row = KokyakuChoose_Window.Row;
int KokyakuChoose_CodeSaved = KokyakuChoose_FirstReturn;
const TLockHolder Lock_KokyakuChoose{"the customer chooser"};

namespace {

constexpr const char* Panel = "Panel_ChooseKokyaku";
constexpr const char* Catcher = KokyakuChoose_CommandRows[0].Edit;
constexpr TColor clSkyBlue = 0xF0CAA6;
constexpr int Row_Pitch = 20;

// The "一覧" button beside the customer name.
constexpr const char* ListShape = "Shape_KokyakuListSW";
constexpr const char* ListLabel = "Label_KokyakuListSW";

TLabel* NameLabel(int line, int row) {
    return Ui_Label(
        Ui_RowName(line == 1 ? "Label_KokyakuChoose_Name_1_" : "Label_KokyakuChoose_Name_2_", row + 1).c_str());
}

void SetPageKeys(bool f7, bool f8) {
    Command_Enable(vk::F7, f7);
    Command_Enable(vk::F8, f8);
}

// A frame or a font changed only when it differs.
void FramePen(TShape* frame, TColor color, int width) {
    if (!frame || frame->Pen.Color == color) return;
    frame->Pen.Color = color;
    frame->Pen.Width = width;
    Ui_Invalidate();
}
void FontColor(const char* label, TColor color) {
    TLabel* l = Ui_Label(label);
    if (!l || l->Font.Color == color) return;
    l->Font.Color = color;
    Ui_Invalidate();
}

void Open() {
    Command_SetCaption(7, "F7 顧客前頁");
    Command_SetCaption(8, "F8 顧客次頁");
    // The rows are painted afresh, from a page top brought back within the
    // customers, so that each row shows, and its click takes, the customer
    // of the file now: added, changed or deleted since the last paint.
    KokyakuChoose_Window.BackToLastPage();
    KokyakuChoose_ShowPage();
    if (TPanel* panel = Ui_Panel(Panel)) panel->Show();
    Button_Paint(ListShape, ListLabel, clRed);
    Popup_LockTake(Lock_KokyakuChoose);
    KokyakuChoose_CodeSaved = Focus_Code;
    if (TEdit* catcher = Ui_Edit(Catcher)) catcher->SetFocus();
    if (Kokyaku_Count <= KokyakuChoose_Rows) SetPageKeys(false, false);
    else if (KokyakuChoose_Top < KokyakuChoose_Rows) SetPageKeys(false, true);
    else if (KokyakuChoose_Top == KokyakuChoose_Window.LastTop()) SetPageKeys(true, false);
    else SetPageKeys(true, true);
    Command_ShowEnabled();
}

// Both ways out: the editor's captions back, the lock released, "一覧" in
// the colours of the way out (its text's colour kept for clNone), and the
// focus back where it was.
void CloseAs(TColor look, TColor text) {
    Command_SetCaption(7, "F7 前伝票");
    Command_SetCaption(8, "F8 次伝票");
    if (TPanel* panel = Ui_Panel(Panel)) panel->Hide();
    Popup_LockRelease(Lock_KokyakuChoose);
    Button_Paint(ListShape, ListLabel, look);
    if (text != clNone) FontColor(ListLabel, text);
    Focus_Code = KokyakuChoose_CodeSaved;
    Focus_Restore();
}

void ListSWClick() {
    if (!KokyakuChoose_Shown()) {
        Open();
        return;
    }
    CloseAs(clOlive, clNone);
}

// A click on row k takes the customer shown there; a row past the last
// customer takes nothing and the chooser stays open.
void Pick(int row) {
    if (KokyakuChoose_Top + row >= Kokyaku_Count) return;
    const int kept = KokyakuChoose_Row;
    KokyakuChoose_Row = row;
    if (!KokyakuChoose_Decide()) {
        KokyakuChoose_Row = kept;
        return;
    }
    KokyakuChoose_Close();
}

// name 1 or 2 (40 bytes) into the header edit, without its blanks.
void ShowName(const char* edit, const char* name) {
    TEdit* e = Ui_Edit(edit);
    if (!e) return;
    e->SetText(name);
    Edit_Trim(e, Kokyaku_FieldWidth[KokyakuField_Name_1]);
}

void CopyField(int denpyouField, int kokyakuField) {
    std::memcpy(Denpyou_Field[denpyouField], Kokyaku_Field[kokyakuField],
                static_cast<size_t>(Kokyaku_FieldWidth[kokyakuField]) + 1);
}

void BuildControls(TForm& form) {
    Ui_BuildButton(form, Denpyou_Panel, ListShape, ListLabel, 22, 41, 55, 19, 51, 12, "一覧", clOlive, -13)
        ->Font.Name = Font_Mincho;

    auto& panel = Ui_Built<TPanel>(form, Panel);
    panel.Color = clSkyBlue;
    panel.Bevel = false;
    for (int k = 0; k < KokyakuChoose_Rows; ++k) {
        const int no = k + 1;
        auto* frame =
            static_cast<TShape*>(Ui_Build(form, {TControlKind::Shape, Ui_RowName("Shape_ChooseKokyaku_", no).c_str(),
                                                 Panel, 4, 4 + Row_Pitch * k, 661, 19}));
        frame->Brush.Color = clWhite;
        frame->Pen.Color = clBlack;
        const int top = 6 + Row_Pitch * k;
        Ui_Build(form, {TControlKind::Label, Ui_RowName("Label_KokyakuChoose_Name_1_", no).c_str(), Panel, 10, top, 321,
                        15, "", clWhite, clBlack, -15, Font_Gothic});
        Ui_Build(form, {TControlKind::Label, Ui_RowName("Label_KokyakuChoose_Name_2_", no).c_str(), Panel, 334, top,
                        327, 15, "", clWhite, clBlack, -15, Font_Gothic});
    }
    Ui_Build(form, {TControlKind::Label, "Label_Image_ChooseKokyakuBeforePage", Panel, 668, 4, 17, 15, "▲", clNone,
                    clNavy, -15, Font_Mincho});
    Ui_Build(form, {TControlKind::Label, "Label_Image_ChooseKokyakuNextPage", Panel, 668, 386, 17, 15, "▼", clNone,
                    clNavy, -15, Font_Mincho});
    auto* closeFrame = static_cast<TShape*>(
        Ui_Build(form, {TControlKind::Shape, "Shape_Panel_ChooseKokyaku_Close", Panel, 590, 406, 75, 25}));
    closeFrame->Brush.Color = clWhite;
    closeFrame->Pen.Color = clBlack;
    auto* close = static_cast<TLabel*>(
        Ui_Build(form, {TControlKind::Label, "Label_Panel_ChooseKokyaku_Close", Panel, 596, 411, 63, 17, "閉じる",
                        clWhite, clBlack, -15, Font_Gothic, TAlignment::taCenter}));
    close->Layout_Center = true;
    auto* catcher = static_cast<TEdit*>(
        Ui_Build(form, {TControlKind::Edit, Catcher, Panel, 899, 59, 0, 14}));
    catcher->MaxLength = 1;
    catcher->ImeMode = TImeMode::imClose;
    catcher->TabStop = false;
}

// A label pressed or released: a row's frame or the close frame goes red
// and wide while held; an arrow's text goes red.
void BindFrame(TControl& c, const std::string& frame) {
    c.OnMouseDown = [frame](TControl*, TMouseButton, TShiftState, int, int) {
        FramePen(Ui_Shape(frame.c_str()), clRed, 2);
    };
    c.OnMouseUp = [frame](TControl*, TMouseButton, TShiftState, int, int) {
        FramePen(Ui_Shape(frame.c_str()), clBlack, 1);
    };
}
void BindArrow(TControl& c, void (*move)()) {
    c.OnClick = [move](TControl*) { move(); };
    PressLook_Arrow(c, clNavy);
}

void BindHandlers(TForm& form) {
    Ui_Built(form, ListLabel).OnClick = [](TControl*) { ListSWClick(); };
    Edit_Bind(form, KokyakuChoose_CommandTable);
    for (int k = 0; k < KokyakuChoose_Rows; ++k)
        for (const char* line : {"Label_KokyakuChoose_Name_1_", "Label_KokyakuChoose_Name_2_"}) {
            TControl& label = Ui_Built(form, Ui_RowName(line, k + 1));
            BindFrame(label, Ui_RowName("Shape_ChooseKokyaku_", k + 1));
            label.OnClick = [k](TControl*) { Pick(k); };
        }
    BindArrow(Ui_Built(form, "Label_Image_ChooseKokyakuBeforePage"), KokyakuChoose_PrePageKey);
    BindArrow(Ui_Built(form, "Label_Image_ChooseKokyakuNextPage"), KokyakuChoose_NextPageKey);
    TControl& close = Ui_Built(form, "Label_Panel_ChooseKokyaku_Close");
    BindFrame(close, "Shape_Panel_ChooseKokyaku_Close");
    close.OnClick = [](TControl*) {
        KokyakuChoose_Close();
        Job_Show();
    };
}

// F7 and F8 (PageUp, PageDown, the bar) while the chooser is shown.
bool Key_F7() {
    KokyakuChoose_PrePageKey();
    return true;
}
bool Key_F8() {
    KokyakuChoose_NextPageKey();
    return true;
}

// A new window: the first page, no row picked.
void KokyakuChoose_Reset() {
    KokyakuChoose_Top = 0;
    KokyakuChoose_Row = 0;
    KokyakuChoose_CodeSaved = KokyakuChoose_FirstReturn;
}

}  // namespace

bool KokyakuChoose_Shown() { return Ui_Shown(Panel); }

void KokyakuChoose_CommandEntered(const TEditCell&) {
    if (Kokyaku_Count <= KokyakuChoose_Rows) SetPageKeys(false, false);
    else if (KokyakuChoose_Top < KokyakuChoose_Rows) Command_Enable(vk::F7, false);
    else if (KokyakuChoose_Top == KokyakuChoose_Window.LastTop()) Command_Enable(vk::F8, false);
    Command_ShowEnabled();
}

bool KokyakuChoose_CommandKey(const TEditCell&, Word key) {
    if (key == vk::F7 || key == vk::PageUp) Command_F7();
    else if (key == vk::F8 || key == vk::PageDown) Command_F8();
    return true;
}

const TScreen KokyakuChoose_Screen{
    .Panel = Panel,
    .Over = Job_Bit(Job_Denpyou),
    .Shown = KokyakuChoose_Shown,
    .Keys = {.F7 = Key_F7, .F8 = Key_F8},
    .Reset = KokyakuChoose_Reset,
};

void KokyakuChoose_CreateControls(TForm& form) {
    BuildControls(form);
    BindHandlers(form);
}

void KokyakuChoose_ShowPage() {
    for (int k = 0; k < KokyakuChoose_Rows; ++k) {
        Kokyaku_ClearRecord();
        if (KokyakuChoose_Top + k < Kokyaku_Count) {
            Kokyaku_CurRec = KokyakuChoose_Top + k + 1;
            Kokyaku_ReadRecord(Kokyaku_CurRec);
            Kokyaku_SplitRecord();
        }
        if (TLabel* l = NameLabel(1, k)) l->SetCaption(Kokyaku_Field[KokyakuField_Name_1]);
        if (TLabel* l = NameLabel(2, k)) l->SetCaption(Kokyaku_Field[KokyakuField_Name_2]);
    }
}

void KokyakuChoose_PrePageKey() {
    SetPageKeys(true, true);
    if (Kokyaku_Count > KokyakuChoose_Rows) {
        if (KokyakuChoose_Window.PageBack().Page) KokyakuChoose_ShowPage();
        if (KokyakuChoose_Top < KokyakuChoose_Rows) Command_Enable(vk::F7, false);
    } else {
        SetPageKeys(false, false);
    }
    Command_ShowEnabled();
}

// The page painted anew even where it stands.
void KokyakuChoose_NextPageKey() {
    SetPageKeys(true, true);
    if (Kokyaku_Count > KokyakuChoose_Rows) {
        KokyakuChoose_Window.PageOn();
        if (KokyakuChoose_Top == KokyakuChoose_Window.LastTop()) Command_Enable(vk::F8, false);
        KokyakuChoose_ShowPage();
    } else {
        SetPageKeys(false, false);
    }
    Command_ShowEnabled();
}

bool KokyakuChoose_Decide() {
    const int n = KokyakuChoose_Top + KokyakuChoose_Row + 1;
    if (n < 1 || n > Kokyaku_Count || !Kokyaku_ReadRecord(n)) return false;
    Kokyaku_CurRec = n;
    Kokyaku_SplitRecord();
    CopyField(DenpyouField_KokyakuName_1, KokyakuField_Name_1);
    CopyField(DenpyouField_KokyakuName_2, KokyakuField_Name_2);
    CopyField(DenpyouField_Keisyou, KokyakuField_Keisyou);
    ShowName("Edit_DenpKokyakuName_1", Denpyou_Field[DenpyouField_KokyakuName_1]);
    ShowName("Edit_DenpKokyakuName_2", Denpyou_Field[DenpyouField_KokyakuName_2]);
    char* keisyou = Denpyou_Field[DenpyouField_Keisyou];
    if (keisyou[0] == ' ') Str_Pad("様", keisyou, Kokyaku_FieldWidth[KokyakuField_Keisyou], 0);
    if (TLabel* l = Ui_Label("Label_DenpKeisyou")) l->SetCaption(keisyou);
    return true;
}

void KokyakuChoose_Close() { CloseAs(clWhite, clBlack); }
