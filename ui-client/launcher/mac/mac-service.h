#pragma once

#include "cloud-service.h"

#include <sys/types.h>

// The pid file's "pid" value as a process id. Only decimal text (leading
// blanks and a plus sign allowed) of a positive number that fits pid_t names
// a process; anything else, 0 and negatives included, yields false, since
// kill() would read those as process groups or as every process.
bool ParseUiPid(const ustring& text, pid_t& pid);

// The macOS upgrade driver: decides from the build numbers and the per-user
// UI executable, stops the running client UI through its pid file, and
// launches the per-user copy. Runs on the worker's handler thread.
class MacService : public Service
{
public:
    MacService();
    ~MacService() override;

    // Blocks for up to about five seconds (SIGTERM, probes, SIGKILL).
    void StopService() override;
    // Stops the UI when a per-user copy exists, then PrepareUserEnv.
    int HandlePackageUpgrade() override;
    // Launches the client; a failure is logged, never passed on.
    void PostUpgrade() override;
    void PreUpgrade() override;
    bool IsNeedUpgrade() override;

    bool PerUserBinPathExist();
    // Blocks while the registration tool runs. 0 opened, -1 not.
    int LaunchPerUserBin();
    void LoadSourceVerInfo();
    void LoadTargetVerInfo();

    // The process-wide instance, created on first use (thread-safe).
    static MacService* GetInstace();
};
