// The preview's controls, laid out like the printed first page: title and
// print date at the top, the customer on the left, the own company on the
// right, the construction data, validity date and footer under them, then
// twelve detail rows and the four command labels.
#include <string>

#include "print/preview/PrintView.h"
#include "print/preview/PrintViewHandlers.h"
#include "ui/Build.h"
#include "ui/Ui.h"

namespace {

constexpr const char* View = "Panel_PrintView";
constexpr TColor Panel_Color = 16771304;
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr int Text_Height = -15;  // the document's texts, 11 points

using enum TControlKind;
using enum TAlignment;

// Labels whose texts the preview sets, and the fixed captions beside them.
// Mincho for what the document says, gothic for captions.
const TControlSpec View_Labels[] = {
    {Label, "Label_PrintViewTitle", View, 330, 14, 330, 34, "", clNone, clBlack, -28, Font_Gothic, taCenter},
    // Customer.
    {Label, "Label_Panel_PrintView_KokyakuAddress_1", View, 24, 64, 300, 16, "", clNone, clBlack, Text_Height, Font_Mincho},
    {Label, "Label_Panel_PrintView_KokyakuAddress_2", View, 24, 84, 480, 16, "", clNone, clBlack, Text_Height, Font_Mincho},
    {Label, "Label_Panel_PrintView_Kokyaku_1", View, 24, 108, 330, 18, "", clNone, clBlack, -16, Font_Mincho},
    {Label, "Label_Panel_PrintView_Kokyaku_2", View, 24, 130, 420, 22, "", clNone, clBlack, -19, Font_Mincho},
    {Label, "Label_Panel_PrintView_Keisyou", View, 446, 132, 64, 20, "", clNone, clBlack, -19, Font_Mincho},
    {Label, "Label_PrintView_SeikyuugakuTitle", View, 24, 178, 90, 18, "合計金額", clNone, clBlack, Text_Height, Font_Gothic},
    {Label, "Label_Panel_PrintView_Seikyuugaku", View, 118, 172, 170, 26, "", clNone, clBlack, -24, Font_Mincho, taRightJustify},
    // Construction data; the two captions are the own company's.
    {Label, "Label_Panel_PrintView_Naiyou", View, 24, 214, 80, 16, "", clNone, clBlack, Text_Height, Font_Gothic},
    {Label, "Label_Panel_PrintView_KoujiName_1", View, 110, 204, 400, 16, "", clNone, clBlack, Text_Height, Font_Mincho},
    {Label, "Label_Panel_PrintView_KoujiName_2", View, 110, 224, 400, 16, "", clNone, clBlack, Text_Height, Font_Mincho},
    {Label, "Label_Panel_PrintView_Basyo", View, 24, 250, 80, 16, "", clNone, clBlack, Text_Height, Font_Gothic},
    {Label, "Label_Panel_PrintView_KoujiPlace", View, 110, 250, 400, 16, "", clNone, clBlack, Text_Height, Font_Mincho},
    // Own company. The representative's label lies under the title's, which
    // widens over it when the two fit on one line.
    {Label, "Label_Panel_PrintView_JisyaPR", View, 540, 64, 420, 16, "", clNone, clBlack, -13, Font_Mincho},
    {Label, "Label_Panel_PrintView_JisyaName", View, 556, 84, 420, 22, "", clNone, clBlack, -19, Font_Mincho},
    {Label, "Label_Panel_PrintView_JisyaDaihyousya", View, 656, 112, 200, 18, "", clNone, clBlack, -16, Font_Mincho},
    {Label, "Label_Panel_PrintView_JisyaYakusyoku", View, 572, 112, 80, 18, "", clNone, clBlack, -16, Font_Mincho},
    {Label, "Label_Panel_PrintView_Address_1", View, 572, 134, 400, 16, "", clNone, clBlack, -13, Font_Mincho},
    {Label, "Label_Panel_PrintView_Address_2", View, 588, 152, 380, 16, "", clNone, clBlack, -13, Font_Mincho},
    {Label, "Label_Panel_PrintView_Tel", View, 572, 172, 400, 16, "", clNone, clBlack, -13, Font_Mincho},
    // Validity date.
    {Label, "Label_PrintView_YuukouTitle", View, 540, 226, 80, 16, "有効期限", clNone, clBlack, Text_Height, Font_Gothic},
    // "PrintVier" is the program's own spelling of the era label's name.
    {Label, "Label_PrintVier_YuukouWareki", View, 626, 226, 36, 16, "", clNone, clBlack, Text_Height, Font_Mincho},
    {Label, "Label_Panel_PrintView_YuukouYear", View, 664, 226, 20, 16, "", clNone, clBlack, Text_Height, Font_Mincho, taRightJustify},
    {Label, "Label_PrintView_YuukouYearTitle", View, 686, 226, 16, 16, "年", clNone, clBlack, Text_Height, Font_Mincho},
    {Label, "Label_Panel_PrintView_YuukouMonth", View, 704, 226, 20, 16, "", clNone, clBlack, Text_Height, Font_Mincho, taRightJustify},
    {Label, "Label_PrintView_YuukouMonthTitle", View, 726, 226, 16, 16, "月", clNone, clBlack, Text_Height, Font_Mincho},
    {Label, "Label_Panel_PrintView_YuukouDay", View, 744, 226, 20, 16, "", clNone, clBlack, Text_Height, Font_Mincho, taRightJustify},
    {Label, "Label_PrintView_YuukouDayTitle", View, 766, 226, 16, 16, "日", clNone, clBlack, Text_Height, Font_Mincho},
    // Footer: remarks or creation date, on the underline Shape135. The era
    // label's top, width and size change with the mode.
    {Label, "Label_PrintView_Makeday_Bikou", View, 540, 258, 80, 16, "", clNone, clBlack, Text_Height, Font_Gothic},
    {Label, "Label_Panel_PrintView_MakeWareki", View, 626, 260, 160, 16, "", clNone, clBlack, -12, Font_Mincho},
    {Label, "Label_Panel_PrintView_MakeYear", View, 664, 258, 20, 16, "", clNone, clBlack, Text_Height, Font_Mincho, taRightJustify},
    {Label, "Label_Panel_PrintView_YearTitle", View, 686, 258, 16, 16, "年", clNone, clBlack, Text_Height, Font_Mincho},
    {Label, "Label_Panel_PrintView_MakeMonth", View, 704, 258, 20, 16, "", clNone, clBlack, Text_Height, Font_Mincho, taRightJustify},
    {Label, "Label_Panel_PrintView_MonthTitle", View, 726, 258, 16, 16, "月", clNone, clBlack, Text_Height, Font_Mincho},
    {Label, "Label_Panel_PrintView_MakeDay", View, 744, 258, 20, 16, "", clNone, clBlack, Text_Height, Font_Mincho, taRightJustify},
    {Label, "Label_Panel_PrintView_DayTitle", View, 766, 258, 16, 16, "日", clNone, clBlack, Text_Height, Font_Mincho},
    {Label, "Label_Prn_Bikou", View, 626, 256, 340, 18, "", Panel_Color, clBlack, Text_Height, Font_Mincho},
    {CheckBox, "CheckBox_MakeDayNotPrint", View, 800, 256, 160, 20, "日付を印刷しない", Panel_Color},
    // The print date, typed.
    {Label, "Label_PrintView_PrintWareki", View, 734, 20, 36, 18, "令和", clNone, clBlack, Text_Height, Font_Mincho},
    {Label, "Label_PrintView_PrintYearTitle", View, 800, 20, 16, 18, "年", clNone, clBlack, Text_Height, Font_Mincho},
    {Label, "Label_PrintView_PrintMonthTitle", View, 846, 20, 16, 18, "月", clNone, clBlack, Text_Height, Font_Mincho},
    {Label, "Label_PrintView_PrintDayTitle", View, 892, 20, 16, 18, "日", clNone, clBlack, Text_Height, Font_Mincho},
    // The notice under the command labels.
    {Label, "Label_PrintView_Notice", View, 20, 682, 600, 18, "* 印刷を実行すると、伝票は自動登録されます　*", clNone, clRed,
     Text_Height, Font_Gothic},
};

const TControlSpec Date_Edits[] = {
    {Edit, "Edit_PanelPrintView_Year", View, 772, 18, 26, 20, "", clWhite, clBlack, Text_Height, Font_Mincho, taRightJustify},
    {Edit, "Edit_PanelPrintView_Month", View, 818, 18, 26, 20, "", clWhite, clBlack, Text_Height, Font_Mincho, taRightJustify},
    {Edit, "Edit_PanelPrintView_Day", View, 864, 18, 26, 20, "", clWhite, clBlack, Text_Height, Font_Mincho, taRightJustify},
};

// The detail table: its column captions, then twelve rows of labels
// Prefix + "01" ... "12".
struct TViewColumn {
    const char* Prefix;
    int Left, Width;
    TAlignment Align;
    const char* CaptionName;  // nullptr: no caption over the column
    const char* Caption;
};
constexpr TViewColumn View_Columns[] = {
    {"Label_Panel_PrintView_Meisai_Page_", 20, 30, taCenter, "Label_PrintView_PageTitle", "頁"},
    {"Label_Panel_PrintView_Meisai_Line_", 54, 40, taRightJustify, nullptr, ""},
    {"Label_Panel_PrintView_Meisai_Hinmei_", 98, 410, taLeftJustify, "Label_PrintView_HinmeiTitle", "商 品 及 び 品 名"},
    {"Label_Panel_PrintView_Meisai_Suu_", 512, 64, taRightJustify, "Label_PrintView_SuuTitle", "数量"},
    {"Label_Panel_PrintView_Meisai_Tanni_", 580, 60, taLeftJustify, "Label_PrintView_TanniTitle", "単位"},
    {"Label_Panel_PrintView_Meisai_Tanka_", 644, 140, taRightJustify, "Label184", "単価"},
    {"Label_Panel_PrintView_Meisai_Syoukei_", 788, 180, taRightJustify, "Label185", "金額"},
};
constexpr int Column_CaptionTop = 292;
constexpr int Row_Top = 316;
constexpr int Row_Step = 26;
constexpr int Row_Height = 20;

// The command labels on their frames, by key.
struct TViewCommand {
    int Key;
    const char* Shape;
    const char* Label;
    int Left;
    const char* Caption;
    void (*Click)();
};
constexpr TViewCommand View_Commands[] = {
    {1, "Shape_PanelPrintView_F1", "Label_PanelPrintView_F1", 20, "F1 印刷実行", Label_PanelPrintView_F1Click},
    {5, "Shape_PanelPrintView_F5", "Label_PanelPrintView_F5", 424, "F5 前ページ", Label_PanelPrintView_F5Click},
    {6, "Shape_PanelPrintView_F6", "Label_PanelPrintView_F6", 590, "F6 次ページ", Label_PanelPrintView_F6Click},
    {9, "Shape_PanelPrintView_F9", "Label_PanelPrintView_F9", 818, "F9 閉じる", Label_PanelPrintView_F9Click},
};
constexpr int Command_Top = 640;
constexpr int Command_Width = 150;
constexpr int Command_Height = 32;


void BuildDetailTable(TForm& form) {
    for (const auto& col : View_Columns) {
        if (col.CaptionName)
            Ui_Build(form, {Label, col.CaptionName, View, col.Left, Column_CaptionTop, col.Width, Row_Height,
                            col.Caption, clMoneyGreen, clBlack, -13, Font_Gothic, taCenter});
        for (int row = 1; row <= PrintView_Rows; ++row)
            Ui_Build(form, {Label, Ui_RowName(col.Prefix, row).c_str(), View, col.Left,
                            Row_Top + Row_Step * (row - 1), col.Width, Row_Height, "", clWhite, clBlack, Text_Height,
                            Font_Mincho, col.Align});
    }
    // The printed page: white bold on the page's colour.
    for (int row = 1; row <= PrintView_Rows; ++row) {
        TControl& page = Ui_Built(form, Ui_RowName(View_Columns[0].Prefix, row));
        page.Font.Color = clWhite;
        page.Font.Bold = true;
    }
}

}  // namespace

void PrintView_CreateControls(TForm& form) {
    Ui_Built(form, View).Color = Panel_Color;
    Ui_BuildAll(form, View_Labels);
    // The footer's underline, under the remarks or the creation date.
    auto* underline = static_cast<TShape*>(Ui_Build(form, {Shape, "Shape135", View, 540, 276, 430, 1}));
    underline->Brush.Color = clBlack;
    underline->Pen.Width = 0;

    for (const TControlSpec& spec : Date_Edits) {
        auto* edit = Ui_BuildAs<TEdit>(form, spec);
        edit->MaxLength = 2;
        edit->ImeMode = TImeMode::imClose;
        edit->BorderStyle = true;
    }
    Edit_Bind(form, PrintView_Dates);

    Ui_Built(form, "Label_PrintViewTitle").OnClick = [](TControl*) { Label_PrintViewTitleClick(); };
    BuildDetailTable(form);

    for (const auto& c : View_Commands) {
        TLabel* label = Ui_BuildButton(form, View, c.Shape, c.Label, c.Left, Command_Top, Command_Width,
                                       Command_Height, Command_Width - 8, Command_Height - 8, c.Caption, clOlive);
        Ui_Built<TShape>(form, c.Shape).Pen.Color = clOlive;
        const int key = c.Key;
        label->OnClick = [click = c.Click](TControl*) { click(); };
        label->OnMouseDown = [key](TControl*, TMouseButton, TShiftState, int, int) {
            Label_PanelPrintView_MouseDown(key);
        };
        label->OnMouseUp = [key](TControl*, TMouseButton, TShiftState, int, int) {
            Label_PanelPrintView_MouseUp(key);
        };
    }
}
