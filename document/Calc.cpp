#include "document/Calc.h"

#include <cmath>
#include <cstring>
#include <initializer_list>
#include <limits>

#include "store/Number.h"
#include "store/Denpyou.h"
#include "store/Jisya.h"

int Round_Mode = 0;
TDenpyouView Denpyou_View;

namespace {


// Line kinds as the calculation compares them: the kind byte read as a
// number, so a blank (an item line) reads 0.
constexpr int KindItem = LineKind_Number(LineKind_Item);
constexpr int KindZei = LineKind_Number(LineKind_Zei);
constexpr int KindSyoukei = LineKind_Number(LineKind_Syoukei);
constexpr int KindGoukei = LineKind_Number(LineKind_Goukei);
constexpr int KindSouGoukei = LineKind_Number(LineKind_SouGoukei);

constexpr int AmountWidth = 10;
constexpr int PriceWidth = 9;

const char Sotozei[] = "外税";  // 4 bytes

constexpr std::int64_t Int64Max = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t Int64Min = std::numeric_limits<std::int64_t>::min();

// A whole long double as a 64-bit integer, held at the limits (an infinity
// too, with its sign); not a number: 0.
std::int64_t ToInt64(long double x) {
    if (std::isnan(x)) return 0;
    if (x >= 9223372036854775807.0L) return Int64Max;
    if (x <= -9223372036854775808.0L) return Int64Min;
    return static_cast<std::int64_t>(x);
}

std::int64_t Add(std::int64_t a, std::int64_t b) {
    std::int64_t sum;
    if (__builtin_add_overflow(a, b, &sum)) return b > 0 ? Int64Max : Int64Min;
    return sum;
}

// Whether the product of two numbers counts: neither 0 nor "not a number"
// (an infinity times 0).
bool NonZeroProduct(double a, double b) {
    const double p = a * b;
    return p != 0 && !std::isnan(p);
}

std::string AmountText(std::int64_t amount) {
    return amount == 0 ? std::string(AmountWidth, ' ') : Num_FormatInt(amount, AmountWidth);
}

// text into a field of width bytes: cut or filled out with blanks, a NUL after.
void SetField(char* field, int width, const std::string& text) {
    std::size_t n = text.size() < static_cast<std::size_t>(width) ? text.size() : width;
    std::memcpy(field, text.data(), n);
    std::memset(field + n, ' ', width - n);
    field[width] = '\0';
}

int LineKind(int line) { return Num_ReadInt(Denpyou_LineFieldAt(line, LineField_Kind)); }
std::int64_t LineAmount(int line) { return Num_ReadLong(Denpyou_LineFieldAt(line, LineField_Kingaku)); }

// A computed amount into the line amount, and to whoever shows the line.
void SetLineAmount(int line, const std::string& text) {
    SetField(Denpyou_LineFieldAt(line, LineField_Kingaku), Denpyou_LineWidth[LineField_Kingaku], text);
    if (Denpyou_View.LineAmount) Denpyou_View.LineAmount(line, text);
}

void ShowTotal(const std::string& text) {
    if (Denpyou_View.Total) Denpyou_View.Total(text);
}

// The text without leading and trailing blanks and line feeds.
std::string Bare(const char* text) {
    std::string s = text;
    const size_t first = s.find_first_not_of(" \n");
    if (first == std::string::npos) return "";
    return s.substr(first, s.find_last_not_of(" \n") - first + 1);
}

// The subtotal and total passes: line kind target sums the item and tax
// lines since the previous such line that was written; tax lines right after
// a written line, before the next item, are not counted.
void CalcSumLines(int target) {
    std::int64_t s = 0;
    bool skip = false;
    for (int i = 0; i < Denpyou_LineMax; ++i) {
        int kind = LineKind(i);
        if (skip && kind == KindItem) skip = false;
        if (!skip && (kind == KindItem || kind == KindZei)) s = Add(s, LineAmount(i));
        if (kind == target && s != 0) {
            SetLineAmount(i, Num_FormatInt(s, AmountWidth));
            s = 0;
            skip = true;
        }
    }
}

}  // namespace

void Round_SetFromJisya() { Round_Mode = Num_ReadInt(Jisya_Field[JisyaField_Hasuu]); }

std::string Denpyou_PriceText(double price, int decimals, bool left, const char* source) {
    if (std::isnan(price)) price = 0;
    if (decimals > 0 && Num_FitsReal(price, PriceWidth, decimals))
        return Num_FormatReal(price, PriceWidth, decimals, left);
    const long double whole = std::trunc(static_cast<long double>(price));
    const bool fits = whole >= Num_IntMin(PriceWidth) && whole <= Num_IntMax(PriceWidth);
    if (!fits && source) {
        const std::string typed = Bare(source);
        const size_t width = PriceWidth;
        if (!typed.empty() && typed.size() <= width)
            return left ? typed + std::string(width - typed.size(), ' ') : std::string(width - typed.size(), ' ') + typed;
    }
    return Num_FormatInt(ToInt64(whole), PriceWidth, left);
}

std::int64_t Round_Value(long double x, int mode) {
    if (std::isnan(x)) return 0;
    if (mode == 0) return ToInt64(std::trunc(x + 0.5L));
    if (mode == 1) return ToInt64(std::ceil(x));
    return ToInt64(std::floor(x));
}

std::int64_t Round_Signed(double value, int mode) {
    // Round_Value is never negative, so its negation always fits.
    if (value < 0) return -Round_Value(-static_cast<long double>(value), mode);
    return Round_Value(value, mode);
}

double Denpyou_SankouTanka(double t, double tr, double s, double sr, int mode) {
    for (double* v : {&t, &tr, &s, &sr})
        if (std::isnan(*v)) *v = 0;
    if (!NonZeroProduct(t, tr) && !NonZeroProduct(s, sr)) return 0;
    if (tr == 0) {
        t = s;
        tr = sr;
    }
    // Tenths of the price: the product in extended precision, kept as a double.
    double r = static_cast<double>(static_cast<long double>(t) * tr * 0.1L);
    bool negative = r < 0;
    std::int64_t k = Round_Value(negative ? -r : r, mode);
    double x = static_cast<double>(static_cast<long double>(k) * 0.1L);
    return negative ? -x : x;
}

TDenpyouLineResult DenpyouLine_Compute(const TDenpyouLineValues& v, int mode, int suuryouHissu) {
    TDenpyouLineResult result;
    double q = v.Suuryou;
    if (suuryouHissu == 0 && q == 0) q = 1;
    double j = v.Jitubai;
    double x = 0;
    bool shown = false;
    std::int64_t amount = 0;
    std::int64_t nebiki = 0;
    if (NonZeroProduct(v.Tanka, v.TankaRitu) || NonZeroProduct(v.Siire, v.SiireRitu)) {
        x = Denpyou_SankouTanka(v.Tanka, v.TankaRitu, v.Siire, v.SiireRitu, mode);
        shown = v.TankaRitu != 0 ? NonZeroProduct(v.Tanka, v.TankaRitu) : NonZeroProduct(v.Siire, v.SiireRitu);
        // The actual price defaults to the reference price, with its sign.
        if (j == 0) j = x;
        amount = Round_Signed(j * q, mode);
    } else {
        // Without a price only a discount counts: the actual price itself
        // is the amount then.
        if (j < 0) {
            result.Nebiki = true;
            nebiki = ToInt64(std::trunc(static_cast<long double>(j)));
        }
        j = 0;
    }
    result.SankouText = shown ? Denpyou_PriceText(x, 1, true) : std::string(PriceWidth, ' ');
    // A typed actual price is shown from its own text where its whole number
    // does not fit; a default taken from the reference price has no text.
    const char* typed = v.Jitubai != 0 ? v.JitubaiTyped : nullptr;
    if (result.Nebiki) {
        result.JitubaiText = Denpyou_PriceText(v.Jitubai, 0, false, typed);
        amount = nebiki;
    } else if (j != 0) {
        result.JitubaiText = Denpyou_PriceText(j, 0, false, typed);
    } else {
        result.JitubaiText = std::string(PriceWidth, ' ');
    }
    result.Blue = Num_ReadReal(result.SankouText.c_str()) != j;
    if (amount > Num_IntMax(AmountWidth)) amount = Num_IntMax(AmountWidth);
    if (amount < Num_IntMin(AmountWidth)) amount = Num_IntMin(AmountWidth);
    result.Amount = amount;
    result.AmountText = AmountText(amount);
    return result;
}

std::int64_t Denpyou_ZeiAmount(std::int64_t s, int rate, int mode) {
    long double y = static_cast<long double>(s) * rate * 0.01L;
    if (mode == 0) return ToInt64(std::trunc(y + 0.5L));
    double yd = static_cast<double>(y);
    if (mode == 1) return ToInt64(std::ceil(yd));
    return ToInt64(std::floor(yd));
}

TDenpyouLineResult DenpyouLine_Apply(int line, const TDenpyouLineValues& values) {
    Round_SetFromJisya();
    TDenpyouLineResult r = DenpyouLine_Compute(values, Round_Mode, Num_ReadInt(Jisya_Field[JisyaField_Suuryou]));
    // A stored actual price that is not 0 is never overwritten here.
    char* stored = Denpyou_LineFieldAt(line, LineField_JitubaiTanka);
    if (!r.Nebiki && Num_ReadReal(stored) == 0)
        SetField(stored, Denpyou_LineWidth[LineField_JitubaiTanka], r.JitubaiText);
    SetField(Denpyou_LineFieldAt(line, LineField_Kingaku), Denpyou_LineWidth[LineField_Kingaku], r.AmountText);
    return r;
}

void Denpyou_CalcZeiLines(int /*row*/) {
    int rate = Num_ReadInt(Jisya_Field[JisyaField_Syouhizei]);
    if (rate == 0) rate = 5;
    Round_SetFromJisya();
    std::int64_t s = 0;
    for (int i = 0; i < Denpyou_LineMax; ++i) {
        int kind = LineKind(i);
        if (kind == KindItem) {
            char* zeiKind = Denpyou_LineFieldAt(i, LineField_Zei);
            if (zeiKind[0] == ' ') SetField(zeiKind, Denpyou_LineWidth[LineField_Zei], Sotozei);
            if (std::memcmp(zeiKind, Sotozei, 4) == 0) s = Add(s, LineAmount(i));
        } else if (kind == KindZei && s != 0) {
            SetLineAmount(i, Num_FormatInt(Denpyou_ZeiAmount(s, rate, Round_Mode), AmountWidth));
            s = 0;
        }
    }
    Denpyou_CalcSyoukeiLines();
    Denpyou_CalcGoukeiLines();
    Denpyou_CalcSeikyuuGoukei();
}

void Denpyou_CalcSyoukeiLines() { CalcSumLines(KindSyoukei); }

void Denpyou_CalcGoukeiLines() { CalcSumLines(KindGoukei); }

void Denpyou_CalcSouGoukeiLines() {
    std::int64_t s = 0;
    for (int i = 0; i < Denpyou_LineMax; ++i) {
        int kind = LineKind(i);
        if (kind == KindItem || kind == KindZei) s = Add(s, LineAmount(i));
        if (kind == KindSouGoukei && s != 0) SetLineAmount(i, Num_FormatInt(s, AmountWidth));
    }
}

void Denpyou_CalcSeikyuuGoukei() {
    std::int64_t total = 0;
    for (int i = 0; i < Denpyou_LineMax; ++i) {
        int kind = LineKind(i);
        if (kind == KindItem || kind == KindZei) total = Add(total, LineAmount(i));
    }
    std::string text = AmountText(total);
    SetField(Denpyou_Field[DenpyouField_Goukei], Denpyou_FieldWidth[DenpyouField_Goukei], text);
    ShowTotal(text);
    Denpyou_CalcSouGoukeiLines();
}

std::string Denpyou_SiireGoukeiText() {
    std::int64_t total = 0;
    for (int i = 0; i < Denpyou_LineMax; ++i) {
        double s = Num_ReadReal(Denpyou_LineFieldAt(i, LineField_Siire));
        double q = Num_ReadReal(Denpyou_LineFieldAt(i, LineField_Suuryou));
        if (NonZeroProduct(s, q)) total = Add(total, ToInt64(std::trunc(static_cast<long double>(s) * q)));
    }
    return AmountText(total);
}
