// The arithmetic of a document on its field values: a detail line's
// reference price, actual unit price and amount; the tax, subtotal, total and
// grand-total lines; the document total; and the purchase-cost total. No
// control is read or written here: the editor passes in what a row's edits
// hold and shows what the passes write (Denpyou_View).
//
// Amounts and sums are whole numbers computed in 64 bits and written as
// "%10ld" (ten blanks for 0); a value that does not fit its field is held at
// the field's limits, an infinity too (with its sign); only a value that is
// not a number (an infinity times 0) counts as 0.
#pragma once

#include <cstdint>
#include <string>

// How computed amounts are rounded to whole numbers: 0 half up, 1 up, any
// other value down. Taken from JisyaField_Hasuu by every line calculation,
// every tax pass and the display of the rows.
extern int Round_Mode;

// Who shows what the passes write: the amount of line 0 ... 199 and the
// document total ("%10ld" or ten blanks). The editor sets it; either may be
// left empty.
struct TDenpyouView {
    void (*LineAmount)(int line, const std::string& text) = nullptr;
    void (*Total)(const std::string& text) = nullptr;
};
extern TDenpyouView Denpyou_View;

// Round_Mode := JisyaField_Hasuu read as a number (blank: 0).
void Round_SetFromJisya();
// x (never negative) rounded to a whole number by mode. A value beyond 64
// bits (an infinity too) is held at the limit; not a number gives 0.
std::int64_t Round_Value(long double x, int mode);
// value rounded on its absolute value, with its sign put back: -12.5 gives
// -13 in modes 0 and 1 and -12 otherwise.
std::int64_t Round_Signed(double value, int mode);

// The reference price of a row: list price t at rate tr percent or, when tr
// is 0, purchase price s at rate sr percent; rounded to tenths by mode on its
// absolute value, with its sign. 0 when neither price has a non-zero rate
// (a product that is not a number, an infinity times 0, counts as 0).
double Denpyou_SankouTanka(double t, double tr, double s, double sr, int mode);

// A price in its nine-byte field as the rows show it: with decimals 1 the
// one-decimal form ("%9.1f", "%-9.1f" when left), or, where that does not
// fit, the whole number toward zero ("%9d"); with decimals 0 the whole
// number alone. Read back, the text is the price (to its shown decimal), so
// a cell passed through stores what it showed. A price whose whole number
// does not fit either shows source, the text it was read from, when that
// fits (a price typed with an exponent, such as 2e9); otherwise it is held
// at the field's limits.
std::string Denpyou_PriceText(double price, int decimals, bool left, const char* source = nullptr);

// The numbers of one detail row, as typed.
struct TDenpyouLineValues {
    double Tanka = 0;      // list price
    double TankaRitu = 0;  // its rate in percent
    double Suuryou = 0;    // quantity
    double Siire = 0;      // purchase price
    double SiireRitu = 0;  // purchase rate in percent
    double Jitubai = 0;    // actual unit price
    const char* JitubaiTyped = nullptr;  // the text Jitubai was read from
};

// What the line calculation shows and stores for one row.
struct TDenpyouLineResult {
    std::string SankouText;   // reference price, Denpyou_PriceText left-aligned, or nine blanks
    std::string JitubaiText;  // actual unit price, its whole number (Denpyou_PriceText), or nine blanks
    std::string AmountText;   // "%10ld" or ten blanks
    std::int64_t Amount = 0;  // as written in AmountText
    bool Nebiki = false;      // a discount line: the stored actual price is kept
    bool Blue = false;        // the actual price differs from the reference
};

// The line calculation of one row without any control or field: suuryouHissu
// is JisyaField_Suuryou (0: an empty quantity counts as 1).
TDenpyouLineResult DenpyouLine_Compute(const TDenpyouLineValues& values, int mode,
                                       int suuryouHissu);
// The tax of a sum s at rate percent, by mode (its sign kept).
std::int64_t Denpyou_ZeiAmount(std::int64_t s, int rate, int mode);

// The line calculation of line 0 ... 199 from the values its row shows (by
// the rounding and JisyaField_Suuryou): LineField_JitubaiTanka takes the
// actual price when it holds none and the line is no discount,
// LineField_Kingaku the amount.
TDenpyouLineResult DenpyouLine_Apply(int line, const TDenpyouLineValues& values);
// The tax lines, then the subtotal lines, the total lines and the document
// total. row is not used.
void Denpyou_CalcZeiLines(int row);
void Denpyou_CalcSyoukeiLines();
void Denpyou_CalcGoukeiLines();
void Denpyou_CalcSouGoukeiLines();
// The document total into DenpyouField_Goukei (and shown), then the
// grand-total lines.
void Denpyou_CalcSeikyuuGoukei();
// The purchase-cost total of every line, as the total is written.
std::string Denpyou_SiireGoukeiText();
