#include "tree_walk.h"

#include "safe_open.h"

#include <cerrno>
#include <cstring>
#include <utility>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace TreeWalk {

namespace {

// Open folders kept at once (per tree), besides the root's parent. Deeper
// down the oldest are closed and opened again through ".." on the way back,
// as fts does. Out of descriptors, the walk goes on with the deepest alone.
const size_t kOpenLevels = 4;

const int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

// A folder is held as a listing stream, so that listing it takes no second
// descriptor; its descriptor serves the *at calls.
struct Folder
{
    UniqueDir stream;
    dev_t dev = 0;
    ino_t ino = 0;

    int Fd() const { return stream ? dirfd(stream.get()) : -1; }
};

// A folder being walked. Its whole listing is read before its first child is
// visited, so its descriptor may be closed while the walk is below it.
struct Level
{
    std::string name;
    struct stat st;
    Folder self;
    Folder mirror;
    std::vector<std::string> names;
    size_t next = 0;
    size_t pathLength = 0;
    size_t mirrorPathLength = 0;
};

bool OutOfDescriptors(int err)
{
    return err == EMFILE || err == ENFILE;
}

class Walker
{
public:
    Walker(const std::string& mirrorRoot, const Visit& visit)
        : mirrored(!mirrorRoot.empty()), mirrorRoot(mirrorRoot), visit(visit),
          mirrorPath(mirrorRoot)
    {
    }

    int Run(const std::string& root)
    {
        std::string parent = ".";
        std::string name = root;
        while (name.size() > 1 && name.back() == '/') {
            name.pop_back();
        }
        const size_t slash = name.rfind('/');
        if (slash != std::string::npos) {
            parent = slash == 0 ? "/" : name.substr(0, slash);
            name = name.substr(slash + 1);
        }
        path = root;
        // The parent may be reached through links; the root itself is not.
        int err =
            Open(AT_FDCWD, parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, nullptr, rootParent);
        struct stat st;
        if (err == 0 && fstatat(rootParent.Fd(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
            err = errno;
        }
        if (err != 0) {
            Fail(rootParent.Fd(), name.c_str(), nullptr, -1, err, false);
            return -1;
        }
        const Step first = S_ISDIR(st.st_mode) ? Descend(name, st)
                                               : Call(Event::Other, 0, rootParent.Fd(), -1,
                                                      name.c_str(), &st, -1, 0);
        if (first == Step::Stop) {
            return -1;
        }
        while (!levels.empty()) {
            if (Next() == Step::Stop) {
                return -1;
            }
        }
        return 0;
    }

private:
    Step Call(Event event, size_t depth, int parentFd, int mirrorParentFd, const char* name,
              const struct stat* st, int fd, int mirrorFd, int err = 0, bool inMirror = false)
    {
        const Entry entry{
            parentFd, name,           st,       fd,        static_cast<int>(depth), err, inMirror,
            path,     mirrorParentFd, mirrorFd, mirrorPath};
        return visit(event, entry);
    }

    Step Fail(int parentFd, const char* name, const struct stat* st, int mirrorParentFd, int err,
              bool inMirror)
    {
        return Call(Event::Failed, levels.size(), parentFd, mirrorParentFd, name, st, -1, -1, err,
                    inMirror);
    }

    int TopFd() const { return levels.empty() ? rootParent.Fd() : levels.back().self.Fd(); }
    int TopMirrorFd() const { return levels.empty() ? -1 : levels.back().mirror.Fd(); }

    // Closes the oldest open folder but the deepest, to make room. False when
    // there is none.
    bool CloseOldest()
    {
        if (firstOpen + 1 >= levels.size()) {
            return false;
        }
        levels[firstOpen].self.stream.reset();
        levels[firstOpen].mirror.stream.reset();
        ++firstOpen;
        return true;
    }

    // Out of descriptors: the root's parent goes first, as it is needed last.
    bool MakeRoom()
    {
        if (rootParent.stream && !levels.empty()) {
            rootParent.stream.reset();
            return true;
        }
        return CloseOldest();
    }

    // Opens name in dir as a folder and, with expected, checks that it is that
    // one. 0 or an errno value.
    int Open(int dir, const char* name, int flags, const Folder* expected, Folder& folder)
    {
        int fd;
        while ((fd = openat(dir, name, flags)) < 0 && OutOfDescriptors(errno) && MakeRoom()) {
        }
        UniqueFd owned(fd);
        UniqueDir stream(owned.Valid() ? fdopendir(owned.Get()) : nullptr);
        if (!stream) {
            return errno;
        }
        owned.Release();
        struct stat st;
        if (fstat(fd, &st) != 0) {
            return errno;
        }
        // Replaced between the look and the open, or moved during the walk.
        if (expected != nullptr && (st.st_dev != expected->dev || st.st_ino != expected->ino)) {
            return ESTALE;
        }
        folder.stream = std::move(stream);
        folder.dev = st.st_dev;
        folder.ino = st.st_ino;
        return 0;
    }

    int Open(int dir, const char* name, const Folder* expected, Folder& folder)
    {
        return Open(dir, name, kFolderFlags, expected, folder);
    }

    // The names in a folder just opened, "." and ".." left out. 0 or an errno
    // value.
    static int List(Folder& folder, std::vector<std::string>& names)
    {
        DIR* dir = folder.stream.get();
        errno = 0;
        while (const dirent* entry = readdir(dir)) {
            if (strcmp(entry->d_name, ".") != 0 && strcmp(entry->d_name, "..") != 0) {
                names.emplace_back(entry->d_name);
            }
            errno = 0;
        }
        return errno;
    }

    // Enters the folder name of the deepest level (or the root) and pushes it.
    Step Descend(const std::string& name, const struct stat& st)
    {
        const int parentFd = TopFd();
        const int mirrorParentFd = TopMirrorFd();
        const Step step =
            Call(Event::Enter, levels.size(), parentFd, mirrorParentFd, name.c_str(), &st, -1, -1);
        if (step != Step::Go) {
            return step;
        }
        Level level;
        level.name = name;
        level.st = st;
        Folder seen;
        seen.dev = st.st_dev;
        seen.ino = st.st_ino;
        int err = Open(parentFd, name.c_str(), &seen, level.self);
        if (err == 0 && mirrored) {
            err = levels.empty() ? Open(AT_FDCWD, mirrorRoot.c_str(), nullptr, level.mirror)
                                 : Open(mirrorParentFd, name.c_str(), nullptr, level.mirror);
            if (err != 0) {
                return Fail(parentFd, name.c_str(), &st, mirrorParentFd, err, true);
            }
        }
        if (err == 0) {
            err = List(level.self, level.names);
        }
        if (err != 0) {
            return Fail(parentFd, name.c_str(), &st, mirrorParentFd, err, false);
        }
        level.pathLength = path.size();
        level.mirrorPathLength = mirrorPath.size();
        levels.push_back(std::move(level));
        while (levels.size() - firstOpen > kOpenLevels) {
            CloseOldest();
        }
        return Step::Go;
    }

    // Opens the folder of level k again from level k + 1, through "..".
    int Reopen(size_t k)
    {
        Level& child = levels[k + 1];
        Level& level = levels[k];
        // Open leaves the folder as it was until it has checked it.
        int err = Open(child.self.Fd(), "..", &level.self, level.self);
        if (err == 0 && mirrored) {
            err = Open(child.mirror.Fd(), "..", &level.mirror, level.mirror);
        }
        if (err == 0) {
            firstOpen = k;
        }
        return err;
    }

    // One step: the next entry of the deepest folder, or its Leave.
    Step Next()
    {
        Level& top = levels.back();
        path.resize(top.pathLength);
        if (mirrored) {
            mirrorPath.resize(top.mirrorPathLength);
        }
        if (top.next < top.names.size()) {
            const std::string name = std::move(top.names[top.next++]);
            path += '/';
            path += name;
            if (mirrored) {
                mirrorPath += '/';
                mirrorPath += name;
            }
            const int fd = top.self.Fd();
            struct stat st;
            if (fstatat(fd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
                // Gone meanwhile is what a visit that removes would want.
                return errno == ENOENT
                           ? Step::Go
                           : Fail(fd, name.c_str(), nullptr, TopMirrorFd(), errno, false);
            }
            if (S_ISDIR(st.st_mode)) {
                return Descend(name, st);
            }
            return Call(Event::Other, levels.size(), fd, TopMirrorFd(), name.c_str(), &st, -1, -1);
        }

        const size_t k = levels.size() - 1;
        int err = 0;
        if (k > 0 && firstOpen == k) {
            err = Reopen(k - 1);
        } else if (k == 0 && !rootParent.stream) {
            err = Open(top.self.Fd(), "..", &rootParent, rootParent);
        }
        if (err != 0) {
            Fail(top.self.Fd(), "..", nullptr, top.mirror.Fd(), err, false);
            return Step::Stop;
        }
        const int parentFd = k > 0 ? levels[k - 1].self.Fd() : rootParent.Fd();
        const int mirrorParentFd = k > 0 ? levels[k - 1].mirror.Fd() : -1;
        const Step step = Call(Event::Leave, k, parentFd, mirrorParentFd, top.name.c_str(), &top.st,
                               top.self.Fd(), top.mirror.Fd());
        levels.pop_back();
        if (firstOpen > levels.size()) {
            firstOpen = levels.size();
        }
        return step;
    }

    const bool mirrored;
    const std::string mirrorRoot;
    const Visit& visit;
    Folder rootParent;
    std::vector<Level> levels;
    size_t firstOpen = 0; // the levels below it are closed
    std::string path;
    std::string mirrorPath;
};

} // namespace

int Walk(const std::string& root, const std::string& mirror, const Visit& visit)
{
    Walker walker(mirror, visit);
    return walker.Run(root);
}

int MakeMirrorFolder(const Entry& entry)
{
    return mkdirat(entry.mirrorParentFd, entry.name, 0777) == 0 || errno == EEXIST ? 0 : errno;
}

} // namespace TreeWalk
