// Leaving the program: the question when a document is being typed, the
// write-back of what lives in memory, the sorts, the purge and the end.
#pragma once

#include "ui/Focus.h"

class TForm;

extern bool ExitChoose_No;  // "いいえ" is selected in the question, not "は　い"
// The question's share of the focus lock while it is shown.
extern const TLockHolder Lock_ExitChoose;

// Creates the question's controls in Panel_ExitChoose.
void Exit_CreateControls(TForm& form);

// The exit command: asks when the editor holds a document being typed
// (Denpyou_BeingTyped), otherwise saves and ends the process.
void App_Exit();
// Paints the selected answer red, the other olive.
void ExitChoose_ShowChoice();
// The save sequence (every folder's save in its order), then the sorts
// (every folder's, the purge of deleted documents last), then the end of
// the process with status -1. Returns only when a save failed: the sequence
// stopped there (no sort or purge after it), the user was told, and the
// program goes on.
void Exit_SaveAndEnd();

// A new window: "いいえ" selected, nowhere to go back to.
void Exit_Reset();
// Registers the question: a panel over every screen, opened by App_Exit
// (the exit command, ui/Commands.h: Command_Exit), its menu entry 10.
void Exit_Register();

// Handlers of the question.
void Edit_ExeitChooseEnter();
void Edit_ExeitChooseExit();
void Edit_ExeitChooseKeyDown(unsigned short key);
void Label_Exit_YesClick();
void Label_Exit_NoClick();
