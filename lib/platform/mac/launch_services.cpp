#include "platform/launch_services.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStringList>
#include <QUrl>

namespace LaunchServices {

// Paths on macOS are UTF-8.
int UnregisterBundle(const std::string& path)
{
    // Waits for the tool without a time limit.
    return QProcess::execute(QStringLiteral("/System/Library/Frameworks/CoreServices.framework/"
                                            "Frameworks/LaunchServices.framework/Support/"
                                            "lsregister"),
                             QStringList{QStringLiteral("-u"), QString::fromStdString(path)});
}

bool OpenBundle(const std::string& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

} // namespace LaunchServices
