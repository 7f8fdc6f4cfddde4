// Failures on demand, for tests: the file layer can be told to make a chosen
// operation fail (a read or write fail or come up short, a create, rename,
// flush, truncate or remove fail), to behave as a disk that fills up, or to
// end the process at a chosen operation as a crash would. Nothing is planned
// unless a test asks, so the program itself never sees this. Every file
// operation of the program goes through File.h, so every failure path can be
// reached without root or a real full disk.
#pragma once

#include <cstdint>

// The kinds of operation, each counted on its own: File_Read (and
// File_ReadPieces), File_Write, File_Create, File_Rename, File_Sync (and
// Dir_Sync), File_Truncate, File_Remove.
enum class TFileOp { Read, Write, Create, Rename, Sync, Truncate, Remove };

// The nth operation of kind op (1 = the next one) from now on fails. A read
// or write moves only `bytes` bytes (0: it fails outright; a read that fails
// returns -1, a write returns 0) and returns what it moved; the other kinds
// fail without doing anything (bytes is not used). Several faults may be
// planned at once; each fires once.
void FileFault_Plan(TFileOp op, int nth, std::int64_t bytes = 0);
// For a test that runs the program in a child process: the nth operation of
// kind op ends the process at once (SIGKILL: no exit code of the program
// runs), a read or write after moving `bytes` bytes of it, an operation of
// another kind before it does anything (bytes 0) or once it is done (more).
void FileFault_PlanKill(TFileOp op, int nth, std::int64_t bytes = 0);
// From now on every write to a file under the program folder comes up short
// once `bytesLeft` more bytes have been written there, and fails after that,
// as on a full disk (0: the first write already fails). Creating, opening,
// renaming and removing files still work, as they do on a full disk.
void FileFault_DiskFull(std::int64_t bytesLeft);
// Forgets every planned fault and the full disk; the counts start again.
void FileFault_Reset();
// Operations of kind op since the last reset (counted whether or not they
// failed).
std::int64_t FileFault_Count(TFileOp op);
