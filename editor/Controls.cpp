// The document editor's controls: the header fields, the kind buttons, the
// state caption, the half-page buttons and the twenty grid rows.
#include "editor/Controls.h"

#include "app/Build.h"

namespace {

constexpr const char* Panel = "Panel_Denpyou";

// An input edit on its frame shape: the frame is named after the edit
// ("Edit_DenpPlace" lies on "Shape_DenpPlace").
TEdit* FramedEdit(TForm& form, const std::string& editName, int left, int top, int width, int height,
                  int maxLength, TColor framePen, TAlignment align, TImeMode ime) {
    const std::string shapeName = "Shape_" + editName.substr(5);
    auto* shape = form.Create<TShape>(shapeName, form.Find(Panel));
    shape->SetBounds(left, top, width, height);
    shape->Pen.Color = framePen;
    shape->Brush.Color = clWhite;
    auto* edit = form.Create<TEdit>(editName, form.Find(Panel));
    edit->SetBounds(left + 3, top + 2, width - 6, height - 4);
    edit->Font.Name = Font_Gothic;
    edit->Font.Height = -12;
    edit->MaxLength = maxLength;
    edit->Alignment = align;
    edit->ImeMode = ime;
    return edit;
}

void Caption(TForm& form, const char* name, int left, int top, int width, const char* text,
             TAlignment align = TAlignment::taLeftJustify) {
    Ui_Build(form, {TControlKind::Label, name, Panel, left, top, width, 17, text, clNone, clBlack, -12,
                    nullptr, align});
}

// Header edits: name, place, width in bytes, alignment, input method.
struct THeaderField {
    const char* Name;
    int Left, Top, Bytes;
    bool Japanese;
};
constexpr THeaderField Header_Fields[] = {
    {"Edit_DenpNo", 640, 4, 10, false},
    {"Edit_DenpKokyakuName_1", 56, 4, 40, true},
    {"Edit_DenpKokyakuName_2", 56, 28, 40, true},
    {"Edit_DenpKoujiName_1", 56, 52, 40, true},
    {"Edit_DenpKoujiName_2", 56, 76, 40, true},
    {"Edit_DenpPlace", 56, 100, 40, true},
    {"Edit_DenpBikou", 500, 100, 40, true},
    {"Edit_DenpMakeYear", 500, 28, 2, false},
    {"Edit_DenpMakeMonth", 552, 28, 2, false},
    {"Edit_DenpMakeDay", 604, 28, 2, false},
    {"Edit_DenpYoukouYear", 500, 52, 2, false},
    {"Edit_DenpYoukouMonth", 552, 52, 2, false},
    {"Edit_DenpYoukouDay", 604, 52, 2, false},
};

// Grid columns in screen order.
struct TGridColumn {
    const char* Prefix;  // row controls are Prefix + "01" ... "20"
    TControlKind Kind;
    int Left, Width, Bytes;
    TColor Frame;
    TAlignment Align;
    const char* Heading;
};
constexpr TGridColumn Grid_Columns[] = {
    {"Label_DenpLine_", TControlKind::Label, 4, 26, 0, clBlack, TAlignment::taRightJustify, "No"},
    {"Edit_DenpSyousai_", TControlKind::Edit, 32, 306, 50, clBlack, TAlignment::taLeftJustify,
     "商品及び詳細"},
    {"Edit_DenpSuuryou_", TControlKind::Edit, 340, 46, 6, clBlack, TAlignment::taRightJustify, "数量"},
    {"Edit_DenpTanni_", TControlKind::Edit, 388, 46, 6, clBlack, TAlignment::taLeftJustify, "単位"},
    {"Edit_DenpTanka_", TControlKind::Edit, 436, 62, 9, clGray, TAlignment::taRightJustify, "定価"},
    {"Edit_DenpTankaRitu_", TControlKind::Edit, 500, 28, 3, clGray, TAlignment::taRightJustify, "％"},
    {"Edit_DenpSiire_", TControlKind::Edit, 530, 62, 9, clGray, TAlignment::taRightJustify, "仕入値"},
    {"Edit_DenpSiireRitu_", TControlKind::Edit, 594, 28, 3, clGray, TAlignment::taRightJustify, "％"},
    {"Label_DenpSankouTanka_", TControlKind::Label, 624, 64, 0, clBlack, TAlignment::taRightJustify,
     "参照売価"},
    {"Edit_DenpJitubaiTanka_", TControlKind::Edit, 690, 62, 9, clBlack, TAlignment::taRightJustify,
     "実売単価"},
    {"Label_DenpSyoukei_", TControlKind::Label, 754, 74, 0, clBlack, TAlignment::taRightJustify, "小計"},
};
constexpr int Grid_Top = 164;
constexpr int Grid_RowHeight = 19;

// The half-page buttons above the grid.
struct TButtonPlace {
    const char* Shape;
    const char* Label;
    int Left, Width;
    const char* Caption;
};
constexpr TButtonPlace Button_Places[] = {
    {"Shape_Denpyou_BeforePage", "Label_Denpyou_BeforePage", 690, 140, "PageUp 半頁戻し"},
    {"Shape_Denpyou_NextPage", "Label_Denpyou_NextPage", 838, 140, "PageDown 半頁送り"},
};
constexpr int Button_Top = 124;

}  // namespace

void Denpyou_CreateControls(TForm& form) {
    // Captions of the header.
    Caption(form, "Label_DenpKokyaku", 8, 7, 46, "顧客");
    Caption(form, "Label_DenpKoujiName", 8, 55, 46, "工事名");
    Caption(form, "Label_DenpPlace", 8, 103, 46, "工事場所");
    Caption(form, "Label_DenpNoCaption", 580, 7, 58, "伝票番号");
    Caption(form, "Label_DenpMake", 440, 31, 58, "作成日");
    Caption(form, "Label_DenpYoukou", 440, 55, 58, "有効期限");
    Caption(form, "Label_DenpBikou", 440, 103, 58, "備考");
    Caption(form, "Label_DenpGoukeiCaption", 440, 79, 58, "合計");
    for (int i = 0; i < 2; ++i) {
        const int top = 31 + 24 * i;
        const char* rows[][3] = {{"Label_DenpMakeNen", "Label_DenpMakeTuki", "Label_DenpMakeHi"},
                                 {"Label_DenpYoukouNen", "Label_DenpYoukouTuki", "Label_DenpYoukouHi"}};
        Caption(form, rows[i][0], 534, top, 16, "年");
        Caption(form, rows[i][1], 586, top, 16, "月");
        Caption(form, rows[i][2], 638, top, 16, "日");
    }
    Caption(form, "Label_DenpKeisyou", 356, 31, 40, "様");
    Caption(form, "Label_SeikyuuGoukei", 500, 79, 100, "", TAlignment::taRightJustify);
    Caption(form, "Label_DenpyouRec", 716, 7, 40, "1", TAlignment::taRightJustify);
    Caption(form, "Label_DenpyouRecOf", 758, 7, 10, "/");
    Caption(form, "Label_DenpyouDs", 766, 7, 40, "0", TAlignment::taRightJustify);

    for (const auto& f : Header_Fields) {
        const int width = f.Bytes * 6 + 12;
        TEdit* edit = FramedEdit(form, f.Name, f.Left, f.Top, width, 22, f.Bytes, clBlack,
                                 f.Bytes <= 10 && !f.Japanese ? TAlignment::taRightJustify
                                                              : TAlignment::taLeftJustify,
                                 f.Japanese ? TImeMode::imOpen : TImeMode::imDisable);
        (void)edit;
    }
    form.Find("Edit_DenpNo")->SetEnabled(false);  // the number is never typed

    // The state caption in its frame, and the kind buttons.
    auto* kindFrame = form.Create<TShape>("Shape_DenpyouKind", form.Find(Panel));
    kindFrame->SetBounds(820, 4, 150, 24);
    kindFrame->Brush.Color = clWhite;
    Ui_Build(form, {TControlKind::Label, "Label_DenpyouKind", Panel, 824, 8, 142, 17, "伝票の追加", clNone,
                    clBlue, -12, nullptr, TAlignment::taCenter});
    const char* kinds[][2] = {{"RadioButton_Mitumori", "見積書"},
                              {"RadioButton_Seikyuu", "請求書"},
                              {"RadioButton_Utiwake", "内訳書"},
                              {"RadioButton_Irai", "見積依頼"}};
    for (int i = 0; i < 4; ++i)
        Ui_Build(form, {TControlKind::RadioButton, kinds[i][0], Panel, 820 + 80 * (i % 2), 34 + 22 * (i / 2),
                        78, 20, kinds[i][1]});

    for (const auto& b : Button_Places)
        Ui_BuildButton(form, Panel, b.Shape, b.Label, b.Left, Button_Top, b.Width, 22, b.Width - 6, 16,
                       b.Caption, clOlive, -12);

    // Column headings and the twenty rows.
    for (const auto& col : Grid_Columns)
        Ui_Build(form, {TControlKind::Label, (std::string("Label_Head_") + col.Prefix).c_str(), Panel, col.Left,
                        Grid_Top - 18, col.Width, 16, col.Heading, clNone, clBlack, -12, nullptr,
                        TAlignment::taCenter});
    for (int row = 1; row <= Denpyou_GridRows; ++row) {
        const int top = Grid_Top + (row - 1) * Grid_RowHeight;
        for (const auto& col : Grid_Columns) {
            const std::string name = Ui_RowName(col.Prefix, row);
            if (col.Kind == TControlKind::Label) {
                Ui_Build(form, {TControlKind::Label, name.c_str(), Panel, col.Left, top + 2, col.Width - 4,
                                Grid_RowHeight - 4, "", clNone, clBlack, -12, Font_Gothic, col.Align});
                continue;
            }
            const bool japanese = col.Bytes == 50 || col.Prefix == std::string("Edit_DenpTanni_");
            FramedEdit(form, name, col.Left, top, col.Width, Grid_RowHeight + 1, col.Bytes, col.Frame, col.Align,
                       japanese ? TImeMode::imOpen : TImeMode::imDisable);
        }
    }
}
