// The category screen's commands, from the bar (its cells map no key): F4
// deletes the entry at the cursor, F7 and F8 show the first and the second
// page, F9 goes to the first empty entry. None asks anything; where one
// moves the focus, the cell left commits into its own row on leaving.
#pragma once

void Hinsyu_DeleteRecord();
void Hinsyu_BeforePage();
void Hinsyu_NextPage();
void Hinsyu_GotoNewRow();
