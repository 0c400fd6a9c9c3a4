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

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using Lines = std::vector<std::string>;
using namespace testutil;

namespace {

volatile sig_atomic_t g_terms = 0;

void CountTerm(int)
{
    g_terms = g_terms + 1;
}

// Runs StopService in a child that leads a process group of its own and
// counts the SIGTERMs it receives. kill() reads pid 0 as "my group", so a pid
// file misread as 0 would reach exactly this child and nothing else. With
// ownPidFile the child first writes its own pid into pidFile. Exit status 0
// means no signal arrived.
int StopServiceInOwnGroup(const std::string& pidFile = std::string(), bool ownPidFile = false)
{
    return RunForked([&] {
        setpgid(0, 0);
        struct sigaction action = {};
        action.sa_handler = CountTerm;
        sigaction(SIGTERM, &action, nullptr);
        if (ownPidFile) {
            FILE* file = fopen(pidFile.c_str(), "w");
            if (file == nullptr || fprintf(file, "pid=%d\n", static_cast<int>(getpid())) < 0 ||
                fclose(file) != 0) {
                return 2;
            }
        }
        MacService service;
        service.StopService();
        return g_terms == 0 ? 0 : 100;
    });
}

// Runs StopService with the pid file "pid=1" in a new pid namespace whose
// pid 1 is a process of this test that counts its SIGTERMs, so that a wrong
// signal cannot reach the real pid 1. Exit status 0 means no signal arrived,
// 77 that no pid namespace could be made.
int StopServiceAgainstPidOne(const std::string& pidFile)
{
    return RunForked([&] {
        if (unshare(CLONE_NEWPID) != 0) {
            return 77;
        }
        const int init = RunForked([&] {
            // pid 1 of the namespace: only signals it handles reach it.
            struct sigaction action = {};
            action.sa_handler = CountTerm;
            sigaction(SIGTERM, &action, nullptr);
            const int caller = RunForked([&] {
                FILE* file = fopen(pidFile.c_str(), "w");
                if (file == nullptr || fputs("pid=1\n", file) < 0 || fclose(file) != 0) {
                    return 2;
                }
                MacService service;
                service.StopService();
                return 0;
            });
            return g_terms != 0 ? 100 : WIFEXITED(caller) ? WEXITSTATUS(caller) : 3;
        });
        return WIFEXITED(init) ? WEXITSTATUS(init) : 4;
    });
}

std::string SleepProgram()
{
    return access("/usr/bin/sleep", X_OK) == 0 ? "/usr/bin/sleep" : "/bin/sleep";
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
    // Qt caches a record by path, size and time to the millisecond; records
    // rewritten within the same millisecond get times of their own.
    time_t stamp = 1000000000;
    auto writeRecord = [&stamp](const std::string& path, const std::string& record) {
        WriteFile(path, record);
        const struct timespec times[2] = {{++stamp, 0}, {stamp, 0}};
        ASSERT_EQ(0, utimensat(AT_FDCWD, path.c_str(), times, 0));
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RemoveTree(UserApp());
        unlink((resources + "/INFO").c_str());
        if (c.exe) {
            WriteFile(UserExe(), "ui");
            chmod(UserExe().c_str(), 0755);
        }
        if (c.source != nullptr) {
            writeRecord(UserApp() + "/Contents/Resources/INFO",
                        VersionRecord("9", "9", c.source, "9"));
        }
        if (c.target != nullptr) {
            writeRecord(resources + "/INFO", VersionRecord("1", "1", c.target, "1"));
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

    // Only an executable regular file can start the client: anything else
    // counts as missing, so that the next run repairs it.
    MacService service;
    const struct
    {
        const char* what;
        mode_t mode; // 0: a folder
        bool usable;
    } exes[] = {
        {"executable", 0755, true}, {"owner may execute", 0700, true},
        {"not executable", 0644, false}, {"folder", 0, false},
    };
    for (const auto& e : exes) {
        SCOPED_TRACE(e.what);
        RemoveTree(UserApp());
        if (e.mode == 0) {
            MakeDirs(UserExe());
        } else {
            WriteFile(UserExe(), "ui");
            chmod(UserExe().c_str(), e.mode);
        }
        EXPECT_EQ(e.usable, service.PerUserBinPathExist());
    }
    RemoveTree(UserApp());
    EXPECT_FALSE(service.PerUserBinPathExist());
}

TEST_F(ServiceTest, UpgradeWithoutPerUserExecutableStopsNothing)
{
    MakeGoodPackage("20");
    MakeDirs(UserHalvenor());
    Child ui({StandInPath()});
    ASSERT_TRUE(ui.started());
    ASSERT_EQ(ui.pid(), WaitForPidFile(PidFile(), 0, 10s));

    MacService service;
    EXPECT_EQ(0, service.HandlePackageUpgrade());
    EXPECT_EQ("new user interface", ReadFile(UserExe()));
    // A SIGTERM would have ended the stand-in at once.
    EXPECT_FALSE(ui.Wait(300ms));
    for (const std::string& line : ServiceLines()) {
        EXPECT_EQ(std::string::npos, line.find("local appdata exist")) << line;
        EXPECT_EQ(std::string::npos, line.find("pid file")) << line;
    }
}

TEST_F(ServiceTest, StopServiceWithoutPidFileOnlyNotesIt)
{
    MacService service;
    service.StopService();
    EXPECT_EQ(Lines{"[DEBUG] mac/mac-service: pid file '" + PidFile() +
                    "' does not exist, no need to terminate"},
              ServiceLines());
}

TEST_F(ServiceTest, StopServiceWaitsForUiThatExitsOnTerm)
{
    InstallStandInAsUserUi();
    // Takes 1.5 s to shut down: two probes find it alive, the third gone.
    Child ui({UserExe(), "--term-delay-ms", "1500"});
    ASSERT_TRUE(ui.started());
    ASSERT_EQ(ui.pid(), WaitForPidFile(PidFile(), 0, 10s));

    MacService service;
    service.StopService();
    const auto end = Clock::now();

    ASSERT_TRUE(ui.Wait(0ms)) << "StopService returned while the UI still ran";
    EXPECT_LE(ui.exitTime(), end);
    EXPECT_TRUE(WIFEXITED(ui.status()) && WEXITSTATUS(ui.status()) == 0)
        << "the UI must end by its own shutdown, not by SIGKILL (status " << ui.status() << ")";
    EXPECT_TRUE(ServiceLines().empty()) << "a clean stop logs nothing";
}

TEST_F(ServiceTest, StopServiceKillsUiThatIgnoresTerm)
{
    InstallStandInAsUserUi();
    Child ui({UserExe(), "--ignore-term"});
    ASSERT_TRUE(ui.started());
    ASSERT_EQ(ui.pid(), WaitForPidFile(PidFile(), 0, 10s));

    MacService service;
    const auto start = Clock::now();
    service.StopService();
    const auto end = Clock::now();
    ASSERT_TRUE(ui.Wait(5s));

    EXPECT_TRUE(WIFSIGNALED(ui.status()) && WTERMSIG(ui.status()) == SIGKILL)
        << "status " << ui.status();
    // The UI is given its five seconds before SIGKILL.
    EXPECT_GE(Seconds(ui.exitTime() - start), 4.5);
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
    InstallStandInAsUserUi();
    const std::string standInPid = dir + "/standin.pid";
    // A copy of the UI program outside the per-user copy, which StopService
    // does not look for by its executable: only a misread pid reaches it.
    const std::string strayExe = dir + "/elsewhere/halvenor-drive-ui";
    WriteFile(strayExe, ReadFile(StandInPath()));
    ASSERT_EQ(0, chmod(strayExe.c_str(), 0755));
    // Leader of its own group, so its negated pid names that group.
    ChildOptions options{strayExe, "--pid-file", standInPid};
    options.ownGroup = true;
    Child ui(options);
    ASSERT_TRUE(ui.started());
    ASSERT_EQ(ui.pid(), WaitForPidFile(standInPid, 0, 10s));

    // A negative pid (its group) and one that truncates to its pid in 32 bits.
    const std::string values[] = {"-" + std::to_string(ui.pid()),
                                  std::to_string(ui.pid() + 4294967296LL)};
    MacService service;
    for (const std::string& value : values) {
        SCOPED_TRACE(value);
        WriteFile(PidFile(), "pid=" + value + "\n");
        service.StopService();
        EXPECT_FALSE(ui.Wait(300ms)) << "the stand-in was signalled";
        EXPECT_EQ(1, CountLine("[NOTE] mac/mac-service: pid file '" + PidFile() +
                               "' names no process (pid = '" + value + "'), nothing to terminate"));
    }

    // A SIGTERM to its group does end it, so the checks above could see one.
    ASSERT_EQ(0, kill(-ui.pid(), SIGTERM));
    EXPECT_TRUE(ui.Wait(5s));
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
    InstallStandInAsUserUi();
    WriteFile(UserHalvenor() + "/app/old", "aged");
    Child oldUi({UserExe()});
    ASSERT_TRUE(oldUi.started());
    ASSERT_EQ(oldUi.pid(), WaitForPidFile(PidFile(), 0, 10s));

    // The worker's sequence.
    MacService service;
    service.PreUpgrade();
    ASSERT_TRUE(service.IsNeedUpgrade());
    EXPECT_EQ(0, service.HandlePackageUpgrade());
    ASSERT_TRUE(oldUi.Wait(0ms)) << "the old UI still ran after the upgrade";
    EXPECT_TRUE(WIFEXITED(oldUi.status())) << "stopped politely, status " << oldUi.status();
    service.RemoveAgedFolders();
    service.PostUpgrade();

    const pid_t newPid = WaitForPidFile(PidFile(), oldUi.pid(), 10s);
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

TEST_F(ServiceTest, PidFileNamingAnythingButTheClientUiStopsNothing)
{
    MakeUserCopy("10");
    InstallStandInAsUserUi();
    MakeGoodPackage("20");

    // Bystanders that a wrong signal would end: an unrelated program whose
    // pid the file names as if the UI's pid had been reused, and the client
    // UI program run from a file other than the per-user copy's.
    Child sleeper({SleepProgram(), "60"});
    ASSERT_TRUE(sleeper.started());
    const std::string strayExe = dir + "/elsewhere/halvenor-drive-ui";
    WriteFile(strayExe, ReadFile(StandInPath()));
    ASSERT_EQ(0, chmod(strayExe.c_str(), 0755));
    Child stray({strayExe, "--pid-file", dir + "/stray.pid"});
    ASSERT_TRUE(stray.started());
    ASSERT_EQ(stray.pid(), WaitForPidFile(dir + "/stray.pid", 0, 10s));
    const std::string sleepPid = std::to_string(sleeper.pid());
    const std::string sleepExe = ExecutableOf(sleeper.pid());
    ASSERT_FALSE(sleepExe.empty());

    const std::string notes =
        "[NOTE] mac/mac-service: pid file '" + PidFile() + "' names no process";
    const std::string unread =
        "[NOTE] mac/mac-service: Failed to read pid file '" + PidFile() + "', not exist ?";
    auto leftAlone = [&](const std::string& pid, const std::string& why) {
        return "[NOTE] mac/mac-service: pid " + pid + " in '" + PidFile() +
               "' is not the client UI, left alone: " + why;
    };
    const struct
    {
        std::string content;
        std::string line; // logged once per case; "" when only a prefix is known
        std::string prefix;
    } cases[] = {
        // Not a pid at all, or one that kill() would read as a group or as
        // every process, or one beyond pid_t that would wrap around.
        {"pid=\n", unread, ""},
        {"pid=abc\n", notes + " (pid = 'abc'), nothing to terminate", ""},
        {"pid=0\n", notes + " (pid = '0'), nothing to terminate", ""},
        {"pid=-1\n", notes + " (pid = '-1'), nothing to terminate", ""},
        {"pid=99999999999999999999\n",
         notes + " (pid = '99999999999999999999'), nothing to terminate", ""},
        {"pid=4294967297\n", notes + " (pid = '4294967297'), nothing to terminate", ""},
        // A kernel thread: a process, but no client UI.
        {"pid=+5\n", "", leftAlone("5", "")},
        // A reused pid, also with a sign, CRLF line ends or a byte-order mark.
        {"pid=" + sleepPid + "\n", leftAlone(sleepPid, "it runs '" + sleepExe + "'"), ""},
        {"pid=+" + sleepPid + "\n", leftAlone(sleepPid, "it runs '" + sleepExe + "'"), ""},
        {"pid=" + sleepPid + "\r\n", leftAlone(sleepPid, "it runs '" + sleepExe + "'"), ""},
        {"\xEF\xBB\xBFpid=" + sleepPid + "\n", unread, ""},
        // The right program from the wrong place.
        {"pid=" + std::to_string(stray.pid()) + "\n",
         leftAlone(std::to_string(stray.pid()), "it runs '" + strayExe + "'"), ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.content);
        const int before = c.line.empty() ? 0 : CountLine(c.line);
        int prefixed = 0;
        for (const std::string& line : AllLines()) {
            prefixed += !c.prefix.empty() && line.rfind(c.prefix, 0) == 0 ? 1 : 0;
        }
        WriteFile(PidFile(), c.content);

        // The garbage never stops the upgrade.
        MacService service;
        EXPECT_EQ(0, service.HandlePackageUpgrade());
        EXPECT_EQ("new user interface", ReadFile(UserExe()));
        if (!c.line.empty()) {
            EXPECT_EQ(before + 1, CountLine(c.line));
        } else {
            int now = 0;
            for (const std::string& line : AllLines()) {
                now += line.rfind(c.prefix, 0) == 0 ? 1 : 0;
            }
            EXPECT_EQ(prefixed + 1, now);
        }
    }
    // A SIGTERM ends both at once; a SIGKILL would have come during the loop.
    EXPECT_FALSE(sleeper.Wait(300ms)) << "the unrelated process was signalled";
    EXPECT_FALSE(stray.Wait(0ms)) << "the UI program outside the per-user copy was signalled";
}

TEST_F(ServiceTest, PidFileNamingTheLauncherOrPidOneSignalsNothing)
{
    MakeUserCopy("10");

    // The launcher's own pid: the child that runs StopService writes it.
    EXPECT_EQ(0, StopServiceInOwnGroup(PidFile(), true)) << "the launcher signalled itself";
    int self = 0;
    for (const std::string& line : AllLines()) {
        self += line.find("is not the client UI, left alone: it is the launcher itself") !=
                        std::string::npos
                    ? 1
                    : 0;
    }
    EXPECT_EQ(1, self);

    // pid 1, in a pid namespace of its own whose pid 1 counts signals.
    const int status = StopServiceAgainstPidOne(PidFile());
    if (WIFEXITED(status) && WEXITSTATUS(status) == 77) {
        GTEST_SKIP() << "no pid namespace can be made here, so pid 1 is not tried";
    }
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
        << "status " << status << " (exit 100: pid 1 was signalled)";
    EXPECT_EQ(1, CountLine("[NOTE] mac/mac-service: pid 1 in '" + PidFile() +
                           "' is not the client UI, left alone: pid 1 is no client process"));
}

TEST_F(ServiceTest, PidFileOfAnotherUsersClientUiSignalsNothing)
{
    if (geteuid() != 0) {
        GTEST_SKIP() << "starting a process as another user needs root";
    }
    InstallStandInAsUserUi();
    // The unprivileged user must reach the executable and write its pid.
    ASSERT_EQ(0, chmod(dir.c_str(), 0755));
    const std::string shared = dir + "/shared";
    MakeDirs(shared);
    ASSERT_EQ(0, chmod(shared.c_str(), 0777));
    ChildOptions options{UserExe(), "--pid-file", shared + "/other.pid", "--lifetime", "30"};
    options.uid = 65534;
    options.gid = 65534;
    Child other(options);
    ASSERT_TRUE(other.started());
    const pid_t announced = WaitForPidFile(shared + "/other.pid", 0, 10s);
    chmod(dir.c_str(), 0700);
    if (announced != other.pid()) {
        GTEST_SKIP() << "the client UI could not run as user 65534 here";
    }

    WriteFile(PidFile(), "pid=" + std::to_string(other.pid()) + "\n");
    MacService service;
    service.StopService();
    EXPECT_EQ(1, CountLine("[NOTE] mac/mac-service: pid " + std::to_string(other.pid()) + " in '" +
                           PidFile() + "' is not the client UI, left alone: it belongs to user " +
                           "65534"));
    EXPECT_TRUE(Alive(other.pid())) << "the other user's process was stopped";
}

TEST_F(ServiceTest, StopServiceStopsTheClientUiAlsoWhenItsFileWasReplaced)
{
    InstallStandInAsUserUi();

    // A pid file with CRLF line ends names the UI all the same.
    {
        Child ui({UserExe(), "--pid-file", dir + "/ui1.pid"});
        ASSERT_TRUE(ui.started());
        ASSERT_EQ(ui.pid(), WaitForPidFile(dir + "/ui1.pid", 0, 10s));
        WriteFile(PidFile(), "pid=" + std::to_string(ui.pid()) + "\r\n");
        MacService service;
        service.StopService();
        ASSERT_TRUE(ui.Wait(5s));
        EXPECT_TRUE(WIFEXITED(ui.status())) << "status " << ui.status();
    }

    // The executable was replaced by a new file while the UI ran, as an
    // extraction that unlinks files in its way does: /proc shows the path
    // with " (deleted)", and the process is still the client UI.
    {
        Child ui({UserExe(), "--pid-file", dir + "/ui2.pid"});
        ASSERT_TRUE(ui.started());
        ASSERT_EQ(ui.pid(), WaitForPidFile(dir + "/ui2.pid", 0, 10s));
        ASSERT_EQ(0, unlink(UserExe().c_str()));
        InstallStandInAsUserUi();
        ASSERT_EQ(UserExe() + " (deleted)", ExecutableOf(ui.pid()));
        WriteFile(PidFile(), "pid=" + std::to_string(ui.pid()) + "\n");
        MacService service;
        service.StopService();
        ASSERT_TRUE(ui.Wait(5s));
        EXPECT_TRUE(WIFEXITED(ui.status())) << "status " << ui.status();
    }

    // A file whose name really ends in " (deleted)" beside the executable is
    // another program, not a replaced client UI.
    {
        const std::string literal = UserExe() + " (deleted)";
        WriteFile(literal, ReadFile(StandInPath()));
        ASSERT_EQ(0, chmod(literal.c_str(), 0755));
        Child other({literal, "--pid-file", dir + "/literal.pid"});
        ASSERT_TRUE(other.started());
        ASSERT_EQ(other.pid(), WaitForPidFile(dir + "/literal.pid", 0, 10s));
        WriteFile(PidFile(), "pid=" + std::to_string(other.pid()) + "\n");
        MacService service;
        service.StopService();
        EXPECT_FALSE(other.Wait(300ms)) << "the look-alike was signalled";
        EXPECT_EQ(1, CountLine("[NOTE] mac/mac-service: pid " + std::to_string(other.pid()) +
                               " in '" + PidFile() +
                               "' is not the client UI, left alone: it runs '" + literal + "'"));
    }
}
