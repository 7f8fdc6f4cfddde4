#include "print/PrintText.h"

#include <cstring>

#include "store/Number.h"
#include "store/Str.h"

namespace {

bool IsLead(char c) {
    const auto b = static_cast<unsigned char>(c);
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// The bytes of a field that a joined line takes: none when the field is
// empty or starts with a blank, else its text without trailing blanks.
int CountedLength(const char* field) {
    if (field[0] == '\0' || field[0] == ' ') return 0;
    int n = static_cast<int>(std::strlen(field));
    while (n > 0 && field[n - 1] == ' ') --n;
    return n;
}

// Copies text[0 .. n) by whole characters and returns the bytes copied; a
// lead byte in the last position has its trail byte outside the text and is
// dropped.
int CopyCharacters(const char* text, int n, char* to) {
    int from = 0, out = 0;
    while (from < n) {
        if (IsLead(text[from])) {
            if (from + 1 >= n) break;
            to[out++] = text[from++];
        }
        to[out++] = text[from++];
    }
    return out;
}

bool Heisei(int westernYear, int month) { return westernYear < 2019 || (westernYear == 2019 && month < 5); }

}  // namespace

void Str_InsertCommas(const char* source, char* destination, int width) {
    for (int i = 0; i < width; ++i) {
        const char c = source[width - 1 - i];
        if (i < 3) {
            destination[width + 1 - i] = c;  // the last three whatever they are
            continue;
        }
        if (c == ' ') continue;
        if (i == 3) destination[width - 2] = ',';
        if (i == 6) destination[width - 6] = ',';
        destination[i < 6 ? width - i : width - i - 1] = c;
    }
    // A minus sign before a separator takes the separator's place: -123
    // shows no separator.
    for (char* p = destination; p[0] != '\0' && p[1] != '\0'; ++p)
        if (p[0] == '-' && p[1] == ',') {
            p[0] = ' ';
            p[1] = '-';
        }
}

std::string Print_Amount(std::int64_t value, int width) {
    const std::string number = Num_FormatInt(value, width);
    std::string text(static_cast<size_t>(width) + 2, ' ');
    Str_InsertCommas(number.c_str(), text.data(), width);
    return text;
}

int Str_JoinFields(const char* first, const char* second, char* destination) {
    const int n1 = CountedLength(first), n2 = CountedLength(second);
    if ((n1 == 0 && n2 == 0) || n1 + n2 > 56) return 1;
    int at = CopyCharacters(first, n1, destination);
    if (n1 != 0) at += 2;  // the caller's blanks between the two
    at += CopyCharacters(second, n2, destination + at);
    destination[at] = '\0';
    return 0;
}

const char* Print_EraName(int westernYear, int month) { return Heisei(westernYear, month) ? "平成" : "令和"; }

const char* Print_TypedEraName(int eraYear, int month) {
    if (eraYear == 31) return month < 5 ? "平成" : "令和";
    return eraYear >= 27 && eraYear < 31 ? "平成" : "令和";
}

std::string Print_EraDate(const char* eraName, const char* year2, const char* month2, const char* day2) {
    std::string text = std::string(eraName) + "   年   月   日";
    text.replace(5, 2, year2, 2);
    text.replace(10, 2, month2, 2);
    text.replace(15, 2, day2, 2);
    return text;
}

std::string Print_StoredEraDate(int westernYear, int month, int day) {
    const bool heisei = Heisei(westernYear, month);
    const std::string year = Num_FormatInt(westernYear - (heisei ? 1988 : 2018), 2);
    const std::string mm = month >= 1 && month <= 12 ? Num_FormatInt(month, 2) : "  ";
    const std::string dd = day >= 1 && day <= 31 ? Num_FormatInt(day, 2) : "  ";
    return Print_EraDate(heisei ? "平成" : "令和", year.c_str(), mm.c_str(), dd.c_str());
}
