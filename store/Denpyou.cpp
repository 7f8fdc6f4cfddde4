#include "store/Denpyou.h"

#include <climits>
#include <cstdio>
#include <cstring>

#include "platform/File.h"
#include "store/DenpyouYears.h"
#include "store/Jisya.h"
#include "store/Str.h"
#include "store/Today.h"

TRecordFile Denpyou_File =
    Record_Define("Data\\Denpyou.620", Denpyou_RecLen, Denpyou_FieldCount, Denpyou_FieldWidth.data());
int Denpyou_CurRec = 0;
std::int64_t Denpyou_LastNo = 0;
int Seiri_Year = 0;
TSeiriMode Seiri_Mode = TSeiriMode::None;

void Denpyou_ClearRecord() { Record_Clear(Denpyou_File); }
void Denpyou_SplitRecord() { Record_Split(Denpyou_File); }
void Denpyou_JoinRecord() { Record_Join(Denpyou_File); }
void Denpyou_ReadRecord(int n) { Record_Read(Denpyou_File, n); }
bool Denpyou_WriteRecord(int n) { return Record_Write(Denpyou_File, n); }

void Seiri_SetYear() {
    // The threshold is always 40 years: the setting is overwritten in memory
    // and the exit stores it.
    char keep[8];
    std::snprintf(keep, sizeof keep, "%d", Denpyou_KeepYears);
    Str_Pad(keep, Jisya_Field[JisyaField_Hozon], Jisya_FieldWidth[JisyaField_Hozon], 1);
    Seiri_Year = Today_Year - Str_ToInt(Jisya_Field[JisyaField_Hozon]);
}

void Denpyou_Open() {
    Seiri_Mode = TSeiriMode::None;
    Seiri_SetYear();

    DenpyouYears_Forget();
    if (Record_CountOrCreate(Denpyou_File, nullptr, 0)) {
        // Past the limit the count alone calls for a tidy-up: the creation
        // years are not read.
        if (Denpyou_Count <= Denpyou_SeiriCount && DenpyouYears_Read()) Seiri_Mode = TSeiriMode::Old;
        Denpyou_ClearRecord();
    }
    if (Denpyou_Count > Denpyou_SeiriCount) Seiri_Mode = TSeiriMode::Full;
}

int Denpyou_FindRecordByNo(const char* text) {
    if (Denpyou_Count == 0) return 0;
    const int wanted = Str_ToInt(text);
    int found = 0, last = 0;
    Record_ScanField(Denpyou_File, DenpyouField_No, 1, Denpyou_Count, [&](const char* number, int n) {
        last = n;
        if (Str_ToInt(number, Denpyou_FieldWidth[DenpyouField_No]) != wanted) return true;
        found = n;
        return false;
    });
    // The buffer holds the record found, or the last one looked at.
    if (last > 0) Denpyou_ReadRecord(last);
    return found;
}

TPurgeResult Denpyou_PurgeDeleted() {
    if (Denpyou_Count == 0) return TPurgeResult::Done;
    int total = 0, deleted = 0;
    if (!Record_ScanField(Denpyou_File, DenpyouField_Kind, 1, INT_MAX, [&](const char* kind, int) {
            ++total;
            if (kind[0] == DenpyouKind_Deleted) ++deleted;
            return true;
        }))
        return TPurgeResult::NotRead;
    if (deleted == 0 || deleted == total) return TPurgeResult::Done;

    // The kept documents go to the scratch copy and to the new document
    // file. Each is written under a temporary name that replaces the file
    // only when it is complete, so a purge that fails or is cut off leaves
    // neither a partial copy nor a partial document file.
    DenpyouYears_Forget();
    int fresh = Record_BeginRewrite(Denpyou_File.FileName);
    if (fresh < 0) return TPurgeResult::NotWritten;
    int scratch = Record_BeginRewrite(Denpyou_ScratchName);
    if (scratch < 0) {
        Record_EndRewrite(fresh, Denpyou_File.FileName, false);
        return TPurgeResult::NotWritten;
    }
    bool ok = true;
    int copied = 0;
    std::vector<char> pending;
    auto flush = [&] {
        const auto n = static_cast<std::int64_t>(pending.size());
        ok = ok && File_Write(scratch, pending.data(), n) == n && File_Write(fresh, pending.data(), n) == n;
        pending.clear();
    };
    std::vector<char> lastKept;
    const bool scanned = Record_Scan(Denpyou_File, 1, total, [&](const char* record, int) {
        if (record[0] == DenpyouKind_Deleted) return true;
        pending.insert(pending.end(), record, record + Denpyou_RecLen);
        lastKept.assign(record, record + Denpyou_RecLen);
        ++copied;
        if (pending.size() >= (1u << 20)) flush();
        return ok;
    });
    flush();
    ok = ok && scanned && copied == total - deleted;
    ok = Record_EndRewrite(scratch, Denpyou_ScratchName, ok);
    ok = Record_EndRewrite(fresh, Denpyou_File.FileName, ok);
    if (!lastKept.empty()) Denpyou_RecBuf = lastKept;
    if (ok) return TPurgeResult::Done;
    return scanned ? TPurgeResult::NotWritten : TPurgeResult::NotRead;
}
