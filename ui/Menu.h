// The job menu across the top of the window, built from the registered
// records (ui/Screen.h: each record's Menu): an entry (a label on a shape)
// for each screen and one at the right end (the exit), and the key catcher
// that holds the keys while no field should. A click on a screen's entry
// switches to that screen through its record; a click on the entry of a
// record that is no screen runs that record's Open.
#pragma once

#include "platform/Types.h"

class TForm;

// The panel's width and the entries' step: an entry is 95 wide, from 2 past
// the step before it, so that the panel holds ten. Their numbers, which name
// their controls, run 1 ... Menu_Entries (Screen_Register refuses others):
// a screen's is its number + 1 (ui/Job.h), the exit's the last.
constexpr int Menu_PanelWidth = 989;
constexpr int Menu_EntryStep = 97;
constexpr int Menu_Entries = Menu_PanelWidth / Menu_EntryStep;
constexpr int Menu_EntryOf(int job) { return job + 1; }

// The catcher's name (the window's part of the focus codes names it).
inline constexpr const char* Menu_Catcher = "Edit_ChooseSyori";

// The entries of the records registered, on the panel: the screens' from
// the left in the order of their numbers, then those of the records that
// are no screen (the exit) ending at the right end, each turning red while
// it is pressed; then the catcher. The records register before the window's
// controls are built.
void Menu_CreateControls(TForm& form, const char* panel);
// An entry in a colour: navy for the screen shown, olive for the others.
void Menu_Paint(int menuNo, TColor color);
// A click on entry menuNo.
void Menu_Click(int menuNo);
