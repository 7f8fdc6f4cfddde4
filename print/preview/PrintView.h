// The print preview: the document in the editor as it will print, laid over
// the editor, with the print date and its no-date box, the breakdown title
// cycle, twelve detail lines at a time, and its own four command labels (by
// mouse only: while it is shown the function keys keep their editor
// meaning).
#pragma once

class TForm;

// The line (from 0) shown in the preview's first row: 0 ... 188.
extern int PrintView_Top;

// The panel's controls and their handlers.
void PrintView_CreateControls(TForm& form);

// F3 in the document editor, through the preview's record (the caller has
// checked the screen, the key's flag and the document): fills the preview from the document, the
// customer file and the own-company record, shows it from line 0 and puts
// the focus in the print date's year.
void PrintView_Open();
// The twelve rows from line top on, and the print date's era name.
void PrintView_ShowMeisai(int top);

// From the own-company record (start-up): the construction captions and
// the no-date box, which is set without writing the record back.
void PrintView_ShowJisya();
// Start-up: the print date shows today (era year, month, day).
void PrintView_ShowToday();

// Registers the preview (a panel over the editor, opened by
// Screen_Open("Panel_PrintView")) and the F9 that starts the breakdown
// title over on every screen.
void PrintView_Register();
