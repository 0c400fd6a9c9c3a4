#pragma once

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <algorithm>
#include <atomic>
#include <map>
#include <mutex>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

// Helpers of the tests around the sample bundle: the sample client, scripts/make-bundle and
// the launcher run end to end. Everything is real: files in a temporary folder, child
// processes, archives read back with libarchive.
namespace sample_test {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

inline std::string ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void WriteFile(const fs::path& path, const std::string& content)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
}

inline std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

inline bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout)
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

// The current environment with some variables replaced (or removed with an empty value).
inline std::vector<std::string> Environment(const std::map<std::string, std::string>& changes)
{
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        const std::string name = entry.substr(0, entry.find('='));
        if (!changes.count(name)) {
            env.push_back(entry);
        }
    }
    for (const auto& [name, value] : changes) {
        if (!value.empty()) {
            env.push_back(name + "=" + value);
        }
    }
#if defined(__SANITIZE_ADDRESS__)
    // Children built with the sanitizer report what the uninstrumented Qt plug-ins keep.
    if (!changes.count("LSAN_OPTIONS")) {
        const char* own = getenv("LSAN_OPTIONS");
        env.erase(
            std::remove_if(env.begin(), env.end(),
                           [](const std::string& e) { return e.rfind("LSAN_OPTIONS=", 0) == 0; }),
            env.end());
        env.push_back(std::string("LSAN_OPTIONS=") + (own ? std::string(own) + ":" : "") +
                      "suppressions=" HALVENOR_SOURCE_DIR "/tests/lsan.supp:print_suppressions=0");
    }
#endif
    return env;
}

// Children that this test started itself and reaps itself (see OrphanReaper).
inline std::mutex g_ownMutex;
inline std::set<pid_t> g_ownChildren;

// Starts a program with its standard output and error appended to outputFile; -1 on failure.
inline pid_t Spawn(const std::vector<std::string>& argv, const std::vector<std::string>& env,
                   const std::string& outputFile)
{
    std::vector<char*> args;
    for (const std::string& a : argv) {
        args.push_back(const_cast<char*>(a.c_str()));
    }
    args.push_back(nullptr);
    std::vector<char*> envp;
    for (const std::string& e : env) {
        envp.push_back(const_cast<char*>(e.c_str()));
    }
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outputFile.c_str(),
                                     O_WRONLY | O_CREAT | O_APPEND, 0644);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    pid_t pid = -1;
    std::lock_guard<std::mutex> lock(g_ownMutex);
    const int rc = posix_spawn(&pid, args[0], &actions, nullptr, args.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) {
        return -1;
    }
    g_ownChildren.insert(pid);
    return pid;
}

// Waits for a child of this process; its exit code, 128 + signal number, or -1 on timeout.
inline int WaitExit(pid_t pid, std::chrono::milliseconds timeout)
{
    int status = 0;
    int code = -1;
    WaitFor(
        [&] {
            const pid_t r = waitpid(pid, &status, WNOHANG);
            if (r == pid) {
                std::lock_guard<std::mutex> lock(g_ownMutex);
                g_ownChildren.erase(pid);
                code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
                return true;
            }
            return r < 0;
        },
        timeout);
    return code;
}

struct Result
{
    int code;
    std::string output;
};

// Runs a program to its end (killing it after the timeout) and collects its output.
inline Result Run(const std::vector<std::string>& argv, const std::vector<std::string>& env,
                  const fs::path& scratch, std::chrono::milliseconds timeout = 120s)
{
    const std::string out = (scratch / "run-output.txt").string();
    fs::remove(out);
    const pid_t pid = Spawn(argv, env, out);
    if (pid < 0) {
        return {-1, "cannot start " + argv[0]};
    }
    int code = WaitExit(pid, timeout);
    if (code < 0) {
        kill(pid, SIGKILL);
        WaitExit(pid, 5s);
        code = -1;
    }
    return {code, ReadFile(out)};
}

// Running and not a zombie that nobody has reaped yet.
inline bool Alive(pid_t pid)
{
    if (pid <= 0 || kill(pid, 0) != 0) {
        return false;
    }
    const std::string stat = ReadFile("/proc/" + std::to_string(pid) + "/stat");
    const size_t end = stat.rfind(')');
    return end == std::string::npos || stat.compare(end, 3, ") Z") != 0;
}

// The launcher starts the client detached, so the client's parent is the init process. A
// desktop's init reaps it when it ends; some containers' init does not, and the zombie would
// still answer the launcher's kill(pid, 0) probes as if it ran. While an OrphanReaper lives,
// this process adopts such orphans and reaps them as they end, as a desktop's init would;
// its own children stay with WaitExit.
class OrphanReaper
{
public:
    OrphanReaper()
    {
        if (prctl(PR_SET_CHILD_SUBREAPER, 1) == 0) {
            thread = std::thread([this] { Loop(); });
        }
    }

    ~OrphanReaper()
    {
        stop = true;
        if (thread.joinable()) {
            thread.join();
            prctl(PR_SET_CHILD_SUBREAPER, 0);
        }
    }

    OrphanReaper(const OrphanReaper&) = delete;
    OrphanReaper& operator=(const OrphanReaper&) = delete;

private:
    void Loop()
    {
        while (!stop) {
            siginfo_t info = {};
            if (waitid(P_ALL, 0, &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid > 0) {
                std::lock_guard<std::mutex> lock(g_ownMutex);
                if (!g_ownChildren.count(info.si_pid)) {
                    waitpid(info.si_pid, nullptr, WNOHANG);
                }
            }
            std::this_thread::sleep_for(5ms);
        }
    }

    std::atomic<bool> stop{false};
    std::thread thread;
};

// The pid recorded in a pid file of the form "pid=<n>\n"; -1 when absent or malformed.
inline pid_t PidFromFile(const fs::path& path)
{
    const std::string text = ReadFile(path);
    if (text.rfind("pid=", 0) != 0) {
        return -1;
    }
    return static_cast<pid_t>(std::atol(text.c_str() + 4));
}

// A fresh folder per test, kept for inspection when the test fails.
class TempDirTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "halvenor_sample.XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir = fs::canonical(pattern);
    }

    void TearDown() override
    {
        if (HasFailure()) {
            std::printf("kept test folder %s\n", dir.c_str());
        } else {
            fs::remove_all(dir);
        }
    }

    fs::path dir;
};

} // namespace sample_test
