// Stored documents for the document list's tests and benchmark, and the
// list screen's criteria and row controls made as stand-ins where the window
// does not have them (yet).
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "platform/Controls.h"
#include "platform/Form.h"
#include "print/list/DenpyouListControls.h"
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

// A stand-in control, unless the window has one of that name.
template <class T>
void ListData_Make(TForm& form, const std::string& name, const char* parent) {
    if (!form.Find(name)) form.Create<T>(name, form.Find(parent));
}

inline std::string ListData_RowName(const char* prefix, int row) {
    char two[4];
    std::snprintf(two, sizeof two, "%02d", row);
    return prefix + std::string(two);
}

// The criteria (customer captions, date inputs, key catchers, kind and
// order radio buttons) on Panel_DenpyouList and the rows of both pages.
inline void ListData_MakeControls(TForm& form) {
    ListData_Make<TPanel>(form, "Panel5", "Panel_DenpyouList");
    for (const char* name : {"Label_DenpyouList_SearchName_1", "Label_DenpyouList_SearchName_2"})
        ListData_Make<TLabel>(form, name, "Panel_DenpyouList");
    for (const char* name : DenpyouList_DateEdit) ListData_Make<TEdit>(form, name, "Panel_DenpyouList");
    for (const char* name :
         {"Edit_DenpyouList_SearchName", "Edit_DenpyouSearchComandChoose", "Edit_DenpyouListLineChoose"})
        ListData_Make<TEdit>(form, name, "Panel_DenpyouList");
    for (const char* name : {"RadioButton_All", "RadioButton_MitumoriOnly", "RadioButton_SeikyuuOnly"})
        ListData_Make<TRadioButton>(form, name, "Panel_DenpyouList");
    for (const char* name : {"RadioButton_DaySort", "RadioButton2"})
        ListData_Make<TRadioButton>(form, name, "Panel5");
    for (int r = 1; r <= 9; ++r) {
        for (const char* prefix : {"Label_Denpyou_List_No_", "Label_DenpyouKind_", "Label_Denpyou_List_Year_",
                                   "Label_Denpyou_List_Month_", "Label_Denpyou_List_Day_",
                                   "Label_Denpyou_List_Kouji_1_", "Label_Denpyou_List_Kouji_2_",
                                   "Label_Denpyou_List_Kei_"})
            ListData_Make<TLabel>(form, ListData_RowName(prefix, r), "Panel_DenpyouList");
        for (const char* prefix :
             {"Label_Denpyou_SubList_No_", "Label_DenpyouKind2_", "Label_Denpyou_SubList_Year_",
              "Label_Denpyou_SubList_Month_", "Label_Denpyou_SubList_Day_", "Label_Denpyou_SubList_Name_1_",
              "Label_Denpyou_SubList_Name_2_", "Label_Denpyou_SubList_Kouji_1_", "Label_Denpyou_SubList_Kouji_2_",
              "Label_Denpyou_SubList_Kei_"})
            ListData_Make<TLabel>(form, ListData_RowName(prefix, r), "Panel_DenpyouList_SubPage");
    }
}
