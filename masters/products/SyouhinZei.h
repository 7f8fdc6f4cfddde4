// The tax-class cycle: a click on a row's tax-class label puts the focus in
// the row's (unseen) tax-class cell and steps the class: "外税", "内税",
// "なし", blank, and "外税" again. The cell's commit stores it.
#pragma once

// Label_Syouhin_Zei_01Click ... _25Click: row 0 ... 24.
void Syouhin_ZeiClick(int row);
