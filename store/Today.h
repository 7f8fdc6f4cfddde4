// Today's date, in Western and Japanese era years, as the start-up read it
// from the clock (app/Today.h). It stands here, below every folder, because
// the data code reads it too: the tidy-up threshold counts from this year.
#pragma once

struct TDateTime;

extern int Today_Year, Today_Month, Today_Day;
extern int Today_Wareki;           // era year
extern char Today_YearText[5];     // "%4d"
extern char Today_MonthText[3];    // "%2d"
extern char Today_DayText[3];      // "%2d"
extern char Today_WarekiText[3];   // "%2d"

// The era year of a Western date: Heisei up to April 2019, Reiwa from May 2019.
int Wareki_Year(int year, int month);
// The globals from a moment of the clock; each text held at its width's limits.
void Today_SetDate(const TDateTime& now);
