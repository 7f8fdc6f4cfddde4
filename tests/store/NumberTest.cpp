// Reading and writing numbers in field texts, under a process locale whose
// decimal point is a comma (as the window toolkit may set it).
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "store/Number.h"

namespace {

class NumberTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = std::setlocale(LC_NUMERIC, nullptr);
        // Any of these makes the C conversions read and write a comma; when
        // none is installed the checks still hold, the reader and writer never
        // consult the locale.
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"}) {
            if (std::setlocale(LC_NUMERIC, name)) break;
        }
    }
    void TearDown() override { std::setlocale(LC_NUMERIC, saved_.c_str()); }

private:
    std::string saved_;
};

struct RealCase {
    const char* text;
    double value;
};

TEST_F(NumberTest, ReadsRealAsTheStandardGrammarWithoutLocale) {
    const RealCase cases[] = {
        {"2.50", 2.5},   {" 12", 12},     {"3a", 3},         {"-3", -3},       {"nan", 0},
        {"inf", 0},      {"-inf", 0},     {"infinity", 0},   {"0x10", 0},      {"0x1A", 0},
        {"1e2", 100},    {"", 0},         {"   ", 0},        {".5", 0.5},      {"5.", 5},
        {"1e", 1},       {"1e+", 1},      {"2.5e-1x", 0.25}, {"+7", 7},        {"- 3", 0},
        {"\t 4", 4},     {"-", 0},        {".", 0},          {"  256.4  ", 256.4},
        {"2,5", 2},      {"1e-400", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(Num_ReadReal(c.text), c.value) << '"' << c.text << '"';
    EXPECT_EQ(Num_ReadReal("1e999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(Num_ReadReal("-1e999"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(Num_ReadReal(nullptr), 0);
}

TEST_F(NumberTest, ReadsIntegersWithSaturation) {
    const struct {
        const char* text;
        std::int64_t value;
    } cases[] = {
        {"2.50", 2}, {" 12", 12}, {"3a", 3}, {"-3", -3}, {"nan", 0}, {"0x10", 0},
        {"1e2", 1},  {"", 0},     {" ", 0},  {"+8", 8},  {"- 1", 0}, {"9999999999", 9999999999},
        {"99999999999999999999", std::numeric_limits<std::int64_t>::max()},
        {"-99999999999999999999", std::numeric_limits<std::int64_t>::min()},
        {"-9223372036854775808", std::numeric_limits<std::int64_t>::min()},
    };
    for (const auto& c : cases) EXPECT_EQ(Num_ReadLong(c.text), c.value) << '"' << c.text << '"';
    EXPECT_EQ(Num_ReadInt("9999999999"), std::numeric_limits<int>::max());
    EXPECT_EQ(Num_ReadInt("-9999999999"), std::numeric_limits<int>::min());
    EXPECT_EQ(Num_ReadInt(" 1"), 1);
}

TEST_F(NumberTest, FormatsIntegersInTheirWidthHeldAtTheLimits) {
    EXPECT_EQ(Num_FormatInt(769, 10), "       769");
    EXPECT_EQ(Num_FormatInt(-300, 9), "     -300");
    EXPECT_EQ(Num_FormatInt(5, 2), " 5");
    EXPECT_EQ(Num_FormatInt(12, 3, true), "12 ");
    EXPECT_EQ(Num_FormatInt(0, 4), "   0");
    EXPECT_EQ(Num_FormatInt(9999999999, 10), "9999999999");
    EXPECT_EQ(Num_FormatInt(123456789012, 10), "9999999999");
    EXPECT_EQ(Num_FormatInt(-999999999, 10), "-999999999");
    EXPECT_EQ(Num_FormatInt(-1000000000, 10), "-999999999");
    EXPECT_EQ(Num_FormatInt(1000000000, 9), "999999999");
    EXPECT_EQ(Num_FormatInt(std::numeric_limits<std::int64_t>::min(), 9), "-99999999");
}

TEST_F(NumberTest, FormatsRealsWithAPointHeldAtTheLimits) {
    EXPECT_EQ(Num_FormatReal(256.4, 9, 1), "    256.4");
    EXPECT_EQ(Num_FormatReal(256.4, 9, 1, true), "256.4    ");
    EXPECT_EQ(Num_FormatReal(850, 9, 1, true), "850.0    ");
    EXPECT_EQ(Num_FormatReal(-850, 9, 1, true), "-850.0   ");
    EXPECT_EQ(Num_FormatReal(2.56, 9, 1), "      2.6");
    EXPECT_EQ(Num_FormatReal(1e12, 9, 1), "9999999.9");
    EXPECT_EQ(Num_FormatReal(9999999.96, 9, 1), "9999999.9");
    EXPECT_EQ(Num_FormatReal(-1e12, 9, 1, true), "-999999.9");
    EXPECT_EQ(Num_FormatReal(std::nan(""), 9, 1), "      0.0");
    EXPECT_EQ(Num_FormatReal(std::numeric_limits<double>::infinity(), 9, 1), "9999999.9");
    EXPECT_EQ(Num_FormatReal(-std::numeric_limits<double>::infinity(), 9, 1), "-999999.9");
}

TEST_F(NumberTest, WritesNeverPastTheField) {
    char field[12];
    std::memset(field, 'X', sizeof field);
    Num_WriteInt(field, 10, 123456789012);
    EXPECT_STREQ(field, "9999999999");
    EXPECT_EQ(field[11], 'X');
    std::memset(field, 'X', sizeof field);
    Num_WriteReal(field, 9, -1e30, 1, true);
    EXPECT_STREQ(field, "-999999.9");
    EXPECT_EQ(field[10], 'X');
}

}  // namespace
