// The order of the exchange sort by which the customer, product and category
// files are kept in reading order:
//   for i = 0 ... n - 2: for k = i + 1 ... n - 1:
//     when key[i] > key[k] (bounded comparison: bytes unsigned, a NUL ends
//     the key): swap records i and k.
// Records with equal keys are never swapped with each other, but their order
// can still change through swaps with others; the files depend on exactly
// this order, so it is reproduced here, only faster than n * n / 2 reads.
#pragma once

#include <vector>

// keys: n keys of width bytes, the key of record j at keys + j * stride.
// Returns order, where order[i] is the record that the sort leaves at
// position i.
std::vector<int> Sort_ExchangeOrder(const char* keys, int n, int width, int stride);

struct TRecordFile;
// Sorts records 1 ... count of the existing file by field keyField in the
// exchange sort's order, in memory, and writes the file once (nothing when
// the order does not change). Bytes after those records stay as they were.
// false when the file could not be read or written; it is then as it was.
bool Sort_RecordFile(TRecordFile& file, int keyField, int count);
