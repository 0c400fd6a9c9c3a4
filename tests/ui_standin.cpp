// Stand-in for the client user interface in the upgrade service tests. Like
// the real one it records its pid as "pid=<pid>" in $HOME/.Halvenor/ui.pid
// (or the file given with --pid-file), then waits to be stopped:
//
//   ui_standin [--pid-file PATH] [--ignore-term] [--term-delay-ms N] [--lifetime S]
//
// By default it exits with 0 on SIGTERM, after N milliseconds when asked;
// with --ignore-term only SIGKILL ends it. It never outlives S seconds
// (default 60), so a failing test leaves no process behind for long.

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace {

volatile sig_atomic_t g_terminate = 0;

void OnTerm(int)
{
    g_terminate = 1;
}

// Written under a temporary name and renamed, so that a reader never sees
// half a file.
bool WritePidFile(const std::string& path)
{
    const std::string::size_type slash = path.rfind('/');
    if (slash != std::string::npos && slash > 0) {
        mkdir(path.substr(0, slash).c_str(), 0755);
    }
    const std::string tmp = path + ".tmp" + std::to_string(getpid());
    FILE* file = fopen(tmp.c_str(), "w");
    if (file == nullptr) {
        return false;
    }
    const bool written = fprintf(file, "pid=%d\n", static_cast<int>(getpid())) > 0;
    if (fclose(file) != 0 || !written) {
        return false;
    }
    return rename(tmp.c_str(), path.c_str()) == 0;
}

void SleepMs(long ms)
{
    timespec left = {ms / 1000, (ms % 1000) * 1000000L};
    while (nanosleep(&left, &left) != 0 && errno == EINTR) {
    }
}

} // namespace

int main(int argc, char** argv)
{
    std::string pidFile;
    bool ignoreTerm = false;
    long termDelayMs = 0;
    unsigned lifetime = 60;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--pid-file" && hasValue) {
            pidFile = argv[++i];
        } else if (arg == "--ignore-term") {
            ignoreTerm = true;
        } else if (arg == "--term-delay-ms" && hasValue) {
            termDelayMs = strtol(argv[++i], nullptr, 10);
        } else if (arg == "--lifetime" && hasValue) {
            lifetime = static_cast<unsigned>(strtoul(argv[++i], nullptr, 10));
        } else {
            fprintf(stderr, "ui_standin: unknown argument '%s'\n", arg.c_str());
            return 2;
        }
    }
    if (pidFile.empty()) {
        const char* home = getenv("HOME");
        if (home == nullptr || *home == '\0') {
            fprintf(stderr, "ui_standin: HOME is not set\n");
            return 2;
        }
        pidFile = std::string(home) + "/.Halvenor/ui.pid";
    }

    // The signal disposition is in place before the pid file announces the
    // process, so a test that signals after seeing the file gets the
    // behaviour it asked for.
    sigset_t termOnly;
    sigemptyset(&termOnly);
    sigaddset(&termOnly, SIGTERM);
    if (ignoreTerm) {
        signal(SIGTERM, SIG_IGN);
    } else {
        struct sigaction action;
        memset(&action, 0, sizeof(action));
        action.sa_handler = OnTerm;
        sigaction(SIGTERM, &action, nullptr);
        sigprocmask(SIG_BLOCK, &termOnly, nullptr);
    }
    alarm(lifetime);

    if (!WritePidFile(pidFile)) {
        fprintf(stderr, "ui_standin: cannot write '%s': %s\n", pidFile.c_str(), strerror(errno));
        return 3;
    }

    sigset_t waitMask;
    sigemptyset(&waitMask);
    while (!g_terminate) {
        sigsuspend(&waitMask);
    }
    SleepMs(termDelayMs);
    return 0;
}
