#include "store/Kokyaku.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/File.h"
#include "store/KokyakuIndex.h"
#include "store/Sort.h"

TRecordFile Kokyaku_File =
    Record_Define(Kokyaku_FileName, Kokyaku_RecLen, Kokyaku_FieldCount, Kokyaku_FieldWidth);
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

// The records the customer file holds now, a cut-short last one counted;
// -1 when it does not open.
int RecordsInFile() {
    const int fd = Record_OpenRead(Kokyaku_File);
    if (fd < 0) return -1;
    const std::int64_t size = File_Size(fd);
    File_Close(fd);
    if (size < 0) return -1;
    return static_cast<int>((size + Kokyaku_RecLen - 1) / Kokyaku_RecLen);
}

// Copies the scratch copy, which must hold exactly `bytes` bytes, into the
// open file out, a block at a time. Returns whether all of it arrived.
bool CopyScratch(std::int64_t bytes, int out) {
    const int in = File_OpenRead(Kokyaku_ScratchName);
    if (in < 0) return false;
    bool ok = File_Size(in) == bytes;
    std::vector<char> block(static_cast<size_t>(std::min<std::int64_t>(std::max<std::int64_t>(bytes, 1), 1 << 20)));
    for (std::int64_t done = 0; ok && done < bytes;) {
        const std::int64_t n = std::min<std::int64_t>(bytes - done, static_cast<std::int64_t>(block.size()));
        ok = File_Read(in, block.data(), n) == n && File_Write(out, block.data(), n) == n;
        done += n;
    }
    File_Close(in);
    return ok;
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
    // The record is built in the buffer, which is put back afterwards.
    std::vector<char> kept = Kokyaku_RecBuf;
    std::fill(Kokyaku_RecBuf.begin(), Kokyaku_RecBuf.end(), ' ');
    Kokyaku_RecBuf.back() = '\n';
    for (const auto& [k, text] : fields)
        if (k >= 0 && k < Kokyaku_FieldCount)  // up to a NUL; blanks after it
            std::memcpy(Kokyaku_RecBuf.data() + Kokyaku_FieldOffset[k], text,
                        strnlen(text, static_cast<size_t>(Kokyaku_FieldWidth[k])));
    const bool written = Record_Write(Kokyaku_File, Kokyaku_Count + 1);
    Kokyaku_RecBuf.swap(kept);
    if (written) {
        ++Kokyaku_Count;
        return true;
    }
    // The write layer cut the file back; should that itself have failed, the
    // count follows what the file holds, so that no record is overlooked.
    const int records = RecordsInFile();
    if (records >= 0) Kokyaku_Count = records;
    return false;
}

bool Kokyaku_RemoveRecord(int n) {
    if (n < 1 || n > Kokyaku_Count) return false;
    std::vector<char> image;
    if (!Record_ReadImage(Kokyaku_File, image)) return false;
    const size_t len = static_cast<size_t>(Kokyaku_RecLen);
    const int records = static_cast<int>(image.size() / len);
    if (n > records) return false;
    image.erase(image.begin() + static_cast<std::ptrdiff_t>((n - 1) * len),
                image.begin() + static_cast<std::ptrdiff_t>(n * len));
    const auto bytes = static_cast<std::int64_t>(image.size());
    if (!Record_RewriteFile(Kokyaku_ScratchName, image.data(), bytes)) return false;
    image = {};

    ++Kokyaku_File.Generation;
    const int fresh = Record_BeginRewrite(Kokyaku_File.FileName);
    if (fresh < 0) return false;
    if (!Record_EndRewrite(fresh, Kokyaku_File.FileName, CopyScratch(bytes, fresh))) return false;
    Kokyaku_Count = records - 1;
    return true;
}

void Kokyaku_SortFile() { Sort_RecordFile(Kokyaku_File, KokyakuField_Kana, Kokyaku_Count); }
