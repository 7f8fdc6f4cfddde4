// Denpyou_Open scans the creation year of every stored document, which costs
// a read per document. Between two counts only the editor's own writes change
// the file, one document at a time, so after a store the answer usually
// follows from the document just written and the previous answer.
#include "store/DenpyouReopen.h"

#include <cstdio>

#include "app/Syori_01.h"
#include "app/Today.h"
#include "store/Denpyou.h"
#include "store/Jisya.h"
#include "store/Str.h"

namespace {

constexpr int FieldYear = 8;
constexpr int JisyaKeepYears = 12;

// A write since the last count put an old creation year into the file.
bool Seiri_OldWritten = false;

// A creation year that calls for a tidy-up, read as the count reads it.
bool IsOldYear(const char* field, int seiriYear) {
    const int year = Str_ToInt(field, Denpyou_FieldWidth[FieldYear]);
    return year != 0 && year < seiriYear;
}

void FullOpen() {
    Seiri_OldWritten = false;
    Denpyou_Open();
}

}  // namespace

void Denpyou_NoteWrite() {
    if (IsOldYear(Denpyou_Field[FieldYear], Today_Year - Denpyou_KeepYears)) Seiri_OldWritten = true;
}

void Denpyou_OpenAfterStore() {
    const int seiriYearBefore = Seiri_Year;
    const int before = Seiri_Mode;
    char keep[8];
    std::snprintf(keep, sizeof keep, "%d", Denpyou_KeepYears);
    Str_Pad(keep, Jisya_Field[JisyaKeepYears], Jisya_FieldWidth[JisyaKeepYears], 1);
    Seiri_Year = Today_Year - Str_ToInt(Jisya_Field[JisyaKeepYears]);
    const bool storedOld = IsOldYear(Denpyou_Field[FieldYear], Seiri_Year);

    if (!Record_CountOrCreate(Denpyou_File, nullptr, 0)) {
        FullOpen();
        return;
    }
    if (Denpyou_Count > Denpyou_SeiriCount) {
        Seiri_Mode = 2;  // whatever the creation years say
        Seiri_OldWritten = false;
    } else if (Seiri_OldWritten || Seiri_Year != seiriYearBefore || before == 2 || (before == 1 && !storedOld)) {
        // The stored document may have been the only old one, the threshold
        // has moved, or the file holds writes the last count did not see.
        FullOpen();
        return;
    } else {
        // Before: no old document, or one that is still there.
        Seiri_Mode = before == 1 || storedOld ? 1 : 0;
    }
    Denpyou_ClearRecord();

    Seiri_ShowPanel();
}
