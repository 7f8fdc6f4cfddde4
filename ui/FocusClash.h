// The build's check of the window's focus-code table (app/FocusTable.cpp):
// every code is one control's. Two controls on one code stop the build with
// a message that names both codes and both controls.
#pragma once

#include "ui/Focus.h"

// Two controls on one code in a table sorted by code: the first such
// neighbours, or two empty entries (codes 0) when every code has one control.
struct TFocusClash {
    TFocusEntry One{}, Other{};
};
constexpr TFocusClash Focus_FirstClash(const TFocusEntry* sorted, int count) {
    for (int i = 1; i < count; ++i)
        if (sorted[i - 1].Code == sorted[i].Code) return {sorted[i - 1], sorted[i]};
    return {};
}
// Stops the build when its clash is not empty. A static_assert cannot print
// what it found, but the compiler names the template argument of the class
// it fails in, so that the error reads
//     In instantiation of 'struct Focus_CodeClaimedTwice<TFocusClash{
//         TFocusEntry{1120, "Edit_DenpKokyakuName_1"}, TFocusEntry{1120, "Edit_..."}}>'
//     ... static assertion failed: two controls claim one focus code ...
template <TFocusClash Clash>
struct Focus_CodeClaimedTwice {
    static_assert(Clash.One.Code == 0,
                  "two controls claim one focus code: the codes and the controls stand in the "
                  "instantiation above; give one of them a code that no control has");
    static constexpr bool No = true;
};
