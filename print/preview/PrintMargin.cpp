#include "print/preview/PrintMargin.h"

#include <cstring>
#include <string>

#include "editor/Grid.h"
#include "print/PrintMargins.h"
#include "store/Jisya.h"
#include "store/Str.h"
#include "ui/Build.h"
#include "ui/Flags.h"
#include "ui/Focus.h"
#include "ui/Frame.h"
#include "ui/Ui.h"

namespace {

// The four edits: on each screen the left margin, then the top margin.
// Return moves to the other edit of the same screen (Next); the same margin
// on the other screen (Twin) shows every value committed. The list screen
// makes its pair with their captions itself.
struct TMarginEdit {
    TMarginScreen Screen;
    const char* Edit;
    const char* Caption;  // the editor's
    const char* CaptionText;
    JisyaField Field;
    int* Global;
    int Next, Twin;
};
const TMarginEdit Margin_Edits[] = {
    {MarginScreen_Denpyou, "Edit_Panel_Denpyou_LeftMargine", "Label_Panel_Denpyou_LeftMargine", "左余白",
     JisyaField_LeftMargin, &Print_LeftMargin, 1, 2},
    {MarginScreen_Denpyou, "Edit_Panel_Denpyou_TopMargine", "Label_Panel_Denpyou_TopMargine", "上余白",
     JisyaField_TopMargin, &Print_TopMargin, 0, 3},
    {MarginScreen_DenpyouList, "Edit_Panel_DenpyouList_LeftMargine", nullptr, nullptr, JisyaField_LeftMargin,
     &Print_LeftMargin, 3, 0},
    {MarginScreen_DenpyouList, "Edit_Panel_DenpyouList_TopMargine", nullptr, nullptr, JisyaField_TopMargin,
     &Print_TopMargin, 2, 1},
};

constexpr int Margin_Width = 2;  // bytes: whole millimetres, a sign allowed

std::string FrameName(const TMarginEdit& m) { return std::string("Shape_") + (m.Edit + 5); }
TEdit* EditOf(const TMarginEdit& m) { return Ui_Edit(m.Edit); }
TShape* FrameOf(const TMarginEdit& m) { return Ui_Shape(FrameName(m).c_str()); }

// The text right-aligned in two characters, not checked to be a number, in
// both edits of the margin, in the record (memory and file) and in the
// margin the next print reads.
void Commit(const TMarginEdit& m) {
    TEdit* edit = EditOf(m);
    if (!edit) return;
    char value[Margin_Width + 1];
    Str_Pad(edit->Text().c_str(), value, Margin_Width, 1);
    edit->SetText(value);
    if (TEdit* twin = EditOf(Margin_Edits[m.Twin])) twin->SetText(value);
    std::memcpy(Jisya_Field[m.Field], value, sizeof value);
    Jisya_WriteField(m.Field, value);
    *m.Global = Str_ToInt(Jisya_Field[m.Field]);
}

void Enter(const TMarginEdit& m) {
    if (Focus_Locked()) return;
    if (m.Screen == MarginScreen_Denpyou) {
        if (TPanel* chooser = Ui_Panel("Panel_SyouhinChoose"); chooser && chooser->Visible()) {
            chooser->Hide();
            Denpyou_ClearSyousaiFrames();
        }
    }
    Focus_Take(Focus_CodeOf(m.Edit));
    Grid_TrimEdit(EditOf(m), Margin_Width);
    Frame_Mark(FrameOf(m));
}

void Exit(const TMarginEdit& m) {
    if (Flag_EnterCommitted == Flag_False) Commit(m);
    Frame_Rest(FrameOf(m), clBlack);
}

// Only Return: no function, Home or arrow keys here.
void KeyDown(const TMarginEdit& m, Word key) {
    if (key != vk::Return) return;
    Flag_EnterCommitted = Flag_True;
    Commit(m);
    if (TEdit* next = EditOf(Margin_Edits[m.Next])) next->SetFocus();
}

}  // namespace

void PrintMargin_BindEdits(TForm& form, TMarginScreen screen) {
    for (const TMarginEdit& m : Margin_Edits) {
        if (m.Screen != screen) continue;
        auto* edit = form.FindAs<TEdit>(m.Edit);
        if (!edit) continue;
        edit->OnEnter = [&m](TControl*) { Enter(m); };
        edit->OnExit = [&m](TControl*) { Exit(m); };
        edit->OnKeyDown = [&m](TControl*, Word key, TShiftState) { KeyDown(m, key); };
    }
}

void PrintMargin_CreateControls(TForm& form) {
    int left = 812;
    constexpr int top = 44;
    for (const TMarginEdit& m : Margin_Edits) {
        if (m.Screen != MarginScreen_Denpyou) continue;
        // On the light green ground of the editor's captions.
        Ui_Build(form, {TControlKind::Label, m.Caption, "Panel_Denpyou", left, top, 44, 19, m.CaptionText, 0xC0DCC0,
                        clBlack, -12, nullptr, TAlignment::taCenter});
        auto* frame = static_cast<TShape*>(
            Ui_Build(form, {TControlKind::Shape, FrameName(m).c_str(), "Panel_Denpyou", left + 46, top, 29, 19}));
        frame->Brush.Color = clWhite;
        auto* edit = static_cast<TEdit*>(Ui_Build(form, {TControlKind::Edit, m.Edit, "Panel_Denpyou", left + 50,
                                                         top + 2, 21, 14, "", clWhite, clBlack, -15, Font_Mincho,
                                                         TAlignment::taRightJustify}));
        edit->MaxLength = Margin_Width;
        edit->ImeMode = TImeMode::imClose;
        left += 82;
    }
    PrintMargin_BindEdits(form, MarginScreen_Denpyou);
}

void PrintMargin_Show() {
    for (const TMarginEdit& m : Margin_Edits)
        if (TEdit* edit = EditOf(m)) edit->SetText(Jisya_Field[m.Field]);
}
