#include "cloud-service.h"

#include "config.h"
#include "extractor.h"
#include "file/file-op.h"
#include "log.h"
#include "platform/fs_flush.h"
#include "platform/self_paths.h"
#include "safe_open.h"
#include "tree_walk.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QString>
#include <QVariant>

#include <algorithm>
#include <chrono>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char kComponent[] = "service_debug";
const int kBackupNames = 10;

// The marker's states. Moving: the copy is being renamed to the backup named
// in the marker, so whichever of the two exists holds it. Extracting: the old
// copy is in that backup (none for a first install) and the copy in place is
// incomplete. Foreign: a marker that this launcher did not write.
enum class MarkerState
{
    Moving,
    Extracting,
    Foreign
};

// Unknown: the folder above cannot be searched.
enum class Presence
{
    Present,
    Absent,
    Unknown
};

// What undoing an interrupted upgrade does. Restore: the backup goes back in
// place of any copy there. RemoveCopy: an incomplete first copy goes.
// Nothing: the copy in place, if any, is whole. Unknown: a path cannot be
// searched, so nothing can be done.
enum class Undo
{
    Restore,
    RemoveCopy,
    Nothing,
    Unknown
};

// A state file is written here first, then renamed over it.
const char kMarkerNewSuffix[] = ".new";

ustring PackagePath()
{
    return Service::GetRootHalvenorResourceInstallPath() + "/package/halvenor.vpk";
}

ustring VersionRecordPath(const ustring& copy)
{
    return copy + "/Contents/Resources" + "/" + "INFO";
}

Presence PresenceOf(const ustring& path)
{
    struct stat st;
    if (lstat(path.c_str(), &st) == 0) {
        return Presence::Present;
    }
    return errno == ENOENT || errno == ENOTDIR ? Presence::Absent : Presence::Unknown;
}

// As the marker spells it.
const char* StateText(MarkerState state)
{
    return state == MarkerState::Moving ? "moving" : "extracting";
}

// A state file refused for its size counts as unreadable; this says why.
void LogTooLarge(const ustring& path, const std::string& why)
{
    Logger::LogMsg(Logger::LEVEL_ERROR, kComponent,
                   "[ERROR] cloud-service(%d): not reading '%s': %s\n", __LINE__,
                   LogSafe(path).c_str(), why.c_str());
}

// Flushed, and replaced whole by a rename: a reader finds the previous text
// or this one, never a part. The temporary file is created afresh, so that
// nothing planted under its name is written through. 0, or an errno value
// with why.
int WriteStateFile(const ustring& path, const std::string& text, std::string& why)
{
    const ustring temp = path + kMarkerNewSuffix;
    unlink(temp.c_str());
    UniqueFd fd(OpenRegularFile(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644, why));
    int err = fd.Valid() ? 0 : errno;
    if (err == 0) {
        err = WriteAll(fd.Get(), text.data(), text.size());
        if (err == 0 && fsync(fd.Get()) != 0) {
            err = errno;
        }
        const int closed = fd.Close();
        if (err == 0) {
            err = closed;
        }
        if (err == 0 && rename(temp.c_str(), path.c_str()) != 0) {
            err = errno;
        }
        if (err == 0) {
            err = FsFlush::FlushFolder(FSParentPath(path));
        }
        if (err != 0) {
            why = strerror(err);
        }
        unlink(temp.c_str());
    }
    return err;
}

// 0 or -1 (logged).
int WriteUpgradeMarker(const ustring& copy, MarkerState state, int backup)
{
    const ustring marker = GetUpgradeMarkerPath(copy);
    const ustring folder = FSParentPath(copy);
    std::string text = std::string("state=") + StateText(state) + "\n";
    if (backup >= 0) {
        text += "backup=" + std::to_string(backup) + "\n";
    }
    // The per-user folder may be a link to a folder elsewhere.
    struct stat st;
    if ((stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) && FSMKDir(folder, true) < 0) {
        Logger::LogMsg(Logger::LEVEL_ERROR, kComponent,
                       "[ERROR] cloud-service(%d): failed to create folder: '%s'\n", __LINE__,
                       LogSafe(folder).c_str());
        return -1;
    }
    std::string why;
    if (WriteStateFile(marker, text, why) != 0) {
        Logger::LogMsg(Logger::LEVEL_ERROR, kComponent,
                       "[ERROR] cloud-service(%d): failed to write upgrade marker '%s': %s\n",
                       __LINE__, LogSafe(marker).c_str(), LogSafe(why).c_str());
        return -1;
    }
    return 0;
}

// What tells one package from another: its size and modification time, and
// the build that the bundle names for it. Empty when the package is gone.
std::string PackageIdentity(const ustring& package, const ustring& build)
{
    std::error_code error;
    const std::filesystem::path path(package.c_str());
    const auto size = std::filesystem::file_size(path, error);
    if (error) {
        return std::string();
    }
    const auto time = std::filesystem::last_write_time(path, error);
    if (error) {
        return std::string();
    }
    // libc++ counts the file clock in __int128, which to_string does not take.
    const long long ticks =
        std::chrono::duration_cast<std::chrono::nanoseconds>(time.time_since_epoch()).count();
    return "size=" + std::to_string(size) + "\nmtime=" + std::to_string(ticks) +
           "\nbuild=" + std::to_string(ReadBuildNumber(build)) + "\n";
}

// 0 or -1 (logged). A start that finds no marker trusts what it finds in
// the folder: the renames and removals that made the copy whole, or took it
// away, must be on the disk before the marker's removal can be. So the
// folder is flushed first, and a marker whose folder cannot be flushed stays.
int RemoveUpgradeMarker(const ustring& copy)
{
    const ustring marker = GetUpgradeMarkerPath(copy);
    const ustring folder = FSParentPath(copy);
    int err = FsFlush::FlushFolder(folder);
    if (err == 0 && unlink(marker.c_str()) != 0 && errno != ENOENT) {
        err = errno;
    } else if (err == 0) {
        err = FsFlush::FlushFolder(folder);
    }
    if (err != 0) {
        Logger::LogMsg(Logger::LEVEL_ERROR, kComponent,
                       "[ERROR] cloud-service(%d): failed to remove upgrade marker '%s': %s\n",
                       __LINE__, LogSafe(marker).c_str(), strerror(err));
        return -1;
    }
    return 0;
}

// The marker's state, and in backup the number it names (-1 for none).
MarkerState ReadUpgradeMarker(const ustring& copy, int& backup)
{
    Config marker;
    if (marker.read(GetUpgradeMarkerPath(copy)) < 0) {
        if (marker.too_large) {
            LogTooLarge(GetUpgradeMarkerPath(copy), marker.error);
        }
        return MarkerState::Foreign;
    }
    backup = -1;
    if (marker.entries.count("backup") != 0) {
        const std::string text = marker.entries["backup"].c_str();
        char* end = nullptr;
        const long n = strtol(text.c_str(), &end, 10);
        if (text.empty() || *end != '\0' || n < 0 || n >= kBackupNames) {
            return MarkerState::Foreign;
        }
        backup = static_cast<int>(n);
    }
    const std::string state = marker.entries["state"].c_str();
    if (state == StateText(MarkerState::Moving) && backup >= 0) {
        return MarkerState::Moving;
    }
    return state == StateText(MarkerState::Extracting) ? MarkerState::Extracting
                                                       : MarkerState::Foreign;
}

// The copy moves to the lowest free backup name, so older leftovers sit
// below it: the highest number present is the newest backup.
int NewestBackup(const ustring& copy)
{
    for (int n = kBackupNames - 1; n >= 0; --n) {
        if (PresenceOf(GetAppBackupDir(copy, n)) != Presence::Absent) {
            return n;
        }
    }
    return -1;
}

ustring ToUstring(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    return ustring(std::string(utf8.constData(), static_cast<size_t>(utf8.size())));
}

QString ToQString(const ustring& text)
{
    return QString::fromUtf8(text.c_str_utf8(), static_cast<int>(text.length()));
}

// Reads the group "Version" of a record; a key that is not there leaves its
// member as it was. Why the file cannot be opened, is no regular file (a
// FIFO would block QSettings) or is too large (logged), when nothing is
// changed; empty otherwise.
std::string ReadVersionRecord(const ustring& path, ustring& major, ustring& minor, ustring& build,
                              ustring& iconOverlay)
{
    std::string why;
    const UniqueFd fd(OpenRegularFile(path.c_str(), O_RDONLY, 0, why));
    if (!fd.Valid()) {
        return why;
    }
    // QSettings reads a file whole, and parses nothing handed to it in
    // memory: the size is settled on the open file before it gets the name.
    std::string content;
    const int err = ReadSmallFile(fd.Get(), content, why);
    if (err != 0) {
        if (err == EFBIG) {
            LogTooLarge(path, why);
        }
        return why;
    }
    // By the file's own name where Qt can spell its bytes: QSettings caches
    // files by name, and a descriptor's name is shared by every file opened
    // under that number. Otherwise Qt would decode the name into another.
    const QByteArray bytes(path.c_str(), static_cast<int>(path.length()));
    QString name = QFile::decodeName(bytes);
    if (QFile::encodeName(name) != bytes) {
        name = QString::fromStdString(FdPath(fd.Get()));
    }
    QSettings record(name, QSettings::IniFormat);
    record.beginGroup(QStringLiteral("Version"));
    const struct
    {
        const char* key;
        ustring* member;
    } fields[] = {
        {"major_version", &major},
        {"minor_version", &minor},
        {"build_version", &build},
        {"icon_overlay_version", &iconOverlay},
    };
    for (const auto& field : fields) {
        const QString key = QString::fromLatin1(field.key);
        if (record.contains(key)) {
            *field.member = ToUstring(record.value(key).toString());
        }
    }
    record.endGroup();
    return std::string();
}

// Like atoi: blanks, a sign, then at least one digit.
bool StartsWithNumber(const ustring& text)
{
    const char* p = text.c_str();
    while (*p == ' ' || (*p >= '\t' && *p <= '\r')) {
        ++p;
    }
    if (*p == '+' || *p == '-') {
        ++p;
    }
    return *p >= '0' && *p <= '9';
}

QString AbsoluteCleanPath(const ustring& path)
{
    return QDir::cleanPath(QFileInfo(ToQString(path)).absoluteFilePath());
}

// A copy whose destination is its own source, or lies inside it, would
// truncate the source file or recurse into the folder it is filling.
bool CopiesOntoItself(const ustring& from, const ustring& to)
{
    const ustring cleanFrom = ToUstring(AbsoluteCleanPath(from));
    const ustring cleanTo = ToUstring(AbsoluteCleanPath(to));
    if (cleanFrom == "/" || FSIsParentFolder(cleanFrom, cleanTo)) {
        return true;
    }
    struct stat fromStat;
    struct stat toStat;
    return stat(from.c_str(), &fromStat) == 0 && stat(to.c_str(), &toStat) == 0 &&
           fromStat.st_dev == toStat.st_dev && fromStat.st_ino == toStat.st_ino;
}

} // namespace

PackageInfo::PackageInfo()
{
    const ustring exeDir = ToUstring(QCoreApplication::applicationDirPath());
    image_path = exeDir + "/images";
    log_path = Service::GetUserInstallPath() + "/.Halvenor_log";
    level_file_path = exeDir + "/log/launcher.debug";
    package_path = exeDir + "/package/halvenor.vpk";
    conf_path = exeDir + "/conf";
}

ustring GetAppBackupDir(const ustring& path, int n)
{
    ustring dir = path + "_tmp";
    if (n == 0) {
        return dir;
    }
    char suffix[8];
    const int len = snprintf(suffix, sizeof(suffix), "%d", n);
    if (len < 0 || len >= static_cast<int>(sizeof(suffix))) {
        // No final newline: the line reads as it always has; leave it so.
        Logger::LogMsg(Logger::LEVEL_ERROR, kComponent,
                       "[ERROR] cloud-service(%d): snprintf failed (continuing without postfix)",
                       __LINE__);
        suffix[0] = '\0';
    }
    dir += suffix;
    return dir;
}

ustring GetUpgradeMarkerPath(const ustring& path)
{
    return path + ".upgrading";
}

ustring GetRejectedPackagePath(const ustring& path)
{
    return path + ".rejected";
}

ustring GetUiExecutablePath(const ustring& copy)
{
    return copy + "/Contents/MacOS/halvenor-drive-ui";
}

bool IsUsableUiExecutable(const ustring& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && (st.st_mode & 0111) != 0;
}

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

Service::Service() : timeout(0) {}

Service::~Service() = default;

void Service::SetTimeout(int value)
{
    timeout = value;
}

ustring Service::GetUserInstallPath()
{
    // The bytes as they are: a home folder's name need not be UTF-8, and a
    // decoded one would name another folder.
    const char* home = getenv("HOME");
    if (home != nullptr && home[0] != '\0') {
        std::string path(home);
        while (path.size() > 1 && path.back() == '/') {
            path.pop_back();
        }
        return ustring(path);
    }
    // Without HOME, Qt answers "/", where root would install.
    passwd entry;
    passwd* found = nullptr;
    char buffer[4096];
    if (getpwuid_r(geteuid(), &entry, buffer, sizeof(buffer), &found) != 0 || found == nullptr ||
        found->pw_dir == nullptr) {
        return ustring();
    }
    return ustring(std::string(found->pw_dir));
}

ustring Service::GetRootHalvenorInstallPath()
{
    // Lexical: the launcher may be started through a symbolic link, and the
    // bundle is the one whose path it was started with.
    return ToUstring(QDir::cleanPath(QCoreApplication::applicationDirPath() + "/" + "../.."));
}

ustring Service::GetRootHalvenorResourceInstallPath()
{
    return GetRootHalvenorInstallPath() + "/Contents/Resources";
}

ustring Service::GetUserHalvenorInstallPath()
{
    return GetUserInstallPath() + "/" + ".Halvenor";
}

ustring Service::GetUserHalvenorAppInstallPath()
{
    return GetUserHalvenorInstallPath() + "/" + "Halvenor.app";
}

ustring Service::GetUserHalvenorDataInstallPath()
{
    return GetUserHalvenorInstallPath() + "/" + "data";
}

void Service::LoadTargetVersion()
{
    const ustring path = GetRootHalvenorResourceInstallPath() + "/" + "INFO";
    // Without a build the bundle seems never newer: worth an error, not silence.
    const std::string why = ReadVersionRecord(path, target_major_version, target_minor_version,
                                              target_build_version, target_icon_overlay_version);
    if (!why.empty()) {
        Logger::LogMsg(Logger::LEVEL_ERROR, kComponent,
                       "[ERROR] cloud-service(%d): cannot read the bundle's version record "
                       "'%s': %s\n",
                       __LINE__, LogSafe(path).c_str(), LogSafe(why).c_str());
    } else if (!StartsWithNumber(target_build_version)) {
        Logger::LogMsg(Logger::LEVEL_ERROR, kComponent,
                       "[ERROR] cloud-service(%d): the bundle's version record '%s' holds no "
                       "build number (build_version = '%s')\n",
                       __LINE__, LogSafe(path).c_str(), LogSafe(target_build_version).c_str());
    }
    Logger::LogMsg(Logger::LEVEL_INFO, kComponent,
                   "[INFO] cloud-service(%d): target_version = (%s, %s, %s, %s)\n", __LINE__,
                   LogSafe(target_major_version).c_str(), LogSafe(target_minor_version).c_str(),
                   LogSafe(target_build_version).c_str(),
                   LogSafe(target_icon_overlay_version).c_str());
}

void Service::LoadSourceVersion()
{
    const ustring path = VersionRecordPath(GetUserHalvenorAppInstallPath());
    if (!IsFileExist(path, false)) {
        Logger::LogMsg(Logger::LEVEL_INFO, kComponent,
                       "[INFO] cloud-service(%d): source does not exist\n", __LINE__);
        return;
    }
    const std::string why = ReadVersionRecord(path, source_major_version, source_minor_version,
                                              source_build_version, source_icon_overlay_version);
    if (!why.empty()) {
        Logger::LogMsg(Logger::LEVEL_WARNING, kComponent,
                       "[WARNING] cloud-service(%d): cannot read version record '%s': %s\n",
                       __LINE__, LogSafe(path).c_str(), LogSafe(why).c_str());
    }
    Logger::LogMsg(Logger::LEVEL_INFO, kComponent,
                   "[INFO] cloud-service(%d): source_version = (%s, %s, %s, %s)\n", __LINE__,
                   LogSafe(source_major_version).c_str(), LogSafe(source_minor_version).c_str(),
                   LogSafe(source_build_version).c_str(),
                   LogSafe(source_icon_overlay_version).c_str());
}

int Service::ExtractPackage()
{
    const ustring package = PackagePath();
    const ustring dest = GetUserHalvenorAppInstallPath();
    if (FSMKDir(dest, true) < 0) {
        Logger::LogMsg(Logger::LEVEL_ERROR, kComponent,
                       "[ERROR] cloud-service(%d): failed to create folder: '%s'\n", __LINE__,
                       LogSafe(dest).c_str());
        return -1;
    }
    Logger::LogMsg(Logger::LEVEL_INFO, kComponent,
                   "[INFO] cloud-service(%d): extract package: '%s' -> '%s'\n", __LINE__,
                   LogSafe(package).c_str(), LogSafe(dest).c_str());
    Extractor extractor;
    extractor.dest_path = dest;
    extractor.src_path = package;
    return extractor.Extract();
}

namespace {

// Moves the copy in place, if any, to the lowest backup name that takes it,
// then marks the extraction as begun. 0, with the number of the backup in
// backup (-1 for none), or -1 (logged) with the copy in place.
int MoveAside(const ustring& copy, int& backup)
{
    backup = -1;
    if (IsFileExist(copy, false)) {
        ustring tried;
        int n = 0;
        for (; n < kBackupNames; ++n) {
            tried = GetAppBackupDir(copy, n);
            if (WriteUpgradeMarker(copy, MarkerState::Moving, n) != 0) {
                // The copy is where it was; drop the marker of an earlier try.
                if (n > 0) {
                    RemoveUpgradeMarker(copy);
                }
                return -1;
            }
            if (FSRename(copy, tried, false) == 0) {
                break;
            }
            Logger::LogMsg(Logger::LEVEL_ERROR, kComponent,
                           "[ERROR] cloud-service(%d): failed to backup app from '%s' -> '%s'\n",
                           __LINE__, LogSafe(copy).c_str(), LogSafe(tried).c_str());
        }
        if (n == kBackupNames) {
            Logger::LogMsg(Logger::LEVEL_ERROR, kComponent,
                           "[ERROR] cloud-service(%d): failed to backup app from '%s' -> '%s' at "
                           "max retries, exiting\n",
                           __LINE__, LogSafe(copy).c_str(), LogSafe(tried).c_str());
            RemoveUpgradeMarker(copy);
            return -1;
        }
        backup = n;
    }
    if (WriteUpgradeMarker(copy, MarkerState::Extracting, backup) != 0) {
        // Nothing extracted yet: the old copy goes back. Should that fail,
        // the "moving" marker still names its backup for the next start.
        if (backup >= 0 && FSRename(GetAppBackupDir(copy, backup), copy, false) == 0) {
            RemoveUpgradeMarker(copy);
        }
        return -1;
    }
    return 0;
}

// After a failed installation: the old copy goes back from its backup, or
// without one the incomplete copy goes.
void RollBack(const ustring& copy, int backup)
{
    if (backup < 0) {
        Logger::LogMsg(Logger::LEVEL_ERROR, kComponent,
                       "[ERROR] cloud-service(%d): Failed to extract package, and no old "
                       "installation to rollback\n",
                       __LINE__);
        // An incomplete copy that holds the UI executable and the version
        // record would pass for an installed one at the next start.
        FSRemove(copy, false);
        if (PresenceOf(copy) == Presence::Absent) {
            RemoveUpgradeMarker(copy);
        }
        return;
    }
    Logger::LogMsg(
        Logger::LEVEL_ERROR, kComponent,
        "[ERROR] cloud-service(%d): Failed to extract package, rollback to old installation\n",
        __LINE__);
    const ustring old = GetAppBackupDir(copy, backup);
    FSRemove(copy, false);
    FSRename(old, copy, false);
    // Until the old copy is back whole, the marker keeps naming its backup.
    if (PresenceOf(copy) == Presence::Present && PresenceOf(old) == Presence::Absent) {
        RemoveUpgradeMarker(copy);
    }
}

// After a successful installation: the marker, the record of a rejected
// package and the backups go.
void Commit(const ustring& copy, int backup)
{
    RemoveUpgradeMarker(copy);
    unlink(GetRejectedPackagePath(copy).c_str());
    Logger::LogMsg(Logger::LEVEL_INFO, kComponent,
                   "[INFO] cloud-service(%d): user installation is ready, removing backup app\n",
                   __LINE__);
    // The lower numbers are leftovers that made the earlier renames fail.
    for (int k = 0; k <= std::max(backup, 0); ++k) {
        FSRemove(GetAppBackupDir(copy, k), false);
    }
}

Undo PlanUndo(MarkerState state, int backup, Presence copyThere, Presence backupThere)
{
    if (copyThere == Presence::Unknown || backupThere == Presence::Unknown) {
        return Undo::Unknown;
    }
    if (state == MarkerState::Moving) {
        // A rename either happened or not: a copy still in place was
        // never moved, and any backup of that name is an older leftover.
        return copyThere == Presence::Absent && backupThere == Presence::Present ? Undo::Restore
                                                                                 : Undo::Nothing;
    }
    if (backupThere == Presence::Present) {
        return Undo::Restore;
    }
    if (backup < 0 && copyThere == Presence::Present) {
        return Undo::RemoveCopy;
    }
    // Otherwise the backup is gone because it was moved back, or removed
    // after a finished upgrade: either way the copy in place is whole.
    return Undo::Nothing;
}

void LogUndo(Undo plan, Presence copyThere, const ustring& copy, const ustring& backup)
{
    if (plan == Undo::Restore) {
        Logger::LogMsg(Logger::LEVEL_NOTE, kComponent,
                       "[NOTE] cloud-service(%d): upgrade of '%s' was interrupted, restoring the "
                       "old installation from '%s'\n",
                       __LINE__, LogSafe(copy).c_str(), LogSafe(backup).c_str());
    } else if (plan == Undo::RemoveCopy) {
        Logger::LogMsg(Logger::LEVEL_NOTE, kComponent,
                       "[NOTE] cloud-service(%d): upgrade of '%s' was interrupted, removing the "
                       "incomplete installation\n",
                       __LINE__, LogSafe(copy).c_str());
    } else if (copyThere == Presence::Present) {
        Logger::LogMsg(Logger::LEVEL_NOTE, kComponent,
                       "[NOTE] cloud-service(%d): upgrade of '%s' was interrupted, the "
                       "installation in place is complete\n",
                       __LINE__, LogSafe(copy).c_str());
    } else {
        Logger::LogMsg(Logger::LEVEL_NOTE, kComponent,
                       "[NOTE] cloud-service(%d): upgrade of '%s' was interrupted, no "
                       "installation is left\n",
                       __LINE__, LogSafe(copy).c_str());
    }
}

// Carries the plan out and drops the marker: 0, or -1 when the upgrade is
// not undone yet.
int CarryOutUndo(Undo plan, Presence copyThere, const ustring& copy, const ustring& backup)
{
    if (plan == Undo::Unknown) {
        return -1;
    }
    if ((plan == Undo::Restore || plan == Undo::RemoveCopy) && copyThere == Presence::Present) {
        FSRemove(copy, false);
        if (PresenceOf(copy) != Presence::Absent) {
            return -1;
        }
    }
    if (plan == Undo::Restore && FSRename(backup, copy, false) != 0) {
        return -1;
    }
    return RemoveUpgradeMarker(copy) == 0 ? 0 : -1;
}

} // namespace

int Service::PrepareUserEnv()
{
    // The copy to be moved aside must be a complete one.
    if (UndoInterruptedUpgrade() != 0) {
        Logger::LogMsg(Logger::LEVEL_ERROR, kComponent,
                       "[ERROR] cloud-service(%d): an interrupted upgrade of '%s' could not be "
                       "undone, not upgrading\n",
                       __LINE__, LogSafe(user_app_path).c_str());
        return -1;
    }
    int backup = -1;
    if (MoveAside(user_app_path, backup) != 0) {
        return -1;
    }
    if (InstallPackage() != 0) {
        RollBack(user_app_path, backup);
        return -1;
    }
    Commit(user_app_path, backup);
    return 0;
}

int Service::InstallPackage()
{
    if (ExtractPackage() != 0) {
        return -1;
    }
    // Checked before the old copy goes: a copy that cannot start the client
    // is no upgrade, however well it extracted.
    const std::string why = UnusableCopyReason();
    if (!why.empty()) {
        Logger::LogMsg(Logger::LEVEL_ERROR, kComponent,
                       "[ERROR] cloud-service(%d): the package's copy in '%s' is unusable: %s\n",
                       __LINE__, LogSafe(user_app_path).c_str(), LogSafe(why).c_str());
        RejectPackage();
        return -1;
    }
    // The backups and the marker may go only once the new copy would survive
    // a power loss.
    const int err = FsFlush::FlushTree(user_app_path);
    if (err != 0) {
        Logger::LogMsg(Logger::LEVEL_ERROR, kComponent,
                       "[ERROR] cloud-service(%d): failed to flush '%s' to disk: %s\n", __LINE__,
                       LogSafe(user_app_path).c_str(), strerror(err));
        return -1;
    }
    // Its folder is flushed before the marker goes.
    return 0;
}

int Service::RecoverUserEnv()
{
    if (UndoInterruptedUpgrade() != 0) {
        return -1;
    }
    RemoveLeftoverBackups();
    return 0;
}

bool Service::IsUpgradeIncomplete()
{
    return PresenceOf(GetUpgradeMarkerPath(user_app_path)) != Presence::Absent;
}

int Service::UndoInterruptedUpgrade()
{
    const ustring copy = user_app_path;
    const ustring marker = GetUpgradeMarkerPath(copy);
    // A marker write that was cut short; the marker itself is still valid.
    unlink((marker + kMarkerNewSuffix).c_str());
    const Presence markerThere = PresenceOf(marker);
    if (markerThere == Presence::Absent) {
        return 0;
    }

    int number = -1;
    MarkerState state =
        markerThere == Presence::Present ? ReadUpgradeMarker(copy, number) : MarkerState::Foreign;
    if (state == MarkerState::Foreign) {
        // Not one of ours: take the worst case, an extraction whose old copy
        // is the newest backup.
        Logger::LogMsg(Logger::LEVEL_WARNING, kComponent,
                       "[WARNING] cloud-service(%d): unreadable upgrade marker '%s'\n", __LINE__,
                       LogSafe(marker).c_str());
        state = MarkerState::Extracting;
        number = NewestBackup(copy);
    }
    const ustring backup = number >= 0 ? GetAppBackupDir(copy, number) : ustring();
    const Presence copyThere = PresenceOf(copy);
    const Presence backupThere = number >= 0 ? PresenceOf(backup) : Presence::Absent;
    const Undo plan = PlanUndo(state, number, copyThere, backupThere);
    LogUndo(plan, copyThere, copy, backup);
    if (CarryOutUndo(plan, copyThere, copy, backup) != 0) {
        Logger::LogMsg(Logger::LEVEL_ERROR, kComponent,
                       "[ERROR] cloud-service(%d): failed to undo the interrupted upgrade of "
                       "'%s'\n",
                       __LINE__, LogSafe(copy).c_str());
        return -1;
    }
    return 0;
}

void Service::RemoveLeftoverBackups()
{
    const ustring copy = user_app_path;
    // Without a marker a copy with its UI executable is complete, and the
    // backups beside it are older ones. Without such a copy a backup may be
    // the only complete installation left: it stays.
    if (PresenceOf(GetUpgradeMarkerPath(copy)) != Presence::Absent ||
        !IsUsableUiExecutable(GetUiExecutablePath(copy))) {
        return;
    }
    for (int n = 0; n < kBackupNames; ++n) {
        const ustring backup = GetAppBackupDir(copy, n);
        if (PresenceOf(backup) != Presence::Absent) {
            Logger::LogMsg(Logger::LEVEL_INFO, kComponent,
                           "[INFO] cloud-service(%d): removing leftover backup '%s'\n", __LINE__,
                           LogSafe(backup).c_str());
            FSRemove(backup, false);
        }
    }
}

std::string Service::UnusableCopyReason()
{
    if (!IsUsableUiExecutable(GetUiExecutablePath(user_app_path))) {
        return "its UI executable is missing or is no executable file";
    }
    const ustring path = VersionRecordPath(user_app_path);
    ustring major, minor, build, iconOverlay;
    const std::string why = ReadVersionRecord(path, major, minor, build, iconOverlay);
    if (!why.empty()) {
        return "its version record '" + std::string(path.c_str()) + "' cannot be read: " + why;
    }
    if (!StartsWithNumber(build)) {
        return "its version record '" + std::string(path.c_str()) + "' holds no build number";
    }
    // A package older than the bundle says would be installed again at every start.
    if (ReadBuildNumber(build) < ReadBuildNumber(target_build_version)) {
        return "it holds build " + std::to_string(ReadBuildNumber(build)) +
               ", older than the bundle's " + std::to_string(ReadBuildNumber(target_build_version));
    }
    return std::string();
}

void Service::RejectPackage()
{
    const ustring record = GetRejectedPackagePath(user_app_path);
    const std::string identity = PackageIdentity(PackagePath(), target_build_version);
    std::string why;
    if (identity.empty() || WriteStateFile(record, identity, why) != 0) {
        Logger::LogMsg(Logger::LEVEL_ERROR, kComponent,
                       "[ERROR] cloud-service(%d): failed to record the rejected package in "
                       "'%s': %s\n",
                       __LINE__, LogSafe(record).c_str(),
                       why.empty() ? "package is gone" : LogSafe(why).c_str());
    }
}

bool Service::IsPackageRejected()
{
    const ustring record = GetRejectedPackagePath(user_app_path);
    Config rejected;
    if (rejected.read(record) < 0) {
        if (rejected.too_large) {
            LogTooLarge(record, rejected.error);
        }
        return false;
    }
    std::string text;
    for (const char* key : {"size", "mtime", "build"}) {
        text += std::string(key) + "=" + rejected.entries[key].c_str() + "\n";
    }
    const ustring package = PackagePath();
    if (rejected.entries.size() != 3 || text != PackageIdentity(package, target_build_version)) {
        return false;
    }
    Logger::LogMsg(Logger::LEVEL_ERROR, kComponent,
                   "[ERROR] cloud-service(%d): package '%s' installed an unusable copy before, "
                   "not installing it again until the bundle changes\n",
                   __LINE__, LogSafe(package).c_str());
    return true;
}

bool Service::CanWriteUpgradeMarker()
{
    const ustring marker = GetUpgradeMarkerPath(user_app_path);
    // The file that the marker is written to first, and nothing else.
    const ustring probe = marker + kMarkerNewSuffix;
    unlink(probe.c_str());
    std::string why;
    UniqueFd fd(OpenRegularFile(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644, why));
    if (!fd.Valid()) {
        Logger::LogMsg(Logger::LEVEL_ERROR, kComponent,
                       "[ERROR] cloud-service(%d): failed to write upgrade marker '%s': %s, "
                       "leaving the client UI running\n",
                       __LINE__, LogSafe(marker).c_str(), why.c_str());
        return false;
    }
    fd.Close();
    unlink(probe.c_str());
    return true;
}

// A good package's first header reads in milliseconds, even from a cold disk.
BoundedChild::Limits Service::package_check_limits = {10 * 1000, size_t(1) << 30};

bool Service::IsPackageReadable()
{
    Extractor extractor;
    extractor.src_path = PackagePath();
    std::string why;
    // Some damaged archives keep libarchive reading forever or into
    // gigabytes; in a child, such a read ends as a refused package. The child
    // only reads: Check neither logs nor starts threads. It has its own copy
    // of the extractor, as work that overruns may be left running.
    auto check = [extractor](std::string& reason) mutable { return extractor.Check(reason); };
    BoundedChild::Verdict verdict = BoundedChild::Run(check, package_check_limits, why);
    if (verdict == BoundedChild::kNotStarted) {
        // With no process to spare, an unbounded read beats never upgrading.
        Logger::LogMsg(Logger::LEVEL_WARNING, kComponent,
                       "[WARNING] cloud-service(%d): %s, reading package '%s' without bounds\n",
                       __LINE__, why.c_str(), LogSafe(extractor.src_path).c_str());
        why.clear();
        verdict = check(why) == 0 ? BoundedChild::kOk : BoundedChild::kFailed;
    }
    if (verdict == BoundedChild::kOk) {
        return true;
    }
    Logger::LogMsg(Logger::LEVEL_ERROR, kComponent,
                   "[ERROR] cloud-service(%d): package '%s' cannot be installed: %s\n", __LINE__,
                   LogSafe(extractor.src_path).c_str(), LogSafe(why).c_str());
    return false;
}

void Service::RemoveAgedFolders()
{
    const ustring path = GetUserHalvenorInstallPath() + "/app";
    Logger::LogMsg(Logger::LEVEL_INFO, kComponent,
                   "[INFO] cloud-service(%d): removing aged app folder %s\n", __LINE__,
                   LogSafe(path).c_str());
    FSRemove(path, false);
}

int Service::FSCopyPath(const ustring& from, const ustring& to)
{
    Logger::LogMsg(Logger::LEVEL_DEBUG, kComponent,
                   "[DEBUG] cloud-service(%d): copy from '%s' to '%s'\n", __LINE__,
                   LogSafe(from).c_str(), LogSafe(to).c_str());

    _FILE_INFO_tag info;
    if (FSStat(from, info, false) < 0) {
        Logger::LogMsg(Logger::LEVEL_ERROR, kComponent,
                       "[ERROR] cloud-service(%d): FSCopyPath: failed to stat source '%s'\n",
                       __LINE__, LogSafe(from).c_str());
        return -1;
    }
    if (!info.exists) {
        Logger::LogMsg(Logger::LEVEL_ERROR, kComponent,
                       "[ERROR] cloud-service(%d): FSCopyPath: source path '%s' does not exist\n",
                       __LINE__, LogSafe(from).c_str());
        return -1;
    }
    if (CopiesOntoItself(from, to)) {
        Logger::LogMsg(Logger::LEVEL_ERROR, kComponent,
                       "[ERROR] cloud-service(%d): FSCopyPath: destination '%s' is the source "
                       "'%s' or lies inside it\n",
                       __LINE__, LogSafe(to).c_str(), LogSafe(from).c_str());
        return -1;
    }
    if (info.type != FILE_TYPE_DIRECTORY) {
        return FSCopy(from, to, false) < 0 ? -1 : 0;
    }

    if (FSMKDir(to, true) < 0) {
        Logger::LogMsg(Logger::LEVEL_ERROR, kComponent,
                       "[ERROR] cloud-service(%d): FSCopyPath: failed to create dest folder '%s'\n",
                       __LINE__, LogSafe(to).c_str());
        return -1;
    }

    // Relative to open folders, so that a tree of any depth takes a few
    // descriptors and no path of it grows past the system's limit.
    using TreeWalk::Step;
    const int result = TreeWalk::Walk(
        from.c_str(), to.c_str(), [](TreeWalk::Event event, const TreeWalk::Entry& entry) {
            const char* childFrom = entry.path.c_str();
            const char* childTo = entry.mirrorPath.c_str();
            const bool enter = event == TreeWalk::Event::Enter && entry.depth > 0;
            if (enter) {
                Logger::LogMsg(Logger::LEVEL_DEBUG, kComponent,
                               "[DEBUG] cloud-service(%d): copy from '%s' to '%s'\n", __LINE__,
                               LogSafe(childFrom).c_str(), LogSafe(childTo).c_str());
            }
            bool failed = false;
            if ((enter && TreeWalk::MakeMirrorFolder(entry) != 0) ||
                (event == TreeWalk::Event::Failed && entry.inMirror)) {
                Logger::LogMsg(Logger::LEVEL_ERROR, kComponent,
                               "[ERROR] cloud-service(%d): FSCopyPath: failed to create dest "
                               "folder '%s'\n",
                               __LINE__, LogSafe(childTo).c_str());
                failed = true;
            } else if (event == TreeWalk::Event::Failed) {
                // What could be copied is; the folder stays empty.
                Logger::LogMsg(Logger::LEVEL_WARNING, kComponent,
                               "[WARNING] cloud-service(%d): FSCopyPath: failed to create handle  "
                               "for src '%s' failed\n",
                               __LINE__, LogSafe(childFrom).c_str());
            } else if (event == TreeWalk::Event::Other) {
                failed = FSCopyAt(entry.parentFd, entry.name, entry.mirrorParentFd, entry.name,
                                  childFrom, childTo) < 0;
            }
            if (!failed) {
                return Step::Go;
            }
            Logger::LogMsg(Logger::LEVEL_ERROR, kComponent,
                           "[ERROR] cloud-service(%d): FSCopyPath: failed to copy from '%s' to "
                           "'%s'\n",
                           __LINE__, LogSafe(childFrom).c_str(), LogSafe(childTo).c_str());
            return Step::Stop;
        });
    return result == 0 ? 0 : -1;
}
