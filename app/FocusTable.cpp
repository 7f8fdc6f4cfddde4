#include "app/FocusTable.h"

#include <algorithm>

#include "app/Folders.h"
#include "ui/CommandBar.h"
#include "ui/FocusClash.h"
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

// Named, so that the compiler shows its value when the two differ.
constexpr int Focus_PartsCount = Focus_Build().Count();
static_assert(Focus_PartsCount == Focus_CodeCount,
              "Focus_CodeCount (app/FocusTable.h) is not the number of codes the folders' parts add: "
              "that number is the first of the comparison below");

}  // namespace

constexpr std::array<TFocusEntry, Focus_CodeCount> Focus_CodeTable = Sorted(Focus_Build());
static_assert(Focus_CodeClaimedTwice<Focus_FirstClash(Focus_CodeTable.data(), Focus_CodeCount)>::No);
static_assert(Focus_CodeTable.front().Code == 1010 && Focus_CodeTable.back().Code == 9920,
              "every focus code lies between the job menu's catcher (1010) and 9920");
