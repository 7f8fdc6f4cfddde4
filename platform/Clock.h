// The clock: the local date and time, fixed in tests.
#pragma once

#include <string>

struct TDateTime {
    int Year = 0, Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0;
};

TDateTime Now();
// Fixes the clock (tests); Clock_Release gives the real clock back.
void Clock_Fix(const TDateTime& when);
void Clock_Release();
// The platform's text for a date and time: "2026/12/10 13:50:35".
std::string DateTimeToStr(const TDateTime& when);
