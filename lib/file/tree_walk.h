#pragma once

#include <functional>
#include <string>

#include <sys/stat.h>

// A walk over a folder tree through the descriptors of its open folders,
// never through paths: a tree of any depth, whose paths may be far longer
// than the system's limit, takes a few descriptors and time in proportion to
// its entries. Symbolic links are entries like files and are never followed.
// Logs nothing: each visit reports what it does.
namespace TreeWalk {

enum class Event
{
    Enter,  // a folder, before its entries (fd is -1: it is not open yet)
    Leave,  // a folder, after its entries (fd is open on it)
    Other,  // anything but a folder
    Failed, // an entry that could not be read, or a folder that could not be opened or listed
};

enum class Step
{
    Go,   // on with the walk; after a Failed folder, without its entries
    Skip, // at Enter: without the folder's entries (no Leave follows)
    Stop, // the walk ends at once and Walk gives -1
};

struct Entry
{
    int parentFd;            // the open folder that holds the entry
    const char* name;        // its name there
    const struct stat* st;   // of the entry itself; null for a Failed one that could not be read
    int fd;                  // at Leave the folder itself, else -1
    int depth;               // 0 for the root
    int err;                 // at Failed: the errno
    bool inMirror;           // at Failed: the mirror folder failed
    const std::string& path; // the root's path and the names below it, for messages only
    // With a mirror, the matching folders of the mirror tree (else -1); the
    // mirror's parent is -1 for the root.
    int mirrorParentFd;
    int mirrorFd;
    const std::string& mirrorPath;
};

using Visit = std::function<Step(Event, const Entry&)>;

// Visits root and everything below it, the entries of a folder between its
// Enter and its Leave. With a non-empty mirror (an existing folder), a second
// tree is walked alongside: the visit at Enter of every folder below the root
// creates its match (MakeMirrorFolder), which the walk then opens.
// A folder whose own parent changed during the walk ends it (Failed first).
// 0 when the walk ran to its end, -1 when it was stopped.
int Walk(const std::string& root, const std::string& mirror, const Visit& visit);

// At Enter: the entry's folder in the mirror, created unless it is there.
// 0 or an errno.
int MakeMirrorFolder(const Entry& entry);

} // namespace TreeWalk
