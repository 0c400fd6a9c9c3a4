#pragma once

#include <cstddef>

// The absolute path of an existing entry as the file system reports it:
// stored letter case, symbolic links in the parent folders resolved, the last
// component followed only with followLeaf. Relative paths start from the
// working directory. Writes a NUL-terminated path of less than outSize bytes
// into out and returns 0, or returns a non-zero status (nothing useful in out).
int CanonicalPath(const char* path, bool followLeaf, char* out, size_t outSize);
