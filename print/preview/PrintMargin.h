// The print margins, top and left in whole millimetres, edited on the
// document editor and on the document list: both screens show the same two
// values, and a commit on either writes the own-company record at once and
// moves the next print (Print_TopMargin, Print_LeftMargin).
#pragma once

#include "ui/Focus.h"

class TForm;

// The four edits: the editor's top and left (9710, 9720), the list's (9730,
// 9740). "Margine" is the program's own spelling of these names.
constexpr void PrintMargin_FocusCodes(TFocusCodes& codes) {
    codes.AddList(9710, 10, {"Edit_Panel_Denpyou_TopMargine", "Edit_Panel_Denpyou_LeftMargine",
                             "Edit_Panel_DenpyouList_TopMargine", "Edit_Panel_DenpyouList_LeftMargine"});
}

enum TMarginScreen { MarginScreen_Denpyou, MarginScreen_DenpyouList };

// The editor's pair, top right: the captions "左余白" and "上余白", each
// before its framed edit, with their handlers.
void PrintMargin_CreateControls(TForm& form);
// The handlers on a screen's two edits made by that screen (the list's).
void PrintMargin_BindEdits(TForm& form, TMarginScreen screen);

// The four edits from own-company fields 33 and 34 (start-up).
void PrintMargin_Show();
