// The document list screen and the print settings read at start-up.
#pragma once

class TForm;

extern int DenpyouList_Hits[1000];
extern int DenpyouList_HitCount;
extern int DenpyouList_Top;
extern int DenpyouList_Row;
extern int Print_LeftMargin;  // millimetres
extern int Print_TopMargin;

void DenpyouList_CreateControls(TForm& form);
