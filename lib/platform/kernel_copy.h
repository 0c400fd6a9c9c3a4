#pragma once

#include <cstddef>

// Moves bytes from in to out at their current offsets inside the kernel, in
// steps of up to chunk bytes, for as long as the system can. Returns 0 when
// it stopped (end of file, or no kernel copy for these files: the caller's
// read/write loop goes on from the offsets reached), or -1 with errno
// ENOSPC or EDQUOT when the destination is full.
int KernelCopy(int in, int out, size_t chunk);
