#include "store/Tanni.h"

#include <cstring>

#include "platform/File.h"
#include "store/Str.h"

TRecordFile Tanni_File = Record_Define("Data\\Tanni.620", Tanni_RecLen, Tanni_FieldCount, Tanni_FieldWidth);
char Tanni_List[Tanni_Max][7];

namespace {
constexpr int UnitWidth = 6;
// Every entry free from the start.
const bool listBlank = [] {
    for (auto& entry : Tanni_List) Str_Spaces(entry, UnitWidth);
    return true;
}();
}  // namespace

void Tanni_ClearRecord() { Record_Clear(Tanni_File); }

bool Tanni_Loaded = false;

void Tanni_Load() {
    Tanni_Count = 0;
    for (auto& entry : Tanni_List) Str_Spaces(entry, UnitWidth);
    bool opened = Record_Scan(Tanni_File, 1, Tanni_Max, [](const char* record, int n) {
        std::memcpy(Tanni_RecBuf.data(), record, Tanni_RecLen);
        std::memcpy(Tanni_List[n - 1], record, UnitWidth);
        Tanni_List[n - 1][UnitWidth] = '\0';
        return true;
    });
    Tanni_Recount();
    Tanni_Loaded = opened;
    if (opened) return;
    Tanni_Loaded = !File_Exists(Tanni_File.FileName);
    Tanni_ClearRecord();
    Record_CreateMissing(Tanni_File.FileName, Tanni_RecBuf.data(), Tanni_RecLen);
}

void Tanni_Recount() {
    Tanni_Count = 0;
    for (int i = 0; i < Tanni_Max; ++i)
        if (Tanni_List[i][0] != ' ') Tanni_Count = i + 1;
}

// A new unit goes into the first free entry, even while the count is 0:
// the unit-list editor may already have put a unit into entry 0, and taking
// entry 0 then would overwrite it. With no free entry the last one is used.
void Tanni_Add(const char* unit) {
    int slot = Tanni_Max - 1;
    for (int i = 0; i < Tanni_Max; ++i)
        if (Tanni_List[i][0] == ' ') {
            slot = i;
            break;
        }
    for (const auto& entry : Tanni_List)
        if (std::strncmp(entry, unit, UnitWidth) == 0) return;
    char text[UnitWidth + 1];
    size_t len = strnlen(unit, UnitWidth);
    std::memcpy(text, unit, len);
    text[len] = '\0';
    Str_Pad(text, Tanni_List[slot], UnitWidth, 0);
    if (Tanni_Count < Tanni_Max) ++Tanni_Count;
}

bool Tanni_Save() {
    std::vector<char> image;
    int fd = File_OpenReadWrite(Tanni_File.FileName);
    if (fd < 0) return false;
    File_Close(fd);
    if (!Record_ReadImage(Tanni_File, image)) return false;
    // Records beyond the 100 entries are kept as they are.
    if (image.size() < static_cast<size_t>(Tanni_Max * Tanni_RecLen)) image.resize(Tanni_Max * Tanni_RecLen);
    for (int i = 0; i < Tanni_Max; ++i) {
        char* record = image.data() + i * Tanni_RecLen;
        std::memset(record, ' ', Tanni_RecLen);
        record[Tanni_RecLen - 1] = '\n';
        size_t len = strnlen(Tanni_List[i], UnitWidth);
        std::memcpy(record, Tanni_List[i], len);
    }
    return Record_SaveFile(Tanni_File.FileName, image.data(), static_cast<std::int64_t>(image.size()));
}
