#include "print/list/DenpyouListSearch.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "print/list/DenpyouListControls.h"
#include "print/list/DenpyouListDoc.h"
#include "print/list/DenpyouListHits.h"
#include "print/list/DenpyouListPage.h"
#include "store/Denpyou.h"
#include "store/Number.h"
#include "store/Sort.h"
#include "store/Str.h"
#include "store/Today.h"

namespace {

constexpr const char* NameLabel_1 = "Label_DenpyouList_SearchName_1";
constexpr const char* NameLabel_2 = "Label_DenpyouList_SearchName_2";

int DateNumber(TListDate which) { return Num_ReadDatePart(DenpyouList_Text(DenpyouList_DateEdit[which]).c_str()); }

void WriteNumber(TListDate which, const char* format, int value) {
    char text[16];
    std::snprintf(text, sizeof text, format, value);
    DenpyouList_SetText(DenpyouList_DateEdit[which], text);
}

std::int64_t DateKey(std::int64_t year, std::int64_t month, std::int64_t day) { return year * 10000 + month * 100 + day; }

std::int64_t FieldNumber(const TListDoc& doc, DenpyouField k) {
    const std::string_view f = doc.Field(k);
    return Str_ToInt(f.data(), static_cast<int>(f.size()));
}

std::int64_t CreationKey(const TListDoc& doc) {
    return DateKey(FieldNumber(doc, DenpyouField_MakeYear), FieldNumber(doc, DenpyouField_MakeMonth),
                   FieldNumber(doc, DenpyouField_MakeDay));
}

// One end of the range from its three inputs: a year below 2000 and a month
// or day of 0 become today's; the year is always written back, the month
// and day as the end of the range wants them.
std::int64_t RangeEnd(TListDate yearInput, bool rewriteUnchanged) {
    const auto monthInput = static_cast<TListDate>(yearInput + 1), dayInput = static_cast<TListDate>(yearInput + 2);
    int year = DateNumber(yearInput), month = DateNumber(monthInput), day = DateNumber(dayInput);
    if (year < 2000) year = Today_Year;
    WriteNumber(yearInput, "%4d", year);
    const bool monthToday = month == 0, dayToday = day == 0;
    if (monthToday) month = Today_Month;
    if (dayToday) day = Today_Day;
    if (monthToday || rewriteUnchanged) WriteNumber(monthInput, "%2d", month);
    if (dayToday || rewriteUnchanged) WriteNumber(dayInput, "%2d", day);
    return DateKey(year, month, day);
}

// The key a document is placed by in date order: the 8 bytes of the invoice
// issue date for an invoice, of the creation date for any other kind, each
// blank read as '0', taken as a number.
int SortKey(const TListDoc& doc) {
    const DenpyouField first = doc.Kind() == DenpyouKind_Seikyuu ? DenpyouField_SeikyuuYear : DenpyouField_MakeYear;
    char bytes[8];
    std::memcpy(bytes, doc.Field(first).data(), sizeof bytes);  // year, month and day lie together
    for (char& c : bytes)
        if (c == ' ') c = '0';
    return Str_ToInt(bytes, sizeof bytes);
}

// Puts the hits into date order: the order in which the exchange sort
// (for i: for j > i: exchange when key i > key j) leaves them, so that equal
// keys come out as that sort leaves them. The keys go to Sort_ExchangeOrder
// as fixed-width digits, which order as the numbers do.
void SortByDate(const std::vector<int>& keys) {
    const int n = DenpyouList_HitCount;
    constexpr int Width = 10, Stride = Width + 1;  // room for snprintf's NUL
    std::vector<char> digits(static_cast<size_t>(n) * Stride);
    for (int i = 0; i < n; ++i)
        std::snprintf(&digits[static_cast<size_t>(i) * Stride], Stride, "%010lld",
                      static_cast<long long>(keys[static_cast<size_t>(i)]) - INT_MIN);
    const std::vector<int> order = Sort_ExchangeOrder(digits.data(), n, Width, Stride);
    std::vector<int> sorted(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) sorted[static_cast<size_t>(i)] = DenpyouList_Hits[order[static_cast<size_t>(i)]];
    std::copy(sorted.begin(), sorted.end(), DenpyouList_Hits);
}

}  // namespace

void DenpyouList_ResetSearch() {
    DenpyouList_ClearHits();
    int date[ListDate_Count];
    for (int i = 0; i < ListDate_Count; ++i) date[i] = DateNumber(static_cast<TListDate>(i));
    auto sum = [&](int first) {
        return static_cast<std::int64_t>(date[first]) + date[first + 1] + date[first + 2];
    };
    if (sum(ListDate_StartYear) == 0) {
        // The month before today; the day 0 becomes today's at the search.
        const bool january = Today_Month == 1;
        date[ListDate_StartYear] = january ? Today_Year - 1 : Today_Year;
        date[ListDate_StartMonth] = january ? 12 : Today_Month - 1;
        date[ListDate_StartDay] = 0;
    }
    if (sum(ListDate_EndYear) == 0) {
        date[ListDate_EndYear] = Today_Year;
        date[ListDate_EndMonth] = Today_Month;
        date[ListDate_EndDay] = Today_Day;
    }
    DenpyouList_SetText("Edit_DenpyouList_SearchName", "");
    for (int i = 0; i < ListDate_Count; ++i) WriteNumber(static_cast<TListDate>(i), "%2d", date[i]);
    DenpyouList_SetText("Edit_DenpyouSearchComandChoose", "");
    DenpyouList_SetText("Edit_DenpyouListLineChoose", "");
}

void DenpyouList_MakeHitList() {
    DenpyouList_ClearHits();

    char key1[41], key2[41];
    DenpyouList_NameKey(NameLabel_1, key1);
    Str_Spaces(key2, 40);
    if (key1[0] == ' ') {
        DenpyouList_SetCaption(NameLabel_1, "全顧客");
        DenpyouList_SetCaption(NameLabel_2, "");
        Str_Pad("全顧客", key1, 40, 0);
    } else {
        DenpyouList_NameKey(NameLabel_2, key2);
    }
    const bool everyCustomer = DenpyouList_IsAllCustomers(key1);

    const std::int64_t endKey = RangeEnd(ListDate_EndYear, false);
    const std::int64_t startKey = RangeEnd(ListDate_StartYear, true);

    const bool allKinds = DenpyouList_Checked("RadioButton_All");
    const bool mitumoriOnly = DenpyouList_Checked("RadioButton_MitumoriOnly");
    const bool seikyuuOnly = DenpyouList_Checked("RadioButton_SeikyuuOnly");
    const bool byDate = DenpyouList_Checked("RadioButton_DaySort");

    std::vector<int> sortKeys;
    TListFile file(true);
    file.ScanHeads(1, Denpyou_Count, [&](int n, TListDoc& doc) {
        // A record that cannot be read is blank: date key 0, never found.
        const char kind = doc.Kind();
        if (kind == DenpyouKind_Deleted) return true;
        if (!everyCustomer && (doc.Field(DenpyouField_KokyakuName_1) != std::string_view(key1, 40) ||
                               doc.Field(DenpyouField_KokyakuName_2) != std::string_view(key2, 40)))
            return true;
        const std::int64_t key = CreationKey(doc);
        if (key < startKey || key > endKey) return true;
        if (!(allKinds || (mitumoriOnly && kind == DenpyouKind_Mitumori) ||
              (seikyuuOnly && kind == DenpyouKind_Seikyuu)))
            return true;
        DenpyouList_Hits[DenpyouList_HitCount++] = n;
        DenpyouList_Shown = true;
        if (byDate) sortKeys.push_back(SortKey(doc));
        // Hits beyond 999 are not listed; they would change nothing else.
        return DenpyouList_HitCount < DenpyouList_HitMax - 1;
    });

    if (DenpyouList_HitCount == 0) {
        DenpyouList_ClearLabels();
        return;
    }
    if (byDate && DenpyouList_HitCount > 1) SortByDate(sortKeys);
}
