// The print preview: the document in the editor as it will print, laid over
// the editor, with the print date and its no-date box, the breakdown title
// cycle, twelve detail lines at a time, and its own four command labels (by
// mouse only: while it is shown the function keys keep their editor
// meaning).
#pragma once

#include "print/PrintInputs.h"
#include "store/Jisya.h"
#include "ui/EditTable.h"
#include "ui/ListWindow.h"

class TForm;

// Twelve detail lines a page over the document's 200: F5 and F6 page, and
// the last page starts at line 188.
constexpr int PrintView_Rows = 12;
extern TListWindow PrintView_Window;
// The line (from 0) shown in the preview's first row: 0 ... 188.
extern int& PrintView_Top;

// The print date's three edits and the no-date box "日付を印刷しない" beside
// the creation date, as a table of the edit protocol: outside the focus
// codes and the lock, taking no function key.
enum TPrintDatePart { PrintDate_Year, PrintDate_Month, PrintDate_Day, PrintDate_NoDate };

// The table's hooks (print/preview/PrintViewDate.cpp).
void PrintView_DateEntered(const TEditCell& cell);
void PrintView_DateCommitted(const TEditCell& cell, const char* text);
void PrintView_DateLeft(const TEditCell& cell);
void PrintView_DateMove(const TEditCell& cell, Word key);

// An era year (any number but 0), a month and a day, each right-aligned in
// two characters or blanks; the box writes field 39 at once.
inline constexpr TEditRow PrintView_DateRows[] = {
    {.Edit = "Edit_PanelPrintView_Year", .Width = 2, .Input = TEditInput::DatePart, .Return = PrintDate_Month},
    {.Edit = "Edit_PanelPrintView_Month", .Width = 2, .Input = TEditInput::DatePart, .Min = 1, .Max = 12,
     .Return = PrintDate_Day, .Home = PrintDate_Year},
    {.Edit = "Edit_PanelPrintView_Day", .Width = 2, .Input = TEditInput::DatePart, .Min = 1, .Max = 31,
     .Return = Edit_Own, .Home = PrintDate_Month},
    {.Edit = "CheckBox_MakeDayNotPrint", .Width = 1, .Input = TEditInput::Check,
     .Field = JisyaField_DateNoPrint, .Return = PrintDate_Year, .Home = PrintDate_Day},
};

inline constexpr TEditTable PrintView_Dates{
    .Rows = PrintView_DateRows,
    .Lock = false,
    .FunctionKeys = false,
    .File = &Jisya_File,
    .Entered = PrintView_DateEntered,
    .Move = PrintView_DateMove,
    .Committed = PrintView_DateCommitted,
    .Left = PrintView_DateLeft,
};

// The panel's controls and their handlers.
void PrintView_CreateControls(TForm& form);

// F3 in the document editor (the editor's preview, set by Register; the
// editor has checked the key's flag and the document): fills the preview
// from the document, the customer file and the own-company record, shows it
// from line 0 and puts the focus in the print date's year.
void PrintView_Open();
// Every F3 in the editor: the price captions and the remarks back to their
// plain state, whether or not the preview opens.
void PrintView_ResetCaptions();
// The twelve rows from line top on, and the print date's era name.
void PrintView_ShowMeisai(int top);

// The print date typed in the preview: each part right-aligned in two
// characters when it reads as a non-zero number, else two blanks; blanks
// without a preview.
TPrintDate PrintView_ReadDate();
// Shows an era name in the preview's era label of the print date.
void PrintView_ShowDateEra(const char* eraName);
// What a print of the document takes from the preview (print/DenpyouPrint.h):
// the print date as read above, whether the "日付を印刷しない" box is
// checked, and the era label.
TPrintPreview PrintView_Gather();

// From the own-company record: the construction captions and the no-date
// box, which is set without writing the record back.
void PrintView_ShowJisya();
// Start-up: the print date shows today (era year, month, day); the
// own company's start has already shown its captions and no-date box.
void PrintView_Start();

// Registers the preview (a panel over the editor, opened by the editor's F3)
// and the F9 that starts the breakdown title over on every screen.
void PrintView_Register();
