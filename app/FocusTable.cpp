#include "app/FocusTable.h"

#include <cstring>

namespace {

constexpr TFocusCodes Focus_Build() {
    TFocusCodes b;
    // Key catchers of the job menu, the bar and the two locked choosers.
    b.AddList(1010, 10, {"Edit_ChooseSyori", "Edit_ChooseCommand", "Edit_Panel_ChooseHinsyu_Command",
                         "Edit_Panel_ChooseKokyaku_Command"});
    // The document header.
    b.AddList(1110, 10, {"Edit_DenpNo", "Edit_DenpKokyakuName_1", "Edit_DenpKokyakuName_2",
                         "Edit_DenpKoujiName_1", "Edit_DenpKoujiName_2", "Edit_DenpPlace", "Edit_DenpBikou",
                         "Edit_DenpMakeYear", "Edit_DenpMakeMonth", "Edit_DenpMakeDay", "Edit_DenpYoukouYear",
                         "Edit_DenpYoukouMonth", "Edit_DenpYoukouDay"});
    // The detail grid: eight columns per row, in this order (not the screen's).
    const char* const grid[8] = {"Edit_DenpSyousai_", "Edit_DenpTanka_",  "Edit_DenpTankaRitu_",
                                 "Edit_DenpSuuryou_", "Edit_DenpTanni_",  "Edit_DenpSiire_",
                                 "Edit_DenpSiireRitu_", "Edit_DenpJitubaiTanka_"};
    for (int r = 1; r <= 20; ++r)
        for (int c = 0; c < 8; ++c) b.Add(2110 + 80 * (r - 1) + 10 * c, grid[c], r);
    // Categories: name and reading of 50 rows.
    for (int r = 1; r <= 50; ++r) {
        b.Add(4010 + 20 * (r - 1), "Edit_Hinsyu_Name_", r);
        b.Add(4020 + 20 * (r - 1), "Edit_Hinsyu_Kana_", r);
    }
    // Products: six columns of 25 rows.
    struct TColumn {
        int Offset;
        const char* Prefix;
    };
    const TColumn products[6] = {{0, "Edit_Syouhin_Name_"},   {5, "Edit_Syouhin_Kana_"},
                                 {10, "Edit_Syouhin_Hanbai_"}, {20, "Edit_Syouhin_Zei_"},
                                 {30, "Edit_Syouhin_Siire_"},  {50, "Edit_Syouhin_Tannni_"}};
    for (int r = 1; r <= 25; ++r)
        for (const TColumn& col : products) b.Add(5010 + 60 * (r - 1) + col.Offset, col.Prefix, r);
    // Customers: nine columns of 13 rows; rows 10 ... 13 in a range of their own.
    const char* const customers[9] = {"Edit_PanelKokyaku_Name_1_", "Edit_PanelKokyaku_Name_2_",
                                      "Edit_PanelKokyaku_Kana_",   "Edit_PanelKokyaku_Keisyou_",
                                      "Edit_PanelKokyaku_Zip_",    "Edit_PanelKokyaku_Prif_",
                                      "Edit_PanelKokyaku_City_",   "Edit_PanelKokyaku_Banti_",
                                      "Edit_PanelKokyaku_Tel_"};
    for (int r = 1; r <= 13; ++r)
        for (int c = 0; c < 9; ++c)
            b.Add((r <= 9 ? 7010 + 100 * (r - 1) : 8010 + 100 * (r - 10)) + 10 * c, customers[c], r);
    // The document list.
    b.AddList(8400, 10, {"Edit_DenpyouList_SearchName", "Edit_SearchStartYear", "Edit_SearchStartMonth",
                         "Edit_SearchStartDay", "Edit_SearchEndYear", "Edit_SearchEndMonth", "Edit_SearchEndDay",
                         "Edit_DenpyouSearchComandChoose", "Edit_DenpyouListLineChoose"});
    // Own company.
    b.AddList(9010, 10, {"Edit_JisyaName_1", "Edit_JisyaName_2", "Edit_JisyaZip", "Edit_Jisya_Adr1",
                         "Edit_Jisya_Adr2", "Edit_Jisya_Adr3", "Edit_Jisya_Daihyousya", "Edit_Jisya_Yakusyoku",
                         "Edit_Jisya_Tel", "Edit_Jisya_Fax", "Edit_Jisya_Keitai", "RadioButton_Jisya_SisyaGonyuu",
                         "RadioButton_Jisya_Kiriage", "RadioButton_Jisya_Kirisute", "Edit_Jisya_Hozon",
                         "Edit_Jisya_Denban", "CheckBox_DenbanPrint", "CheckBox_AllPagePrint", "Edit_Syouhizei"});
    b.AddList(9192, 2, {"CheckBox_DenpyouZeiTanni", "RadioButton_DenpyouBikouPrint",
                        "RadioButton_DenpyouMakeDatePrint", "RadioButton_DenpyouBothNotPrint"});
    b.AddList(9200, 10, {"Edit_JisyaKouza_01", "Edit_JisyaKouza_02", "Edit_JisyaKouza_03"});
    b.AddList(9420, 10, {"Edit_JisyaKouzaMeigi_01", "Edit_JisyaKouzaMeigi_02", "Edit_JisyaKouzaMeigi_03"});
    // Wording: the captions, then the order of the eight special-line buttons.
    b.AddList(9250, 10, {"Edit_Naiyou", "Edit_Basyo", "Edit_SyouhinChoose_Name_01", "Edit_SyouhinChoose_Name_02",
                         "Edit_SyouhinChoose_Name_03", "Edit_SyouhinChoose_Name_05", "Edit_SyouhinChoose_Name_06",
                         "Edit_UserSentaku_1", "Edit_UserSentaku_2"});
    for (int n = 1; n <= 8; ++n) b.Add(9340 + 10 * (n - 1), "Edit_SyouhinChoose_Jun_", n);
    // The unit list on the own-company screen.
    for (int r = 1; r <= 20; ++r) b.Add(9500 + 10 * (r - 1), "Edit_TanniList_", r);
    // Print margins, data maintenance, own-company print options.
    b.AddList(9710, 10, {"Edit_Panel_Denpyou_TopMargine", "Edit_Panel_Denpyou_LeftMargine",
                         "Edit_Panel_DenpyouList_TopMargine", "Edit_Panel_DenpyouList_LeftMargine"});
    b.AddList(9810, 10, {"BackupDriveComboBox", "BackupDirectoryListBox", "CheckBox_Kokyaku", "CheckBox_Syouhin",
                         "CheckBox_Denpyou"});
    // The print-option check boxes store their codes but are never returned to.
    b.AddList(9910, 10, {"CheckBox_Denpyou_Suuryou", "CheckBox_Denpyou_KokyakuAddress"}, false);
    return b;
}

// The parts in ascending order of their codes.
constexpr std::array<TFocusEntry, Focus_CodeCount> Sorted(const TFocusCodes& codes) {
    std::array<TFocusEntry, Focus_CodeCount> t{};
    for (int i = 0; i < Focus_CodeCount; ++i) t[i] = codes[i];
    for (int i = 1; i < Focus_CodeCount; ++i)  // insertion sort by code
        for (int k = i; k > 0 && t[k - 1].Code > t[k].Code; --k) {
            const TFocusEntry e = t[k];
            t[k] = t[k - 1];
            t[k - 1] = e;
        }
    return t;
}

static_assert(Focus_Build().Count() == Focus_CodeCount);

constexpr bool StrictlyAscending(const std::array<TFocusEntry, Focus_CodeCount>& t) {
    for (int i = 1; i < Focus_CodeCount; ++i)
        if (t[i - 1].Code >= t[i].Code) return false;
    return t[0].Code == 1010 && t[Focus_CodeCount - 1].Code == 9920;
}

}  // namespace

constexpr std::array<TFocusEntry, Focus_CodeCount> Focus_CodeTable = Sorted(Focus_Build());
static_assert(StrictlyAscending(Focus_CodeTable));

int Focus_CodeOf(const char* name) {
    for (const TFocusEntry& e : Focus_CodeTable)
        if (std::strcmp(e.Name, name) == 0) return e.Code;
    return 0;
}

const char* Focus_NameOf(int code) {
    for (const TFocusEntry& e : Focus_CodeTable)
        if (e.Code == code) return e.Name;
    return nullptr;
}
