#include "document/DenpyouNumber.h"

#include <cstring>
#include <string>

#include "platform/File.h"
#include "store/Number.h"
#include "store/Denpyou.h"
#include "store/Jisya.h"

bool Denpyou_LastNoKnown = false;

namespace {

constexpr int NoWidth = Jisya_FieldWidth[JisyaField_Denban];
static_assert(NoWidth == Denpyou_FieldWidth[DenpyouField_No]);

// What field 13 held before the last reservation.
std::string Reserved_Before;

// The number field of the last of count stored documents, read as a
// number; false when it cannot be read.
bool ReadLastStored(int count, std::int64_t& no) {
    bool read = false;
    Record_ScanField(Denpyou_File, DenpyouField_No, count, count, [&](const char* number, int) {
        no = Num_ReadLong(std::string(number, NoWidth).c_str());
        read = true;
        return false;
    });
    return read;
}

// The next number, "%10ld", into a buffer of NoWidth + 1 bytes.
void WriteNextNo(char* into) { Num_WriteInt(into, NoWidth, Denpyou_LastNo + 1); }

// Field 13 := text (NoWidth bytes) in the file, then in memory. false, both
// as they were, when the file did not take it.
bool WriteField(const char* text) {
    if (!Jisya_WriteField(JisyaField_Denban, text)) return false;
    std::memcpy(Jisya_Field[JisyaField_Denban], text, NoWidth);
    Jisya_Field[JisyaField_Denban][NoWidth] = '\0';
    return true;
}

}  // namespace

void Denpyou_TakeLastNo(bool known) {
    Denpyou_LastNo = Num_ReadLong(Jisya_Field[JisyaField_Denban]);
    Denpyou_LastNoKnown = known;
}

void Denpyou_LoadLastNo() {
    Denpyou_TakeLastNo(Jisya_Loaded);
    if (!Jisya_Loaded || Num_IsWholeInt(Jisya_Field[JisyaField_Denban]) || Denpyou_Count == 0) return;
    Denpyou_LastNoKnown = ReadLastStored(Denpyou_Count, Denpyou_LastNo);
}

bool Denpyou_NextNoFits() { return Denpyou_LastNoKnown && Denpyou_LastNo < Num_IntMax(NoWidth); }

bool Denpyou_ReserveNextNo() {
    Reserved_Before.assign(Jisya_Field[JisyaField_Denban], NoWidth);
    char next[NoWidth + 1];
    WriteNextNo(next);
    return WriteField(next);
}

void Denpyou_ReleaseNextNo() {
    if (Reserved_Before.size() == NoWidth) WriteField(Reserved_Before.c_str());
}

void Denpyou_PutNextNo() { WriteNextNo(Denpyou_Field[DenpyouField_No]); }

void Denpyou_PutLastNo() {
    if (Denpyou_LastNoKnown) Num_WriteInt(Jisya_Field[JisyaField_Denban], NoWidth, Denpyou_LastNo);
}

bool Denpyou_StoredLastNo(std::optional<std::int64_t>& no) {
    no.reset();
    if (!Path_Taken(Denpyou_File.FileName)) return true;
    const int fd = Record_OpenRead(Denpyou_File);
    if (fd < 0) return false;
    const std::int64_t size = File_Size(fd);
    File_Close(fd);
    if (size < 0) return false;
    const int count = Record_RecordsOf(size, Denpyou_RecLen);
    if (count == 0) return true;
    std::int64_t last = 0;
    if (!ReadLastStored(count, last)) return false;
    no = last;
    return true;
}

std::int64_t Denpyou_NoIn(const char* record) {
    return Num_ReadLong(std::string(record + Denpyou_FieldOffset[DenpyouField_No], NoWidth).c_str());
}

bool Denpyou_RaiseLastNoIn(char* record, std::int64_t no) {
    char* field = record + Jisya_FieldOffset[JisyaField_Denban];
    const std::string stored(field, NoWidth);
    if (!Num_IsWholeInt(stored.c_str()) || Num_ReadLong(stored.c_str()) >= no) return false;
    std::memcpy(field, Num_FormatInt(no, NoWidth).data(), NoWidth);
    return true;
}
