#include "print/list/DenpyouListPrint.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "app/Focus.h"
#include "document/Number.h"
#include "platform/Printer.h"
#include "print/DenpyouList.h"
#include "print/list/DenpyouListControls.h"
#include "print/list/DenpyouListDoc.h"
#include "print/list/DenpyouListHits.h"
#include "store/Jisya.h"
#include "store/MasterFields.h"
#include "store/Str.h"

namespace {

constexpr const char* Face = "ＭＳ ゴシック";
constexpr int FontSize = 11;  // points
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

// ---- helpers shared with the document printing (to be joined with it)

// Device units for a length in millimetres: dpi × mm / 25.4, truncated
// toward zero.
int MmToDots(int dpi, int mm) { return static_cast<int>(static_cast<std::int64_t>(dpi) * mm * 10 / 254); }

// destination (width + 2 blanks, prepared by the caller) := the right-aligned
// number text source of width characters with thousands separators after
// its third and sixth digit from the right; a minus sign directly before a
// separator takes the separator's place.
void InsertCommas(const char* source, char* destination, int width) {
    for (int i = 0; i < width; ++i) {
        const char c = source[width - 1 - i];
        if (i < 3) {
            destination[width + 1 - i] = c;
        } else if (c == ' ') {
            continue;
        } else if (i == 3) {
            destination[width - 2] = ',';
            destination[width - 3] = c;
        } else if (i < 6) {
            destination[width - i] = c;
        } else if (i == 6) {
            destination[width - 6] = ',';
            destination[width - 7] = c;
        } else {
            destination[width - i - 1] = c;
        }
    }
    for (char* p = destination; p[0] && p[1]; ++p)
        if (p[0] == '-' && p[1] == ',') {
            p[0] = ' ';
            p[1] = '-';
        }
}

// ----

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
    const std::string text = DenpyouList_Text(DenpyouList_DateEdit[which]);
    char part[3];
    if (Str_ToInt(text.c_str()) != 0)
        Str_Pad(text.c_str(), part, 2, 1);
    else
        Str_Spaces(part, 2);
    return part;
}

// The total in 12 columns: blank for 0, else "%10ld" with separators.
std::string Total(const TListDoc& doc) {
    const std::int64_t total = Num_ReadLong(std::string(doc.Field(DenpyouField_Goukei)).c_str());
    char text[13];
    Str_Spaces(text, 12);
    if (total != 0) InsertCommas(Num_FormatInt(total, 10).c_str(), text, 10);
    return text;
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
    TListPrinter(TPrinter& printer, const TLayout& layout, const TPrinterCaps& caps)
        : printer_(printer), canvas_(printer.Canvas()), layout_(layout), caps_(caps) {}

    // Prints every hit; the job has begun.
    void Run(const std::string& title, const std::string& heading, bool kindWords);

private:
    // A line of the list: its top-left corner at the left margin, y
    // millimetres below the top margin.
    void Text(int y, const std::string& text) {
        canvas_.Font.Name = Face;
        canvas_.Font.Size = FontSize;
        canvas_.TextOut(X(0), Y(y), text);
    }
    int X(int mm) const { return MmToDots(caps_.PixelsPerInchX, Print_LeftMargin + mm) + caps_.PhysicalOffsetX; }
    int Y(int mm) const { return MmToDots(caps_.PixelsPerInchY, Print_TopMargin + mm) + caps_.PhysicalOffsetY; }
    void Line(int x1, int y1, int x2, int y2) {
        canvas_.MoveTo(X(x1), Y(y1));
        canvas_.LineTo(X(x2), Y(y2));
    }
    void Frame();
    void Lines(const TListDoc& doc, bool kindWords, std::string& line1, std::string& line2) const;

    TPrinter& printer_;
    TPrinterCanvas& canvas_;
    const TLayout& layout_;
    TPrinterCaps caps_;
};

// The frame from (0, 14) to (270, 185), drawn down, across, up and back, and
// its rules from the top edge down.
void TListPrinter::Frame() {
    canvas_.Pen.Color = clBlack;
    canvas_.Pen.Width = 1;
    canvas_.MoveTo(X(0), Y(14));
    canvas_.LineTo(X(0), Y(185));
    canvas_.LineTo(X(270), Y(185));
    canvas_.LineTo(X(270), Y(14));
    canvas_.LineTo(X(0), Y(14));
    for (int k = 0; k < layout_.RuleCount; ++k) Line(0, 14 + layout_.RuleStep * k, 270, 14 + layout_.RuleStep * k);
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
    const TPrinterCaps caps = printer.DeviceCaps();
    // A job that fails to start or to finish has been reported by the
    // printer layer; the list and the screen stay as they are.
    if (printer.BeginDoc()) {
        TListPrinter(printer, layout, caps).Run(title, heading, allKinds);
        printer.EndDoc();
    }
    Popup_LockRelease(Lock_DenpyouList);
}
