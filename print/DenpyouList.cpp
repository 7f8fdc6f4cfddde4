#include "print/DenpyouList.h"

#include "print/list/DenpyouListScreen.h"
#include "print/preview/PrintMargin.h"

int Print_LeftMargin = 0;
int Print_TopMargin = 0;

// The screen places the pair of margin edits; they work as the editor's.
void DenpyouList_CreateControls(TForm& form) {
    DenpyouList_CreateScreen(form);
    PrintMargin_BindEdits(form, MarginScreen_DenpyouList);
}
