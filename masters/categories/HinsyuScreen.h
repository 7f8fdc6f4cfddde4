// The category screen (job 3) and the category chooser over the editor's
// product chooser and the product screen. Neither is built yet beyond what
// start-up shows (the count label); their records say where they stand.
#pragma once

#include "ui/Focus.h"

class TForm;

constexpr int Job_Hinsyu = 3;

extern int Hinsyu_Top;
extern int Hinsyu_CurRec;
extern int Hinsyu_Row;

// The chooser's key catcher (1030) and the screen's name and reading edits
// of 50 rows (4010 + 20 x (row - 1), the reading 10 after its name).
constexpr void Hinsyu_FocusCodes(TFocusCodes& codes) {
    codes.Add(1030, "Edit_Panel_ChooseHinsyu_Command");
    for (int r = 1; r <= 50; ++r) {
        codes.Add(4010 + 20 * (r - 1), "Edit_Hinsyu_Name_", r);
        codes.Add(4020 + 20 * (r - 1), "Edit_Hinsyu_Kana_", r);
    }
}

void Hinsyu_CreateControls(TForm& form);
void Hinsyu_ShowPage();
// Hinsyu_Count in Label_Hinsyu_ds (after the list was loaded).
void Hinsyu_ShowCount();

// Whether the category chooser is open.
bool HinsyuChoose_Shown();
// A screen the chooser opens over (the editor, under its product chooser;
// the product screen), registered by that screen.
void HinsyuChoose_Host(int job);
// The focus code the chooser gives the focus back to when it closes: set by
// what opens it (a description cell of the editor); before that, the
// product screen's first name (5010).
extern int HinsyuChoose_CodeSaved;
// Its share of the focus lock while it is open.
extern const TLockHolder Lock_HinsyuChoose;

// Registers the category chooser and the category screen.
void Hinsyu_Register();
// Start-up: the category lists loaded from the file and the screen painted.
void Hinsyu_Start();
// The exit: the lists written back to the file (first of the saves) and the
// file sorted by reading (first of the sorts); a file that could not be read
// at start-up is left as it is.
bool Hinsyu_ExitSave();
void Hinsyu_ExitSort();
