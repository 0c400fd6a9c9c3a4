#include "mac/launch_services.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStringList>
#include <QUrl>

namespace LaunchServices {

int UnregisterBundle(const QString& path)
{
    // Waits for the tool without a time limit.
    return QProcess::execute(QStringLiteral("/System/Library/Frameworks/CoreServices.framework/"
                                            "Frameworks/LaunchServices.framework/Support/"
                                            "lsregister"),
                             QStringList{QStringLiteral("-u"), path});
}

bool OpenBundle(const QString& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace LaunchServices
