#include "store/Number.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include "store/Str.h"

namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

const char* SkipSpaces(const char* p) {
    while (IsSpace(*p)) ++p;
    return p;
}

// The decimal magnitude of a number too large or too small for a double:
// positive when it is too large. digits runs from the first digit to the end
// of the mantissa; exponent is the number after 'e' (0 without one).
long long Magnitude(const char* digits, const char* end, long long exponent) {
    long long whole = 0;  // significant digits before the point
    long long zeros = 0;  // zeros after the point before the first significant digit
    bool significant = false;
    bool fraction = false;
    for (const char* p = digits; p < end; ++p) {
        if (*p == '.') {
            fraction = true;
        } else if (!fraction) {
            if (*p != '0' || significant) {
                significant = true;
                ++whole;
            }
        } else if (!significant) {
            if (*p != '0') break;
            ++zeros;
        }
    }
    return (significant ? whole : -zeros) + exponent;
}

std::string Padded(const char* text, std::size_t length, int width, bool left) {
    std::string out(static_cast<std::size_t>(width), ' ');
    if (length > out.size()) length = out.size();
    std::memcpy(out.data() + (left ? 0 : out.size() - length), text, length);
    return out;
}

double Power10(int n) {
    double p = 1;
    while (n-- > 0) p *= 10;
    return p;
}

// Steps over an optional sign; true for a minus.
bool ReadSign(const char*& p) {
    if (*p != '+' && *p != '-') return false;
    return *p++ == '-';
}

}  // namespace

double Num_ReadReal(const char* text) {
    if (!text) return 0;
    const char* p = SkipSpaces(text);
    const bool negative = ReadSign(p);
    const char* begin = p;
    int digits = 0;
    while (IsDigit(*p)) ++p, ++digits;
    if (*p == '.') {
        const char* q = p + 1;
        while (IsDigit(*q)) ++q, ++digits;
        if (digits > 0) p = q;
    }
    if (digits == 0) return 0;  // "", "-", ".", "nan", "inf" ...
    const char* mantissaEnd = p;
    long long exponent = 0;
    if (*p == 'e' || *p == 'E') {
        const char* q = p + 1;
        bool negativeExponent = false;
        if (*q == '+' || *q == '-') {
            negativeExponent = *q == '-';
            ++q;
        }
        if (IsDigit(*q)) {
            while (IsDigit(*q)) {
                if (exponent < 1000000000) exponent = exponent * 10 + (*q - '0');
                ++q;
            }
            if (negativeExponent) exponent = -exponent;
            p = q;
        }
    }
    double value = 0;
    auto [end, error] = std::from_chars(begin, p, value, std::chars_format::general);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        value = Magnitude(begin, mantissaEnd, exponent) > 0
                    ? std::numeric_limits<double>::infinity()
                    : 0.0;
    } else if (error != std::errc()) {
        value = 0;
    }
    return negative ? -value : value;
}

std::int64_t Num_ReadLong(const char* text) {
    if (!text) return 0;
    const char* p = SkipSpaces(text);
    const bool negative = ReadSign(p);
    // Accumulate as a negative number, whose range includes the minimum.
    constexpr std::int64_t minimum = std::numeric_limits<std::int64_t>::min();
    std::int64_t value = 0;
    bool overflow = false;
    for (; IsDigit(*p); ++p) {
        int digit = *p - '0';
        if (value < (minimum + digit) / 10) {
            overflow = true;
        } else {
            value = value * 10 - digit;
        }
    }
    if (overflow) return negative ? minimum : std::numeric_limits<std::int64_t>::max();
    if (negative) return value;
    return value == minimum ? std::numeric_limits<std::int64_t>::max() : -value;
}

int Num_ReadInt(const char* text) {
    std::int64_t value = Num_ReadLong(text);
    if (value > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    if (value < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

std::int64_t Num_IntMax(int width) {
    if (width <= 0) return 0;
    if (width >= 19) return std::numeric_limits<std::int64_t>::max();
    std::int64_t limit = 1;
    for (int i = 0; i < width; ++i) limit *= 10;
    return limit - 1;
}

bool Num_IsWholeInt(const char* text) {
    const char* p = text;
    while (*p == ' ') ++p;
    if (*p == '+' || *p == '-') ++p;
    if (!IsDigit(*p)) return false;
    while (IsDigit(*p)) ++p;
    while (*p == ' ') ++p;
    return *p == '\0';
}

int Num_ReadDatePart(const char* text) { return Num_IsWholeInt(text) ? Num_ReadInt(text) : 0; }

bool Num_DatePartKept(const char* text, int min, int max) {
    const int value = Num_ReadDatePart(text);
    return max == 0 ? value != 0 : value >= min && value <= max;
}

std::string Num_DatePartText(const char* text, int width, int min, int max) {
    std::vector<char> part(static_cast<std::size_t>(width) + 1);
    if (Num_DatePartKept(text, min, max)) Str_Pad(text, part.data(), width, 1);
    else Str_Spaces(part.data(), width);
    return part.data();
}

std::int64_t Num_IntMin(int width) {
    if (width <= 1) return 0;
    if (width >= 20) return std::numeric_limits<std::int64_t>::min();
    return -Num_IntMax(width - 1);
}

std::string Num_FormatInt(std::int64_t value, int width, bool left) {
    if (width <= 0) return std::string();
    if (value > Num_IntMax(width)) value = Num_IntMax(width);
    if (value < Num_IntMin(width)) value = Num_IntMin(width);
    char text[24];
    auto [end, error] = std::to_chars(text, text + sizeof text, value);
    (void)error;
    return Padded(text, static_cast<std::size_t>(end - text), width, left);
}

std::string Num_FormatReal(double value, int width, int decimals, bool left) {
    if (width <= 0) return std::string();
    if (decimals < 0) decimals = 0;
    if (decimals > 0 && width < decimals + 2) decimals = 0;  // no room for a fraction
    if (std::isnan(value)) value = 0;
    // The limits: all nines in the integer digits and decimals the width
    // leaves, one digit less for a minus sign.
    int integerDigits = width - (decimals > 0 ? decimals + 1 : 0);
    double step = 1 / Power10(decimals);
    double maximum = Power10(integerDigits) - step;
    double minimum = integerDigits > 1 ? -(Power10(integerDigits - 1) - step) : 0;
    if (value > maximum) value = maximum;
    if (value < minimum) value = minimum;
    char text[64];
    auto [end, error] =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    std::size_t length = error == std::errc() ? static_cast<std::size_t>(end - text) : 0;
    if (length > static_cast<std::size_t>(width)) {
        // Rounding carried it into one more digit (9999999.96 -> 10000000.0).
        value = value > 0 ? maximum : minimum;
        end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals).ptr;
        length = static_cast<std::size_t>(end - text);
    }
    return Padded(text, length, width, left);
}

bool Num_FitsReal(double value, int width, int decimals) {
    if (std::isnan(value)) value = 0;
    if (!std::isfinite(value) || width <= 0) return false;
    if (decimals < 0) decimals = 0;
    char text[400];  // the largest double has 309 digits
    auto [end, error] = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    return error == std::errc() && end - text <= width;
}

void Num_WriteInt(char* field, int width, std::int64_t value, bool left) {
    if (width < 0) width = 0;
    std::string text = Num_FormatInt(value, width, left);
    std::memcpy(field, text.data(), text.size());
    field[width] = '\0';
}

void Num_WriteReal(char* field, int width, double value, int decimals, bool left) {
    if (width < 0) width = 0;
    std::string text = Num_FormatReal(value, width, decimals, left);
    std::memcpy(field, text.data(), text.size());
    field[width] = '\0';
}
