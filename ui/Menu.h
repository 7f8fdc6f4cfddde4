// The job menu across the top of the window: an entry (a label on a shape)
// for each screen and one at the right end (the exit), and the key catcher
// that holds the keys while no field should. A click on a screen's entry
// switches to that screen through its record (ui/Screen.h); a click on the
// entry of a record that is no screen runs that record's Open.
#pragma once

#include <span>

#include "platform/Types.h"

class TForm;

// An entry: its number (Label_Job_NN, Shape_Job_NN) and caption.
struct TMenuEntry {
    int No;
    const char* Caption;
};

// The catcher's name (the window's part of the focus codes names it).
inline constexpr const char* Menu_Catcher = "Edit_ChooseSyori";

// The entries on the panel from left to right, then `last` at the right end,
// which turns red while it is pressed; then the catcher.
void Menu_CreateControls(TForm& form, const char* panel, std::span<const TMenuEntry> entries,
                         const TMenuEntry& last);
// An entry in a colour: navy for the screen shown, olive for the others.
void Menu_Paint(int menuNo, TColor color);
// A click on entry menuNo.
void Menu_Click(int menuNo);
