// The product chooser (Panel_SyouhinChoose), shown over the editor's grid.
#pragma once

class TForm;
struct TScreen;

inline constexpr const char* SyouhinChoose_Panel = "Panel_SyouhinChoose";
// The top band, which holds the special-line buttons.
inline constexpr const char* SyouhinChoose_ButtonBand = "Panel1";

// Its controls and their handlers.
void SyouhinChoose_CreateControls(TForm& form);

extern int SyouhinChoose_Hits[1000];

// Whether the chooser is open.
bool SyouhinChoose_Shown();
// Closed when a field outside the description column takes the focus: the
// description frames go back to rest.
void SyouhinChoose_Close();
// Its Top (beside the row that has the focus, out of its way).
void SyouhinChoose_MoveTo(int top);

// Its record: shown over the editor; any menu click and the exit close it.
extern const TScreen SyouhinChoose_Screen;
