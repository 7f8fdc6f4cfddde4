// The window's focus-code table: every folder's part (ui/Focus.h), put
// together at compile time, in ascending order.
#pragma once

#include <array>

#include "ui/Focus.h"

constexpr int Focus_CodeCount = 630;

// All codes in ascending order with their controls.
extern const std::array<TFocusEntry, Focus_CodeCount> Focus_CodeTable;

// The code of a control by name; 0 when it has none.
int Focus_CodeOf(const char* name);
// The control name of a code; nullptr for a code not in the table.
const char* Focus_NameOf(int code);
