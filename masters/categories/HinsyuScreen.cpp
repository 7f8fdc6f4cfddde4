#include "masters/categories/HinsyuScreen.h"

#include "ui/Build.h"

int Hinsyu_Top = 0;
int Hinsyu_CurRec = 0;
int Hinsyu_Row = -1;

void Hinsyu_CreateControls(TForm& form) {
    static const TControlSpec specs[] = {
        {TControlKind::Label, "Label_Hinsyu_ds", "Panel_Hinsyu", 900, 8, 60, 17, "0", clNone, clBlack, -12,
         nullptr, TAlignment::taRightJustify},
    };
    Ui_BuildAll(form, specs);
}

// The category rows come with the category screen.
void Hinsyu_ShowPage() {}
