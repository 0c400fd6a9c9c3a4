#include "child.h"

#include "files.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <set>

#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace testutil {

namespace {

std::mutex g_ownMutex;
std::set<pid_t> g_own;

int CodeOf(int status)
{
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

} // namespace

Child::Child(const ChildOptions& options)
{
    std::vector<std::string> args = options.argv;
    const std::string exe = options.exe.empty() && !args.empty() ? args[0] : options.exe;
    if (args.empty()) {
        args.push_back(exe);
    }
    std::vector<char*> argv;
    for (std::string& a : args) {
        argv.push_back(&a[0]);
    }
    argv.push_back(nullptr);
    std::vector<std::string> envCopy = options.env.value_or(std::vector<std::string>());
    std::vector<char*> envp;
    for (std::string& e : envCopy) {
        envp.push_back(&e[0]);
    }
    envp.push_back(nullptr);
    char** const childEnv = options.env ? envp.data() : environ;

    int pipeFds[2] = {-1, -1};
    if (options.stdinPipe && pipe2(pipeFds, O_CLOEXEC) != 0) {
        return;
    }
    const int inFd = options.stdinPipe ? pipeFds[0] : open("/dev/null", O_RDONLY | O_CLOEXEC);
    const int outFd = open(options.outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const int errFd =
        options.errFile.empty()
            ? fcntl(outFd, F_DUPFD_CLOEXEC, 0)
            : open(options.errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const rlimit processes = {options.maxProcesses, options.maxProcesses};
    const rlimit fileSize = {options.maxFileSize, options.maxFileSize};
    const rlimit files = {options.maxOpenFiles, options.maxOpenFiles};

    // Registered before an orphan reaper can see it end.
    std::unique_lock<std::mutex> own(g_ownMutex);
    childPid = fork();
    if (childPid == 0) {
        // Only async-signal-safe calls from here on.
        if (dup2(inFd, 0) < 0 || dup2(outFd, 1) < 0 || dup2(errFd, 2) < 0 ||
            (!options.cwd.empty() && chdir(options.cwd.c_str()) != 0) ||
            (options.ownGroup && setpgid(0, 0) != 0) ||
            (options.maxProcesses != RLIM_INFINITY && setrlimit(RLIMIT_NPROC, &processes) != 0) ||
            (options.maxFileSize != RLIM_INFINITY && setrlimit(RLIMIT_FSIZE, &fileSize) != 0) ||
            (options.maxOpenFiles != RLIM_INFINITY && setrlimit(RLIMIT_NOFILE, &files) != 0) ||
            (options.gid != static_cast<gid_t>(-1) && setgid(options.gid) != 0) ||
            (options.uid != static_cast<uid_t>(-1) && setuid(options.uid) != 0)) {
            _exit(126);
        }
        execve(exe.c_str(), argv.data(), childEnv);
        _exit(127);
    }
    if (childPid > 0) {
        g_own.insert(childPid);
    }
    own.unlock();
    close(inFd);
    close(outFd);
    close(errFd);
    if (options.stdinPipe) {
        stdinFd = pipeFds[1];
    }
    if (childPid > 0) {
        reaper = std::thread([this] {
            int st = 0;
            while (waitpid(childPid, &st, 0) < 0 && errno == EINTR) {
            }
            {
                std::lock_guard<std::mutex> lock(g_ownMutex);
                g_own.erase(childPid);
            }
            std::lock_guard<std::mutex> lock(mutex);
            exitStatus = st;
            ended = std::chrono::steady_clock::now();
            done = true;
            changed.notify_all();
        });
    }
}

Child::~Child()
{
    CloseStdin();
    Signal(SIGKILL);
    if (reaper.joinable()) {
        reaper.join();
    }
}

bool Child::Wait(std::chrono::milliseconds timeout)
{
    bool finished;
    {
        std::unique_lock<std::mutex> lock(mutex);
        finished = changed.wait_for(lock, timeout, [this] { return done; });
    }
    // A finished but unjoined thread would be reported as leaked by a
    // ThreadSanitizer build in every process that the code under test forks.
    if (finished && reaper.joinable()) {
        reaper.join();
    }
    return finished;
}

int Child::status()
{
    std::lock_guard<std::mutex> lock(mutex);
    return exitStatus;
}

std::chrono::steady_clock::time_point Child::exitTime()
{
    std::lock_guard<std::mutex> lock(mutex);
    return ended;
}

int Child::ExitCode(std::chrono::milliseconds timeout)
{
    return Wait(timeout) ? CodeOf(status()) : -1;
}

void Child::Signal(int sig)
{
    if (childPid > 0 && !Wait(0ms)) {
        kill(childPid, sig);
    }
}

void Child::CloseStdin()
{
    if (stdinFd >= 0) {
        close(stdinFd);
        stdinFd = -1;
    }
}

std::string DescribeStatus(int status)
{
    if (WIFEXITED(status)) {
        return "exit " + std::to_string(WEXITSTATUS(status));
    }
    if (WIFSIGNALED(status)) {
        return "signal " + std::to_string(WTERMSIG(status));
    }
    return "status " + std::to_string(status);
}

bool RunResult::ExitedWith(int code) const
{
    return ended && WIFEXITED(status) && WEXITSTATUS(status) == code;
}

int RunResult::code() const
{
    return ended ? CodeOf(status) : -1;
}

RunResult Finish(Child& child, const ChildOptions& options, std::chrono::milliseconds timeout)
{
    RunResult result;
    if (!child.started()) {
        result.err = "cannot start " + (options.argv.empty() ? options.exe : options.argv[0]);
        return result;
    }
    result.ended = child.Wait(timeout);
    if (!result.ended) {
        child.Signal(SIGKILL);
        child.Wait(5s);
    }
    result.status = child.status();
    result.out = ReadFile(options.outFile);
    result.err = options.errFile.empty() ? "" : ReadFile(options.errFile);
    return result;
}

RunResult RunToEnd(const ChildOptions& options, std::chrono::milliseconds timeout)
{
    Child child(options);
    return Finish(child, options, timeout);
}

int RunForked(const std::function<int()>& fn)
{
    fflush(nullptr);
    // No exec: the child runs the test's own code.
    const pid_t pid = fork();
    if (pid == 0) {
        const int code = fn();
        fflush(nullptr);
        _exit(code);
    }
    int status = -1;
    while (pid > 0 && waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return status;
}

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(10ms);
    }
    return true;
}

bool Alive(pid_t pid)
{
    if (pid <= 0 || kill(pid, 0) != 0) {
        return false;
    }
    const std::string stat = ReadFile("/proc/" + std::to_string(pid) + "/stat");
    const size_t end = stat.rfind(')');
    return end == std::string::npos || stat.compare(end, 3, ") Z") != 0;
}

pid_t PidFromFile(const std::string& path)
{
    const std::string text = ReadFile(path);
    if (text.rfind("pid=", 0) != 0) {
        return -1;
    }
    return static_cast<pid_t>(std::atol(text.c_str() + 4));
}

OrphanReaper::OrphanReaper()
{
    if (prctl(PR_SET_CHILD_SUBREAPER, 1) != 0) {
        return;
    }
    thread = std::thread([this] {
        while (!stop) {
            siginfo_t info = {};
            if (waitid(P_ALL, 0, &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid > 0) {
                std::lock_guard<std::mutex> lock(g_ownMutex);
                if (g_own.count(info.si_pid) == 0) {
                    waitpid(info.si_pid, nullptr, WNOHANG);
                }
            }
            std::this_thread::sleep_for(5ms);
        }
    });
}

OrphanReaper::~OrphanReaper()
{
    stop = true;
    if (thread.joinable()) {
        thread.join();
        prctl(PR_SET_CHILD_SUBREAPER, 0);
    }
}

} // namespace testutil
