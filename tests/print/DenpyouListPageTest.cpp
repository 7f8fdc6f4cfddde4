// The list's page rows in both forms, paging by nine, the result shown after
// a search, and reading a row's document for the editor.
#include "platform/FileFault.h"
#include "print/list/DenpyouListPage.h"
#include "tests/print/ListFixture.h"

namespace {

TListDoc DocOf(const TListDocSpec& spec, int n = 1) {
    const std::string r = ListDocRecord(spec, n);
    TListDoc doc;
    std::memcpy(doc.Head, r.data() + Denpyou_FieldOffset[TListDoc::HeadFirst], sizeof doc.Head);
    std::memcpy(doc.Tail, r.data() + Denpyou_FieldOffset[TListDoc::TailFirst], sizeof doc.Tail);
    return doc;
}

TEST(ListRow, ShowsTheStoredFieldsWithTheEraYear) {
    TListDocSpec d;
    d.Kouji_1 = "本社改修";
    d.Kouji_2 = "二期";
    d.Total = "1234567";
    const TListRow row = DenpyouList_RowOf(DocOf(d, 12), true, ListPage_OneCustomer);
    EXPECT_EQ(row.No, "        12");
    EXPECT_EQ(row.Kind, "見積書");
    EXPECT_EQ(row.Year + "/" + row.Month + "/" + row.Day, " 7/ 4/ 1");
    EXPECT_EQ(row.Kouji_1, DenpyouList_RowOf(DocOf(d), true, ListPage_AllCustomers).Kouji_1);
    EXPECT_EQ(row.Kouji_1.size(), 40u);
    EXPECT_EQ(row.Kouji_1.substr(0, 8), "本社改修");
    EXPECT_EQ(row.Kei, "   1234567");  // as stored, no separators
    EXPECT_EQ(row.Name_1.substr(0, 8), "山田電気");

    struct {
        char Kind;
        const char *Year, *Month;
        const char* Word;
        const char* EraYear;
    } cases[] = {
        {'1', "2019", " 4", "見積書", "31"}, {' ', "2019", " 5", "見積書", " 1"},
        {'3', "2018", "12", "内訳書", "30"}, {'4', "2024", " 1", "見積依頼", " 6"},
        {'1', "1988", " 1", "見積書", " 0"}, {'1', "", "", "見積書", "  "},
        // Era years that would not fit their two cells show blanks.
        {'1', " 123", " 1", "見積書", "  "}, {'1', "9999", " 1", "見積書", "  "},
    };
    for (const auto& c : cases) {
        TListDocSpec s;
        s.Kind = c.Kind, s.Year = c.Year, s.Month = c.Month;
        const TListRow r = DenpyouList_RowOf(DocOf(s), true, ListPage_OneCustomer);
        EXPECT_EQ(r.Kind, c.Word) << c.Year;
        EXPECT_EQ(r.Year, c.EraYear) << "[" << c.Year << "]";
    }
    EXPECT_EQ(DenpyouList_RowOf(TListDoc{}, false, ListPage_OneCustomer).Kind, "");
}

TEST(ListRow, InvoiceShowsItsIssueDateOnlyOnTheOneCustomerPage) {
    TListDocSpec printed;
    printed.Kind = DenpyouKind_Seikyuu;
    printed.IssueYear = "2025", printed.IssueMonth = " 5", printed.IssueDay = "10";
    TListDocSpec unprinted = printed;
    unprinted.IssueYear = unprinted.IssueMonth = unprinted.IssueDay = "";
    auto date = [](const TListRow& r) { return r.Year + "/" + r.Month + "/" + r.Day; };
    EXPECT_EQ(date(DenpyouList_RowOf(DocOf(printed), true, ListPage_OneCustomer)), " 7/ 5/10");
    EXPECT_EQ(date(DenpyouList_RowOf(DocOf(unprinted), true, ListPage_OneCustomer)), "  /  /  ");
    EXPECT_EQ(date(DenpyouList_RowOf(DocOf(printed), true, ListPage_AllCustomers)), " 7/ 4/ 1");
    EXPECT_EQ(date(DenpyouList_RowOf(DocOf(unprinted), true, ListPage_AllCustomers)), " 7/ 4/ 1");
}

TEST_F(ListTest, PagesByNineWithTheLastPageShowingTheLastNine) {
    Start(std::vector<TListDocSpec>(20));
    ByDate(false);
    Search();
    auto shown = [&] {
        DenpyouList_ShowPage();
        return Text("Label_Denpyou_List_No_01") + "|" + Text("Label_Denpyou_List_No_09");
    };
    EXPECT_EQ(shown(), "         1|         9");
    int tops[4];
    for (int i = 0; i < 2; ++i) {
        EXPECT_TRUE(DenpyouList_PageForward());
        tops[i] = DenpyouList_Top;
    }
    EXPECT_FALSE(DenpyouList_PageForward());
    EXPECT_EQ(shown(), "        12|        20");
    for (int i = 2; i < 4; ++i) {
        EXPECT_TRUE(DenpyouList_PageBack());
        tops[i] = DenpyouList_Top;
    }
    EXPECT_FALSE(DenpyouList_PageBack());
    EXPECT_EQ((std::vector<int>(tops, tops + 4)), (std::vector<int>{9, 11, 2, 0}));

    // Nine hits or fewer: the arrows do nothing.
    SetHits({1, 2, 3, 4, 5});
    EXPECT_FALSE(DenpyouList_PageForward());
    EXPECT_FALSE(DenpyouList_PageBack());
    DenpyouSubList_ShowPage();
    EXPECT_EQ(Text("Label_Denpyou_SubList_No_05"), "         5");
    EXPECT_EQ(Text("Label_DenpyouKind2_05"), "見積書");
    EXPECT_EQ(Text("Label_Denpyou_SubList_No_06"), std::string(10, ' '));
    EXPECT_EQ(Text("Label_DenpyouKind2_06"), "");
    EXPECT_EQ(Text("Label_Denpyou_SubList_Year_06"), "  ");
}

TEST_F(ListTest, ResultTakesThePageFormOfTheCustomerCaption) {
    TListDocSpec other;
    other.Name_1 = "佐藤建設";
    Start({TListDocSpec{}, other});
    Session.Control("Panel_DenpyouList")->Show();

    DenpyouList_MakeHitList();
    DenpyouList_ShowResult();
    EXPECT_TRUE(Session.Control("Panel_DenpyouList_SubPage")->Visible());
    EXPECT_EQ(Text("Label_Denpyou_SubList_Name_1_02").substr(0, 8), "佐藤建設");
    EXPECT_EQ(Session.FocusedName(), "Edit_DenpyouListLineChoose");

    Customer("佐藤建設");
    DenpyouList_MakeHitList();
    DenpyouList_ShowResult();
    EXPECT_FALSE(Session.Control("Panel_DenpyouList_SubPage")->Visible());
    EXPECT_EQ(Text("Label_Denpyou_List_No_01"), "         2");
    EXPECT_EQ(Text("Label_Denpyou_List_No_02"), std::string(10, ' '));

    // Nothing found: the criteria are reset, the form follows the caption.
    Customer("全顧客");
    Range("2024", "1", "1", "2024", "1", "31");
    DenpyouList_MakeHitList();
    DenpyouList_ShowResult();
    EXPECT_TRUE(Session.Control("Panel_DenpyouList_SubPage")->Visible());
    EXPECT_EQ(Text("Edit_SearchStartMonth"), " 1");
    EXPECT_EQ(Session.FocusedName(), "Edit_DenpyouList_SearchName");
}

TEST_F(ListTest, ARowIsReadForTheEditorOnlyWhenItsDocumentIsReadWhole) {
    TListDocSpec second;
    second.Kouji_1 = "二番目";
    Start({TListDocSpec{}, second, TListDocSpec{}});
    ByDate(false);
    Search();
    DenpyouList_Top = 0;
    EXPECT_EQ(DenpyouList_ReadSlip(1), 2);
    EXPECT_EQ(std::string(Denpyou_Field[DenpyouField_KoujiName_1]).substr(0, 6), "二番目");
    EXPECT_EQ(std::string(Denpyou_RecBuf.begin(), Denpyou_RecBuf.end()), ListDocRecord(second, 2));

    const std::string editor = EditorDocument();
    // Rows beyond the hits, outside the page, or before the first.
    for (int row : {3, 8, 9, -1}) EXPECT_EQ(DenpyouList_ReadSlip(row), 0) << row;
    DenpyouList_Top = 2;
    EXPECT_EQ(DenpyouList_ReadSlip(1), 0);
    DenpyouList_Top = 0;
    // A failed read, a short one, and a record gone from the file since the
    // search.
    FileFault_Plan(TFileOp::Read, 1);
    EXPECT_EQ(DenpyouList_ReadSlip(0), 0);
    FileFault_Plan(TFileOp::Read, 1, 22999);
    EXPECT_EQ(DenpyouList_ReadSlip(0), 0);
    const std::string file = *Session.ReadFile("Data\\Denpyou.620");
    ASSERT_TRUE(Session.WriteFile("Data\\Denpyou.620", file.substr(0, 2 * Denpyou_RecLen)));
    EXPECT_EQ(DenpyouList_ReadSlip(2), 0);
    EXPECT_EQ(EditorDocument(), editor);
    EXPECT_EQ(DenpyouList_ReadSlip(0), 1);
}

TEST_F(ListTest, PageShowsARecordThatCannotBeReadAsABlankRow) {
    TListDocSpec d;
    d.Kouji_1 = "工事";
    Start({d, d});
    ByDate(false);
    Search();
    // The file changed from outside since the search: the page reads it.
    ASSERT_TRUE(Session.WriteFile("Data\\Denpyou.620", ListDocRecord(d, 1) + ListDocRecord(d, 2) + ListDocRecord(d, 3)));
    FileFault_Plan(TFileOp::Read, 1);
    DenpyouList_ShowPage();
    EXPECT_EQ(Text("Label_Denpyou_List_No_01"), std::string(10, ' '));
    EXPECT_EQ(Text("Label_Denpyou_List_Year_01"), "  ");
    EXPECT_EQ(Text("Label_Denpyou_List_No_02"), "         2");
}

}  // namespace
