// The print margins, top and left in whole millimetres (own-company fields
// 33 and 34): the document's and the list's printing move their page origin
// by them. They are edited on the document editor and on the document list:
// both screens show the same two values, and a commit on either writes the
// own-company record at once and moves the next print. The four edits are
// this folder's, laid on the two screens: on the editor's by this folder,
// on the list's by the list (which stands above it) with this folder's
// function.
#pragma once

#include "store/Jisya.h"
#include "ui/EditTable.h"

class TForm;

extern int Print_LeftMargin;  // millimetres
extern int Print_TopMargin;

// The table's hooks (print/PrintMargins.cpp).
bool PrintMargin_Enter(const TEditCell& cell);
void PrintMargin_Committed(const TEditCell& cell, const char* text);

// On each screen the left margin, then the top margin; Return goes to the
// other edit of the same screen. "Margine" is the program's own spelling of
// these names.
inline constexpr TEditRow PrintMargin_Rows[] = {
    {.Edit = "Edit_Panel_Denpyou_LeftMargine", .Code = 9720, .Frame = "Shape_Panel_Denpyou_LeftMargine", .Width = 2,
     .Form = TCommitForm::Right, .Field = JisyaField_LeftMargin, .Return = 1},
    {.Edit = "Edit_Panel_Denpyou_TopMargine", .Code = 9710, .Frame = "Shape_Panel_Denpyou_TopMargine", .Width = 2,
     .Form = TCommitForm::Right, .Field = JisyaField_TopMargin, .Return = 0},
    {.Edit = "Edit_Panel_DenpyouList_LeftMargine", .Code = 9740, .Frame = "Shape_Panel_DenpyouList_LeftMargine",
     .Width = 2, .Form = TCommitForm::Right, .Field = JisyaField_LeftMargin, .Return = 3},
    {.Edit = "Edit_Panel_DenpyouList_TopMargine", .Code = 9730, .Frame = "Shape_Panel_DenpyouList_TopMargine",
     .Width = 2, .Form = TCommitForm::Right, .Field = JisyaField_TopMargin, .Return = 2},
};

// Return alone: no function, Home or arrow keys here. The text is stored
// right-aligned in two characters, not checked to be a number, and written
// through to the own-company record.
inline constexpr TEditTable PrintMargin_Table{
    .Rows = PrintMargin_Rows,
    .FunctionKeys = false,
    .File = &Jisya_File,
    .Enter = PrintMargin_Enter,
    .Committed = PrintMargin_Committed,
};

// The four edits: the editor's top and left (9710, 9720), the list's (9730,
// 9740).
constexpr void PrintMargin_FocusCodes(TFocusCodes& codes) { Edit_AddCodes(codes, PrintMargin_Table); }

// The list's pair with its captions and frames on the list's panel, beside
// its command labels (called by the list's CreateControls, last).
void PrintMargin_CreateOnList(TForm& form, const char* panel);
// The editor's pair with its captions and frames, top right, and the
// handlers of all four (the list's controls, its pair among them, are
// built before: app/Folders.h).
void PrintMargin_CreateControls(TForm& form);
// Start-up: the margins the prints read and the four edits from the
// own-company fields.
void PrintMargin_Start();
