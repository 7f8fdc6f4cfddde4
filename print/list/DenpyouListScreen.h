// The document list screen on Panel_DenpyouList: the criteria (customer
// captions and their key catcher, the six date inputs, kind and order radio
// buttons), the command labels "F1 検索開始" and "F4 印刷", the nine rows of
// the one-customer page and, on Panel_DenpyouList_SubPage over them, of the
// all-customer page, with their arrows; and the two key catchers that hold
// the focus between searches. Its print margins are the print's
// (print/PrintMargins.h), laid on its panel with its controls.
#pragma once

class TForm;

constexpr int Job_DenpyouList = 1;
inline constexpr const char* DenpyouList_Panel = "Panel_DenpyouList";

// Creates the screen's controls and binds their handlers.
void DenpyouList_CreateControls(TForm& form);

// Registers the screen (job 1): entered (DenpyouList_Enter) when it is shown
// after being hidden, with no key of the bar on; F3 turns red when pressed.
void DenpyouList_Register();
