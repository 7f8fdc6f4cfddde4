// The line and total calculation on the document in memory, without a window.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "document/Calc.h"
#include "editor/Grid.h"
#include "editor/LineCalc.h"
#include "store/Denpyou.h"
#include "store/Jisya.h"
#include "store/Str.h"

namespace {

class CalcTest : public ::testing::Test {
protected:
    void SetUp() override {
        static bool prepared = false;
        if (!prepared) {
            Record_Prepare(Denpyou_File);
            Record_Prepare(Jisya_File);
            prepared = true;
        }
        Record_Clear(Denpyou_File);
        Record_Clear(Jisya_File);
        Denpyou_TopLine = 0;
        Denpyou_CurRow = 0;
        Goukei_CostShown = 0;
    }

    static char* Field(int line, DenpyouLineField j) { return Denpyou_LineField[Denpyou_LineFieldCount * line + j]; }
    static std::string Text(int line, DenpyouLineField j) { return Field(line, j); }
    // Numbers right-aligned, texts left-aligned, as the cells commit them.
    static void Put(int line, DenpyouLineField j, const char* text) {
        bool left = j == LineField_Kind || j == LineField_Zei;
        Str_Pad(text, Field(line, j), Denpyou_LineWidth[j], left ? 0 : 1);
    }
    static void Jisya(JisyaField k, const char* text) { Str_Pad(text, Jisya_Field[k], Jisya_FieldWidth[k], 1); }
    static void Item(int line, const char* amount, const char* zei = "外税") {
        Put(line, LineField_Kingaku, amount);
        Put(line, LineField_Zei, zei);
    }
    static void Special(int line, char kind, const char* amount = "") {
        const char text[] = {kind, '\0'};
        Put(line, LineField_Kind, text);
        Put(line, LineField_Kingaku, amount);
    }
    static std::string Total() { return Denpyou_Field[DenpyouField_Goukei]; }
    static std::string Amt(const char* digits) {
        std::string s = digits;
        return std::string(10 - s.size(), ' ') + s;
    }
};

// The row arithmetic, one row per case.
TEST_F(CalcTest, LineComputeTable) {
    const struct {
        double t, tr, q, s, sr, j;
        int mode, hissu;
        const char* sankou;
        const char* jitubai;
        const char* amount;
        bool blue;
    } cases[] = {
        // 333 at 77 % x 3, empty actual price, in the three rounding modes.
        {333, 77, 3, 0, 0, 0, 0, 0, "256.4    ", "      256", "       769", false},
        {333, 77, 3, 0, 0, 0, 1, 0, "256.5    ", "      256", "       770", false},
        {333, 77, 3, 0, 0, 0, 2, 0, "256.4    ", "      256", "       769", false},
        // The same row recalculated with the shown actual price 256.
        {333, 77, 3, 0, 0, 256, 0, 0, "256.4    ", "      256", "       768", true},
        {1000, 85, 3, 0, 0, 0, 0, 0, "850.0    ", "      850", "      2550", false},
        // Rate 0 on the list price: the purchase side gives the reference.
        {500, 0, 1, 800, 125, 0, 0, 0, "1000.0   ", "     1000", "      1000", false},
        // List price 0 with a rate: no reference text, actual price x quantity.
        {0, 85, 2, 800, 125, 0, 0, 0, "         ", "         ", "          ", false},
        {0, 85, 2, 800, 125, 700, 0, 0, "         ", "      700", "      1400", true},
        // No price with a rate: no amount, the actual-price edit is cleared.
        {0, 85, 2, 0, 0, 300, 0, 0, "         ", "         ", "          ", false},
        // A discount: the truncated actual price is the amount.
        {0, 0, 5, 0, 0, -300.7, 0, 0, "         ", "     -300", "      -300", false},
        // A negative list price keeps its sign; -12.5 by mode.
        {-1000, 85, 1, 0, 0, 0, 0, 0, "-850.0   ", "     -850", "      -850", false},
        {-125, 10, 1, 0, 0, 0, 0, 0, "-12.5    ", "      -12", "       -13", false},
        {-125, 10, 1, 0, 0, 0, 1, 0, "-12.5    ", "      -12", "       -13", false},
        {-125, 10, 1, 0, 0, 0, 2, 0, "-12.5    ", "      -12", "       -12", false},
        // An empty quantity counts as 1 unless own-company field 31 is set.
        {1000, 85, 0, 0, 0, 0, 0, 0, "850.0    ", "      850", "       850", false},
        {1000, 85, 0, 0, 0, 0, 0, 1, "850.0    ", "      850", "          ", false},
        // The amount is the double product 0.35 x 10 = 3.5, then rounded.
        {1, 100, 10, 0, 0, 0.35, 0, 0, "1.0      ", "        0", "         4", true},
        // Beyond the fields: held at their limits, as whole numbers.
        {999999999, 999, 999999, 0, 0, 0, 0, 0, "999999999", "999999999", "9999999999", true},
        {-99999999, 999, 999999, 0, 0, 0, 0, 0, "-99999999", "-99999999", "-999999999", true},
        // A reference of ten million is shown whole and equals its actual price.
        {12500000, 96, 1, 0, 0, 0, 0, 0, "12000000 ", " 12000000", "  12000000", false},
    };
    for (const auto& c : cases) {
        TDenpyouLineValues v;
        v.Tanka = c.t, v.TankaRitu = c.tr, v.Suuryou = c.q, v.Siire = c.s, v.SiireRitu = c.sr;
        v.Jitubai = c.j;
        TDenpyouLineResult r = DenpyouLine_Compute(v, c.mode, c.hissu);
        SCOPED_TRACE(testing::Message() << c.t << " " << c.tr << " x" << c.q << " " << c.s << " "
                                        << c.sr << " j" << c.j << " mode " << c.mode);
        EXPECT_EQ(r.SankouText, c.sankou);
        EXPECT_EQ(r.JitubaiText, c.jitubai);
        EXPECT_EQ(r.AmountText, c.amount);
        EXPECT_EQ(r.Blue, c.blue);
    }
}

// A price shows with one decimal, or as its whole number where that does not
// fit the nine bytes, so that the text read back is the price.
TEST_F(CalcTest, PricesShowAsTextsThatReadBackAsThePrice) {
    const double infinity = std::numeric_limits<double>::infinity();
    const struct {
        double Price;
        int Decimals;
        bool Left;
        const char* Source;
        const char* Shown;
    } cases[] = {
        {256.4, 1, false, nullptr, "    256.4"},   {256.4, 1, true, nullptr, "256.4    "},
        {9999999.9, 1, false, nullptr, "9999999.9"}, {10000000, 1, false, nullptr, " 10000000"},
        {12345678.9, 1, true, nullptr, "12345678 "}, {-999999.9, 1, false, nullptr, "-999999.9"},
        {-1500000, 1, false, nullptr, " -1500000"},  {123456789, 1, false, nullptr, "123456789"},
        {-12345678, 1, false, nullptr, "-12345678"}, {256.4, 0, false, nullptr, "      256"},
        // Beyond nine digits only a text with an exponent keeps the value.
        {2e9, 1, false, "      2e9", "      2e9"},  {-1e9, 0, false, " -1e9 ", "     -1e9"},
        {infinity, 1, false, "1e999", "    1e999"}, {2e9, 1, false, nullptr, "999999999"},
        {-2e9, 0, true, nullptr, "-99999999"},
    };
    for (const auto& c : cases) {
        const std::string shown = Denpyou_PriceText(c.Price, c.Decimals, c.Left, c.Source);
        EXPECT_EQ(shown, c.Shown) << c.Price;
    }
}

TEST_F(CalcTest, ReferencePriceForTheDisplay) {
    EXPECT_EQ(Denpyou_SankouTanka(333, 77, 0, 0, 0), 256.4);
    EXPECT_EQ(Denpyou_SankouTanka(333, 77, 0, 0, 1), 256.5);
    EXPECT_EQ(Denpyou_SankouTanka(0, 0, 800, 125, 0), 1000.0);
    EXPECT_EQ(Denpyou_SankouTanka(-1000, 85, 0, 0, 0), -850.0);
    EXPECT_EQ(Denpyou_SankouTanka(1000, 0, 0, 0, 0), 0.0);
}

TEST_F(CalcTest, RoundingAtTheHalves) {
    const struct {
        double x;
        long long m0, m1, m2;
    } cases[] = {
        {2.5, 3, 3, 2},     {-2.5, -3, -3, -2}, {2.4999999, 2, 3, 2}, {0.5, 1, 1, 0},
        {2.0, 2, 2, 2},     {-12.5, -13, -13, -12}, {769.5, 770, 770, 769},
        {0.35 * 10, 4, 4, 3},  // a double product that lands on 3.5
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Round_Signed(c.x, 0), c.m0) << c.x;
        EXPECT_EQ(Round_Signed(c.x, 1), c.m1) << c.x;
        EXPECT_EQ(Round_Signed(c.x, 2), c.m2) << c.x;
    }
    EXPECT_EQ(Round_Signed(1e300, 0), INT64_MAX);
    const long double infinity = std::numeric_limits<long double>::infinity();
    for (int mode : {0, 1, 2}) {
        EXPECT_EQ(Round_Value(infinity, mode), INT64_MAX) << mode;
        EXPECT_EQ(Round_Signed(-std::numeric_limits<double>::infinity(), mode), -INT64_MAX) << mode;
        EXPECT_EQ(Round_Value(std::numeric_limits<long double>::quiet_NaN(), mode), 0) << mode;
    }

    // Tax: the sign stays on, mode 0 adds one half and truncates.
    const struct {
        long long s;
        int rate;
        long long m0, m1, m2;
    } zei[] = {
        {3000, 10, 300, 300, 300}, {3000, 5, 150, 150, 150}, {1010, 5, 51, 51, 50},
        {333, 10, 33, 34, 33},     {-152, 5, -7, -7, -8},    {1, 50, 1, 1, 0},
    };
    for (const auto& z : zei) {
        EXPECT_EQ(Denpyou_ZeiAmount(z.s, z.rate, 0), z.m0) << z.s;
        EXPECT_EQ(Denpyou_ZeiAmount(z.s, z.rate, 1), z.m1) << z.s;
        EXPECT_EQ(Denpyou_ZeiAmount(z.s, z.rate, 2), z.m2) << z.s;
    }
}

// The row of the grid from the stored fields: line = window top + row.
TEST_F(CalcTest, LineCalcWritesTheLineOfTheRow) {
    Denpyou_TopLine = 5;
    Put(7, LineField_Tanka, "333");
    Put(7, LineField_TankaRitu, "77");
    Put(7, LineField_Suuryou, "3");
    const struct {
        const char* mode;
        const char* amount;
    } modes[] = {{" ", "769"}, {"1", "770"}, {"2", "769"}};
    for (const auto& m : modes) {
        Jisya(JisyaField_Hasuu, m.mode);
        Put(7, LineField_JitubaiTanka, "");
        DenpyouLine_Calc(2);
        EXPECT_EQ(Text(7, LineField_JitubaiTanka), "      256") << m.mode;
        EXPECT_EQ(Text(7, LineField_Kingaku), Amt(m.amount)) << m.mode;
    }
    EXPECT_EQ(Round_Mode, 2);

    // A stored actual price is kept and used.
    Jisya(JisyaField_Hasuu, " ");
    Put(7, LineField_JitubaiTanka, "300");
    DenpyouLine_Calc(2);
    EXPECT_EQ(Text(7, LineField_JitubaiTanka), "      300");
    EXPECT_EQ(Text(7, LineField_Kingaku), Amt("900"));

    // Rows outside the grid change nothing.
    Put(4, LineField_Tanka, "100");
    Put(4, LineField_TankaRitu, "100");
    DenpyouLine_Calc(-1);
    DenpyouLine_Calc(20);
    EXPECT_EQ(Text(4, LineField_Kingaku), Amt(""));
    EXPECT_EQ(Text(25, LineField_Kingaku), Amt(""));
}

TEST_F(CalcTest, EmptyQuantityFollowsOwnCompanyField31) {
    Put(0, LineField_Tanka, "1000");
    Put(0, LineField_TankaRitu, "85");
    DenpyouLine_Calc(0);
    EXPECT_EQ(Text(0, LineField_Kingaku), Amt("850"));
    EXPECT_EQ(Text(0, LineField_Suuryou), "      ");
    Jisya(JisyaField_Suuryou, "1");
    DenpyouLine_Calc(0);
    EXPECT_EQ(Text(0, LineField_Kingaku), Amt(""));
}

// An amount that overflows to infinity is held at the field's limit with its
// sign, as a finite overflow is; only "not a number" (an infinity times 0)
// counts as 0.
TEST_F(CalcTest, InfinitiesAreHeldAtTheLimitsAndOnlyNotANumberCountsAsZero) {
    const struct {
        const char *tanka, *ritu, *suuryou, *siire, *jitubai;
        const char* amount;
        const char* stored;  // line field 8 afterwards
    } cases[] = {
        {"1e300", "100", "2", "", "", "9999999999", "999999999"},     // finite overflow
        {"1e308", "100", "2", "", "", "9999999999", "999999999"},     // the tenths overflow
        {"-1e308", "100", "2", "", "", "-999999999", "-99999999"},
        {"1e999", "50", "2", "", "", "9999999999", "999999999"},      // typed beyond a double
        {"100", "100", "1e999", "", "", "9999999999", "      100"},   // the quantity
        {"100", "100", "-1e999", "", "", "-999999999", "      100"},
        {"100", "100", "3", "", "1e999", "9999999999", "    1e999"},  // the actual price
        // An infinite list price at rate 0 prices nothing: the line stays a
        // discount of its actual price, whatever the quantity.
        {"1e999", "", "5", "", "-300", "      -300", "     -300"},
        // A reference price that rounds to 0 times an infinite quantity: 0.
        {"0.001", "1", "1e999", "", "", "", "         "},
    };
    Jisya(JisyaField_Suuryou, "1");  // an empty quantity counts 0
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.tanka << " " << c.ritu << " x" << c.suuryou << " j" << c.jitubai);
        Record_Clear(Denpyou_File);
        Put(0, LineField_Tanka, c.tanka);
        Put(0, LineField_TankaRitu, c.ritu);
        Put(0, LineField_Suuryou, c.suuryou);
        Put(0, LineField_Siire, c.siire);
        Put(0, LineField_JitubaiTanka, c.jitubai);
        DenpyouLine_Calc(0);
        EXPECT_EQ(Text(0, LineField_Kingaku), Amt(c.amount));
        EXPECT_EQ(Text(0, LineField_JitubaiTanka), c.stored);
        Denpyou_CalcSeikyuuGoukei();
        EXPECT_EQ(Total(), Amt(c.amount));
    }
}

TEST_F(CalcTest, TaxLinesTakeOnlyItemsTaxedOnTop) {
    Item(0, "1000", "外税");
    Item(1, "2000", "");
    Item(2, "500", "内税");
    Item(3, "700", "なし");
    Special(4, LineKind_Zei, "");
    Jisya(JisyaField_Syouhizei, "10");
    Denpyou_CalcZeiLines(0);
    EXPECT_EQ(Text(4, LineField_Kingaku), Amt("300"));
    EXPECT_EQ(Text(1, LineField_Zei), "外税");
    EXPECT_EQ(Text(2, LineField_Zei), "内税");
    EXPECT_EQ(Text(199, LineField_Zei), "外税");  // every empty line, far below the window too
    EXPECT_EQ(Text(4, LineField_Zei), "    ");    // special lines keep theirs

    Jisya(JisyaField_Syouhizei, "  ");  // blank rate: 5 %
    Denpyou_CalcZeiLines(0);
    EXPECT_EQ(Text(4, LineField_Kingaku), Amt("150"));
    EXPECT_EQ(Total(), Amt("4350"));  // 1000 + 2000 + 500 + 700 + 150

    // A tax line with no item taxed on top since the previous one keeps its amount.
    Special(5, LineKind_Zei, "77");
    Denpyou_CalcZeiLines(0);
    EXPECT_EQ(Text(5, LineField_Kingaku), Amt("77"));
}

TEST_F(CalcTest, SpecialLinesBelowTheWindowAreRecalculated) {
    Item(10, "1000");
    Special(150, LineKind_Zei, "999");  // stale
    Special(151, LineKind_Syoukei, "5");
    Special(152, LineKind_Goukei, "5");
    Item(199, "20");
    Denpyou_CalcZeiLines(0);
    EXPECT_EQ(Text(150, LineField_Kingaku), Amt("50"));
    EXPECT_EQ(Text(151, LineField_Kingaku), Amt("1050"));
    EXPECT_EQ(Text(152, LineField_Kingaku), Amt("1050"));
    EXPECT_EQ(Total(), Amt("1070"));
}

TEST_F(CalcTest, SubtotalsAndTotals) {
    Item(0, "1000");
    Item(1, "2000");
    Special(2, LineKind_Syoukei);
    Special(3, LineKind_Zei, "300");
    Item(4, "500");
    Special(5, LineKind_Syoukei);
    Special(6, LineKind_Goukei);
    Special(7, LineKind_Syoukei, "12");  // nothing to sum: keeps its amount
    Denpyou_CalcSyoukeiLines();
    Denpyou_CalcGoukeiLines();
    EXPECT_EQ(Text(2, LineField_Kingaku), Amt("3000"));
    EXPECT_EQ(Text(5, LineField_Kingaku), Amt("500"));
    EXPECT_EQ(Text(6, LineField_Kingaku), Amt("3800"));
    EXPECT_EQ(Text(7, LineField_Kingaku), Amt("12"));
}

TEST_F(CalcTest, GrandTotalsAndTheDocumentTotalCoverAllLines) {
    Item(0, "1000");
    Special(1, LineKind_SouGoukei);
    Special(2, LineKind_Zei, "50");
    Special(3, LineKind_Syoukei, "1050");  // subtotals count in neither
    Item(120, "-200");
    Special(198, LineKind_SouGoukei);
    Item(199, "3");
    Denpyou_CalcSeikyuuGoukei();
    EXPECT_EQ(Text(1, LineField_Kingaku), Amt("1000"));
    EXPECT_EQ(Text(198, LineField_Kingaku), Amt("850"));
    EXPECT_EQ(Total(), Amt("853"));

    // A total of 0 is ten blanks; a grand total with nothing keeps its amount.
    Record_Clear(Denpyou_File);
    Special(0, LineKind_SouGoukei, "5");
    Item(1, "7");
    Item(2, "-7");
    Denpyou_CalcSeikyuuGoukei();
    EXPECT_EQ(Total(), Amt(""));
    EXPECT_EQ(Text(0, LineField_Kingaku), Amt("5"));
}

TEST_F(CalcTest, SumsBeyondTheFieldAreHeldAtItsLimits) {
    Item(0, "9999999999");
    Item(1, "9999999999");
    Special(2, LineKind_Syoukei);
    Denpyou_CalcZeiLines(0);
    EXPECT_EQ(Total(), "9999999999");
    EXPECT_EQ(Text(2, LineField_Kingaku), "9999999999");
    Item(0, "-999999999");
    Item(1, "-999999999");
    Denpyou_CalcSeikyuuGoukei();
    EXPECT_EQ(Total(), "-999999999");
    EXPECT_EQ(Denpyou_Field[DenpyouField_Keisyou][0], ' ');  // nothing written past the total
}

TEST_F(CalcTest, TotalLabelPressAndReleaseWithoutAWindow) {
    Item(0, "1000");
    Put(0, LineField_Siire, "400");
    Put(0, LineField_Suuryou, "2");
    Label_GoukeiMouseDown();
    EXPECT_EQ(Goukei_CostShown, 1);
    Denpyou_CurRow = -1;  // a header field has the focus: no line calculation
    Label_GoukeiMouseUp();
    EXPECT_EQ(Goukei_CostShown, 0);
    EXPECT_EQ(Text(0, LineField_Kingaku), Amt("1000"));
    EXPECT_EQ(Total(), Amt("1000"));
}

}  // namespace
