#include "app/Syori_01.h"

#include "app/Wiring.h"
#include "platform/Application.h"
#include "ui/Build.h"
#include "ui/Ui.h"

TForm_Syori_01* Form_Syori_01 = nullptr;

TForm_Syori_01::TForm_Syori_01() {
    Caption = "見積・請求書作成";
    // The message boxes carry the window's title, the first of them (a
    // second copy refused) before the window is shown.
    Application_SetTitle(Caption);
    Font.Name = Font_PGothic;
    Font.Height = -12;
    Wiring_Register();
    Wiring_CreateControls(*this);
    Wiring_Reset();
    Form_Syori_01 = this;
    Ui_SetForm(this);
}

TForm_Syori_01::~TForm_Syori_01() {
    if (Form_Syori_01 != this) return;
    Form_Syori_01 = nullptr;
    Ui_SetForm(nullptr);
}
