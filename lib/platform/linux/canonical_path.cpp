#include "platform/canonical_path.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

#include <sys/stat.h>

namespace {

// Copies a resolved path into the caller's buffer, failing rather than
// truncating.
int Store(const std::string& resolved, char* out, size_t outSize)
{
    if (resolved.size() >= outSize) {
        return ENAMETOOLONG;
    }
    memcpy(out, resolved.c_str(), resolved.size() + 1);
    return 0;
}

int Resolve(const char* path, std::string& resolved)
{
    char* real = realpath(path, nullptr);
    if (real == nullptr) {
        return errno != 0 ? errno : ENOENT;
    }
    resolved = real;
    free(real);
    return 0;
}

} // namespace

int CanonicalPath(const char* path, bool followLeaf, char* out, size_t outSize)
{
    if (path == nullptr || *path == '\0') {
        return ENOENT;
    }
    std::string p(path);
    std::string resolved;
    // A trailing "/" makes the system follow the last component, and "." or
    // ".." have no name of their own: resolve those fully.
    const size_t last = p.find_last_of('/');
    const std::string leaf = last == std::string::npos ? p : p.substr(last + 1);
    if (followLeaf || leaf.empty() || leaf == "." || leaf == "..") {
        const int status = Resolve(path, resolved);
        return status != 0 ? status : Store(resolved, out, outSize);
    }

    std::string parent;
    if (last == std::string::npos) {
        parent = ".";
    } else if (last == 0) {
        parent = "/";
    } else {
        parent = p.substr(0, last);
    }
    int status = Resolve(parent.c_str(), resolved);
    if (status != 0) {
        return status;
    }
    if (resolved.empty() || resolved.back() != '/') {
        resolved += '/';
    }
    resolved += leaf;
    struct stat st;
    if (lstat(resolved.c_str(), &st) != 0) {
        return errno != 0 ? errno : ENOENT;
    }
    return Store(resolved, out, outSize);
}
