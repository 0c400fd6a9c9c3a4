#include "mac/mac-service.h"

#include "config.h"
#include "file/file-op.h"
#include "log.h"
#include "mac/launch_services.h"

#include <QByteArray>
#include <QDir>
#include <QString>

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <limits>

#include <signal.h>
#include <unistd.h>

namespace {

const char kComponent[] = "service_debug";
// Probes after 1, 2, 3 and 4 seconds; SIGKILL one second after the last.
const int kProbesAfterTerm = 4;

// The leading decimal number, as atoi reads it, but clamped to int instead
// of overflowing.
int ReadBuildNumber(const ustring& text)
{
    if (text.empty()) {
        return 0;
    }
    const long value = strtol(text.c_str(), nullptr, 10);
    if (value > INT_MAX) {
        return INT_MAX;
    }
    if (value < INT_MIN) {
        return INT_MIN;
    }
    return static_cast<int>(value);
}

// A failed probe other than ESRCH (EPERM, say) still means the process is there.
bool ProcessGone(pid_t pid)
{
    return kill(pid, 0) != 0 && errno == ESRCH;
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
    LoadTargetVersion();
    LoadSourceVersion();
    Logger::LogMsg(Logger::LEVEL_DEBUG, kComponent,
                   "[DEBUG] mac/mac-service(%d): Source version: ('%s', '%s')\n", __LINE__,
                   source_build_version.c_str(), source_icon_overlay_version.c_str());
    Logger::LogMsg(Logger::LEVEL_DEBUG, kComponent,
                   "[DEBUG] mac/mac-service(%d): Target version: ('%s', '%s')\n", __LINE__,
                   target_build_version.c_str(), target_icon_overlay_version.c_str());
}

bool MacService::PerUserBinPathExist()
{
    const ustring exe = user_app_path + "/" + "Contents/MacOS" + "/" + "halvenor-drive-ui";
    return access(exe.c_str(), F_OK) == 0;
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
    return exeMissing || targetNewer;
}

int MacService::HandlePackageUpgrade()
{
    if (PerUserBinPathExist()) {
        Logger::LogMsg(Logger::LEVEL_DEBUG, kComponent,
                       "[DEBUG] mac/mac-service(%d): local appdata exist\n", __LINE__);
        StopService();
    }
    return PrepareUserEnv();
}

void MacService::StopService()
{
    const ustring pidFile = GetUserHalvenorInstallPath() + "/ui.pid";
    if (!IsFileExist(pidFile, false)) {
        Logger::LogMsg(Logger::LEVEL_DEBUG, kComponent,
                       "[DEBUG] mac/mac-service(%d): pid file '%s' does not exist, no need to "
                       "terminate\n",
                       __LINE__, pidFile.c_str());
        return;
    }

    Config config;
    config.keep_quotes = false;
    if (config.read(pidFile) < 0) {
        Logger::LogMsg(Logger::LEVEL_NOTE, kComponent,
                       "[NOTE] mac/mac-service(%d): Failed to read pid file '%s', not exist ?\n",
                       __LINE__, pidFile.c_str());
        return;
    }
    const ustring& value = config.entries["pid"];
    pid_t pid = 0;
    if (!ParseUiPid(value, pid)) {
        Logger::LogMsg(Logger::LEVEL_NOTE, kComponent,
                       "[NOTE] mac/mac-service(%d): pid file '%s' names no process (pid = '%s'), "
                       "nothing to terminate\n",
                       __LINE__, pidFile.c_str(), value.c_str());
        return;
    }

    if (kill(pid, SIGTERM) != 0) {
        const int err = errno;
        if (err == ESRCH) {
            return;
        }
        Logger::LogMsg(Logger::LEVEL_ERROR, kComponent,
                       "[ERROR] mac/mac-service(%d): kill: %s (%d)\n", __LINE__, strerror(err),
                       err);
    }
    if (ProcessGone(pid)) {
        return;
    }
    for (int i = 0; i < kProbesAfterTerm; ++i) {
        SleepOneSecond();
        if (ProcessGone(pid)) {
            return;
        }
    }
    SleepOneSecond();
    kill(pid, SIGKILL);
}

void MacService::PostUpgrade()
{
    if (LaunchPerUserBin() < 0) {
        Logger::LogMsg(Logger::LEVEL_ERROR, kComponent,
                       "[ERROR] mac/mac-service(%d): Failed to launch Halvenor UI\n", __LINE__);
    }
}

int MacService::LaunchPerUserBin()
{
    const QString path = QDir::homePath() + QStringLiteral("/.Halvenor/Halvenor.app");
    if (LaunchServices::UnregisterBundle(path) != 0) {
        Logger::LogMsg(Logger::LEVEL_ERROR, kComponent,
                       "[ERROR] mac/mac-service(%d): Cannot unregister bundle, %s", __LINE__,
                       path.toUtf8().constData());
    }
    return LaunchServices::OpenBundle(path) ? 0 : -1;
}
