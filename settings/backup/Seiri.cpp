#include "settings/backup/Seiri.h"

#include <cstring>
#include <functional>

#include "store/Denpyou.h"
#include "store/Str.h"

namespace {

// The creation year and month lie side by side in a document record.
constexpr int KeyOffset = Record_WidthSum(Denpyou_FieldWidth.data(), DenpyouField_MakeYear);
constexpr int YearWidth = Denpyou_FieldWidth[DenpyouField_MakeYear];
constexpr int KeyWidth = YearWidth + Denpyou_FieldWidth[DenpyouField_MakeMonth];
static_assert(DenpyouField_MakeMonth == DenpyouField_MakeYear + 1 && KeyOffset == 251);

// Hands the first `width` bytes of the creation date of documents 0 ...
// count - 1 to visit(i, bytes) until it returns false. false when a read
// came short, even after visit stopped.
bool ScanDates(int fd, int count, int width, const std::function<bool(int, const char*)>& visit) {
    return Record_ScanPieces(fd, Denpyou_File, KeyOffset, width, 1, count,
                             [&](const char* piece, int n) { return visit(n - 1, piece); });
}

bool IsOld(int year, int threshold) { return year != 0 && year < threshold; }

// The index after the record of the month change that takes the count of
// changes above the limit, or 0 when there are no more changes than that.
int FirstAfterMonthChanges(int fd, int count) {
    char previous[KeyWidth];
    std::memset(previous, ' ', sizeof previous);  // no key holds a blank: the first counts
    int changes = 0, first = 0;
    const bool read = ScanDates(fd, count, KeyWidth, [&](int i, const char* piece) {
        char key[KeyWidth];
        for (int k = 0; k < KeyWidth; ++k) key[k] = piece[k] == ' ' ? '0' : piece[k];
        if (std::memcmp(key, previous, KeyWidth) != 0) {
            std::memcpy(previous, key, KeyWidth);
            ++changes;
        }
        if (changes <= Seiri_MonthChanges) return true;
        first = i + 1;
        return false;
    });
    return read ? first : 0;
}

// Whether some document is kept when those created before threshold go.
bool AnyNotOld(int fd, int count, int threshold) {
    bool any = false;
    const bool read = ScanDates(fd, count, YearWidth, [&](int, const char* year) {
        any = !IsOld(Str_ToInt(year, YearWidth), threshold);
        return !any;
    });
    return read && any;
}

}  // namespace

bool TSeiriCut::Keeps(int i, const char* record) const {
    return i >= First && (BeforeYear == 0 || !IsOld(Str_ToInt(record + KeyOffset, YearWidth), BeforeYear));
}

TSeiriCut Seiri_Cut(int fd, int count) {
    TSeiriCut cut;
    if (Seiri_Mode == TSeiriMode::Full) {
        const int first = FirstAfterMonthChanges(fd, count);
        if (first < count) cut.First = first;
    } else if (Seiri_Mode == TSeiriMode::Old) {
        if (AnyNotOld(fd, count, Seiri_Year)) cut.BeforeYear = Seiri_Year;
    }
    return cut;
}
