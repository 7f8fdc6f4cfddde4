// The document list printed on A4 landscape: every document of the last
// search, not only the page on the screen, as a ruled list. One customer:
// one line a document, 35 a page, the customer in the title. All customers
// (Panel_DenpyouList_SubPage shown): two lines a document with its
// customer, 17 a page.
#pragma once

#include "ui/Focus.h"

// The list's share of the focus lock while it prints.
extern const TLockHolder Lock_DenpyouList;

// Prints the list on Printer(). Reads the hits, the six date inputs, the
// kind radio buttons, the two customer captions and the visibility of
// Panel_DenpyouList_SubPage, the margins Print_LeftMargin / Print_TopMargin
// and the own company's construction-name caption; reads the documents into
// the list's own buffers. Holds Popup_Lock while it prints and releases it
// at the end, also when the job fails to start or to finish (the printer
// layer has told the user; nothing else changes). Does nothing without hits.
// The caller then focuses Edit_DenpyouList_SearchName.
void DenpyouList_Print();
