#include "file/file-op.h"

#include "platform/canonical_path.h"
#include "platform/fs_type.h"
#include "platform/kernel_copy.h"
#include "log.h"
#include "tree_walk.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/types.h>
#include <unistd.h>

namespace {

const size_t kPathBufferSize = 4096;
const size_t kLinkBufferSize = 1024;
const int kCopyBufferSize = 32 * 1024 * 1024;

const ustring& Component()
{
    static const ustring component("file_op_debug");
    return component;
}

int TypeFromMode(mode_t mode)
{
    if (S_ISREG(mode)) {
        return FILE_TYPE_REGULAR;
    }
    if (S_ISDIR(mode)) {
        return FILE_TYPE_DIRECTORY;
    }
    if (S_ISLNK(mode)) {
        return FILE_TYPE_SYMLINK;
    }
    if (S_ISCHR(mode) || S_ISBLK(mode)) {
        return FILE_TYPE_DEVICE;
    }
    if (S_ISFIFO(mode)) {
        return FILE_TYPE_FIFO;
    }
    if (S_ISSOCK(mode)) {
        return FILE_TYPE_SOCKET;
    }
    return -1;
}

int TypeFromDirent(unsigned char type)
{
    switch (type) {
    case DT_FIFO:
        return FILE_TYPE_FIFO;
    case DT_CHR:
    case DT_BLK:
        return FILE_TYPE_DEVICE;
    case DT_DIR:
        return FILE_TYPE_DIRECTORY;
    case DT_REG:
        return FILE_TYPE_REGULAR;
    case DT_LNK:
        return FILE_TYPE_SYMLINK;
    case DT_SOCK:
        return FILE_TYPE_SOCKET;
    default:
        return FILE_TYPE_NONE;
    }
}

bool IsDotOrDotDot(const ustring& name)
{
    return name == "." || name == "..";
}

// Logs a failed open of path (or a failed look at the file opened). -1.
int CopyOpenFailure(int line, const char* path)
{
    const int err = errno;
    Logger::LogMsg(Logger::LEVEL_ERROR, Component(),
                   "[ERROR] file-op(%d): CopyFile: open(%s): %s (%d)\n", line,
                   LogSafe(path).c_str(), strerror(err), err);
    return -1;
}

// Logs a failed write (or the flush that stands for the last writes) and
// maps it to FSCopy's result.
int CopyWriteFailure(int line, int err)
{
    Logger::LogMsg(Logger::LEVEL_ERROR, Component(),
                   "[ERROR] file-op(%d): CopyFile: write: %s (%d)\n", line, strerror(err), err);
    return (err == ENOSPC || err == EDQUOT) ? -2 : -1;
}

void LogRenameFailure(int line, const char* src, const char* dst, int err)
{
    Logger::LogMsg(Logger::LEVEL_ERROR, Component(),
                   "[ERROR] file-op(%d): FSRename: failed to move '%s' to '%s': %s\n", line,
                   LogSafe(src).c_str(), LogSafe(dst).c_str(), strerror(err));
}

void LogRemoveFailure(int line, const char* path, int err)
{
    Logger::LogMsg(Logger::LEVEL_ERROR, Component(),
                   "[ERROR] file-op(%d): FSRemove: failed to remove '%s': %s\n", line,
                   LogSafe(path).c_str(), strerror(err));
}

// Walks root (alongside mirror, when not empty), doing step on each entry
// but a Failed one: 0 to go on, or an errno. The first failure, a Failed
// entry's included, goes to report and ends the walk. 0 or -3.
template <typename Step, typename Report>
int WalkUntilFailure(const char* root, const char* mirror, Step step, Report report)
{
    const int result =
        TreeWalk::Walk(root, mirror, [&](TreeWalk::Event event, const TreeWalk::Entry& entry) {
            const int err = event == TreeWalk::Event::Failed ? entry.err : step(event, entry);
            if (err == 0) {
                return TreeWalk::Step::Go;
            }
            report(entry, err);
            return TreeWalk::Step::Stop;
        });
    return result == 0 ? 0 : -3;
}

// Removes an entry once the walk is done with it: a folder at its Leave,
// after its entries. 0 or an errno.
int RemoveEntry(TreeWalk::Event event, const TreeWalk::Entry& entry)
{
    const int flags = event == TreeWalk::Event::Leave ? AT_REMOVEDIR : 0;
    if (event == TreeWalk::Event::Enter || unlinkat(entry.parentFd, entry.name, flags) == 0) {
        return 0;
    }
    return errno;
}

// Copies the bytes of fromName in fromDir into toName in toDir (created 0666
// minus umask, or truncated when it is a regular file) and flushes them. The
// paths name both for the messages. 0, -1, or -2 for a full disk or quota.
int CopyFileAt(int fromDir, const char* fromName, int toDir, const char* toName, const char* src,
               const char* dst, int openFlags)
{
    const UniqueFd in(openat(fromDir, fromName, O_RDONLY | O_CLOEXEC | openFlags));
    if (!in.Valid()) {
        return CopyOpenFailure(__LINE__, src);
    }
    // Truncation waits until dst is known not to be src itself (also through a
    // hard link): truncating first would destroy the data to be copied. Only a
    // regular file is truncated: a device refuses it and takes the bytes as is.
    UniqueFd out(openat(toDir, toName, O_WRONLY | O_CREAT | O_CLOEXEC | openFlags, 0666));
    if (!out.Valid()) {
        return CopyOpenFailure(__LINE__, dst);
    }
    int result = 0;
    std::unique_ptr<char, decltype(&free)> buffer(nullptr, &free);
    struct stat inStat;
    struct stat outStat;
    if (fstat(in.Get(), &inStat) != 0 || fstat(out.Get(), &outStat) != 0) {
        result = CopyOpenFailure(__LINE__, dst);
    } else if (inStat.st_dev == outStat.st_dev && inStat.st_ino == outStat.st_ino) {
        Logger::LogMsg(Logger::LEVEL_ERROR, Component(),
                       "[ERROR] file-op(%d): CopyFile: '%s' and '%s' are the same file\n", __LINE__,
                       LogSafe(src).c_str(), LogSafe(dst).c_str());
        result = -1;
    } else if (S_ISREG(outStat.st_mode) && ftruncate(out.Get(), 0) != 0) {
        result = CopyOpenFailure(__LINE__, dst);
    } else {
        buffer.reset(static_cast<char*>(malloc(kCopyBufferSize)));
        if (buffer == nullptr) {
            const int err = errno;
            Logger::LogMsg(Logger::LEVEL_ERROR, Component(),
                           "[ERROR] file-op(%d): FSCopy: malloc(%d): %s (%d)\n", __LINE__,
                           kCopyBufferSize, strerror(err), err);
            result = -1;
        }
    }

    // The kernel copies without the round trip through the buffer where it
    // can; the loop below finishes whatever it left.
    if (result == 0 && KernelCopy(in.Get(), out.Get(), kCopyBufferSize) != 0) {
        result = CopyWriteFailure(__LINE__, errno);
    }
    while (result == 0) {
        const ssize_t got = read(in.Get(), buffer.get(), kCopyBufferSize);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            const int err = errno;
            Logger::LogMsg(Logger::LEVEL_ERROR, Component(),
                           "[ERROR] file-op(%d): CopyFile: read: %s (%d)\n", __LINE__,
                           strerror(err), err);
            result = -1;
            break;
        }
        if (got == 0) {
            break;
        }
        const int err = WriteAll(out.Get(), buffer.get(), static_cast<size_t>(got));
        if (err != 0) {
            result = CopyWriteFailure(__LINE__, err);
        }
    }

    // A file system may report a full disk or an I/O error only when the data
    // reaches the disk: a failed flush or close is a failed copy.
    if (fsync(out.Get()) != 0 && result == 0 && errno != EINVAL && errno != EROFS) {
        result = CopyWriteFailure(__LINE__, errno);
    }
    const int closed = out.Close();
    if (closed != 0 && result == 0) {
        result = CopyWriteFailure(__LINE__, closed);
    }

    return result;
}

// Makes toName in toDir a symbolic link with the content of fromName in
// fromDir, whose information is st. 0 or -1.
int CopyLinkAt(int fromDir, const char* fromName, int toDir, const char* toName, const char* src,
               const char* dst, const struct stat& st)
{
    std::string target(static_cast<size_t>(st.st_size) + 1, '\0');
    const ssize_t n = readlinkat(fromDir, fromName, &target[0], target.size());
    // A link that grew since st was taken is no longer the one to copy.
    if (n < 0 || static_cast<size_t>(n) >= target.size()) {
        return CopyOpenFailure(__LINE__, src);
    }
    target.resize(static_cast<size_t>(n));
    if (symlinkat(target.c_str(), toDir, toName) != 0) {
        return CopyOpenFailure(__LINE__, dst);
    }
    return 0;
}

} // namespace

bool operator==(const _FILE_INFO_tag& a, const _FILE_INFO_tag& b)
{
    return a.exists == b.exists && a.size == b.size && a.mtime == b.mtime && a.type == b.type &&
           a.path == b.path && a.name == b.name;
}

bool operator!=(const _FILE_INFO_tag& a, const _FILE_INFO_tag& b)
{
    return !(a == b);
}

int GetFileInfo(const ustring& path, _FILE_INFO_tag& info)
{
    struct stat st;
    if (lstat(path.c_str(), &st) != 0) {
        if (errno != ENOENT) {
            return -1;
        }
        info = _FILE_INFO_tag();
        info.path = path;
        info.name = FSBaseName(path);
        return 0;
    }

    info.exists = true;
    info.mtime = static_cast<int32_t>(static_cast<uint32_t>(st.st_mtime));
    info.size = static_cast<int64_t>(st.st_size);
    info.uid = static_cast<uint32_t>(st.st_uid);
    info.gid = static_cast<uint32_t>(st.st_gid);
    info.mode = static_cast<int32_t>(st.st_mode & 0xFFFF);
    info.dev = static_cast<int64_t>(st.st_dev);
    info.path = path;
    info.name = FSBaseName(path);
    const int type = TypeFromMode(st.st_mode);
    if (type < 0) {
        return -1;
    }
    info.type = type;

    Logger::LogMsg(Logger::LEVEL_DEBUG, Component(),
                   "[DEBUG] file-op(%d): Input file path = [%s].\n", __LINE__,
                   LogSafe(path).c_str());
    char canonical[kPathBufferSize] = {0};
    const int status = CanonicalPath(path.c_str(), false, canonical, sizeof(canonical));
    if (status != 0) {
        Logger::LogMsg(Logger::LEVEL_ERROR, Component(), "[ERROR] file-op(%d): FSPathMakeRef: %d\n",
                       __LINE__, status);
        return -1;
    }
    Logger::LogMsg(Logger::LEVEL_DEBUG, Component(),
                   "[DEBUG] file-op(%d): FSRefMakePath outTargetPath path = [%s].\n", __LINE__,
                   LogSafe(canonical).c_str());
    info.path = canonical;
    info.name = FSBaseName(info.path);
    return 0;
}

bool IsFileExist(const ustring& path, bool exactCase)
{
    if (path.empty()) {
        return false;
    }
    _FILE_INFO_tag info;
    if (GetFileInfo(path, info) != 0 || !info.exists) {
        return false;
    }
    if (!exactCase) {
        return true;
    }
    return ustring::normalize(info.path, ustring::NFC) == ustring::normalize(path, ustring::NFC);
}

int FSStat(const ustring& path, _FILE_INFO_tag& info, bool exactCase)
{
    if (path.empty()) {
        return -1;
    }
    if (!IsFileExist(path, exactCase)) {
        info.exists = false;
        return 0;
    }
    return GetFileInfo(path, info) != 0 ? -2 : 0;
}

int FSMKDirP(const ustring& path, char** endPos, bool replaceNonFolders, unsigned short mode)
{
    if (path.empty()) {
        return -1;
    }
    char* copy = strdup(path.c_str());
    if (copy == nullptr) {
        return -1;
    }

    const bool explicitMode = mode != 0xFFFF;
    const mode_t folderMode = explicitMode ? static_cast<mode_t>(mode) : 0777;
    mode_t savedMask = 0;
    if (explicitMode) {
        savedMask = umask(0);
    }

    int result = 0;
    size_t end = 0;
    char* component = copy;
    if (*component == '/') {
        ++component;
    }
    for (;;) {
        char* slash = strchr(component, '/');
        char* cut = slash != nullptr ? slash : component + strlen(component);
        const bool last = slash == nullptr || slash[1] == '\0';
        const char saved = *cut;
        *cut = '\0';
        end = static_cast<size_t>(cut - copy);

        bool failed = false;
        struct stat st;
        if (stat(copy, &st) != 0) {
            // Someone else may create the same folder meanwhile; that is the
            // state we want, not a failure.
            if (mkdir(copy, folderMode) != 0) {
                const int err = errno;
                if (!(err == EEXIST && stat(copy, &st) == 0 && S_ISDIR(st.st_mode))) {
                    errno = err;
                    failed = true;
                }
            }
        } else if (S_ISDIR(st.st_mode)) {
            // already there
        } else if (replaceNonFolders) {
            remove(copy);
            if (mkdir(copy, folderMode) != 0) {
                failed = true;
            }
        } else if (last) {
            Logger::LogMsg(Logger::LEVEL_INFO, Component(),
                           "[INFO] file-op(%d): FSMKDirP: path: %s is existing file or symbolic "
                           "link pointed to file\n",
                           __LINE__, LogSafe(copy).c_str());
            errno = EEXIST;
            failed = true;
        } else {
            Logger::LogMsg(Logger::LEVEL_INFO, Component(),
                           "[INFO] file-op(%d): FSMKDirP: path: %s is symbolic link pointed to "
                           "folder\n",
                           __LINE__, LogSafe(copy).c_str());
        }
        *cut = saved;
        if (failed) {
            result = -1;
            break;
        }
        if (last) {
            break;
        }
        component = slash + 1;
    }

    if (endPos != nullptr) {
        *endPos = const_cast<char*>(path.c_str()) + end;
    }
    if (explicitMode) {
        const int err = errno;
        umask(savedMask);
        errno = err;
    }
    free(copy);
    return result;
}

int FSMKDir(const ustring& path, bool recursive)
{
    if (path.empty()) {
        return -1;
    }
    _FILE_INFO_tag info;
    if (GetFileInfo(path, info) != 0) {
        Logger::LogMsg(Logger::LEVEL_ERROR, Component(),
                       "[ERROR] file-op(%d): FSMKDir: Failed to to file info '%s'\n", __LINE__,
                       LogSafe(path).c_str());
        return -1;
    }
    if (info.exists) {
        if (info.type == FILE_TYPE_DIRECTORY) {
            return 0;
        }
        Logger::LogMsg(Logger::LEVEL_ERROR, Component(),
                       "[ERROR] file-op(%d): FSMKDir: Create a folder but local file system is "
                       "not directory '%s' (%d)\n",
                       __LINE__, LogSafe(path).c_str(), info.type);
        return -1;
    }
    const int rc = recursive ? FSMKDirP(path, nullptr, false, 0xFFFF) : mkdir(path.c_str(), 0777);
    if (rc != 0) {
        Logger::LogMsg(Logger::LEVEL_ERROR, Component(),
                       "[ERROR] file-op(%d): path = %s errno : %s\n", __LINE__,
                       LogSafe(path).c_str(), strerror(errno));
        return -2;
    }
    return 0;
}

int FSMKDirFromRoot(const ustring& target, const ustring& root)
{
    if (root.length() > target.length()) {
        Logger::LogMsg(Logger::LEVEL_ERROR, Component(),
                       "[ERROR] file-op(%d): Giving a root '%s' whose length is larger then "
                       "target's '%s'.\n",
                       __LINE__, LogSafe(root).c_str(), LogSafe(target).c_str());
        return -1;
    }
    if (!FSIsParentFolder(root, target)) {
        Logger::LogMsg(Logger::LEVEL_ERROR, Component(),
                       "[ERROR] file-op(%d): root '%s' is not a parent folder of target '%s'\n",
                       __LINE__, LogSafe(root).c_str(), LogSafe(target).c_str());
        return -1;
    }
    const ustring rest = target.substr(root.length());
    ustring current;
    while (current != rest) {
        // current is a strict prefix of rest, so the search start is in range.
        const size_t pos = rest.find('/', current.length() + 1);
        current = pos == ustring::npos ? rest : rest.substr(0, pos);
        Logger::LogMsg(Logger::LEVEL_DEBUG, Component(),
                       "[DEBUG] file-op(%d): FSMKDirFromRoot: create %s\n", __LINE__,
                       LogSafe(current).c_str());
        if (FSMKDir(root + current, false) < 0) {
            return -1;
        }
    }
    return 0;
}

bool FSIsParentFolder(const ustring& parent, const ustring& path)
{
    const size_t n = parent.length();
    if (path.length() < n) {
        return false;
    }
    if (path[n] != '\0' && path[n] != '/') {
        return false;
    }
    return memcmp(path.c_str(), parent.c_str(), n) == 0;
}

ustring FSParentPath(const ustring& path)
{
    const size_t pos = path.rfind('/');
    if (pos == ustring::npos || pos == 0) {
        return ustring("/");
    }
    return path.substr(0, pos);
}

ustring FSBaseName(const ustring& path)
{
    const size_t pos = path.rfind('/');
    if (pos == ustring::npos) {
        return path;
    }
    if (pos + 1 == path.length()) {
        return ustring("");
    }
    return path.substr(pos + 1);
}

int FSCopy(const ustring& src, const ustring& dst, bool removeSource)
{
    int result =
        CopyFileAt(AT_FDCWD, src.c_str(), AT_FDCWD, dst.c_str(), src.c_str(), dst.c_str(), 0);
    // The source goes only after its copy is safely on disk.
    if (result == 0 && removeSource && remove(src.c_str()) != 0) {
        result = -1;
    }
    return result;
}

int FSCopyAt(int fromDir, const char* fromName, int toDir, const char* toName, const char* fromPath,
             const char* toPath)
{
    struct stat st;
    if (fstatat(fromDir, fromName, &st, AT_SYMLINK_NOFOLLOW) != 0) {
        return CopyOpenFailure(__LINE__, fromPath);
    }
    if (S_ISLNK(st.st_mode)) {
        return CopyLinkAt(fromDir, fromName, toDir, toName, fromPath, toPath, st);
    }
    if (!S_ISREG(st.st_mode)) {
        Logger::LogMsg(Logger::LEVEL_ERROR, Component(),
                       "[ERROR] file-op(%d): CopyFile: '%s' is no regular file\n", __LINE__,
                       LogSafe(fromPath).c_str());
        return -1;
    }
    return CopyFileAt(fromDir, fromName, toDir, toName, fromPath, toPath, O_NOFOLLOW);
}

int FSRename(const ustring& src, const ustring& dst, bool exactCase)
{
    if (src.empty() || dst.empty()) {
        return -1;
    }
    _FILE_INFO_tag info;
    if (FSStat(src, info, exactCase) != 0 || !info.exists) {
        Logger::LogMsg(Logger::LEVEL_ERROR, Component(),
                       "[ERROR] file-op(%d): FSRename: '%s' is missing or unreadable\n", __LINE__,
                       LogSafe(src).c_str());
        return -2;
    }
    if (rename(src.c_str(), dst.c_str()) == 0) {
        return 0;
    }
    const int err = errno;
    if (err != EXDEV || (info.type != FILE_TYPE_DIRECTORY && info.type != FILE_TYPE_REGULAR)) {
        // Links, devices, pipes and sockets are not carried across file systems.
        LogRenameFailure(__LINE__, src.c_str(), dst.c_str(), err);
        return err == ENAMETOOLONG ? -100 : -3;
    }
    if (info.type == FILE_TYPE_REGULAR) {
        if (FSCopy(src, dst, true) < 0) {
            LogRenameFailure(__LINE__, src.c_str(), dst.c_str(), EXDEV);
            return -3;
        }
        return 0;
    }
    if (FSMKDir(dst, true) != 0) {
        return -3;
    }
    // Files move one by one. A folder not emptied (it holds a link, say)
    // stays where it is and ends the move.
    return WalkUntilFailure(
        src.c_str(), dst.c_str(),
        [](TreeWalk::Event event, const TreeWalk::Entry& entry) {
            if (event == TreeWalk::Event::Enter) {
                return entry.depth == 0 ? 0 : TreeWalk::MakeMirrorFolder(entry);
            }
            if (event == TreeWalk::Event::Other) {
                if (!S_ISREG(entry.st->st_mode)) {
                    return 0;
                }
                if (FSCopyAt(entry.parentFd, entry.name, entry.mirrorParentFd, entry.name,
                             entry.path.c_str(), entry.mirrorPath.c_str()) < 0) {
                    return EIO;
                }
            }
            return RemoveEntry(event, entry);
        },
        [](const TreeWalk::Entry& entry, int err) {
            LogRenameFailure(__LINE__, entry.path.c_str(), entry.mirrorPath.c_str(), err);
        });
}

int FSRemove(const ustring& path, bool /*unused*/)
{
    if (path.empty()) {
        return -1;
    }
    _FILE_INFO_tag info;
    if (GetFileInfo(path, info) != 0) {
        return -1;
    }
    if (!info.exists) {
        return 0;
    }
    if (info.type != FILE_TYPE_DIRECTORY) {
        if (remove(path.c_str()) == 0) {
            return 0;
        }
        LogRemoveFailure(__LINE__, path.c_str(), errno);
        return -3;
    }
    // The first failure ends the removal: what is left stays whole.
    return WalkUntilFailure(path.c_str(), "", RemoveEntry,
                            [](const TreeWalk::Entry& entry, int err) {
                                LogRemoveFailure(__LINE__, entry.path.c_str(), err);
                            });
}

int ForEachChild(const ustring& folder,
                 const std::function<int(const ustring&, const DIR_ENTRY&)>& each)
{
    DIR_HANDLE handle;
    if (FSOpenDir(folder, 0, handle) != 0) {
        return -1;
    }
    DIR_ENTRY entry;
    while (FSReadDir(handle, entry) == 1) {
        if (!IsDotOrDotDot(entry.name) && each(folder + "/" + entry.name, entry) != 0) {
            return -3;
        }
    }
    return 0;
}

int FSOpenDir(const ustring& path, int flags, DIR_HANDLE& handle)
{
    DIR* dir = opendir(path.c_str());
    if (dir == nullptr) {
        Logger::LogMsg(Logger::LEVEL_ERROR, Component(),
                       "[ERROR] file-op(%d): FSOpenDir: Failed to open directory '%s'. %s\n",
                       __LINE__, LogSafe(path).c_str(), strerror(errno));
        return -1;
    }
    handle.dir.reset(dir);
    handle.path = path;
    handle.flags = flags;
    return 0;
}

int FSReadDir(DIR_HANDLE& handle, DIR_ENTRY& entry)
{
    // readdir keeps its entry in the stream, so listings of different
    // handles may run at once; readdir_r is obsolete in POSIX and glibc.
    errno = 0;
    struct dirent* dent = handle.dir != nullptr ? readdir(handle.dir.get()) : nullptr;
    if (dent == nullptr) {
        if (handle.dir == nullptr) {
            errno = EBADF;
        }
        if (errno != 0) {
            Logger::LogMsg(Logger::LEVEL_ERROR, Component(),
                           "[ERROR] file-op(%d): FSOpenDir: Failed to read directory '%s'. %s\n",
                           __LINE__, LogSafe(handle.path).c_str(), strerror(errno));
            return -1;
        }
        return 0;
    }
    const ustring name(dent->d_name);
    if (handle.flags & DIR_READ_INFO) {
        const ustring full = handle.path + "/" + name;
        _FILE_INFO_tag info;
        // The exact-name test fails for every entry of a folder opened by a
        // relative or linked path; the entry exists all the same.
        if (FSStat(full, info, true) != 0 || (!info.exists && FSStat(full, info, false) != 0)) {
            Logger::LogMsg(Logger::LEVEL_ERROR, Component(),
                           "[ERROR] file-op(%d): FSOpenDir: Failed to get info for '%s'\n",
                           __LINE__, LogSafe(full).c_str());
            return -1;
        }
        entry.mtime = info.mtime;
        entry.size = info.size;
    } else {
        entry.mtime = 0;
        entry.size = 0;
    }
    entry.name = name;
    entry.type = TypeFromDirent(dent->d_type);
    return 1;
}

void FSCloseDir(DIR_HANDLE& handle)
{
    handle.dir.reset();
    handle.path.clear();
}

int FSMktemp(const ustring& dir, ustring& out)
{
    char templ[kPathBufferSize] = {0};
    const int n = snprintf(templ, sizeof(templ), "%s/XXXXXX", dir.c_str());
    const bool fits = n > 0 && static_cast<size_t>(n) < sizeof(templ);
    if (!fits) {
        // A cut template would no longer end in XXXXXX or name another folder.
        errno = ENAMETOOLONG;
    }
    const UniqueFd fd(fits ? mkstemp(templ) : -1);
    if (!fd.Valid()) {
        const int err = errno;
        // mkstemp may leave its last try in the buffer; log the template.
        if (fits) {
            memcpy(templ + n - 6, "XXXXXX", 6);
        }
        Logger::LogMsg(Logger::LEVEL_ERROR, Component(), "[ERROR] file-op(%d): mkstemp(%s): %s\n",
                       __LINE__, LogSafe(templ).c_str(), strerror(err));
        return -1;
    }
    out = templ;
    chmod(templ, 0644);
    return 0;
}

int FSUTime(const ustring& path, long atime, long mtime)
{
    struct timeval times[2];
    times[0].tv_sec = static_cast<time_t>(atime);
    times[0].tv_usec = 0;
    times[1].tv_sec = static_cast<time_t>(mtime);
    times[1].tv_usec = 0;
    return lutimes(path.c_str(), times) == 0 ? 0 : -1;
}

bool FSTimeEqual(long a, long b)
{
    return a == b;
}

bool isFileLocked(const ustring& path, int mode)
{
    if (access(path.c_str(), mode) == 0) {
        return false;
    }
    return errno == EACCES || errno == EPERM;
}

bool hasFilePermission(const ustring& path, int mode)
{
    if (access(path.c_str(), mode) == 0) {
        return true;
    }
    return !(errno == EACCES || errno == EPERM);
}

bool isMountPoint(const ustring& path)
{
    ustring type;
    if (FileSystemTypeName(path.c_str(), type) != 0) {
        Logger::LogMsg(Logger::LEVEL_ERROR, Component(),
                       "[ERROR] file-op(%d): isMountPoint: Failed to get file system info '%s'. "
                       "%s\n",
                       __LINE__, LogSafe(path).c_str(), strerror(errno));
        return false;
    }
    return type == "nfs" || type == "smbfs" || type == "afpfs";
}

bool IsMSDOS(const ustring& path)
{
    ustring type;
    if (FileSystemTypeName(path.c_str(), type) != 0) {
        Logger::LogMsg(Logger::LEVEL_ERROR, Component(),
                       "[ERROR] file-op(%d): IsSupportLargeFile: Failed to get file system info "
                       "'%s'. %s\n",
                       __LINE__, LogSafe(path).c_str(), strerror(errno));
        return false;
    }
    if (type == "msdos") {
        Logger::LogMsg(Logger::LEVEL_WARNING, Component(),
                       "[WARNING] file-op(%d): Detect a MSDOS platform for path '%s'.\n", __LINE__,
                       LogSafe(path).c_str());
        return true;
    }
    return false;
}

int FSGetRealPath(ustring& path)
{
    Logger::LogMsg(Logger::LEVEL_DEBUG, Component(), "[DEBUG] file-op(%d):  org path [%s]\n",
                   __LINE__, LogSafe(path).c_str());
    char real[kPathBufferSize] = {0};
    if (CanonicalPath(path.c_str(), true, real, sizeof(real)) != 0) {
        return -1;
    }
    path = real;
    Logger::LogMsg(Logger::LEVEL_DEBUG, Component(), "[DEBUG] file-op(%d):  get full path [%s]\n",
                   __LINE__, LogSafe(path).c_str());
    return 0;
}

int FSCreateSymbolicLink(const ustring& target, const ustring& link)
{
    if (symlink(target.c_str(), link.c_str()) != 0) {
        const int err = errno;
        Logger::LogMsg(Logger::LEVEL_ERROR, Component(),
                       "[ERROR] file-op(%d): FSCreateSymbolicLink: Failed to create symbolic link "
                       "'%s' -> '%s' (code: %d, msg: %s)\n",
                       __LINE__, LogSafe(target).c_str(), LogSafe(link).c_str(), err,
                       strerror(err));
        return -1;
    }
    return 0;
}

int FSReadSymbolicLink(const ustring& link, ustring& target)
{
    char buf[kLinkBufferSize] = {0};
    const ssize_t n = readlink(link.c_str(), buf, sizeof(buf));
    if (n < 0) {
        const int err = errno;
        Logger::LogMsg(Logger::LEVEL_ERROR, Component(),
                       "[ERROR] file-op(%d): FSReadSymbolicLink: Failed to read symbolic link "
                       "'%s' (code: %d, msg: %s)\n",
                       __LINE__, LogSafe(link).c_str(), err, strerror(err));
        return -1;
    }
    // readlink fills the whole buffer when the content does not fit.
    if (static_cast<size_t>(n) >= sizeof(buf)) {
        Logger::LogMsg(Logger::LEVEL_ERROR, Component(),
                       "[ERROR] file-op(%d): FSReadSymbolicLink: path of '%s' is more than %d\n",
                       __LINE__, LogSafe(link).c_str(), static_cast<int>(kLinkBufferSize));
        return -1;
    }
    target.assign(buf, static_cast<size_t>(n));
    return 0;
}

int FSChown(const ustring& path, unsigned int uid, unsigned int gid)
{
    if (lchown(path.c_str(), static_cast<uid_t>(uid), static_cast<gid_t>(gid)) != 0) {
        const int err = errno;
        Logger::LogMsg(Logger::LEVEL_ERROR, Component(),
                       "[ERROR] file-op(%d): FSChown: Failed to chown '%s' (code: %d, msg: %s)\n",
                       __LINE__, LogSafe(path).c_str(), err, strerror(err));
        return -1;
    }
    return 0;
}
