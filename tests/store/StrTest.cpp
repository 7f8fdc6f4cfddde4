// Fixed-width text fields: padding, trimming and blank buffers, byte exact,
// and never a byte written beyond the destination's width + 1.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "store/Str.h"

namespace {

// A destination of width + 1 bytes followed by guard bytes that must stay.
struct Guarded {
    explicit Guarded(int width) : width(width), bytes(static_cast<size_t>(width) + 1 + 8, '#') {}
    char* data() { return bytes.data(); }
    std::string field() const { return bytes.substr(0, static_cast<size_t>(width)); }
    bool nulAtWidth() const { return bytes[static_cast<size_t>(width)] == '\0'; }
    bool guardIntact() const { return bytes.substr(static_cast<size_t>(width) + 1) == std::string(8, '#'); }
    int width;
    std::string bytes;
};

struct PadCase {
    const char* source;
    int width;
    int right;
    const char* field;
};

TEST(StrPad, FillsTheFieldExactly) {
    const PadCase cases[] = {
        {"12", 6, 1, "    12"},
        {"12  ", 6, 1, "    12"},     // trailing blanks dropped
        {" 12", 6, 1, "    12"},      // a leading blank is copied too
        {"  12", 6, 1, "    12"},
        {"1 2", 6, 1, "   1 2"},      // inner blanks stay
        {"AB  ", 6, 0, "AB    "},
        {" AB", 6, 0, " AB   "},      // left-aligned copies as it is
        {"", 6, 0, "      "},
        {"", 6, 1, "      "},
        {"   ", 6, 1, "      "},      // nothing but blanks copies nothing
        {"ABCDEF", 6, 0, "ABCDEF"},
        {"ABCDEF", 6, 1, "ABCDEF"},
        {"A\nB", 5, 0, "A\nB  "},     // line feeds are text here
        {"ABCDEFGH", 6, 0, "ABCDEF"}, // longer texts are cut at the width
        {"ABCDEFGH", 6, 1, "CDEFGH"},
        {"円円円円", 7, 0, "円円円 "},  // a double-byte character is never split
        {"円円円円", 7, 1, " 円円円"},
        {"Ａ", 2, 1, "Ａ"},
    };
    for (const auto& c : cases) {
        Guarded dest(c.width);
        Str_Pad(c.source, dest.data(), c.width, c.right);
        EXPECT_EQ(dest.field(), c.field) << "source [" << c.source << "] right " << c.right;
        EXPECT_TRUE(dest.nulAtWidth()) << c.source;
        EXPECT_TRUE(dest.guardIntact()) << c.source;
    }
}

TEST(StrPad, WorksInPlace) {
    char field[7] = "12";
    Str_Pad(field, field, 6, 1);
    EXPECT_STREQ(field, "    12");
    char left[7] = "AB";
    Str_Pad(left, left, 6, 0);
    EXPECT_STREQ(left, "AB    ");
}

struct TrimCase {
    std::string source;  // NUL-terminated text (the bytes before the first NUL)
    int width;
    const char* result;
    std::string sourceAfter;  // the source's bytes up to its old length + 1
};

TEST(StrTrim, TrimsAndRewritesTheSource) {
    const TrimCase cases[] = {
        // The left-trimmed text goes back over the source; the old tail stays
        // behind its NUL.
        {"  A B \n", 7, "A B", std::string("A B \n\0\n\0", 8)},
        {"   ", 3, "", std::string("   \0", 4)},       // all blank: source unchanged
        {"", 3, "", std::string("\0", 1)},
        {"\n \n", 3, "", std::string("\n \n\0", 4)},
        {"AB", 5, "AB", std::string("AB\0", 3)},
        {"　A", 4, "　A", std::string("　A\0", 4)},  // the full-width space is text
        {"ABCDEFGH", 4, "ABCD", std::string("ABCDEFGH\0", 9)},
        {"  ABCDEFGH", 4, "ABCD", std::string("ABCDEFGH\0H\0", 11)},
        {"      ", 3, "", std::string("      \0", 7)},  // longer than the width, all blank
    };
    for (const auto& c : cases) {
        std::string source = c.source;
        source.push_back('\0');
        Guarded dest(c.width);
        Str_Trim(source.data(), dest.data(), c.width);
        EXPECT_STREQ(dest.data(), c.result) << "source [" << c.source << "]";
        EXPECT_EQ(source, c.sourceAfter) << "source [" << c.source << "]";
        EXPECT_TRUE(dest.nulAtWidth()) << c.source;
        EXPECT_TRUE(dest.guardIntact()) << c.source;
    }
}

TEST(StrSpaces, BlanksAndANul) {
    char buf[8];
    std::memset(buf, '#', sizeof buf);
    Str_Spaces(buf, 5);
    EXPECT_EQ(std::string(buf, 7), std::string("     \0#", 7));
    Str_Spaces(buf, 0);
    EXPECT_STREQ(buf, "");
}

TEST(StrToInt, ReadsAsAtoiWithinTheField) {
    const struct {
        const char* text;
        int n;
        int value;
    } cases[] = {
        {"  40", -1, 40}, {"2026", 4, 2026}, {"20261210", 4, 2026}, {"    ", 4, 0}, {"", -1, 0},
        {" -12x", -1, -12}, {"7  ", 3, 7}, {"abc", -1, 0}, {"99999999999", -1, 2147483647},
        {"-99999999999", -1, -2147483647 - 1}, {"1\0" "9", 3, 1},
    };
    for (const auto& c : cases) EXPECT_EQ(Str_ToInt(c.text, c.n), c.value) << c.text;
}

}  // namespace
