// The job menu across the top and the function-key bar along the bottom.
#pragma once

class TForm;

// Flags of F1 ... F9 (0 ... 8), the tenth cell (9) and a spare (10).
extern int Command_Enabled[11];

void Menu_CreateControls(TForm& form);
void CommandBar_CreateControls(TForm& form);
// Paints the bar's cells from Command_Enabled.
void Command_ShowEnabled();
// Sets the caption of F1 ... F9 (key 1 ... 9).
void Command_SetCaption(int key, const char* caption);
