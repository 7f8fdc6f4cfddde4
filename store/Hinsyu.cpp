#include "store/Hinsyu.h"

#include <cstring>
#include <string>

#include "platform/File.h"
#include "store/Sort.h"
#include "store/Str.h"

TRecordFile Hinsyu_File = Record_Define("Data\\Hinsyu.620", Hinsyu_RecLen, Hinsyu_FieldCount, Hinsyu_FieldWidth);
char Hinsyu_Name[Hinsyu_Max][41];
char Hinsyu_Kana[Hinsyu_Max][11];
char Hinsyu_No[Hinsyu_Max][4];

namespace {

// "%3d" of the number of position i (0 ... 99).
void PositionNumber(int i, char* out) {
    const int n = i + 1;
    out[0] = n >= 100 ? static_cast<char>('0' + n / 100) : ' ';
    out[1] = n >= 10 ? static_cast<char>('0' + n / 10 % 10) : ' ';
    out[2] = static_cast<char>('0' + n % 10);
    out[3] = '\0';
}

// The file image's record i, or nullptr when the file does not hold it whole.
const char* RecordOf(const std::vector<char>& image, int i) {
    size_t end = static_cast<size_t>(i + 1) * Hinsyu_RecLen;
    return end <= image.size() ? image.data() + end - Hinsyu_RecLen : nullptr;
}

// entries[i] := entries[order[i]] for the sorted range (memory only).
template <size_t Width>
void MoveInOrder(char (&entries)[Hinsyu_Max][Width], const std::vector<int>& order) {
    char before[Hinsyu_Max][Width];
    std::memcpy(before, entries, sizeof before);
    for (size_t i = 0; i < order.size(); ++i) std::memcpy(entries[i], before[order[i]], Width);
}

}  // namespace

namespace {
// Blank from the start, so that a list that no file could fill counts 0.
const bool listBlank = (Hinsyu_ClearList(), true);
}  // namespace

void Hinsyu_ClearRecord() { Record_Clear(Hinsyu_File); }
void Hinsyu_SplitRecord() { Record_Split(Hinsyu_File); }
void Hinsyu_JoinRecord() { Record_Join(Hinsyu_File); }

void Hinsyu_ClearList() {
    for (int i = 0; i < Hinsyu_Max; ++i) {
        Str_Spaces(Hinsyu_Name[i], 40);
        Str_Spaces(Hinsyu_Kana[i], 10);
    }
}

bool Hinsyu_Loaded = false;

void Hinsyu_Load() {
    std::vector<char> image;
    Hinsyu_Loaded = Record_ReadImage(Hinsyu_File, image);
    if (!Hinsyu_Loaded) {
        Hinsyu_Loaded = !File_Exists(Hinsyu_File.FileName);
        Hinsyu_ClearRecord();
        std::string records;
        for (int i = 0; i < Hinsyu_Max; ++i) {
            char number[4];
            PositionNumber(i, number);
            std::memcpy(Hinsyu_RecBuf.data() + Hinsyu_FieldOffset[HinsyuField_No], number, 3);
            records.append(Hinsyu_RecBuf.data(), Hinsyu_RecLen);
            PositionNumber(i, Hinsyu_No[i]);
        }
        Record_CreateMissing(Hinsyu_File.FileName, records.data(), static_cast<std::int64_t>(records.size()));
        Hinsyu_Recount();
        return;
    }
    // First the numbers as stored: the first entry to hold a number keeps it,
    // and one outside 1 ... 100 (damaged) stays as the file holds it: it
    // names no category, and the exit writes it back unchanged.
    bool taken[Hinsyu_Max + 1] = {};
    bool numbered[Hinsyu_Max] = {};
    for (int i = 0; i < Hinsyu_Max; ++i) {
        const char* record = RecordOf(image, i);
        if (!record) {
            Str_Spaces(Hinsyu_Name[i], 40);
            Str_Spaces(Hinsyu_Kana[i], 10);
            continue;
        }
        std::memcpy(Hinsyu_RecBuf.data(), record, Hinsyu_RecLen);
        Hinsyu_SplitRecord();
        Str_Pad(Hinsyu_Field[HinsyuField_Name], Hinsyu_Name[i], 40, 0);
        Str_Pad(Hinsyu_Field[HinsyuField_Kana], Hinsyu_Kana[i], 10, 0);
        const int no = Str_ToInt(Hinsyu_Field[HinsyuField_No]);
        const bool inRange = no >= 1 && no <= Hinsyu_Max;
        if ((inRange && !taken[no]) || (!inRange && no != 0)) {
            if (inRange) taken[no] = true;
            numbered[i] = true;
            Str_Pad(Hinsyu_Field[HinsyuField_No], Hinsyu_No[i], 3, 0);
        }
    }
    // Then a blank or 0, and a number an earlier entry holds: the position's
    // number, or the smallest free one when that is taken. (Each damaged
    // entry leaves a number free, so there is always one.)
    int nextFree = 1;
    for (int i = 0; i < Hinsyu_Max; ++i) {
        if (numbered[i]) continue;
        int no = i + 1;
        if (taken[no]) {
            while (nextFree < Hinsyu_Max && taken[nextFree]) ++nextFree;
            no = nextFree;
        }
        taken[no] = true;
        PositionNumber(no - 1, Hinsyu_No[i]);
    }
    Hinsyu_Recount();
}

void Hinsyu_Recount() {
    int n = 0;
    while (n < Hinsyu_Max && Hinsyu_Name[n][0] != ' ') ++n;
    Hinsyu_Count = n;
}

int Hinsyu_Number(int e) {
    if (e < 0 || e >= Hinsyu_Max) return 0;
    const int n = Str_ToInt(Hinsyu_No[e], 3);
    return n >= 1 && n <= Hinsyu_Max ? n : 0;
}

bool Hinsyu_Named(int e) { return e >= 0 && e < Hinsyu_Max && Hinsyu_Name[e][0] != ' '; }

int Hinsyu_EntryOfNumber(int number) {
    if (number < 1 || number > Hinsyu_Max) return -1;
    for (int e = 0; e < Hinsyu_Max; ++e)
        if (Hinsyu_Number(e) == number) return e;
    return -1;
}

int Hinsyu_FindNamed(const char* name) {
    char padded[41];
    Str_Pad(name, padded, 40, 0);
    for (int e = 0; e < Hinsyu_Max; ++e)
        if (Hinsyu_Named(e) && std::memcmp(Hinsyu_Name[e], padded, 40) == 0) return e;
    return -1;
}

void Hinsyu_RemoveEntry(int p) {
    if (p < 0 || p >= Hinsyu_Max) return;
    char number[4];
    std::memcpy(number, Hinsyu_No[p], sizeof number);
    for (int i = p; i < Hinsyu_Max - 1; ++i) {
        std::memcpy(Hinsyu_Name[i], Hinsyu_Name[i + 1], sizeof Hinsyu_Name[i]);
        std::memcpy(Hinsyu_Kana[i], Hinsyu_Kana[i + 1], sizeof Hinsyu_Kana[i]);
        std::memcpy(Hinsyu_No[i], Hinsyu_No[i + 1], sizeof Hinsyu_No[i]);
    }
    Str_Spaces(Hinsyu_Name[Hinsyu_Max - 1], 40);
    Str_Spaces(Hinsyu_Kana[Hinsyu_Max - 1], 10);
    std::memcpy(Hinsyu_No[Hinsyu_Max - 1], number, sizeof number);
}

bool Hinsyu_InsertEntry(int p) {
    if (p < 0 || p >= Hinsyu_Max || Hinsyu_Named(Hinsyu_Max - 1)) return false;
    for (int i = Hinsyu_Max - 1; i > p; --i) {
        std::memcpy(Hinsyu_Name[i], Hinsyu_Name[i - 1], sizeof Hinsyu_Name[i]);
        std::memcpy(Hinsyu_Kana[i], Hinsyu_Kana[i - 1], sizeof Hinsyu_Kana[i]);
        std::memcpy(Hinsyu_No[i], Hinsyu_No[i - 1], sizeof Hinsyu_No[i]);
    }
    Str_Spaces(Hinsyu_Name[p], 40);
    Str_Spaces(Hinsyu_Kana[p], 10);
    // The smallest number no other entry holds: the dropped entry's while
    // every number is held once, a sound one when the dropped entry's was
    // damaged.
    bool taken[Hinsyu_Max + 1] = {};
    for (int e = 0; e < Hinsyu_Max; ++e)
        if (e != p) taken[Hinsyu_Number(e)] = true;
    int number = 1;
    while (number < Hinsyu_Max && taken[number]) ++number;
    PositionNumber(number - 1, Hinsyu_No[p]);
    return true;
}

bool Hinsyu_Save() {
    int fd = File_OpenReadWrite(Hinsyu_File.FileName);
    if (fd < 0) return false;
    File_Close(fd);
    std::vector<char> image;
    if (!Record_ReadImage(Hinsyu_File, image)) return false;
    const size_t held = image.size() / Hinsyu_RecLen;
    if (image.size() < static_cast<size_t>(Hinsyu_Max * Hinsyu_RecLen)) image.resize(Hinsyu_Max * Hinsyu_RecLen);
    for (int i = 0; i < Hinsyu_Max; ++i) {
        char* record = image.data() + i * Hinsyu_RecLen;
        // A record the file did not hold starts out cleared.
        if (static_cast<size_t>(i) < held)
            std::memcpy(Hinsyu_RecBuf.data(), record, Hinsyu_RecLen);
        else
            Hinsyu_ClearRecord();
        Hinsyu_SplitRecord();
        Str_Pad(Hinsyu_Name[i], Hinsyu_Field[HinsyuField_Name], 40, 0);
        Str_Pad(Hinsyu_Kana[i], Hinsyu_Field[HinsyuField_Kana], 10, 0);
        Str_Pad(Hinsyu_No[i], Hinsyu_Field[HinsyuField_No], 3, 0);
        Hinsyu_JoinRecord();
        std::memcpy(record, Hinsyu_RecBuf.data(), Hinsyu_RecLen);
    }
    return Record_SaveFile(Hinsyu_File.FileName, image.data(), static_cast<std::int64_t>(image.size()));
}

bool Hinsyu_SortFile() {
    int fd = File_OpenReadWrite(Hinsyu_File.FileName);
    if (fd < 0) return false;
    File_Close(fd);
    int n = 0;
    while (n < Hinsyu_Max && Hinsyu_Kana[n][0] != ' ') ++n;
    if (n < 2) return true;
    std::vector<int> order = Sort_ExchangeOrder(&Hinsyu_Kana[0][0], n, 10, sizeof Hinsyu_Kana[0]);
    bool moved = false;
    for (int i = 0; i < n; ++i) moved = moved || order[i] != i;
    if (!moved) return true;

    std::vector<char> image;
    if (!Record_ReadImage(Hinsyu_File, image)) return false;
    // Records the file lacks take part as cleared records.
    if (image.size() / Hinsyu_RecLen < static_cast<size_t>(n)) {
        image.resize(image.size() / Hinsyu_RecLen * Hinsyu_RecLen);
        Hinsyu_ClearRecord();
        while (image.size() < static_cast<size_t>(n * Hinsyu_RecLen))
            image.insert(image.end(), Hinsyu_RecBuf.begin(), Hinsyu_RecBuf.end());
    }
    std::vector<char> sorted(image);
    for (int i = 0; i < n; ++i)
        std::memcpy(sorted.data() + i * Hinsyu_RecLen, image.data() + order[i] * Hinsyu_RecLen, Hinsyu_RecLen);

    // The entries in memory move with their records, once the file holds them
    // in the new order, so that memory and file still agree when the program
    // goes on after the sort; the next save then writes each name with its
    // own reading and number. A sort that could not be written moves nothing.
    if (!Record_RewriteFile(Hinsyu_File.FileName, sorted.data(), static_cast<std::int64_t>(sorted.size())))
        return false;
    MoveInOrder(Hinsyu_Kana, order);
    MoveInOrder(Hinsyu_Name, order);
    MoveInOrder(Hinsyu_No, order);
    return true;
}
