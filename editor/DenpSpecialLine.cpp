#include "editor/DenpSpecialLine.h"

#include <cstring>
#include <string>

#include "document/Calc.h"
#include "editor/DenpyouTyped.h"
#include "editor/Display.h"
#include "editor/Grid.h"
#include "masters/categories/HinsyuChoose.h"
#include "store/Denpyou.h"
#include "store/Jisya.h"
#include "store/Number.h"
#include "store/Str.h"
#include "ui/Build.h"
#include "ui/PressLook.h"
#include "ui/Ui.h"

namespace {

// The passes that fill the lines of a kind, before the document total.
void ZeiPass() { Denpyou_CalcZeiLines(Denpyou_CurRow); }

struct TSpecialButton {
    const char* Label;  // "KazeiGoukeiiLine" and "CyouseiiLine" are the program's own spelling
    const char* Shape;
    JisyaField Caption;
    JisyaField Slot;
    char Kind;
    bool User;          // a user line: its caption whole on the button, left-aligned
    bool Zei;           // described "消費税" whatever its caption says
    bool Shiki;         // quantity 1 and unit "式" when JisyaField_ZeiTanni is set
    void (*Pass)();     // nullptr: the document total alone
};
constexpr TSpecialButton Buttons[SpecialLine_Count] = {
    {"Label_Denp_SyoukeiLine", "Shape_Denp_SyoukeiLine", JisyaField_SyoukeiCaption, JisyaField_Jun_1,
     LineKind_Syoukei, false, false, false, Denpyou_CalcSyoukeiLines},
    {"Label_Denp_GoukeiLine", "Shape_Denp_GoukeiLine", JisyaField_GoukeiCaption,
     static_cast<JisyaField>(JisyaField_Jun_1 + 1), LineKind_Goukei, false, false, false, Denpyou_CalcGoukeiLines},
    {"Label_Denp_KazeiGoukeiiLine", "Shape_Denp_KazeiGoukeiiLine", JisyaField_KazeiGoukeiCaption,
     static_cast<JisyaField>(JisyaField_Jun_1 + 2), LineKind_SouGoukei, false, false, false,
     Denpyou_CalcSouGoukeiLines},
    {"Label_Denp_ZeiLine", "Shape_Denp_ZeiLine", JisyaField_ZeiCaption, static_cast<JisyaField>(JisyaField_Jun_1 + 3),
     LineKind_Zei, false, true, true, ZeiPass},
    {"Label_Denp_SouGoukei", "Shape_Denp_SouGoukei", JisyaField_SouGoukeiCaption,
     static_cast<JisyaField>(JisyaField_Jun_1 + 4), LineKind_SouGoukei, false, false, false,
     Denpyou_CalcSouGoukeiLines},
    {"Label_Denp_CyouseiiLine", "Shape_Denp_CyouseiiLine", JisyaField_CyouseiCaption,
     static_cast<JisyaField>(JisyaField_Jun_1 + 5), LineKind_Item, false, false, true, nullptr},
    {"Label_Denp_UserLine_1", "Shape_Denp_UserLine_1", JisyaField_UserSentaku_1,
     static_cast<JisyaField>(JisyaField_Jun_1 + 6), LineKind_Item, true, false, false, nullptr},
    {"Label_Denp_UserLine_2", "Shape_Denp_UserLine_2", JisyaField_UserSentaku_2,
     static_cast<JisyaField>(JisyaField_Jun_1 + 7), LineKind_Item, true, false, false, nullptr},
};

// A button: a shape of 105 x 25 with a label of 99 x 17 on it, 106 pixels
// from one slot to the next.
constexpr int Slot_Step = 106;
constexpr int Shape_Left = 2, Shape_Top = 4, Shape_Width = 105, Shape_Height = 25;
constexpr int Label_Left = 6, Label_Top = 8, Label_Width = 99, Label_Height = 17;
constexpr int Caption_Width = 20;  // the caption fields' bytes

// A caption field's 20 bytes, stopping at a NUL.
std::string CaptionBytes(JisyaField field) {
    const char* text = Jisya_Field[field];
    return std::string(text, strnlen(text, Caption_Width));
}

// The caption on a special line's button: up to its first blank.
std::string UpToBlank(const std::string& caption) { return caption.substr(0, caption.find(' ')); }

}  // namespace

void DenpSpecialLine_CreateControls(TForm& form, const char* band) {
    for (int i = 0; i < SpecialLine_Count; ++i) {
        const TSpecialButton& b = Buttons[i];
        const int left = Slot_Step * i;
        auto* shape = Ui_BuildAs<TShape>(
            form, {TControlKind::Shape, b.Shape, band, left + Shape_Left, Shape_Top, Shape_Width, Shape_Height});
        shape->Pen.Color = clGray;
        shape->Brush.Color = clOlive;
        auto* label = Ui_BuildAs<TLabel>(form, {TControlKind::Label, b.Label, band, left + Label_Left, Label_Top,
                                                Label_Width, Label_Height, "", clOlive, clWhite, -15, Font_Gothic,
                                                b.User ? TAlignment::taLeftJustify : TAlignment::taCenter});
        label->OnClick = [i](TControl*) { Denpyou_SpecialLine(i); };
        PressLook_Button(*shape, *label);
    }
}

std::string DenpSpecialLine_ButtonCaption(int button) {
    const TSpecialButton& b = Buttons[button];
    const std::string caption = CaptionBytes(b.Caption);
    return b.User ? caption : UpToBlank(caption);
}

void DenpSpecialLine_ShowCaptions() {
    for (int i = 0; i < SpecialLine_Count; ++i)
        if (TLabel* l = Ui_Label(Buttons[i].Label)) l->SetCaption(DenpSpecialLine_ButtonCaption(i));
}

void Denp_SpecialLine_Arrange() {
    for (const TSpecialButton& b : Buttons) {
        const int slot = Num_ReadInt(Jisya_Field[b.Slot]);
        TControl* shape = Ui_Shape(b.Shape);
        TControl* label = Ui_Label(b.Label);
        if (!shape || !label) continue;
        const int left = Slot_Step * (slot - 1);
        if (shape->Left == left + Shape_Left && label->Left == left + Label_Left) continue;
        shape->Left = left + Shape_Left;
        label->Left = left + Label_Left;
        Ui_Invalidate();
    }
}

void Denpyou_PlaceSpecialButtons() {
    DenpSpecialLine_ShowCaptions();
    Denp_SpecialLine_Arrange();
}

void Denpyou_SpecialLine(int button) {
    if (button < 0 || button >= SpecialLine_Count || HinsyuChoose_Shown()) return;
    if (!Denpyou_HasCursorRow()) return;
    const TSpecialButton& b = Buttons[button];
    const int line = Denpyou_TopLine + Denpyou_CurRow;
    // The line written over may have counted in the tax, the subtotals and
    // the totals: they are all worked out again below, not only its kind's.
    const bool counted = Num_ReadReal(Denpyou_LineFieldAt(line, LineField_Kingaku)) != 0;

    // The caption's 20 bytes as they are: one that fills them is taken
    // whole, and one that ends in a blank is the caption up to its last
    // blank, which is the 20 bytes again.
    Str_Pad(b.Zei ? "消費税" : CaptionBytes(b.Caption).c_str(), Denpyou_LineFieldAt(line, LineField_Syousai),
            Denpyou_LineWidth[LineField_Syousai], 0);
    Denpyou_LineFieldAt(line, LineField_Kind)[0] = b.Kind;
    Denpyou_LineFieldAt(line, LineField_Kind)[1] = '\0';
    Denpyou_NoteTyped();
    for (int j = LineField_Tanka; j <= LineField_Kingaku; ++j)
        Str_Spaces(Denpyou_LineFieldAt(line, j), Denpyou_LineWidth[j]);
    if (b.Shiki && Num_ReadInt(Jisya_Field[JisyaField_ZeiTanni]) != 0) {
        Str_Pad("1", Denpyou_LineFieldAt(line, LineField_Suuryou), Denpyou_LineWidth[LineField_Suuryou], 1);
        Str_Pad("式", Denpyou_LineFieldAt(line, LineField_Tanni), Denpyou_LineWidth[LineField_Tanni], 0);
    }
    Denpyou_ShowCurLine();
    if (b.Pass) b.Pass();
    Denpyou_CalcSeikyuuGoukei();
    if (counted) Denpyou_CalcZeiLines(Denpyou_CurRow);  // every pass, the total last
}

void Denpyou_ShowCurLine() {
    if (!Denpyou_HasCursorRow()) return;
    const int line = Denpyou_TopLine + Denpyou_CurRow;
    Str_Spaces(Denpyou_LineFieldAt(line, LineField_Zei), Denpyou_LineWidth[LineField_Zei]);
    Denpyou_ShowRow(Denpyou_CurRow);
}
