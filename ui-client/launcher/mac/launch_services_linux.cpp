#include "mac/launch_services.h"

#include <QByteArray>
#include <QFile>

#include <spawn.h>
#include <sys/types.h>

extern char** environ;

namespace LaunchServices {

// There is no bundle registry to clean.
int UnregisterBundle(const QString&)
{
    return 0;
}

// Without a desktop that knows bundles, start the bundle's UI executable in a
// session of its own, so that it outlives the launcher. posix_spawn rather
// than a fork: the launcher has other threads, and a forked child that
// allocates before exec can deadlock on a lock one of them held.
bool OpenBundle(const QString& path)
{
    const QByteArray exe =
        QFile::encodeName(path + QStringLiteral("/Contents/MacOS/halvenor-drive-ui"));
    char* const argv[] = {const_cast<char*>(exe.constData()), nullptr};

    posix_spawnattr_t attr;
    if (posix_spawnattr_init(&attr) != 0) {
        return false;
    }
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSID);
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, exe.constData(), nullptr, &attr, argv, environ);
    posix_spawnattr_destroy(&attr);
    return rc == 0;
}

} // namespace LaunchServices
