// The document list's search over the document file: by customer (or every
// customer, "全顧客"), by an inclusive range of creation dates in Western
// years, and by kind, skipping deleted documents; at most 999 hits, in file
// (document-number) order or in date order.
#pragma once

// Empties the hit list and the page, fills default dates where a whole date
// is missing (the start: the month before today, the end: today), writes
// the six date inputs back with "%2d" and empties the three key catchers.
void DenpyouList_ResetSearch();

// Runs the search with the criteria on the screen: the captions of
// Label_DenpyouList_SearchName_1/_2 (an empty or blank first caption becomes
// "全顧客"), the six date inputs (a year below 2000, a month or day of 0 or
// blank becomes today's, written back), RadioButton_All /
// RadioButton_MitumoriOnly / RadioButton_SeikyuuOnly, and
// RadioButton_DaySort for date order. Fills DenpyouList_Hits and
// DenpyouList_HitCount, sets DenpyouList_Top and DenpyouList_Row to 0 and
// DenpyouList_Shown when anything matched; with no hit it blanks the rows
// (DenpyouList_ClearLabels). Reads the documents into the list's own
// buffers: the editor's document stays as it is.
void DenpyouList_MakeHitList();
