// The clock: local time, or a fixed moment while a test holds it.
#include "platform/Clock.h"

#include <cstdio>
#include <ctime>

namespace {
bool fixed = false;
TDateTime fixedWhen;
}  // namespace

TDateTime Now() {
    if (fixed) return fixedWhen;
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    TDateTime when;
    when.Year = tm.tm_year + 1900;
    when.Month = tm.tm_mon + 1;
    when.Day = tm.tm_mday;
    when.Hour = tm.tm_hour;
    when.Minute = tm.tm_min;
    when.Second = tm.tm_sec;
    return when;
}

void Clock_Fix(const TDateTime& when) {
    fixed = true;
    fixedWhen = when;
}

void Clock_Release() { fixed = false; }

std::string DateTimeToStr(const TDateTime& when) {
    char text[64];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d:%02d", when.Year, when.Month, when.Day,
                  when.Hour, when.Minute, when.Second);
    return text;
}
