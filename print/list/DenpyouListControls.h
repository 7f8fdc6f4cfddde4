// The list screen's criteria as the search, the pages and the print read
// them: the customer captions, the six date inputs and the radio buttons.
// A control that is not there reads as empty or unchecked.
#pragma once

#include <string>

// The date inputs: start year, month, day, end year, month, day.
enum TListDate { ListDate_StartYear, ListDate_StartMonth, ListDate_StartDay,
                 ListDate_EndYear, ListDate_EndMonth, ListDate_EndDay, ListDate_Count };
inline constexpr const char* DenpyouList_DateEdit[ListDate_Count] = {
    "Edit_SearchStartYear", "Edit_SearchStartMonth", "Edit_SearchStartDay",
    "Edit_SearchEndYear",   "Edit_SearchEndMonth",   "Edit_SearchEndDay"};

std::string DenpyouList_Caption(const char* label);
void DenpyouList_SetCaption(const char* label, const std::string& caption);
std::string DenpyouList_Text(const char* edit);
void DenpyouList_SetText(const char* edit, const std::string& text);
bool DenpyouList_Checked(const char* radioButton);
bool DenpyouList_Visible(const char* control);  // its own visibility

// A customer caption as a 40-byte key, left-aligned and blank-padded.
void DenpyouList_NameKey(const char* label, char key[41]);
// Whether a key (or a remembered name) stands for every customer.
bool DenpyouList_IsAllCustomers(const char* key);
