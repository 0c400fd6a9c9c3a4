#include "snapshot.h"

#include "files.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace testutil {

namespace {

uint64_t Fnv1a(const std::string& data)
{
    uint64_t hash = 1469598103934665603ULL;
    for (unsigned char c : data) {
        hash = (hash ^ c) * 1099511628211ULL;
    }
    return hash;
}

} // namespace

std::string Describe(char type, unsigned perm, const std::string& data, int flags)
{
    if (type == 'l') {
        return "l " + data;
    }
    char mode[8] = "";
    if ((flags & (kExecBit | kNoModes)) == 0) {
        snprintf(mode, sizeof(mode), " %04o", perm & 07777u);
    } else if ((flags & kExecBit) != 0) {
        snprintf(mode, sizeof(mode), " %c", (perm & S_IXUSR) != 0 ? 'x' : '-');
    }
    if (type == 'd') {
        return std::string("d") + mode;
    }
    return std::string("f") + mode + " " + std::to_string(data.size()) + " " +
           std::to_string(Fnv1a(data));
}

Tree Snapshot(const std::string& root, int flags, const std::string& skip)
{
    Tree tree;
    std::error_code error;
    if ((flags & kMissingIsEmpty) != 0 && !Exists(root)) {
        return tree;
    }
    for (fs::recursive_directory_iterator it(root, error), end; !error && it != end;
         it.increment(error)) {
        const std::string path = it->path().string();
        if (path == skip) {
            it.disable_recursion_pending();
            continue;
        }
        const std::string rel = it->path().lexically_relative(root).string();
        struct stat st;
        if (lstat(path.c_str(), &st) != 0) {
            tree[rel] = "?";
            continue;
        }
        std::string& entry = tree[rel];
        if (S_ISLNK(st.st_mode)) {
            entry = Describe('l', 0, fs::read_symlink(path, error).string(), flags);
        } else if (S_ISDIR(st.st_mode)) {
            entry = Describe('d', st.st_mode, "", flags);
        } else if (S_ISREG(st.st_mode)) {
            entry = Describe('f', st.st_mode, ReadFile(path), flags);
        } else {
            entry = "other";
        }
        if ((flags & kInodes) != 0) {
            entry += " size " + std::to_string(st.st_size) + " links " +
                     std::to_string(st.st_nlink) + " inode " + std::to_string(st.st_ino) +
                     " mtime " + std::to_string(st.st_mtim.tv_sec) + "." +
                     std::to_string(st.st_mtim.tv_nsec) + " ctime " +
                     std::to_string(st.st_ctim.tv_sec) + "." + std::to_string(st.st_ctim.tv_nsec);
        }
    }
    EXPECT_FALSE(error) << root << ": " << error.message();
    return tree;
}

std::string Differences(const Tree& expected, const Tree& actual, size_t most)
{
    std::string lines;
    size_t count = 0;
    const auto add = [&](const std::string& line) {
        if (count++ < most) {
            lines += line + "\n";
        }
    };
    for (const auto& e : expected) {
        const auto found = actual.find(e.first);
        if (found == actual.end()) {
            add("missing '" + e.first + "'");
        } else if (found->second != e.second) {
            add("'" + e.first + "' is " + found->second + ", expected " + e.second);
        }
    }
    for (const auto& a : actual) {
        if (expected.count(a.first) == 0) {
            add("extra '" + a.first + "'");
        }
    }
    return lines;
}

} // namespace testutil
