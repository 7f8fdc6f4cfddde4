#include "print/DenpyouList.h"

#include "print/preview/PrintMargin.h"

int Print_LeftMargin = 0;
int Print_TopMargin = 0;

// The list's search fields and rows come with the document list screen.
void DenpyouList_CreateControls(TForm& form) {
    // The print margins, beside the command labels.
    PrintMargin_CreateEdits(form, MarginScreen_DenpyouList, 800, 8);
}
