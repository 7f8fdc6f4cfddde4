// Failures on demand, for tests: the file layer can be told to make a chosen
// read or write fail or come up short, or to behave as a disk that fills up.
// Nothing is planned unless a test asks, so the program itself never sees
// this. Every read and write of the program goes through File_Read and
// File_Write, so every failure path can be reached without root or a real
// full disk.
#pragma once

#include <cstdint>

enum class TFileOp { Read, Write };

// The nth File_Read or File_Write (1 = the next one) from now on moves only
// `bytes` bytes (0: it fails outright; a read that fails returns -1, a
// write returns 0) and returns what it moved. Several faults may be planned
// at once; each fires once.
void FileFault_Plan(TFileOp op, int nth, std::int64_t bytes = 0);
// From now on every write to a file under the program folder comes up short
// once `bytesLeft` more bytes have been written there, and fails after that,
// as on a full disk (0: the first write already fails). Creating, opening,
// renaming and removing files still work, as they do on a full disk.
void FileFault_DiskFull(std::int64_t bytesLeft);
// Forgets every planned fault and the full disk; the counts start again.
void FileFault_Reset();
// Reads or writes since the last reset (counted whether or not they failed).
std::int64_t FileFault_Count(TFileOp op);
