// The list screen's inputs: the customer key catcher, the six date inputs
// and the two key catchers reached after them, in their Return order. Their
// focus-in handlers never look at Popup_Lock: the list holds no chooser.
#pragma once

#include "platform/Types.h"
#include "print/list/DenpyouListControls.h"

enum TListInput {
    ListInput_SearchName,  // the customer criterion's key catcher
    ListInput_StartYear,   // ListInput_StartYear + d is date input d (TListDate)
    ListInput_StartMonth,
    ListInput_StartDay,
    ListInput_EndYear,
    ListInput_EndMonth,
    ListInput_EndDay,
    ListInput_CommandChoose,  // after the dates: search, print, open
    ListInput_LineChoose,     // holds the focus while a result is shown
    ListInput_Count,
};
inline constexpr const char* DenpyouList_InputEdit[ListInput_Count] = {
    "Edit_DenpyouList_SearchName", "Edit_SearchStartYear", "Edit_SearchStartMonth",
    "Edit_SearchStartDay",         "Edit_SearchEndYear",   "Edit_SearchEndMonth",
    "Edit_SearchEndDay",           "Edit_DenpyouSearchComandChoose", "Edit_DenpyouListLineChoose"};
// The frames of the seven criteria inputs; the key catchers have none.
inline constexpr const char* DenpyouList_InputFrame[ListInput_CommandChoose] = {
    "Shape_DenpyouList_SearchName", "Shape_SearchStartYear", "Shape_SearchStartMonth", "Shape_SearchStartDay",
    "Shape_SearchEndYear",          "Shape_SearchEndMonth",  "Shape_SearchEndDay"};
static_assert(ListInput_EndDay - ListInput_StartYear + 1 == ListDate_Count);

// Focus-in: a criteria input blanks the rows of a result shown (the hits
// stay), takes its code (8400 + 10 x input) and lights its frame; a key
// catcher only takes its code.
void DenpyouList_InputEnter(TListInput input);
// Focus-out: a date input not committed by Return is checked and rewritten;
// a criteria input's frame goes back to black.
void DenpyouList_InputExit(TListInput input);
void DenpyouList_InputKeyDown(TListInput input, Word key);

// Checks date input d and rewrites it: a year of 2000 or more, a month of
// 1 ... 12, a day of 1 ... 31 right-aligned in its width, anything else
// blanks. Returns whether it was valid.
bool DenpyouList_CheckDate(TListDate d);

// The customer criterion between the remembered customer and "全顧客" (a
// click on either customer caption, Up or Down in its key catcher). Only the
// captions change; the next search reads them.
void DenpyouList_ToggleCustomer();
// A criterion touched (a criteria input's focus-in, a change of kind): the
// rows of a result shown go blank.
void DenpyouList_CriteriaTouched();
