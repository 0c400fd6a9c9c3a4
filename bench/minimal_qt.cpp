// The floor that the launcher's start-up is measured against: the least a Qt Widgets program
// with the launcher's shape does before it can quit (application object, a hidden progress
// dialog, one INI file read, one turn of the event loop).
//
//   minimal_qt <ini-file>

#include <QApplication>
#include <QProgressDialog>
#include <QSettings>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: minimal_qt <ini-file>\n");
        return 2;
    }
    const QString iniPath = QString::fromLocal8Bit(argv[1]);
    QApplication app(argc, argv);
    QProgressDialog dialog;
    dialog.setRange(0, 100);
    dialog.hide();

    QSettings ini(iniPath, QSettings::IniFormat);
    ini.beginGroup("Version");
    // Printed so that the read cannot be optimised away and a wrong file shows.
    const QString build = ini.value("build_version").toString();
    if (build.isEmpty()) {
        fprintf(stderr, "minimal_qt: no build_version in %s\n", argv[1]);
        return 1;
    }
    printf("build_version=%s\n", qPrintable(build));

    // One turn of the event loop, as the launcher's run has.
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
