// The special lines: subtotal, total, taxable total, tax, grand total,
// adjustment and the two user lines, and their buttons.
#pragma once

// Lays the eight special-line buttons out in the order of the own-company
// fields JisyaField_Jun_1 ... JisyaField_Jun_1 + 7.
void Denp_SpecialLine_Arrange();
