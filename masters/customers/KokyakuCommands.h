// The customer screen's commands: F4 deletes the customer at the cursor,
// F5 inserts a blank one there, F7 and F8 (PageUp, PageDown) page by 13
// (the cell that keeps the focus shows its new customer's field bare, as its
// focus-in does), F9 goes to the empty row. None asks anything; where one moves the focus, the cell left
// commits into its own row on leaving.
#pragma once

void Kokyaku_DeleteRecord();
// A blank customer in the file at the cursor row (the customers from there
// on one place down), the page repainted and the focus in that row's first
// name. Nothing while there is no customer. A write that fails changes
// nothing and says so.
void Kokyaku_InsertRecord();
void Kokyaku_BeforePage();
void Kokyaku_NextPage();
void Kokyaku_GotoNewRow();
