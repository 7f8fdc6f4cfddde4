// The unit chooser: a pop-up list of the unit list (Panel_Tanni) beside the
// grid whose unit cell has the focus, 25 entries a page with a cursor. It
// never takes the focus: the unit cell keeps it and hands the chooser its
// keys while the panel is shown. A pick only puts the unit's text into the
// cell; the cell's own Return or focus-out stores it.
#pragma once

#include "ui/ListWindow.h"

class TForm;
class TEdit;
struct TScreen;

// A screen with unit cells (the editor, the product screen): where the
// chooser stands over it, what becomes of the bar when the chooser opens
// (after F1 ... F9 were turned off) and when it closes, and the unit cell of
// its current row (nullptr when no row is current).
struct TTanniChooseHost {
    int Job;
    int Left, Top;
    void (*Opened)();
    void (*Closed)();
    TEdit* (*CurrentCell)();
};
// Registered by each screen with unit cells; the chooser serves the one shown.
void TanniChoose_SetHost(const TTanniChooseHost& host);

constexpr int TanniChoose_Rows = 25;

// The page over the 100 entries: a page on that reaches the last page puts
// the cursor on its last row, a page back cut short at the first page on
// its first row.
extern TListWindow TanniChoose_Window;
extern int& TanniChoose_Top;  // entry shown in the first row, 0 ... 75
extern int& TanniChoose_Row;  // cursor row, 0 ... 24

// The rows, the page labels and their clicks on Panel_Tanni (the units'
// controls).
void TanniChoose_CreateControls(TForm& form);

// Whether the chooser is open (its panel shown).
bool TanniChoose_Shown();
// The 1-based entry number under the cursor.
int TanniChoose_Cursor();

// Opens the chooser for the focused unit cell on unit (6 bytes, blank
// filled): F1 ... F9 off and the screen's bar for the chooser (its host's
// Opened), the panel shown beside the screen's grid,
// the cursor on the first of the units in use equal to it, else on the first
// free entry (the last entry when all 100 are in use).
void TanniChoose_Open(const char* unit);
// The same without the key bar and without showing the panel.
void TanniChoose_Locate(const char* unit);

void TanniChoose_ShowPage();    // the 25 rows from TanniChoose_Top
void TanniChoose_ShowCursor();  // the cursor frame on TanniChoose_Row

void Tanni_ChooseUp();        // cursor one row up, the page one entry back at row 0
void Tanni_ChooseDown();      // cursor one row down, the page one entry on at row 24
void TanniChoose_PrevPage();  // 25 entries back
void TanniChoose_NextPage();  // 25 entries on

// Takes entry n (1 ... 100) into the unit cell of the current row, or with 0
// takes nothing; always closes the chooser and puts back the key bar of the
// screen underneath (its host's Closed). The cell's commit flag is cleared when it receives a
// unit, so that its next Return or focus-out stores the unit it shows.
void Tanni_ChooseApply(int n);
// Tanni_ChooseApply with the entry under the cursor (Return, Home and F9).
void TanniChoose_TakeCursor();

// Its record: in force over a screen that hosts it while it is shown, where
// the wheel moves its cursor.
extern const TScreen TanniChoose_Screen;

// Registers the unit chooser and the unit list's editor.
void Tanni_Register();
// Start-up: the unit list loaded from the file (first of all the data).
void Tanni_Start();
// The exit: the unit list written back (the last of the saves); a file that
// could not be read at start-up is left as it is. A save that fails is told.
bool Tanni_ExitSave();

