#include "masters/products/SyouhinScreen.h"

#include "ui/Build.h"

int Syouhin_Top = 0;
int Syouhin_Row = -1;

void Syouhin_CreateControls(TForm& form) {
    static const TControlSpec specs[] = {
        {TControlKind::Label, "Label_SyouhinRec", "Panel_Syouhin", 820, 8, 60, 17, "0", clNone, clBlack,
         -12, nullptr, TAlignment::taRightJustify},
        {TControlKind::Label, "Label_SyouhinDs", "Panel_Syouhin", 900, 8, 60, 17, "0", clNone, clBlack,
         -12, nullptr, TAlignment::taRightJustify},
    };
    Ui_BuildAll(form, specs);
}

// The product rows come with the product screen.
void Syouhin_ShowPage() {}
