#include "cloud-service.h"

#include "config.h"
#include "extractor.h"
#include "file/file-op.h"
#include "log.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QString>
#include <QVariant>

#include <cstdio>
#include <string>

#include <sys/stat.h>

namespace {

const char kComponent[] = "service_debug";
const int kBackupNames = 10;

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
// member as it was, so a missing file changes nothing.
void ReadVersionRecord(const ustring& path, ustring& major, ustring& minor, ustring& build,
                       ustring& iconOverlay)
{
    QSettings record(ToQString(path), QSettings::IniFormat);
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
    log_path = ToUstring(QDir::homePath()) + "/.Halvenor_log";
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
        Logger::LogMsg(Logger::LEVEL_ERROR, kComponent,
                       "[ERROR] cloud-service(%d): snprintf failed (continuing without postfix)",
                       __LINE__);
        suffix[0] = '\0';
    }
    dir += suffix;
    return dir;
}

Service::Service() : timeout(0) {}

Service::~Service() = default;

void Service::SetTimeout(int value)
{
    timeout = value;
}

ustring Service::GetUserInstallPath()
{
    return ToUstring(QDir::homePath());
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
    ReadVersionRecord(path, target_major_version, target_minor_version, target_build_version,
                      target_icon_overlay_version);
    Logger::LogMsg(Logger::LEVEL_INFO, kComponent,
                   "[INFO] cloud-service(%d): target_version = (%s, %s, %s, %s)\n", __LINE__,
                   target_major_version.c_str(), target_minor_version.c_str(),
                   target_build_version.c_str(), target_icon_overlay_version.c_str());
}

void Service::LoadSourceVersion()
{
    const ustring path = GetUserHalvenorAppInstallPath() + "/Contents/Resources" + "/" + "INFO";
    if (!IsFileExist(path, false)) {
        Logger::LogMsg(Logger::LEVEL_INFO, kComponent,
                       "[INFO] cloud-service(%d): source does not exist\n", __LINE__);
        return;
    }
    ReadVersionRecord(path, source_major_version, source_minor_version, source_build_version,
                      source_icon_overlay_version);
    Logger::LogMsg(Logger::LEVEL_INFO, kComponent,
                   "[INFO] cloud-service(%d): source_version = (%s, %s, %s, %s)\n", __LINE__,
                   source_major_version.c_str(), source_minor_version.c_str(),
                   source_build_version.c_str(), source_icon_overlay_version.c_str());
}

int Service::ExtractPackage()
{
    const ustring package = GetRootHalvenorResourceInstallPath() + "/package/halvenor.vpk";
    const ustring dest = GetUserHalvenorAppInstallPath();
    if (FSMKDir(dest, true) < 0) {
        Logger::LogMsg(Logger::LEVEL_ERROR, kComponent,
                       "[ERROR] cloud-service(%d): failed to create folder: '%s'\n", __LINE__,
                       dest.c_str());
        return -1;
    }
    Logger::LogMsg(Logger::LEVEL_INFO, kComponent,
                   "[INFO] cloud-service(%d): extract package: '%s' -> '%s'\n", __LINE__,
                   package.c_str(), dest.c_str());
    Extractor extractor;
    extractor.dest_path = dest;
    extractor.src_path = package;
    return extractor.Extract();
}

int Service::PrepareUserEnv()
{
    const ustring copy = user_app_path;
    ustring backup;
    int n = 0;

    if (IsFileExist(copy, false)) {
        ustring tried;
        for (n = 0; n < kBackupNames; ++n) {
            tried = GetAppBackupDir(copy, n);
            if (FSRename(copy, tried, false) == 0) {
                backup = tried;
                break;
            }
            Logger::LogMsg(Logger::LEVEL_ERROR, kComponent,
                           "[ERROR] cloud-service(%d): failed to backup app from '%s' -> '%s'\n",
                           __LINE__, copy.c_str(), tried.c_str());
        }
        if (backup.empty()) {
            Logger::LogMsg(Logger::LEVEL_ERROR, kComponent,
                           "[ERROR] cloud-service(%d): failed to backup app from '%s' -> '%s' at "
                           "max retries, exiting\n",
                           __LINE__, copy.c_str(), tried.c_str());
            return -1;
        }
    }

    if (ExtractPackage() != 0) {
        if (backup.empty()) {
            Logger::LogMsg(Logger::LEVEL_ERROR, kComponent,
                           "[ERROR] cloud-service(%d): Failed to extract package, and no old "
                           "installation to rollback\n",
                           __LINE__);
            return -1;
        }
        Logger::LogMsg(
            Logger::LEVEL_ERROR, kComponent,
            "[ERROR] cloud-service(%d): Failed to extract package, rollback to old installation\n",
            __LINE__);
        FSRemove(copy, false);
        FSRename(backup, copy, false);
        return -1;
    }

    Logger::LogMsg(Logger::LEVEL_INFO, kComponent,
                   "[INFO] cloud-service(%d): user installation is ready, removing backup app\n",
                   __LINE__);
    // The lower numbers are leftovers that made the earlier renames fail.
    for (int k = 0; k <= n; ++k) {
        FSRemove(GetAppBackupDir(copy, k), false);
    }
    return 0;
}

void Service::RemoveAgedFolders()
{
    const ustring path = GetUserHalvenorInstallPath() + "/app";
    Logger::LogMsg(Logger::LEVEL_INFO, kComponent,
                   "[INFO] cloud-service(%d): removing aged app folder %s\n", __LINE__,
                   path.c_str());
    FSRemove(path, false);
}

int Service::FSCopyPath(const ustring& from, const ustring& to)
{
    Logger::LogMsg(Logger::LEVEL_DEBUG, kComponent,
                   "[DEBUG] cloud-service(%d): copy from '%s' to '%s'\n", __LINE__, from.c_str(),
                   to.c_str());

    _FILE_INFO_tag info;
    if (FSStat(from, info, false) < 0) {
        Logger::LogMsg(Logger::LEVEL_ERROR, kComponent,
                       "[ERROR] cloud-service(%d): FSCopyPath: failed to stat source '%s'\n",
                       __LINE__, from.c_str());
        return -1;
    }
    if (!info.exists) {
        Logger::LogMsg(Logger::LEVEL_ERROR, kComponent,
                       "[ERROR] cloud-service(%d): FSCopyPath: source path '%s' does not exist\n",
                       __LINE__, from.c_str());
        return -1;
    }
    if (CopiesOntoItself(from, to)) {
        Logger::LogMsg(Logger::LEVEL_ERROR, kComponent,
                       "[ERROR] cloud-service(%d): FSCopyPath: destination '%s' is the source "
                       "'%s' or lies inside it\n",
                       __LINE__, to.c_str(), from.c_str());
        return -1;
    }
    if (info.type != FILE_TYPE_DIRECTORY) {
        return FSCopy(from, to, false) < 0 ? -1 : 0;
    }

    if (FSMKDir(to, true) < 0) {
        Logger::LogMsg(Logger::LEVEL_ERROR, kComponent,
                       "[ERROR] cloud-service(%d): FSCopyPath: failed to create dest folder '%s'\n",
                       __LINE__, to.c_str());
        return -1;
    }

    DIR_HANDLE handle;
    if (FSOpenDir(from, 0, handle) < 0) {
        Logger::LogMsg(Logger::LEVEL_WARNING, kComponent,
                       "[WARNING] cloud-service(%d): FSCopyPath: failed to create handle  for src "
                       "'%s' failed\n",
                       __LINE__, from.c_str());
        return 0;
    }

    DIR_ENTRY entry;
    while (FSReadDir(handle, entry) == 1) {
        if (entry.name == "." || entry.name == "..") {
            continue;
        }
        const ustring childFrom = from + "/" + entry.name;
        const ustring childTo = to + "/" + entry.name;
        int type = entry.type;
        if (type == FILE_TYPE_NONE) {
            // Some file systems leave the kind out of the listing.
            _FILE_INFO_tag childInfo;
            if (FSStat(childFrom, childInfo, false) == 0 && childInfo.exists) {
                type = childInfo.type;
            }
        }
        const int result = type == FILE_TYPE_DIRECTORY ? FSCopyPath(childFrom, childTo)
                                                       : FSCopy(childFrom, childTo, false);
        if (result < 0) {
            Logger::LogMsg(Logger::LEVEL_ERROR, kComponent,
                           "[ERROR] cloud-service(%d): FSCopyPath: failed to copy from '%s' to "
                           "'%s'\n",
                           __LINE__, childFrom.c_str(), childTo.c_str());
            FSCloseDir(handle);
            return -1;
        }
    }
    FSCloseDir(handle);
    return 0;
}
