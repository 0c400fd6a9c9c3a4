#include "mac/process_info.h"

#include <cerrno>

#include <libproc.h>
#include <sys/proc_info.h>

namespace ProcessInfo {

// macOS gives no sign of a replaced executable, so replaced stays false.
Result ExecutableOf(pid_t pid, std::string& path, bool& replaced)
{
    char buffer[PROC_PIDPATHINFO_MAXSIZE];
    if (proc_pidpath(pid, buffer, sizeof(buffer)) <= 0) {
        return errno == ESRCH ? kNoProcess : kUnreadable;
    }
    path = buffer;
    replaced = false;
    return kFound;
}

Result OwnerOf(pid_t pid, uid_t& uid)
{
    struct proc_bsdinfo info;
    const int size = proc_pidinfo(pid, PROC_PIDTBSDINFO, 0, &info, sizeof(info));
    if (size <= 0) {
        return errno == ESRCH ? kNoProcess : kUnreadable;
    }
    if (size < static_cast<int>(sizeof(info))) {
        return kUnreadable;
    }
    uid = info.pbi_ruid;
    return kFound;
}

} // namespace ProcessInfo
