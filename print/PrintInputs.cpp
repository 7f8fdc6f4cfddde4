#include "print/PrintInputs.h"

#include <string>

#include "editor/EditorScreen.h"
#include "store/Denpyou.h"
#include "store/Kokyaku.h"
#include "store/Number.h"
#include "store/Str.h"

// The first three buttons in their order; none of them: a request.
TPrintKind Print_Kind() {
    const int kind = Denpyou_KindShown();
    return kind >= PrintKind_Mitumori && kind <= PrintKind_Utiwake ? TPrintKind(kind) : PrintKind_Irai;
}

int TPrintDate::YearValue() const { return Num_ReadInt(Year); }
int TPrintDate::MonthValue() const { return Num_ReadInt(Month); }
int TPrintDate::DayValue() const { return Num_ReadInt(Day); }

void Print_Keisyou(char out[7]) {
    const std::string shown = Denpyou_KeisyouShown();
    Str_Pad(shown.empty() || shown[0] == ' ' ? "様" : shown.c_str(), out, 6, 0);
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
