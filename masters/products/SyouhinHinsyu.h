// The product screen's category column (a product's member count and the
// first category's name) and its part in the category chooser, which it
// hosts: the flags of the product under the cursor are read and written
// through it, and a click on a row's category name opens it for that row.
#pragma once

struct THinsyuChooseHost;

// Label_Syouhin_Hinsyu_01Click ... _25Click: row 0 ... 24.
void Syouhin_HinsyuClick(int row);
// The row's count label and category label from the flags (100 bytes): how
// many are set, and the name of the category numbered by the first (blank
// when no entry holds that number); both empty without a flag.
void Syouhin_ShowHinsyuLabels(int row, const char* flags);
// The category frame of row red, 2 wide, the others black (any other value,
// 99: none).
void Syouhin_MarkHinsyuLine(int row);
// A name cell of row entered under the category chooser's lock: the chooser
// moves to the row's product from its first entry and takes the focus back.
void Syouhin_HinsyuRetarget(int row);

extern const THinsyuChooseHost Syouhin_HinsyuHost;
