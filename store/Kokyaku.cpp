#include "store/Kokyaku.h"

#include <cstring>

#include "store/Sort.h"

TRecordFile Kokyaku_File =
    Record_Define("Data\\Kokyaku.620", Kokyaku_RecLen, Kokyaku_FieldCount, Kokyaku_FieldWidth);
int Kokyaku_CurRec = 0;

namespace {

constexpr int FieldName1 = 1, FieldName2 = 2, FieldKana = 3;

// Scans the file for the names; found := the record number (0: none) and
// the record lands in the buffer. Returns whether the file opened.
bool ScanByName(const char* name1, const char* name2, int& found) {
    found = 0;
    const int off1 = Kokyaku_FieldOffset[FieldName1], off2 = Kokyaku_FieldOffset[FieldName2];
    const size_t w1 = static_cast<size_t>(Kokyaku_FieldWidth[FieldName1]);
    const size_t w2 = static_cast<size_t>(Kokyaku_FieldWidth[FieldName2]);
    return Record_Scan(Kokyaku_File, 1, Kokyaku_Count, [&](const char* record, int n) {
        if (std::strncmp(record + off1, name1, w1) != 0 || std::strncmp(record + off2, name2, w2) != 0) return true;
        std::memcpy(Kokyaku_RecBuf.data(), record, Kokyaku_RecLen);
        found = n;
        return false;
    });
}

}  // namespace

void Kokyaku_ClearRecord() { Record_Clear(Kokyaku_File); }
void Kokyaku_SplitRecord() { Record_Split(Kokyaku_File); }
void Kokyaku_ReadRecord(int n) { Record_Read(Kokyaku_File, n); }

void Kokyaku_Open() {
    Kokyaku_Count = 0;
    Record_Count(Kokyaku_File);
}

int Kokyaku_FindByName(const char* name1, const char* name2) {
    int found = 0;
    ScanByName(name1, name2, found);
    if (found) Kokyaku_SplitRecord();
    return found;
}

void Kokyaku_LoadByName(const char* name1, const char* name2) {
    int found = 0;
    if (!ScanByName(name1, name2, found)) return;
    if (found)
        Kokyaku_SplitRecord();
    else
        Kokyaku_ClearRecord();
}

void Kokyaku_SortFile() { Sort_RecordFile(Kokyaku_File, FieldKana, Kokyaku_Count); }
