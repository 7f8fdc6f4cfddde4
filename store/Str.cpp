// Fixed-width text fields. Text is CP932 handled byte by byte; only 0x20 is a
// blank (Str_Trim also drops line feeds). No trail byte of a double-byte
// character is 0x20 or 0x0A, so trimming never splits a character.
#include "store/Str.h"

#include <climits>
#include <cstring>
#include <vector>

#include "store/Number.h"

namespace {

bool IsLead(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }
bool IsTrimmed(char c) { return c == ' ' || c == '\n'; }

// The longest prefix of text[0 .. n) that is at most width bytes and does
// not end inside a double-byte character.
int FitLength(const char* text, int n, int width) {
    if (n <= width) return n;
    int i = 0;
    while (i < width) {
        int len = (IsLead(static_cast<unsigned char>(text[i])) && i + 1 < n) ? 2 : 1;
        if (i + len > width) break;
        i += len;
    }
    return i;
}

// The first character boundary of text[0 .. n) at or after position from.
int BoundaryFrom(const char* text, int n, int from) {
    int i = 0;
    while (i < from && i < n) i += (IsLead(static_cast<unsigned char>(text[i])) && i + 1 < n) ? 2 : 1;
    return i;
}

}  // namespace

void Str_Spaces(char* buffer, int n) {
    if (n < 0) n = 0;
    std::memset(buffer, ' ', static_cast<size_t>(n));
    buffer[n] = '\0';
}

void Str_Pad(const char* source, char* destination, int width, int right) {
    if (width < 0) width = 0;
    // The source may be the destination's own text: work on the length first
    // and move with memmove.
    int n = static_cast<int>(std::strlen(source));
    if (right == 0) {
        int len = FitLength(source, n, width);
        std::memmove(destination, source, static_cast<size_t>(len));
        std::memset(destination + len, ' ', static_cast<size_t>(width - len));
        destination[width] = '\0';
        return;
    }
    int m = n;
    while (m > 0 && source[m - 1] == ' ') --m;  // trailing blanks are dropped
    int start = m > width ? BoundaryFrom(source, m, m - width) : 0;
    int len = m - start;
    std::memmove(destination + (width - len), source + start, static_cast<size_t>(len));
    std::memset(destination, ' ', static_cast<size_t>(width - len));
    destination[width] = '\0';
}

void Str_Trim(char* source, char* destination, int width) {
    if (width < 0) width = 0;
    Str_Spaces(destination, width);
    int n = static_cast<int>(std::strlen(source));
    if (n == 0) {
        destination[0] = '\0';
        return;
    }
    int first = 0;
    while (first < n && IsTrimmed(source[first])) ++first;
    int len;
    if (first < n) {
        len = FitLength(source + first, n - first, width);
        std::memcpy(destination, source + first, static_cast<size_t>(len));
        destination[len] = '\0';
        // The left-trimmed text goes back over the source (with its NUL);
        // the bytes behind that NUL keep their old values.
        if (first > 0) std::memmove(source, source + first, static_cast<size_t>(n - first + 1));
    } else {
        len = n < width ? n : width;  // blanks and line feeds only
        std::memcpy(destination, source, static_cast<size_t>(len));
        destination[len] = '\0';
    }
    while (len > 0 && IsTrimmed(destination[len - 1])) --len;
    destination[len] = '\0';
}

int Str_ToInt(const char* text, int n) {
    int i = 0;
    auto more = [&] { return (n < 0 || i < n) && text[i] != '\0'; };
    while (more() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
    bool negative = false;
    if (more() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long value = 0;
    while (more() && text[i] >= '0' && text[i] <= '9') {
        if (value <= INT_MAX) value = value * 10 + (text[i] - '0');
        ++i;
    }
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

std::string Str_CommitText(const std::string& text, int width, TCommitForm form) {
    std::vector<char> buffer(static_cast<size_t>(width) + 1);
    Str_Spaces(buffer.data(), width);
    const bool keep = form == TCommitForm::Left || form == TCommitForm::Right ||
                      (form == TCommitForm::RightReal && Num_ReadReal(text.c_str()) != 0) ||
                      (form == TCommitForm::RightInt && Num_ReadLong(text.c_str()) != 0);
    if (keep) Str_Pad(text.c_str(), buffer.data(), width, form == TCommitForm::Left ? 0 : 1);
    return buffer.data();
}
