#pragma once

#include <QApplication>
#include <QString>

#include <memory>

class FileLock;

// A QApplication that knows whether another process of the same executable
// (canonical path) run by the same user is already running. The guard is an
// flock on a file in a folder private to the user, which the kernel releases
// when its holder dies: a crashed holder never blocks later starts.
class QtSingleApplication : public QApplication
{
    Q_OBJECT

public:
    // A Qt 5 QApplication always has a graphical user interface, so
    // guiEnabled is accepted for the classic signature and not consulted.
    QtSingleApplication(int& argc, char** argv, bool guiEnabled = true);
    ~QtSingleApplication() override;

    // True while another instance holds the guard. The first call that finds
    // the guard free takes it for the lifetime of this object. When no
    // private folder for the guard exists the answer is false: a broken
    // guard must not keep the user from starting the client.
    bool isRunning();

    // Name of the guard file for an executable path and a user id: the same
    // for every path that resolves to the same file.
    static QString guardFileName(const QString& executablePath, uint uid);

    // A folder that only the current user can write to: $XDG_RUNTIME_DIR
    // when it qualifies, else <temp>/halvenor-<uid>, created with mode 0700.
    // Empty when neither qualifies.
    static QString guardFolder();

    // Gives the guard up now rather than with the object, removing its file.
    void releaseGuard();

private:
    std::unique_ptr<FileLock> guard;
    QString guardPath;
};
