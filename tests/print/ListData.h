// Stored documents for the document list's tests and benchmark.
#pragma once

#include <string>
#include <vector>

#include "store/Denpyou.h"
#include "store/Str.h"

// A stored document: the fields the list reads, as stored text.
struct TListDocSpec {
    char Kind = DenpyouKind_Mitumori;
    std::string Name_1 = "山田電気", Name_2;
    std::string Year = "2025", Month = " 4", Day = " 1";
    std::string Kouji_1, Kouji_2;
    std::string Total;  // right-aligned in 10
    std::string IssueYear, IssueMonth, IssueDay;
    int No = 0;  // 0: the record's own number
};

// A stored date's 8 bytes: year, month and day filled out to 4, 2 and 2.
inline std::string ListData_Date(const std::string& y, const std::string& m, const std::string& d) {
    return (y + "    ").substr(0, 4) + (m + "  ").substr(0, 2) + (d + "  ").substr(0, 2);
}

// Record n of the document file for spec.
inline std::string ListDocRecord(const TListDocSpec& d, int n) {
    std::string r(Denpyou_RecLen, ' ');
    r.back() = '\n';
    auto put = [&](DenpyouField k, const std::string& text, bool right = false) {
        const int width = Denpyou_FieldWidth[k];
        std::vector<char> field(static_cast<size_t>(width) + 1);
        Str_Pad(text.c_str(), field.data(), width, right ? 1 : 0);
        r.replace(static_cast<size_t>(Denpyou_FieldOffset[k]), static_cast<size_t>(width), field.data());
    };
    r[0] = d.Kind;
    put(DenpyouField_No, std::to_string(d.No ? d.No : n), true);
    put(DenpyouField_KokyakuName_1, d.Name_1);
    put(DenpyouField_KokyakuName_2, d.Name_2);
    put(DenpyouField_KoujiName_1, d.Kouji_1);
    put(DenpyouField_KoujiName_2, d.Kouji_2);
    // Dates as stored bytes, so that blanks and odd values stay as given.
    r.replace(static_cast<size_t>(Denpyou_FieldOffset[DenpyouField_MakeYear]), 8, ListData_Date(d.Year, d.Month, d.Day));
    put(DenpyouField_Goukei, d.Total, true);
    r.replace(static_cast<size_t>(Denpyou_FieldOffset[DenpyouField_SeikyuuYear]), 8,
              ListData_Date(d.IssueYear, d.IssueMonth, d.IssueDay));
    return r;
}
