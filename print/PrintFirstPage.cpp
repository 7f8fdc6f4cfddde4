#include "print/PrintFirstPage.h"

#include <cstring>
#include <string>

#include "store/Number.h"
#include "print/DenpyouPrintRun.h"
#include "print/PrintText.h"
#include "store/Denpyou.h"
#include "store/Jisya.h"
#include "store/Str.h"

namespace {

const char* Doc(int field) { return Denpyou_Field[field]; }
const char* Own(int field) { return Jisya_Field[field]; }
// The own-company switches are numbers: "1", blank (0), "2", ...
int Setting(int field) { return Str_ToInt(Jisya_Field[field]); }

// Footer modes (JisyaField_BikouPrint).
constexpr int Footer_Bikou = 0, Footer_MakeDate = 1;

bool StartsBlank(const char* text) { return text[0] == ' ' || text[0] == '\0'; }

// The text of a field cut or filled to width bytes, never inside a
// double-byte character.
std::string Fixed(const char* text, int width) {
    std::string out(static_cast<size_t>(width) + 1, '\0');
    Str_Pad(text, out.data(), width, 0);
    out.resize(static_cast<size_t>(width));
    return out;
}

// The length up to the last byte that is not a blank.
size_t TextLength(const char* text) {
    size_t n = std::strlen(text);
    while (n > 0 && text[n - 1] == ' ') --n;
    return n;
}

std::string Trimmed(const char* text) {
    size_t first = 0;
    while (text[first] == ' ') ++first;
    return std::string(text + first, TextLength(text + first));
}

// "TEL " or "FAX " and the 14 bytes of the number, 18 blanks without one.
std::string PhoneLine(const char* caption, int field) {
    return StartsBlank(Own(field)) ? std::string(18, ' ') : caption + Fixed(Own(field), 14);
}

std::string StoredDate(int yearField) {
    const int year = Num_ReadInt(Doc(yearField));
    if (year == 0) return std::string(18, ' ');
    return Print_StoredEraDate(year, Num_ReadInt(Doc(yearField + 1)), Num_ReadInt(Doc(yearField + 2)));
}

// Two fields on one line when they fit, else each at its own place.
void JoinedOrApart(const TPrintArea& a, const char* first, const char* second, int x1, int y1, int x2, int y2,
                   int joinedX, int joinedY) {
    char line[Str_JoinFieldsSize];
    Str_Spaces(line, Str_JoinFieldsSize - 1);
    if (Str_JoinFields(first, second, line) == 0) {
        a.Text(joinedX, joinedY, line);
        return;
    }
    a.Text(x1, y1, first);
    a.Text(x2, y2, second);
}

// The customer's name lines; the honorific follows the name at y 32 when it
// leaves room for it, else it stands alone at its rule's end.
void PrintNames(const TDenpyouPrintRun& run) {
    const TPrintArea& a = run.Area;
    std::string name = Doc(DenpyouField_KokyakuName_1);
    if (!StartsBlank(Doc(DenpyouField_KokyakuName_2))) {
        a.Text(5, 26, Print_Mincho, 12, Trimmed(Doc(DenpyouField_KokyakuName_1)).c_str());
        name = Trimmed(Doc(DenpyouField_KokyakuName_2));
    }
    a.Font(Print_Mincho, 14);
    const size_t length = TextLength(name.c_str());
    if (length < 32) {
        a.Text(5, 32, (name.substr(0, length) + "  " + run.Keisyou).c_str());
        return;
    }
    a.Text(5, 32, name.c_str());
    a.Text(80, 32, run.Keisyou);
}

const char* Greeting(TPrintKind kind) {
    switch (kind) {
        case PrintKind_Mitumori: return "下記の通り御見積もり申し上げます。";
        case PrintKind_Seikyuu: return "下記の通り御請求申し上げます。";
        case PrintKind_Utiwake: return "下記の通り内訳書をご連絡いたします。";
        default: return "下記商品の見積もりをお願い致します。";
    }
}

// The own company: PR line, the name in a size that fits its length, title
// and representative, address, telephone and fax.
void PrintJisya(const TDenpyouPrintRun& run) {
    const TPrintArea& a = run.Area;
    a.Text(103, 31, Print_Mincho, 10, Own(JisyaField_PR));
    const size_t n = TextLength(Own(JisyaField_Name));
    a.Text(107, 36, Print_Mincho, n < 20 ? 14 : n < 30 ? 12 : 9, Own(JisyaField_Name));

    a.Font(Print_Mincho, 12);
    JoinedOrApart(a, Own(JisyaField_Yakusyoku), Own(JisyaField_Daihyousya), 110, 43, 127, 43, 110, 43);

    a.Font(Print_Mincho, 10);
    char line[Str_JoinFieldsSize];
    Str_Spaces(line, Str_JoinFieldsSize - 1);
    int phoneY = 53;
    if (Str_JoinFields(Own(JisyaField_Adr_2), Own(JisyaField_Adr_3), line) == 0) {
        a.Text(110, 49, line);
    } else {
        a.Text(110, 49, Own(JisyaField_Adr_2));
        a.Text(115, 53, Own(JisyaField_Adr_3));
        phoneY = 57;
    }
    a.Text(110, phoneY, run.TelText.c_str());
    a.Text(145, phoneY, run.FaxText.c_str());
}

void PrintKouji(const TDenpyouPrintRun& run) {
    const TPrintArea& a = run.Area;
    a.Font(Print_Mincho, 11);
    if (StartsBlank(Doc(DenpyouField_KoujiName_2))) {
        a.Text(25, 63, Doc(DenpyouField_KoujiName_1));
    } else {
        a.Text(25, 58, Doc(DenpyouField_KoujiName_1));
        a.Text(25, 63, Doc(DenpyouField_KoujiName_2));
    }
    a.Text(25, 70, Doc(DenpyouField_Place));
    if (run.Kind == PrintKind_Mitumori) a.Text(135, 63, run.YoukouDateText.c_str());
    const int footer = Setting(JisyaField_BikouPrint);
    if (footer == Footer_MakeDate) a.Text(135, 70, run.MakeDateText.c_str());
    // The remarks' first 20 bytes, cut before a character that would not fit.
    if (footer == Footer_Bikou) a.Text(135, 70, Fixed(Doc(DenpyouField_Bikou), 20).c_str());
}

void PrintCaptions(const TDenpyouPrintRun& run) {
    const TPrintArea& a = run.Area;
    a.Font(Print_Gothic, 11);
    a.Text(5, 51, "合計金額：");
    const int nameY = StartsBlank(Doc(DenpyouField_KoujiName_2)) ? 63 : 59;
    a.Text(5, nameY, Own(JisyaField_Naiyou));
    a.Text(21, nameY, "：");
    if (run.Kind == PrintKind_Mitumori) a.Text(115, 63, "有効期限：");
    a.Text(5, 70, Own(JisyaField_Basyo));
    a.Text(21, 70, "：");
    const int footer = Setting(JisyaField_BikouPrint);
    if (footer == Footer_MakeDate) a.Text(115, 70, "作 成 日：");
    if (footer == Footer_Bikou) a.Text(115, 70, "備    考：");
}

}  // namespace

void Denpyou_PrintFirstPagePrepare(TDenpyouPrintRun& run) {
    run.TelText = PhoneLine("TEL ", JisyaField_Tel);
    run.FaxText = PhoneLine("FAX ", JisyaField_Fax);
    run.PrintDateText = Print_EraDate(Print_TypedEraName(run.Date.YearValue(), run.Date.MonthValue()),
                                      run.Date.Year, run.Date.Month, run.Date.Day);
    const bool makeDate = Setting(JisyaField_BikouPrint) == Footer_MakeDate &&
                          Setting(JisyaField_DateNoPrint) == 0 && !run.DateNotPrinted;
    run.MakeDateText = makeDate ? StoredDate(DenpyouField_MakeYear) : std::string(18, ' ');
    run.YoukouDateText = StoredDate(DenpyouField_YoukouYear);
    Print_KokyakuAddress(run.KokyakuCity, run.KokyakuStreet);
}

void Denpyou_PrintFirstPageHeader(const TDenpyouPrintRun& run) {
    const TPrintArea& a = run.Area;
    a.Font(Print_Gothic, 10);
    if (Setting(JisyaField_DenbanPrint)) a.Text(158, 5, Doc(DenpyouField_No));
    if (Setting(JisyaField_AllPagePrint)) a.Text(80, 20, run.AllPageText.c_str());
    a.Text(144, 15, run.PrintDateText.c_str());

    if (Setting(JisyaField_KokyakuAddress) == 0 && run.Prices) {
        a.Font(Print_Mincho, 11);
        JoinedOrApart(a, run.KokyakuCity, run.KokyakuStreet, 5, 19, 5, 23, 5, 23);
    }
    if (run.Prices)
        PrintNames(run);
    else
        a.Text(80, 32, Print_Mincho, 14, run.Keisyou);  // a request names no customer

    a.Text(10, 40, Print_Mincho, 11, Greeting(run.Kind));
    PrintJisya(run);
    if (run.Prices) PrintKouji(run);
    PrintCaptions(run);

    if (run.Kind == PrintKind_Seikyuu) {
        a.Text(5, 262, Print_Gothic, 10, "振込先金融機関");
        a.Text(32, 262, Print_Mincho, 10, Own(JisyaField_Kouza_1));
        a.Text(32, 266, Own(JisyaField_KouzaMeigi_1));
    }
}

void Denpyou_PrintFirstPageClose(const TDenpyouPrintRun& run) {
    if (!run.Prices) return;
    // "\1,234,567-": the yen mark before the number, "-" after it, no blanks.
    std::string total = "\\";
    for (char c : Print_Amount(Num_ReadLong(Doc(DenpyouField_Goukei)), 10))
        if (c != ' ') total += c;
    total += '-';
    run.Area.Text(26, 50, Print_Mincho, 18, total.c_str());
}

void Denpyou_PrintFirstPageRules(const TDenpyouPrintRun& run) {
    const TPrintArea& a = run.Area;
    a.PenWidth(1);
    a.Line(144, 19, 178, 19);  // print date
    a.Line(5, 39, 80, 39);     // addressee
    a.Line(5, 56, 69, 56);     // total amount
    a.Line(5, 68, 110, 68);    // construction name
    if (run.Kind == PrintKind_Mitumori) a.Line(115, 68, 180, 68);  // validity date
    a.Line(5, 75, 110, 75);    // site
    if (Setting(JisyaField_BikouPrint) != 2) a.Line(115, 75, 180, 75);  // footer
}
