// The sample client as the launcher meets it: a real process in a per-user copy under a
// temporary home folder, its pid file, its event log, its reaction to SIGTERM.

#include "support/child.h"
#include "support/env.h"
#include "support/files.h"
#include "support/temp_dir.h"
#include "support/version_record.h"

#include <csignal>
#include <filesystem>
#include <map>
#include <memory>

#include <gtest/gtest.h>

using namespace testutil;
namespace fs = std::filesystem;

namespace {

class SampleClientTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(dir.empty());
        home = dir / "home";
        userDir = home / ".Halvenor";
        fs::create_directories(dir / "runtime");
        fs::permissions(dir / "runtime", fs::perms::owner_all);
        const fs::path app = userDir / "Halvenor.app/Contents";
        fs::create_directories(app / "MacOS");
        exe = app / "MacOS/halvenor-drive-ui";
        fs::copy_file(HALVENOR_SAMPLE_CLIENT, exe);
        fs::permissions(exe, fs::perms::owner_all);
        WriteFile(app / "Resources/INFO", VersionRecord("4321"));
    }

    pid_t Start(bool ignoreTerm = false)
    {
        ChildOptions options{exe.string()};
        options.env = ChildEnv(ChildEnv::kEverything)
                          .Set("HOME", home.string())
                          .Set("QT_QPA_PLATFORM", "offscreen")
                          .Set("XDG_RUNTIME_DIR", (dir / "runtime").string())
                          .Set("HALVENOR_SAMPLE_IGNORE_TERM", ignoreTerm ? "1" : "")
                          .list();
        options.outFile = (dir / "client-output.txt").string();
        options.errFile = "";
        auto child = std::make_unique<Child>(options);
        const pid_t pid = child->pid();
        started[pid] = std::move(child);
        return pid;
    }

    // The exit code, 128 + signal, or -1 when it still runs after the timeout.
    int WaitExit(pid_t pid, std::chrono::milliseconds timeout)
    {
        return started.at(pid)->ExitCode(timeout);
    }

    bool PidFileNames(pid_t pid)
    {
        return WaitFor([&] { return PidFromFile(PidFile()) == pid; }, 10s);
    }

    fs::path PidFile() const { return userDir / "ui.pid"; }
    std::vector<std::string> Events() const
    {
        return SplitLines(ReadFile(userDir / "ui-launched.log"));
    }

    TempDir tmp;
    const fs::path dir{tmp.path()};
    fs::path home;
    fs::path userDir;
    fs::path exe;
    std::map<pid_t, std::unique_ptr<Child>> started;
};

bool StartsWith(const std::string& text, const std::string& prefix)
{
    return text.rfind(prefix, 0) == 0;
}

bool EndsWith(const std::string& text, const std::string& suffix)
{
    return text.size() >= suffix.size() &&
           text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

TEST_F(SampleClientTest, RunsOncePerUserAndStopsOnTerm)
{
    const pid_t first = Start();
    ASSERT_GT(first, 0);

    // Launched: the pid file holds exactly "pid=<pid>\n" and the event log says so with the
    // build number of the copy it runs from.
    ASSERT_TRUE(PidFileNames(first)) << ReadFile(dir / "client-output.txt");
    EXPECT_EQ(ReadFile(PidFile()), "pid=" + std::to_string(first) + "\n");
    ASSERT_TRUE(WaitFor([&] { return Events().size() == 1; }, 10s));
    EXPECT_TRUE(StartsWith(Events()[0], "launched ")) << Events()[0];
    EXPECT_TRUE(EndsWith(Events()[0], " version 4321 pid " + std::to_string(first))) << Events()[0];

    // A second start while the first runs exits at once and leaves the first in charge.
    const pid_t second = Start();
    ASSERT_GT(second, 0);
    EXPECT_EQ(WaitExit(second, 10s), 0);
    EXPECT_TRUE(Alive(first));
    EXPECT_EQ(PidFromFile(PidFile()), first);
    ASSERT_EQ(Events().size(), 2u);
    EXPECT_TRUE(StartsWith(Events()[1], "already-running ")) << Events()[1];
    EXPECT_TRUE(EndsWith(Events()[1], " running-pid " + std::to_string(first))) << Events()[1];

    // SIGTERM: a clean exit that takes the pid file along and is recorded.
    ASSERT_EQ(kill(first, SIGTERM), 0);
    EXPECT_EQ(WaitExit(first, 10s), 0);
    EXPECT_FALSE(fs::exists(PidFile()));
    ASSERT_EQ(Events().size(), 3u);
    EXPECT_TRUE(StartsWith(Events()[2], "stopped ")) << Events()[2];

    // Once it is gone, the next start runs again.
    const pid_t third = Start();
    ASSERT_GT(third, 0);
    ASSERT_TRUE(PidFileNames(third));
    EXPECT_TRUE(Alive(third));
    ASSERT_EQ(kill(third, SIGTERM), 0);
    EXPECT_EQ(WaitExit(third, 10s), 0);
}

TEST_F(SampleClientTest, HungClientSurvivesTermUntilKilled)
{
    const pid_t hung = Start(true);
    ASSERT_GT(hung, 0);
    ASSERT_TRUE(PidFileNames(hung)) << ReadFile(dir / "client-output.txt");

    // SIGTERM is ignored: still running, pid file still there.
    ASSERT_EQ(kill(hung, SIGTERM), 0);
    EXPECT_EQ(WaitExit(hung, 1s), -1);
    EXPECT_EQ(PidFromFile(PidFile()), hung);

    // SIGKILL leaves a stale pid file; the lock goes with the process, so a new client starts
    // and writes its own pid over the stale one.
    ASSERT_EQ(kill(hung, SIGKILL), 0);
    EXPECT_EQ(WaitExit(hung, 10s), 128 + SIGKILL);
    EXPECT_EQ(PidFromFile(PidFile()), hung);
    const pid_t next = Start();
    ASSERT_GT(next, 0);
    EXPECT_TRUE(PidFileNames(next));
    ASSERT_EQ(kill(next, SIGTERM), 0);
    EXPECT_EQ(WaitExit(next, 10s), 0);
}

TEST_F(SampleClientTest, LeavesAPidFileThatIsNotItsOwn)
{
    const pid_t client = Start();
    ASSERT_GT(client, 0);
    ASSERT_TRUE(PidFileNames(client)) << ReadFile(dir / "client-output.txt");

    // Someone else wrote the pid file after the client started: stopping must not remove it.
    WriteFile(PidFile(), "pid=999999\n");
    ASSERT_EQ(kill(client, SIGTERM), 0);
    EXPECT_EQ(WaitExit(client, 10s), 0);
    EXPECT_EQ(ReadFile(PidFile()), "pid=999999\n");
}

} // namespace
