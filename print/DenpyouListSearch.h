// The document list's search as the screen switch runs it: the customer to
// search for, the reset of the search, the search and its result.
#pragma once

extern char DenpyouList_SearchName_1[41];  // "全顧客" means every customer
extern char DenpyouList_SearchName_2[41];

// Empties the hit list and puts the search fields back to their defaults.
void DenpyouList_ResetSearch();
// Searches the document file for the remembered customer.
void DenpyouList_MakeHitList();
// Shows the result; with no hit the search starts over at the name field.
void DenpyouList_ShowResult();
