// The customer screen's commands: F4 deletes the customer at the cursor,
// F7 and F8 (PageUp, PageDown) page by 13 (the cell that keeps the focus
// shows its new customer's field bare, as its focus-in does), F9 goes to the
// empty row. None asks anything; where one moves the focus, the cell left
// commits into its own row on leaving.
#pragma once

void Kokyaku_DeleteRecord();
void Kokyaku_BeforePage();
void Kokyaku_NextPage();
void Kokyaku_GotoNewRow();
