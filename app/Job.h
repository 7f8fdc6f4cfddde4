// The screen shown and the switch between screens.
#pragma once

enum {
    Job_Denpyou = 0,
    Job_DenpyouList = 1,
    Job_Kokyaku = 2,
    Job_Hinsyu = 3,
    Job_Syouhin = 4,
    Job_Jisya = 5,
    Job_BackUp = 6,
    Job_Gyousyu = 8,
};

extern int Job_Current;

// The document editor's captions of F1 ... F9.
void Job_DenpyouCaptions();

// Shows the screen Job_Current, colours the menu and sets the bar for it.
void Job_Show();
