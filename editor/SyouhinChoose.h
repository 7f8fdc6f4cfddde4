// The product chooser (Panel_SyouhinChoose), shown over the editor's grid.
#pragma once

struct TScreen;

extern int SyouhinChoose_Hits[1000];

// Whether the chooser is open.
bool SyouhinChoose_Shown();

// Its record: shown over the editor; any menu click and the exit close it.
extern const TScreen SyouhinChoose_Screen;
