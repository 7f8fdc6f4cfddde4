// The document list's page of nine rows in its two forms: the one-customer
// page on Panel_DenpyouList (number, kind, date, construction names, total)
// and the all-customer page Panel_DenpyouList_SubPage (the same with the
// customer names). Row r (1 ... 9) shows hit DenpyouList_Top + r - 1.
#pragma once

#include <string>

#include "print/list/DenpyouListDoc.h"

enum TListPageForm { ListPage_OneCustomer, ListPage_AllCustomers };

// What one row shows. A row without a document is blank with an empty kind
// word.
struct TListRow {
    std::string No, Kind, Year, Month, Day, Name_1, Name_2, Kouji_1, Kouji_2, Kei;
};
// The row of a document as read (blank when it could not be read); without a
// document when hasDocument is false. On the one-customer page an invoice
// shows its issue date (blank until printed), on the other its creation date.
TListRow DenpyouList_RowOf(const TListDoc& doc, bool hasDocument, TListPageForm form);

// Blanks all 162 row labels of both pages.
void DenpyouList_ClearLabels();
// Fill the nine rows of the one-customer and the all-customer page from
// DenpyouList_Top, reading the documents into the list's own buffers.
void DenpyouList_ShowPage();
void DenpyouSubList_ShowPage();
// Shows the last search's result on the page form its customer caption
// asks for ("全顧客": the all-customer page) and focuses
// Edit_DenpyouListLineChoose; without hits it resets the criteria, keeps the
// page form and focuses Edit_DenpyouList_SearchName.
void DenpyouList_ShowResult();

// Opening row `row` (0 ... 8) of the page: reads its document whole into
// the editor's document buffers (Denpyou_RecBuf, split into Denpyou_Field)
// and returns its record number. Returns 0 and leaves the editor's document
// as it is when the row holds no hit or the record cannot be read whole.
int DenpyouList_ReadSlip(int row);
