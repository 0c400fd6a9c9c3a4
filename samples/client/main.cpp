// The sample client user interface that the demo bundle ships: it stands in for the real
// client so that the launcher's whole story (install, launch, stop, upgrade) can be watched.
//
// It keeps running until SIGTERM or SIGINT, writes ~/.Halvenor/ui.pid while it runs and
// appends one line per event to ~/.Halvenor/ui-launched.log. Like a real desktop client it
// runs once per user: a second start finds the first one holding ~/.Halvenor/ui.lock,
// notes it and exits. With HALVENOR_SAMPLE_IGNORE_TERM set it ignores SIGTERM, the way a hung
// client would, so the launcher's forced kill can be observed.

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QSettings>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

int g_signalPipe[2] = {-1, -1};

void onStopSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    // A full pipe already holds a pending stop request, so a failed write loses nothing.
    if (write(g_signalPipe[1], &byte, 1) < 0) {
    }
    errno = saved;
}

QString nowText()
{
    return QDateTime::currentDateTime().toString(Qt::ISODate);
}

void appendEvent(const QString& userDir, const QString& line)
{
    QFile log(userDir + "/ui-launched.log");
    if (!log.open(QIODevice::Append | QIODevice::Text)) {
        fprintf(stderr, "halvenor-drive-ui: cannot write %s\n", qPrintable(log.fileName()));
        return;
    }
    log.write(line.toUtf8() + '\n');
}

// Written under a temporary name and renamed so that the launcher never reads half a file.
bool writePidFile(const QString& path, qint64 pid)
{
    const QString tmp = path + ".tmp";
    QFile file(tmp);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    const QByteArray text = "pid=" + QByteArray::number(pid) + "\n";
    const bool written = file.write(text) == text.size();
    file.close();
    if (!written ||
        rename(QFile::encodeName(tmp).constData(), QFile::encodeName(path).constData())) {
        QFile::remove(tmp);
        return false;
    }
    return true;
}

QString readPidFile(const QString& path)
{
    QSettings pidFile(path, QSettings::IniFormat);
    return pidFile.value("pid").toString();
}

// A file another process wrote later than our start is not ours to remove.
void removeOwnPidFile(const QString& path, qint64 pid)
{
    if (readPidFile(path) == QString::number(pid)) {
        QFile::remove(path);
    }
}

QString executableDir(const char* argv0)
{
    const QString self = QFile::symLinkTarget("/proc/self/exe");
    return QFileInfo(self.isEmpty() ? QString::fromLocal8Bit(argv0) : self).absolutePath();
}

bool headless()
{
    return qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
           qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char** argv)
{
    if (headless()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const bool ignoreTerm = !qEnvironmentVariableIsEmpty("HALVENOR_SAMPLE_IGNORE_TERM");

    // Handlers go in before anything else so that a stop request during start-up is kept.
    if (pipe2(g_signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        perror("halvenor-drive-ui: pipe");
        return 1;
    }
    struct sigaction action = {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    if (ignoreTerm) {
        signal(SIGTERM, SIG_IGN);
    } else {
        sigaction(SIGTERM, &action, nullptr);
    }

    const QString userDir = QDir::homePath() + "/.Halvenor";
    const QString pidPath = userDir + "/ui.pid";
    const qint64 pid = getpid();

    QSettings info(executableDir(argv[0]) + "/../Resources/INFO", QSettings::IniFormat);
    info.beginGroup("Version");
    const QString build = info.value("build_version", "unknown").toString();
    const QString version = info.value("major_version", "?").toString() + "." +
                            info.value("minor_version", "?").toString() + "." + build;

    if (!QDir().mkpath(userDir)) {
        fprintf(stderr, "halvenor-drive-ui: cannot create %s\n", qPrintable(userDir));
        return 1;
    }

    // The lock, unlike the pid file, vanishes with its holder even after SIGKILL. It is taken
    // before the application object exists, so a second start costs next to nothing.
    const QByteArray lockPath = QFile::encodeName(userDir + "/ui.lock");
    const int lockFd = open(lockPath.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (lockFd < 0) {
        perror("halvenor-drive-ui: ui.lock");
        return 1;
    }
    if (flock(lockFd, LOCK_EX | LOCK_NB) != 0) {
        const QString running = readPidFile(pidPath);
        printf("halvenor-drive-ui: already running (pid %s); version %s not started\n",
               qPrintable(running), qPrintable(build));
        fflush(stdout);
        appendEvent(userDir, "already-running " + nowText() + " version " + build +
                                 " running-pid " + running);
        return 0;
    }

    QApplication app(argc, argv);
    if (!writePidFile(pidPath, pid)) {
        fprintf(stderr, "halvenor-drive-ui: cannot write %s\n", qPrintable(pidPath));
        return 1;
    }
    appendEvent(userDir,
                "launched " + nowText() + " version " + build + " pid " + QString::number(pid));
    printf("halvenor-drive-ui: launched, version %s, pid %lld%s\n", qPrintable(version),
           static_cast<long long>(pid), ignoreTerm ? ", ignoring SIGTERM" : "");
    fflush(stdout);

    QSocketNotifier stopNotifier(g_signalPipe[0], QSocketNotifier::Read);
    QObject::connect(&stopNotifier, &QSocketNotifier::activated, &app, [&app]() {
        char byte;
        while (read(g_signalPipe[0], &byte, 1) > 0) {
        }
        app.quit();
    });

    QLabel window(
        QString("Halvenor Drive sample client\nversion %1\npid %2").arg(version).arg(pid));
    const QString platform = QGuiApplication::platformName();
    if (platform != "offscreen" && platform != "minimal") {
        window.setWindowTitle("Halvenor Drive sample client");
        window.setMargin(24);
        window.show();
    }

    const int rc = app.exec();
    removeOwnPidFile(pidPath, pid);
    appendEvent(userDir,
                "stopped " + nowText() + " version " + build + " pid " + QString::number(pid));
    printf("halvenor-drive-ui: stopped, version %s, pid %lld\n", qPrintable(version),
           static_cast<long long>(pid));
    return rc;
}
