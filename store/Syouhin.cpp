#include "store/Syouhin.h"

#include "store/Sort.h"

TRecordFile Syouhin_File =
    Record_Define("Data\\Syouhin.620", Syouhin_RecLen, Syouhin_FieldCount, Syouhin_FieldWidth);
int Syouhin_CurRec = 0;

void Syouhin_ClearRecord() { Record_Clear(Syouhin_File); }
void Syouhin_SplitRecord() { Record_Split(Syouhin_File); }
void Syouhin_ReadRecord(int n) { Record_Read(Syouhin_File, n); }
void Syouhin_Open() { Record_Count(Syouhin_File); }
void Syouhin_SortFile() { Sort_RecordFile(Syouhin_File, SyouhinField_Kana, Syouhin_Count); }
