#include "platform/launch_services.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/types.h>
#include <unistd.h>

extern char** environ;

namespace LaunchServices {

// There is no bundle registry to clean.
int UnregisterBundle(const std::string&)
{
    return 0;
}

// Without a desktop that knows bundles, start the bundle's UI executable in a
// session of its own, so that it outlives the launcher. posix_spawn rather
// than a fork: the launcher has other threads, and a forked child that
// allocates before exec can deadlock on a lock one of them held.
bool OpenBundle(const std::string& path)
{
    const std::string exe = path + "/Contents/MacOS/halvenor-drive-ui";
    char* const argv[] = {const_cast<char*>(exe.c_str()), nullptr};

    // As a desktop starts it: on none of the launcher's streams, so that
    // whoever reads the launcher's output is not kept waiting by the client.
    posix_spawn_file_actions_t files;
    if (posix_spawn_file_actions_init(&files) != 0) {
        return false;
    }
    bool ready = true;
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        const int mode = fd == STDIN_FILENO ? O_RDONLY : O_WRONLY;
        ready = ready && posix_spawn_file_actions_addopen(&files, fd, "/dev/null", mode, 0) == 0;
    }
    posix_spawnattr_t attr;
    if (!ready || posix_spawnattr_init(&attr) != 0) {
        posix_spawn_file_actions_destroy(&files);
        return false;
    }
    // The launcher ignores SIGXFSZ; the client starts with the default.
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGXFSZ);
    posix_spawnattr_setsigdefault(&attr, &defaults);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGDEF);
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, exe.c_str(), &files, &attr, argv, environ);
    posix_spawnattr_destroy(&attr);
    posix_spawn_file_actions_destroy(&files);
    return rc == 0;
}

} // namespace LaunchServices
