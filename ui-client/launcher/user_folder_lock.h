#pragma once

#include "ustring/ustring.h"

// Serialises launchers of one user that run from different bundles: the
// single-instance guard is per executable, but every bundle works on the same
// per-user copy, and one launcher's recovery would undo another's upgrade in
// progress. An flock on the folder itself leaves no file behind, and the
// kernel releases it when a holder dies, so a crash never blocks a later run.
class UserFolderLock
{
public:
    // Blocks until the lock is held; onWait runs once first if another
    // process holds it. Without the folder, or where flock is refused, holds
    // nothing and returns at once: serialising is a safeguard, not a
    // condition of the upgrade.
    explicit UserFolderLock(const ustring& folder, void (*onWait)() = nullptr);
    ~UserFolderLock();
    UserFolderLock(const UserFolderLock&) = delete;
    UserFolderLock& operator=(const UserFolderLock&) = delete;

    bool Held() const { return fd >= 0; }

private:
    int fd = -1;
};
