#include "print/DenpyouList.h"

int DenpyouList_Hits[1000] = {};
int DenpyouList_HitCount = 0;
int DenpyouList_Top = 0;
int DenpyouList_Row = -1;
int Print_LeftMargin = 0;
int Print_TopMargin = 0;

// The list's search fields and rows come with the document list screen.
void DenpyouList_CreateControls(TForm&) {}
