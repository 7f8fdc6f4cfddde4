// The job menu across the top and the function-key bar along the bottom.
#pragma once

#include <string>

#include "platform/Types.h"

class TForm;
class TShape;
class TLabel;

// Flags of F1 ... F9 (0 ... 8), the tenth cell (9) and a spare (10).
extern int Command_Enabled[11];

void Menu_CreateControls(TForm& form);
void CommandBar_CreateControls(TForm& form);
// Paints the bar's cells from Command_Enabled.
void Command_ShowEnabled();
// Sets the caption of F1 ... F9 (key 1 ... 9).
void Command_SetCaption(int key, const char* caption);
// The name ending of the bar's cell 0 ... 9: "F1" ... "F9", "ESC".
std::string Command_CellSuffix(int cell);

// A label on a shape that acts as a button (menu entries, bar cells, the
// exit question's answers): the shape's brush and the label's background
// take the colour, each only when it differs. Either may be missing.
void Button_Paint(TShape* shape, TLabel* label, TColor color);
// The same by the controls' names.
void Button_Paint(const char* shape, const char* label, TColor color);
