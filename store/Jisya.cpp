#include "store/Jisya.h"

#include "platform/File.h"


TRecordFile Jisya_File = Record_Define("Data\\Jisya.620", Jisya_RecLen, Jisya_FieldCount, Jisya_FieldWidth);

void Jisya_ClearRecord() { Record_Clear(Jisya_File); }
void Jisya_SplitRecord() { Record_Split(Jisya_File); }
void Jisya_JoinRecord() { Record_Join(Jisya_File); }
bool Jisya_ReadRecord(int n) { return Record_Read(Jisya_File, n); }
bool Jisya_WriteRecord(int n) { return Record_Write(Jisya_File, n); }
bool Jisya_WriteField(JisyaField k, const char* text) { return Record_WriteField(Jisya_File, 1, k, text); }

bool Jisya_Loaded = false;

bool Jisya_Load() {
    Jisya_ClearRecord();
    Jisya_Loaded = false;
    const bool missing = !Path_Taken(Jisya_File.FileName);
    // A missing file is created with the cleared record.
    if (!Record_CountOrCreate(Jisya_File, Jisya_RecBuf.data(), Jisya_RecLen)) {
        Jisya_Loaded = missing;
        return false;
    }
    if (Jisya_Count > 0 && !Jisya_ReadRecord(1)) return false;
    Jisya_SplitRecord();
    Jisya_Loaded = true;
    return true;
}
