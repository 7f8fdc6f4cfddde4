#include "masters/categories/HinsyuCommands.h"

#include <algorithm>

#include "masters/categories/HinsyuScreen.h"
#include "platform/Controls.h"
#include "store/Hinsyu.h"
#include "store/Syouhin.h"
#include "ui/Message.h"

namespace {

void MoveTop(int top) {
    if (top == Hinsyu_Top) return;
    Hinsyu_Top = top;
    Hinsyu_ShowPage();
}

// The cursor on row `row` of the page from top, its name cell focused.
void GoTo(int top, int row) {
    MoveTop(top);
    Hinsyu_Row = row;
    Hinsyu_ShowRecNo();
    Hinsyu_FocusRow();
}

}  // namespace

void Hinsyu_DeleteRecord() {
    // Without a cursor, or for a damaged number (which has no flags to
    // clear), nothing is deleted.
    const int n = Hinsyu_Row >= 0 ? Hinsyu_Number(Hinsyu_Top + Hinsyu_Row) : 0;
    if (n != 0) {
        // The products leave the category first; the entry goes only once
        // they have, so that no product keeps a flag whose number passes to
        // another category.
        if (Syouhin_ClearFlag(n)) {
            Hinsyu_RemoveEntry(Hinsyu_Top + Hinsyu_Row);
            Hinsyu_ShowPage();
            Hinsyu_ShowCount();
            Hinsyu_FocusRow();
        } else {
            Message_NotSaved(Syouhin_File.FileName);
        }
    }
    Hinsyu_RepaintProducts();
}

void Hinsyu_InsertRecord() {
    if (Hinsyu_Row < 0 || Hinsyu_Row >= Hinsyu_Rows || !Hinsyu_InsertEntry(Hinsyu_Top + Hinsyu_Row)) return;
    Hinsyu_CurRec = Hinsyu_Top + Hinsyu_Row + 1;
    Hinsyu_ShowPage();
    if (TEdit* name = Hinsyu_CellEdit(HinsyuColumn_Name, Hinsyu_Row))
        Edit_Trim(name, Hinsyu_Cells[HinsyuColumn_Name].Width);
    Edit_TrimFocused(Hinsyu_Table);  // the reading, when F5 came from there
}

void Hinsyu_BeforePage() {
    if (Hinsyu_Top != 0) GoTo(0, 0);
}

void Hinsyu_NextPage() {
    if (Hinsyu_Count > Hinsyu_Rows && Hinsyu_Top != Hinsyu_TopMax) GoTo(Hinsyu_TopMax, 0);
}

void Hinsyu_GotoNewRow() {
    Hinsyu_ShowCount();
    // With all 100 named, the last entry: the cursor stays within the page.
    if (Hinsyu_Count >= Hinsyu_Rows) GoTo(Hinsyu_TopMax, std::min(Hinsyu_Count - Hinsyu_TopMax, Hinsyu_Rows - 1));
    else GoTo(0, Hinsyu_Count);
}
