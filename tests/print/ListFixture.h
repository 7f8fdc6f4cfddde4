// A started window with stored documents, for the tests of the document
// list's search, pages and printing through the list screen's controls.
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
#include "tests/print/ListData.h"
#include "tools/Headless.h"

class ListTest : public ::testing::Test {
protected:
    THeadlessSession Session;

    // Stores the documents as records 1, 2, ..., starts the program and sets
    // the list's criteria: every customer, 2025-04-01 to 2025-04-30, every
    // kind, date order.
    void Start(const std::vector<TListDocSpec>& docs) {
        std::string file;
        for (size_t i = 0; i < docs.size(); ++i) file += ListDocRecord(docs[i], static_cast<int>(i) + 1);
        ASSERT_TRUE(Session.WriteFile("Data\\Denpyou.620", file));
        ASSERT_TRUE(Session.Start());
        Customer("全顧客");
        Range("2025", "4", "1", "2025", "4", "30");
        Kind("RadioButton_All");
        ByDate(true);
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
