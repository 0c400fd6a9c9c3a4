#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <sys/types.h>

#include "support/archive_writer.h"
#include "support/child.h"
#include "support/files.h"
#include "support/snapshot.h"
#include "support/temp_dir.h"
#include "support/version_record.h"

// The service derives the bundle from the folder of the running executable,
// so main() runs this test program from a copy inside a temporary
// <tmp>/Halvenor.app/Contents/MacOS. This is that bundle's root.
std::string TestBundleRoot();

// Path of the client UI stand-in program.
std::string StandInPath();

// Writes a package (gzip-compressed tar) at path; fails the test on error.
void WritePackage(const std::string& path, ArchiveWriter& package);

// Each test gets a temporary folder (kept when it fails) holding $HOME, the
// bundle's Contents/Resources (the bundle's folder is a link to it) and a
// log file that records service_debug messages up to debug level.
class ServiceTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Messages of the two service sources, in order, with time stamp and
    // line number removed: "[INFO] cloud-service: source does not exist".
    std::vector<std::string> ServiceLines() const;
    // Every logged message in the same form.
    std::vector<std::string> AllLines() const;
    int CountLine(const std::string& line) const;

    std::string UserHalvenor() const { return home + "/.Halvenor"; }
    std::string UserApp() const { return home + "/.Halvenor/Halvenor.app"; }
    std::string UserExe() const { return UserApp() + "/Contents/MacOS/halvenor-drive-ui"; }
    std::string PidFile() const { return UserHalvenor() + "/ui.pid"; }
    std::string PackagePath() const { return resources + "/package/halvenor.vpk"; }
    // The same file as the service names it, through the bundle.
    std::string BundlePackagePath() const
    {
        return TestBundleRoot() + "/Contents/Resources/package/halvenor.vpk";
    }

    // A per-user copy with an executable, a version record and a few files.
    void MakeUserCopy(const std::string& build);
    // The stand-in becomes the per-user copy's UI executable, so that a
    // process started from UserExe() is a client UI that may be stopped.
    void InstallStandInAsUserUi();
    // A package of a complete copy with the given build number.
    void MakeGoodPackage(const std::string& build);
    // A package whose third entry escapes the destination, so extraction
    // fails after two entries were written.
    void MakeFailingPackage();

    std::unique_ptr<testutil::TempDir> tmp;
    std::string dir;
    std::string home;
    std::string resources;
    std::string logFile;
};

// Kills a process that this one reaps (a child, or an orphan it adopted as
// subreaper) and waits up to five seconds for its end.
void KillAndReap(pid_t pid);

// The executable of a running process, from /proc.
std::string ExecutableOf(pid_t pid);

// Waits until a pid file exists whose pid differs from notPid; returns that
// pid, or -1 after the timeout.
pid_t WaitForPidFile(const std::string& path, pid_t notPid, std::chrono::milliseconds timeout);
