// The document list screen (job 1): its controls (not built yet; the tests
// make stand-ins, tests/print/ListData.h), its record and its focus codes.
// The search, pages and printing are this folder's other files.
#pragma once

#include "ui/Focus.h"

class TForm;

// The criteria and the row choice (8400 ... 8480) and the list's print
// margins (9730, 9740; "Comand" and "Margine" are the program's own
// spelling of these names).
constexpr void DenpyouList_FocusCodes(TFocusCodes& codes) {
    codes.AddList(8400, 10, {"Edit_DenpyouList_SearchName", "Edit_SearchStartYear", "Edit_SearchStartMonth",
                             "Edit_SearchStartDay", "Edit_SearchEndYear", "Edit_SearchEndMonth",
                             "Edit_SearchEndDay", "Edit_DenpyouSearchComandChoose", "Edit_DenpyouListLineChoose"});
    codes.AddList(9730, 10, {"Edit_Panel_DenpyouList_TopMargine", "Edit_Panel_DenpyouList_LeftMargine"});
}

void DenpyouList_CreateControls(TForm& form);

void DenpyouList_Register();
