// The customer screen's controls: the header band, 13 rows of a number box
// and nine borderless edits in five frames, and the record and count labels
// at the top right; the cells' handlers are bound here too (the edit table).
#include <string>

#include "masters/customers/KokyakuScreen.h"
#include "ui/Build.h"
#include "ui/Ui.h"
#include "ui/EditTable.h"

namespace {

constexpr const char* Panel = "Panel_Kokyaku";
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor Cell_Ground = 15790320;  // light grey: red, green and blue 240
constexpr int Font_Height = -15;

constexpr int Row_Top = 46;  // row r spans Row_Top + Row_Step r, Row_Height high
constexpr int Row_Step = 38;
constexpr int Row_Height = 37;
constexpr int Edit_Height = 14;

// Where a cell stands in its row.
enum TLine { Line_1, Line_2, Line_Both };
constexpr int Line_Offset[3] = {2, 20, 12};

struct TCellPlace {
    int Left, Width;
    TLine Line;
    TImeMode Ime;
};
// In column order. The reading is typed in half-width katakana: the input
// method opens for it as for the names.
constexpr TCellPlace Cell_Places[KokyakuColumn_Count] = {
    {60, 323, Line_1, TImeMode::imHira},      {60, 323, Line_2, TImeMode::imHira},
    {390, 83, Line_Both, TImeMode::imOpen},   {480, 51, Line_Both, TImeMode::imHira},
    {558, 63, Line_1, TImeMode::imClose},     {630, 67, Line_1, TImeMode::imHira},
    {702, 161, Line_1, TImeMode::imHira},     {542, 321, Line_2, TImeMode::imHira},
    {872, 113, Line_Both, TImeMode::imClose},
};

// The header boxes and, under each, the frame of the same place in every row.
struct TColumnHead {
    const char* Name;
    const char* Caption;
    const char* Frame;  // nullptr: the number box
    int Left, Width;
    TAlignment Align;
};
constexpr TColumnHead Heads[] = {
    {"Label_PanelKokyaku_HeadNo", "No", nullptr, 12, 43, TAlignment::taCenter},
    {"Label_PanelKokyaku_HeadName", "顧客 (全角20文字、半角文字も混在可)", "Shape_PanelKokyaku_Name_", 58, 327, TAlignment::taCenter},
    {"Label_PanelKokyaku_HeadKana", "並べ替え", "Shape_PanelKokyaku_Kana_", 388, 87, TAlignment::taCenter},
    {"Label_PanelKokyaku_HeadKeisyou", "敬称", "Shape_PanelKokyaku_Keisyou_", 478, 57, TAlignment::taCenter},
    {"Label_PanelKokyaku_HeadAddress", "住所", "Shape_PanelKokyaku_Address_", 538, 329, TAlignment::taLeftJustify},
    {"Label_PanelKokyaku_HeadTel", "電話", "Shape_PanelKokyaku_Tel_", 870, 117, TAlignment::taCenter},
};
constexpr int Head_Top = 24;

TShape* Box(TForm& form, const std::string& name, int left, int top, int width, int height, TColor brush) {
    auto* shape =
        static_cast<TShape*>(Ui_Build(form, {TControlKind::Shape, name.c_str(), Panel, left, top, width, height}));
    shape->Brush.Color = brush;
    shape->Pen.Color = clBlack;
    return shape;
}

void BuildHeader(TForm& form) {
    for (const auto& h : Heads) {
        auto* label =
            static_cast<TLabel*>(Ui_Build(form, {TControlKind::Label, h.Name, Panel, h.Left, Head_Top, h.Width, 19,
                                                 h.Caption, clMoneyGreen, clBlack, Font_Height, Font_Gothic, h.Align}));
        label->Layout_Center = true;
    }
    // The current record and the count, each in a white framed box.
    Box(form, "Shape_KokyakuRec", 870, 2, 49, 19, clWhite);
    Ui_Build(form, {TControlKind::Label, "Label_KokyakuRec", Panel, 874, 4, 39, 15, "0", clWhite, clBlack, Font_Height,
                    Font_Mincho, TAlignment::taRightJustify});
    Ui_Build(form, {TControlKind::Label, "Label_KokyakuRecOf", Panel, 920, 4, 14, 15, "/", clNone, clBlack, Font_Height,
                    Font_Mincho});
    Box(form, "Shape_KokyakuDs", 936, 2, 49, 19, clWhite);
    Ui_Build(form, {TControlKind::Label, "Label_KokyakuDs", Panel, 942, 4, 39, 15, "0", clWhite, clBlack, Font_Height,
                    Font_Mincho, TAlignment::taRightJustify});
}

void BuildRow(TForm& form, int r) {
    const int top = Row_Top + Row_Step * r;
    const int no = r + 1;
    TShape* numberBox = Box(form, Ui_RowName("Shape_PanelKokyaku_No_", no), 12, top, 43, Row_Height, clMoneyGreen);
    numberBox->Pen.Color = clMoneyGreen;
    auto* number = static_cast<TLabel*>(Ui_Build(
        form, {TControlKind::Label, Ui_RowName("Label_PanelKokyaku_No_", no).c_str(), Panel, 15, top + 11, 37, 15,
               "    ", clNone, clBlack, Font_Height, Font_Mincho, TAlignment::taRightJustify}));
    number->Layout_Center = true;
    for (const auto& h : Heads)
        if (h.Frame) Box(form, Ui_RowName(h.Frame, no), h.Left, top, h.Width, Row_Height, clWhite);
    Ui_Build(form, {TControlKind::Label, Ui_RowName("Label_PanelKokyaku_Yubin_", no).c_str(), Panel, 542, top + 2, 14,
                    Edit_Height, "〒", clWhite, clBlack, Font_Height, Font_Mincho});
    // The cells in tab order.
    for (int c = 0; c < KokyakuColumn_Count; ++c) {
        const TCellPlace& p = Cell_Places[c];
        auto* edit = Ui_BuildAs<TEdit>(form, {TControlKind::Edit, Ui_RowName(Kokyaku_Cell(c).Edit, no).c_str(), Panel,
                                              p.Left, top + Line_Offset[p.Line], p.Width, Edit_Height, "",
                                              Cell_Ground, clBlack, Font_Height, Font_Mincho});
        edit->MaxLength = Kokyaku_CellWidth(c);
        edit->ImeMode = p.Ime;
    }
}

}  // namespace

void Kokyaku_CreateControls(TForm& form) {
    Ui_Built<TPanel>(form, Panel).Bevel = false;
    BuildHeader(form);
    for (int r = 0; r < Kokyaku_Rows; ++r) BuildRow(form, r);
    Edit_Bind(form, Kokyaku_Table);
}
