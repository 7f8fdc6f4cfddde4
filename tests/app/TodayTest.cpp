// Today's date and its era year.
#include <gtest/gtest.h>

#include <string>

#include "app/TodayLabel.h"
#include "platform/Clock.h"

namespace {

struct TEraCase {
    TDateTime When;
    int Wareki;
    const char* WarekiText;
};

TEST(Today, EraYearOfTheClock) {
    const TEraCase cases[] = {
        {{2019, 4, 30, 23, 59, 59}, 31, "31"},  // Heisei to the end of April
        {{2019, 5, 1, 0, 0, 0}, 1, " 1"},       // Reiwa from May
        {{2025, 1, 1, 9, 0, 0}, 7, " 7"},
        {{2018, 12, 31, 12, 0, 0}, 30, "30"},
        {{1989, 6, 1, 12, 0, 0}, 1, " 1"},
    };
    for (const auto& c : cases) {
        Clock_Fix(c.When);
        Today_Set();
        EXPECT_EQ(Today_Wareki, c.Wareki) << c.When.Year << "-" << c.When.Month;
        EXPECT_STREQ(Today_WarekiText, c.WarekiText);
    }
    Clock_Fix({2026, 3, 7, 8, 5, 0});
    Today_Set();
    EXPECT_STREQ(Today_YearText, "2026");
    EXPECT_STREQ(Today_MonthText, " 3");
    EXPECT_STREQ(Today_DayText, " 7");
    Clock_Release();
}

}  // namespace
