// The own-company screen's controls: green caption cells left of framed,
// borderless inputs, top to bottom the PR line, the company and its
// representative, the address, the telephones, the rounding, the keep-years,
// the last number, the print options, the tax rate and the three bank
// accounts; the unit list at the right edge. The inputs are bound as the
// edit table (settings/company/JisyaScreen.h).
#include "masters/units/TanniList.h"
#include "settings/company/JisyaScreen.h"
#include "ui/Build.h"
#include "ui/Ui.h"

namespace {

constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor Address_Ground = 0xF0F0F0;
constexpr int Font_Height = -15;
constexpr int Row_Height = 19;
// The footer's buttons form a group of their own on this small panel.
constexpr const char* Footer_Panel = "Panel_DenpyouBikouPrint";

// A caption cell, or a note beside an input (no ground).
struct TCaption {
    const char* Name;
    const char* Text;
    int Left, Top, Width, Height = Row_Height;
    TColor Ground = clMoneyGreen;
    TColor Ink = clBlack;
    bool Bold = false;
};
constexpr TCaption Captions[] = {
    {"Label_Jisya_PR", "PR文", 8, 8, 112},
    {"Label_Jisya_Name", "自社名", 8, 32, 112},
    {"Label_Jisya_Yakusyoku", "役職名", 8, 56, 112},
    {"Label_Jisya_Daihyousya", "代表者名", 216, 56, 80},
    {"Label_Jisya_Adr", "住所", 8, 80, 112, 43},
    {"Label_Jisya_Tel", "電話番号", 8, 128, 112},
    {"Label_Jisya_TelNote", "必ずハイフンを入れてください", 244, 130, 220, 15, clNone, clRed, true},
    {"Label_Jisya_Fax", "FAX", 8, 152, 112},
    {"Label_Jisya_Keitai", "携帯番号", 244, 152, 80},
    {"Label_Jisya_Hasuu", "端数処理", 8, 176, 112},
    {"Label_Jisya_Hozon", "保存年数", 8, 200, 112},
    {"Label_Jisya_HozonNote", "年または見積伝票最大30,000枚", 156, 202, 220, 15, clNone},
    {"Label_Jisya_Denban", "初期伝番", 8, 224, 112},
    {"Label_Jisya_DenbanNote", "新しい伝票は初期伝票プラス１から始まります", 218, 226, 320, 15, clNone},
    {"Label_Jisya_DenpyouPrint", "伝票印刷", 8, 248, 112, 67},
    {"Label_Jisya_DenbanPrint", "伝票番号", 124, 248, 70},
    {"Label_Jisya_AllPagePrint", "全頁", 290, 248, 50},
    {"Label_Jisya_Suuryou", "数量", 436, 248, 50},
    {"Label_Jisya_KokyakuAddress", "顧客住所", 124, 272, 70},
    {"Label_Jisya_ZeiTanni", "消費税・調整の単位", 306, 272, 150},
    {"Label_Jisya_BikouPrint", "備考と作成日", 124, 296, 100},
    {"Label_Jisya_SyouhizeiHead", "消費税 (新しく登録する伝票から適用されます）", 8, 328, 420, Row_Height, clNone},
    {"Label_Jisya_Syouhizei", "税率", 8, 352, 112},
    {"Label_Jisya_Percent", "％", 154, 354, 16, 15, clNone},
    {"Label_Jisya_KouzaHead", "取引銀行 (最上段が伝票に印刷されます）", 8, 384, 420, Row_Height, clNone},
    {"Label_Jisya_Kouza", "金融機関名・口座種類・口座番号", 8, 408, 414},
    {"Label_Jisya_KouzaMeigi", "口座名義人", 426, 408, 460},
};
// Inside the address frame, before the postal code.
constexpr TCaption Yubin{"Label_Jisya_Yubin", "〒", 128, 82, 14, 15, Address_Ground};

struct TFrame {
    const char* Name;
    int Left, Top, Width, Height = Row_Height;
};
constexpr TFrame Frames[] = {
    {"Shape_JisyaName_1", 124, 8, 310},        {"Shape_JisyaName_2", 124, 32, 310},
    {"Shape_Jisya_Yakusyoku", 124, 56, 84},    {"Shape_Jisya_Daihyousya", 300, 56, 160},
    {"Shape_Jisya_Adr", 124, 80, 316, 43},     {"Shape_Jisya_Tel", 124, 128, 112},
    {"Shape_Jisya_Fax", 124, 152, 112},        {"Shape_Jisya_Keitai", 328, 152, 112},
    {"Shape_Jisya_Hasuu", 124, 176, 300},      {"Shape_Jisya_Hozon", 124, 200, 26},
    {"Shape_Jisya_Denban", 124, 224, 88},      {"Shape_DenbanPrint", 198, 248, 84},
    {"Shape_AllPagePrint", 344, 248, 84},      {"Shape_Denpyou_Suuryou", 490, 248, 64},
    {"Shape_Denpyou_KokyakuAddress", 198, 272, 100}, {"Shape_DenpyouZeiTanni", 460, 272, 64},
    {"Shape_DenpyouBikouPrint", 228, 296, 380}, {"Shape_Syouhizei", 124, 352, 26},
    {"Shape_JisyaKouza_01", 8, 432, 414},      {"Shape_JisyaKouzaMeigi_01", 426, 432, 460},
    {"Shape_JisyaKouza_02", 8, 456, 414},      {"Shape_JisyaKouzaMeigi_02", 426, 456, 460},
    {"Shape_JisyaKouza_03", 8, 480, 414},      {"Shape_JisyaKouzaMeigi_03", 426, 480, 460},
};

// Where each input stands (in the order of the table), with its caption
// (check boxes and radio buttons) and its input method.
struct TPlace {
    int Left, Top, Width;
    const char* Caption = "";
    TImeMode Ime = TImeMode::imHira;
    TAlignment Align = TAlignment::taLeftJustify;
    TColor Ground = clWhite;
    const char* Parent = Jisya_Panel;
};
constexpr TImeMode Off = TImeMode::imClose;
constexpr TAlignment Right = TAlignment::taRightJustify;
constexpr TPlace Places[JisyaInput_Count] = {
    {128, 10, 302},
    {128, 34, 302},
    {128, 58, 76},
    {304, 58, 152},
    {144, 82, 62, "", Off, TAlignment::taLeftJustify, Address_Ground},
    {212, 82, 62, "", TImeMode::imHira, TAlignment::taLeftJustify, Address_Ground},
    {280, 82, 152, "", TImeMode::imHira, TAlignment::taLeftJustify, Address_Ground},
    {128, 104, 302, "", TImeMode::imHira, TAlignment::taLeftJustify, Address_Ground},
    {128, 130, 104, "", Off},
    {128, 154, 104, "", Off},
    {332, 154, 104, "", Off},
    {130, 178, 90, "四捨五入"},
    {222, 178, 90, "切り上げ"},
    {314, 178, 90, "切り捨て"},
    {128, 202, 18, "", Off, Right},
    {128, 226, 80, "", Off, Right},
    {202, 250, 76, "印刷する"},
    {348, 250, 76, "印刷する"},
    {494, 250, 56, "必要"},
    {202, 274, 92, "印刷しない"},
    {464, 274, 56, "１ 式"},
    {2, 1, 100, "備考を印刷", TImeMode::imHira, TAlignment::taLeftJustify, clWhite, Footer_Panel},
    {104, 1, 116, "作成日を印刷", TImeMode::imHira, TAlignment::taLeftJustify, clWhite, Footer_Panel},
    {222, 1, 152, "どちらも印刷しない", TImeMode::imHira, TAlignment::taLeftJustify, clWhite, Footer_Panel},
    {128, 354, 18, "", Off, Right},
    {12, 434, 406},
    {430, 434, 452},
    {12, 458, 406},
    {430, 458, 452},
    {12, 482, 406},
    {430, 482, 452},
};

TControlKind KindOf(TEditInput input) {
    switch (input) {
        case TEditInput::Check: return TControlKind::CheckBox;
        case TEditInput::Radio: return TControlKind::RadioButton;
        default: return TControlKind::Edit;
    }
}

void BuildInput(TForm& form, int input) {
    const TEditRow& row = Jisya_Inputs[input];
    const TPlace& p = Places[input];
    const TControlKind kind = KindOf(row.Input);
    TControl* c = Ui_Build(form, {kind, row.Edit, p.Parent, p.Left, p.Top, p.Width, kind == TControlKind::Edit ? 14 : 15,
                                  p.Caption, p.Ground, clBlack, Font_Height, Font_Mincho, p.Align});
    if (auto* edit = dynamic_cast<TEdit*>(c)) {
        edit->MaxLength = row.Width;
        edit->ImeMode = p.Ime;
    }
}

// The host of the unit list: Home in its first row goes back to the last
// account holder, Return in its last row on to the PR line.
const TTanniListHost Tanni_Host{
    .Panel = Jisya_Panel,
    .Before = [] { Edit_Focus(Jisya_Input(JisyaInput_KouzaMeigi_3)); },
    .After = [] { Edit_Focus(Jisya_Input(JisyaInput_Name_1)); },
};

void BuildCaption(TForm& form, const TCaption& c) {
    auto* label = Ui_BuildAs<TLabel>(form, {TControlKind::Label, c.Name, Jisya_Panel, c.Left, c.Top, c.Width, c.Height,
                                            c.Text, c.Ground, c.Ink, Font_Height, Font_Mincho,
                                            c.Ground == clMoneyGreen ? TAlignment::taCenter : TAlignment::taLeftJustify});
    label->Layout_Center = true;
    label->Font.Bold = c.Bold;
}

}  // namespace

void Jisya_CreateControls(TForm& form) {
    Ui_Built<TPanel>(form, Jisya_Panel).Bevel = false;
    for (const TCaption& c : Captions) BuildCaption(form, c);
    // The frames keep a shape's own black pen and white brush.
    for (const TFrame& f : Frames)
        Ui_Build(form, {TControlKind::Shape, f.Name, Jisya_Panel, f.Left, f.Top, f.Width, f.Height});
    BuildCaption(form, Yubin);
    auto* footer = Ui_BuildAs<TPanel>(form, {TControlKind::Panel, Footer_Panel, Jisya_Panel, 230, 297, 376, 17, "", clWhite});
    footer->Bevel = false;
    for (int input = 0; input < JisyaInput_Count; ++input) BuildInput(form, input);
    Edit_Bind(form, Jisya_Table);
    TanniList_CreateControls(form, Tanni_Host);
}
