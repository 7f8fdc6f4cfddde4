// Whether the document in the editor holds work since it was shown: text
// typed into any of the editor's inputs (committed or still only in its
// edit, through the input method too), a line filled from the product
// chooser or a special-line button, a cell's value changed by its commit,
// or a value a chooser put into the focused cell and not yet stored. (A
// customer taken from the chooser fills in customer name 1, which the exit
// looks at itself.) The exit asks before it ends with such a document
// (Denpyou_BeingTyped); a document shown anew (new, stored, stepped to or
// opened from the list) starts without.
#pragma once

class TForm;

void Denpyou_NoteTyped();
void Denpyou_ForgetTyped();
bool Denpyou_TypedSinceShown();

// Typing into the header's edits and the grid's cells notes it (the
// controls built).
void Denpyou_WatchTyping(TForm& form);
