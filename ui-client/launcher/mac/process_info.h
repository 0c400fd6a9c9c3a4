#pragma once

#include <string>

#include <sys/types.h>

// What the system tells about another process, for deciding whether a pid
// still names the client UI. Queries only: never signals, never blocks.
namespace ProcessInfo {

enum Result
{
    kFound,
    kNoProcess, // no process has this pid now
    kUnreadable // the process exists, but this is not known about it
};

// The executable file that pid runs, as an absolute path. replaced tells that
// this file has been deleted or replaced since the process started; path then
// names where it was.
Result ExecutableOf(pid_t pid, std::string& path, bool& replaced);

// The real user id of pid.
Result OwnerOf(pid_t pid, uid_t& uid);

} // namespace ProcessInfo
