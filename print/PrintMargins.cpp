#include "print/PrintMargins.h"

#include <iterator>

#include "editor/EditorScreen.h"
#include "editor/SyouhinChoose.h"
#include "store/Number.h"
#include "store/Str.h"
#include "ui/Build.h"
#include "ui/Ui.h"

int Print_LeftMargin = 0;
int Print_TopMargin = 0;

namespace {

constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr int Margin_Width = 2;  // bytes: whole millimetres, a sign allowed
constexpr int Edit_FontHeight = -15;

// The same margin on the other screen shows every value committed.
constexpr int TwinOf(int index) { return index ^ 2; }
bool OnEditor(const TEditCell& cell) { return cell.Index < 2; }
int& MarginOf(int field) { return field == JisyaField_LeftMargin ? Print_LeftMargin : Print_TopMargin; }

TEdit* BuildEdit(TForm& form, const char* name, const char* parent, int left, int top, int width) {
    auto* edit = Ui_BuildAs<TEdit>(form, {TControlKind::Edit, name, parent, left, top, width, 14, "", clWhite, clBlack,
                                          Edit_FontHeight, Font_Mincho, TAlignment::taRightJustify});
    edit->MaxLength = Margin_Width;
    edit->ImeMode = TImeMode::imClose;
    return edit;
}

// The editor's pair, top right: each caption on the light green ground of
// the editor's captions, before its framed edit.
void BuildOnEditor(TForm& form) {
    static const char* const captions[2][2] = {{"Label_Panel_Denpyou_LeftMargine", "左余白"},
                                               {"Label_Panel_Denpyou_TopMargine", "上余白"}};
    int left = 812;
    constexpr int top = 44;
    for (int i = 0; i < 2; ++i) {
        const TEditRow& m = PrintMargin_Rows[i];
        Ui_Build(form, {TControlKind::Label, captions[i][0], Denpyou_Panel, left, top, 44, 19, captions[i][1],
                        clMoneyGreen, clBlack, -12, nullptr, TAlignment::taCenter});
        Ui_BuildAs<TShape>(form, {TControlKind::Shape, m.Frame, Denpyou_Panel, left + 46, top, 29, 19})
            ->Brush.Color = clWhite;
        BuildEdit(form, m.Edit, Denpyou_Panel, left + 50, top + 2, 21);
        left += 82;
    }
}

}  // namespace

// The list's pair beside its command labels, as on the editor: left, then
// top, each edit inside a frame of its own.
void PrintMargin_CreateOnList(TForm& form, const char* panel) {
    static const char* const captions[2][2] = {{"Label_DenpyouList_LeftMargine", "左余白"},
                                               {"Label_DenpyouList_TopMargine", "上余白"}};
    constexpr int tops[2] = {8, 44};
    for (int i = 0; i < 2; ++i) {
        const TEditRow& m = PrintMargin_Rows[2 + i];
        Ui_Build(form, {TControlKind::Label, captions[i][0], panel, 866, tops[i], 50, 19, captions[i][1],
                        clMoneyGreen, clBlack, -12, nullptr, TAlignment::taCenter});
        auto* frame = Ui_BuildAs<TShape>(form, {TControlKind::Shape, m.Frame, panel, 920, tops[i], 30, 19});
        frame->Pen.Color = clBlack;
        frame->Pen.Width = 1;
        frame->Brush.Color = clWhite;
        BuildEdit(form, m.Edit, panel, 923, tops[i] + 2, 24);
    }
}

bool PrintMargin_Enter(const TEditCell& cell) {
    if (OnEditor(cell)) SyouhinChoose_Hide();
    return true;
}

// Both edits of the margin show it, and the next print reads it.
void PrintMargin_Committed(const TEditCell& cell, const char* text) {
    Edit_Show(cell.At(TwinOf(cell.Index)), text);
    const int field = cell.Spec().Field;
    MarginOf(field) = Str_ToInt(Jisya_Field[field]);
}

void PrintMargin_CreateControls(TForm& form) {
    BuildOnEditor(form);
    Edit_Bind(form, PrintMargin_Table);
}

void PrintMargin_Start() {
    Print_LeftMargin = Num_ReadInt(Jisya_Field[JisyaField_LeftMargin]);
    Print_TopMargin = Num_ReadInt(Jisya_Field[JisyaField_TopMargin]);
    for (int i = 0; i < static_cast<int>(std::size(PrintMargin_Rows)); ++i)
        Edit_Show({&PrintMargin_Table, i}, Jisya_Field[PrintMargin_Rows[i].Field]);
}
