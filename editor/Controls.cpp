// The document editor's controls: the header fields, the kind buttons, the
// state caption, the total, the half-page buttons and the twenty grid rows.
// Every input edit lies borderless inside a frame shape named after it
// ("Edit_DenpPlace" on "Shape_DenpPlace"); the frame draws its border, red
// while the edit is the cursor cell.
#include "editor/Controls.h"

#include "ui/Build.h"

namespace {

constexpr const char* Panel = "Panel_Denpyou";
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor clLightGrey = 15461355;  // the ground of the price columns
constexpr int Edit_Height = 14;
constexpr int Frame_Height = 19;
constexpr int Edit_FontHeight = -15;

struct TBox {
    int Left, Top, Width;
};

// An edit of maxLength bytes and its frame, both Edit_Height / Frame_Height
// high.
TEdit* FramedEdit(TForm& form, const std::string& editName, TBox frame, TBox edit, int maxLength, TColor pen,
                  TColor ground, TAlignment align, TImeMode ime) {
    auto* shape = form.Create<TShape>("Shape_" + editName.substr(5), form.Find(Panel));
    shape->SetBounds(frame.Left, frame.Top, frame.Width, Frame_Height);
    shape->Pen.Color = pen;
    shape->Brush.Color = ground;
    auto* e = form.Create<TEdit>(editName, form.Find(Panel));
    e->SetBounds(edit.Left, edit.Top, edit.Width, Edit_Height);
    e->Color = ground;
    e->Font.Name = Font_Mincho;
    e->Font.Height = Edit_FontHeight;
    e->MaxLength = maxLength;
    e->Alignment = align;
    e->ImeMode = ime;
    return e;
}

// A caption on the light green ground of the header.
void Caption(TForm& form, const char* name, int left, int top, int width, int height, const char* text) {
    Ui_Build(form, {TControlKind::Label, name, Panel, left, top, width, height, text, clMoneyGreen, clBlack, -12,
                    nullptr, TAlignment::taCenter});
}

// The header edits in their tab and Return order, after the number.
struct THeaderField {
    const char* Name;
    TBox Frame, Edit;
    int Bytes;
    bool Japanese;  // the input method opens in hiragana
};
constexpr THeaderField Header_Fields[] = {
    {"Edit_DenpNo", {82, 4, 85}, {86, 6, 79}, 10, false},
    {"Edit_DenpKokyakuName_1", {82, 24, 329}, {84, 26, 325}, 40, true},
    {"Edit_DenpKokyakuName_2", {82, 44, 329}, {84, 46, 325}, 40, true},
    {"Edit_DenpKoujiName_1", {82, 64, 329}, {84, 66, 325}, 40, true},
    {"Edit_DenpKoujiName_2", {82, 84, 329}, {84, 86, 325}, 40, true},
    {"Edit_DenpPlace", {640, 24, 329}, {642, 26, 325}, 40, true},
    {"Edit_DenpBikou", {640, 44, 169}, {642, 46, 165}, 40, true},
    {"Edit_DenpMakeYear", {640, 64, 25}, {644, 66, 19}, 2, false},
    {"Edit_DenpMakeMonth", {668, 64, 25}, {672, 66, 19}, 2, false},
    {"Edit_DenpMakeDay", {696, 64, 25}, {700, 66, 19}, 2, false},
    {"Edit_DenpYoukouYear", {824, 64, 25}, {828, 66, 19}, 2, false},
    {"Edit_DenpYoukouMonth", {852, 64, 25}, {856, 66, 19}, 2, false},
    {"Edit_DenpYoukouDay", {880, 64, 25}, {884, 66, 19}, 2, false},
};

// The grid's columns in screen (and tab) order. Labels have no frame and no
// bytes. Row R stands at Top + 20 (R - 1): edits and labels from 140,
// frames from 138.
struct TGridColumn {
    const char* Prefix;  // row controls are Prefix + "01" ... "20"
    TControlKind Kind;
    TBox Frame, Edit;    // Top unused: the row gives it
    int Bytes;
    TColor Pen, Ground;
    TAlignment Align;
    bool Japanese;
    const char* Heading;
    TBox Head;           // the heading above the column, at Top 120
};
constexpr TGridColumn Grid_Columns[] = {
    {"Label_DenpLine_", TControlKind::Label, {}, {4, 0, 38}, 0, clBlack, clNone, TAlignment::taRightJustify,
     false, "行", {4, 0, 38}},
    {"Edit_DenpSyousai_", TControlKind::Edit, {46, 0, 315}, {48, 0, 310}, 50, clBlack, clWhite,
     TAlignment::taLeftJustify, true, "商品及び詳細", {48, 0, 310}},
    {"Edit_DenpSuuryou_", TControlKind::Edit, {362, 0, 55}, {364, 0, 51}, 6, clBlack, clWhite,
     TAlignment::taRightJustify, false, "数量", {378, 0, 35}},
    {"Edit_DenpTanni_", TControlKind::Edit, {418, 0, 41}, {420, 0, 37}, 6, clBlack, clWhite,
     TAlignment::taLeftJustify, true, "単位", {420, 0, 37}},
    {"Edit_DenpTanka_", TControlKind::Edit, {460, 0, 81}, {464, 0, 75}, 9, clGray, clLightGrey,
     TAlignment::taRightJustify, false, "定価", {464, 0, 75}},
    {"Edit_DenpTankaRitu_", TControlKind::Edit, {542, 0, 31}, {544, 0, 27}, 3, clGray, clLightGrey,
     TAlignment::taRightJustify, false, "％", {548, 0, 20}},
    {"Edit_DenpSiire_", TControlKind::Edit, {574, 0, 81}, {576, 0, 75}, 9, clGray, clLightGrey,
     TAlignment::taRightJustify, false, "仕入値", {576, 0, 75}},
    {"Edit_DenpSiireRitu_", TControlKind::Edit, {656, 0, 31}, {658, 0, 27}, 3, clGray, clLightGrey,
     TAlignment::taRightJustify, false, "％", {662, 0, 20}},
    {"Label_DenpSankouTanka_", TControlKind::Label, {}, {690, 0, 92}, 0, clBlack, clLightGrey,
     TAlignment::taRightJustify, false, "参照売価", {690, 0, 92}},
    {"Edit_DenpJitubaiTanka_", TControlKind::Edit, {786, 0, 93}, {800, 0, 74}, 9, clBlack, clWhite,
     TAlignment::taRightJustify, false, "実売単価", {800, 0, 74}},
    {"Label_DenpSyoukei_", TControlKind::Label, {}, {882, 0, 96}, 0, clBlack, clNone, TAlignment::taRightJustify,
     false, "小計", {882, 0, 96}},
};
constexpr int Grid_HeadTop = 120;
constexpr int Grid_EditTop = 140;
constexpr int Grid_FrameTop = 138;
constexpr int Grid_RowStep = 20;

// The half-page buttons, level with the total.
struct TButtonPlace {
    const char* Shape;
    const char* Label;
    int Left, Width;
    const char* Caption;
};
constexpr TButtonPlace Button_Places[] = {
    {"Shape_Denpyou_BeforePage", "Label_Denpyou_BeforePage", 760, 108, "PageUp 半頁戻し"},
    {"Shape_Denpyou_NextPage", "Label_Denpyou_NextPage", 872, 112, "PageDown 半頁送り"},
};
constexpr int Button_Top = 86;

}  // namespace

void Denpyou_CreateControls(TForm& form) {
    // Captions of the header.
    Caption(form, "Label8", 8, 4, 70, Frame_Height, "伝票番号");
    Caption(form, "Label18", 8, 24, 70, Frame_Height, "顧客");
    Caption(form, "Label_DenpKoujiName", 8, 64, 70, 39, "工事名");
    Caption(form, "Label_DenpPlace", 566, 24, 70, Frame_Height, "工事場所");
    Caption(form, "Label75", 566, 44, 70, Frame_Height, "備考");
    Caption(form, "Label72", 566, 64, 70, Frame_Height, "作成日");
    Caption(form, "Label73", 750, 64, 70, Frame_Height, "有効期限");
    Caption(form, "Label_Goukei", 566, 86, 70, Frame_Height, "合計");
    Ui_Build(form, {TControlKind::Label, "Label_SeikyuuGoukei", Panel, 640, 88, 100, 15, "", clNone, clBlack,
                    Edit_FontHeight, Font_Mincho, TAlignment::taRightJustify});
    Ui_Build(form, {TControlKind::Label, "Label_DenpKeisyou", Panel, 416, 46, 51, 15, "様", clWhite, clBlack,
                    Edit_FontHeight, Font_Mincho});
    Ui_Build(form, {TControlKind::Label, "Label_DenpyouRec", Panel, 170, 6, 34, 15, "1", clNone, clBlack, -12,
                    nullptr, TAlignment::taRightJustify});
    Ui_Build(form, {TControlKind::Label, "Label_DenpyouRecOf", Panel, 206, 6, 10, 15, "/"});
    Ui_Build(form, {TControlKind::Label, "Label_DenpyouDs", Panel, 214, 6, 34, 15, "0", clNone, clBlack, -12,
                    nullptr, TAlignment::taRightJustify});

    for (const auto& f : Header_Fields)
        FramedEdit(form, f.Name, f.Frame, f.Edit, f.Bytes, clBlack, clWhite,
                   f.Japanese ? TAlignment::taLeftJustify : TAlignment::taRightJustify,
                   f.Japanese ? TImeMode::imOpen : TImeMode::imDisable);
    form.Find("Edit_DenpNo")->SetEnabled(false);  // the number is never typed

    // The state caption in its frame, and the kind buttons (the purge check
    // box of the exit stands between them).
    auto* kindFrame = form.Create<TShape>("Shape_DenpyouKind", form.Find(Panel));
    kindFrame->SetBounds(256, 2, 132, 21);
    kindFrame->Brush.Color = clWhite;
    Ui_Build(form, {TControlKind::Label, "Label_DenpyouKind", Panel, 260, 5, 124, 15, "伝票の追加", clNone,
                    clBlue, -12, nullptr, TAlignment::taCenter});
    const char* kinds[][2] = {{"RadioButton_Mitumori", "見積書"},
                              {"RadioButton_Seikyuu", "請求書"},
                              {"RadioButton_Utiwake", "内訳書"},
                              {"RadioButton_Irai", "見積依頼"}};
    // The kind is chosen by a click. Tab runs from the last header field
    // straight into the grid: a button that took the focus on the way would
    // become the checked one and change the document's kind.
    for (int i = 0; i < 4; ++i)
        Ui_Build(form, {TControlKind::RadioButton, kinds[i][0], Panel, 640 + 84 * i, 3, 82, 18, kinds[i][1]})
            ->TabStop = false;

    for (const auto& b : Button_Places)
        Ui_BuildButton(form, Panel, b.Shape, b.Label, b.Left, Button_Top, b.Width, Frame_Height, b.Width - 4, 15,
                       b.Caption, clOlive, -12);

    // Column headings and the twenty rows.
    for (const auto& col : Grid_Columns)
        Ui_Build(form, {TControlKind::Label, (std::string("Label_Head_") + col.Prefix).c_str(), Panel, col.Head.Left,
                        Grid_HeadTop, col.Head.Width, 16, col.Heading, clMoneyGreen, clBlack, -12, nullptr,
                        TAlignment::taCenter});
    for (int row = 1; row <= Denpyou_GridRows; ++row) {
        const int step = Grid_RowStep * (row - 1);
        for (const auto& col : Grid_Columns) {
            const std::string name = Ui_RowName(col.Prefix, row);
            if (col.Kind == TControlKind::Label) {
                Ui_Build(form, {TControlKind::Label, name.c_str(), Panel, col.Edit.Left, Grid_EditTop + step,
                                col.Edit.Width, Edit_Height, "", col.Ground, clBlack, Edit_FontHeight, Font_Mincho,
                                col.Align});
                continue;
            }
            FramedEdit(form, name, {col.Frame.Left, Grid_FrameTop + step, col.Frame.Width},
                       {col.Edit.Left, Grid_EditTop + step, col.Edit.Width}, col.Bytes, col.Pen, col.Ground,
                       col.Align, col.Japanese ? TImeMode::imOpen : TImeMode::imDisable);
        }
    }
}
