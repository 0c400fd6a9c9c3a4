// MacService: the upgrade decision, stopping the client UI through its pid
// file (with a real stand-in process), launching the per-user copy, and one
// whole upgrade run.

#include "mac/mac-service.h"
#include "service_test_support.h"

#include <chrono>
#include <climits>
#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using Lines = std::vector<std::string>;

namespace {

volatile sig_atomic_t g_terms = 0;

void CountTerm(int)
{
    g_terms = g_terms + 1;
}

// Runs StopService in a child that leads a process group of its own and
// counts the SIGTERMs it receives. kill() reads pid 0 as "my group", so a pid
// file misread as 0 would reach exactly this child and nothing else. Exit
// status 0 means no signal arrived.
int StopServiceInOwnGroup()
{
    fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        setpgid(0, 0);
        struct sigaction action = {};
        action.sa_handler = CountTerm;
        sigaction(SIGTERM, &action, nullptr);
        MacService service;
        service.StopService();
        _exit(g_terms == 0 ? 0 : 100);
    }
    int status = -1;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return status;
}

double Seconds(Clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

} // namespace

TEST(ParseUiPid, AcceptsOnlyPositiveDecimalPidsThatFit)
{
    // Process ids, with the blanks and sign a quoted value may carry.
    const std::vector<std::pair<const char*, pid_t>> good = {{"1", 1},
                                                             {"4242", 4242},
                                                             {" 42", 42},
                                                             {"+7", 7},
                                                             {"42 ", 42},
                                                             {"007", 7},
                                                             {"2147483647", 2147483647}};
    for (const auto& c : good) {
        pid_t pid = -99;
        EXPECT_TRUE(ParseUiPid(c.first, pid)) << "'" << c.first << "'";
        EXPECT_EQ(c.second, pid) << "'" << c.first << "'";
    }

    // Nothing, zero and negatives would make kill() signal a process group
    // or every process; text and numbers beyond pid_t name no process.
    const char* const bad[] = {"",    "   ",  "abc",        "0",          "-1",
                               "-0",  "+-5",  "12abc",      "0x10",       "1 2",
                               "1.5", "\t-3", "2147483648", "4294967297", "99999999999999999999"};
    for (const char* text : bad) {
        pid_t pid = -99;
        EXPECT_FALSE(ParseUiPid(text, pid)) << "'" << text << "'";
        EXPECT_EQ(-99, pid) << "'" << text << "' must leave pid alone";
    }
}

TEST_F(ServiceTest, UpgradeDecisionComparesBuildNumbers)
{
    struct Case
    {
        const char* what;
        bool exe;
        const char* source; // nullptr: no per-user record
        const char* target; // nullptr: no bundle record
        int sourceNumber;
        int targetNumber;
        bool upgrade;
    };
    const Case cases[] = {
        {"executable missing, equal builds", false, "10", "10", 10, 10, true},
        {"executable missing, bundle older", false, "11", "10", 11, 10, true},
        {"equal builds", true, "10", "10", 10, 10, false},
        {"bundle older", true, "11", "10", 11, 10, false},
        {"bundle newer", true, "10", "11", 10, 11, true},
        {"per-user record missing", true, nullptr, "1", 0, 1, true},
        {"bundle record missing", true, "5", nullptr, 5, 0, false},
        {"bundle record missing, negative source", true, "-3", nullptr, -3, 0, true},
        {"both records missing", true, nullptr, nullptr, 0, 0, false},
        {"12b reads as 12", true, "12", "12b", 12, 12, false},
        {"12b against 11", true, "11", "12b", 11, 12, true},
        {"no leading digits", true, "abc", "x1", 0, 0, false},
        {"empty build value", true, "", "3", 0, 3, true},
        {"quoted blanks and sign", true, "\" +7\"", "8", 7, 8, true},
        {"beyond int clamps", true, "99999999999", "2147483647", INT_MAX, INT_MAX, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RemoveTree(UserApp());
        unlink((resources + "/INFO").c_str());
        if (c.exe) {
            WriteFile(UserExe(), "ui");
        }
        if (c.source != nullptr) {
            WriteFile(UserApp() + "/Contents/Resources/INFO",
                      VersionRecord("9", "9", c.source, "9"));
        }
        if (c.target != nullptr) {
            WriteFile(resources + "/INFO", VersionRecord("1", "1", c.target, "1"));
        }
        MacService service;
        service.PreUpgrade();
        EXPECT_EQ(c.upgrade, service.IsNeedUpgrade());
        const Lines lines = ServiceLines();
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ("[DEBUG] mac/mac-service: source version = " + std::to_string(c.sourceNumber) +
                      ", target version = " + std::to_string(c.targetNumber),
                  lines.back());
    }

    // A non-executable file still counts: only existence is tested.
    RemoveTree(UserApp());
    WriteFile(UserExe(), "ui");
    chmod(UserExe().c_str(), 0644);
    MacService service;
    EXPECT_TRUE(service.PerUserBinPathExist());
    RemoveTree(UserApp());
    EXPECT_FALSE(service.PerUserBinPathExist());
}

TEST_F(ServiceTest, UpgradeWithoutPerUserExecutableStopsNothing)
{
    MakeGoodPackage("20");
    MakeDirs(UserHalvenor());
    ChildProcess ui;
    ASSERT_TRUE(ui.Start(StandInPath(), {}));
    ASSERT_EQ(ui.pid, WaitForPidFile(PidFile(), 0, 10s));

    MacService service;
    EXPECT_EQ(0, service.HandlePackageUpgrade());
    EXPECT_EQ("new user interface", ReadFile(UserExe()));
    // A SIGTERM would have ended the stand-in at once.
    EXPECT_FALSE(ui.WaitExit(300ms));
    for (const std::string& line : ServiceLines()) {
        EXPECT_EQ(std::string::npos, line.find("local appdata exist")) << line;
        EXPECT_EQ(std::string::npos, line.find("pid file")) << line;
    }
}

TEST_F(ServiceTest, StopServiceWithoutPidFileReturnsAtOnce)
{
    MacService service;
    const auto start = Clock::now();
    service.StopService();
    EXPECT_LT(Seconds(Clock::now() - start), 1.0);
    EXPECT_EQ(Lines{"[DEBUG] mac/mac-service: pid file '" + PidFile() +
                    "' does not exist, no need to terminate"},
              ServiceLines());
}

TEST_F(ServiceTest, StopServiceWaitsForUiThatExitsOnTerm)
{
    MakeDirs(UserHalvenor());
    ChildProcess ui;
    // Takes 1.5 s to shut down: two probes find it alive, the third gone.
    ASSERT_TRUE(ui.Start(StandInPath(), {"--term-delay-ms", "1500"}));
    ASSERT_EQ(ui.pid, WaitForPidFile(PidFile(), 0, 10s));

    MacService service;
    const auto start = Clock::now();
    service.StopService();
    const auto end = Clock::now();

    ASSERT_TRUE(ui.Exited()) << "StopService returned while the UI still ran";
    EXPECT_LE(ui.exitTime, end);
    EXPECT_TRUE(WIFEXITED(ui.status) && WEXITSTATUS(ui.status) == 0)
        << "the UI must end by its own shutdown, not by SIGKILL (status " << ui.status << ")";
    EXPECT_LT(Seconds(end - start), 4.0) << "returned on the probe after the exit";
    EXPECT_TRUE(ServiceLines().empty()) << "a clean stop logs nothing";
}

TEST_F(ServiceTest, StopServiceKillsUiThatIgnoresTerm)
{
    MakeDirs(UserHalvenor());
    ChildProcess ui;
    ASSERT_TRUE(ui.Start(StandInPath(), {"--ignore-term"}));
    ASSERT_EQ(ui.pid, WaitForPidFile(PidFile(), 0, 10s));

    MacService service;
    const auto start = Clock::now();
    service.StopService();
    const auto end = Clock::now();
    ASSERT_TRUE(ui.WaitExit(5s));

    EXPECT_TRUE(WIFSIGNALED(ui.status) && WTERMSIG(ui.status) == SIGKILL) << "status " << ui.status;
    // SIGKILL follows about five seconds after SIGTERM.
    EXPECT_GE(Seconds(ui.exitTime - start), 4.5);
    EXPECT_LT(Seconds(ui.exitTime - start), 8.0);
    EXPECT_GE(Seconds(end - start), 4.5);
}

TEST_F(ServiceTest, StopServiceSignalsNothingForUnusablePidFiles)
{
    MakeDirs(UserHalvenor());
    const std::string noPid =
        "[NOTE] mac/mac-service: pid file '" + PidFile() + "' names no process (pid = '";

    // Values that read as 0 with atol, which kill() would take as the
    // caller's own process group.
    const std::vector<std::pair<std::string, std::string>> files = {
        {"pid=abc\n", "abc"}, {"pid=0\n", "0"}, {"pid=\"\"\n", ""}, {"other=1\n", ""}};
    for (const auto& file : files) {
        SCOPED_TRACE(file.first);
        WriteFile(PidFile(), file.first);
        const int before = CountLine(noPid + file.second + "'), nothing to terminate");
        EXPECT_EQ(0, StopServiceInOwnGroup()) << "a signal reached the caller's group";
        EXPECT_EQ(before + 1, CountLine(noPid + file.second + "'), nothing to terminate"));
    }

    // A malformed file cannot be read at all.
    WriteFile(PidFile(), "pid=\n");
    EXPECT_EQ(0, StopServiceInOwnGroup());
    EXPECT_EQ(1, CountLine("[NOTE] mac/mac-service: Failed to read pid file '" + PidFile() +
                           "', not exist ?"));
}

TEST_F(ServiceTest, StopServiceIgnoresGroupAndOutOfRangePids)
{
    MakeDirs(UserHalvenor());
    const std::string standInPid = dir + "/standin.pid";
    ChildProcess ui;
    // Leader of its own group, so its negated pid names that group.
    ASSERT_TRUE(ui.Start(StandInPath(), {"--pid-file", standInPid}, true));
    ASSERT_EQ(ui.pid, WaitForPidFile(standInPid, 0, 10s));

    // A negative pid (its group) and one that truncates to its pid in 32 bits.
    const std::string values[] = {"-" + std::to_string(ui.pid),
                                  std::to_string(ui.pid + 4294967296LL)};
    MacService service;
    for (const std::string& value : values) {
        SCOPED_TRACE(value);
        WriteFile(PidFile(), "pid=" + value + "\n");
        service.StopService();
        EXPECT_FALSE(ui.WaitExit(300ms)) << "the stand-in was signalled";
        EXPECT_EQ(1, CountLine("[NOTE] mac/mac-service: pid file '" + PidFile() +
                               "' names no process (pid = '" + value + "'), nothing to terminate"));
    }

    // Its real pid does stop it, so the checks above could see a signal.
    WriteFile(PidFile(), "pid=" + std::to_string(ui.pid) + "\n");
    service.StopService();
    EXPECT_TRUE(ui.WaitExit(5s));
}

TEST_F(ServiceTest, LaunchStartsPerUserUserInterface)
{
    MacService service;

    // No per-user copy: nothing starts and PostUpgrade says so.
    EXPECT_EQ(-1, service.LaunchPerUserBin());
    service.PostUpgrade();
    EXPECT_EQ(1, CountLine("[ERROR] mac/mac-service: Failed to launch Halvenor UI"));

    // The stand-in as the per-user UI really runs: it writes its pid file.
    MakeDirs(UserApp() + "/Contents/MacOS");
    std::error_code error;
    std::filesystem::copy_file(StandInPath(), UserExe(), error);
    ASSERT_FALSE(error) << error.message();
    chmod(UserExe().c_str(), 0755);
    ASSERT_EQ(0, service.LaunchPerUserBin());
    const pid_t pid = WaitForPidFile(PidFile(), 0, 10s);
    ASSERT_GT(pid, 0) << "the per-user UI did not start";
    EXPECT_EQ(UserExe(), ExecutableOf(pid));
    KillAndReap(pid);

    // Nothing to unregister on this platform, so nothing about it is logged.
    for (const std::string& line : AllLines()) {
        EXPECT_EQ(std::string::npos, line.find("Cannot unregister bundle")) << line;
    }
}

TEST_F(ServiceTest, UpgradeRunStopsOldUiReplacesCopyAndLaunchesNewUi)
{
    // The bundle ships build 20 whose UI is the stand-in; build 10 runs.
    WriteFile(resources + "/INFO", VersionRecord("1", "1", "20", "3"));
    ArchiveWriter package(ArchiveWriter::TarGz);
    package.File("Contents/MacOS/halvenor-drive-ui", ReadFile(StandInPath()), 0755)
        .File("Contents/Resources/INFO", VersionRecord("1", "1", "20", "3"));
    WritePackage(PackagePath(), package);
    MakeUserCopy("10");
    WriteFile(UserHalvenor() + "/app/old", "aged");
    ChildProcess oldUi;
    ASSERT_TRUE(oldUi.Start(StandInPath(), {}));
    ASSERT_EQ(oldUi.pid, WaitForPidFile(PidFile(), 0, 10s));

    // The worker's sequence.
    MacService service;
    service.PreUpgrade();
    ASSERT_TRUE(service.IsNeedUpgrade());
    EXPECT_EQ(0, service.HandlePackageUpgrade());
    ASSERT_TRUE(oldUi.Exited()) << "the old UI still ran after the upgrade";
    EXPECT_TRUE(WIFEXITED(oldUi.status)) << "stopped politely, status " << oldUi.status;
    service.RemoveAgedFolders();
    service.PostUpgrade();

    const pid_t newPid = WaitForPidFile(PidFile(), oldUi.pid, 10s);
    ASSERT_GT(newPid, 0) << "the new UI did not start";
    EXPECT_EQ(UserExe(), ExecutableOf(newPid));
    KillAndReap(newPid);

    EXPECT_FALSE(Exists(UserHalvenor() + "/app"));
    EXPECT_FALSE(Exists(UserApp() + "_tmp"));
    EXPECT_FALSE(Exists(UserApp() + "/Contents/Resources/data.bin"));
    EXPECT_EQ(1, CountLine("[DEBUG] mac/mac-service: local appdata exist"));
    EXPECT_EQ(1,
              CountLine("[INFO] cloud-service: user installation is ready, removing backup app"));
    for (const std::string& line : ServiceLines()) {
        EXPECT_NE(0u, line.rfind("[ERROR]", 0)) << line;
    }

    // The next run finds the copy current.
    MacService next;
    next.PreUpgrade();
    EXPECT_FALSE(next.IsNeedUpgrade());
}
