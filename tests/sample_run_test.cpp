// The demo's three runs end to end: scripts/make-bundle assembles bundles of the sample
// client, the real launcher runs from them against a temporary home folder, and the sample
// client that it starts reports what happened.

#include "support/child.h"
#include "support/env.h"
#include "support/files.h"
#include "support/temp_dir.h"

#include <csignal>
#include <filesystem>

#include <gtest/gtest.h>

using namespace testutil;
namespace fs = std::filesystem;

namespace {

class SampleRunTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(dir.empty());
        if (std::string(HALVENOR_LAUNCHER).empty() || !fs::exists(HALVENOR_LAUNCHER)) {
            GTEST_SKIP() << "the launcher executable is not built in this tree";
        }
        home = dir / "home";
        userDir = home / ".Halvenor";
        fs::create_directories(home);
        fs::create_directories(dir / "runtime");
        fs::permissions(dir / "runtime", fs::perms::owner_all);
        env = ChildEnv(ChildEnv::kEverything)
                  .Set("HOME", home.string())
                  .Set("QT_QPA_PLATFORM", "offscreen")
                  .Set("XDG_RUNTIME_DIR", (dir / "runtime").string())
                  .Set("HALVENOR_SAMPLE_IGNORE_TERM", "")
                  .list();
    }

    // The clients were started by the launcher, not by this test: stop them by the pids they
    // recorded, and only while their executable still lies in this test's folder.
    void TearDown() override
    {
        for (const std::string& line : SplitLines(ReadFile(userDir / "ui-launched.log"))) {
            if (line.rfind("launched ", 0) != 0) {
                continue;
            }
            const pid_t pid = std::atoi(line.substr(line.rfind(' ') + 1).c_str());
            std::error_code ec;
            const std::string exe = fs::read_symlink("/proc/" + std::to_string(pid) + "/exe", ec);
            if (!ec && exe.rfind(dir.string() + "/", 0) == 0) {
                kill(pid, SIGKILL);
            }
        }
    }

    // Runs a program to its end with its output and errors in one file.
    RunResult Execute(const std::vector<std::string>& argv,
                      std::chrono::milliseconds timeout = 120s)
    {
        ChildOptions options;
        options.argv = argv;
        options.env = env;
        options.outFile = (dir / "run-output.txt").string();
        options.errFile = "";
        return RunToEnd(options, timeout);
    }

    fs::path MakeBundle(const std::string& version)
    {
        const fs::path out = dir / ("bundle-" + version);
        const RunResult r =
            Execute({"/bin/bash", HALVENOR_SOURCE_DIR "/scripts/make-bundle", "--app",
                     HALVENOR_SAMPLE_APP, "--version", version, "--out", out.string(), "--launcher",
                     HALVENOR_LAUNCHER, "--levels", "launcher_debug=7 service_debug=7"});
        EXPECT_EQ(r.code(), 0) << r.out;
        return out / "Halvenor.app";
    }

    // Runs the launcher of a bundle and waits for the client it starts to say what it did.
    RunResult Launch(const fs::path& bundle)
    {
        const size_t before = Events().size();
        const RunResult r = Execute({(bundle / "Contents/MacOS/launcher").string()}, 60s);
        WaitFor(
            [&] {
                const std::vector<std::string> events = Events();
                for (size_t i = before; i < events.size(); ++i) {
                    if (events[i].rfind("launched ", 0) == 0 ||
                        events[i].rfind("already-running ", 0) == 0) {
                        return true;
                    }
                }
                return false;
            },
            10s);
        return r;
    }

    std::vector<std::string> Events() const
    {
        return SplitLines(ReadFile(userDir / "ui-launched.log"));
    }
    std::string InstalledInfo() const
    {
        return ReadFile(userDir / "Halvenor.app/Contents/Resources/INFO");
    }
    std::string Log() const { return ReadFile(userDir / "log/launcher.log"); }

    TempDir tmp;
    const fs::path dir{tmp.path()};
    OrphanReaper reaper;
    fs::path home;
    fs::path userDir;
    std::vector<std::string> env;
};

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

TEST_F(SampleRunTest, InstallUpToDateAndUpgrade)
{
    const fs::path v1 = MakeBundle("1.0.11");
    const fs::path v2 = MakeBundle("1.1.12");
    ASSERT_FALSE(HasFailure());

    // Run 1, fresh install: the package's copy is in place, its client runs and wrote ui.pid.
    RunResult r = Launch(v1);
    ASSERT_EQ(r.code(), 0) << r.out;
    EXPECT_TRUE(
        Contains(r.out, "lib path = '" + (v1 / "Contents/Frameworks/plugins").string() + "'\n"))
        << r.out;
    EXPECT_TRUE(Contains(InstalledInfo(), "build_version=11\n")) << InstalledInfo();
    ASSERT_EQ(Events().size(), 1u) << r.out;
    EXPECT_TRUE(Contains(Events()[0], "launched ")) << Events()[0];
    EXPECT_TRUE(Contains(Events()[0], " version 11 ")) << Events()[0];
    const pid_t first = PidFromFile(userDir / "ui.pid");
    EXPECT_TRUE(Alive(first));
    EXPECT_FALSE(Contains(Log(), "no need to upgrade")) << Log();

    // Run 2, up to date: no upgrade, the client is started again, finds the first and leaves.
    r = Launch(v1);
    ASSERT_EQ(r.code(), 0) << r.out;
    EXPECT_TRUE(Contains(Log(), "no need to upgrade")) << Log();
    ASSERT_EQ(Events().size(), 2u);
    EXPECT_TRUE(Contains(Events()[1], "already-running ")) << Events()[1];
    EXPECT_EQ(PidFromFile(userDir / "ui.pid"), first);
    EXPECT_TRUE(Alive(first));

    // Run 3, upgrade: the running client is stopped through its pid file, 12 replaces 11
    // without leaving a backup, and the new client runs.
    r = Launch(v2);
    ASSERT_EQ(r.code(), 0) << r.out;
    EXPECT_TRUE(Contains(InstalledInfo(), "build_version=12\n")) << InstalledInfo();
    EXPECT_FALSE(Alive(first));
    const std::vector<std::string> events = Events();
    ASSERT_EQ(events.size(), 4u) << r.out;
    EXPECT_TRUE(Contains(events[2], "stopped ") && Contains(events[2], " version 11 "))
        << events[2];
    EXPECT_TRUE(Contains(events[3], "launched ") && Contains(events[3], " version 12 "))
        << events[3];
    const pid_t second = PidFromFile(userDir / "ui.pid");
    EXPECT_NE(second, first);
    EXPECT_TRUE(Alive(second));
    for (const auto& e : fs::directory_iterator(userDir)) {
        EXPECT_EQ(e.path().filename().string().rfind("Halvenor.app_tmp", 0), std::string::npos)
            << e.path();
    }
}

} // namespace
