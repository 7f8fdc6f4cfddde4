#include "print/list/DenpyouListPrint.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "store/Number.h"
#include "platform/Printer.h"
#include "print/PrintArea.h"
#include "print/PrintMargins.h"
#include "print/PrintText.h"
#include "ui/Focus.h"
#include "print/list/DenpyouListControls.h"
#include "print/list/DenpyouListDoc.h"
#include "print/list/DenpyouListHits.h"
#include "store/Jisya.h"
#include "store/MasterFields.h"
#include "ui/Focus.h"

const TLockHolder Lock_DenpyouList{"the document list's print"};

namespace {

constexpr int FontSize = 11;  // points, in Print_Gothic
constexpr int LineWidth = 132, LineWidthWithKind = 134;

// The two layouts. The title is built from a mask whose runs of asterisks
// take the texts; both masks begin with the date range (start year, month,
// day at columns 3, 7, 11, end year, month, day at 17, 21, 25). The column
// header is its captions at their columns in a line of blanks.
struct TLayout {
    int DocsPerPage, LinesPerPage, LinesPerDoc;
    int RuleStep;  // millimetres between the frame's rules
    int RuleCount;
    const char* Title;
    int Name_1, Name_2, KindWord, Page, Pages;  // columns in the title (-1: none)
    int HeadingWidth;
    const char* HeadingLeft;  // from column 0
    int Naiyou, Amount;       // columns of the construction-name caption and "金    額"
};
constexpr char TitleOne[] =
    "   **年**月**日～**年**月**日までの【***************************************+"
    "****************************************】  ******  ***/***";
constexpr char TitleAll[] = "   **年**月**日～**年**月**日までの全顧客伝票一覧    ******   ***/***";
static_assert(sizeof TitleOne - 1 == 136 && sizeof TitleAll - 1 == 69);
constexpr TLayout OneCustomer{35, 35, 1, 5, 33, TitleOne, 37, 77, 121, 129, 133,
                              125, "   伝票番号   作成日", 25, 117};
constexpr TLayout AllCustomers{17, 34, 2, 10, 17, TitleAll, -1, -1, 53, 62, 66,
                               121, "   伝票番号   作成日     顧客名", 67, 113};
constexpr int DateColumn[ListDate_Count] = {3, 7, 11, 17, 21, 25};

void Put(std::string& line, int column, std::string_view text) {
    line.replace(static_cast<size_t>(column), text.size(), text);
}

std::string Number3(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%3d", value);
    return text;
}

// A date input as two characters: its text right-aligned (the last two of a
// longer one) when it reads as a number other than 0, else blanks.
std::string DatePart(TListDate which) {
    return Num_DatePartText(DenpyouList_Text(DenpyouList_DateEdit[which]).c_str(), 2);
}

// The total in 12 columns: blank for 0, else "%10ld" with separators.
std::string Total(const TListDoc& doc) {
    const std::int64_t total = Num_ReadLong(std::string(doc.Field(DenpyouField_Goukei)).c_str());
    return total != 0 ? Print_Amount(total, 10) : std::string(12, ' ');
}

// The kind word at the end of a line when every kind is listed.
const char* KindWord(char kind) {
    switch (kind) {
        case DenpyouKind_Mitumori: return "見積書  ";
        case DenpyouKind_Seikyuu: return "請求書  ";
        case DenpyouKind_Utiwake: return "内訳書  ";
        default: return "見積依頼";
    }
}

class TListPrinter {
public:
    // The list's positions start at the margins' corner itself, without the
    // document's 10 mm and 2 mm.
    TListPrinter(TPrinter& printer, const TLayout& layout)
        : printer_(printer), layout_(layout), area_(TPrintArea::Of(printer, Print_LeftMargin, Print_TopMargin)) {
        area_.OriginX = area_.OriginY = 0;
    }

    // Prints every hit; the job has begun.
    void Run(const std::string& title, const std::string& heading, bool kindWords);

private:
    // A line of the list at the left margin, y millimetres below the top one.
    void Text(int y, const std::string& text) const { area_.Text(0, y, Print_Gothic, FontSize, text.c_str()); }
    void Frame() const;
    void Lines(const TListDoc& doc, bool kindWords, std::string& line1, std::string& line2) const;

    TPrinter& printer_;
    const TLayout& layout_;
    TPrintArea area_;
};

// The frame from (0, 14) to (270, 185), drawn down, across, up and back, and
// its rules from the top edge down.
void TListPrinter::Frame() const {
    area_.PenWidth(1);
    area_.Line(0, 14, 0, 185);
    area_.Line(0, 185, 270, 185);
    area_.Line(270, 185, 270, 14);
    area_.Line(270, 14, 0, 14);
    for (int k = 0; k < layout_.RuleCount; ++k) area_.Line(0, 14 + layout_.RuleStep * k, 270, 14 + layout_.RuleStep * k);
}

void TListPrinter::Lines(const TListDoc& doc, bool kindWords, std::string& line1, std::string& line2) const {
    char era[3];
    DenpyouList_EraYear(doc.Field(DenpyouField_MakeYear), doc.Field(DenpyouField_MakeMonth), era);
    line1.assign(LineWidth, ' ');
    line2.assign(LineWidth, ' ');
    Put(line1, 1, doc.Field(DenpyouField_No));
    Put(line1, 12, era);
    Put(line1, 16, doc.Field(DenpyouField_MakeMonth));
    Put(line1, 20, doc.Field(DenpyouField_MakeDay));
    if (layout_.LinesPerDoc == 1) {  // one customer: construction names, total
        Put(line1, 25, doc.Field(DenpyouField_KoujiName_1));
        Put(line1, 65, doc.Field(DenpyouField_KoujiName_2));
        Put(line1, 113, Total(doc));
    } else {  // all customers: customer and construction names, total below
        Put(line1, 25, doc.Field(DenpyouField_KokyakuName_1));
        Put(line1, 67, doc.Field(DenpyouField_KoujiName_1));
        Put(line2, 25, doc.Field(DenpyouField_KokyakuName_2));
        Put(line2, 67, doc.Field(DenpyouField_KoujiName_2));
        Put(line2, 113, Total(doc));
    }
    if (kindWords) {
        line1.resize(LineWidthWithKind, ' ');
        Put(line1, 126, KindWord(doc.Kind()));
    }
}

void TListPrinter::Run(const std::string& title, const std::string& heading, bool kindWords) {
    const int pages = (DenpyouList_HitCount + layout_.DocsPerPage - 1) / layout_.DocsPerPage;
    int page = 1, lines = 0;
    bool headed = false;
    TListFile file;
    TListDoc doc;
    std::string line1, line2;
    for (int i = 0; i < DenpyouList_HitCount; ++i) {
        if (!headed) {
            std::string t = title;
            Put(t, layout_.Page, Number3(page));
            Put(t, layout_.Pages, Number3(pages));
            Text(3, t);
            Text(9, heading);
            headed = true;
        }
        // A record that cannot be read prints as a blank line.
        file.Read(DenpyouList_Hits[i], doc);
        Lines(doc, kindWords, line1, line2);
        Text(15 + 5 * lines++, line1);
        if (layout_.LinesPerDoc == 2) Text(15 + 5 * lines++, line2);
        if (lines == layout_.LinesPerPage) {
            Frame();
            ++page;
            headed = false;
            lines = 0;
            if (page <= pages) printer_.NewPage();
        }
    }
    if (lines > 0) Frame();
}

}  // namespace

void DenpyouList_Print() {
    if (DenpyouList_HitCount < 1) return;
    Popup_LockTake(Lock_DenpyouList);

    const bool allKinds = DenpyouList_Checked("RadioButton_All");
    const char* kindTitle = allKinds                                        ? "全伝票"
                            : DenpyouList_Checked("RadioButton_MitumoriOnly") ? "見積書"
                                                                              : "請求書";
    const bool everyCustomer = DenpyouList_Visible("Panel_DenpyouList_SubPage");
    const TLayout& layout = everyCustomer ? AllCustomers : OneCustomer;

    std::string title = layout.Title;
    for (int i = 0; i < ListDate_Count; ++i) Put(title, DateColumn[i], DatePart(static_cast<TListDate>(i)));
    if (!everyCustomer) {
        char name[41];
        DenpyouList_NameKey("Label_DenpyouList_SearchName_1", name);
        Put(title, layout.Name_1, name);
        DenpyouList_NameKey("Label_DenpyouList_SearchName_2", name);
        Put(title, layout.Name_2, name);
    }
    Put(title, layout.KindWord, kindTitle);
    std::string heading(static_cast<size_t>(layout.HeadingWidth), ' ');
    Put(heading, 0, layout.HeadingLeft);
    Put(heading, layout.Amount, "金    額");
    Put(heading, layout.Naiyou,
        std::string_view(Jisya_Field[JisyaField_Naiyou], static_cast<size_t>(Jisya_FieldWidth[JisyaField_Naiyou])));

    TPrinter& printer = Printer();
    printer.Title = "伝票一覧";
    printer.SetA4(TPrinterOrientation::poLandscape);
    // A job that fails to start or to finish has been reported by the
    // printer layer; the list and the screen stay as they are.
    if (printer.BeginDoc()) {
        TListPrinter(printer, layout).Run(title, heading, allKinds);
        printer.EndDoc();
    }
    Popup_LockRelease(Lock_DenpyouList);
}
