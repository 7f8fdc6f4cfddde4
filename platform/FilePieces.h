// How File_ReadPieces reads one small piece of each of many records: the
// reads of one call go to the kernel together through an io_uring, so that
// pieces in memory cost no call each and pieces on the disk are fetched all
// at once rather than one after another. Where the system offers no
// io_uring (an old kernel, a sandbox that forbids it, io_uring_disabled),
// each piece is read on its own, those not yet in memory asked for from the
// disk many at a time ahead of their reads.
#pragma once

#include <cstdint>

// Reads width bytes at first, first + stride, ... (count pieces) into out;
// returns how many were read whole, from the first on.
int FilePieces_Read(int fd, std::int64_t first, std::int64_t stride, int count, int width, char* out);

// Whether reads go through io_uring: the system offers it and it is allowed.
bool FilePieces_RingInUse();
// Tests turn io_uring off to run the other way, as on a system without it.
void FilePieces_AllowRing(bool allow);
