#include "qtsingleapplication.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

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
    : QApplication(argc, argv), guard(nullptr)
{
}

QtSingleApplication::~QtSingleApplication()
{
    delete guard; // unlocks
}

bool QtSingleApplication::isRunning()
{
    if (guard != nullptr && guard->isLocked()) {
        return false;
    }
    if (guard == nullptr) {
        const QString folder = guardFolder();
        if (folder.isEmpty()) {
            return false;
        }
        guard = new QLockFile(folder + QLatin1Char('/') +
                              guardFileName(QCoreApplication::applicationFilePath(), getuid()));
        // Never stale by age: only a dead owner frees the guard.
        guard->setStaleLockTime(0);
    }
    if (guard->tryLock(0)) {
        return false;
    }
    // Only a lock held by a live process means another instance; any other
    // failure leaves this one unguarded rather than refused.
    return guard->error() == QLockFile::LockFailedError;
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
