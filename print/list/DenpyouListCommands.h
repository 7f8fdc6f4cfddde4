// What the list screen does: entering it, searching, printing, opening a
// row's document in the editor, and paging.
#pragma once

#include "print/list/DenpyouListPage.h"

// Entering the screen (it was hidden): the customer of the editor's
// document is remembered ("全顧客" when it has none) and put into the
// captions, the criteria reset, the search run with the dates left in the
// inputs and its result shown; the focus goes to the customer key catcher
// when nothing was found.
void DenpyouList_Enter();

// Search (Return or F1 in a key catcher, "F1 検索開始"): the search, its
// result, and the focus in Edit_DenpyouListLineChoose, or in
// Edit_DenpyouList_SearchName when nothing was found.
void DenpyouList_SearchCommand();
// Print (F4 in a key catcher, "F4 印刷"): with hits, the list printed and
// the focus in Edit_DenpyouList_SearchName; also when the job failed.
void DenpyouList_PrintCommand();
// Open (F9 in a key catcher): the document of row DenpyouList_Row.
void DenpyouList_OpenCommand();

// Opens the document of page row `row` (0 ... 8) in the editor: the list
// screen hidden, the document read into the editor's buffers and shown as
// the stored document it is, the editor screen shown with the focus in
// customer name 1; DenpyouList_Row := row. Nothing happens when the row
// holds no hit or its record cannot be read whole: the list stays as it
// was and the editor keeps its document. Returns whether it opened.
bool DenpyouList_OpenSlip(int row);
// A click on any label of row 1 ... 9 of either page.
void DenpyouList_RowClick(int row);

// The arrows: a page back or forward, shown in the page form of the arrow.
void DenpyouList_PageBackClick(TListPageForm form);
void DenpyouList_PageForwardClick(TListPageForm form);
