#pragma once

#include <cstdint>
#include <functional>

#include "safe_open.h"
#include "ustring/ustring.h"

// File type codes of _FILE_INFO_tag::type and DIR_ENTRY::type. Code 4 is not
// assigned.
enum
{
    FILE_TYPE_NONE = 0,
    FILE_TYPE_REGULAR = 1,
    FILE_TYPE_DIRECTORY = 2,
    FILE_TYPE_SYMLINK = 3,
    FILE_TYPE_DEVICE = 5,
    FILE_TYPE_FIFO = 6,
    FILE_TYPE_SOCKET = 7,
};

// DIR_HANDLE::flags: FSReadDir fills mtime and size of each entry.
enum
{
    DIR_READ_INFO = 1
};

// Information about one entry, filled by GetFileInfo and FSStat.
struct _FILE_INFO_tag
{
    ustring path; // canonical for an existing entry, as given for a missing one
    ustring name;
    int32_t type = FILE_TYPE_NONE;
    int32_t mtime = 0; // low 32 bits of the seconds since the epoch
    int64_t size = 0;  // of the link itself for a symbolic link
    bool exists = false;
    uint32_t uid = 0;
    uint32_t gid = 0;
    int32_t mode = 0; // type and permission bits
    int64_t dev = 0;
};

// Compares exists, size, mtime, type, path and name; owner, mode and device
// take no part.
bool operator==(const _FILE_INFO_tag& a, const _FILE_INFO_tag& b);
bool operator!=(const _FILE_INFO_tag& a, const _FILE_INFO_tag& b);

// An open directory listing. Owns its stream from a successful FSOpenDir
// until FSCloseDir or its own end.
struct DIR_HANDLE
{
    ustring path;
    int flags = 0;
    UniqueDir dir;
};

// One entry of a listing. "." and ".." are returned like any other entry.
struct DIR_ENTRY
{
    ustring name;
    int32_t type = FILE_TYPE_NONE;
    int32_t mtime = 0; // 0 unless DIR_READ_INFO is set
    int64_t size = 0;  // 0 unless DIR_READ_INFO is set
};

// 0 filled (also for a missing entry, with exists false); -1 when the entry
// cannot be queried, is of an unknown kind or has no canonical path.
int GetFileInfo(const ustring& path, _FILE_INFO_tag& info);

// With exactCase the canonical path of the entry must equal path (both in
// NFC): another letter case, a relative path or a path through a symbolic
// link to a folder then counts as missing.
bool IsFileExist(const ustring& path, bool exactCase);

// 0 (a missing entry only clears info.exists); -1 empty path; -2 information
// of an existing entry not readable.
int FSStat(const ustring& path, _FILE_INFO_tag& info, bool exactCase);

// mkdir -p. mode 0xFFFF means 0777 under the process umask; any other mode is
// applied exactly (the umask is 0 during the walk). When endPos is not null it
// receives a pointer into path's own text where the last processed component
// ends; it must not be written through. 0 or -1 (errno EEXIST when the last
// component exists and is not a folder).
int FSMKDirP(const ustring& path, char** endPos, bool replaceNonFolders, unsigned short mode);

// 0 (created or already a folder); -1 empty path, unreadable or not a folder
// (a symbolic link to a folder counts as not a folder); -2 creation failed.
int FSMKDir(const ustring& path, bool recursive);

// Creates every folder of target below root (root itself excluded). 0 or -1.
int FSMKDirFromRoot(const ustring& target, const ustring& root);

// True when path equals parent or continues it with "/"; byte comparison.
bool FSIsParentFolder(const ustring& parent, const ustring& path);

// Everything before the last "/"; "/" when there is none or it is the first.
ustring FSParentPath(const ustring& path);

// Everything after the last "/" ("" for a trailing "/"); the whole path
// when there is no "/".
ustring FSBaseName(const ustring& path);

// Copies the bytes of src into dst (created 0666 minus umask, or truncated
// when it is a regular file) and flushes dst to stable storage; with
// removeSource deletes src after the flush. 0; -1 open, allocation, read,
// write or removal failure; -2 disk full or quota exceeded.
int FSCopy(const ustring& src, const ustring& dst, bool removeSource);

// FSCopy of fromName in the open folder fromDir into toName in toDir, never
// through a symbolic link: a link is copied as a link, any other kind but a
// regular file is refused. The paths name both in the messages. 0, -1 or -2
// as FSCopy.
int FSCopyAt(int fromDir, const char* fromName, int toDir, const char* toName, const char* fromPath,
             const char* toPath);

// rename, falling back to copy-and-delete of the whole tree across file
// systems. 0; -1 empty argument; -2 source missing or not readable; -3 the
// move failed (what was moved stays moved); -100 name too long. Every
// failure but -1 is logged.
int FSRename(const ustring& src, const ustring& dst, bool exactCase);

// Removes a file, a link (never its target) or a whole tree of any depth. 0
// (also for a missing path); -1 empty path or unreadable; -3 something was not
// removed (logged).
// The second argument has no effect.
int FSRemove(const ustring& path, bool unused = false);

// 0 or -1.
int FSOpenDir(const ustring& path, int flags, DIR_HANDLE& handle);
// 1 entry read, 0 end of listing (entry untouched), -1 failure.
int FSReadDir(DIR_HANDLE& handle, DIR_ENTRY& entry);
void FSCloseDir(DIR_HANDLE& handle);

// Runs each(child path, entry) for the entries of folder, "." and ".." left
// out, and stops at the first that returns non-zero. 0; -1 the folder cannot
// be listed (logged); -3 a child failed.
int ForEachChild(const ustring& folder,
                 const std::function<int(const ustring&, const DIR_ENTRY&)>& each);

// Creates an empty file dir/XXXXXX with mode 0644 and returns its path. 0 or -1.
int FSMktemp(const ustring& dir, ustring& out);

// Sets access and modification time in whole seconds, of a link itself for
// a symbolic link. 0 or -1.
int FSUTime(const ustring& path, long atime, long mtime);
bool FSTimeEqual(long a, long b);

// mode is the access() mode (0, 1, 2, 4 or a sum). isFileLocked is true only
// when access is refused (EACCES, EPERM); hasFilePermission is false only then.
bool isFileLocked(const ustring& path, int mode);
bool hasFilePermission(const ustring& path, int mode);

// True when path lies on a network share.
bool isMountPoint(const ustring& path);
// True when path lies on a FAT file system.
bool IsMSDOS(const ustring& path);

// Replaces path with its canonical absolute form, following every link. 0,
// or -1 with path unchanged.
int FSGetRealPath(ustring& path);

int FSCreateSymbolicLink(const ustring& target, const ustring& link);
// Content of at most 1023 bytes; longer content fails with -1.
int FSReadSymbolicLink(const ustring& link, ustring& target);
// Changes the owner of a symbolic link itself, never its target. 0 or -1.
int FSChown(const ustring& path, unsigned int uid, unsigned int gid);

// out = dir + "/" + a random 8-character name; nothing is created. 0, or -1
// when out is empty.
int FSCreateTempPath(const ustring& dir, ustring& out);
