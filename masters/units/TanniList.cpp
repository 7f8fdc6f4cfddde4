#include "masters/units/TanniList.h"

int TanniList_EditMode = 0;
int TanniList_Row = 0;
int TanniList_Top = 0;

// The list's rows come with the own-company screen; nothing to show yet.
void Tanni_ShowList() {}
