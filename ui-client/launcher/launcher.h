#pragma once

#include <QObject>
#include <QString>
#include <QThread>

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

    Worker* worker;
    ProcessingProgressDialog* dialog = nullptr;
};
