// Numbers in field texts: reading typed or stored text as a number and
// writing numbers into fixed-width fields.
//
// Neither direction looks at the process locale (the window toolkit sets
// LC_NUMERIC): the decimal point is always '.', both when reading "2.50" and
// when writing "%9.1f".
//
// Reading follows the grammar of the standard text-to-number conversions:
// leading white space is skipped, then an optional sign, digits, an optional
// fraction and an optional exponent; reading stops at the first byte that
// cannot continue the number, and a text without a number reads 0. "nan",
// "inf", "infinity" and hexadecimal ("0x1A") are not numbers here: "nan"
// reads 0, "0x1A" reads the 0 before the 'x'.
#pragma once

#include <cstdint>
#include <string>

// The text as a double (prices, rates, quantities). A value beyond the range
// of a double reads as an infinity of its sign, one too small as 0.
double Num_ReadReal(const char* text);
// The text as an integer: sign and digits only ("2.50" reads 2, "1e2" reads
// 1). A value beyond the range is held at the nearest limit.
std::int64_t Num_ReadLong(const char* text);
int Num_ReadInt(const char* text);

// Whether the text is wholly an integer: an optional sign and ASCII digits
// with blanks before and after, nothing else ("1e", "1 2", "" and blanks
// alone are none).
bool Num_IsWholeInt(const char* text);
// A date part typed as a number (an era year, a year, a month, a day): its
// value when the text is wholly an integer (Num_IsWholeInt); else 0, which
// no date part keeps.
int Num_ReadDatePart(const char* text);
// Whether a typed date part's value is kept: in min ... max, or any but 0
// when max is 0.
bool Num_DatePartKept(const char* text, int min = 0, int max = 0);
// A typed date part as a field of width bytes: the text right-aligned (the
// last width characters of a longer one) when its value is kept, else
// blanks.
std::string Num_DatePartText(const char* text, int width, int min = 0, int max = 0);

// Smallest and largest integer that a field of width characters can show.
std::int64_t Num_IntMin(int width);
std::int64_t Num_IntMax(int width);

// "%<width>d" / "%-<width>d" of value. A value that does not fit is held at
// the field's limits, so the text is always exactly width characters.
std::string Num_FormatInt(std::int64_t value, int width, bool left = false);
// "%<width>.<decimals>f" / "%-<width>.<decimals>f" of value, rounded to the
// decimals as the standard conversion does. A value that does not fit is
// held at the field's limits (9 characters, 1 decimal: -999999.9 ...
// 9999999.9), an infinity too; a value that is not a number is written as
// 0. The text is always exactly width characters.
std::string Num_FormatReal(double value, int width, int decimals, bool left = false);

// Whether "%<width>.<decimals>f" of value fits width characters as it is,
// without being held at a limit ("not a number" is written as 0, which fits).
bool Num_FitsReal(double value, int width, int decimals);

// The same texts written into a field buffer of width + 1 bytes: exactly
// width characters and a NUL, never more.
void Num_WriteInt(char* field, int width, std::int64_t value, bool left = false);
void Num_WriteReal(char* field, int width, double value, int decimals, bool left = false);
