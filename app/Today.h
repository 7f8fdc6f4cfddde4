// Today's date, in Western and Japanese era years.
#pragma once

extern int Today_Year, Today_Month, Today_Day;
extern int Today_Wareki;           // era year
extern char Today_YearText[5];     // "%4d"
extern char Today_MonthText[3];    // "%2d"
extern char Today_DayText[3];      // "%2d"
extern char Today_WarekiText[3];   // "%2d"

// The era year of a Western date: Heisei up to April 2019, Reiwa from May 2019.
int Wareki_Year(int year, int month);
// Reads the clock into the globals and shows it in Label_Date.
void Today_Set();
