// The special lines: subtotal, total, taxable total, tax, grand total,
// adjustment and the two user lines, and their buttons.
#pragma once

// Lays the eight special-line buttons out in the order of own-company
// fields 49 ... 56.
void Denp_SpecialLine_Arrange();
