#include "qtsingleapplication.h"

#include "user_folder_lock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <chrono>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Group- or world-writable folders, or ones owned by somebody else, would let
// another user plant or delete the guard file.
bool IsPrivateFolder(const QString& path)
{
    if (path.isEmpty() || !QDir::isAbsolutePath(path)) {
        return false;
    }
    struct stat st;
    if (lstat(QFile::encodeName(path).constData(), &st) != 0) {
        return false;
    }
    return S_ISDIR(st.st_mode) && st.st_uid == getuid() && (st.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

} // namespace

QtSingleApplication::QtSingleApplication(int& argc, char** argv, bool /*guiEnabled*/)
    : QApplication(argc, argv)
{
}

QtSingleApplication::~QtSingleApplication()
{
    releaseGuard();
}

bool QtSingleApplication::isRunning()
{
    using State = FileLock::State;
    if (guard && guard->state() == State::Held) {
        return false;
    }
    if (guardPath.isEmpty()) {
        const QString folder = guardFolder();
        if (folder.isEmpty()) {
            return false;
        }
        guardPath = folder + QLatin1Char('/') +
                    guardFileName(QCoreApplication::applicationFilePath(), getuid());
    }
    guard = std::make_unique<FileLock>(QFile::encodeName(guardPath).constData(),
                                       std::chrono::milliseconds(0));
    // Only a lock held by another process means another instance; any other
    // failure leaves this one unguarded rather than refused.
    return guard->state() == State::TimedOut;
}

void QtSingleApplication::releaseGuard()
{
    if (guard) {
        // Removed, so that the folder holds no guard of a launcher that ended.
        guard->ReleaseAndRemove();
        guard.reset();
    }
}

QString QtSingleApplication::guardFileName(const QString& executablePath, uint uid)
{
    QString path = QFileInfo(executablePath).canonicalFilePath();
    if (path.isEmpty()) {
        path = QDir::cleanPath(QFileInfo(executablePath).absoluteFilePath());
    }
    const QByteArray key = path.toUtf8() + '\0' + QByteArray::number(uid);
    const QByteArray hash = QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex();
    return QStringLiteral("halvenor-launcher-") + QString::fromLatin1(hash.left(32)) +
           QStringLiteral(".lock");
}

QString QtSingleApplication::guardFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (IsPrivateFolder(runtime)) {
        return runtime;
    }
    const QString fallback =
        QDir::tempPath() + QStringLiteral("/halvenor-") + QString::number(getuid());
    if (mkdir(QFile::encodeName(fallback).constData(), 0700) != 0 && errno != EEXIST) {
        return QString();
    }
    return IsPrivateFolder(fallback) ? fallback : QString();
}
