// The product chooser (Panel_SyouhinChoose): F8 in a description cell lists
// the products of one category, twenty to a page with a cursor, over the
// half of the grid the cursor is not in; a product taken (Return, a click on
// its name) fills the cursor's line with its name, prices, unit and tax
// class. The chooser never takes the focus: the description cell keeps it
// and hands the chooser its keys while the panel is shown. Its top band
// holds the special-line buttons (editor/DenpSpecialLine), its middle band
// the category ("F1 品種変更" changes it through the category chooser) and
// the close key. The check box "複数明細行編集" keeps it open after a pick.
#pragma once

#include "platform/Types.h"
#include "ui/ListWindow.h"

class TForm;

inline constexpr const char* SyouhinChoose_Panel = "Panel_SyouhinChoose";
// The top band, which holds the special-line buttons.
inline constexpr const char* SyouhinChoose_ButtonBand = "Panel1";

constexpr int SyouhinChoose_Rows = 20;
constexpr int SyouhinChoose_HitMax = 1000;

// The category listed: an entry 0 ... 99 of the category lists, kept while
// the program runs.
extern int SyouhinChoose_Hinsyu;
// The listed products' record numbers in file order; 0 past the hits.
extern int SyouhinChoose_Hits[SyouhinChoose_HitMax];
extern int SyouhinChoose_HitCount;  // 0 ... 1000
// The page over the hits: the cursor goes down to the 19th row, and from
// there the list scrolls under it, once past the last hit; the last page ends
// with the last hit in row 20.
extern TListWindow SyouhinChoose_Window;
extern int& SyouhinChoose_Top;  // the hit shown in the first row
extern int& SyouhinChoose_Row;  // the cursor row 0 ... 19; -1 with no hit
// The record number of hit e; 0 for an empty entry (past the hits, or
// beyond the list).
int SyouhinChoose_HitAt(int e);

// Its controls and their handlers.
void SyouhinChoose_CreateControls(TForm& form);
// Whether the chooser is open.
bool SyouhinChoose_Shown();

// F8 in a description cell: opened when it is closed (the category listed
// afresh, its keys on the bar), placed beside the cursor's row, the row's
// description framed.
void SyouhinChoose_OpenAtRow();
// Lists the category anew: its hits (the first 1000 in file order), the
// first page, the cursor on the first row.
void SyouhinChoose_LoadHinsyu();
// The twenty rows from SyouhinChoose_Top; nothing when the product file does
// not open.
void SyouhinChoose_ShowPage();
// The cursor frame on SyouhinChoose_Row.
void SyouhinChoose_MarkLine();
// The cursor one row up or down, a page back or on (Up, Down, PageUp,
// PageDown, the wheel). Down steps once past the last hit.
void SyouhinChoose_LineUp();
void SyouhinChoose_LineDown();
void SyouhinChoose_PageUp();
void SyouhinChoose_PageDown();
// "▲", "▼": a page back, a page on while there is a hit to show; the cursor
// row is kept.
void Label_SyouhinChoose_UpClick();
void Label_SyouhinChoose_DownClick();
// A click on the category's name: the next category listed.
void Labe_SyouhinChoose_HinsyuNameClick();

// Takes the product under the cursor into the cursor's line; false, with
// nothing changed, when no grid row is the cursor's, the cursor stands on no
// product or the product cannot be read.
bool SyouhinChoose_Apply();
// A click on the name in row 0 ... 19: the cursor onto it and its product
// taken; then the grid's cursor one line down when several lines are being
// filled, else the chooser closed. Nothing on an empty row.
void SyouhinChoose_Pick(int row);
// The product in the product field strings into the cursor's line and row,
// then the line, the tax lines and the total worked out.
void DenpyouLine_SetSyouhin();

// Its own close (F9, "F9 閉じる"): hidden, the description column's keys
// back on the bar.
void SyouhinChoose_Close();
// Hidden when a field outside the description column takes the focus: the
// description frames go back to rest.
void SyouhinChoose_Hide();
// Hidden, and nothing else: the bar and the frames stay as they are.
void SyouhinChoose_Dismiss();
// Its Top (beside the row that has the focus, out of its way).
void SyouhinChoose_MoveTo(int top);
// The Top of the open chooser beside a row (1 ... 20), out of the row's way.
int SyouhinChoose_TopForRow(int row);

// The category chooser opened over it on the category listed, or closed
// when it is open (F1, "F1 品種変更").
void SyouhinChoose_HinsyuChange();

// A key in the description cell while it is shown: its own key map.
void SyouhinChoose_KeyDown(Word key);

// Its record (shown over the editor; F1, F4, F5, F6 and F9 from the bar;
// the wheel moves its cursor; any menu click and the exit close it) and its
// host of the category chooser.
void SyouhinChoose_Register();
