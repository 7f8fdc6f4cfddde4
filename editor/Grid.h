// The detail grid's window over the 200 lines and its cursor: the moves of
// the cursor and the window, the search that carries the cursor past tax,
// subtotal and total lines, the red frame of the cursor cell, and the
// commit that every grid cell shares.
#pragma once

#include <string>

#include "editor/GridColumns.h"

class TEdit;
class TShape;

extern int Denpyou_TopLine;  // first line shown, 0 ... Denpyou_TopLineMax
extern int Denpyou_CurRow;   // cursor row 0 ... 19, -1 while a header field has the focus
// Whether Denpyou_CurRow is a row of the grid (0 ... 19).
bool Denpyou_HasCursorRow();
// The move flags: the cursor is being carried up or down, so that a value
// cell on a special line passes the focus on in that direction rather than
// refusing it. Every key in a value cell clears them; Up and Down set one.
extern bool Denpyou_MoveUp;
extern bool Denpyou_MoveDown;

// The edit and the frame of an input column's cell; row is 0 ... 19.
TEdit* Grid_Edit(int column, int row);
TShape* Grid_Frame(int column, int row);

// Whether line 0 ... 199 is a special line (its kind is not blank), and
// whether the search steps past it (kinds '1', '3' and '4').
bool Denpyou_IsSpecialLine(int line);
bool Denpyou_IsSkippedLine(int line);

// The cell's text readied for typing: its bare value, cut to its field
// (Edit_Trim). Every text a cell shows fits its field: the prices show as
// whole numbers where one decimal would not fit.
void Grid_TrimForTyping(int column, TEdit* edit);
// The cursor row's cell that holds the focus, when one does, readied for
// typing again: the lines were shown again under it.
void Grid_TrimFocused();

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
