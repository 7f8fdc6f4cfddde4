// The product screen's commands: F4 deletes the product at the cursor, F5
// inserts a blank one there, F7 and F8 (PageUp, PageDown) page by 25, F9
// goes to the first empty row. With a chooser open, F3 and F4 move the
// cursor a row instead (PopupRow*). None asks anything; where one moves the
// focus, the cell left commits into its own row on leaving.
#pragma once

void Syouhin_DeleteRecord();
// A blank product in the file at the cursor row (the products from there on
// one place down), the page repainted and the focus in that row's name.
// Nothing while there is no product or a chooser is open. A write that
// fails changes nothing and says so.
void Syouhin_InsertRecord();
void Syouhin_BeforePage();
void Syouhin_NextPage();
void Syouhin_GotoNewRow();
// The cursor a row up or down under the unit chooser (the focus to that
// row's unit cell, which opens the chooser on its unit) or the category
// chooser (the chooser moves to that row's product); at the page's edge the
// page scrolls by one product and the chooser follows the product now under
// the cursor. The position label follows in every case.
void Syouhin_PopupRowUp();
void Syouhin_PopupRowDown();
