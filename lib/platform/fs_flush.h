#pragma once

#include "ustring/ustring.h"

// Making finished files durable before the state that depends on them is
// committed. Both block until the disk has the data; 0, or the errno of the
// first failure.
namespace FsFlush {

// Every file and folder below path, path itself included.
int FlushTree(const ustring& path);

// The entries of one folder: creations, renames and removals in it.
int FlushFolder(const ustring& path);

} // namespace FsFlush
