#include "store/SortTmp.h"

TRecordFile SortTmp_File =
    Record_Define("Data\\DenpyouSort.tmp", SortTmp_RecLen, SortTmp_FieldCount, SortTmp_FieldWidth);
