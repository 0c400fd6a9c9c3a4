#pragma once

#include "ustring/ustring.h"

// Type name of the file system that holds path, in the macOS statfs naming:
// "nfs", "smbfs", "afpfs", "msdos", ... 0, or -1 with errno set.
int FileSystemTypeName(const char* path, ustring& name);
