// The detail grid's window over the 200 lines and its cursor: the moves of
// the cursor and the window, the search that carries the cursor past tax,
// subtotal and total lines, the red frame of the cursor cell, and the
// commit that every grid cell shares.
#pragma once

#include "store/Denpyou.h"

#include <string>

#include "platform/Types.h"

class TEdit;
class TShape;

constexpr int Denpyou_TopLineMax = Denpyou_LineMax - 20;  // the last row then shows line 199
constexpr int Denpyou_GridLastRow = 19;                   // rows 0 ... 19

extern int Denpyou_TopLine;  // first line shown, 0 ... 180
extern int Denpyou_CurRow;   // cursor row 0 ... 19, -1 while a header field has the focus
extern int Denpyou_MoveUp;   // move flags that carry Up and Down past special lines
extern int Denpyou_MoveDown;
extern int Denpyou_CommandMode;  // bar mode: 0 header, 1 description, 2 numbers

// The grid's columns by the number the moves name them with; the description
// column is 0.
enum TGridColumnNo {
    GridColumn_Syousai = 0,
    GridColumn_Tanni = 1,
    GridColumn_Suuryou = 2,
    GridColumn_Tanka = 3,
    GridColumn_TankaRitu = 4,
    GridColumn_Siire = 5,
    GridColumn_SiireRitu = 6,
    GridColumn_Jitubai = 7,
    GridColumn_Count = 8,
};

// How a cell's text is stored into its line field.
enum class TCommitForm {
    Left,        // the text left-aligned
    RightReal,   // right-aligned when its value as a real number is not 0, else blanks
    RightInt,    // right-aligned when its value as an integer is not 0, else blanks
};

struct TGridColumn {
    const char* Edit;   // row controls are Edit + "01" ... "20"
    const char* Frame;  // Shape_... of the same rows
    DenpyouLineField Field;  // field of the detail line
    TCommitForm Form;
    int CodeOffset;     // focus code: 2110 + 80 x row + offset
    TColor Rest;        // the frame's pen colour at rest
};
const TGridColumn& Grid_Column(int column);

// Controls and codes of a cell; row is 0 ... 19.
TEdit* Grid_Edit(int column, int row);
TShape* Grid_Frame(int column, int row);
int Grid_CellCode(int column, int row);

// Whether line 0 ... 199 is a special line (its kind is not blank), and
// whether the search steps past it (kinds '1', '3' and '4').
bool Denpyou_IsSpecialLine(int line);
bool Denpyou_IsSkippedLine(int line);

// The edit's text without leading and trailing blanks and line feeds, cut
// to width bytes, so that the user edits the bare value.
void Grid_TrimEdit(TEdit* edit, int width);
// The cell's text readied for typing: its bare value, cut to its field
// (Grid_TrimEdit). Every text a cell shows fits its field: the prices show
// as whole numbers where one decimal would not fit.
void Grid_TrimForTyping(int column, TEdit* edit);
// The text as it is stored in a field of width bytes by the given form.
std::string Grid_CommitText(const std::string& text, int width, TCommitForm form);

// Stores the edit's text into its field of line Denpyou_TopLine + row and
// back into the edit; the number columns then recalculate the row and the
// document, the unit column takes the unit into the unit list. Nothing while
// row is outside 0 ... 19.
void Denpyou_CommitCell(int column, int row, TEdit* edit);

// The 1-based row of the nearest line above (below) the value cell of row r
// whose kind is not '1', '3' or '4', after moving the window to show it; 0
// when there is none (window and cursor as before). The focus is not moved.
int Denpyou_FindPrevEditLine(int r);
int Denpyou_FindNextEditLine(int r);
// Gives the focus to the cell of column 1 ... 7 in row r (0 ... 19),
// leaving every document field as it was before the move. When that cell
// holds the focus already (the search moved the window under it in the
// first or last row), it only takes the row and the code: trimmed text, red
// frame, Denpyou_CurRow, Flag_EnterCommitted and Focus_Code.
void Denpyou_FocusLineField(int column, int r);
// A value cell in row 0 ... 19 refused on a special line: a vertical move
// (the move flags) goes on to the nearest line it may edit in its direction,
// anything else gives the focus back (Focus_Restore).
void Denpyou_RefuseCell(int column, int row);

// Every description frame that is not black goes back to black, width 1.
void Denpyou_ClearSyousaiFrames();
// The description frame of row Denpyou_CurRow red, every other black.
void Denpyou_MarkSyousaiRow();

// The cursor one line up or down in the description column (the unit column
// while the unit chooser is shown); at the first or last row the window
// scrolls under it.
void Denpyou_LineUp();
void Denpyou_LineDown();
// The cursor one line up or down in a value column (GridColumn_Tanni ...
// GridColumn_Jitubai), carrying it past special lines: Up and Down of the
// quantity, price and rate cells. At the first or last row the window
// scrolls under the cell (text typed and not committed gives way to the line
// that comes in), further past tax, subtotal and total lines, and a line the
// search stops on that takes no value (a grand total) passes the cursor on
// as the cell's focus-in would.
void Denpyou_ColumnLineUp(int column);
void Denpyou_ColumnLineDown(int column);
// The same in the quantity column.
void Denpyou_SuuryouLineUp();
void Denpyou_SuuryouLineDown();
// The window ten lines back or on, the cursor on the first line that came
// into view.
void Denpyou_BeforeHalfPage();
void Denpyou_NextHalfPage();
