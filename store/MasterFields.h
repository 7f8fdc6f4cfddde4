// The fields of the customer, category, product, unit and own-company records
// by name: Kokyaku_Field[KokyakuField_Keisyou] rather than a bare number.
#pragma once

// A customer (Data\Kokyaku.620).
enum KokyakuField : int {
    KokyakuField_Unused = 0,
    KokyakuField_Name_1 = 1,  // customer name, two lines of 40: the key documents find it by
    KokyakuField_Name_2 = 2,
    KokyakuField_Kana = 3,    // reading, the sort key
    KokyakuField_Keisyou = 4, // honorific
    KokyakuField_Zip = 5,
    KokyakuField_Prif = 6,    // prefecture
    KokyakuField_City = 7,
    KokyakuField_Banti = 8,   // street address
    KokyakuField_Apart = 9,   // building (no screen edits it; the CSV export carries it)
    KokyakuField_Tel = 10,
    KokyakuField_Keitai = 11,        // mobile telephone (CSV only)
    KokyakuField_TantouCode = 12,    // staff code (CSV only)
    KokyakuField_TantouName = 13,    // staff name (CSV only)
    KokyakuField_Spare = 14,
};

// A category (Data\Hinsyu.620).
enum HinsyuField : int {
    HinsyuField_Unused = 0,
    HinsyuField_Name = 1,  // category name; a blank first byte: entry not in use
    HinsyuField_Kana = 2,  // reading, the sort key
    HinsyuField_No = 3,    // category number 1 ... 100, "%3d": flag byte No - 1 of a product
    HinsyuField_Spare = 4,
};

// A product (Data\Syouhin.620).
enum SyouhinField : int {
    SyouhinField_Unused = 0,
    SyouhinField_Name = 1,
    SyouhinField_Kana = 2,          // reading, the sort key
    SyouhinField_Hanbai = 3,        // base price: a document line's list price
    SyouhinField_Zei = 4,           // tax class: "外税", "内税", "なし" or blank
    SyouhinField_Siire = 5,         // purchase price
    SyouhinField_JitubaiTanka = 6,  // actual price (no screen sets it)
    SyouhinField_Tanni = 7,         // unit
    SyouhinField_Hinsyu = 8,        // category membership: byte n - 1 is '1' for category n
    SyouhinField_Spare = 9,
};

// A unit (Data\Tanni.620).
enum TanniField : int {
    TanniField_Tanni = 0,  // the unit, 6 bytes; a blank first byte: a free entry
    TanniField_Spare = 1,
};

// The own company and the settings (Data\Jisya.620). Flags hold "1" for yes
// and a blank for no unless said otherwise.
enum JisyaField : int {
    JisyaField_PR = 0,              // PR line printed with the company name
    JisyaField_Name = 1,            // company name
    JisyaField_Zip = 2,
    JisyaField_Adr_1 = 3,           // address: prefecture, city, street
    JisyaField_Adr_2 = 4,
    JisyaField_Adr_3 = 5,
    JisyaField_Daihyousya = 6,      // representative's name
    JisyaField_Yakusyoku = 7,       // representative's title
    JisyaField_Tel = 8,
    JisyaField_Fax = 9,
    JisyaField_Keitai = 10,         // mobile telephone
    JisyaField_Hasuu = 11,          // rounding: blank half up, "1" up, "2" down
    JisyaField_Hozon = 12,          // keep-years of documents
    JisyaField_Denban = 13,         // last document number, "%10ld"
    JisyaField_Kouza_1 = 14,        // bank account line 1 ... 3, each followed by its holder
    JisyaField_KouzaMeigi_1 = 15,
    JisyaField_Kouza_2 = 16,
    JisyaField_KouzaMeigi_2 = 17,
    JisyaField_Kouza_3 = 18,
    JisyaField_KouzaMeigi_3 = 19,
    JisyaField_DenbanPrint = 24,    // flag: print the document number
    JisyaField_AllPagePrint = 25,   // flag: print the total page count
    JisyaField_Syouhizei = 26,      // consumption-tax rate in percent
    JisyaField_Suuryou = 31,        // flag: quantity required (blank: an empty quantity counts 1)
    JisyaField_KokyakuAddress = 32, // flag: do not print the customer's address
    JisyaField_TopMargin = 33,      // print margins in millimetres
    JisyaField_LeftMargin = 34,
    JisyaField_Naiyou = 35,         // caption of the construction-name field
    JisyaField_Basyo = 36,          // caption of the construction-site field
    JisyaField_UserSentaku_1 = 37,  // captions of the two user-defined lines
    JisyaField_UserSentaku_2 = 38,
    JisyaField_DateNoPrint = 39,    // flag: do not print the date
    JisyaField_ZeiTanni = 41,       // flag: tax and adjustment lines count as one set "式"
    JisyaField_BikouPrint = 42,     // footer: blank remarks, "1" creation date, "2" neither
    JisyaField_SyoukeiCaption = 43, // captions of the special-line buttons and lines
    JisyaField_GoukeiCaption = 44,
    JisyaField_KazeiGoukeiCaption = 45,
    JisyaField_ZeiCaption = 46,
    JisyaField_SouGoukeiCaption = 47,
    JisyaField_CyouseiCaption = 48,
    JisyaField_Jun_1 = 49,          // positions of the eight special-line buttons, 49 ... 56
    JisyaField_Spare = 57,
};
