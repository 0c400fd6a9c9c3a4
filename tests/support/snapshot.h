#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

namespace testutil {

// Relative path -> what is there, for a whole tree: "d <mode>",
// "f <mode> <size> <hash>", "l <target>" or "other".
using Tree = std::map<std::string, std::string>;

// What a snapshot tells beyond the type, content and link target.
enum SnapshotFlags
{
    kModes = 0,   // the permission bits, in octal
    kExecBit = 1, // of them only the owner's x bit: "x" or "-"
    kNoModes = 2,
    // Also the size, link count, inode and times that lstat gives: any
    // change to a file at all, not only to its content.
    kInodes = 4,
    // A root that does not exist gives an empty tree; otherwise a root that
    // cannot be walked fails the test.
    kMissingIsEmpty = 8,
};

// skip: a path below root that is left out, with everything below it.
Tree Snapshot(const std::string& root, int flags = kModes, const std::string& skip = "");

// What Snapshot says of a file ('f', with its content), a folder ('d') or a
// link ('l', with its target), to build the tree a folder should become.
std::string Describe(char type, unsigned perm, const std::string& data, int flags);

// The paths that differ, a line each, the first `most` of them; "" when none.
std::string Differences(const Tree& expected, const Tree& actual, size_t most = SIZE_MAX);

} // namespace testutil
