// Denpyou_Open reads the creation year of every stored document, which costs
// a read per document. Between two counts only the editor's own writes change
// the file, one document at a time, so after a store the answer follows from
// the years kept by the last count and the document just written.
#include "store/DenpyouReopen.h"

#include "store/Denpyou.h"
#include "store/DenpyouListFields.h"
#include "store/DenpyouYears.h"

void Denpyou_NoteWrite() {
    DenpyouListFields_Written(Denpyou_CurRec);
    DenpyouYears_Written(Denpyou_CurRec);
}

void Denpyou_OpenAfterStore() {
    DenpyouListFields_Written(Denpyou_CurRec);
    Seiri_SetYear();
    if (!DenpyouYears_Written(Denpyou_CurRec) || !Record_CountOrCreate(Denpyou_File, nullptr, 0) ||
        Denpyou_Count != DenpyouYears_Count()) {
        Denpyou_Open();
        return;
    }
    Seiri_Mode = Denpyou_Count > Denpyou_SeiriCount ? TSeiriMode::Full
                 : DenpyouYears_AnyOld()               ? TSeiriMode::Old
                                                       : TSeiriMode::None;
    Denpyou_ClearRecord();
}
