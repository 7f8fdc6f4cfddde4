#include "store/Kokyaku.h"

#include <cstring>
#include <vector>

#include "platform/File.h"
#include "store/KokyakuIndex.h"
#include "store/RecordEdit.h"
#include "store/Sort.h"

TRecordFile Kokyaku_File =
    Record_Define("Data\\Kokyaku.620", Kokyaku_RecLen, Kokyaku_FieldCount, Kokyaku_FieldWidth);
int Kokyaku_CurRec = 0;

namespace {

// Whether a record holds the two names (each compared over at most its
// width, a NUL ending the text).
bool SameNames(const char* record, const char* name1, const char* name2) {
    return std::strncmp(record + Kokyaku_FieldOffset[KokyakuField_Name_1], name1,
                        static_cast<size_t>(Kokyaku_FieldWidth[KokyakuField_Name_1])) == 0 &&
           std::strncmp(record + Kokyaku_FieldOffset[KokyakuField_Name_2], name2,
                        static_cast<size_t>(Kokyaku_FieldWidth[KokyakuField_Name_2])) == 0;
}

// Scans the file for the names; found := the record number (0: none) and
// the record lands in the buffer. Returns whether the file opened.
bool ScanByName(const char* name1, const char* name2, int& found) {
    found = 0;
    return Record_Scan(Kokyaku_File, 1, Kokyaku_Count, [&](const char* record, int n) {
        if (!SameNames(record, name1, name2)) return true;
        std::memcpy(Kokyaku_RecBuf.data(), record, Kokyaku_RecLen);
        found = n;
        return false;
    });
}

// The same answer as ScanByName, through the index: one record read when the
// index knows the names, none when it knows they are not there. A hit whose
// record no longer holds the names (the file changed without its stamp
// showing it) falls back to the scan.
bool LookUpByName(const char* name1, const char* name2, int& found) {
    found = 0;
    int fd = Record_OpenRead(Kokyaku_File);
    if (fd < 0) return false;
    bool answered = Kokyaku_Count <= 0;
    int hit = 0;
    if (!answered && KokyakuIndex_Find(fd, name1, name2, hit)) {
        if (hit == 0 || hit > Kokyaku_Count) {
            answered = true;  // no holder, or the first one lies beyond the customers counted
        } else {
            std::vector<char> record(static_cast<size_t>(Kokyaku_RecLen));
            if (Record_ReadFrom(fd, Kokyaku_File, hit, record.data()) && SameNames(record.data(), name1, name2)) {
                Kokyaku_RecBuf.swap(record);
                found = hit;
                answered = true;
            }
        }
    }
    File_Close(fd);
    if (answered) return true;
    KokyakuIndex_Forget();
    return ScanByName(name1, name2, found);
}

}  // namespace

void Kokyaku_ClearRecord() { Record_Clear(Kokyaku_File); }
void Kokyaku_SplitRecord() { Record_Split(Kokyaku_File); }
bool Kokyaku_ReadRecord(int n) { return Record_Read(Kokyaku_File, n); }

void Kokyaku_Open() {
    Kokyaku_Count = 0;
    KokyakuIndex_Forget();
    Record_Count(Kokyaku_File);
}

int Kokyaku_FindByName(const char* name1, const char* name2) {
    int found = 0;
    LookUpByName(name1, name2, found);
    if (found) Kokyaku_SplitRecord();
    return found;
}

void Kokyaku_LoadByName(const char* name1, const char* name2) {
    int found = 0;
    if (!LookUpByName(name1, name2, found)) return;
    if (found)
        Kokyaku_SplitRecord();
    else
        Kokyaku_ClearRecord();
}

bool Kokyaku_WriteField(int n, int k, const char* text) {
    return n >= 1 && n <= Kokyaku_Count && Record_WriteField(Kokyaku_File, n, k, text);
}

bool Kokyaku_Append(std::initializer_list<std::pair<int, const char*>> fields) {
    return Record_AppendFields(Kokyaku_File, fields);
}

bool Kokyaku_InsertBlank(int n) { return Record_InsertBlank(Kokyaku_File, n); }

bool Kokyaku_RemoveRecord(int n) { return Record_RemoveRecord(Kokyaku_File, n, Kokyaku_ScratchName); }

bool Kokyaku_SortFile() { return Sort_RecordFile(Kokyaku_File, KokyakuField_Kana, Kokyaku_Count); }
