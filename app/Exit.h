// Leaving the program: the question when a document is being typed, the
// write-back of what lives in memory, the sorts, the purge and the end.
#pragma once

class TForm;

extern int ExitChoose_No;  // 1 while "いいえ" is selected in the question, 0 for "は　い"

// Creates the question's controls in Panel_ExitChoose and the purge option
// CheckBox_CompleteDelete on the document editor.
void Exit_CreateControls(TForm& form);

// The exit command: asks when customer name 1 of the document is filled in,
// otherwise saves and ends the process.
void App_Exit();
// Paints the selected answer red, the other olive.
void ExitChoose_ShowChoice();
// The save sequence, then the end of the process with status -1. Returns
// only when a save failed: the sequence stopped there (no sort or purge
// after it), the user was told, and the program goes on.
void Exit_SaveAndEnd();

// A new window: "いいえ" selected, nowhere to go back to.
void Exit_Reset();
// Registers the question: a panel over every screen, opened by App_Exit
// (Screen_Open("Panel_ExitChoose") from a screen's key), its menu entry 10.
void Exit_Register();

// Handlers of the question.
void Edit_ExeitChooseEnter();
void Edit_ExeitChooseExit();
void Edit_ExeitChooseKeyDown(unsigned short key);
void Label_Exit_YesClick();
void Label_Exit_NoClick();
