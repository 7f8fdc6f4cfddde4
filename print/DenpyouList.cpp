#include "print/DenpyouList.h"

#include "print/list/DenpyouListScreen.h"

int Print_LeftMargin = 0;
int Print_TopMargin = 0;

void DenpyouList_CreateControls(TForm& form) { DenpyouList_CreateScreen(form); }
