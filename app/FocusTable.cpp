#include "app/FocusTable.h"

#include <algorithm>

#include "app/Folders.h"
#include "ui/CommandBar.h"
#include "ui/Menu.h"

namespace {

// Every folder's part; the order here does not matter, the table is sorted.
constexpr TFocusCodes Focus_Build() {
    TFocusCodes codes;
    // The window's key catchers of the job menu and the bar.
    codes.AddList(1010, 10, {Menu_Catcher, CommandBar_Catcher});
    for (const TFolder* folder : App_Folders) folder->FocusCodes(codes);
    return codes;
}

// The parts in ascending order of their codes.
constexpr std::array<TFocusEntry, Focus_CodeCount> Sorted(const TFocusCodes& codes) {
    std::array<TFocusEntry, Focus_CodeCount> t{};
    for (int i = 0; i < Focus_CodeCount; ++i) t[i] = codes[i];
    std::sort(t.begin(), t.end(), [](const TFocusEntry& a, const TFocusEntry& b) { return a.Code < b.Code; });
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
