// The calculation as the editor shows it: a grid row's line calculated from
// the row's edits, the amounts and the total that the passes write shown in
// the grid and the total label, and the purchase-cost total shown while the
// total label is held down.
#pragma once

// 1 while the mouse button is held on Label_Goukei and the purchase-cost
// total is shown.
extern int Goukei_CostShown;

// Shows the passes' amounts and total (document/Calc.h's Denpyou_View).
void LineCalc_ShowPasses();

// The line calculation of grid row 0 ... 19 from the row's edits (the stored
// line fields when there is no window): the row's reference label, its
// actual-price edit and amount label, line fields 8 and 9.
void DenpyouLine_Calc(int row);

// Mouse button pressed and released on Label_Goukei.
void Label_GoukeiMouseDown();
void Label_GoukeiMouseUp();
