// The document list screen on Panel_DenpyouList: the criteria (customer
// captions and their key catcher, the six date inputs, kind and order radio
// buttons), the command labels "F1 検索開始" and "F4 印刷", the print
// margins' pair, the nine rows of the one-customer page and, on
// Panel_DenpyouList_SubPage over them, of the all-customer page, with their
// arrows; and the two key catchers that hold the focus between searches.
#pragma once

class TForm;

// Creates the screen's controls and binds their handlers. The margin edits
// Edit_Panel_DenpyouList_LeftMargine / _TopMargine (with their frames) are
// placed on the screen; made here only when no one made them before.
void DenpyouList_CreateScreen(TForm& form);
