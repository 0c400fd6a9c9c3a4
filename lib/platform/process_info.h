#pragma once

#include <string>
#include <vector>

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

// The processes whose executable is path, an absolute path as ExecutableOf
// gives it (also those whose file has been replaced since). Processes whose
// executable is unknown are left out. False when the process list itself
// cannot be read.
bool ProcessesRunning(const std::string& path, std::vector<pid_t>& pids);

} // namespace ProcessInfo
