// The category screen's commands, from the bar (its cells map no key): F4
// deletes the entry at the cursor, F5 puts an empty entry there, F7 and F8
// show the first and the second page, F9 goes to the first empty entry.
// None asks anything; where one moves the focus, the cell left commits into
// its own row on leaving.
#pragma once

void Hinsyu_DeleteRecord();
// The entries from the cursor on one place down, an empty entry at the
// cursor for a new category (in memory; the exit writes the file), its name
// cell bare; the focus stays where it is. Nothing while the last entry is
// named: the list has no room.
void Hinsyu_InsertRecord();
void Hinsyu_BeforePage();
void Hinsyu_NextPage();
void Hinsyu_GotoNewRow();
