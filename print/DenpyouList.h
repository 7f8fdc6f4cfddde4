// The document list screen and the print settings read at start-up. The
// list's search, pages and printing are in print/list/.
#pragma once

#include "print/list/DenpyouListHits.h"

class TForm;

extern int Print_LeftMargin;  // millimetres
extern int Print_TopMargin;

void DenpyouList_CreateControls(TForm& form);
