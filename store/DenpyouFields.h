// The fields of a document record by name: Denpyou_Field[DenpyouField_Goukei]
// rather than a bare number. A detail line's fields are named once for all
// 200 lines; line L's field j is document field DenpyouField_Line(L, j).
#pragma once

enum DenpyouField : int {
    // Header.
    DenpyouField_Kind = 0,           // document kind, one character (DenpyouKind_*)
    DenpyouField_No = 1,             // document number, "%10ld"
    DenpyouField_KokyakuName_1 = 2,  // customer name, two lines of 40
    DenpyouField_KokyakuName_2 = 3,
    DenpyouField_KoujiName_1 = 4,    // construction name, two lines of 40
    DenpyouField_KoujiName_2 = 5,
    DenpyouField_Place = 6,          // construction site
    DenpyouField_Bikou = 7,          // remarks
    DenpyouField_MakeYear = 8,       // creation date: Western year "%4d", month, day
    DenpyouField_MakeMonth = 9,
    DenpyouField_MakeDay = 10,
    DenpyouField_YoukouYear = 11,    // validity date: Western year "%4d", month, day
    DenpyouField_YoukouMonth = 12,
    DenpyouField_YoukouDay = 13,
    DenpyouField_FirstLine = 14,     // field 0 of detail line 0
    // Trailer (fields 2214 ... 2217 are not used).
    DenpyouField_Trailer = 2214,
    DenpyouField_Goukei = 2218,        // document total, "%10ld", blank when 0
    DenpyouField_Keisyou = 2219,       // the customer's honorific
    DenpyouField_SeikyuuYear = 2220,   // invoice issue date: Western year "%4d", month, day
    DenpyouField_SeikyuuMonth = 2221,
    DenpyouField_SeikyuuDay = 2222,
    DenpyouField_UtiwakeKind = 2223,   // breakdown-statement title variant, one digit
    DenpyouField_Spare = 2224,
};

// The fields of one detail line (line field j).
enum DenpyouLineField : int {
    LineField_Kind = 0,          // line kind, one character (LineKind_*)
    LineField_Syousai = 1,       // description, 50 bytes, left-aligned
    LineField_Tanka = 2,         // list price
    LineField_TankaRitu = 3,     // rate of the list price in percent
    LineField_Suuryou = 4,       // quantity (may carry decimals)
    LineField_Tanni = 5,         // unit, 6 bytes, left-aligned
    LineField_Siire = 6,         // purchase price
    LineField_SiireRitu = 7,     // rate of the purchase price in percent
    LineField_JitubaiTanka = 8,  // actual unit price
    LineField_Kingaku = 9,       // line amount, "%10ld"
    LineField_Zei = 10,          // tax class: "外税", "内税", "なし" or blank
};

// Document field of field j of detail line L (0 ... 199).
constexpr int DenpyouField_Line(int line, DenpyouLineField j) { return DenpyouField_FirstLine + 11 * line + j; }
static_assert(DenpyouField_Line(200, LineField_Kind) == DenpyouField_Trailer);

// Document kinds (field 0).
constexpr char DenpyouKind_Mitumori = '1';  // estimate
constexpr char DenpyouKind_Seikyuu = '2';   // invoice
constexpr char DenpyouKind_Utiwake = '3';   // breakdown statement
constexpr char DenpyouKind_Irai = '4';      // estimate request
constexpr char DenpyouKind_Deleted = '0';   // marked deleted, purged at exit on request
constexpr char DenpyouKind_None = ' ';      // not yet classified: the kind buttons decide at the next store

// Line kinds (line field 0).
constexpr char LineKind_Item = ' ';       // an item line (products, typed lines, adjustment and user lines)
constexpr char LineKind_Zei = '1';        // consumption tax
constexpr char LineKind_Syoukei = '3';    // subtotal
constexpr char LineKind_Goukei = '4';     // total
constexpr char LineKind_Nebiki = '5';     // a line whose amount the document total subtracts
constexpr char LineKind_SouGoukei = '6';  // running grand total

// A line kind as the calculation compares kinds: the kind byte read as a
// number, so that a blank (an item line) reads 0.
constexpr int LineKind_Number(char kind) { return kind == ' ' ? 0 : kind - '0'; }
static_assert(LineKind_Number(LineKind_Item) == 0 && LineKind_Number(LineKind_SouGoukei) == 6);
