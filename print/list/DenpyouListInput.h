// The list screen's inputs: the customer key catcher, the six date inputs
// and the two key catchers reached after them, in their Return order, as a
// table of the edit protocol (ui/EditTable.h). They never look at
// Popup_Lock (the list holds no chooser), show their text as it is on
// focus-in, and take no function key but their own.
#pragma once

#include <climits>

#include "platform/Types.h"
#include "print/list/DenpyouListControls.h"
#include "ui/EditTable.h"

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

// The table's hooks (print/list/DenpyouListInput.cpp).
void DenpyouList_InputEntered(const TEditCell& cell);
bool DenpyouList_InputKey(const TEditCell& cell, Word key);

namespace list_inputs {
constexpr int FirstCode = 8400;  // codes run in steps of ten in the order of TListInput
// Each end of the range is a year (2000 or later, 4 digits), a month and a
// day. A year always moves on with Return; a month or day that is not one
// is emptied and keeps the focus.
constexpr TEditRow Date(TListInput i) {
    const int d = i - ListInput_StartYear;
    const bool year = d % 3 == 0, month = d % 3 == 1;
    return {.Edit = DenpyouList_InputEdit[i], .Code = FirstCode + 10 * i, .Frame = DenpyouList_InputFrame[i],
            .Width = year ? 4 : 2, .Input = TEditInput::DatePart, .Min = year ? 2000 : 1,
            .Max = year ? INT_MAX : month ? 12 : 31, .Return = i + 1, .Home = i - 1, .RefusedStays = !year};
}
constexpr TEditRow Catcher(TListInput i, const char* frame, int ret, int home) {
    return {.Edit = DenpyouList_InputEdit[i], .Code = FirstCode + 10 * i, .Frame = frame,
            .Input = TEditInput::Keys, .Return = ret, .Home = home};
}
}  // namespace list_inputs

inline constexpr TEditRow DenpyouList_InputRows[ListInput_Count] = {
    list_inputs::Catcher(ListInput_SearchName, DenpyouList_InputFrame[ListInput_SearchName], ListInput_StartYear,
                         Edit_Stay),
    list_inputs::Date(ListInput_StartYear), list_inputs::Date(ListInput_StartMonth),
    list_inputs::Date(ListInput_StartDay),  list_inputs::Date(ListInput_EndYear),
    list_inputs::Date(ListInput_EndMonth),  list_inputs::Date(ListInput_EndDay),
    // Return in the key catchers searches (DenpyouList_InputKey).
    list_inputs::Catcher(ListInput_CommandChoose, nullptr, Edit_Stay, ListInput_EndDay),
    list_inputs::Catcher(ListInput_LineChoose, nullptr, Edit_Stay, ListInput_SearchName),
};

inline constexpr TEditTable DenpyouList_Inputs{
    .Rows = DenpyouList_InputRows,
    .Lock = false,
    .Trim = false,
    .FunctionKeys = false,
    .Entered = DenpyouList_InputEntered,
    .Key = DenpyouList_InputKey,
};

// The criteria and the row choice (8400 ... 8480; "Comand" is the
// program's own spelling).
constexpr void DenpyouList_FocusCodes(TFocusCodes& codes) { Edit_AddCodes(codes, DenpyouList_Inputs); }

// The customer criterion between the remembered customer and "全顧客" (a
// click on either customer caption, Up or Down in its key catcher). Only the
// captions change; the next search reads them.
void DenpyouList_ToggleCustomer();
// A criterion touched (a criteria input's focus-in, a change of kind): the
// rows of a result shown go blank.
void DenpyouList_CriteriaTouched();
