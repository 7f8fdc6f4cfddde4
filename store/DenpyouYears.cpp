#include "store/DenpyouYears.h"

#include <cstdint>
#include <vector>

#include "store/Denpyou.h"
#include "store/Str.h"

namespace {

struct TYears {
    bool Known = false;
    std::vector<int> Year;         // record n's year at n - 1
    std::uint64_t Generation = 0;  // Denpyou_File.Generation when they matched the file
    int OldFor = 0;                // the threshold that Old was counted for
    int Old = 0;                   // years that are not 0 and below OldFor
};
TYears Years;

// A creation year as the count reads it: the four bytes as a number.
int YearOf(const char* field) { return Str_ToInt(field, Denpyou_FieldWidth[DenpyouField_MakeYear]); }

bool IsOld(int year, int threshold) { return year != 0 && year < threshold; }

}  // namespace

bool DenpyouYears_Read() {
    DenpyouYears_Forget();
    std::vector<int> year;
    year.reserve(static_cast<size_t>(Denpyou_Count));
    int old = 0;
    Record_ScanField(Denpyou_File, DenpyouField_MakeYear, 1, Denpyou_Count, [&](const char* field, int) {
        year.push_back(YearOf(field));
        if (IsOld(year.back(), Seiri_Year)) ++old;
        return true;
    });
    if (static_cast<int>(year.size()) == Denpyou_Count) {
        Years = {true, std::move(year), Denpyou_File.Generation, Seiri_Year, old};
    }
    return old > 0;
}

void DenpyouYears_Forget() { Years = {}; }

bool DenpyouYears_Written(int n) {
    const int count = static_cast<int>(Years.Year.size());
    if (!Years.Known || Denpyou_File.Generation != Years.Generation + 1 || n < 1 || n > count + 1) {
        DenpyouYears_Forget();
        return false;
    }
    const int year = YearOf(Denpyou_RecBuf.data() + Denpyou_FieldOffset[DenpyouField_MakeYear]);
    if (n == count + 1) Years.Year.push_back(0);
    int& kept = Years.Year[static_cast<size_t>(n - 1)];
    Years.Old += (IsOld(year, Years.OldFor) ? 1 : 0) - (IsOld(kept, Years.OldFor) ? 1 : 0);
    kept = year;
    Years.Generation = Denpyou_File.Generation;
    return true;
}

int DenpyouYears_Count() { return static_cast<int>(Years.Year.size()); }

bool DenpyouYears_AnyOld() {
    if (Years.OldFor != Seiri_Year) {
        // The threshold moved (the date passed into another year): counted
        // again from memory.
        Years.OldFor = Seiri_Year;
        Years.Old = 0;
        for (int year : Years.Year)
            if (IsOld(year, Seiri_Year)) ++Years.Old;
    }
    return Years.Old > 0;
}
