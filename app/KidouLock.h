// One program folder, one running copy: two copies on the same Data folder
// would both hand out "the next number" and store over each other's
// documents. The first copy holds a lock on "Data\Kidou.lck" while it runs;
// a second one tells the user and ends before it touches any data file.
#pragma once

inline constexpr const char* KidouLock_FileName = "Data\\Kidou.lck";

// Takes the program folder's lock. When another running copy holds it:
// "既に起動しています。" in a message box, then the end of the process with
// status -1. When it cannot be had for any other reason (a folder or a FIFO
// at its path, no permission, a file system without locks), no other copy
// can be ruled out: "Kidou.lckをロックできませんでした。" and the same end.
// Without a Data folder the start goes on: nothing can be stored there.
void KidouLock_Take();
