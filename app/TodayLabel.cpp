#include "app/TodayLabel.h"

#include "platform/Clock.h"
#include "platform/Cp932.h"
#include "ui/Ui.h"

void Today_Set() {
    const TDateTime now = Now();
    if (TLabel* label = Ui_Label("Label_Date")) label->SetCaption(Cp932_FromUtf8(DateTimeToStr(now)));
    Today_SetDate(now);
}
