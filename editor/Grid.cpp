#include "editor/Grid.h"
#include "editor/LineCalc.h"

#include <cstring>
#include <vector>

#include "document/Calc.h"
#include "editor/DenpyouTyped.h"
#include "editor/Display.h"
#include "editor/EditorScreen.h"
#include "store/Number.h"
#include "store/Denpyou.h"
#include "store/Str.h"
#include "store/Tanni.h"
#include "editor/SyouhinChoose.h"
#include "masters/units/TanniChoose.h"
#include "ui/Build.h"
#include "ui/EditTable.h"
#include "ui/Focus.h"
#include "ui/Frame.h"
#include "ui/Job.h"
#include "ui/Ui.h"

int Denpyou_TopLine = 0;
int Denpyou_CurRow = -1;
bool Denpyou_MoveUp = false;
bool Denpyou_MoveDown = false;

namespace {

bool ValidRow(int row) { return row >= 0 && row <= Denpyou_GridLastRow; }

char LineKind(int line) { return Denpyou_LineField[Denpyou_LineFieldCount * line + LineField_Kind][0]; }

// The column that Up and Down move in outside the quantity column.
int LineMoveColumn() {
    return TanniChoose_Shown() && !SyouhinChoose_Shown() ? GridColumn_Tanni : GridColumn_Syousai;
}

void FocusCell(int column, int row) {
    if (TEdit* e = Grid_Edit(column, row)) e->SetFocus();
}

void TrimCell(int column, int row) { Grid_TrimForTyping(column, Grid_Edit(column, row)); }

// The window moved one line under the cursor cell of a column at the first
// or last row: the rows redrawn, the cell showing its new line trimmed.
void ScrollUnder(int column, int row, int delta) {
    Denpyou_TopLine += delta;
    Denpyou_ShowLines();
    TrimCell(column, row);
}

// The search has moved the window under the value cell that holds the
// focus in the first or last row. A line it does not step past but that
// takes no value (a grand total) is passed on as the cell's focus-in would.
void SettleUnderCursor(int column, int row) {
    if (Denpyou_IsSpecialLine(Denpyou_TopLine + row)) Denpyou_RefuseCell(column, row);
}

bool ValueColumn(int column) { return column >= GridColumn_Tanni && column < GridColumn_Count; }

}  // namespace

bool Denpyou_HasCursorRow() { return ValidRow(Denpyou_CurRow); }

TEdit* Grid_Edit(int column, int row) {
    if (column < 0 || column >= GridColumn_Count || !ValidRow(row)) return nullptr;
    return Ui_Edit(Ui_RowName(Grid_Column(column).Prefix, row + 1).c_str());
}

TShape* Grid_Frame(int column, int row) {
    if (column < 0 || column >= GridColumn_Count || !ValidRow(row)) return nullptr;
    return Ui_Shape(Ui_RowName(Grid_Column(column).Frame, row + 1).c_str());
}

bool Denpyou_IsSpecialLine(int line) { return LineKind(line) != LineKind_Item; }

bool Denpyou_IsSkippedLine(int line) {
    const char kind = LineKind(line);
    return kind == LineKind_Zei || kind == LineKind_Syoukei || kind == LineKind_Goukei;
}

void Grid_TrimForTyping(int column, TEdit* edit) {
    if (!edit || column < 0 || column >= GridColumn_Count) return;
    Edit_Trim(edit, Grid_Column(column).Width);
}

void Grid_TrimFocused() {
    for (int column = 0; column < GridColumn_Count; ++column)
        if (TEdit* edit = Grid_Edit(column, Denpyou_CurRow); edit && edit->Focused()) Grid_TrimForTyping(column, edit);
}

void Denpyou_CommitCell(int column, int row, TEdit* edit) {
    if (!edit || !ValidRow(row)) return;
    const TGridColumn& col = Grid_Column(column);
    const int width = col.Width;
    const std::string text = Str_CommitText(edit->Text(), width, col.Form);
    edit->SetText(text);
    char* field = Denpyou_LineField[Denpyou_LineFieldCount * (Denpyou_TopLine + row) + col.Field];
    // A value put into the cell by a chooser (a unit) or a default (a rate's
    // 100) is the user's work as much as one typed.
    if (std::memcmp(field, text.c_str(), static_cast<size_t>(width)) != 0) Denpyou_NoteTyped();
    std::memcpy(field, text.c_str(), static_cast<size_t>(width) + 1);
    if (column == GridColumn_Syousai) return;
    if (column == GridColumn_Tanni) {
        if (text[0] != ' ') Tanni_Add(text.c_str());
        return;
    }
    DenpyouLine_Calc(row);
    Denpyou_CalcZeiLines(row);
    Denpyou_CalcSeikyuuGoukei();
}

namespace {

// The search for the next line in direction step (-1 up, +1 down) from row r
// that is not a tax, subtotal or total line. Line i is always shown in row n:
// the row moves until it meets the edge row, then the window moves under it.
int FindEditLine(int r, int step) {
    if (!ValidRow(r)) return 0;
    const int keptTop = Denpyou_TopLine, keptRow = Denpyou_CurRow;
    const int edgeRow = step < 0 ? 0 : Denpyou_GridLastRow;
    const int edgeTop = step < 0 ? 0 : Denpyou_TopLineMax;
    auto advance = [&](int& n) {
        if (n != edgeRow) n += step;
        else if (Denpyou_TopLine != edgeTop) Denpyou_TopLine += step;
        else return false;
        return true;
    };
    int n = r;
    if (!advance(n)) return 0;
    int result = 0;
    for (int i = keptTop + r + step; i >= 0 && i < Denpyou_LineMax; i += step) {
        if (!Denpyou_IsSkippedLine(i)) {
            result = n + 1;
            break;
        }
        advance(n);
    }
    const bool moved = Denpyou_TopLine != keptTop;
    if (result == 0) {
        Denpyou_TopLine = keptTop;
        Denpyou_CurRow = keptRow;
    }
    if (moved) Denpyou_ShowLines();
    return result;
}

}  // namespace

int Denpyou_FindPrevEditLine(int r) { return FindEditLine(r, -1); }
int Denpyou_FindNextEditLine(int r) { return FindEditLine(r, +1); }

void Denpyou_FocusLineField(int column, int r) {
    // The cell left on the special line commits and recalculates on its way
    // out, and the target's focus-in may do more: none of it may survive.
    Denpyou_JoinRecord();
    const std::vector<char> kept = Denpyou_RecBuf;

    TEdit* edit = ValueColumn(column) ? Grid_Edit(column, r) : nullptr;
    if (edit && r >= 1 && r <= Denpyou_GridLastRow - 1) {
        edit->SetFocus();
    } else if (edit && !edit->Focused()) {
        TrimCell(column, r);
        edit->SetFocus();
        // A cell that refused in turn keeps its resting frame.
        if (edit->Focused()) Frame_Mark(Grid_Frame(column, r));
    } else if (edit && !Denpyou_IsSpecialLine(Denpyou_TopLine + r)) {
        // At the first and last rows the search may have moved the window
        // under the cell that holds the focus: no focus-in runs, so the move
        // takes the row and the code itself, and nothing else of a focus-in
        // happens (a rate cell proposes no "100" here).
        TrimCell(column, r);
        Frame_Mark(Grid_Frame(column, r));
        Denpyou_CurRow = r;
        Focus_Take(Grid_CellCode(column, r));
    } else if (edit) {
        // A line the search does not step past but that takes no value (a
        // grand total) is passed on, as the cell's focus-in passes it on.
        Denpyou_RefuseCell(column, r);
    }

    Denpyou_RecBuf = kept;
    Denpyou_SplitRecord();
}

void Denpyou_RefuseCell(int column, int row) {
    int v = 0;
    if (Denpyou_MoveUp) v = Denpyou_FindPrevEditLine(row);
    if (Denpyou_MoveDown) v = Denpyou_FindNextEditLine(row);
    if (v == 0) Focus_Restore();
    else Denpyou_FocusLineField(column, v - 1);
}

void Denpyou_ClearSyousaiFrames() {
    const TColor rest = Grid_Column(GridColumn_Syousai).Pen;
    for (int row = 0; row <= Denpyou_GridLastRow; ++row) {
        TShape* frame = Grid_Frame(GridColumn_Syousai, row);
        if (frame && frame->Pen.Color != rest) Frame_Rest(frame, rest);
    }
}

void Denpyou_MarkSyousaiRow() {
    const TColor rest = Grid_Column(GridColumn_Syousai).Pen;
    for (int row = 0; row <= Denpyou_GridLastRow; ++row) {
        TShape* frame = Grid_Frame(GridColumn_Syousai, row);
        if (!frame) continue;
        if (row == Denpyou_CurRow) Frame_Mark(frame);
        else if (frame->Pen.Color != rest) Frame_Rest(frame, rest);
    }
}

void Denpyou_LineUp() {
    const int column = LineMoveColumn();
    if (Denpyou_CurRow > 0) FocusCell(column, Denpyou_CurRow - 1);
    else if (Denpyou_CurRow == 0 && Denpyou_TopLine > 0) ScrollUnder(column, 0, -1);
}

void Denpyou_LineDown() {
    const int column = LineMoveColumn();
    if (Denpyou_CurRow < 0) return;
    if (Denpyou_CurRow < Denpyou_GridLastRow) FocusCell(column, Denpyou_CurRow + 1);
    else if (Denpyou_TopLine < Denpyou_TopLineMax) ScrollUnder(column, Denpyou_GridLastRow, +1);
}

void Denpyou_ColumnLineUp(int column) {
    if (!ValueColumn(column)) return;
    Denpyou_MoveUp = true;
    Denpyou_MoveDown = false;
    if (Denpyou_CurRow > 0) {
        FocusCell(column, Denpyou_CurRow - 1);
    } else if (Denpyou_CurRow == 0 && Denpyou_TopLine > 0) {
        ScrollUnder(column, 0, -1);
        if (Denpyou_IsSkippedLine(Denpyou_TopLine) && Denpyou_FindPrevEditLine(0) > 0) SettleUnderCursor(column, 0);
    }
}

void Denpyou_ColumnLineDown(int column) {
    if (!ValueColumn(column)) return;
    Denpyou_MoveUp = false;
    Denpyou_MoveDown = true;
    if (Denpyou_CurRow < 0) return;
    if (Denpyou_CurRow < Denpyou_GridLastRow) {
        FocusCell(column, Denpyou_CurRow + 1);
    } else if (Denpyou_TopLine < Denpyou_TopLineMax) {
        const int last = Denpyou_GridLastRow;
        ScrollUnder(column, last, +1);
        if (Denpyou_IsSkippedLine(Denpyou_TopLine + last) && Denpyou_FindNextEditLine(last) > 0)
            SettleUnderCursor(column, last);
    }
}

void Denpyou_SuuryouLineUp() { Denpyou_ColumnLineUp(GridColumn_Suuryou); }

void Denpyou_SuuryouLineDown() { Denpyou_ColumnLineDown(GridColumn_Suuryou); }

void Denpyou_BeforeHalfPage() {
    if (Job_Current != Job_Denpyou || Denpyou_TopLine - Denpyou_HalfPage < 0) return;
    FocusCell(GridColumn_Syousai, 0);
    Denpyou_TopLine -= Denpyou_HalfPage;
    Denpyou_ShowLines();
    TrimCell(GridColumn_Syousai, 0);
}

void Denpyou_NextHalfPage() {
    // The cursor lands on the line that was just below the window.
    if (Denpyou_TopLine + Denpyou_HalfPage > Denpyou_TopLineMax) return;
    FocusCell(GridColumn_Syousai, Denpyou_HalfPage);
    Denpyou_TopLine += Denpyou_HalfPage;
    Denpyou_ShowLines();
    TrimCell(GridColumn_Syousai, Denpyou_HalfPage);
}
