#pragma once

#include "safe_open.h"
#include "ustring/ustring.h"

#include <chrono>
#include <string>

// An exclusive flock on a file that only its owner can open (any user can
// open a folder, and could hold a lock on it forever). The kernel releases it
// when the holder dies, so a crash never blocks a later run; nothing is
// flushed to take it. The file holds the holder's pid.
class FileLock
{
public:
    enum class State
    {
        Held,
        TimedOut,   // another process held it for the whole limit
        Unavailable // no lock file could be had (why tells)
    };

    // Waits up to limit for the lock on path, created when missing; onWait
    // runs once first if another process holds it.
    FileLock(const ustring& path, std::chrono::milliseconds limit, void (*onWait)() = nullptr);
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    State state() const { return current; }
    const std::string& why() const { return reason; }

    // Removes the lock file if it is still the one held, then releases the lock.
    void ReleaseAndRemove();

private:
    const ustring path;
    UniqueFd fd; // closing it releases the lock
    State current = State::Unavailable;
    std::string reason;
};

// Serialises launchers of one user that run from different bundles: the
// single-instance guard is per executable, but every bundle works on the same
// per-user copy, and one launcher's recovery would undo another's upgrade in
// progress. The lock file is "launcher.lock" in the per-user folder.
class UserFolderLock : public FileLock
{
public:
    UserFolderLock(const ustring& folder, std::chrono::milliseconds limit,
                   void (*onWait)() = nullptr);
};

// Why the launcher must not touch the per-user folder under home: no home
// folder is known, or home or the folder belongs to another user than the
// effective one (root started with a user's HOME). Empty when it may.
std::string ForeignUserFolderReason(const ustring& home, const ustring& folder);
