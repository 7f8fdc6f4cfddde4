#include "store/Recovery.h"

#include "store/Denpyou.h"
#include "store/Hinsyu.h"
#include "store/Jisya.h"
#include "store/Journal.h"
#include "store/Kokyaku.h"
#include "store/Syouhin.h"
#include "store/Tanni.h"

namespace {

// The data files, which are written record by record (journaled) and
// rewritten whole through a scratch file.
const TRecordFile* const DataFiles[] = {&Denpyou_File, &Kokyaku_File, &Hinsyu_File,
                                        &Syouhin_File, &Tanni_File,   &Jisya_File};

}  // namespace

void Recovery_RollBackJournals() {
    for (const TRecordFile* file : DataFiles) Journal_RollBack(file->FileName);
}
