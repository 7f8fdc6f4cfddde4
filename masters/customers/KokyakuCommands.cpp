#include "masters/customers/KokyakuCommands.h"

#include "masters/customers/KokyakuScreen.h"
#include "store/Kokyaku.h"
#include "ui/EditTable.h"
#include "ui/Message.h"

namespace {

constexpr int Page = Kokyaku_Rows;

// The last page: its last row is the empty row.
int LastTop() { return Kokyaku_Count - Kokyaku_LastRow; }

void MoveTop(int top) {
    if (top == Kokyaku_Top) return;
    Kokyaku_Top = top;
    Kokyaku_ShowPage();
}

// A page from another top under the cell that keeps the focus: it shows its
// new customer's field bare, as its focus-in would, so that typing goes into
// it.
void PageTo(int top) {
    if (top == Kokyaku_Top) return;
    MoveTop(top);
    Edit_TrimFocused(Kokyaku_Table);
}

}  // namespace

void Kokyaku_DeleteRecord() {
    // The file is rewritten, and the count lowered, only when the deletion
    // went through whole; otherwise everything stays, the user is told, and
    // the cursor acts as on the empty row.
    if (Kokyaku_Top + Kokyaku_Row < Kokyaku_Count) {
        if (Kokyaku_RemoveRecord(Kokyaku_Top + Kokyaku_Row + 1)) Kokyaku_ShowPage();
        else Message_NotSaved(Kokyaku_File.FileName);
    }
    if (Kokyaku_Top + Kokyaku_Row + 1 > Kokyaku_Count) {
        if (Kokyaku_Row > 0) --Kokyaku_Row;
        else if (Kokyaku_Top > 0) MoveTop(Kokyaku_Top - 1);
    }
    Kokyaku_FocusRow();
    Kokyaku_ShowRecNo();
    Kokyaku_ShowCount();
}

void Kokyaku_InsertRecord() {
    const int n = Kokyaku_Top + Kokyaku_Row + 1;
    if (Kokyaku_Count < 1 || Kokyaku_Row < 0 || Kokyaku_Row > Kokyaku_LastRow || n > Kokyaku_Count + 1) return;
    const bool inserted = Kokyaku_InsertBlank(n);
    Kokyaku_ShowCount();
    if (!inserted) {
        Message_NotSaved(Kokyaku_File.FileName);
        return;
    }
    Kokyaku_ShowPage();
    Kokyaku_FocusRow();
}

void Kokyaku_BeforePage() {
    if (Kokyaku_Count > Page) PageTo(Kokyaku_Top - Page >= 0 ? Kokyaku_Top - Page : 0);
    Kokyaku_ShowRecNo();
}

void Kokyaku_NextPage() {
    // The second branch also brings a page top left beyond the last page
    // (after deletions there) back to it.
    if (Kokyaku_Count > Page) PageTo(Kokyaku_Top + Page <= LastTop() ? Kokyaku_Top + Page : LastTop());
    Kokyaku_ShowRecNo();
}

void Kokyaku_GotoNewRow() {
    if (Kokyaku_Count >= Page) {
        Kokyaku_Top = LastTop();
        Kokyaku_ShowPage();
        Kokyaku_Row = Kokyaku_LastRow;
    } else {
        // A page left above the first customer (after deletions on a later
        // page) would put row Kokyaku_Count past the empty row: the first
        // page comes back, where that row is the empty row.
        MoveTop(0);
        Kokyaku_Row = Kokyaku_Count;
    }
    Kokyaku_ShowRecNo();
    Kokyaku_FocusRow();
    Kokyaku_NumberCursorRow();
}
