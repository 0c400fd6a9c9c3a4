// One launcher run of the upgrade service without the launcher's UI: the
// calls the worker makes, in its order. Run it from <bundle>/Contents/MacOS
// with HOME pointing at the user's home; it logs to
// ~/.Halvenor/log/launcher.log with the levels of <bundle>/log/launcher.debug.
// Exit status 0, or 3 when the upgrade failed.

#include "cloud-service.h"
#include "log.h"
#include "mac/mac-service.h"
#include "str_table.h"

#include <QCoreApplication>
#include <QDir>
#include <QString>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const ustring logFolder = Service::GetUserHalvenorInstallPath() + "/log";
    if (QDir().mkpath(QString::fromUtf8(logFolder.c_str_utf8()))) {
        Logger::Initialize(Logger::TYPE_FILE, logFolder + "/launcher.log",
                           Service::GetRootHalvenorInstallPath() + "/log/launcher.debug", 50);
    }
    StrTable::InitStrTable();

    int status = 0;
    MacService* service = new MacService();
    service->PreUpgrade();
    if (service->IsNeedUpgrade()) {
        if (service->HandlePackageUpgrade() != 0) {
            Logger::LogMsg(Logger::LEVEL_ERROR, "launcher_debug",
                           "[ERROR] upgrade_driver(%d): Failed to upgrade package\n", __LINE__);
            status = 3;
        }
    }
    service->RemoveAgedFolders();
    service->PostUpgrade();
    delete service;
    Logger::Destroy();
    return status;
}
