// The document list screen on Panel_DenpyouList: the criteria (customer
// captions and their key catcher, the six date inputs, kind and order radio
// buttons), the command labels "F1 検索開始" and "F4 印刷", the print
// margins' pair, the nine rows of the one-customer page and, on
// Panel_DenpyouList_SubPage over them, of the all-customer page, with their
// arrows; and the two key catchers that hold the focus between searches.
#pragma once

#include "ui/Focus.h"

class TForm;

// The criteria and the row choice (8400 ... 8480; "Comand" is the
// program's own spelling). Its print margins are the preview's
// (print/preview/PrintMargin.h).
constexpr void DenpyouList_FocusCodes(TFocusCodes& codes) {
    codes.AddList(8400, 10, {"Edit_DenpyouList_SearchName", "Edit_SearchStartYear", "Edit_SearchStartMonth",
                             "Edit_SearchStartDay", "Edit_SearchEndYear", "Edit_SearchEndMonth",
                             "Edit_SearchEndDay", "Edit_DenpyouSearchComandChoose", "Edit_DenpyouListLineChoose"});
}

// Creates the screen's controls and binds their handlers. The margin edits
// Edit_Panel_DenpyouList_LeftMargine / _TopMargine (with their frames) are
// placed on the screen; made here only when no one made them before.
void DenpyouList_CreateScreen(TForm& form);

// Registers the screen (job 1): entered (DenpyouList_Enter) when it is shown
// after being hidden, with no key of the bar on; F3 turns red when pressed.
void DenpyouList_Register();
