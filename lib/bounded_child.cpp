#include "bounded_child.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <memory>
#include <mutex>
#include <new>
#include <system_error>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#if defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define HALVENOR_SANITIZED 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define HALVENOR_SANITIZED 1
#endif

namespace BoundedChild {
namespace {

using Clock = std::chrono::steady_clock;

const int kExitFailed = 1;
const int kExitNoMemory = 2;
// Far below a pipe's buffer, so the child never waits for the parent to read.
const size_t kMaxWhy = 1024;

std::string Text(const char* format, double value)
{
    char text[128];
    snprintf(text, sizeof(text), format, value);
    return text;
}

std::string LateText(const Limits& limits)
{
    return Text("it did not end within %g s", limits.milliseconds / 1000.0);
}

[[noreturn]] void RunChild(const std::function<int(std::string&)>& work, const Limits& limits,
                           int out)
{
    // Ends the child even when the parent dies before the deadline.
    const rlim_t seconds = static_cast<rlim_t>(limits.milliseconds / 1000 + 2);
    const rlimit cpu = {seconds, seconds + 1};
    setrlimit(RLIMIT_CPU, &cpu);
    if (MemoryCapped()) {
        // Writable memory, not address space: the libraries and reserved
        // heaps already mapped would eat into an address-space cap.
        const rlimit data = {limits.bytes, limits.bytes};
        setrlimit(RLIMIT_DATA, &data);
    }
    std::set_new_handler([] { _exit(kExitNoMemory); });
    std::string why;
    const int result = work(why);
    why.resize(std::min(why.size(), kMaxWhy));
    if (write(out, why.data(), why.size()) < 0) {
        _exit(kExitFailed);
    }
    _exit(result == 0 ? 0 : result == ENOMEM ? kExitNoMemory : kExitFailed);
}

#if defined(HALVENOR_SANITIZED)
// The sanitizers' allocators are not safe in a child forked from a threaded
// process: the child may wait for good on a lock that another thread held at
// the fork. Their builds run the work on a thread instead, bounded in time
// only; a thread past its deadline is left to run on its own copy of work.
Verdict RunOnThread(const std::function<int(std::string&)>& work, const Limits& limits,
                    std::string& why)
{
    struct Outcome
    {
        std::mutex lock;
        std::condition_variable ended;
        bool done = false;
        int result = 0;
        std::string why;
    };
    const auto outcome = std::make_shared<Outcome>();
    try {
        std::thread([outcome, work] {
            std::string reason;
            const int result = work(reason);
            const std::lock_guard<std::mutex> hold(outcome->lock);
            outcome->result = result;
            outcome->why = reason;
            outcome->done = true;
            outcome->ended.notify_all();
        }).detach();
    } catch (const std::system_error& error) {
        why = std::string("cannot start a thread: ") + error.what();
        return kNotStarted;
    }
    std::unique_lock<std::mutex> hold(outcome->lock);
    if (!outcome->ended.wait_for(hold, std::chrono::milliseconds(limits.milliseconds),
                                 [&outcome] { return outcome->done; })) {
        why = LateText(limits);
        return kTimedOut;
    }
    if (outcome->result == 0) {
        return kOk;
    }
    if (outcome->result == ENOMEM) {
        why = "it ran out of memory";
        return kOutOfMemory;
    }
    why = outcome->why.empty() ? "it failed" : outcome->why;
    return kFailed;
}
#endif

} // namespace

bool MemoryCapped()
{
#if defined(HALVENOR_SANITIZED) || defined(__APPLE__)
    return false;
#else
    return true;
#endif
}

Verdict Run(const std::function<int(std::string& why)>& work, const Limits& limits,
            std::string& why)
{
#if defined(HALVENOR_SANITIZED)
    return RunOnThread(work, limits, why);
#endif
    int fds[2];
    if (pipe(fds) != 0) {
        why = std::string("cannot create a pipe: ") + strerror(errno);
        return kNotStarted;
    }
    // A program that another thread starts meanwhile would keep the write end
    // open; the end of the child is therefore learnt from waitpid, not EOF.
    fcntl(fds[0], F_SETFD, FD_CLOEXEC);
    fcntl(fds[1], F_SETFD, FD_CLOEXEC);
    fcntl(fds[0], F_SETFL, O_NONBLOCK);
    const Clock::time_point deadline =
        Clock::now() + std::chrono::milliseconds(limits.milliseconds);
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        RunChild(work, limits, fds[1]);
    }
    const int forkError = errno;
    close(fds[1]);
    if (pid < 0) {
        close(fds[0]);
        why = std::string("cannot start a process: ") + strerror(forkError);
        return kNotStarted;
    }

    std::string text;
    const auto readSome = [&] {
        char buffer[256];
        const ssize_t n = read(fds[0], buffer, sizeof(buffer));
        if (n > 0 && text.size() < kMaxWhy) {
            text.append(buffer, static_cast<size_t>(n));
        }
        return n;
    };
    pollfd reader = {fds[0], POLLIN, 0};
    int status = 0;
    bool reaped = false;
    bool late = false;
    for (;;) {
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid || (done < 0 && errno != EINTR)) {
            reaped = done == pid;
            break;
        }
        const long long left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) {
            kill(pid, SIGKILL);
            while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
            }
            late = true;
            break;
        }
        // The child writes its reason right before it ends, which wakes this.
        const int timeout = static_cast<int>(std::min(left, reader.fd < 0 ? 1LL : 10LL));
        if (poll(&reader, 1, timeout) > 0 && readSome() == 0) {
            reader.fd = -1;
        }
    }
    while (readSome() > 0) {
    }
    close(fds[0]);

    if (late) {
        why = LateText(limits);
        return kTimedOut;
    }
    if (!reaped) {
        why = "its end could not be learnt";
        return kFailed;
    }
    if (WIFSIGNALED(status) && WTERMSIG(status) == SIGXCPU) {
        why = "it used up its processor time";
        return kTimedOut;
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) == kExitNoMemory) {
        why = MemoryCapped() ? Text("it needed more than %g MiB of memory",
                                    static_cast<double>(limits.bytes >> 20))
                             : "it ran out of memory";
        return kOutOfMemory;
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) {
        return kOk;
    }
    why = !WIFEXITED(status) ? "it ended by signal " + std::to_string(WTERMSIG(status))
          : text.empty()     ? "it failed"
                             : text;
    return kFailed;
}

} // namespace BoundedChild
