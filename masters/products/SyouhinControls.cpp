// The product screen's controls: the header band, 25 rows of a number box,
// six borderless edits in their frames (the tax class's edit beyond the
// panel's edge, its label in the frame), the member count and category name
// labels, and the position and count labels at the top right; the cells'
// handlers are bound here too (the edit table), and the labels' clicks.
#include <string>

#include "masters/products/SyouhinHinsyu.h"
#include "masters/products/SyouhinScreen.h"
#include "masters/products/SyouhinZei.h"
#include "ui/Build.h"
#include "ui/EditTable.h"
#include "ui/Ui.h"

namespace {

constexpr const char* Panel = "Panel_Syouhin";
constexpr TColor clMoneyGreen = 0xC0DCC0;  // red 192, green 220, blue 192
constexpr TColor Cell_Ground = 15790320;   // light grey: red, green and blue 240
constexpr int Font_Height = -15;
constexpr int Head_Top = 24, Row_Top = 44, Row_Step = 20, Frame_Height = 19;
constexpr int Zei_EditLeft = 996;  // beyond the panel's 989 pixels: it takes keys, unseen

// The header boxes and the frames under them: the number box, the six
// cells in column order, the categories.
struct TColumnPlace {
    const char* Head;
    const char* Caption;
    int Left, Width;
};
constexpr TColumnPlace Number = {"Label_Syouhin_HeadNo", "No", 6, 43};
constexpr TColumnPlace Cells[SyouhinColumn_Count] = {
    {"Label_Syouhin_HeadName", "商品 (全角25文字、半角文字も混在可)", 52, 347},
    {"Label_Syouhin_HeadKana", "並べ替え", 402, 87},
    {"Label_Syouhin_HeadHanbai", "基本単価", 492, 81},
    {"Label_Syouhin_HeadZei", "税", 576, 49},
    {"Label_Syouhin_HeadSiire", "仕入単価", 628, 81},
    {"Label_Syouhin_HeadTannni", "単位", 712, 59},
};
constexpr TColumnPlace Categories = {"Label_Syouhin_HeadHinsyu", "複 所属品種", 774, 205};
constexpr TImeMode Cell_Ime[SyouhinColumn_Count] = {TImeMode::imHira,  TImeMode::imOpen,  TImeMode::imClose,
                                                    TImeMode::imClose, TImeMode::imClose, TImeMode::imHira};

TShape* Frame(TForm& form, const std::string& name, int left, int top, int width, TColor brush) {
    auto* shape = Ui_BuildAs<TShape>(form, {TControlKind::Shape, name.c_str(), Panel, left, top, width, Frame_Height});
    shape->Brush.Color = brush;
    return shape;
}

TLabel* Label(TForm& form, const std::string& name, int left, int top, int width, const char* caption, TColor ground,
              TAlignment align = TAlignment::taLeftJustify) {
    return Ui_BuildAs<TLabel>(form, {TControlKind::Label, name.c_str(), Panel, left, top, width, 15, caption, ground,
                                     clBlack, Font_Height, Font_Mincho, align});
}

void BuildHeader(TForm& form) {
    auto head = [&](const TColumnPlace& c) {
        auto* label = Ui_BuildAs<TLabel>(form, {TControlKind::Label, c.Head, Panel, c.Left, Head_Top, c.Width,
                                                Frame_Height, c.Caption, clMoneyGreen, clBlack, Font_Height,
                                                Font_Mincho, TAlignment::taCenter});
        label->Layout_Center = true;
    };
    head(Number);
    for (const TColumnPlace& c : Cells) head(c);
    head(Categories);
    // The cursor's record number and the count, each in a white framed box.
    Frame(form, "Shape_SyouhinRec", 870, 2, 49, clWhite);
    Label(form, "Label_SyouhinRec", 874, 4, 41, "0", clWhite, TAlignment::taRightJustify);
    Label(form, "Label_SyouhinRecOf", 922, 4, 12, "/", clNone);
    Frame(form, "Shape_SyouhinDs", 936, 2, 49, clWhite);
    Label(form, "Label_SyouhinDs", 940, 4, 41, "0", clWhite, TAlignment::taRightJustify);
}

void BuildRow(TForm& form, int r) {
    const int top = Row_Top + Row_Step * r, no = r + 1;
    TShape* numberBox = Frame(form, Ui_RowName("Shape_Syouhin_No_", no), Number.Left, top, Number.Width, clMoneyGreen);
    numberBox->Pen.Color = clMoneyGreen;
    Label(form, Ui_RowName("Label_Syouhin_No_", no), Number.Left + 2, top + 2, Number.Width - 6, "    ", clNone,
          TAlignment::taRightJustify);
    // The cells in tab order, each in its frame.
    for (int c = 0; c < SyouhinColumn_Count; ++c) {
        const TColumnPlace& place = Cells[c];
        const TEditRow& cell = Syouhin_Cells[c];
        Frame(form, Ui_RowName(cell.Frame, no), place.Left, top, place.Width, clWhite);
        const bool zei = c == SyouhinColumn_Zei;
        if (zei) {
            TLabel* shown = Label(form, Ui_RowName("Label_Syouhin_Zei_", no), place.Left + 3, top + 2,
                                  place.Width - 6, "", clWhite);
            shown->OnClick = [r](TControl*) { Syouhin_ZeiClick(r); };
        }
        auto* edit = Ui_BuildAs<TEdit>(form, {TControlKind::Edit, Ui_RowName(cell.Edit, no).c_str(), Panel,
                                              zei ? Zei_EditLeft : place.Left + 3, top + 2, place.Width - 6, 15, "",
                                              Cell_Ground, clBlack, Font_Height, Font_Mincho});
        edit->MaxLength = cell.Width;
        edit->ImeMode = Cell_Ime[c];
    }
    Frame(form, Ui_RowName("Shape_Syouhin_Hinsyu_", no), Categories.Left, top, Categories.Width, Cell_Ground);
    Label(form, Ui_RowName("Label_Syouhin_Cyoufuku_", no), Categories.Left + 3, top + 2, 15, "", Cell_Ground,
          TAlignment::taRightJustify);
    TLabel* name = Label(form, Ui_RowName("Label_Syouhin_Hinsyu_", no), Categories.Left + 22, top + 2,
                         Categories.Width - 25, "", Cell_Ground);
    name->OnClick = [r](TControl*) { Syouhin_HinsyuClick(r); };
}

}  // namespace

void Syouhin_CreateControls(TForm& form) {
    Ui_Built<TPanel>(form, Panel).Bevel = false;
    BuildHeader(form);
    for (int r = 0; r < Syouhin_Rows; ++r) BuildRow(form, r);
    Edit_Bind(form, Syouhin_Table);
}
