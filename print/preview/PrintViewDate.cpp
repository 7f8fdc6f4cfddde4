// The print date typed on the preview (era year, month, day) with its era
// name, and the no-date box: a table of the edit protocol. These inputs
// stand outside the focus codes: they record no code and take the focus
// whatever holds the lock. The date is never stored; the box is own-company
// field 39, written at once.
#include <cstring>
#include <string>

#include "print/preview/PrintView.h"
#include "print/preview/PrintViewHandlers.h"
#include "store/Jisya.h"
#include "store/Number.h"
#include "ui/Ui.h"

namespace {

TEdit* DateEdit(TPrintDatePart part) { return TEditCell{&PrintView_Dates, part}.Edit(); }
int DateValue(TPrintDatePart part) {
    const TEdit* e = DateEdit(part);
    return e ? Num_ReadDatePart(e->Text().c_str()) : 0;
}

// The era of a typed era year: "平成" for 27 to 31, else "令和".
const char* EraOfTyped(int y) { return y >= 27 && y <= 31 ? "平成" : "令和"; }

// The year and month decide together: Heisei 31 from May is Reiwa 1,
// Reiwa 1 before May is Heisei 31, and a year above 31 counts on from
// Heisei into Reiwa.
void EraStep(int y, int m) {
    TEdit* year = DateEdit(PrintDate_Year);
    const char* era = "令和";
    std::string shown;  // empty: the year edit stays as it is
    if (y == 31) {
        if (m >= 5) shown = " 1";
        else era = "平成";
    } else if (y == 1 && m <= 4) {
        era = "平成";
        shown = "31";
    } else if (y == 0) {
        shown = "  ";
    } else if (y >= 32 && y <= 99) {
        shown = Num_FormatInt(y - 30, 2);
    } else if (y >= 27 && y <= 30) {
        era = "平成";
    }
    if (year && !shown.empty()) year->SetText(shown);
    PrintView_ShowDateEra(era);
}

void ReadDatePart(TPrintDatePart part, char out[3]) {
    const TEdit* e = DateEdit(part);
    const std::string text = Num_DatePartText(e ? e->Text().c_str() : "", 2);
    std::memcpy(out, text.c_str(), text.size() + 1);
}

}  // namespace

void PrintView_DateEntered(const TEditCell& cell) {
    if (cell.Index == PrintDate_Month) PrintView_ShowDateEra(EraOfTyped(DateValue(PrintDate_Year)));
}

// The year and the month step the era.
void PrintView_DateCommitted(const TEditCell& cell, const char* text) {
    switch (cell.Index) {
        case PrintDate_Year: EraStep(Num_ReadInt(text), DateValue(PrintDate_Month)); break;
        case PrintDate_Month: EraStep(DateValue(PrintDate_Year), Num_ReadInt(text)); break;
        default: break;
    }
}

// Leaving the year, its era follows the year alone.
void PrintView_DateLeft(const TEditCell& cell) {
    if (cell.Index == PrintDate_Year) PrintView_ShowDateEra(DateValue(PrintDate_Year) < 27 ? "令和" : "平成");
}

// Return in the day: the box, which is there only beside the creation date;
// else back to the year.
void PrintView_DateMove(const TEditCell& cell, Word) {
    const TEditCell box = cell.At(PrintDate_NoDate);
    const TControl* c = box.Control();
    Edit_Focus(c && c->Visible() ? box : cell.At(PrintDate_Year));
}

TPrintDate PrintView_ReadDate() {
    TPrintDate date;
    ReadDatePart(PrintDate_Year, date.Year);
    ReadDatePart(PrintDate_Month, date.Month);
    ReadDatePart(PrintDate_Day, date.Day);
    return date;
}

void PrintView_ShowDateEra(const char* eraName) {
    if (TLabel* l = Ui_Label("Label_PrintView_PrintWareki")) l->SetCaption(eraName);
}

TPrintPreview PrintView_Gather() {
    const TCheckBox* box = Ui_CheckBox("CheckBox_MakeDayNotPrint");
    return {.Date = PrintView_ReadDate(),
            .DateNotPrinted = box && box->Checked(),
            .ShowDateEra = PrintView_ShowDateEra};
}
