#include "print/list/DenpyouListPage.h"

#include <cstdio>

#include "print/list/DenpyouListControls.h"
#include "print/list/DenpyouListHits.h"
#include "print/list/DenpyouListSearch.h"
#include "store/Denpyou.h"
#include "ui/Ui.h"

namespace {

// The labels of a row, by what they show: the one-customer page's name
// prefix and the all-customer page's (nullptr: not on that page).
struct TRowLabel {
    const char* OnePage;
    const char* SubPage;
    std::string TListRow::*Text;
};
constexpr TRowLabel RowLabels[] = {
    {"Label_Denpyou_List_No_", "Label_Denpyou_SubList_No_", &TListRow::No},
    {"Label_DenpyouKind_", "Label_DenpyouKind2_", &TListRow::Kind},
    {"Label_Denpyou_List_Year_", "Label_Denpyou_SubList_Year_", &TListRow::Year},
    {"Label_Denpyou_List_Month_", "Label_Denpyou_SubList_Month_", &TListRow::Month},
    {"Label_Denpyou_List_Day_", "Label_Denpyou_SubList_Day_", &TListRow::Day},
    {nullptr, "Label_Denpyou_SubList_Name_1_", &TListRow::Name_1},
    {nullptr, "Label_Denpyou_SubList_Name_2_", &TListRow::Name_2},
    {"Label_Denpyou_List_Kouji_1_", "Label_Denpyou_SubList_Kouji_1_", &TListRow::Kouji_1},
    {"Label_Denpyou_List_Kouji_2_", "Label_Denpyou_SubList_Kouji_2_", &TListRow::Kouji_2},
    {"Label_Denpyou_List_Kei_", "Label_Denpyou_SubList_Kei_", &TListRow::Kei},
};

const char* PrefixOf(const TRowLabel& label, TListPageForm form) {
    return form == ListPage_OneCustomer ? label.OnePage : label.SubPage;
}

void SetRowLabel(const char* prefix, int row, const std::string& caption) {
    char name[64];
    std::snprintf(name, sizeof name, "%s%02d", prefix, row);
    DenpyouList_SetCaption(name, caption);
}

// The kind word of a row: '1' and blank are estimates.
const char* KindWord(char kind) {
    switch (kind) {
        case DenpyouKind_Seikyuu: return "請求書";
        case DenpyouKind_Utiwake: return "内訳書";
        case DenpyouKind_Irai: return "見積依頼";
        default: return "見積書";
    }
}

void ShowPage(TListPageForm form) {
    TListFile file;
    TListDoc doc;
    for (int i = 0; i < DenpyouList_PageRows; ++i) {
        doc.Clear();
        const int n = DenpyouList_HitAt(DenpyouList_Top + i);
        if (n != 0) file.Read(n, doc);
        const TListRow row = DenpyouList_RowOf(doc, n != 0, form);
        for (const TRowLabel& label : RowLabels)
            if (const char* prefix = PrefixOf(label, form)) SetRowLabel(prefix, i + 1, row.*label.Text);
    }
}

void Focus(const char* name) {
    if (TControl* c = Ui_Control(name)) c->SetFocus();
}

}  // namespace

TListRow DenpyouList_RowOf(const TListDoc& doc, bool hasDocument, TListPageForm form) {
    auto text = [&](DenpyouField k) { return std::string(doc.Field(k)); };
    const bool issueDate = form == ListPage_OneCustomer && doc.Kind() == DenpyouKind_Seikyuu;
    const DenpyouField year = issueDate ? DenpyouField_SeikyuuYear : DenpyouField_MakeYear;
    const DenpyouField month = issueDate ? DenpyouField_SeikyuuMonth : DenpyouField_MakeMonth;
    const DenpyouField day = issueDate ? DenpyouField_SeikyuuDay : DenpyouField_MakeDay;
    char era[3];
    DenpyouList_EraYear(doc.Field(year), doc.Field(month), era);

    TListRow row;
    row.No = text(DenpyouField_No);
    row.Kind = hasDocument ? KindWord(doc.Kind()) : "";
    row.Year = era;
    row.Month = text(month);
    row.Day = text(day);
    row.Name_1 = text(DenpyouField_KokyakuName_1);
    row.Name_2 = text(DenpyouField_KokyakuName_2);
    row.Kouji_1 = text(DenpyouField_KoujiName_1);
    row.Kouji_2 = text(DenpyouField_KoujiName_2);
    row.Kei = text(DenpyouField_Goukei);
    return row;
}

void DenpyouList_ClearLabels() {
    for (int r = 1; r <= DenpyouList_PageRows; ++r)
        for (const TRowLabel& label : RowLabels)
            for (TListPageForm form : {ListPage_OneCustomer, ListPage_AllCustomers})
                if (const char* prefix = PrefixOf(label, form)) SetRowLabel(prefix, r, "");
}

void DenpyouList_ShowPage() { ShowPage(ListPage_OneCustomer); }
void DenpyouSubList_ShowPage() { ShowPage(ListPage_AllCustomers); }

void DenpyouList_ShowResult() {
    char key[41];
    DenpyouList_NameKey("Label_DenpyouList_SearchName_1", key);
    const bool everyCustomer = DenpyouList_IsAllCustomers(key);
    // The all-customer page lies where the one-customer page is; one of the
    // two is shown.
    if (TPanel* subPage = Ui_Panel("Panel_DenpyouList_SubPage")) subPage->SetVisible(everyCustomer);
    if (TPanel* onePage = Ui_Panel("Panel_DenpyouList_Page")) onePage->SetVisible(!everyCustomer);
    if (DenpyouList_HitCount != 0) {
        if (everyCustomer)
            DenpyouSubList_ShowPage();
        else
            DenpyouList_ShowPage();
        Focus("Edit_DenpyouListLineChoose");
        return;
    }
    DenpyouList_ResetSearch();
    Focus("Edit_DenpyouList_SearchName");
}

int DenpyouList_ReadSlip(int row) {
    if (row < 0 || row >= DenpyouList_PageRows) return 0;
    const int n = DenpyouList_HitAt(DenpyouList_Top + row);
    if (n == 0 || !Record_Read(Denpyou_File, n)) return 0;
    Denpyou_SplitRecord();
    return n;
}
