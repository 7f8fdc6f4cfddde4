// The category screen's controls: two halves of 25 rows, each row a
// position box and two borderless edits in their frames, the headers over
// each half, and the position and count labels at the top right; the cells'
// handlers are bound here too (the edit table). The chooser's controls are
// HinsyuChoose.cpp's.
#include <string>

#include "masters/categories/HinsyuScreen.h"
#include "ui/Build.h"
#include "ui/EditTable.h"
#include "ui/Ui.h"

namespace {

constexpr const char* Panel = "Panel_Hinsyu";
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr int Font_Height = -15;
constexpr int Half_Rows = 25;
constexpr int Half_Shift = 492;  // the right half: the left one moved right
constexpr int Head_Top = 24, Row_Top = 44, Row_Step = 20, Frame_Height = 19;

// The columns of a half: the frame's place in the left half.
struct TColumnPlace {
    const char* Head;
    const char* Caption;
    int Left, Width;
};
constexpr TColumnPlace Columns[] = {
    {"Label_Hinsyu_HeadNo_", "No", 22, 31},
    {"Label_Hinsyu_HeadName_", "区分 (最大100区分）", 56, 329},
    {"Label_Hinsyu_HeadKana_", "並べ替え", 386, 87},
};
constexpr TImeMode Cell_Ime[HinsyuColumn_Count] = {TImeMode::imHira, TImeMode::imOpen};

TShape* Frame(TForm& form, const std::string& name, int left, int top, int width, TColor brush) {
    auto* shape = Ui_BuildAs<TShape>(form, {TControlKind::Shape, name.c_str(), Panel, left, top, width, Frame_Height});
    shape->Brush.Color = brush;
    return shape;
}

void BuildHeads(TForm& form, int half) {
    for (const TColumnPlace& c : Columns) {
        auto* label = Ui_BuildAs<TLabel>(
            form, {TControlKind::Label, Ui_RowName(c.Head, half + 1).c_str(), Panel, c.Left + half * Half_Shift,
                   Head_Top, c.Width, Frame_Height, c.Caption, clMoneyGreen, clBlack, Font_Height, Font_Mincho,
                   TAlignment::taCenter});
        label->Layout_Center = true;
    }
}

void BuildRow(TForm& form, int r) {
    const int left = r / Half_Rows * Half_Shift, top = Row_Top + Row_Step * (r % Half_Rows), no = r + 1;
    const TColumnPlace& number = Columns[0];
    Frame(form, Ui_RowName("Shape_Hinsyu_No_", no), left + number.Left, top, number.Width, clMoneyGreen)->Pen.Color =
        clMoneyGreen;
    Ui_Build(form, {TControlKind::Label, Ui_RowName("Label_Hinsyu_No_", no).c_str(), Panel, left + number.Left + 2,
                    top + 2, number.Width - 6, 15, "", clNone, clBlack, Font_Height, Font_Mincho,
                    TAlignment::taRightJustify});
    for (int c = 0; c < HinsyuColumn_Count; ++c) {
        const TColumnPlace& place = Columns[c + 1];
        const TEditRow& cell = Hinsyu_Cells[c];
        Frame(form, Ui_RowName(cell.Frame, no), left + place.Left, top, place.Width, clWhite);
        auto* edit = Ui_BuildAs<TEdit>(form, {TControlKind::Edit, Ui_RowName(cell.Edit, no).c_str(), Panel,
                                              left + place.Left + 3, top + 2, place.Width - 6, 15, "", clWhite,
                                              clBlack, Font_Height, Font_Mincho});
        edit->MaxLength = cell.Width;
        edit->ImeMode = Cell_Ime[c];
        // The caret stands after the text on entering, nothing selected.
        edit->AutoSelect = false;
    }
}

// The cursor's position and the count, each in a white box, above the
// right half.
void BuildCounts(TForm& form) {
    Frame(form, "Shape_Hinsyu_rec", 800, 2, 49, clWhite);
    Frame(form, "Shape_Hinsyu_ds", 866, 2, 49, clWhite);
    static const TControlSpec specs[] = {
        {TControlKind::Label, "Label_Hinsyu_rec", Panel, 803, 4, 42, 15, "0", clWhite, clBlack, Font_Height,
         Font_Mincho, TAlignment::taRightJustify},
        {TControlKind::Label, "Label_Hinsyu_Of", Panel, 852, 4, 12, 15, "/", clNone, clBlack, Font_Height,
         Font_Mincho},
        {TControlKind::Label, "Label_Hinsyu_ds", Panel, 869, 4, 42, 15, "0", clWhite, clBlack, Font_Height,
         Font_Mincho, TAlignment::taRightJustify},
        {TControlKind::Label, "Label_Hinsyu_Max", Panel, 920, 4, 66, 15, "最大100件", clNone, clBlack, Font_Height,
         Font_Mincho},
    };
    Ui_BuildAll(form, specs);
}

}  // namespace

void Hinsyu_CreateControls(TForm& form) {
    Ui_Built<TPanel>(form, Panel).Bevel = false;
    BuildCounts(form);
    for (int half = 0; half < 2; ++half) BuildHeads(form, half);
    for (int r = 0; r < Hinsyu_Rows; ++r) BuildRow(form, r);
    Edit_Bind(form, Hinsyu_Table);
    HinsyuChoose_CreateControls(form);
}
