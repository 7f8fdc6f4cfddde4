// The help line along the bottom of the window (Panel_Msg): the link that
// opens the user manual, "Manual\Manual.pdf" in the program folder, with
// the desktop's program for it.
#pragma once

class TForm;

// The link's box and its two lines "操作方法" and "を見る", each opening the
// manual on a click, the help text label and the hidden progress bar
// (window built).
void HelpLine_CreateControls(TForm& form);
// The help text := text (how ui/Help.h's Help_Show reaches it).
void HelpLine_Show(const char* text);
// Opens the manual; nothing when it is not there (no manual is shipped) or
// nothing can show it.
void Label_ManualClick();
