#include "app/Today.h"

#include "app/Syori_01.h"
#include "document/Number.h"
#include "platform/Clock.h"
#include "platform/Cp932.h"

int Today_Year = 0, Today_Month = 0, Today_Day = 0;
int Today_Wareki = 0;
char Today_YearText[5] = {};
char Today_MonthText[3] = {};
char Today_DayText[3] = {};
char Today_WarekiText[3] = {};

int Wareki_Year(int year, int month) {
    if (year == 2019) return month >= 5 ? year - 2018 : year - 1988;
    return year > 2019 ? year - 2018 : year - 1988;
}

void Today_Set() {
    const TDateTime now = Now();
    if (TLabel* label = Ui_Label("Label_Date")) label->SetCaption(Cp932_FromUtf8(DateTimeToStr(now)));
    Today_Year = now.Year;
    Today_Month = now.Month;
    Today_Day = now.Day;
    Num_WriteInt(Today_YearText, 4, Today_Year);
    Num_WriteInt(Today_MonthText, 2, Today_Month);
    Num_WriteInt(Today_DayText, 2, Today_Day);
    Today_Wareki = Wareki_Year(Today_Year, Today_Month);
    Num_WriteInt(Today_WarekiText, 2, Today_Wareki);
}
