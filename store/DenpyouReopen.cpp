// Denpyou_Open reads the creation year of every stored document, which costs
// a read per document. Between two counts only the editor's own writes change
// the file, one document at a time, so after a store the answer follows from
// the years kept by the last count and the document just written.
#include "store/DenpyouReopen.h"

#include "store/Denpyou.h"
#include "store/DenpyouYears.h"

void Denpyou_NoteWrite() { DenpyouYears_Written(Denpyou_CurRec); }

void Denpyou_OpenAfterStore() {
    Seiri_SetYear();
    if (!DenpyouYears_Written(Denpyou_CurRec) || !Record_CountOrCreate(Denpyou_File, nullptr, 0) ||
        Denpyou_Count != DenpyouYears_Count()) {
        Denpyou_Open();
        return;
    }
    Seiri_Mode = Denpyou_Count > Denpyou_SeiriCount ? 2 : DenpyouYears_AnyOld() ? 1 : 0;
    Denpyou_ClearRecord();
}
