#include "masters/categories/HinsyuCommands.h"

#include <algorithm>

#include "masters/categories/HinsyuScreen.h"
#include "platform/Controls.h"
#include "store/Hinsyu.h"
#include "store/Syouhin.h"
#include "ui/Message.h"

namespace {

// The cursor where a move of the window put it, its name cell focused.
void GoTo(TListMove move) {
    if (move.Page) Hinsyu_ShowPage();
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
    if (const TListMove move = Hinsyu_Window.PageBack()) GoTo(move);
}

// The second page only once the named entries are more than the first holds.
void Hinsyu_NextPage() {
    if (Hinsyu_Count <= Hinsyu_Rows) return;
    if (const TListMove move = Hinsyu_Window.PageOn()) GoTo(move);
}

void Hinsyu_GotoNewRow() {
    Hinsyu_ShowCount();
    // With all 100 named, the last entry.
    GoTo(Hinsyu_Window.MoveTo(std::min(Hinsyu_Count, Hinsyu_Max - 1)));
}
