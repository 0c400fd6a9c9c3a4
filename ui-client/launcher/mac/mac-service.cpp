#include "mac/mac-service.h"

#include "config.h"
#include "file/file-op.h"
#include "log.h"
#include "platform/launch_services.h"
#include "platform/process_info.h"

#include <QByteArray>
#include <QDir>
#include <QString>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <limits>
#include <vector>

#include <signal.h>
#include <unistd.h>

namespace {

const char kComponent[] = "service_debug";
// Probes after 1, 2, 3 and 4 seconds; SIGKILL one second after the last.
const int kProbesAfterTerm = 4;

// The path that the system gives as the executable of a process started
// from uiExecutable. 0, or an errno value.
int ResolveUiExecutable(const ustring& uiExecutable, std::string& expected)
{
    if (char* real = realpath(uiExecutable.c_str(), nullptr)) {
        expected = real;
        free(real);
        return 0;
    }
    if (char* folder = realpath(FSParentPath(uiExecutable).c_str(), nullptr)) {
        // The executable was removed; its folder still tells where it was.
        expected = std::string(folder) + "/" + FSBaseName(uiExecutable).c_str();
        free(folder);
        return 0;
    }
    return errno;
}

// A failed probe other than ESRCH (EPERM, say) still means the process is
// there; a pid that names another process now means the UI is gone.
bool ProcessGone(pid_t pid, const ustring& uiExecutable)
{
    std::string why;
    return (kill(pid, 0) != 0 && errno == ESRCH) || !IsClientUiProcess(pid, uiExecutable, why);
}

// A whole second even when a signal interrupts the sleep, so that the
// SIGKILL never comes early.
void SleepOneSecond()
{
    timespec left = {1, 0};
    while (nanosleep(&left, &left) != 0 && errno == EINTR) {
    }
}

} // namespace

bool ParseUiPid(const ustring& text, pid_t& pid)
{
    const char* begin = text.c_str();
    const char* const textEnd = begin + text.length();
    while (begin < textEnd && isspace(static_cast<unsigned char>(*begin))) {
        ++begin;
    }
    if (begin < textEnd && *begin == '+') {
        ++begin;
    }
    // strtol would also take a sign of its own after the plus.
    if (begin == textEnd || !isdigit(static_cast<unsigned char>(*begin))) {
        return false;
    }
    char* numberEnd = nullptr;
    errno = 0;
    const long value = strtol(begin, &numberEnd, 10);
    if (errno == ERANGE) {
        return false;
    }
    const char* rest = numberEnd;
    while (rest < textEnd && isspace(static_cast<unsigned char>(*rest))) {
        ++rest;
    }
    if (rest != textEnd || value <= 0 || value > std::numeric_limits<pid_t>::max()) {
        return false;
    }
    pid = static_cast<pid_t>(value);
    return true;
}

bool IsClientUiProcess(pid_t pid, const ustring& uiExecutable, std::string& why)
{
    why.clear();
    if (pid <= 1) {
        why = "pid " + std::to_string(pid) + " is no client process";
        return false;
    }
    if (pid == getpid()) {
        why = "it is the launcher itself";
        return false;
    }
    uid_t owner = 0;
    switch (ProcessInfo::OwnerOf(pid, owner)) {
    case ProcessInfo::kNoProcess:
        return false;
    case ProcessInfo::kUnreadable:
        why = "its owner is unknown";
        return false;
    case ProcessInfo::kFound:
        break;
    }
    if (owner != getuid()) {
        why = "it belongs to user " + std::to_string(owner);
        return false;
    }

    std::string expected;
    if (ResolveUiExecutable(uiExecutable, expected) != 0) {
        why =
            std::string("the client UI executable '") + uiExecutable.c_str() + "' cannot be found";
        return false;
    }

    std::string running;
    bool replaced = false;
    switch (ProcessInfo::ExecutableOf(pid, running, replaced)) {
    case ProcessInfo::kNoProcess:
        return false;
    case ProcessInfo::kUnreadable:
        why = "its executable is unknown";
        return false;
    case ProcessInfo::kFound:
        break;
    }
    if (running != expected) {
        why = "it runs '" + running + "'" + (replaced ? ", since removed" : "");
        return false;
    }
    return true;
}

MacService::MacService()
{
    timeout = 10000;
    user_app_path = GetUserHalvenorAppInstallPath();
}

MacService::~MacService() = default;

MacService* MacService::GetInstace()
{
    static MacService instance;
    return &instance;
}

void MacService::LoadSourceVerInfo()
{
    LoadSourceVersion();
}

void MacService::LoadTargetVerInfo()
{
    LoadTargetVersion();
}

void MacService::PreUpgrade()
{
    // Before the records are read: the copy in place may change.
    RecoverUserEnv();
    LoadTargetVersion();
    LoadSourceVersion();
    Logger::LogMsg(Logger::LEVEL_DEBUG, kComponent,
                   "[DEBUG] mac/mac-service(%d): Source version: ('%s', '%s')\n", __LINE__,
                   LogSafe(source_build_version).c_str(),
                   LogSafe(source_icon_overlay_version).c_str());
    Logger::LogMsg(Logger::LEVEL_DEBUG, kComponent,
                   "[DEBUG] mac/mac-service(%d): Target version: ('%s', '%s')\n", __LINE__,
                   LogSafe(target_build_version).c_str(),
                   LogSafe(target_icon_overlay_version).c_str());
}

bool MacService::PerUserBinPathExist()
{
    // A file that cannot be executed would never start the client, and no
    // later run would repair it if it counted as there.
    return IsUsableUiExecutable(GetUiExecutablePath(user_app_path));
}

bool MacService::IsNeedUpgrade()
{
    const int source = ReadBuildNumber(source_build_version);
    const int target = ReadBuildNumber(target_build_version);
    Logger::LogMsg(Logger::LEVEL_DEBUG, kComponent,
                   "[DEBUG] mac/mac-service(%d): source version = %d, target version = %d\n",
                   __LINE__, source, target);
    const bool exeMissing = !PerUserBinPathExist();
    const bool targetNewer = target > source;
    const bool incomplete = IsUpgradeIncomplete();
    // Over a working copy, a package that once installed an unusable one
    // would stop the client at every start for nothing.
    return exeMissing || incomplete || (targetNewer && !IsPackageRejected());
}

int MacService::HandlePackageUpgrade()
{
    // Nothing is stopped or moved for a package that cannot be installed.
    if (!IsPackageReadable()) {
        return -1;
    }
    if (PerUserBinPathExist()) {
        Logger::LogMsg(Logger::LEVEL_DEBUG, kComponent,
                       "[DEBUG] mac/mac-service(%d): local appdata exist\n", __LINE__);
        // A client stopped for an upgrade that cannot even begin is lost
        // for nothing, at every start.
        if (!CanWriteUpgradeMarker()) {
            return -1;
        }
        StopService();
    }
    return PrepareUserEnv();
}

void MacService::StopService()
{
    const ustring uiExecutable = GetUiExecutablePath(user_app_path);
    std::vector<pid_t> running;
    const pid_t named = PidFileClientUi(uiExecutable);
    if (named > 0) {
        running.push_back(named);
    }
    // The pid file may be missing, stale or overwritten while a client of
    // this copy still runs from the files about to be replaced.
    std::string expected;
    std::vector<pid_t> found;
    if (ResolveUiExecutable(uiExecutable, expected) == 0 &&
        !ProcessInfo::ProcessesRunning(expected, found)) {
        Logger::LogMsg(Logger::LEVEL_WARNING, kComponent,
                       "[WARNING] mac/mac-service(%d): cannot list the processes, only the pid "
                       "file tells which client UI to stop\n",
                       __LINE__);
    }
    for (const pid_t pid : found) {
        std::string why;
        if (pid == named || !IsClientUiProcess(pid, uiExecutable, why)) {
            continue;
        }
        Logger::LogMsg(Logger::LEVEL_NOTE, kComponent,
                       "[NOTE] mac/mac-service(%d): pid %d runs the client UI '%s' but is not "
                       "named in the pid file, stopping it too\n",
                       __LINE__, static_cast<int>(pid), LogSafe(expected).c_str());
        running.push_back(pid);
    }

    std::vector<pid_t> waiting;
    for (const pid_t pid : running) {
        if (kill(pid, SIGTERM) != 0) {
            const int err = errno;
            if (err == ESRCH) {
                continue;
            }
            Logger::LogMsg(Logger::LEVEL_ERROR, kComponent,
                           "[ERROR] mac/mac-service(%d): kill: %s (%d)\n", __LINE__, strerror(err),
                           err);
        }
        waiting.push_back(pid);
    }
    // One budget for all of them, not five seconds each.
    const auto dropGone = [&waiting, &uiExecutable] {
        waiting.erase(
            std::remove_if(waiting.begin(), waiting.end(),
                           [&uiExecutable](pid_t pid) { return ProcessGone(pid, uiExecutable); }),
            waiting.end());
        return waiting.empty();
    };
    if (dropGone()) {
        return;
    }
    for (int i = 0; i < kProbesAfterTerm; ++i) {
        SleepOneSecond();
        if (dropGone()) {
            return;
        }
    }
    SleepOneSecond();
    // Checked again at the last moment: in five seconds a pid may have
    // passed to another process.
    for (const pid_t pid : waiting) {
        if (!ProcessGone(pid, uiExecutable)) {
            kill(pid, SIGKILL);
        }
    }
}

pid_t MacService::PidFileClientUi(const ustring& uiExecutable)
{
    const ustring pidFile = GetUserHalvenorInstallPath() + "/ui.pid";
    if (!IsFileExist(pidFile, false)) {
        Logger::LogMsg(Logger::LEVEL_DEBUG, kComponent,
                       "[DEBUG] mac/mac-service(%d): pid file '%s' does not exist, no need to "
                       "terminate\n",
                       __LINE__, LogSafe(pidFile).c_str());
        return 0;
    }

    Config config;
    config.keep_quotes = false;
    const bool read = config.read(pidFile) == 0;
    if (!read && config.too_large) {
        Logger::LogMsg(Logger::LEVEL_ERROR, kComponent,
                       "[ERROR] mac/mac-service(%d): not reading pid file '%s': %s\n", __LINE__,
                       LogSafe(pidFile).c_str(), config.error.c_str());
        return 0;
    }
    if (!read) {
        Logger::LogMsg(Logger::LEVEL_NOTE, kComponent,
                       "[NOTE] mac/mac-service(%d): Failed to read pid file '%s', not exist ?\n",
                       __LINE__, LogSafe(pidFile).c_str());
        return 0;
    }
    const ustring& value = config.entries["pid"];
    pid_t pid = 0;
    if (!ParseUiPid(value, pid)) {
        Logger::LogMsg(Logger::LEVEL_NOTE, kComponent,
                       "[NOTE] mac/mac-service(%d): pid file '%s' names no process (pid = '%s'), "
                       "nothing to terminate\n",
                       __LINE__, LogSafe(pidFile).c_str(), LogSafe(value).c_str());
        return 0;
    }
    std::string why;
    if (!IsClientUiProcess(pid, uiExecutable, why)) {
        // No process at all is a UI that has already gone: not worth a word.
        if (!why.empty()) {
            Logger::LogMsg(Logger::LEVEL_NOTE, kComponent,
                           "[NOTE] mac/mac-service(%d): pid %d in '%s' is not the client UI, "
                           "left alone: %s\n",
                           __LINE__, static_cast<int>(pid), LogSafe(pidFile).c_str(),
                           LogSafe(why).c_str());
        }
        return 0;
    }
    return pid;
}

void MacService::PostUpgrade()
{
    // An incomplete copy may hold the UI executable without what it needs.
    if (IsUpgradeIncomplete()) {
        Logger::LogMsg(Logger::LEVEL_ERROR, kComponent,
                       "[ERROR] mac/mac-service(%d): installation '%s' is incomplete, not "
                       "launching Halvenor UI\n",
                       __LINE__, LogSafe(user_app_path).c_str());
        return;
    }
    if (LaunchPerUserBin() < 0) {
        Logger::LogMsg(Logger::LEVEL_ERROR, kComponent,
                       "[ERROR] mac/mac-service(%d): Failed to launch Halvenor UI\n", __LINE__);
    }
}

int MacService::LaunchPerUserBin()
{
    // The path's bytes as they are: a home folder's name need not be UTF-8.
    const std::string path(user_app_path.c_str(), user_app_path.length());
    const int unregistered = LaunchServices::UnregisterBundle(path);
    if (unregistered == LaunchServices::kUnregisterTimedOut) {
        Logger::LogMsg(Logger::LEVEL_ERROR, kComponent,
                       "[ERROR] mac/mac-service(%d): lsregister did not finish within %d seconds, "
                       "stopped it and going on\n",
                       __LINE__, LaunchServices::kUnregisterTimeoutMs / 1000);
    }
    if (unregistered != 0) {
        // No final newline: the line reads as it always has; leave it so.
        Logger::LogMsg(Logger::LEVEL_ERROR, kComponent,
                       "[ERROR] mac/mac-service(%d): Cannot unregister bundle, %s", __LINE__,
                       LogSafe(path).c_str());
    }
    return LaunchServices::OpenBundle(path) ? 0 : -1;
}
