#include "mac/launch_services.h"

#include <QProcess>
#include <QStringList>

namespace LaunchServices {

// There is no bundle registry to clean.
int UnregisterBundle(const QString&)
{
    return 0;
}

// Without a desktop that knows bundles, start the bundle's UI executable,
// detached so that it outlives the launcher.
bool OpenBundle(const QString& path)
{
    return QProcess::startDetached(path + QStringLiteral("/Contents/MacOS/halvenor-drive-ui"),
                                   QStringList());
}

} // namespace LaunchServices
