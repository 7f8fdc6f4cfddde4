// The function-key bar along the bottom of the window: its cells (a label
// on a shape each: Shape_Command_01_F1 ... _F9, _ESC and Label_Command_01_F1
// ... _ESC) and their state, which keys are active and what their cells say.
// Every screen sets it when it is shown and as its state changes. A click on
// a cell runs its key's command (ui/Commands.h); the cell turns red while
// pressed where the screen shown says so.
#pragma once

#include <initializer_list>
#include <string>

#include "platform/Types.h"

class TForm;
class TShape;
class TLabel;

// The bar's key catcher, an edit without handlers that holds the keys when
// no field should (the window's part of the focus codes names it).
inline constexpr const char* CommandBar_Catcher = "Edit_ChooseCommand";

// The ten cells on the panel, then the catcher.
void CommandBar_CreateControls(TForm& form, const char* panel);
// The focus to the bar's catcher: no field holds it (the preview closed).
void CommandBar_TakeFocus();
// Label_Command_01_F1Click ... Label_Command_01_ESCClick: cell 0 ... 9.
void Label_Command_01_Click(int cell);
// Whether a click on the cell runs its command now: F4 deletes, only while
// F4 is active or a panel over the screen (the unit list's editor) takes F4
// itself; the other commands decide for themselves what their key means.
bool Label_Command_01_Runs(int cell);
// The pressed look of the cells.
void Label_Command_01_MouseDown(int cell);
void Label_Command_01_MouseUp(int cell);

// Whether F1 ... F9 (0 ... 8), the tenth cell (9) and a spare (10) are
// active. The program sets and reads them by key (Command_Enable,
// Command_IsEnabled, by the bar's cell through Command_KeyOfCell); the array
// stays for the tests that look at every flag at once.
extern bool Command_Enabled[11];

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
// Whether the bar shows the key's cell active (olive, or red while pressed)
// rather than silver; false without a window.
bool Command_ShownActive(Word key);
// Sets the caption of F1 ... F9 (key 1 ... 9).
void Command_SetCaption(int key, const char* caption);
// The ink of a key's cell: its label's text and its frame's pen (a screen
// that takes the key itself shows so; the fill stays the flag's).
void Command_SetInk(Word key, TColor color);
// The name ending of the bar's cell 0 ... 9: "F1" ... "F9", "ESC".
std::string Command_CellSuffix(int cell);
// The bar's cell 0 ... 9 of a key (vk::F1 ... vk::F9, vk::Escape); -1 for
// any other key.
int Command_CellOf(Word key);
// The key of the bar's cell 0 ... 9: vk::F1 ... vk::F9, vk::Escape.
Word Command_KeyOfCell(int cell);

// A label on a shape that acts as a button (menu entries, bar cells, the
// exit question's answers): the shape's brush and the label's background
// take the colour, each only when it differs. Either may be missing.
void Button_Paint(TShape* shape, TLabel* label, TColor color);
// The same by the controls' names.
void Button_Paint(const char* shape, const char* label, TColor color);
