#include "masters/customers/KokyakuCommands.h"

#include "masters/customers/KokyakuScreen.h"
#include "store/Kokyaku.h"
#include "ui/EditTable.h"
#include "ui/Message.h"

namespace {

// A page moved under the cell that keeps the focus: it shows its new
// customer's field bare, as its focus-in would, so that typing goes into it.
void PageUnderFocus(TListMove move) {
    if (!move.Page) return;
    Kokyaku_ShowPage();
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
    // The cursor past the customers comes up onto the last one.
    if (Kokyaku_Window.Cursor() >= Kokyaku_Count && Kokyaku_Window.LineUp().Page) Kokyaku_ShowPage();
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
    PageUnderFocus(Kokyaku_Window.PageBack());
    Kokyaku_ShowRecNo();
}

// Also brings a page top left beyond the last page (after deletions there)
// back to it.
void Kokyaku_NextPage() {
    PageUnderFocus(Kokyaku_Window.PageOn());
    Kokyaku_ShowRecNo();
}

void Kokyaku_GotoNewRow() {
    // The last page, repainted whenever it lies past the first page; the
    // first page (a page left above the first customer after deletions on a
    // later page comes back to it) only when it moved.
    if (Kokyaku_Window.ToLast().Page || Kokyaku_Count >= Kokyaku_Rows) Kokyaku_ShowPage();
    Kokyaku_ShowRecNo();
    Kokyaku_FocusRow();
    Kokyaku_NumberCursorRow();
}
