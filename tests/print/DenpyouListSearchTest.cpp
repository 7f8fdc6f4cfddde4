// The document list's search: customer, inclusive date range, kind, deleted
// documents, the 999-hit cap, date and number order, the default dates, and
// records that cannot be read.
#include <random>

#include "platform/FileFault.h"
#include "print/list/DenpyouListDoc.h"
#include "print/list/DenpyouListPage.h"
#include "store/Today.h"
#include "tests/print/ListFixture.h"
#include "ui/Flags.h"

namespace {

using Hits = std::vector<int>;

TEST_F(ListTest, SearchesOneCustomerByBothNamesOrEveryCustomer) {
    TListDocSpec yamada, yamadaHonten, sato, nameless;
    yamadaHonten.Name_2 = "本店";
    sato.Name_1 = "佐藤建設";
    nameless.Name_1 = "";
    Start({yamada, yamadaHonten, sato, nameless});
    struct {
        const char *Name1, *Name2;
        Hits Expected;
    } cases[] = {
        {"山田電気", "", {1}},       // name 2 must match too
        {"山田電気", "本店", {2}},
        {"山田", "", {}},            // all 40 bytes compared
        {"全顧客", "", {1, 2, 3, 4}},
        {"全顧客様", "x", {1, 2, 3, 4}},  // the first six bytes decide
    };
    for (const auto& c : cases) {
        Customer(c.Name1, c.Name2);
        EXPECT_EQ(Search(), c.Expected) << c.Name1 << "/" << c.Name2;
    }
    // A caption that is empty or starts with a blank searches every customer
    // and shows so.
    for (const char* blank : {"", " 山田電気"}) {
        Customer(blank, "本店");
        EXPECT_EQ(Search(), (Hits{1, 2, 3, 4}));
        EXPECT_EQ(Text("Label_DenpyouList_SearchName_1"), "全顧客");
        EXPECT_EQ(Text("Label_DenpyouList_SearchName_2"), "");
    }
}

TEST_F(ListTest, DateRangeIncludesBothEndsAndFillsMissingPartsWithToday) {
    auto dated = [](const char* y, const char* m, const char* d) {
        TListDocSpec s;
        s.Year = y, s.Month = m, s.Day = d;
        return s;
    };
    // Today is 2025-04-01.
    Start({dated("2025", " 3", "31"), dated("2025", " 4", " 1"), dated("2025", "04", "15"),
           dated("2025", " 4", "30"), dated("2025", " 5", " 1"), dated("", "", "")});
    struct {
        const char* Typed[6];
        Hits Expected;
        const char* Shown[6];  // the inputs afterwards
    } cases[] = {
        {{"2025", "4", "1", "2025", "4", "30"}, {2, 3, 4}, {"2025", " 4", " 1", "2025", "4", "30"}},
        // A year below 2000, a blank month or day: today's. The end's month
        // and day are written back only when replaced.
        {{"6", "", "1", "", "4", ""}, {2}, {"2025", " 4", " 1", "2025", "4", " 1"}},
        {{"2025", "5", "1", "2025", "4", "1"}, {}, {"2025", " 5", " 1", "2025", "4", "1"}},  // start after end
        // A blank creation date is never found.
        {{"2000", "1", "1", "9999", "12", "31"}, {1, 2, 3, 4, 5}, {"2000", " 1", " 1", "9999", "12", "31"}},
    };
    ByDate(false);
    for (const auto& c : cases) {
        Range(c.Typed[0], c.Typed[1], c.Typed[2], c.Typed[3], c.Typed[4], c.Typed[5]);
        EXPECT_EQ(Search(), c.Expected) << c.Typed[0] << "-" << c.Typed[1] << "-" << c.Typed[2];
        for (int i = 0; i < ListDate_Count; ++i) EXPECT_EQ(Text(DenpyouList_DateEdit[i]), c.Shown[i]);
    }
}

TEST_F(ListTest, KindFilterAndDeletedDocuments) {
    std::vector<TListDocSpec> docs(6);
    const char kinds[] = {DenpyouKind_Mitumori, DenpyouKind_Seikyuu, DenpyouKind_Utiwake,
                          DenpyouKind_Irai,     DenpyouKind_None,    DenpyouKind_Deleted};
    for (size_t i = 0; i < docs.size(); ++i) docs[i].Kind = kinds[i];
    Start(docs);
    ByDate(false);
    Kind("RadioButton_All");
    EXPECT_EQ(Search(), (Hits{1, 2, 3, 4, 5}));
    Kind("RadioButton_MitumoriOnly");
    EXPECT_EQ(Search(), (Hits{1}));
    Kind("RadioButton_SeikyuuOnly");
    EXPECT_EQ(Search(), (Hits{2}));
}

// The sort key of a document as the list orders it: the invoice's issue
// date, every other kind's creation date, blanks read as '0'.
int OrderKey(const TListDocSpec& d) {
    std::string key = d.Kind == DenpyouKind_Seikyuu ? ListData_Date(d.IssueYear, d.IssueMonth, d.IssueDay)
                                                    : ListData_Date(d.Year, d.Month, d.Day);
    for (char& c : key)
        if (c == ' ') c = '0';
    return std::atoi(key.c_str());
}

// The exchange sort as the list's date order is defined: for i, for j > i,
// exchange entries i and j when key i > key j.
Hits LiteralExchangeSort(const std::vector<TListDocSpec>& docs, Hits hits) {
    for (size_t i = 0; i + 1 < hits.size(); ++i)
        for (size_t j = i + 1; j < hits.size(); ++j)
            if (OrderKey(docs[hits[i] - 1]) > OrderKey(docs[hits[j] - 1])) std::swap(hits[i], hits[j]);
    return hits;
}

TEST_F(ListTest, DateOrderIsTheExchangeSortsOrderAndNumberOrderTheFilesOrder) {
    // Many documents on few days; invoices placed by their issue date,
    // unprinted ones (blank) first.
    std::vector<TListDocSpec> docs;
    std::mt19937 rng(11);
    const char* days[] = {" 2", " 5", " 7"};
    const char* issueDays[] = {"", " 4", " 6"};
    for (int i = 0; i < 300; ++i) {
        TListDocSpec d;
        const char kinds[] = {DenpyouKind_Mitumori, DenpyouKind_Mitumori, DenpyouKind_Seikyuu, DenpyouKind_Utiwake};
        d.Kind = kinds[rng() % 4];
        d.Day = days[rng() % 3];
        if (d.Kind == DenpyouKind_Seikyuu && rng() % 3 != 0) {
            d.IssueYear = "2025", d.IssueMonth = " 4", d.IssueDay = issueDays[rng() % 3];
            if (d.IssueDay[0] == '\0') d.IssueYear = d.IssueMonth = "";
        }
        docs.push_back(d);
    }
    Start(docs);
    Hits fileOrder(docs.size());
    for (size_t i = 0; i < fileOrder.size(); ++i) fileOrder[i] = static_cast<int>(i) + 1;

    ByDate(false);
    EXPECT_EQ(Search(), fileOrder);
    ByDate(true);
    const Hits byDate = Search();
    EXPECT_EQ(byDate, LiteralExchangeSort(docs, fileOrder));
    EXPECT_FALSE(Session.FileExists("Data\\DenpyouSort.tmp"));
}

// Records 1 and 2 on the same day, 3 earlier: equal keys do not stay in
// file order.
TEST_F(ListTest, ExampleOfEqualDatesComesOutReversed) {
    std::vector<TListDocSpec> docs(3);
    docs[0].Day = docs[1].Day = " 9";
    docs[2].Day = " 3";
    Start(docs);
    EXPECT_EQ(Search(), (Hits{3, 2, 1}));
}

TEST_F(ListTest, KeepsAtMost999Hits) {
    Start(std::vector<TListDocSpec>(1005));
    for (bool byDate : {false, true}) {
        ByDate(byDate);
        const Hits hits = Search();
        ASSERT_EQ(hits.size(), 999u);
        EXPECT_EQ(hits.front(), 1);
        EXPECT_EQ(hits.back(), 999);  // equal keys: the exchange sort leaves them in place
        EXPECT_EQ(DenpyouList_Hits[999], 0);
        EXPECT_TRUE(DenpyouList_Shown);
    }
}

TEST_F(ListTest, RecordsThatCannotBeReadAreNotFound) {
    Start(std::vector<TListDocSpec>(5));
    ByDate(false);
    // Record 5 has gone since the count; record 4 is cut short after its
    // header and reads completed with blanks, as every record file reads.
    const std::string file = *Session.ReadFile("Data\\Denpyou.620");
    ASSERT_TRUE(Session.WriteFile("Data\\Denpyou.620", file.substr(0, 3 * Denpyou_RecLen + 300)));
    // The headers come in one read of many: it comes up short within record
    // 2's header, and the read after it, of record 3 on, fails.
    FileFault_Plan(TFileOp::Read, 1, sizeof TListDoc::Head + 100);
    FileFault_Plan(TFileOp::Read, 2);
    EXPECT_EQ(Search(), (Hits{1, 4}));
    // Nothing of that reading is kept: the next search reads again.
    EXPECT_EQ(Search(), (Hits{1, 2, 3, 4}));
    // A record that cannot be read is passed over; those after it are found
    // (the file changed from outside, so it is read again).
    ASSERT_TRUE(Session.WriteFile("Data\\Denpyou.620", file.substr(0, 4 * Denpyou_RecLen)));
    FileFault_Plan(TFileOp::Read, 1);
    EXPECT_EQ(Search(), (Hits{2, 3, 4}));
}

TEST_F(ListTest, NoHitBlanksTheRows) {
    Start({TListDocSpec{}});
    DenpyouList_SetCaption("Label_Denpyou_List_No_01", "         7");
    DenpyouList_SetCaption("Label_Denpyou_SubList_Kei_09", "      1000");
    Customer("佐藤建設");
    EXPECT_EQ(Search(), Hits{});
    EXPECT_EQ(Text("Label_Denpyou_List_No_01"), "");
    EXPECT_EQ(Text("Label_Denpyou_SubList_Kei_09"), "");
    EXPECT_EQ(DenpyouList_Top, 0);
    EXPECT_EQ(DenpyouList_Row, 0);
}

TEST_F(ListTest, ResetFillsMissingDatesAndEmptiesTheHits) {
    Start({TListDocSpec{}});
    struct {
        int Today[3];
        const char* Typed[6];
        const char* Shown[6];
    } cases[] = {
        {{2025, 4, 1}, {"", "", "", "", "", ""}, {"2025", " 3", " 0", "2025", " 4", " 1"}},
        {{2026, 1, 15}, {"", "", "", "", "", ""}, {"2025", "12", " 0", "2026", " 1", "15"}},
        // As after start-up: the years' "1234" keeps both ends.
        {{2025, 4, 1}, {"1234", "", "", "1234", "", ""}, {"1234", " 0", " 0", "1234", " 0", " 0"}},
        {{2025, 4, 1}, {"2024", "7", "", "", "", "3"}, {"2024", " 7", " 0", " 0", " 0", " 3"}},
    };
    for (const auto& c : cases) {
        Today_Year = c.Today[0], Today_Month = c.Today[1], Today_Day = c.Today[2];
        Range(c.Typed[0], c.Typed[1], c.Typed[2], c.Typed[3], c.Typed[4], c.Typed[5]);
        DenpyouList_SetText("Edit_DenpyouListLineChoose", "x");
        SetHits({1});
        DenpyouList_Top = 1;
        DenpyouList_ResetSearch();
        for (int i = 0; i < ListDate_Count; ++i) EXPECT_EQ(Text(DenpyouList_DateEdit[i]), c.Shown[i]) << i;
        EXPECT_EQ(Text("Edit_DenpyouListLineChoose"), "");
        EXPECT_EQ(DenpyouList_HitCount, 0);
        EXPECT_EQ(DenpyouList_Hits[0], 0);
        EXPECT_EQ(DenpyouList_Top, 0);
    }
    // After the start-up reset the search runs for today only.
    Today_Year = 2025, Today_Month = 4, Today_Day = 1;
    Range("1234", "", "", "1234", "", "");
    DenpyouList_ResetSearch();
    EXPECT_EQ(Search(), Hits{1});
    EXPECT_EQ(Text("Edit_SearchStartYear"), "2025");
    EXPECT_EQ(Text("Edit_SearchStartMonth"), " 4");
    EXPECT_EQ(Text("Edit_SearchEndDay"), " 1");
}

}  // namespace
