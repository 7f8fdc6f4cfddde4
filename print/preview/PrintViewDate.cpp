// The print date typed on the preview (era year, month, day) with its era
// name, and the no-date box. These inputs stand outside the focus codes:
// they record no code and take the focus whatever holds the lock. The date
// is never stored; the box is own-company field 39, written at once.
#include <string>

#include "document/Number.h"
#include "editor/Grid.h"
#include "print/PrintInputs.h"
#include "print/preview/PrintViewHandlers.h"
#include "store/Jisya.h"
#include "ui/Flags.h"
#include "ui/Ui.h"

namespace {

const char* const Date_Edits[] = {"Edit_PanelPrintView_Year", "Edit_PanelPrintView_Month",
                                  "Edit_PanelPrintView_Day"};

TEdit* DateEdit(TPrintDatePart part) { return Ui_Edit(Date_Edits[part]); }
int DateValue(TPrintDatePart part) {
    const TEdit* e = DateEdit(part);
    return e ? Num_ReadInt(e->Text().c_str()) : 0;
}
void Focus(TControl* c) {
    if (c) c->SetFocus();
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
    Print_ShowDateEra(era);
}

// A number from 1 to max right-aligned in two characters (max 0: any
// number but 0), else blanks; shown back in the edit. Returns the number
// kept, 0 for blanks.
int CommitNumber(TPrintDatePart part, int max) {
    TEdit* edit = DateEdit(part);
    if (!edit) return 0;
    const int v = Num_ReadInt(edit->Text().c_str());
    const bool kept = max == 0 ? v != 0 : v >= 1 && v <= max;
    edit->SetText(kept ? Grid_CommitText(edit->Text(), 2, TCommitForm::RightInt) : std::string(2, ' '));
    return kept ? v : 0;
}

void Commit(TPrintDatePart part) {
    switch (part) {
        case PrintDate_Year: EraStep(CommitNumber(PrintDate_Year, 0), DateValue(PrintDate_Month)); break;
        case PrintDate_Month: {
            const int m = CommitNumber(PrintDate_Month, 12);
            EraStep(DateValue(PrintDate_Year), m);
            break;
        }
        case PrintDate_Day: CommitNumber(PrintDate_Day, 31); break;
    }
}

// Field 39 := the box's state, in memory and in the file.
void WriteNoDate() {
    const TCheckBox* box = Ui_CheckBox("CheckBox_MakeDayNotPrint");
    if (!box) return;
    char* field = Jisya_Field[JisyaField_DateNoPrint];
    field[0] = box->Checked() ? '1' : ' ';
    field[1] = '\0';
    Jisya_WriteField(JisyaField_DateNoPrint, field);
}

}  // namespace

void Edit_PanelPrintView_Enter(TPrintDatePart part) {
    Flag_EnterCommitted = Flag_False;
    Grid_TrimEdit(DateEdit(part), 2);
    if (part == PrintDate_Month) Print_ShowDateEra(EraOfTyped(DateValue(PrintDate_Year)));
}

void Edit_PanelPrintView_Exit(TPrintDatePart part) {
    if (Flag_EnterCommitted != Flag_False) return;
    Commit(part);
    // Leaving the year, its era follows the year alone.
    if (part == PrintDate_Year) Print_ShowDateEra(DateValue(PrintDate_Year) < 27 ? "令和" : "平成");
}

void Edit_PanelPrintView_KeyDown(TPrintDatePart part, Word key) {
    if (key == vk::Return) {
        Flag_EnterCommitted = Flag_True;
        Commit(part);
        switch (part) {
            case PrintDate_Year: Focus(DateEdit(PrintDate_Month)); break;
            case PrintDate_Month: Focus(DateEdit(PrintDate_Day)); break;
            case PrintDate_Day: {
                // The box is there only beside the creation date.
                TCheckBox* box = Ui_CheckBox("CheckBox_MakeDayNotPrint");
                Focus(box && box->Visible() ? static_cast<TControl*>(box) : DateEdit(PrintDate_Year));
                break;
            }
        }
        return;
    }
    if (key != vk::Home) return;
    if (part == PrintDate_Month) Focus(DateEdit(PrintDate_Year));
    if (part == PrintDate_Day) Focus(DateEdit(PrintDate_Month));
}

void CheckBox_MakeDayNotPrintClick() { WriteNoDate(); }

void CheckBox_MakeDayNotPrintExit() {
    if (Flag_EnterCommitted == Flag_False) WriteNoDate();
}

void CheckBox_MakeDayNotPrintKeyDown(Word key) {
    if (key == vk::Return) {
        Flag_EnterCommitted = Flag_True;
        WriteNoDate();
        Focus(DateEdit(PrintDate_Year));
    } else if (key == vk::Home) {
        Focus(DateEdit(PrintDate_Day));
    }
}
