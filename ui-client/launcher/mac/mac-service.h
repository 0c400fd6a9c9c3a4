#pragma once

#include "cloud-service.h"

#include <string>

#include <sys/types.h>

// The pid file's "pid" value as a process id. Only decimal text (leading
// blanks and a plus sign allowed) of a positive number that fits pid_t names
// a process; anything else, 0 and negatives included, yields false, since
// kill() would read those as process groups or as every process.
bool ParseUiPid(const ustring& text, pid_t& pid);

// Whether pid is a client UI that the launcher may stop: a pid above 1 that
// is not this process, owned by the same user, running the executable at
// uiExecutable (also when that file has been replaced since). Otherwise why
// tells the reason, or stays empty when no process has this pid.
bool IsClientUiProcess(pid_t pid, const ustring& uiExecutable, std::string& why);

// The macOS upgrade driver: decides from the build numbers and the per-user
// UI executable, stops the running client UI (named in its pid file or found
// by its executable), and launches the per-user copy. Runs on the worker's
// handler thread.
class MacService : public Service
{
public:
    MacService();
    ~MacService() override;

    // Stops the client UI that the pid file names and every other process
    // of the per-user UI executable, together. Blocks for up to about five
    // seconds (SIGTERM, probes, SIGKILL). Signals only processes that
    // IsClientUiProcess accepts.
    void StopService() override;
    // Stops the UI when a per-user copy exists, then PrepareUserEnv.
    int HandlePackageUpgrade() override;
    // Launches the client unless its copy is incomplete; a failure is logged,
    // never passed on.
    void PostUpgrade() override;
    // Recovers from an interrupted run, then loads both version records.
    void PreUpgrade() override;
    // Also true while an upgrade is incomplete.
    bool IsNeedUpgrade() override;

    bool PerUserBinPathExist();
    // Blocks while the registration tool runs. 0 opened, -1 not.
    int LaunchPerUserBin();
    void LoadSourceVerInfo();
    void LoadTargetVerInfo();

    // The process-wide instance, created on first use (thread-safe).
    static MacService* GetInstace();

private:
    // The client UI that ui.pid names, 0 when it names none that may be
    // stopped (the reason is logged).
    pid_t PidFileClientUi(const ustring& uiExecutable);
};
