// The texts of printed pages: separators, joined fields, era dates, and the
// millimetre conversion.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "print/PrintArea.h"
#include "print/PrintText.h"

namespace {

TEST(PrintText, InsertCommasAfterTheThirdAndSixthDigit) {
    const struct {
        const char* source;
        const char* want;
    } rows[] = {
        {"        1", "          1"},
        {"      999", "        999"},
        {"     1000", "      1,000"},
        {"  1234567", "  1,234,567"},
        {"123456789", "123,456,789"},
        {"    -1234", "     -1,234"},
        {"     -123", "       -123"},  // the minus sign takes the separator's place
        {"  -123456", "   -123,456"},
        {"-12345678", "-12,345,678"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.source);
        char out[12];
        std::memset(out, ' ', 11);
        out[11] = '\0';
        Str_InsertCommas(row.source, out, 9);
        EXPECT_STREQ(out, row.want);
    }
    // A tenth digit joins the fourth group.
    EXPECT_EQ(Print_Amount(1234567890, 10), "1234,567,890");
    EXPECT_EQ(Print_Amount(0, 10), "           0");
}

TEST(PrintText, JoinFieldsUpTo56BytesWithTwoBlanksBetween) {
    const std::string city20(20, 'C'), street36(36, 'S'), street37(37, 'S');
    const struct {
        std::string first, second;
        int result;
        std::string joined;
    } rows[] = {
        {city20, street36, 0, city20 + "  " + street36},
        {city20 + "   ", street36 + "    ", 0, city20 + "  " + street36},  // trailing blanks do not count
        {city20, street37, 1, ""},
        {"", "", 1, ""},
        {"    ", "    ", 1, ""},
        {"", "大通り", 0, "大通り"},
        {" 札幌", "大通り", 0, "大通り"},  // a first blank makes the whole field empty
        {"札幌", "", 0, "札幌  "},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.first + "|" + row.second);
        char out[Str_JoinFieldsSize + 1];
        std::memset(out, ' ', Str_JoinFieldsSize - 1);
        out[Str_JoinFieldsSize - 1] = '\0';
        out[Str_JoinFieldsSize] = '#';  // beyond the destination
        ASSERT_EQ(Str_JoinFields(row.first.c_str(), row.second.c_str(), out), row.result);
        const std::string untouched(Str_JoinFieldsSize - 1, ' ');
        EXPECT_EQ(std::string(out), row.result == 0 ? row.joined : untouched);
        EXPECT_EQ(out[Str_JoinFieldsSize], '#');
    }
}

// A field cut inside a double-byte character: its lead byte is dropped,
// never paired with the byte that follows the field.
TEST(PrintText, JoinFieldsDropsALeadByteAtTheFieldsEnd) {
    const std::string kanji = "市";  // two bytes
    char memory[64];
    std::memset(memory, 'X', sizeof memory);
    std::string first = "ABC" + kanji.substr(0, 1);  // the lead byte last
    std::memcpy(memory, first.c_str(), first.size() + 1);
    memory[first.size() + 1] = 'Z';  // a byte right after the field's terminator
    char out[Str_JoinFieldsSize];
    std::memset(out, ' ', Str_JoinFieldsSize - 1);
    out[Str_JoinFieldsSize - 1] = '\0';
    ASSERT_EQ(Str_JoinFields(memory, ("DE" + kanji.substr(0, 1)).c_str(), out), 0);
    EXPECT_EQ(std::string(out), "ABC  DE");
}

TEST(PrintText, StoredEraDates) {
    const struct {
        int year, month, day;
        const char* want;
    } rows[] = {
        {2019, 4, 30, "平成 31年  4月 30日"},
        {2019, 5, 1, "令和  1年  5月  1日"},
        {2020, 3, 31, "令和  2年  3月 31日"},
        {2018, 12, 1, "平成 30年 12月  1日"},
        {2025, 13, 32, "令和  7年   月   日"},  // a month or day out of range shows blanks
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.want);
        EXPECT_EQ(Print_StoredEraDate(row.year, row.month, row.day), row.want);
    }
}

TEST(PrintText, TypedEraNames) {
    EXPECT_STREQ(Print_TypedEraName(31, 4), "平成");
    EXPECT_STREQ(Print_TypedEraName(31, 5), "令和");
    EXPECT_STREQ(Print_TypedEraName(27, 1), "平成");
    EXPECT_STREQ(Print_TypedEraName(30, 12), "平成");
    EXPECT_STREQ(Print_TypedEraName(26, 1), "令和");
    EXPECT_STREQ(Print_TypedEraName(32, 1), "令和");
    EXPECT_STREQ(Print_TypedEraName(0, 0), "令和");
}

TEST(PrintText, MillimetresToDotsTruncateTowardZero) {
    EXPECT_EQ(Print_MmToDots(254, 17), 170);
    EXPECT_EQ(Print_MmToDots(600, 1), 23);     // 23.6
    EXPECT_EQ(Print_MmToDots(600, -1), -23);   // toward zero, not down
    EXPECT_EQ(Print_MmToDots(1200, 297), 14031);
}

}  // namespace
