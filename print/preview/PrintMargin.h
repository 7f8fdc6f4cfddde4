// The print margins, top and left in whole millimetres, edited on the
// document editor and on the document list: both screens show the same two
// values, and a commit on either writes the own-company record at once and
// moves the next print (Print_TopMargin, Print_LeftMargin).
#pragma once

class TForm;

enum TMarginScreen { MarginScreen_Denpyou, MarginScreen_DenpyouList };

// The editor's pair, top right: the captions "左余白" and "上余白", each
// before its framed edit, with their handlers.
void PrintMargin_CreateControls(TForm& form);
// The handlers on a screen's two edits made by that screen (the list's).
void PrintMargin_BindEdits(TForm& form, TMarginScreen screen);

// The four edits from own-company fields 33 and 34 (start-up).
void PrintMargin_Show();
