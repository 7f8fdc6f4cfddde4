// The product chooser's controls: its three bands (the special-line buttons,
// the category with the close key, the list), what lies on them, and the
// check box "複数明細行編集" on the editor; their handlers.
#include "editor/DenpSpecialLine.h"
#include "editor/EditorScreen.h"
#include "editor/SyouhinChoose.h"
#include "ui/Build.h"
#include "ui/Focus.h"
#include "ui/PressLook.h"
#include "ui/Ui.h"

namespace {

constexpr const char* Panel = SyouhinChoose_Panel;
constexpr const char* KeyBand = "Panel2";
constexpr const char* ListBand = "Panel3";
constexpr TColor clSkyBlue = 0xF0CAA6;
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor Count_Ground = 14583608;
constexpr TColor Number_Ground = 16744448;

// The bands, borderless on the chooser's ground.
struct TBand {
    const char* Name;
    int Left, Top, Width, Height;
};
constexpr TBand Bands[] = {
    {SyouhinChoose_ButtonBand, 6, 2, 853, 32},
    {KeyBand, 6, 36, 853, 32},
    {ListBand, 12, 70, 847, 202},
};

// The list's rows stand in two columns of ten, 20 pixels apart.
constexpr int Row_Pitch = 20;
constexpr int Column_Rows = SyouhinChoose_Rows / 2;
struct TListColumn {
    int Number, Frame, Name;  // Left of each
};
constexpr TListColumn List_Columns[] = {{24, 66, 68}, {436, 478, 482}};

const TControlSpec Key_Band[] = {
    {TControlKind::Label, "Labe_SyouhinChoose_HinsyuName", KeyBand, 248, 8, 327, 17, "", clWhite, clBlack, -15,
     Font_Gothic},
    {TControlKind::Label, "Label4", KeyBand, 586, 8, 119, 17, "所属する商品数", Count_Ground, clWhite, -15,
     Font_Gothic, TAlignment::taCenter},
    {TControlKind::Label, "Labe_SyouhinChoose_HinsyuGaitou", KeyBand, 716, 8, 37, 17, "0", clWhite, clBlack, -15,
     Font_Gothic, TAlignment::taRightJustify},
    {TControlKind::Label, "Label_SyouhinChoose_Up", ListBand, 828, 0, 17, 15, "▲", clNone, clNavy, -15, Font_Mincho},
    {TControlKind::Label, "Label_SyouhinChoose_Down", ListBand, 828, 184, 17, 15, "▼", clNone, clNavy, -15,
     Font_Mincho},
};

// "F1 品種変更" and "F9 閉じる": a label on a shape each.
struct TKey {
    const char* Shape;
    const char* Label;
    int ShapeLeft, ShapeWidth, LabelLeft, LabelWidth;
    const char* Caption;
    void (*Click)();
};
constexpr TKey Keys[] = {
    {"Shape_HinsyuChange", "Label_HinsyuChange", 136, 105, 140, 95, "F1 品種変更", SyouhinChoose_HinsyuChange},
    {"Shape_SyouhinChoose_Close", "Label_SyouhinChoose_Close", 762, 85, 770, 73, "F9 閉じる", SyouhinChoose_Close},
};

void BuildList(TForm& form) {
    for (int i = 0; i < SyouhinChoose_Rows; ++i) {
        const int row = i + 1;
        const TListColumn& c = List_Columns[i / Column_Rows];
        const int top = Row_Pitch * (i % Column_Rows);
        auto* frame = Ui_BuildAs<TShape>(form, {TControlKind::Shape,
                                                Ui_RowName("Shape_SyouhinChoose_SyouhinName_", row).c_str(), ListBand,
                                                c.Frame, top, 347, 19});
        frame->Brush.Color = clWhite;
        frame->Pen.Color = clBlack;
        Ui_Build(form, {TControlKind::Label, Ui_RowName("Labe_SyouhinChoose_SyouhinLine_", row).c_str(), ListBand,
                        c.Number, top + 2, 37, 15, "", Number_Ground, clWhite, -15, Font_Mincho,
                        TAlignment::taRightJustify});
        // The first row's name stands two pixels further in.
        TControl* name = Ui_Build(form, {TControlKind::Label,
                                         Ui_RowName("Label_SyouhinChoose_SyouhinName_", row).c_str(), ListBand,
                                         c.Name + (i == 0 ? 2 : 0), top + 2, 341, 15, "", clWhite, clBlack, -15,
                                         Font_Gothic});
        name->OnClick = [i](TControl*) { SyouhinChoose_Pick(i); };
    }
}

// The check box never keeps the focus: taking it flips its tick, and the
// focus goes back to the grid (its first description when the focus was
// elsewhere). Under a chooser's lock it is refused as every input is.
void TateEditEnter(TControl* box) {
    if (Focus_Locked()) return;
    auto* check = static_cast<TCheckBox*>(box);
    check->SetChecked(!check->Checked());
    const int first = Grid_CellCode(GridColumn_Syousai, 0);
    const int last = Grid_CellCode(Grid_ColumnsByCode.back(), Denpyou_GridLastRow);
    if (Focus_Code < first || Focus_Code > last) Focus_Code = first;
    Focus_Restore();
}

}  // namespace

void SyouhinChoose_CreateControls(TForm& form) {
    Ui_Built(form, Panel).Color = clSkyBlue;
    for (const TBand& b : Bands) {
        auto* band = Ui_BuildAs<TPanel>(form, {TControlKind::Panel, b.Name, Panel, b.Left, b.Top, b.Width, b.Height});
        band->Color = clSkyBlue;
        band->Bevel = false;
    }
    DenpSpecialLine_CreateControls(form, SyouhinChoose_ButtonBand);

    for (const TKey& k : Keys) {
        TLabel* label = Ui_BuildButton(form, KeyBand, k.Shape, k.Label, k.ShapeLeft, 4, k.ShapeWidth, 25,
                                       k.LabelWidth, 17, k.Caption, clOlive);
        label->Left = k.LabelLeft;
        label->OnClick = [click = k.Click](TControl*) { click(); };
        PressLook_Button(Ui_Built<TShape>(form, k.Shape), *label);
    }
    Ui_BuildAll(form, Key_Band);
    Ui_Built(form, "Labe_SyouhinChoose_HinsyuName").OnClick = [](TControl*) { Labe_SyouhinChoose_HinsyuNameClick(); };
    struct TArrow {
        const char* Name;
        void (*Click)();
    };
    for (const TArrow& a : {TArrow{"Label_SyouhinChoose_Up", Label_SyouhinChoose_UpClick},
                            TArrow{"Label_SyouhinChoose_Down", Label_SyouhinChoose_DownClick}}) {
        TControl& arrow = Ui_Built(form, a.Name);
        arrow.OnClick = [click = a.Click](TControl*) { click(); };
        PressLook_Arrow(arrow, clBlack);
    }
    BuildList(form);

    auto* box = Ui_BuildAs<TCheckBox>(form, {TControlKind::CheckBox, "CheckBox1_DenpyouTateEdit", Denpyou_Panel, 248,
                                             121, 110, 14, "複数明細行編集", clMoneyGreen});
    box->TabStop = false;
    box->OnEnter = TateEditEnter;
}
