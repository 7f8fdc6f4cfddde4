// The 100 cells of the category screen: the screen's part of the edit
// protocol (ui/EditTable.h): which rows take the focus, where a commit
// stores, and the key map with the scroll back at the first row.
#include <algorithm>

#include "masters/categories/HinsyuScreen.h"
#include "platform/Controls.h"
#include "store/Hinsyu.h"

namespace {

// Up in row 0: two entries back, the focus staying in the cell, which shows
// its new entry trimmed for typing.
void BackwardScroll(const TEditCell& cell) {
    if (!Hinsyu_Window.ScrollBack()) return;
    Hinsyu_ShowPage();
    Edit_Trim(cell.Edit(), cell.Spec().Width);
}

// A refused cell sends the focus to the cursor row's name. Should the
// cursor's own entry lie past the named entries as well (the list was
// loaded again under it), the cursor goes back to the last named entry
// first, so that its cell takes the focus.
void Refuse() {
    if (Hinsyu_Row < 0 || Hinsyu_Top + Hinsyu_Row > Hinsyu_Count)
        if (Hinsyu_Window.MoveTo(std::max(Hinsyu_Count - 1, 0)).Page) Hinsyu_ShowPage();
    Hinsyu_FocusRow();
}

}  // namespace

bool Hinsyu_CellEnter(const TEditCell& cell) {
    // A name just committed by the cell left counts already.
    Hinsyu_ShowCount();
    if (Hinsyu_Top + cell.Row > Hinsyu_Count) {
        Refuse();
        return false;
    }
    Hinsyu_Row = cell.Row;
    Hinsyu_ShowRecNo();
    return true;
}

// The cell's own row's entry, never the cursor's.
char* Hinsyu_CellField(const TEditCell& cell) {
    const int e = Hinsyu_Top + cell.Row;
    return cell.Index == HinsyuColumn_Name ? Hinsyu_Name[e] : Hinsyu_Kana[e];
}

// Return past a reading: the next row's name (the last row's stays). Home
// before a name: the reading of the row above (none above the first row).
void Hinsyu_CellMove(const TEditCell& cell, Word key) {
    if (key == vk::Return) {
        if (cell.Row < Hinsyu_Rows - 1) Edit_Focus({&Hinsyu_Table, HinsyuColumn_Name, cell.Row + 1});
    } else if (cell.Row > 0) {
        Edit_Focus({&Hinsyu_Table, HinsyuColumn_Kana, cell.Row - 1});
    }
}

bool Hinsyu_CellKey(const TEditCell& cell, Word key) {
    switch (key) {
        case vk::Up:
            if (cell.Row == 0) BackwardScroll(cell);
            else Edit_Focus({&Hinsyu_Table, cell.Index, cell.Row - 1});
            return true;
        case vk::Down:
            if (cell.Row < Hinsyu_Rows - 1) Edit_Focus({&Hinsyu_Table, cell.Index, cell.Row + 1});
            return true;
        default: return false;
    }
}
