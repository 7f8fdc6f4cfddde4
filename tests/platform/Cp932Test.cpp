// CP932 <-> UTF-8: the Windows table (not plain Shift_JIS), unmappable
// characters refused, broken bytes replaced.
#include <gtest/gtest.h>

#include <string>

#include "platform/Cp932.h"

namespace {

// UTF-8 text from a u8 literal (the tests' own literals are CP932).
std::string U8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

TEST(Cp932, TheWindowsTableRoundTrips) {
    const struct {
        const char8_t* utf8;
        const char* cp932;
    } cases[] = {
        {u8"～", "\x81\x60"},  // U+FF5E, not the wave dash
        {u8"－", "\x81\x7C"},  // U+FF0D, not the minus sign
        {u8"∥", "\x81\x61"},
        {u8"￢", "\x81\xCA"},
        {u8"①", "\x87\x40"},   // NEC row 13
        {u8"Ⅰ", "\x87\x54"},
        {u8"㈱", "\x87\x8A"},
        {u8"㍾", "\x87\x8D"},
        {u8"ⅰ", "\xFA\x40"},   // IBM extensions
        {u8"髙", "\xFB\xFC"},
        {u8"﨑", "\xFA\xB1"},
        {u8"表", "\x95\x5C"},   // trail byte 0x5C
        {u8"ｱ", "\xB1"},
        {u8"A 1\n", "A 1\n"},
        {u8"", ""},
    };
    for (const auto& c : cases) {
        bool refused = true;
        EXPECT_EQ(Cp932_FromUtf8(U8(c.utf8), &refused), c.cp932) << U8(c.utf8);
        EXPECT_FALSE(refused) << U8(c.utf8);
        EXPECT_EQ(Cp932_ToUtf8(c.cp932), U8(c.utf8)) << U8(c.utf8);
    }
    // The literals of the system code are these bytes.
    EXPECT_EQ(Cp932_ToUtf8("消費税"), U8(u8"消費税"));
}

TEST(Cp932, CharactersItCannotHoldAreLeftOutAndReported) {
    const struct {
        const char8_t* utf8;
        const char* cp932;
        bool refused;
    } cases[] = {
        {u8"a😀b", "ab", true},
        {u8"한글", "", true},
        {u8"¦", "", true},
        {u8"電気", "\x93\x64\x8B\x43", false},
    };
    for (const auto& c : cases) {
        bool refused = !c.refused;
        EXPECT_EQ(Cp932_FromUtf8(U8(c.utf8), &refused), c.cp932) << U8(c.utf8);
        EXPECT_EQ(refused, c.refused) << U8(c.utf8);
    }
    bool refused = false;
    EXPECT_EQ(Cp932_FromUtf8("a\xFF" "b\xE3\x81", &refused), "ab");  // broken UTF-8
    EXPECT_TRUE(refused);
    EXPECT_EQ(Cp932_FromUtf8("x"), "x");  // no flag wanted
}

// Input methods on Linux type the JIS forms of a few characters; they are
// taken as the bytes of the Windows forms, which is what they read back as.
TEST(Cp932, JisFormsAreTakenAsTheWindowsForms) {
    const struct {
        const char8_t* typed;
        const char* cp932;
        const char8_t* shown;
    } cases[] = {
        {u8"\u301C", "\x81\x60", u8"\uFF5E"},  // wave dash
        {u8"\u2212", "\x81\x7C", u8"\uFF0D"},  // minus sign
        {u8"\u2016", "\x81\x61", u8"\u2225"},  // double vertical line
    };
    for (const auto& c : cases) {
        bool refused = true;
        EXPECT_EQ(Cp932_FromUtf8(U8(c.typed), &refused), c.cp932);
        EXPECT_FALSE(refused);
        EXPECT_EQ(Cp932_ToUtf8(c.cp932), U8(c.shown));
    }
}

TEST(Cp932, BytesThatAreNoCp932BecomeReplacementCharacters) {
    EXPECT_EQ(Cp932_ToUtf8("\x81\x20" "A"), U8(u8"\uFFFD A"));  // a lead byte without its trail
    EXPECT_EQ(Cp932_ToUtf8("A\x82"), U8(u8"A\uFFFD"));        // cut off at the end
    EXPECT_EQ(Cp932_ToUtf8("\xA0" "B"), U8(u8"\uFFFDB"));
}

}  // namespace
