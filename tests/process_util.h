#pragma once

#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

// Files, temporary folders and real child processes for the launcher's tests.
namespace testutil {

inline std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream data;
    data << in.rdbuf();
    return data.str();
}

inline bool Exists(const std::string& path)
{
    struct stat st;
    return lstat(path.c_str(), &st) == 0;
}

inline bool MakeDirs(const std::string& path, mode_t mode = 0755)
{
    for (size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        if (mkdir(part.c_str(), mode) != 0 && errno != EEXIST) {
            return false;
        }
        if (slash == std::string::npos) {
            return true;
        }
    }
}

inline bool WriteFile(const std::string& path, const std::string& data, mode_t mode = 0644)
{
    const std::string::size_type slash = path.rfind('/');
    if (slash != std::string::npos && slash > 0 && !MakeDirs(path.substr(0, slash))) {
        return false;
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << data;
    out.close();
    return out.good() && chmod(path.c_str(), mode) == 0;
}

inline void RemoveTree(const std::string& path)
{
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
}

// Relative path -> "d <mode>", "f <mode> <content>" or "l <target>" for a
// whole tree, to compare trees byte for byte.
inline std::map<std::string, std::string> Snapshot(const std::string& root)
{
    namespace fs = std::filesystem;
    std::map<std::string, std::string> result;
    std::error_code error;
    for (fs::recursive_directory_iterator it(root, error), end; !error && it != end;
         it.increment(error)) {
        const fs::path p = it->path();
        const std::string rel = p.lexically_relative(root).string();
        const fs::file_status st = fs::symlink_status(p);
        const std::string mode = std::to_string(static_cast<unsigned>(st.permissions()));
        if (fs::is_symlink(st)) {
            result[rel] = "l " + fs::read_symlink(p).string();
        } else if (fs::is_directory(st)) {
            result[rel] = "d " + mode;
        } else {
            result[rel] = "f " + mode + " " + ReadFile(p.string());
        }
    }
    return result;
}

// A fresh folder under /tmp for one test, removed at the end unless the test
// failed (then its path is printed for a post-mortem).
class TempDir
{
public:
    TempDir()
    {
        char name[] = "/tmp/halvenor-test-XXXXXX";
        if (mkdtemp(name) != nullptr) {
            dir = name;
        }
    }
    ~TempDir()
    {
        if (dir.empty()) {
            return;
        }
        if (::testing::Test::HasFailure()) {
            fprintf(stderr, "kept test folder %s\n", dir.c_str());
        } else {
            RemoveTree(dir);
        }
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return dir; }

private:
    std::string dir;
};

struct SpawnOptions
{
    std::string exe;               // file to execute
    std::vector<std::string> argv; // argv[0] included; {exe} when empty
    std::vector<std::string> env;  // "NAME=value", the whole environment
    std::string cwd;
    std::string outFile = "/dev/null";
    std::string errFile = "/dev/null";
    bool stdinPipe = false; // else /dev/null
    uid_t uid = static_cast<uid_t>(-1);
    gid_t gid = static_cast<gid_t>(-1);
    rlim_t maxProcesses = RLIM_INFINITY; // of the child's user, threads included
};

// A child process reaped by its own thread as soon as it ends, so that a
// dead child never lingers as a zombie that kill(pid, 0) still finds.
class Child
{
public:
    explicit Child(const SpawnOptions& options)
    {
        std::vector<std::string> args = options.argv;
        if (args.empty()) {
            args.push_back(options.exe);
        }
        std::vector<char*> argv;
        for (std::string& a : args) {
            argv.push_back(&a[0]);
        }
        argv.push_back(nullptr);
        std::vector<std::string> envCopy = options.env;
        std::vector<char*> envp;
        for (std::string& e : envCopy) {
            envp.push_back(&e[0]);
        }
        envp.push_back(nullptr);

        int pipeFds[2] = {-1, -1};
        if (options.stdinPipe && pipe2(pipeFds, O_CLOEXEC) != 0) {
            return;
        }
        const int inFd = options.stdinPipe ? pipeFds[0] : open("/dev/null", O_RDONLY | O_CLOEXEC);
        const int outFd =
            open(options.outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        const int errFd =
            open(options.errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);

        childPid = fork();
        if (childPid == 0) {
            // Only async-signal-safe calls from here on.
            if (dup2(inFd, 0) < 0 || dup2(outFd, 1) < 0 || dup2(errFd, 2) < 0) {
                _exit(126);
            }
            if (!options.cwd.empty() && chdir(options.cwd.c_str()) != 0) {
                _exit(126);
            }
            const rlimit processes = {options.maxProcesses, options.maxProcesses};
            if (options.maxProcesses != RLIM_INFINITY && setrlimit(RLIMIT_NPROC, &processes) != 0) {
                _exit(126);
            }
            if (options.gid != static_cast<gid_t>(-1) && setgid(options.gid) != 0) {
                _exit(126);
            }
            if (options.uid != static_cast<uid_t>(-1) && setuid(options.uid) != 0) {
                _exit(126);
            }
            execve(options.exe.c_str(), argv.data(), envp.data());
            _exit(127);
        }
        close(inFd);
        close(outFd);
        close(errFd);
        if (options.stdinPipe) {
            stdinFd = pipeFds[1];
        }
        if (childPid > 0) {
            reaper = std::thread([this] {
                int status = 0;
                while (waitpid(childPid, &status, 0) < 0 && errno == EINTR) {
                }
                std::lock_guard<std::mutex> lock(mutex);
                exitStatus = status;
                done = true;
                changed.notify_all();
            });
        }
    }

    ~Child()
    {
        CloseStdin();
        if (childPid > 0 && !Wait(0)) {
            kill(childPid, SIGKILL);
        }
        if (reaper.joinable()) {
            reaper.join();
        }
    }

    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    bool started() const { return childPid > 0; }
    pid_t pid() const { return childPid; }

    // True when the child has ended within timeoutMs.
    bool Wait(int timeoutMs)
    {
        std::unique_lock<std::mutex> lock(mutex);
        return changed.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                                [this] { return done; });
    }

    // Raw wait status; valid after Wait returned true.
    int status()
    {
        std::lock_guard<std::mutex> lock(mutex);
        return exitStatus;
    }

    void CloseStdin()
    {
        if (stdinFd >= 0) {
            close(stdinFd);
            stdinFd = -1;
        }
    }

    void Signal(int sig)
    {
        if (childPid > 0 && !Wait(0)) {
            kill(childPid, sig);
        }
    }

private:
    pid_t childPid = -1;
    int stdinFd = -1;
    std::thread reaper;
    std::mutex mutex;
    std::condition_variable changed;
    bool done = false;
    int exitStatus = 0;
};

inline std::string DescribeStatus(int status)
{
    if (WIFEXITED(status)) {
        return "exit " + std::to_string(WEXITSTATUS(status));
    }
    if (WIFSIGNALED(status)) {
        return "signal " + std::to_string(WTERMSIG(status));
    }
    return "status " + std::to_string(status);
}

// The environment variables that sanitizer builds and the dynamic linker need
// in children, taken from this process.
// Sanitizer builds give the children the suppressions for the uninstrumented
// Qt libraries (lsan.supp, tsan.supp) in suppressionDir as well ("" for none).
// A child of another user needs copies it can read: the source tree may be
// private to its owner.
inline std::vector<std::string> PassThroughEnv(const std::string& suppressionDir)
{
    std::map<std::string, std::string> vars;
    for (const char* name : {"PATH", "LD_LIBRARY_PATH", "ASAN_OPTIONS", "UBSAN_OPTIONS",
                             "LSAN_OPTIONS", "TSAN_OPTIONS"}) {
        if (const char* value = getenv(name)) {
            vars[name] = value;
        }
    }
    const auto addOption = [&vars](const std::string& name, const std::string& option) {
        std::string& value = vars[name];
        value += (value.empty() ? "" : ":") + option;
    };
    if (!suppressionDir.empty()) {
#if defined(__SANITIZE_ADDRESS__)
        addOption("LSAN_OPTIONS",
                  "suppressions=" + suppressionDir + "/lsan.supp:print_suppressions=0");
#endif
#if defined(__SANITIZE_THREAD__)
        addOption("TSAN_OPTIONS", "suppressions=" + suppressionDir + "/tsan.supp");
#endif
    }
    std::vector<std::string> env;
    for (const auto& v : vars) {
        env.push_back(v.first + "=" + v.second);
    }
    (void)addOption;
    return env;
}

inline std::vector<std::string> PassThroughEnv()
{
#if defined(HALVENOR_TEST_DIR)
    return PassThroughEnv(HALVENOR_TEST_DIR);
#else
    return PassThroughEnv("");
#endif
}

} // namespace testutil
