#include "store/Today.h"

#include <cstdio>

#include "platform/Clock.h"

int Today_Year = 0, Today_Month = 0, Today_Day = 0;
int Today_Wareki = 0;
char Today_YearText[5] = {};
char Today_MonthText[3] = {};
char Today_DayText[3] = {};
char Today_WarekiText[3] = {};

namespace {

// "%<width>d" of value, held at the limits that width characters can show.
template <int Size>
void WriteNumber(char (&text)[Size], int value) {
    constexpr int width = Size - 1;
    int max = 9, min = -9;
    for (int i = 1; i < width; ++i) max = max * 10 + 9;
    for (int i = 2; i < width; ++i) min = min * 10 - 9;
    if (width == 1) min = 0;
    if (value > max) value = max;
    if (value < min) value = min;
    std::snprintf(text, Size, "%*d", width, value);
}

}  // namespace

int Wareki_Year(int year, int month) {
    if (year == 2019) return month >= 5 ? year - 2018 : year - 1988;
    return year > 2019 ? year - 2018 : year - 1988;
}

void Today_SetDate(const TDateTime& now) {
    Today_Year = now.Year;
    Today_Month = now.Month;
    Today_Day = now.Day;
    WriteNumber(Today_YearText, Today_Year);
    WriteNumber(Today_MonthText, Today_Month);
    WriteNumber(Today_DayText, Today_Day);
    Today_Wareki = Wareki_Year(Today_Year, Today_Month);
    WriteNumber(Today_WarekiText, Today_Wareki);
}
