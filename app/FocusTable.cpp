#include "app/FocusTable.h"

#include "editor/EditorScreen.h"
#include "masters/categories/HinsyuScreen.h"
#include "masters/customers/KokyakuScreen.h"
#include "masters/products/SyouhinScreen.h"
#include "masters/units/TanniList.h"
#include "print/list/DenpyouListScreen.h"
#include "print/preview/PrintMargin.h"
#include "settings/backup/BackupScreen.h"
#include "settings/gyousyu/GyousyuScreen.h"
#include "settings/jisya/Jisya.h"

namespace {

// Every folder's part; the order here does not matter, the table is sorted.
constexpr TFocusCodes Focus_Build() {
    TFocusCodes codes;
    // The shell's key catchers of the job menu and the bar.
    codes.AddList(1010, 10, {"Edit_ChooseSyori", "Edit_ChooseCommand"});
    Denpyou_FocusCodes(codes);
    Hinsyu_FocusCodes(codes);
    Kokyaku_FocusCodes(codes);
    Syouhin_FocusCodes(codes);
    TanniList_FocusCodes(codes);
    DenpyouList_FocusCodes(codes);
    PrintMargin_FocusCodes(codes);
    Jisya_FocusCodes(codes);
    Gyousyu_FocusCodes(codes);
    Backup_FocusCodes(codes);
    return codes;
}

// The parts in ascending order of their codes.
constexpr std::array<TFocusEntry, Focus_CodeCount> Sorted(const TFocusCodes& codes) {
    std::array<TFocusEntry, Focus_CodeCount> t{};
    for (int i = 0; i < Focus_CodeCount; ++i) t[i] = codes[i];
    for (int i = 1; i < Focus_CodeCount; ++i)  // insertion sort by code
        for (int k = i; k > 0 && t[k - 1].Code > t[k].Code; --k) {
            const TFocusEntry e = t[k];
            t[k] = t[k - 1];
            t[k - 1] = e;
        }
    return t;
}

static_assert(Focus_Build().Count() == Focus_CodeCount);

constexpr bool StrictlyAscending(const std::array<TFocusEntry, Focus_CodeCount>& t) {
    for (int i = 1; i < Focus_CodeCount; ++i)
        if (t[i - 1].Code >= t[i].Code) return false;
    return t[0].Code == 1010 && t[Focus_CodeCount - 1].Code == 9920;
}

}  // namespace

constexpr std::array<TFocusEntry, Focus_CodeCount> Focus_CodeTable = Sorted(Focus_Build());
static_assert(StrictlyAscending(Focus_CodeTable));
