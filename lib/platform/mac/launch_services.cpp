#include "platform/launch_services.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStringList>
#include <QUrl>

namespace LaunchServices {

// Paths on macOS are UTF-8.
int UnregisterBundle(const std::string& path)
{
    QProcess tool;
    tool.setProcessChannelMode(QProcess::ForwardedChannels);
    tool.start(QStringLiteral("/System/Library/Frameworks/CoreServices.framework/Frameworks/"
                              "LaunchServices.framework/Support/lsregister"),
               QStringList{QStringLiteral("-u"), QString::fromStdString(path)});
    if (!tool.waitForStarted()) {
        return -2;
    }
    // A hung tool must not hold back the client's start.
    if (!tool.waitForFinished(kUnregisterTimeoutMs)) {
        tool.kill();
        tool.waitForFinished();
        return kUnregisterTimedOut;
    }
    return tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
}

bool OpenBundle(const std::string& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

} // namespace LaunchServices
