// The document list's result: the record numbers of the documents found, in
// list order, and the page of nine rows the screen shows of them.
#pragma once

#include "ui/ListWindow.h"

constexpr int DenpyouList_HitMax = 1000;  // a search keeps one fewer
constexpr int DenpyouList_PageRows = 9;

// 1-based record numbers of the documents found; entries from
// DenpyouList_HitCount on are 0.
extern int DenpyouList_Hits[DenpyouList_HitMax];
extern int DenpyouList_HitCount;  // 0 ... DenpyouList_HitMax - 1
// The page of nine over the hits, paged only while they are more than a
// page; the last page shows the last nine, so that it may overlap the one
// before it. A page move keeps the chosen row.
extern TListWindow DenpyouList_Window;
extern int& DenpyouList_Top;  // index of the page's first row in the hits
extern int& DenpyouList_Row;  // chosen row of the page, 0 ... 8 (-1 at start)
// While a result is shown; the first touch of a criterion blanks the rows
// and clears it.
extern bool DenpyouList_Shown;
// The customer remembered on entering the list (40 bytes each, blank-padded):
// the editor's document's names, or "全顧客" when it has none.
extern char DenpyouList_SearchName_1[41];
extern char DenpyouList_SearchName_2[41];

// The record number of hit index, or 0 when index lies outside the hits
// found, so that no row, click or key ever reaches past them.
int DenpyouList_HitAt(int index);
// Empties the hit list and the page (Top and Row 0).
void DenpyouList_ClearHits();

// The window's page back and on; each returns whether DenpyouList_Top moved
// (the caller then shows the page).
bool DenpyouList_PageBack();
bool DenpyouList_PageForward();
