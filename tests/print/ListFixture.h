// A started window with stored documents and the document list's criteria
// and row controls (stand-ins until the list screen creates them), for the
// tests of the list's search, pages and printing.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/Controls.h"
#include "print/list/DenpyouListControls.h"
#include "print/list/DenpyouListHits.h"
#include "print/list/DenpyouListSearch.h"
#include "store/Denpyou.h"
#include "store/Str.h"
#include "tools/Headless.h"

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
    r.replace(static_cast<size_t>(Denpyou_FieldOffset[DenpyouField_MakeYear]), 8,
              (d.Year + "    ").substr(0, 4) + (d.Month + "  ").substr(0, 2) + (d.Day + "  ").substr(0, 2));
    put(DenpyouField_Goukei, d.Total, true);
    r.replace(static_cast<size_t>(Denpyou_FieldOffset[DenpyouField_SeikyuuYear]), 8,
              (d.IssueYear + "    ").substr(0, 4) + (d.IssueMonth + "  ").substr(0, 2) +
                  (d.IssueDay + "  ").substr(0, 2));
    return r;
}

class ListTest : public ::testing::Test {
protected:
    THeadlessSession Session;

    // Stores the documents as records 1, 2, ..., starts the program and
    // makes the list's controls: every customer, 2025-04-01 to 2025-04-30,
    // every kind, date order.
    void Start(const std::vector<TListDocSpec>& docs) {
        std::string file;
        for (size_t i = 0; i < docs.size(); ++i) file += ListDocRecord(docs[i], static_cast<int>(i) + 1);
        ASSERT_TRUE(Session.WriteFile("Data\\Denpyou.620", file));
        ASSERT_TRUE(Session.Start());
        MakeControls();
        Customer("全顧客");
        Range("2025", "4", "1", "2025", "4", "30");
        Kind("RadioButton_All");
        ByDate(true);
    }

    template <class T>
    T* Make(const std::string& name, const std::string& parent) {
        if (T* existing = Session.ControlAs<T>(name)) return existing;
        return Session.Form()->Create<T>(name, Session.Control(parent));
    }
    void MakeControls() {
        Make<TPanel>("Panel5", "Panel_DenpyouList");
        for (const char* name : {"Label_DenpyouList_SearchName_1", "Label_DenpyouList_SearchName_2"})
            Make<TLabel>(name, "Panel_DenpyouList");
        for (const char* name : DenpyouList_DateEdit) Make<TEdit>(name, "Panel_DenpyouList");
        for (const char* name :
             {"Edit_DenpyouList_SearchName", "Edit_DenpyouSearchComandChoose", "Edit_DenpyouListLineChoose"})
            Make<TEdit>(name, "Panel_DenpyouList");
        for (const char* name : {"RadioButton_All", "RadioButton_MitumoriOnly", "RadioButton_SeikyuuOnly"})
            Make<TRadioButton>(name, "Panel_DenpyouList");
        for (const char* name : {"RadioButton_DaySort", "RadioButton2"}) Make<TRadioButton>(name, "Panel5");
        for (int r = 1; r <= 9; ++r) {
            for (const char* prefix : {"Label_Denpyou_List_No_", "Label_DenpyouKind_", "Label_Denpyou_List_Year_",
                                       "Label_Denpyou_List_Month_", "Label_Denpyou_List_Day_",
                                       "Label_Denpyou_List_Kouji_1_", "Label_Denpyou_List_Kouji_2_",
                                       "Label_Denpyou_List_Kei_"})
                Make<TLabel>(RowName(prefix, r), "Panel_DenpyouList");
            for (const char* prefix :
                 {"Label_Denpyou_SubList_No_", "Label_DenpyouKind2_", "Label_Denpyou_SubList_Year_",
                  "Label_Denpyou_SubList_Month_", "Label_Denpyou_SubList_Day_", "Label_Denpyou_SubList_Name_1_",
                  "Label_Denpyou_SubList_Name_2_", "Label_Denpyou_SubList_Kouji_1_",
                  "Label_Denpyou_SubList_Kouji_2_", "Label_Denpyou_SubList_Kei_"})
                Make<TLabel>(RowName(prefix, r), "Panel_DenpyouList_SubPage");
        }
    }

    static std::string RowName(const char* prefix, int row) {
        char two[4];
        std::snprintf(two, sizeof two, "%02d", row);
        return prefix + std::string(two);
    }

    // ---- criteria
    void Customer(const std::string& name1, const std::string& name2 = "") {
        DenpyouList_SetCaption("Label_DenpyouList_SearchName_1", name1);
        DenpyouList_SetCaption("Label_DenpyouList_SearchName_2", name2);
    }
    void Range(const char* sy, const char* sm, const char* sd, const char* ey, const char* em, const char* ed) {
        const char* texts[ListDate_Count] = {sy, sm, sd, ey, em, ed};
        for (int i = 0; i < ListDate_Count; ++i) DenpyouList_SetText(DenpyouList_DateEdit[i], texts[i]);
    }
    void Kind(const char* radioButton) { Session.ControlAs<TRadioButton>(radioButton)->SetChecked(true); }
    void ByDate(bool byDate) {
        Session.ControlAs<TRadioButton>(byDate ? "RadioButton_DaySort" : "RadioButton2")->SetChecked(true);
    }
    void AllCustomerPage(bool shown) { Session.Control("Panel_DenpyouList_SubPage")->SetVisible(shown); }

    // The hits of a search with the criteria as set.
    std::vector<int> Search() {
        DenpyouList_MakeHitList();
        return HitList();
    }
    static std::vector<int> HitList() { return {DenpyouList_Hits, DenpyouList_Hits + DenpyouList_HitCount}; }
    // Hits set directly, as a search would leave them.
    static void SetHits(const std::vector<int>& hits) {
        DenpyouList_ClearHits();
        for (int n : hits) DenpyouList_Hits[DenpyouList_HitCount++] = n;
    }

    std::string Text(const std::string& name) { return Session.TextOf(name).value_or("<none>"); }

    // The editor's document as bytes: its record buffer and every field.
    static std::string EditorDocument() {
        std::string all(Denpyou_RecBuf.begin(), Denpyou_RecBuf.end());
        for (char* f : Denpyou_Field) all += std::string(f) + '|';
        return all;
    }
};
