#include "masters/products/SyouhinCommands.h"

#include "masters/categories/HinsyuChoose.h"
#include "masters/products/SyouhinScreen.h"
#include "masters/units/TanniChoose.h"
#include "platform/Controls.h"
#include "store/Syouhin.h"
#include "ui/Message.h"

namespace {

// A page moved under the focused cell, which shows its new field trimmed.
void PageUnderFocus(TListMove move) {
    if (move.Page) Syouhin_ShowPageUnderFocus();
}

// The page scrolled by one product under the cursor while a chooser is open:
// the cursor row's cell the chooser works from shows its new field trimmed,
// as after its focus-in (the unit cell, which holds the focus, by the
// repaint; the name cell, which the category chooser holds the focus from
// and gives it back to, here), and the chooser follows the product now there.
void ScrollUnder(TListMove move) {
    if (!move.Page) return;
    Syouhin_ShowPageUnderFocus();
    if (HinsyuChoose_Shown()) {
        Edit_Trim(Syouhin_CellEdit(SyouhinColumn_Name, Syouhin_Row), Syouhin_Cells[SyouhinColumn_Name].Width);
        HinsyuChoose_Refresh();
    } else {
        Syouhin_LocateUnit();
    }
}

// The cursor to row `row` under the open chooser: the category chooser
// moves to that row's product (its name cell, entered under the lock, does
// so), the unit chooser opens on that row's unit (its unit cell does).
void FocusUnder(int row) {
    const int column = HinsyuChoose_Shown() ? SyouhinColumn_Name : SyouhinColumn_Tanni;
    if (TEdit* edit = Syouhin_CellEdit(column, row)) edit->SetFocus();
}

bool ChooserOpen() { return HinsyuChoose_Shown() || TanniChoose_Shown(); }

}  // namespace

void Syouhin_DeleteRecord() {
    if (Syouhin_Row < 0) return;
    // The file is rewritten, and the count lowered, only when the deletion
    // went through whole; otherwise everything stays, the user is told, and
    // the cursor acts as on the first empty row.
    if (Syouhin_Top + Syouhin_Row < Syouhin_Count) {
        if (Syouhin_RemoveRecord(Syouhin_Top + Syouhin_Row + 1)) Syouhin_ShowPage();
        else Message_NotSaved(Syouhin_File.FileName);
    }
    // The cursor past the products comes up onto the last one.
    if (Syouhin_Window.Cursor() >= Syouhin_Count) PageUnderFocus(Syouhin_Window.LineUp());
    Syouhin_FocusRow();
    Syouhin_ShowRecNo();
    Syouhin_ShowCount();
}

void Syouhin_InsertRecord() {
    const int n = Syouhin_Top + Syouhin_Row + 1;
    if (ChooserOpen() || Syouhin_Count < 1 || Syouhin_Row < 0 || Syouhin_Row > Syouhin_LastRow ||
        n > Syouhin_Count + 1)
        return;
    const bool inserted = Syouhin_InsertBlank(n);
    Syouhin_ShowCount();
    if (!inserted) {
        Message_NotSaved(Syouhin_File.FileName);
        return;
    }
    Syouhin_ShowPage();
    Syouhin_FocusRow();
}

void Syouhin_BeforePage() {
    PageUnderFocus(Syouhin_Window.PageBack());
    Syouhin_ShowRecNo();
}

// Also brings a page top left beyond the last page (after deletions there)
// back to it.
void Syouhin_NextPage() {
    PageUnderFocus(Syouhin_Window.PageOn());
    Syouhin_ShowRecNo();
}

void Syouhin_GotoNewRow() {
    // The last page, repainted whenever it lies past the first page; the
    // first page (a page left above the first product after deletions on a
    // later page comes back to it) only when it moved, under the focus.
    const TListMove move = Syouhin_Window.ToLast();
    if (Syouhin_Count >= Syouhin_Rows) Syouhin_ShowPage();
    else PageUnderFocus(move);
    Syouhin_ShowRecNo();
    Syouhin_FocusRow();
    Syouhin_NumberCursorRow();
}

// The cursor row follows the focus: a step within the page moves the focus,
// whose focus-in takes the row; at the page's edge the page scrolls.
void Syouhin_PopupRowUp() {
    if (ChooserOpen()) {
        if (Syouhin_Row > 0) FocusUnder(Syouhin_Row - 1);
        else ScrollUnder(Syouhin_Window.ScrollBack());
    }
    Syouhin_ShowRecNo();
}

void Syouhin_PopupRowDown() {
    if (ChooserOpen() && Syouhin_Window.Cursor() < Syouhin_Window.Last()) {
        if (Syouhin_Row < Syouhin_LastRow) FocusUnder(Syouhin_Row + 1);
        else ScrollUnder(Syouhin_Window.ScrollOn());
    }
    Syouhin_ShowRecNo();
}
