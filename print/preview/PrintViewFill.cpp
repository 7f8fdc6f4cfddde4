// Filling the preview from the document in the editor, the customer file
// and the own-company record, and the twelve detail rows.
#include <cstring>
#include <string>

#include "document/Document.h"
#include "store/Number.h"
#include "platform/Form.h"
#include "print/DenpyouPrintRun.h"
#include "print/PrintInputs.h"
#include "print/PrintText.h"
#include "print/preview/PrintView.h"
#include "print/preview/PrintViewHandlers.h"
#include "store/Denpyou.h"
#include "store/Jisya.h"
#include "store/Kokyaku.h"
#include "store/Str.h"
#include "ui/Build.h"
#include "ui/Ui.h"

TListWindow PrintView_Window{.Rows = PrintView_Rows, .Count = [] { return Denpyou_LineMax; }};
int& PrintView_Top = PrintView_Window.Top;

namespace {

const char* Doc(int field) { return Denpyou_Field[field]; }
const char* Own(int field) { return Jisya_Field[field]; }
int Setting(int field) { return Str_ToInt(Jisya_Field[field]); }
bool StartsBlank(const char* text) { return text[0] == ' ' || text[0] == '\0'; }

void SetCaption(const char* label, const std::string& text) {
    if (TLabel* l = Ui_Label(label)) l->SetCaption(text);
}
void SetVisible(const char* name, bool shown) {
    if (TControl* c = Ui_Control(name)) c->SetVisible(shown);
}
void Invalidate() {
    Ui_Invalidate();
}

const char* Title(TPrintKind kind) {
    switch (kind) {
        case PrintKind_Mitumori: return "御　見　積　書";
        case PrintKind_Seikyuu: return "御　請　求　書";
        case PrintKind_Utiwake: return PrintView_UtiwakeTitle();
        default: return "見  積  依  頼";
    }
}

// A stored date (Western year y, month m) as the preview shows it: the era
// name and the era year "%2d"; a blank year shows "令和" and no year.
struct TEraYear {
    const char* Era;
    std::string Year;
};
TEraYear EraYearOf(int y, int m) {
    if (y <= 0) return {"令和", "  "};
    const bool heisei = y < 2019 || (y == 2019 && m < 5);
    return {heisei ? "平成" : "令和", Num_FormatInt(y - (heisei ? 1988 : 2018), 2)};
}

// Era name, era year, month and day labels of a stored date.
struct TDateLabels {
    const char *Era, *Year, *Month, *Day;
};
constexpr TDateLabels Make_Labels = {"Label_Panel_PrintView_MakeWareki", "Label_Panel_PrintView_MakeYear",
                                     "Label_Panel_PrintView_MakeMonth", "Label_Panel_PrintView_MakeDay"};
constexpr TDateLabels Yuukou_Labels = {"Label_PrintVier_YuukouWareki", "Label_Panel_PrintView_YuukouYear",
                                       "Label_Panel_PrintView_YuukouMonth", "Label_Panel_PrintView_YuukouDay"};

void ShowDate(const TDateLabels& labels, int yearField) {
    const TEraYear era = EraYearOf(Num_ReadInt(Doc(yearField)), Num_ReadInt(Doc(yearField + 1)));
    SetCaption(labels.Era, era.Era);
    SetCaption(labels.Year, era.Year);
    SetCaption(labels.Month, Doc(yearField + 1));
    SetCaption(labels.Day, Doc(yearField + 2));
}

// Two name lines: a blank second line puts the first on the second label.
void ShowTwoLines(const char* label1, const char* label2, const char* line1, const char* line2) {
    const bool one = StartsBlank(line2);
    SetCaption(label1, one ? "" : line1);
    SetCaption(label2, one ? line1 : line2);
}

void ShowKokyakuAddress(TPrintKind kind) {
    char city[21], street[41];
    // An unknown customer gives blank lines: never the previous customer's
    // address. A customer found is the one the print then prints.
    if (const int found = Print_KokyakuAddress(city, street)) Kokyaku_CurRec = found;
    const bool shown = Setting(JisyaField_KokyakuAddress) == 0 && kind != PrintKind_Irai;
    SetCaption("Label_Panel_PrintView_KokyakuAddress_1", shown ? city : "");
    SetCaption("Label_Panel_PrintView_KokyakuAddress_2", shown ? street : "");
}

// The footer by own-company field 42: remarks, creation date or neither.
void ShowFooter() {
    const int mode = Setting(JisyaField_BikouPrint);
    static const char* const Make_Date_Controls[] = {
        "Label_Panel_PrintView_MakeWareki", "Label_Panel_PrintView_MakeYear",  "Label_Panel_PrintView_MakeMonth",
        "Label_Panel_PrintView_MakeDay",    "Label_Panel_PrintView_YearTitle", "Label_Panel_PrintView_MonthTitle",
        "Label_Panel_PrintView_DayTitle",   "CheckBox_MakeDayNotPrint",
    };
    for (const char* name : Make_Date_Controls) SetVisible(name, mode == 1);
    SetVisible("Shape135", mode == 0 || mode == 1);
    SetVisible("Label_Prn_Bikou", mode == 0);
    SetCaption("Label_PrintView_Makeday_Bikou", mode == 0 ? "備  考" : mode == 1 ? "作成日" : "");
    if (mode == 0) SetCaption("Label_Prn_Bikou", Doc(DenpyouField_Bikou));
    if (TLabel* era = Ui_Label("Label_Panel_PrintView_MakeWareki"); era && (mode == 0 || mode == 1)) {
        // Under the remarks, which cover it, or beside the creation date.
        era->Top = mode == 0 ? 256 : 260;
        era->Width = 160;
        era->Font.Height = mode == 0 ? -15 : -12;
        Invalidate();
    }
}

void ShowKokyaku(TPrintKind kind) {
    if (kind == PrintKind_Irai) {
        for (const char* name : {"Label_Panel_PrintView_Kokyaku_1", "Label_Panel_PrintView_Kokyaku_2",
                                 "Label_Panel_PrintView_Keisyou", "Label_Panel_PrintView_Seikyuugaku",
                                 "Label_Panel_PrintView_KoujiName_1", "Label_Panel_PrintView_KoujiName_2",
                                 "Label_Panel_PrintView_KoujiPlace"})
            SetCaption(name, "");
        return;
    }
    ShowTwoLines("Label_Panel_PrintView_Kokyaku_1", "Label_Panel_PrintView_Kokyaku_2",
                 Doc(DenpyouField_KokyakuName_1), Doc(DenpyouField_KokyakuName_2));
    char keisyou[7];
    Print_Keisyou(keisyou);
    SetCaption("Label_Panel_PrintView_Keisyou", keisyou);
    SetCaption("Label_Panel_PrintView_Seikyuugaku", Doc(DenpyouField_Goukei));
    ShowTwoLines("Label_Panel_PrintView_KoujiName_1", "Label_Panel_PrintView_KoujiName_2",
                 Doc(DenpyouField_KoujiName_1), Doc(DenpyouField_KoujiName_2));
    SetCaption("Label_Panel_PrintView_KoujiPlace", Doc(DenpyouField_Place));
}

void ShowYuukou() {
    if (Num_ReadInt(Doc(DenpyouField_YoukouYear)) != 0) {
        ShowDate(Yuukou_Labels, DenpyouField_YoukouYear);
        return;
    }
    SetCaption(Yuukou_Labels.Era, "令和");
    SetCaption(Yuukou_Labels.Year, "  ");
    SetCaption(Yuukou_Labels.Month, Doc(DenpyouField_YoukouMonth));
    SetCaption(Yuukou_Labels.Day, Doc(DenpyouField_YoukouDay));
}

// Two own-company fields on one line when they fit (Str_JoinFields), else
// each on its own label.
bool Joined(int first, int second, std::string& line) {
    char joined[Str_JoinFieldsSize];
    Str_Spaces(joined, Str_JoinFieldsSize - 1);
    if (Str_JoinFields(Own(first), Own(second), joined) != 0) return false;
    line = joined;
    return true;
}

void ShowJisya() {
    SetCaption("Label_Panel_PrintView_JisyaPR", Own(JisyaField_PR));
    SetCaption("Label_Panel_PrintView_JisyaName", Own(JisyaField_Name));
    std::string line;
    TLabel* title = Ui_Label("Label_Panel_PrintView_JisyaYakusyoku");
    if (Joined(JisyaField_Yakusyoku, JisyaField_Daihyousya, line)) {
        // The title's label widens over the representative's.
        if (title) title->Width = 283;
        SetCaption("Label_Panel_PrintView_JisyaYakusyoku", line);
        SetCaption("Label_Panel_PrintView_JisyaDaihyousya", "");
    } else {
        if (title) title->Width = 80;
        SetCaption("Label_Panel_PrintView_JisyaYakusyoku", Own(JisyaField_Yakusyoku));
        SetCaption("Label_Panel_PrintView_JisyaDaihyousya", Own(JisyaField_Daihyousya));
    }
    const bool oneLine = Joined(JisyaField_Adr_2, JisyaField_Adr_3, line);
    SetCaption("Label_Panel_PrintView_Address_1", oneLine ? line : Own(JisyaField_Adr_2));
    SetCaption("Label_Panel_PrintView_Address_2", oneLine ? "" : Own(JisyaField_Adr_3));

    std::string tel = "TEL **************  Fax **************";
    char number[15];
    Str_Pad(Own(JisyaField_Tel), number, 14, 0);
    tel.replace(4, 14, number, 14);
    Str_Pad(Own(JisyaField_Fax), number, 14, 0);
    tel.replace(24, 14, number, 14);
    SetCaption("Label_Panel_PrintView_Tel", tel);
}

// The page a line prints on, in white on navy (odd) or green (even).
void ShowPageLabel(TLabel* label, int line) {
    if (!label) return;
    if (line >= Denpyou_LineMax) {
        label->SetCaption("");
        return;
    }
    const int page = Print_PageOfLine(line);
    label->SetCaption(std::to_string(page));
    label->Color = page % 2 == 1 ? clNavy : clGreen;
}

}  // namespace

void PrintView_Open() {
    const TPrintKind kind = Print_Kind();
    SetCaption("Label184", kind == PrintKind_Irai ? "仕切" : "単価");
    SetCaption("Label185", kind == PrintKind_Irai ? "定価" : "金額");
    SetVisible("Label_Prn_Bikou", false);
    SetVisible("Panel_PrintView", true);
    SetCaption("Label_PrintViewTitle", Title(kind));
    ShowKokyakuAddress(kind);
    ShowFooter();
    ShowKokyaku(kind);
    ShowDate(Make_Labels, DenpyouField_MakeYear);
    ShowYuukou();
    ShowJisya();
    PrintView_Top = 0;
    PrintView_ShowMeisai(0);
    if (TControl* year = Ui_Control("Edit_PanelPrintView_Year")) year->SetFocus();
}

void PrintView_ShowMeisai(int top) {
    const TEdit* yearEdit = Ui_Edit("Edit_PanelPrintView_Year");
    const int year = yearEdit ? Num_ReadDatePart(yearEdit->Text().c_str()) : 0;
    PrintView_ShowDateEra(year >= 27 && year <= 31 ? "平成" : "令和");
    const bool prices = Print_Kind() != PrintKind_Irai;
    for (int row = 1; row <= PrintView_Rows; ++row) {
        const int line = top + row - 1;
        const bool exists = line >= 0 && line < Denpyou_LineMax;
        auto field = [&](DenpyouLineField j) { return exists ? Doc(DenpyouField_Line(line, j)) : ""; };
        auto show = [&](const char* prefix, const std::string& text) {
            SetCaption(Ui_RowName(prefix, row).c_str(), text);
        };
        show("Label_Panel_PrintView_Meisai_Line_", exists ? std::to_string(line + 1) : "");
        ShowPageLabel(Ui_Label(Ui_RowName("Label_Panel_PrintView_Meisai_Page_", row).c_str()), line);
        show("Label_Panel_PrintView_Meisai_Hinmei_", field(LineField_Syousai));
        show("Label_Panel_PrintView_Meisai_Suu_", field(LineField_Suuryou));
        show("Label_Panel_PrintView_Meisai_Tanni_", field(LineField_Tanni));
        show("Label_Panel_PrintView_Meisai_Tanka_", prices ? field(LineField_JitubaiTanka) : "");
        show("Label_Panel_PrintView_Meisai_Syoukei_", prices ? field(LineField_Kingaku) : "");
    }
    Invalidate();
}

void PrintView_ShowJisya() {
    SetCaption("Label_Panel_PrintView_Naiyou", Own(JisyaField_Naiyou));
    SetCaption("Label_Panel_PrintView_Basyo", Own(JisyaField_Basyo));
    // Shown as stored: the record is not written back.
    Edit_Show({&PrintView_Dates, PrintDate_NoDate}, Own(JisyaField_DateNoPrint));
}
