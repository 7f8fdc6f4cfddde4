// The screen shown and the switch between screens.
#pragma once

// The screens by number; the choosers and questions over them have none.
enum {
    Job_None = -1,        // not a screen of the menu
    Job_Denpyou = 0,      // document editor
    Job_DenpyouList = 1,  // document list
    Job_Kokyaku = 2,      // customers
    Job_Hinsyu = 3,       // categories
    Job_Syouhin = 4,      // products
    Job_Jisya = 5,        // own company
    Job_BackUp = 6,       // data maintenance
    Job_Gyousyu = 8,      // wording
};

extern int Job_Current;

// Shows the screen Job_Current, colours the menu and sets the bar for it.
void Job_Show();
