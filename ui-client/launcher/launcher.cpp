#include "launcher.h"

#include "cloud-service.h"
#include "log.h"
#include "mac/mac-service.h"
#include "notify_adapter.h"
#include "progress_dialog.h"
#include "str_table.h"
#include "user_folder_lock.h"

#include <QCoreApplication>

#include <chrono>

#if defined(__SANITIZE_THREAD__)
#include <sanitizer/tsan_interface.h>
#endif

namespace {

// Long enough for any real upgrade by another bundle's launcher; short
// enough that a lock held for good does not keep the client from starting.
const std::chrono::seconds kUserFolderWait(60);

// Qt 5 is not built with ThreadSanitizer, so the ordering that
// QThread::wait() gives (everything the handler thread did happens before
// wait() returns) is invisible to it; these two calls state that edge.
void ThreadDoneRelease(void* thread)
{
#if defined(__SANITIZE_THREAD__)
    __tsan_release(thread);
#else
    (void)thread;
#endif
}

void ThreadDoneAcquire(void* thread)
{
#if defined(__SANITIZE_THREAD__)
    __tsan_acquire(thread);
#else
    (void)thread;
#endif
}

} // namespace

void HandlerThread::run()
{
    exec();
    ThreadDoneRelease(this);
}

Worker::Worker() : QObject(nullptr)
{
    service = new MacService();
    thread = new HandlerThread();
    moveToThread(thread);
}

Worker::~Worker()
{
    // Normally joined by LaunchDone already; a thread object destroyed while
    // its thread still runs would abort the process.
    QuitThread();
    JoinThread();
    delete thread;
    delete service;
}

bool Worker::StartThread()
{
    thread->start(QThread::InheritPriority);
    // QThread::start only warns when the system refuses a thread.
    return thread->isRunning();
}

void Worker::QuitThread()
{
    thread->quit();
}

void Worker::JoinThread()
{
    thread->wait();
    ThreadDoneAcquire(thread);
}

void Worker::HandleServicce()
{
    // 86, not __LINE__: the number this line has always carried; leave it so.
    Logger::LogMsg(Logger::LEVEL_DEBUG, "launcher_debug", "[DEBUG] launcher(%d): running\n", 86);

    // Held until the client is launched: another bundle's launcher finds the
    // copy complete and up to date afterwards.
    const UserFolderLock userFolder(Service::GetUserHalvenorInstallPath(), kUserFolderWait, [] {
        Logger::LogMsg(Logger::LEVEL_INFO, "launcher_debug",
                       "[INFO] launcher(%d): another launcher is updating the per-user copy, "
                       "waiting for it\n",
                       __LINE__);
    });
    if (userFolder.state() == UserFolderLock::State::TimedOut) {
        // Never two upgrades at once; PostUpgrade starts only a complete copy.
        Logger::LogMsg(Logger::LEVEL_ERROR, "launcher_debug",
                       "[ERROR] launcher(%d): the per-user copy stayed locked by another "
                       "launcher for %d seconds, not upgrading\n",
                       __LINE__, static_cast<int>(kUserFolderWait.count()));
        service->PostUpgrade();
        // 114, not __LINE__: the number this line has always carried; leave it so.
        Logger::LogMsg(Logger::LEVEL_DEBUG, "launcher_debug", "[DEBUG] launcher(%d): done\n", 114);
        emit sigServiceDone();
        return;
    }
    if (userFolder.state() == UserFolderLock::State::Unavailable) {
        Logger::LogMsg(Logger::LEVEL_WARNING, "launcher_debug",
                       "[WARNING] launcher(%d): cannot lock the per-user folder, going on "
                       "unserialised: %s\n",
                       __LINE__, LogSafe(userFolder.why()).c_str());
    }

    service->PreUpgrade();
    if (service->IsNeedUpgrade()) {
        emit sigShowMsg();
        if (service->HandlePackageUpgrade() == 0) {
            emit sigUpdateProgress(100, 100);
            emit sigSetLabelText(StrTable::LoadStr(107));
        } else {
            // 98, not __LINE__: the number this line has always carried; leave it so.
            Logger::LogMsg(Logger::LEVEL_ERROR, "launcher_debug",
                           "[ERROR] launcher(%d): Failed to upgrade package\n", 98);
        }
    } else {
        // 91, not __LINE__: the number this line has always carried; leave it so.
        Logger::LogMsg(Logger::LEVEL_DEBUG, "launcher_debug",
                       "[DEBUG] launcher(%d): no need to upgrade\n", 91);
    }

    service->RemoveAgedFolders();
    service->PostUpgrade();

    // 114, not __LINE__: the number this line has always carried; leave it so.
    Logger::LogMsg(Logger::LEVEL_DEBUG, "launcher_debug", "[DEBUG] launcher(%d): done\n", 114);
    emit sigServiceDone();
}

Launcher::Launcher() : QObject(nullptr)
{
    worker = new Worker();

    Notify_Adapter* relay = Notify_Adapter::GetInstance();
    connect(this, &Launcher::sigStart, worker, &Worker::HandleServicce);
    connect(worker, &Worker::sigShowMsg, this, &Launcher::ShowMsgBox);
    connect(worker, &Worker::sigServiceDone, this, &Launcher::LaunchDone);
    connect(worker, &Worker::sigUpdateProgress, this, &Launcher::UpdateProgress);
    connect(worker, &Worker::sigSetLabelText, this, &Launcher::SetLabelText);
    // Direct: the extractor reports every entry, thousands a package, and
    // each queued report would wake this thread for a bar that moves a
    // hundred times. Every emitter has ended before the Launcher goes.
    connect(relay, &Notify_Adapter::sigUpdateProgress, this, &Launcher::RelayProgress,
            Qt::DirectConnection);
    connect(relay, &Notify_Adapter::sigUpdateDialogText, this, &Launcher::SetLabelText);
}

Launcher::~Launcher()
{
    delete worker;
    delete dialog;
}

bool Launcher::Run()
{
    return worker->StartThread();
}

void Launcher::RunHere()
{
    worker->HandleServicce();
}

void Launcher::Start()
{
    emit sigStart();
}

ProcessingProgressDialog* Launcher::Dialog()
{
    // Built on first use: most runs need no upgrade and never show it, and
    // its style sheet, font and icon are a good part of a start-up's cost.
    if (!dialog) {
        dialog = new ProcessingProgressDialog();
        dialog->setCancelButton(nullptr);
        dialog->setAutoReset(false);
    }
    return dialog;
}

void Launcher::ShowMsgBox()
{
    // Busy until the first report: stopping the client and counting the
    // package's entries take a while that nobody can tell in advance.
    Dialog()->setRange(0, 0);
    dialog->show();
}

void Launcher::SetLabelText(const QString& text)
{
    Dialog()->setLabelText(text);
}

namespace {

int Percent(int total, int steps)
{
    // 64-bit so that huge entry counts cannot overflow the product.
    return static_cast<int>(static_cast<qint64>(steps) * 100 / total);
}

} // namespace

void Launcher::RelayProgress(int total, int steps)
{
    if (total < 1) {
        return;
    }
    const int percent = Percent(total, steps);
    if (relayedPercent.exchange(percent) != percent) {
        QMetaObject::invokeMethod(
            this, [this, total, steps] { UpdateProgress(total, steps); }, Qt::QueuedConnection);
    }
}

void Launcher::UpdateProgress(int total, int steps)
{
    // No report carries a total below 1; one that did would divide by zero.
    if (total < 1) {
        return;
    }
    if (Dialog()->maximum() != 100) {
        dialog->setRange(0, 100);
    }
    dialog->setValue(Percent(total, steps));
}

void Launcher::LaunchDone()
{
    if (dialog) {
        dialog->setValue(100);
        dialog->hide();
    }
    worker->QuitThread();
    worker->JoinThread();
    QCoreApplication::quit();
}
