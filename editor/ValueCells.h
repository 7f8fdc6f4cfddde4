// The value cells of the grid's twenty rows: quantity, unit, list price and
// its rate, purchase price and its rate, actual unit price. One handler per
// event serves every column, by the column's number (GridColumn_Tanni ...
// GridColumn_Jitubai) and the row (1 ... 20): focus-in, commit on
// focus-out, and keys. The unit cells open the unit chooser and hand it
// their keys while it is shown.
#pragma once

#include "platform/Types.h"

class TForm;

void ValueCell_Enter(int column, int row);
void ValueCell_Exit(int column, int row);
void ValueCell_KeyDown(int column, int row, Word key);

// Binds the 140 value cells' handlers (window built).
void ValueCells_BindHandlers(TForm& form);
// Makes the editor the unit chooser's host over its screen.
void ValueCells_SetTanniHost();
