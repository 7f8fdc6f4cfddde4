// The customers by name in memory: for each pair of name lines, the first
// record that holds it. Stepping through the documents looks up each
// document's customer, and a scan of the whole customer file per step is far
// too slow with thousands of customers.
//
// The index is rebuilt (one scan) on the first lookup after the customer
// file may have changed: after a write through Kokyaku_File (its Generation),
// or when the file's stamp (size, times, identity, path) differs, which
// catches changes made from outside. A hit is only a hint: the caller reads
// that record and compares the names again before trusting it.
#pragma once

// The first record whose name lines equal name1 and name2 (each compared as
// the scan compares them: at most 40 bytes, a NUL ends the text), 0 when no
// record holds them. fd is the customer file, open for reading. Returns false
// when the index could not be built (the file did not read).
bool KokyakuIndex_Find(int fd, const char* name1, const char* name2, int& hit);
// Drops the index, so that the next lookup rebuilds it.
void KokyakuIndex_Forget();
