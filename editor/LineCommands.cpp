// Commands on the detail lines: delete the cursor line, insert a blank one,
// and move the grid's window by half a page.
#include <cstring>

#include "document/Calc.h"
#include "editor/DenpyouCommands.h"
#include "editor/Display.h"
#include "editor/EditorScreen.h"
#include "editor/Grid.h"
#include "store/Denpyou.h"
#include "store/Str.h"
#include "ui/Build.h"
#include "ui/CommandBar.h"
#include "ui/Job.h"
#include "ui/Ui.h"

namespace {

// Line `to` := line `from`, every field copied whole (its full width).
void CopyLine(int to, int from) {
    for (int j = 0; j < Denpyou_LineFieldCount; ++j) {
        const int w = Denpyou_LineWidth[j];
        std::memcpy(Denpyou_LineField[Denpyou_LineFieldCount * to + j],
                    Denpyou_LineField[Denpyou_LineFieldCount * from + j], static_cast<size_t>(w));
        Denpyou_LineField[Denpyou_LineFieldCount * to + j][w] = '\0';
    }
}

void BlankLine(int line) {
    for (int j = 0; j < Denpyou_LineFieldCount; ++j)
        Str_Spaces(Denpyou_LineField[Denpyou_LineFieldCount * line + j], Denpyou_LineWidth[j]);
}

bool LineBlank(int line) {
    for (int j = 0; j < Denpyou_LineFieldCount; ++j)
        for (const char* c = Denpyou_LineField[Denpyou_LineFieldCount * line + j]; *c; ++c)
            if (*c != ' ') return false;
    return true;
}

bool IsZeiLine(int line) {
    return Denpyou_LineField[Denpyou_LineFieldCount * line + LineField_Kind][0] == LineKind_Zei;
}

// The description cell of row 0 ... 19 takes the focus.
void FocusSyousai(int row) {
    if (TEdit* e = Grid_Edit(GridColumn_Syousai, row)) e->SetFocus();
}

}  // namespace

void Denpyou_DeleteLine() {
    if (!Command_IsEnabled(vk::F4) || Denpyou_CurRec == 0 || Denpyou_CurRec > Denpyou_Count + 1 ||
        Job_Current != Job_Denpyou)
        return;
    if (!Denpyou_HasCursorRow()) return;

    const int first = Denpyou_TopLine + Denpyou_CurRow;
    for (int line = first; line < Denpyou_LineMax - 1; ++line) CopyLine(line, line + 1);
    BlankLine(Denpyou_LineMax - 1);
    Denpyou_ShowLines();

    // A tax line below the deleted line sums other lines now; it is looked
    // for down to the last line, not only in the window, so that no tax
    // line keeps an amount that the total then counts.
    for (int line = first; line < Denpyou_LineMax; ++line)
        if (IsZeiLine(line)) {
            Denpyou_CalcZeiLines(Denpyou_CurRow);
            break;
        }
    Denpyou_CalcSyoukeiLines();
    Denpyou_CalcGoukeiLines();
    Denpyou_CalcSeikyuuGoukei();

    Grid_TrimForTyping(GridColumn_Syousai, Grid_Edit(GridColumn_Syousai, Denpyou_CurRow));
}

void Denpyou_InsertLine() {
    if (!Denpyou_HasCursorRow()) return;
    const int first = Denpyou_TopLine + Denpyou_CurRow;
    const bool lastUsed = !LineBlank(Denpyou_LineMax - 1);
    for (int line = Denpyou_LineMax - 1; line > first; --line) CopyLine(line, line - 1);
    BlankLine(first);
    Denpyou_ShowLines();
    // The line that dropped off must not stay in the total.
    if (lastUsed) Denpyou_CalcSeikyuuGoukei();
    Grid_TrimForTyping(GridColumn_Syousai, Grid_Edit(GridColumn_Syousai, Denpyou_CurRow));
    Grid_TrimFocused();  // a value cell of the row, where F5 came from, as well
}

void Denpyou_DetailPrePage() {
    if (Denpyou_TopLine >= Denpyou_HalfPage) {
        Denpyou_TopLine -= Denpyou_HalfPage;
        Denpyou_ShowLines();
    } else if (Denpyou_TopLine > 0) {
        Denpyou_TopLine = 0;
        Denpyou_ShowLines();
        FocusSyousai(0);
    }
}

void Denpyou_DetailNextPage() {
    if (Denpyou_TopLine <= Denpyou_TopLineMax - Denpyou_HalfPage) {
        Denpyou_TopLine += Denpyou_HalfPage;
        Denpyou_ShowLines();
    } else if (Denpyou_TopLine < Denpyou_TopLineMax) {
        Denpyou_TopLine = Denpyou_TopLineMax;
        Denpyou_ShowLines();
        FocusSyousai(Denpyou_GridLastRow);
    }
}
