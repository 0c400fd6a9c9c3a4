#pragma once

#include "safe_open.h"
#include "ustring/ustring.h"

#include <chrono>
#include <string>

// Serialises launchers of one user that run from different bundles: the
// single-instance guard is per executable, but every bundle works on the same
// per-user copy, and one launcher's recovery would undo another's upgrade in
// progress. The lock is an flock on a file that only the owner can open (any
// user can open a folder, and could hold a lock on it forever); the kernel
// releases it when a holder dies, so a crash never blocks a later run.
class UserFolderLock
{
public:
    enum class State
    {
        Held,
        TimedOut,   // another process held it for the whole limit
        Unavailable // no lock file could be had (why tells)
    };

    // Waits up to limit for the lock; onWait runs once first if another
    // process holds it.
    UserFolderLock(const ustring& folder, std::chrono::milliseconds limit,
                   void (*onWait)() = nullptr);
    UserFolderLock(const UserFolderLock&) = delete;
    UserFolderLock& operator=(const UserFolderLock&) = delete;

    State state() const { return current; }
    const std::string& why() const { return reason; }

private:
    UniqueFd fd; // closing it releases the lock
    State current = State::Unavailable;
    std::string reason;
};

// Why the launcher must not touch the per-user folder under home: no home
// folder is known, or home or the folder belongs to another user than the
// effective one (root started with a user's HOME). Empty when it may.
std::string ForeignUserFolderReason(const ustring& home, const ustring& folder);
