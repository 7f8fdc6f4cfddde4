// The function-key bar's state: which keys are active and what their cells
// say. Every screen sets it when it is shown and as its state changes; the
// bar's cells (Shape_Command_01_F1 ... _ESC, Label_Command_01_F1 ... _ESC)
// are the shell's controls.
#pragma once

#include <initializer_list>
#include <string>

#include "platform/Types.h"

class TShape;
class TLabel;

// Flags of F1 ... F9 (0 ... 8), the tenth cell (9) and a spare (10): 1 the
// key is active, 0 not. Set through Command_Enable; the array stays for the
// code that reads every flag at once.
extern int Command_Enabled[11];

// The flag of a key: vk::F1 ... vk::F9, vk::Escape for the tenth cell.
void Command_Enable(Word key, bool on);
bool Command_IsEnabled(Word key);
// Every flag (the spare too) := on.
void Command_EnableAll(bool on);
// F1 ... F9 off, then the keys listed on, then the bar repainted. The tenth
// cell keeps its flag.
void Command_EnableOnly(std::initializer_list<Word> keys);

// Paints the bar's cells from Command_Enabled.
void Command_ShowEnabled();
// Sets the caption of F1 ... F9 (key 1 ... 9).
void Command_SetCaption(int key, const char* caption);
// The name ending of the bar's cell 0 ... 9: "F1" ... "F9", "ESC".
std::string Command_CellSuffix(int cell);
// The bar's cell 0 ... 9 of a key (vk::F1 ... vk::F9, vk::Escape); -1 for
// any other key.
int Command_CellOf(Word key);

// A label on a shape that acts as a button (menu entries, bar cells, the
// exit question's answers): the shape's brush and the label's background
// take the colour, each only when it differs. Either may be missing.
void Button_Paint(TShape* shape, TLabel* label, TColor color);
// The same by the controls' names.
void Button_Paint(const char* shape, const char* label, TColor color);
