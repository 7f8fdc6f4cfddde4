#include "print/PrintInputs.h"

#include <string>

#include "document/Number.h"
#include "store/Denpyou.h"
#include "store/Kokyaku.h"
#include "store/Str.h"
#include "ui/Ui.h"

namespace {

// The kind buttons in the order they are tested.
const char* const Kind_Buttons[] = {"RadioButton_Mitumori", "RadioButton_Seikyuu", "RadioButton_Utiwake"};

void ReadDatePart(const char* edit, char out[3]) {
    const TEdit* e = Ui_Edit(edit);
    const std::string text = e ? e->Text() : std::string();
    if (Num_ReadInt(text.c_str()) != 0)
        Str_Pad(text.c_str(), out, 2, 1);
    else
        Str_Spaces(out, 2);
}

}  // namespace

TPrintKind Print_Kind() {
    for (int k = 0; k < 3; ++k)
        if (const TRadioButton* r = Ui_RadioButton(Kind_Buttons[k]); r && r->Checked()) return TPrintKind(k);
    return PrintKind_Irai;
}

int TPrintDate::YearValue() const { return Num_ReadInt(Year); }
int TPrintDate::MonthValue() const { return Num_ReadInt(Month); }
int TPrintDate::DayValue() const { return Num_ReadInt(Day); }

TPrintDate Print_ReadDate() {
    TPrintDate date;
    ReadDatePart("Edit_PanelPrintView_Year", date.Year);
    ReadDatePart("Edit_PanelPrintView_Month", date.Month);
    ReadDatePart("Edit_PanelPrintView_Day", date.Day);
    return date;
}

void Print_ShowDateEra(const char* eraName) {
    if (TLabel* l = Ui_Label("Label_PrintView_PrintWareki")) l->SetCaption(eraName);
}

void Print_Keisyou(char out[7]) {
    const TLabel* l = Ui_Label("Label_DenpKeisyou");
    const std::string shown = l ? l->Caption : std::string(Denpyou_Field[DenpyouField_Keisyou]);
    Str_Pad(shown.empty() || shown[0] == ' ' ? "様" : shown.c_str(), out, 6, 0);
}

bool Print_DateNotPrinted() {
    const TCheckBox* box = Ui_CheckBox("CheckBox_MakeDayNotPrint");
    return box && box->Checked();
}

int Print_KokyakuAddress(char city[21], char street[41]) {
    Str_Spaces(city, Kokyaku_FieldWidth[KokyakuField_City]);
    Str_Spaces(street, Kokyaku_FieldWidth[KokyakuField_Banti]);
    // The lookup reads only the record it finds: none, when there is none.
    const int found =
        Kokyaku_FindByName(Denpyou_Field[DenpyouField_KokyakuName_1], Denpyou_Field[DenpyouField_KokyakuName_2]);
    if (found == 0) return 0;
    Str_Pad(Kokyaku_Field[KokyakuField_City], city, Kokyaku_FieldWidth[KokyakuField_City], 0);
    Str_Pad(Kokyaku_Field[KokyakuField_Banti], street, Kokyaku_FieldWidth[KokyakuField_Banti], 0);
    return found;
}
