// Texts of printed pages: numbers with thousands separators, two fields
// joined into one printed line, era names and era dates.
#pragma once

#include <cstdint>
#include <string>

// A Str_JoinFields destination: 58 bytes and a terminator.
constexpr int Str_JoinFieldsSize = 59;

// destination := source (a right-aligned number text of width characters)
// with a "," after the third and the sixth digit from the right, in width + 2
// characters: the caller fills destination with width + 2 blanks and a
// terminator first. A minus sign stays directly before the digits.
void Str_InsertCommas(const char* source, char* destination, int width);
// "%<width>ld" of value with separators: width + 2 characters.
std::string Print_Amount(std::int64_t value, int width);

// Joins two blank-padded fields into one line: the first field's text, two
// blanks when it is not empty, the second field's text. A field whose first
// byte is a blank counts as empty. Returns 1 and leaves destination alone
// when both are empty or their texts exceed 56 bytes together (the caller
// prints them separately); else 0, with the line in destination, which holds
// Str_JoinFieldsSize bytes filled with blanks by the caller. A double-byte
// character cut at a field's end is dropped, never completed with the byte
// after the field.
int Str_JoinFields(const char* first, const char* second, char* destination);

// The era of a stored Western date: "平成" up to April 2019, "令和" after.
const char* Print_EraName(int westernYear, int month);
// The era of a typed two-digit era year y in month m: 31 is "平成" before
// May and "令和" from May, 27 to 30 "平成", anything else "令和".
const char* Print_TypedEraName(int eraYear, int month);

// An era date of 19 bytes: the era name, a blank, the year, "年", a blank,
// the month, "月", a blank, the day, "日"; year, month and day are two
// characters each.
std::string Print_EraDate(const char* eraName, const char* year2, const char* month2, const char* day2);
// The era date of a stored Western date (year, month, day as numbers): the
// era year "%2d", the month "%2d" when 1 to 12 and the day "%2d" when 1 to 31,
// else blanks.
std::string Print_StoredEraDate(int westernYear, int month, int day);
