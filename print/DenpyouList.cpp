#include "print/DenpyouList.h"

int Print_LeftMargin = 0;
int Print_TopMargin = 0;

// The list's search fields and rows come with the document list screen.
void DenpyouList_CreateControls(TForm&) {}
