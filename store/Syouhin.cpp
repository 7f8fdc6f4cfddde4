#include "store/Syouhin.h"

#include <cstring>
#include <vector>

#include "platform/File.h"
#include "store/RecordEdit.h"
#include "store/Sort.h"

TRecordFile Syouhin_File =
    Record_Define("Data\\Syouhin.620", Syouhin_RecLen, Syouhin_FieldCount, Syouhin_FieldWidth);
int Syouhin_CurRec = 0;

void Syouhin_ClearRecord() { Record_Clear(Syouhin_File); }
void Syouhin_SplitRecord() { Record_Split(Syouhin_File); }
bool Syouhin_ReadRecord(int n) { return Record_Read(Syouhin_File, n); }
void Syouhin_Open() { Record_Count(Syouhin_File); }
bool Syouhin_SortFile() { return Sort_RecordFile(Syouhin_File, SyouhinField_Kana, Syouhin_Count); }

bool Syouhin_ReadField(int n, int k, char* dest) {
    if (n < 1 || n > Syouhin_Count || k < 0 || k >= Syouhin_FieldCount) return false;
    const int fd = Record_OpenRead(Syouhin_File);
    if (fd < 0) return false;
    std::vector<char> record(static_cast<size_t>(Syouhin_RecLen));
    const bool read = Record_ReadFrom(fd, Syouhin_File, n, record.data());
    File_Close(fd);
    if (read)
        std::memcpy(dest, record.data() + Syouhin_FieldOffset[static_cast<size_t>(k)],
                    static_cast<size_t>(Syouhin_FieldWidth[k]));
    return read;
}

bool Syouhin_WriteField(int n, int k, const char* text) {
    return n >= 1 && n <= Syouhin_Count && Record_WriteField(Syouhin_File, n, k, text);
}

bool Syouhin_Append(std::initializer_list<std::pair<int, const char*>> fields) {
    return Record_AppendFields(Syouhin_File, fields);
}

bool Syouhin_InsertBlank(int n) { return Record_InsertBlank(Syouhin_File, n); }

bool Syouhin_RemoveRecord(int n) { return Record_RemoveRecord(Syouhin_File, n, Syouhin_ScratchName); }

bool Syouhin_ClearFlag(int number) {
    if (number < 1 || number > Syouhin_FlagCount) return false;
    std::vector<char> image;
    if (!Record_ReadImage(Syouhin_File, image)) return false;
    const size_t at = static_cast<size_t>(Syouhin_FieldOffset[SyouhinField_Hinsyu] + number - 1);
    bool changed = false;
    for (size_t record = 0; record + Syouhin_RecLen <= image.size(); record += Syouhin_RecLen)
        if (image[record + at] != ' ') {
            image[record + at] = ' ';
            changed = true;
        }
    if (!changed) return true;
    ++Syouhin_File.Generation;
    return Record_RewriteFile(Syouhin_File.FileName, image.data(), static_cast<std::int64_t>(image.size()));
}
