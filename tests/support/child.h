#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <initializer_list>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <sys/resource.h>
#include <sys/types.h>

namespace testutil {

using namespace std::chrono_literals;

struct ChildOptions
{
    ChildOptions() = default;
    ChildOptions(std::initializer_list<std::string> args) : argv(args) {}

    std::vector<std::string> argv; // argv[0] included
    std::string exe;               // the file to execute when not argv[0]
    // The whole environment; this process's when unset.
    std::optional<std::vector<std::string>> env;
    std::string cwd;
    std::string outFile = "/dev/null";
    std::string errFile = "/dev/null"; // "" sends it where the output goes
    bool stdinPipe = false;            // else /dev/null
    uid_t uid = static_cast<uid_t>(-1);
    gid_t gid = static_cast<gid_t>(-1);
    rlim_t maxProcesses = RLIM_INFINITY; // of the child's user, threads included
    rlim_t maxFileSize = RLIM_INFINITY;  // bytes
    rlim_t maxOpenFiles = RLIM_INFINITY; // descriptors, the child's own
    bool ownGroup = false;               // leads a new process group
};

// A child process reaped by a thread of its own as soon as it ends, so that
// a dead child never lingers as a zombie that kill(pid, 0) still finds.
// Killed with SIGKILL if it still runs when the object goes.
class Child
{
public:
    explicit Child(const ChildOptions& options);
    ~Child();
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    bool started() const { return childPid > 0; }
    pid_t pid() const { return childPid; }

    // True when the child has ended within the timeout.
    bool Wait(std::chrono::milliseconds timeout);
    // The raw wait status and the moment of the end; valid once Wait is true.
    int status();
    std::chrono::steady_clock::time_point exitTime();
    // The exit code, 128 + the signal that ended it, or -1 while it runs
    // after the timeout.
    int ExitCode(std::chrono::milliseconds timeout);

    void Signal(int sig);
    void CloseStdin();

private:
    pid_t childPid = -1;
    int stdinFd = -1;
    std::thread reaper;
    std::mutex mutex;
    std::condition_variable changed;
    bool done = false;
    int exitStatus = 0;
    std::chrono::steady_clock::time_point ended;
};

std::string DescribeStatus(int status);

struct RunResult
{
    bool ended = false;
    int status = 0; // raw wait status, once ended
    std::string out;
    std::string err;
    bool ExitedWith(int code) const;
    // The exit code, 128 + signal, or -1 when it did not end.
    int code() const;
};

// Waits for the child's end (killing it after the timeout) and reads what it
// wrote to its output files.
RunResult Finish(Child& child, const ChildOptions& options,
                 std::chrono::milliseconds timeout = 120s);
// Runs a program to its end: Finish on a new child.
RunResult RunToEnd(const ChildOptions& options, std::chrono::milliseconds timeout = 120s);

// Runs fn in a forked copy of this process and gives the wait status, fn's
// result being the exit code: for code that must run as another user or in
// another process group or namespace, where no program could do it.
int RunForked(const std::function<int()>& fn);

// Polls condition every 10 ms until it holds or the timeout passes.
bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout);

// Running and not a zombie that nobody has reaped yet.
bool Alive(pid_t pid);

// The pid in a pid file of the form "pid=<n>\n"; -1 when absent or malformed.
pid_t PidFromFile(const std::string& path);

// While an OrphanReaper lives, this process adopts the orphans of its
// descendants and reaps them as they end, as a desktop's init would; some
// containers' init does not, and the zombie would still answer kill(pid, 0)
// as if it ran. Children of Child objects stay theirs.
class OrphanReaper
{
public:
    OrphanReaper();
    ~OrphanReaper();
    OrphanReaper(const OrphanReaper&) = delete;
    OrphanReaper& operator=(const OrphanReaper&) = delete;

private:
    std::atomic<bool> stop{false};
    std::thread thread;
};

} // namespace testutil
