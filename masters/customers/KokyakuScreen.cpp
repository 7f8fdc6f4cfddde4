#include "masters/customers/KokyakuScreen.h"

#include "ui/Build.h"

int Kokyaku_Top = 0;
int Kokyaku_Row = 0;

void Kokyaku_CreateControls(TForm& form) {
    static const TControlSpec specs[] = {
        {TControlKind::Label, "Label_KokyakuRec", "Panel_Kokyaku", 820, 8, 60, 17, "0", clNone, clBlack,
         -12, nullptr, TAlignment::taRightJustify},
        {TControlKind::Label, "Label_KokyakuDs", "Panel_Kokyaku", 900, 8, 60, 17, "0", clNone, clBlack,
         -12, nullptr, TAlignment::taRightJustify},
    };
    Ui_BuildAll(form, specs);
}

// The rows of the customer screen and chooser come with those screens.
void Kokyaku_ShowPage() {}
void KokyakuChoose_ShowPage() {}
