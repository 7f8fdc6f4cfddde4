// The 117 cells of the customer screen: focus-in (which rows take the
// focus), the commit on leaving a cell or on Return, the record writer that
// both use, and the key map with the one-customer scrolls at the page's
// edges. The handlers of one cell take its column and row.
#pragma once

#include "platform/Types.h"

void Kokyaku_CellEnter(int column, int row);
void Kokyaku_CellExit(int column, int row);
void Kokyaku_CellKeyDown(int column, int row, Word key);

// Writes field k (1 ... 8, 10) of the customer shown in the given row (the
// cursor row when row < 0): text holds the field's width in bytes. Marks the
// customers changed. Nothing is stored for a row below the empty row, nor
// while that row's first-name cell is empty or begins with a blank; on the
// empty row the customer is appended, with the first name and the field.
// The count label follows.
void Kokyaku_WriteFieldAtLine(int k, const char* text, int row = -1);
