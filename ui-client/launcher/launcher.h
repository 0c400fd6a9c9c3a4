#pragma once

#include <QObject>
#include <QString>
#include <QThread>

#include <atomic>

class ProcessingProgressDialog;
class Service;

// The thread the Worker lives on: an event loop and nothing else.
class HandlerThread : public QThread
{
protected:
    void run() override;
};

// Runs the whole upgrade flow on its own thread; talks to the GUI only
// through its signals.
class Worker : public QObject
{
    Q_OBJECT

public:
    Worker();
    ~Worker() override;

    // False when the system refused the thread (process or memory limits).
    bool StartThread();
    void QuitThread();
    void JoinThread();

Q_SIGNALS:
    void sigServiceDone();
    void sigShowMsg();
    void sigUpdateProgress(int total, int steps);
    void sigSetLabelText(const QString& text);

private Q_SLOTS:
    // Handler thread; blocks it for the whole upgrade (up to seconds while
    // the client is stopped and the package extracted).
    void HandleServicce();

private:
    // The Launcher wires sigStart to the private slot.
    friend class Launcher;

    HandlerThread* thread;
    Service* service;
};

// GUI-thread side of a run: owns the worker and the dialog, feeds the dialog
// from the worker's and the relay's signals and ends the application. The
// dialog exists only once an upgrade asks for it.
class Launcher : public QObject
{
    Q_OBJECT

public:
    Launcher();
    ~Launcher() override;

    // Starts the handler thread; false when it could not be started.
    bool Run();
    // The whole flow on the calling thread, for when no thread can be had;
    // the dialog then shows nothing while it runs.
    void RunHere();
    void Start();

Q_SIGNALS:
    void sigStart();

private Q_SLOTS:
    void LaunchDone();
    void UpdateProgress(int total, int steps);
    void SetLabelText(const QString& text);
    void ShowMsgBox();

private:
    ProcessingProgressDialog* Dialog();
    // Reporting thread: passes a report on only when the bar would move.
    void RelayProgress(int total, int steps);

    Worker* worker;
    ProcessingProgressDialog* dialog = nullptr;
    // The percentage of the last report passed on, -1 before the first.
    std::atomic<int> relayedPercent{-1};
};
