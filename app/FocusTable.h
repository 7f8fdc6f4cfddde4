// The window's focus-code table: every folder's part (ui/Focus.h), put
// together at compile time, in ascending order.
#pragma once

#include <array>

#include "ui/Focus.h"

constexpr int Focus_CodeCount = 630;

// All codes in ascending order with their controls; the window hands it to
// the focus protocol (Focus_SetTable), whose Focus_CodeOf and Focus_NameOf
// then read it.
extern const std::array<TFocusEntry, Focus_CodeCount> Focus_CodeTable;
