// The 150 cells of the product screen: the screen's part of the edit
// protocol (ui/EditTable.h): which rows take the focus (and a name cell
// entered under the category chooser, which moves the chooser to its row),
// the record writer that every commit calls, the unit cell's chooser, and
// the key map with the one-product scrolls at the page's edges.
#include <cstring>
#include <string>

#include "masters/categories/HinsyuChoose.h"
#include "masters/products/SyouhinCommands.h"
#include "masters/products/SyouhinHinsyu.h"
#include "masters/products/SyouhinScreen.h"
#include "masters/units/TanniChoose.h"
#include "platform/Controls.h"
#include "store/Tanni.h"
#include "ui/Build.h"
#include "ui/Ui.h"
#include "ui/Commands.h"

namespace {

constexpr int NameWidth = Syouhin_FieldWidth[SyouhinField_Name];
constexpr int UnitWidth = Syouhin_FieldWidth[SyouhinField_Tanni];

std::string Padded(const TEdit* edit, int width) {
    return Str_CommitText(edit ? edit->Text() : std::string(), width, TCommitForm::Left);
}

// Up in row 0: the product before comes into the row; the focus stays.
// The position label follows in every case.
void ScrollBack() {
    if (Syouhin_Window.ScrollBack()) Syouhin_ShowPageUnderFocus();
    Syouhin_ShowRecNo();
}

// Down in row 24 while it shows a product: the next product, or the first
// empty row (numbered), comes into the row.
void ScrollOn() {
    if (!Syouhin_Window.ScrollOn()) return;
    Syouhin_ShowPageUnderFocus();
    Syouhin_ShowRecNo();
    if (Syouhin_Top + Syouhin_Row + 1 > Syouhin_Count) Syouhin_NumberCursorRow();
}

// The unit cell's keys while its chooser is open: the chooser's moves, and
// Return and Home take its unit. The commands go on as in every cell.
bool UnitChooserKey(const TEditCell& cell, Word key) {
    switch (key) {
        case vk::Home:
            TanniChoose_TakeCursor();
            Edit_Focus(cell.At(SyouhinColumn_Siire));  // whose focus-out stores the unit taken
            return true;
        case vk::Return:
            // The unit typed is committed (stored, and joining the list);
            // the cell then shows the unit under the cursor, stored by its
            // next commit.
            Edit_Commit(cell);
            TanniChoose_TakeCursor();
            Edit_Trim(cell.Edit(), UnitWidth);
            return true;
        case vk::Up: Tanni_ChooseUp(); return true;
        case vk::Down: Tanni_ChooseDown(); return true;
        case vk::PageUp: TanniChoose_PrevPage(); return true;
        case vk::PageDown: TanniChoose_NextPage(); return true;
        default: return false;
    }
}

}  // namespace

bool Syouhin_WriteFieldAt(int k, const char* text, int index) {
    const bool changedBefore = Syouhin_Changed;
    Syouhin_Changed = true;
    const std::string name = Padded(Syouhin_CellEdit(SyouhinColumn_Name, index - Syouhin_Top), NameWidth);
    std::memcpy(Syouhin_Field[SyouhinField_Name], name.c_str(), name.size() + 1);
    if (index < 0 || index > Syouhin_Count || name[0] == ' ') return true;
    Syouhin_CurRec = index + 1;
    // A new product comes with its name as well as the field, so that none
    // is ever stored without one (the name's own commit may have failed).
    const bool appended = index == Syouhin_Count;
    const bool written = appended ? Syouhin_Append({{SyouhinField_Name, name.c_str()}, {k, text}})
                                  : Syouhin_WriteField(index + 1, k, text);
    if (appended) Syouhin_ShowCount();
    if (!written) Syouhin_Changed = changedBefore;
    return written;
}

bool Syouhin_WriteFieldAtLine(int k, const char* text) {
    return Syouhin_WriteFieldAt(k, text, Syouhin_Top + Syouhin_Row);
}

bool Syouhin_CellEnter(const TEditCell& cell) {
    const int row = cell.Row, index = Syouhin_Top + row;
    const bool name = cell.Index == SyouhinColumn_Name;
    // A name cell shows its bare name whatever follows.
    if (name) Edit_Trim(cell.Edit(), NameWidth);
    if (Popup_Lock) {
        if (name && HinsyuChoose_Shown() && index < Syouhin_Count) Syouhin_HinsyuRetarget(row);
        else Focus_Restore();
        return false;
    }
    if (index > Syouhin_Count) {
        Focus_Restore();
        return false;
    }
    if (Syouhin_Row != row) {
        Syouhin_Row = row;
        Syouhin_ShowRecNo();
        if (index == Syouhin_Count) Syouhin_NumberCursorRow();
    }
    // Whichever cell of the row took the focus, closing the category
    // chooser comes back to this row's name.
    HinsyuChoose_CodeSaved = Syouhin_CellCode(SyouhinColumn_Name, row);
    return true;
}

// The unit cell opens the unit chooser on its unit.
void Syouhin_CellEntered(const TEditCell& cell) {
    if (cell.Index != SyouhinColumn_Tanni || Tanni_Count == 0) return;
    TanniChoose_Open(Padded(cell.Edit(), UnitWidth).c_str());
}

// Into the cell's own row: a command may have moved the cursor already.
bool Syouhin_CellWrite(const TEditCell& cell, const char* text) {
    return Syouhin_WriteFieldAt(cell.Spec().Field, text, Syouhin_Top + cell.Row);
}

// The product of the cell's row as the file holds it; blanks for the first
// empty row (a failed append left none) or a record that cannot be read.
void Syouhin_CellReload(const TEditCell& cell) {
    const int n = Syouhin_Top + cell.Row + 1;
    Syouhin_ClearRecord();
    if (n <= Syouhin_Count) Syouhin_ReadRecord(n);
    Syouhin_SplitRecord();
}

// A unit committed joins the unit list; a tax class committed shows in the
// row's label, as a click shows it.
void Syouhin_CellCommitted(const TEditCell& cell, const char* text) {
    if (cell.Index == SyouhinColumn_Tanni && text[0] != ' ') Tanni_Add(text);
    if (cell.Index == SyouhinColumn_Zei)
        if (TLabel* label = Ui_Label(Ui_RowName("Label_Syouhin_Zei_", cell.Row + 1).c_str())) label->SetCaption(text);
}

// The unit cell left: its chooser closes (the product bar back).
void Syouhin_CellLeft(const TEditCell& cell) {
    if (cell.Index == SyouhinColumn_Tanni) Tanni_ChooseApply(0);
}

// Return past the unit: the next row's name, or in the last row the next
// product brought into it. Home before the name: the unit of the row above,
// or in the first row the product before brought into it.
void Syouhin_CellMove(const TEditCell& cell, Word key) {
    const int row = cell.Row;
    if (key == vk::Return) {
        if (row < Syouhin_LastRow) {
            Edit_Focus({&Syouhin_Table, SyouhinColumn_Name, row + 1});
        } else if (Syouhin_Window.ScrollOn()) {
            Syouhin_ShowPage();
            Edit_Focus(cell.At(SyouhinColumn_Name));
            if (Syouhin_Top + Syouhin_Row + 1 > Syouhin_Count) Syouhin_NumberCursorRow();
        }
    } else if (row > 0) {
        Edit_Focus({&Syouhin_Table, SyouhinColumn_Tanni, row - 1});
    } else if (Syouhin_Window.ScrollBack()) {
        Syouhin_ShowPage();
        Syouhin_ShowRecNo();
        Edit_Focus(cell.At(SyouhinColumn_Tanni));
    }
}

bool Syouhin_CellKey(const TEditCell& cell, Word key) {
    const bool unit = cell.Index == SyouhinColumn_Tanni;
    if (unit && TanniChoose_Shown()) return UnitChooserKey(cell, key);
    switch (key) {
        // The unit column moves between rows only under a chooser.
        case vk::Up:
            if (unit) Syouhin_PopupRowUp();
            else if (cell.Row == 0) ScrollBack();
            else Edit_Focus({&Syouhin_Table, cell.Index, cell.Row - 1});
            return true;
        case vk::Down:
            if (unit) Syouhin_PopupRowDown();
            else if (cell.Row == Syouhin_LastRow) ScrollOn();
            else Edit_Focus({&Syouhin_Table, cell.Index, cell.Row + 1});
            return true;
        case vk::PageUp: Command_F7(); return true;
        case vk::PageDown: Command_F8(); return true;
        default: return false;
    }
}
