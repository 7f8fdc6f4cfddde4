#include "editor/DenpyouTyped.h"

#include <cstring>
#include <string>

#include "editor/Grid.h"
#include "editor/GridColumns.h"
#include "editor/Header.h"
#include "store/Denpyou.h"
#include "store/Str.h"
#include "ui/Build.h"
#include "ui/Ui.h"

namespace {

bool Typed = false;

// The grid's focused cell shows what its line does not hold yet: a unit the
// unit chooser put there, which its Return or focus-out would store. (What
// the user types into it is noted as it is typed.)
bool FocusedCellUncommitted() {
    if (!Denpyou_HasCursorRow()) return false;
    const int line = Denpyou_TopLine + Denpyou_CurRow;
    if (Denpyou_IsSpecialLine(line)) return false;  // its cells store nothing
    for (int column = 0; column < GridColumn_Count; ++column) {
        const TEdit* edit = Grid_Edit(column, Denpyou_CurRow);
        if (!edit || !edit->Focused()) continue;
        const TGridColumn& col = Grid_Column(column);
        const std::string text = Str_CommitText(edit->Text(), col.Width, col.Form);
        return std::memcmp(Denpyou_LineFieldAt(line, col.Field), text.c_str(), static_cast<size_t>(col.Width)) != 0;
    }
    return false;
}

}  // namespace

void Denpyou_NoteTyped() { Typed = true; }
void Denpyou_ForgetTyped() { Typed = false; }
bool Denpyou_TypedSinceShown() { return Typed || FocusedCellUncommitted(); }

void Denpyou_WatchTyping(TForm& form) {
    // An edit reports a change only for what the user did to it (keys,
    // the input method, a paste), never for text the program sets.
    const TNotifyEvent note = [](TControl*) { Denpyou_NoteTyped(); };
    for (const TEditRow& row : Header_Rows) Ui_Built(form, row.Edit).OnChange = note;
    for (const TGridColumn& col : Grid_Columns) {
        if (col.Kind != TControlKind::Edit) continue;
        for (int row = 1; row <= Denpyou_GridRows; ++row) Ui_Built(form, Ui_RowName(col.Prefix, row)).OnChange = note;
    }
}
