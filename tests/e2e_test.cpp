// End-to-end runs of the real launcher binary from a bundle in a temporary
// folder, with $HOME pointed at that folder and the offscreen Qt platform
// deployed into the bundle. The client UI inside the packages is the
// ui_standin program: it records its pid in ~/.Halvenor/ui.pid.

#include "support/archive_writer.h"
#include "support/child.h"
#include "support/env.h"
#include "support/files.h"
#include "support/snapshot.h"
#include "support/temp_dir.h"
#include "support/version_record.h"

#include <cctype>
#include <chrono>
#include <climits>
#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <thread>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <pwd.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace testutil;
using Clock = std::chrono::steady_clock;

// Length of the "Mmm DD HH:MM:SS " stamp at the start of a log line, 0 when
// there is none.
size_t StampLength(const std::string& line)
{
    const std::string pattern = "Aaa 00 00:00:00 ";
    if (line.size() < pattern.size()) {
        return 0;
    }
    for (size_t i = 0; i < pattern.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(line[i]);
        const bool ok = pattern[i] == 'A'   ? isupper(c)
                        : pattern[i] == 'a' ? islower(c)
                        : pattern[i] == '0' ? isdigit(c)
                                            : c == static_cast<unsigned char>(pattern[i]);
        if (!ok) {
            return 0;
        }
    }
    return pattern.size();
}

// "[LEVEL] unit(line): " right after the stamp.
bool HasMessageHead(const std::string& line)
{
    const std::string rest = line.substr(StampLength(line));
    bool level = false;
    for (const char* tag : {"[ERROR] ", "[WARNING] ", "[NOTE] ", "[INFO] ", "[DEBUG] "}) {
        level = level || rest.rfind(tag, 0) == 0;
    }
    const size_t open = rest.find("] ") + 2;
    const size_t paren = rest.find('(', open);
    const size_t close = rest.find("): ", paren);
    return level && paren != std::string::npos && paren > open && close != std::string::npos &&
           close > paren + 1 && rest.find_first_not_of("0123456789", paren + 1) == close;
}

class LauncherRun : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(tmp.path().empty());
        bundle = tmp.path() + "/Halvenor.app";
        home = tmp.path() + "/home";
        userApp = home + "/.Halvenor/Halvenor.app";
        standIn = ReadFile(HALVENOR_UI_STANDIN);
        ASSERT_FALSE(standIn.empty());
        ASSERT_TRUE(MakeDirs(home) && MakeDirs(tmp.path() + "/run", 0700) &&
                    MakeDirs(tmp.path() + "/tmp") && MakeDirs(WorkDir()));
        ASSERT_TRUE(WriteFile(Launcher(), ReadFile(HALVENOR_LAUNCHER), 0755));
        std::string error;
        ASSERT_TRUE(LinkPlatformPlugins(bundle, error)) << error;
        ASSERT_TRUE(
            WriteFile(bundle + "/log/launcher.debug", "launcher_debug=7\nservice_debug=7\n"));
    }

    void TearDown() override
    {
        // Clients that the launcher started are not our children.
        for (pid_t pid : launched) {
            kill(pid, SIGKILL);
        }
        // Killing is asynchronous: a client still writing would race the
        // removal of the temporary folder.
        for (pid_t pid : launched) {
            WaitFor([pid] { return Ended(pid); }, 5s);
        }
        // The launcher may be started from any folder, the user's own
        // included: it must never write there, whatever the run did.
        std::string written;
        std::error_code error;
        for (std::filesystem::directory_iterator it(WorkDir(), error), end; !error && it != end;
             it.increment(error)) {
            written += " " + it->path().filename().string();
        }
        EXPECT_FALSE(error) << WorkDir() << ": " << error.message();
        EXPECT_EQ(written, "") << "the launcher wrote into its working folder";
    }

    // Gone, or a zombie that its new parent has yet to reap.
    static bool Ended(pid_t pid)
    {
        std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
        std::string line;
        const size_t end = std::getline(stat, line) ? line.rfind(')') : 0;
        return end == 0 || end == std::string::npos || line.compare(end + 2, 1, "Z") == 0;
    }

    // The working folder of every launcher run, empty.
    std::string WorkDir() const { return tmp.path() + "/cwd"; }

    std::string Launcher() const { return bundle + "/Contents/MacOS/launcher"; }
    std::string LogFile() const { return home + "/.Halvenor/log/launcher.log"; }
    std::string PidFile() const { return home + "/.Halvenor/ui.pid"; }
    std::string UserExe() const { return userApp + "/Contents/MacOS/halvenor-drive-ui"; }

    // The bundle ships build `build`; its package holds a complete client,
    // and the file `name` too when one is given.
    void ShipBuild(const std::string& build, ArchiveWriter::Format format = ArchiveWriter::TarGz,
                   const std::string& name = "", const std::string& data = "")
    {
        ASSERT_TRUE(WriteFile(bundle + "/Contents/Resources/INFO", VersionRecord(build)));
        ArchiveWriter package(format);
        package.Dir("Contents")
            .Dir("Contents/MacOS")
            .File("Contents/MacOS/halvenor-drive-ui", standIn, 0755)
            .Dir("Contents/Resources")
            .File("Contents/Resources/INFO", VersionRecord(build))
            .File("Contents/Resources/build.txt", "shipped " + build + "\n");
        if (!name.empty()) {
            package.File(name, data);
        }
        const std::string path = bundle + "/Contents/Resources/package/halvenor.vpk";
        ASSERT_TRUE(MakeDirs(bundle + "/Contents/Resources/package"));
        ASSERT_TRUE(package.WriteTo(path)) << package.error();
    }

    // An installed per-user copy of build `build`.
    void InstallUserCopy(const std::string& build)
    {
        ASSERT_TRUE(WriteFile(UserExe(), standIn, 0755));
        ASSERT_TRUE(WriteFile(userApp + "/Contents/Resources/INFO", VersionRecord(build)));
        ASSERT_TRUE(WriteFile(userApp + "/Contents/Resources/old-only.txt", "installed " + build));
    }

    // The aged folder that every run removes.
    void MakeAgedFolder()
    {
        ASSERT_TRUE(WriteFile(home + "/.Halvenor/app/Contents/leftover", "aged"));
    }

    ChildEnv Env(const std::vector<std::string>& extra = {}) const
    {
        ChildEnv env;
        env.Set("HOME", home)
            .Set("QT_QPA_PLATFORM", "offscreen")
            .Set("XDG_RUNTIME_DIR", tmp.path() + "/run")
            .Set("TMPDIR", tmp.path() + "/tmp")
            .Set("LANG", "C");
        for (const std::string& e : extra) {
            env.Set(e);
        }
        return env;
    }

    ChildOptions LauncherOptions(const std::string& name,
                                 const std::vector<std::string>& extra = {})
    {
        ChildOptions options;
        options.exe = Launcher();
        options.env = Env(extra).list();
        options.outFile = tmp.path() + "/" + name + ".out";
        options.errFile = tmp.path() + "/" + name + ".err";
        options.cwd = WorkDir();
        return options;
    }

    using Result = RunResult;

    Result Finish(Child& child, const ChildOptions& options)
    {
        const Result r = testutil::Finish(child, options, 90s);
        EXPECT_TRUE(r.ended) << "launcher did not end";
        return r;
    }

    Result RunLauncher(const std::string& name, const std::vector<std::string>& extra = {})
    {
        const ChildOptions options = LauncherOptions(name, extra);
        Child child(options);
        return Finish(child, options);
    }

    // A client UI of the old copy that is running now.
    std::unique_ptr<Child> StartRunningClient(bool ignoreTerm)
    {
        ChildOptions options{UserExe()};
        if (ignoreTerm) {
            options.argv.push_back("--ignore-term");
        }
        options.env = Env().list();
        options.errFile = tmp.path() + "/client.err";
        auto child = std::make_unique<Child>(options);
        const std::string expected = "pid=" + std::to_string(child->pid()) + "\n";
        WaitFor([&] { return ReadFile(PidFile()) == expected; }, 10s);
        EXPECT_EQ(ReadFile(PidFile()), expected);
        return child;
    }

    // The client that the launcher started: a live process of the per-user
    // copy's UI executable that has announced itself in ui.pid.
    pid_t WaitForLaunchedClient(pid_t notThis = 0)
    {
        char expected[PATH_MAX];
        if (realpath(UserExe().c_str(), expected) == nullptr) {
            return 0;
        }
        for (int i = 0; i < 500; ++i) {
            const pid_t pid = PidFromFile(PidFile());
            char exe[PATH_MAX];
            const std::string link = "/proc/" + std::to_string(pid) + "/exe";
            const ssize_t n = readlink(link.c_str(), exe, sizeof(exe) - 1);
            if (pid > 0 && pid != notThis && n > 0 && std::string(exe, n) == expected) {
                launched.push_back(pid);
                return pid;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return 0;
    }

    std::vector<std::string> LogLines() const { return SplitLines(ReadFile(LogFile())); }

    // Lines with the time stamp the logger puts in front of every message.
    int CountLog(const std::string& message) const
    {
        int n = 0;
        for (const std::string& line : LogLines()) {
            n += StampLength(line) > 0 && line.substr(StampLength(line)) == message;
        }
        return n;
    }

    bool WaitForLog(const std::string& message)
    {
        return WaitFor([&] { return CountLog(message) > 0; }, 30s);
    }

    // The pid that the single-instance guard's lock file names, 0 for none.
    pid_t GuardHolder() const
    {
        for (const auto& e : std::filesystem::directory_iterator(tmp.path() + "/run")) {
            if (e.path().extension() == ".lock") {
                return atoi(ReadFile(e.path().string()).c_str());
            }
        }
        return 0;
    }

    bool NoBackups() const
    {
        for (const auto& e : std::filesystem::directory_iterator(home + "/.Halvenor")) {
            if (e.path().filename().string().rfind("Halvenor.app_tmp", 0) == 0) {
                return false;
            }
        }
        return true;
    }

    TempDir tmp;
    std::string bundle;
    std::string home;
    std::string userApp;
    std::string standIn;
    std::vector<pid_t> launched;
};

TEST_F(LauncherRun, FreshInstall)
{
    ShipBuild("200");
    MakeAgedFolder();
    const Result r = RunLauncher("fresh");
    ASSERT_TRUE(r.ExitedWith(0)) << DescribeStatus(r.status) << "\n" << r.err;

    // The plug-in folder derived from the program's path, printed first.
    EXPECT_EQ(r.out.substr(0, r.out.find('\n') + 1),
              "lib path = '" + bundle + "/Contents/Frameworks/plugins'\n");

    // The package is extracted into the per-user copy, nothing else is left.
    EXPECT_EQ(ReadFile(userApp + "/Contents/Resources/INFO"), VersionRecord("200"));
    EXPECT_EQ(ReadFile(userApp + "/Contents/Resources/build.txt"), "shipped 200\n");
    EXPECT_EQ(ReadFile(UserExe()), standIn);
    EXPECT_TRUE(NoBackups());
    EXPECT_FALSE(Exists(home + "/.Halvenor/app"));

    // The flow as logged, every line time-stamped.
    EXPECT_EQ(CountLog("[DEBUG] launcher(86): running"), 1);
    EXPECT_EQ(CountLog("[DEBUG] launcher(114): done"), 1);
    EXPECT_EQ(CountLog("[DEBUG] launcher(91): no need to upgrade"), 0);
    EXPECT_EQ(CountLog("[ERROR] launcher(98): Failed to upgrade package"), 0);
    const std::vector<std::string> lines = LogLines();
    ASSERT_FALSE(lines.empty());
    for (const std::string& line : lines) {
        EXPECT_GT(StampLength(line), 0u) << line;
        EXPECT_TRUE(HasMessageHead(line)) << line;
    }

    // The new client runs.
    EXPECT_NE(WaitForLaunchedClient(), 0);
}

TEST_F(LauncherRun, UpToDateCopyIsLeftAlone)
{
    ShipBuild("200");
    InstallUserCopy("200");
    MakeAgedFolder();
    const auto before = Snapshot(userApp);
    const Result r = RunLauncher("uptodate");
    ASSERT_TRUE(r.ExitedWith(0)) << DescribeStatus(r.status) << "\n" << r.err;

    EXPECT_EQ(CountLog("[DEBUG] launcher(86): running"), 1);
    EXPECT_EQ(CountLog("[DEBUG] launcher(91): no need to upgrade"), 1);
    EXPECT_EQ(CountLog("[DEBUG] launcher(114): done"), 1);
    EXPECT_EQ(Snapshot(userApp), before);
    EXPECT_FALSE(Exists(home + "/.Halvenor/app"));
    const pid_t firstClient = WaitForLaunchedClient();
    EXPECT_NE(firstClient, 0);

    // A bundle older than the copy does not replace it either.
    ShipBuild("150");
    MakeAgedFolder();
    const Result older = RunLauncher("older");
    ASSERT_TRUE(older.ExitedWith(0)) << DescribeStatus(older.status) << "\n" << older.err;
    EXPECT_EQ(CountLog("[DEBUG] launcher(91): no need to upgrade"), 2);
    EXPECT_EQ(Snapshot(userApp), before);
    EXPECT_FALSE(Exists(home + "/.Halvenor/app"));
    EXPECT_NE(WaitForLaunchedClient(firstClient), 0);
}

TEST_F(LauncherRun, UpgradeStopsARunningClientThatExitsOnTerm)
{
    ShipBuild("200");
    InstallUserCopy("100");
    MakeAgedFolder();
    std::unique_ptr<Child> client = StartRunningClient(false);

    const Result r = RunLauncher("upgrade");
    ASSERT_TRUE(r.ExitedWith(0)) << DescribeStatus(r.status) << "\n" << r.err;

    // The old client ended on SIGTERM (it exits with 0 when asked politely).
    ASSERT_TRUE(client->Wait(0ms));
    EXPECT_TRUE(WIFEXITED(client->status())) << DescribeStatus(client->status());

    // The copy is replaced, the backup removed, the new client started.
    EXPECT_EQ(ReadFile(userApp + "/Contents/Resources/INFO"), VersionRecord("200"));
    EXPECT_FALSE(Exists(userApp + "/Contents/Resources/old-only.txt"));
    EXPECT_TRUE(NoBackups());
    EXPECT_FALSE(Exists(home + "/.Halvenor/app"));
    EXPECT_EQ(CountLog("[DEBUG] launcher(114): done"), 1);
    EXPECT_EQ(CountLog("[ERROR] launcher(98): Failed to upgrade package"), 0);
    EXPECT_NE(WaitForLaunchedClient(client->pid()), 0);
}

TEST_F(LauncherRun, UpgradeKillsAClientThatIgnoresTerm)
{
    ShipBuild("200");
    InstallUserCopy("100");
    std::unique_ptr<Child> client = StartRunningClient(true);

    const auto start = Clock::now();
    const Result r = RunLauncher("upgrade");
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    ASSERT_TRUE(r.ExitedWith(0)) << DescribeStatus(r.status) << "\n" << r.err;
    printf("launcher run with a client ignoring SIGTERM: %.1f s\n", seconds);

    ASSERT_TRUE(client->Wait(0ms));
    EXPECT_TRUE(WIFSIGNALED(client->status()) && WTERMSIG(client->status()) == SIGKILL)
        << DescribeStatus(client->status());
    EXPECT_EQ(ReadFile(userApp + "/Contents/Resources/INFO"), VersionRecord("200"));
    EXPECT_TRUE(NoBackups());
    EXPECT_NE(WaitForLaunchedClient(client->pid()), 0);
}

// What ui.pid says while a client of the old copy runs.
enum class PidFileSays
{
    Nothing,       // removed
    DeadPid,       // a process that has ended
    UnrelatedPid,  // a live process of another program
    AnotherClient, // a second client of the old copy, named; both ignore SIGTERM
};

class StalePidFile : public LauncherRun, public ::testing::WithParamInterface<PidFileSays>
{
};

TEST_P(StalePidFile, UpgradeStillStopsTheOldClient)
{
    ShipBuild("200");
    InstallUserCopy("100");
    const bool both = GetParam() == PidFileSays::AnotherClient;
    std::unique_ptr<Child> client = StartRunningClient(both);
    Child other({access("/usr/bin/sleep", X_OK) == 0 ? "/usr/bin/sleep" : "/bin/sleep",
                 GetParam() == PidFileSays::DeadPid ? "0" : "60"});
    std::unique_ptr<Child> named;
    if (GetParam() == PidFileSays::Nothing) {
        ASSERT_TRUE(std::filesystem::remove(PidFile()));
    } else if (both) {
        named = StartRunningClient(true);
    } else {
        ASSERT_TRUE(GetParam() != PidFileSays::DeadPid || other.Wait(10s));
        ASSERT_TRUE(WriteFile(PidFile(), "pid=" + std::to_string(other.pid()) + "\n"));
    }

    const auto start = Clock::now();
    const Result r = RunLauncher("upgrade");
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    ASSERT_TRUE(r.ExitedWith(0)) << DescribeStatus(r.status) << "\n" << r.err;

    EXPECT_TRUE(client->Wait(0ms)) << "the old client still runs";
    EXPECT_TRUE(!named || named->Wait(0ms)) << "the named old client still runs";
    // Both clients share one grace period before the SIGKILL.
    EXPECT_LT(seconds, 9.0);
    if (GetParam() == PidFileSays::UnrelatedPid) {
        EXPECT_FALSE(other.Wait(300ms)) << "the process the pid file names was signalled";
    }
    const std::string note = "pid " + std::to_string(client->pid()) + " runs the client UI '";
    int notes = 0;
    for (const std::string& line : LogLines()) {
        notes += line.find("[NOTE] mac/mac-service(") != std::string::npos &&
                 line.find(note) != std::string::npos;
    }
    EXPECT_EQ(notes, 1);
    EXPECT_EQ(ReadFile(userApp + "/Contents/Resources/INFO"), VersionRecord("200"));
    const pid_t fresh = WaitForLaunchedClient(client->pid());
    ASSERT_NE(fresh, 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    std::error_code gone;
    const std::string exe = "/proc/" + std::to_string(fresh) + "/exe";
    EXPECT_FALSE(std::filesystem::read_symlink(exe, gone).empty()) << "the new client ended";
}

std::string CaseName(const ::testing::TestParamInfo<PidFileSays>& info)
{
    const char* const names[] = {"Nothing", "DeadPid", "UnrelatedPid", "AnotherClient"};
    return names[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(LauncherRun, StalePidFile,
                         ::testing::Values(PidFileSays::Nothing, PidFileSays::DeadPid,
                                           PidFileSays::UnrelatedPid, PidFileSays::AnotherClient),
                         CaseName);

// Trees deeper than the open-file limit, and paths past PATH_MAX once the
// copy is renamed to its backup name, under a limit of 64 open files.
struct DeepCase
{
    const char* name;
    bool installed; // an old copy whose deepest path is 4,094 bytes long
    bool fails;     // the package, 300 folders deep, ends in a refused entry
};

class DeepTree : public LauncherRun, public ::testing::WithParamInterface<DeepCase>
{
};

TEST_P(DeepTree, IsRolledBackOrRemovedWithFewDescriptors)
{
    const DeepCase c = GetParam();
    ASSERT_TRUE(WriteFile(bundle + "/Contents/Resources/INFO", VersionRecord("200")));
    ArchiveWriter package(ArchiveWriter::TarGz);
    package.File("Contents/MacOS/halvenor-drive-ui", standIn, 0755)
        .File("Contents/Resources/INFO", VersionRecord("200"));
    std::string chain = "Contents/chain";
    for (int i = 0; i < 300; ++i) {
        chain += "/d";
    }
    package.File(chain + "/leaf", "deep");
    if (c.fails) {
        package.File("../escape", "bad");
    }
    ASSERT_TRUE(MakeDirs(bundle + "/Contents/Resources/package"));
    ASSERT_TRUE(package.WriteTo(bundle + "/Contents/Resources/package/halvenor.vpk"));
    std::string leaf = userApp + "/Contents/deep";
    while (leaf.size() + 15 < 4094) {
        leaf += "/" + std::string(12, 'n');
    }
    leaf += "/" + std::string(4094 - leaf.size() - 1, 'f');
    if (c.installed) {
        InstallUserCopy("100");
        ASSERT_TRUE(WriteFile(leaf, "old"));
    }

    ChildOptions options = LauncherOptions("deep");
    options.maxOpenFiles = 64;
    Child child(options);
    const Result r = Finish(child, options);
    ASSERT_TRUE(r.ExitedWith(0)) << DescribeStatus(r.status) << "\n" << r.err;
    EXPECT_EQ(CountLog("[ERROR] launcher(98): Failed to upgrade package"), c.fails ? 1 : 0);
    EXPECT_FALSE(Exists(userApp + ".upgrading"));
    EXPECT_TRUE(NoBackups());
    for (const std::string& line : LogLines()) {
        EXPECT_EQ(line.find("[ERROR] file-op"), std::string::npos) << line;
    }
    if (!c.installed && c.fails) {
        EXPECT_FALSE(Exists(userApp));
        return;
    }
    EXPECT_EQ(ReadFile(userApp + "/Contents/Resources/INFO"),
              VersionRecord(c.fails ? "100" : "200"));
    EXPECT_EQ(ReadFile(leaf), c.fails ? "old" : "");
    EXPECT_NE(WaitForLaunchedClient(), 0);
}

INSTANTIATE_TEST_SUITE_P(LauncherRun, DeepTree,
                         ::testing::Values(DeepCase{"FailedFirstInstall", false, true},
                                           DeepCase{"FailedUpgrade", true, true},
                                           DeepCase{"Upgrade", true, false}),
                         [](const ::testing::TestParamInfo<DeepCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(LauncherRun, ClientHoldsNoneOfTheLauncherStreams)
{
    ShipBuild("200");
    ChildOptions options = LauncherOptions("streams");
    options.stdinPipe = true;
    Child launcher(options);
    const Result r = Finish(launcher, options);
    ASSERT_TRUE(r.ExitedWith(0)) << DescribeStatus(r.status) << "\n" << r.err;

    // Whoever reads the launcher's output would otherwise wait for the client.
    const pid_t client = WaitForLaunchedClient();
    ASSERT_NE(client, 0);
    for (int fd = 0; fd <= 2; ++fd) {
        std::error_code error;
        const std::string link = "/proc/" + std::to_string(client) + "/fd/" + std::to_string(fd);
        EXPECT_EQ(std::filesystem::read_symlink(link, error).string(), "/dev/null") << link;
    }
    // Nor any of its files: the log is closed on exec.
    for (const auto& e :
         std::filesystem::directory_iterator("/proc/" + std::to_string(client) + "/fd")) {
        std::error_code error;
        EXPECT_NE(std::filesystem::read_symlink(e.path(), error).string(), LogFile()) << e.path();
    }
}

TEST_F(LauncherRun, CorruptPackageRollsBack)
{
    // A package cut short inside its last, incompressible entry.
    ASSERT_TRUE(WriteFile(bundle + "/Contents/Resources/INFO", VersionRecord("200")));
    const std::string noise = Noise(512 * 1024, 7);
    ArchiveWriter package(ArchiveWriter::TarGz);
    package.File("Contents/MacOS/halvenor-drive-ui", "#!/bin/sh\nexit 3\n", 0755)
        .File("Contents/Resources/INFO", VersionRecord("200"))
        .File("Contents/Resources/noise.bin", noise);
    const std::string path = bundle + "/Contents/Resources/package/halvenor.vpk";
    ASSERT_TRUE(MakeDirs(bundle + "/Contents/Resources/package"));
    ASSERT_TRUE(package.WriteTo(path)) << package.error();
    ASSERT_EQ(truncate(path.c_str(), std::filesystem::file_size(path) - 128 * 1024), 0);

    InstallUserCopy("100");
    MakeAgedFolder();
    const auto before = Snapshot(userApp);

    // The failure is logged, the old copy is back byte for byte and still launched.
    const Result r = RunLauncher("corrupt");
    ASSERT_TRUE(r.ExitedWith(0)) << DescribeStatus(r.status) << "\n" << r.err;
    EXPECT_EQ(CountLog("[ERROR] launcher(98): Failed to upgrade package"), 1);
    EXPECT_EQ(CountLog("[DEBUG] launcher(114): done"), 1);
    EXPECT_EQ(Snapshot(userApp), before);
    EXPECT_TRUE(NoBackups());
    EXPECT_FALSE(Exists(home + "/.Halvenor/app"));
    const pid_t firstClient = WaitForLaunchedClient();
    EXPECT_NE(firstClient, 0);

    // Without a level file only errors and warnings reach the log.
    std::filesystem::remove(bundle + "/log/launcher.debug");
    std::filesystem::remove(LogFile());
    const Result quiet = RunLauncher("quiet");
    ASSERT_TRUE(quiet.ExitedWith(0)) << DescribeStatus(quiet.status) << "\n" << quiet.err;
    EXPECT_EQ(CountLog("[ERROR] launcher(98): Failed to upgrade package"), 1);
    for (const std::string& line : LogLines()) {
        EXPECT_EQ(line.find("[DEBUG]"), std::string::npos) << line;
        EXPECT_EQ(line.find("[INFO]"), std::string::npos) << line;
    }
    EXPECT_EQ(Snapshot(userApp), before);
    EXPECT_NE(WaitForLaunchedClient(firstClient), 0);
}

TEST_F(LauncherRun, SecondInstanceIsRefusedWhileTheFirstRuns)
{
    ShipBuild("200");
    InstallUserCopy("100");
    std::unique_ptr<Child> client = StartRunningClient(true);

    const ChildOptions firstOptions = LauncherOptions("first");
    Child first(firstOptions);
    ASSERT_TRUE(WaitForLog("[DEBUG] launcher(86): running"));
    // Frozen inside its flow, the first instance holds the guard for as long
    // as the second needs to start, however slow the machine.
    first.Signal(SIGSTOP);
    const Result second = RunLauncher("second");
    first.Signal(SIGCONT);
    // The client that ignores SIGTERM has held the flow long enough: the
    // grace period before its SIGKILL is UpgradeKillsAClientThatIgnoresTerm's.
    client->Signal(SIGKILL);

    ASSERT_TRUE(second.ExitedWith(0)) << DescribeStatus(second.status) << "\n" << second.err;
    EXPECT_EQ(second.out, "lib path = '" + bundle + "/Contents/Frameworks/plugins'\n");
    EXPECT_EQ(CountLog("[DEBUG] main(80): app has already launched, return"), 1);

    // The first goes on undisturbed; only one flow ever ran.
    const Result r = Finish(first, firstOptions);
    ASSERT_TRUE(r.ExitedWith(0)) << DescribeStatus(r.status) << "\n" << r.err;
    EXPECT_EQ(CountLog("[DEBUG] launcher(86): running"), 1);
    EXPECT_EQ(CountLog("[DEBUG] launcher(114): done"), 1);
    EXPECT_EQ(ReadFile(userApp + "/Contents/Resources/INFO"), VersionRecord("200"));
    EXPECT_NE(WaitForLaunchedClient(client->pid()), 0);
}

TEST_F(LauncherRun, LauncherOfAnotherBundleWaitsForTheUpgradeInProgress)
{
    ShipBuild("200");
    InstallUserCopy("100");
    const auto before = Snapshot(userApp);
    // What the launcher of another bundle holds while it works on the copy.
    const int held = open((home + "/.Halvenor/launcher.lock").c_str(),
                          O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    ASSERT_GE(held, 0);
    ASSERT_EQ(flock(held, LOCK_EX), 0);

    const ChildOptions options = LauncherOptions("waiting");
    Child launcher(options);
    const bool waiting = WaitFor(
        [&] {
            return ReadFile(LogFile()).find("another launcher is updating the per-user copy, "
                                            "waiting for it") != std::string::npos;
        },
        30s);
    ASSERT_TRUE(waiting);
    // It does nothing to the copy until the other one is done.
    EXPECT_EQ(Snapshot(userApp), before);
    EXPECT_EQ(CountLog("[DEBUG] launcher(114): done"), 0);
    close(held);

    const Result r = Finish(launcher, options);
    ASSERT_TRUE(r.ExitedWith(0)) << DescribeStatus(r.status) << "\n" << r.err;
    EXPECT_EQ(ReadFile(userApp + "/Contents/Resources/INFO"), VersionRecord("200"));
    EXPECT_NE(WaitForLaunchedClient(), 0);
}

TEST_F(LauncherRun, TwentySimultaneousStartsRunOneFlow)
{
    ShipBuild("200");
    InstallUserCopy("100");
    std::unique_ptr<Child> client = StartRunningClient(true);

    std::vector<ChildOptions> options;
    std::vector<std::unique_ptr<Child>> starts;
    for (int i = 0; i < 20; ++i) {
        options.push_back(LauncherOptions("start" + std::to_string(i)));
    }
    for (const ChildOptions& o : options) {
        starts.push_back(std::make_unique<Child>(o));
    }
    // Whichever start won is frozen inside its flow until every other start
    // has ended, so a slow machine cannot let the winner finish and a late
    // start take the guard after it.
    ASSERT_TRUE(WaitForLog("[DEBUG] launcher(86): running"));
    Child* winner = nullptr;
    for (auto& c : starts) {
        if (GuardHolder() == c->pid()) {
            winner = c.get();
        }
    }
    ASSERT_NE(winner, nullptr) << "no start holds the guard";
    winner->Signal(SIGSTOP);
    for (size_t i = 0; i < starts.size(); ++i) {
        if (starts[i].get() == winner) {
            continue;
        }
        const Result r = Finish(*starts[i], options[i]);
        EXPECT_TRUE(r.ExitedWith(0)) << "start " << i << ": " << DescribeStatus(r.status) << "\n"
                                     << r.err;
    }
    winner->Signal(SIGCONT);
    client->Signal(SIGKILL); // as in SecondInstanceIsRefusedWhileTheFirstRuns
    for (size_t i = 0; i < starts.size(); ++i) {
        if (starts[i].get() == winner) {
            const Result r = Finish(*winner, options[i]);
            EXPECT_TRUE(r.ExitedWith(0)) << DescribeStatus(r.status) << "\n" << r.err;
        }
    }

    EXPECT_EQ(CountLog("[DEBUG] launcher(86): running"), 1);
    EXPECT_EQ(CountLog("[DEBUG] launcher(114): done"), 1);
    EXPECT_EQ(CountLog("[DEBUG] main(80): app has already launched, return"), 19);
    EXPECT_EQ(ReadFile(userApp + "/Contents/Resources/INFO"), VersionRecord("200"));
    EXPECT_TRUE(NoBackups());
    EXPECT_NE(WaitForLaunchedClient(client->pid()), 0);
}

TEST_F(LauncherRun, CrashedInstanceDoesNotBlockTheNextStart)
{
    ShipBuild("200");
    InstallUserCopy("100");
    std::unique_ptr<Child> client = StartRunningClient(true);
    {
        Child first(LauncherOptions("first"));
        ASSERT_TRUE(WaitForLog("[DEBUG] launcher(86): running"));
        first.Signal(SIGKILL);
        ASSERT_TRUE(first.Wait(30s));
    }
    client->Signal(SIGKILL); // as in SecondInstanceIsRefusedWhileTheFirstRuns

    const Result r = RunLauncher("next");
    ASSERT_TRUE(r.ExitedWith(0)) << DescribeStatus(r.status) << "\n" << r.err;
    EXPECT_NE(WaitForLaunchedClient(client->pid()), 0);
    EXPECT_EQ(CountLog("[DEBUG] main(80): app has already launched, return"), 0);
    EXPECT_EQ(CountLog("[DEBUG] launcher(86): running"), 2);
    EXPECT_EQ(CountLog("[DEBUG] launcher(114): done"), 1);
    EXPECT_EQ(ReadFile(userApp + "/Contents/Resources/INFO"), VersionRecord("200"));
}

TEST_F(LauncherRun, PluginPathComesFromTheFirstArgument)
{
    ShipBuild("200");
    InstallUserCopy("200");

    // A path with a detour is cleaned.
    ChildOptions detour = LauncherOptions("detour");
    detour.argv = {bundle + "/Contents/MacOS/../MacOS/launcher"};
    Child detourChild(detour);
    Result r = Finish(detourChild, detour);
    ASSERT_TRUE(r.ExitedWith(0)) << DescribeStatus(r.status) << "\n" << r.err;
    EXPECT_EQ(r.out, "lib path = '" + bundle + "/Contents/Frameworks/plugins'\n");

    // A relative start resolves against the working folder.
    ChildOptions relative = LauncherOptions("relative");
    relative.argv = {"./launcher"};
    relative.cwd = bundle + "/Contents/MacOS";
    Child relativeChild(relative);
    r = Finish(relativeChild, relative);
    ASSERT_TRUE(r.ExitedWith(0)) << DescribeStatus(r.status) << "\n" << r.err;
    EXPECT_EQ(r.out, "lib path = '../Frameworks/plugins'\n");

    // Where the first argument leads out of the bundle (started through PATH,
    // or through a link elsewhere), the executable's real path is used.
    ASSERT_TRUE(MakeDirs(tmp.path() + "/bin"));
    ASSERT_EQ(0, symlink(Launcher().c_str(), (tmp.path() + "/bin/halvenor").c_str()));
    const std::vector<std::string> outside[] = {
        {"launcher", "PATH=" + bundle + "/Contents/MacOS"},
        {tmp.path() + "/bin/halvenor", ""},
    };
    for (const auto& start : outside) {
        SCOPED_TRACE(start[0]);
        ChildOptions options = LauncherOptions("outside", {start[1]});
        options.argv = {start[0]};
        Child child(options);
        r = Finish(child, options);
        ASSERT_TRUE(r.ExitedWith(0)) << DescribeStatus(r.status) << "\n" << r.err;
        EXPECT_EQ(r.out, "lib path = '" + bundle + "/Contents/Frameworks/plugins'\n");
    }

    // It is the only plug-in path: without the bundle's platform plug-ins the
    // application cannot start, and the line still tells where it looked.
    RemoveTree(bundle + "/Contents/Frameworks");
    r = RunLauncher("noplugins");
    EXPECT_FALSE(r.ExitedWith(0));
    EXPECT_EQ(r.out, "lib path = '" + bundle + "/Contents/Frameworks/plugins'\n");
}

TEST_F(LauncherRun, LanguageFollowsTheLocaleOfTheEnvironment)
{
    ShipBuild("200");
    InstallUserCopy("200");
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"LANG=ja_JP.UTF-8"}, "jpn"},
        {{"LANG=de_DE.UTF-8"}, "ger"},
        {{"LANG=fr_FR.UTF-8"}, "fre"},
        {{"LANG=es_ES.UTF-8"}, "spn"},
        {{"LANG=nb_NO.UTF-8"}, "nor"},
        {{"LANG=en_US.UTF-8", "LC_ALL=pt_BR.UTF-8"}, "ptb"},
        {{"LANG=en_US.UTF-8", "LC_MESSAGES=zh_HK.UTF-8"}, "cht"},
        {{"LANG=zh_SG.UTF-8"}, "chs"},
        {{"LANG=fi_FI.UTF-8"}, "enu"},
        {{"LANG=C"}, "enu"},
    };
    pid_t lastClient = 0;
    for (const auto& c : cases) {
        std::filesystem::remove(LogFile());
        const Result r = RunLauncher("lang", c.first);
        ASSERT_TRUE(r.ExitedWith(0)) << c.first.back() << ": " << DescribeStatus(r.status) << "\n"
                                     << r.err;
        bool found = false;
        for (const std::string& line : LogLines()) {
            found = found || (line.find("main(") != std::string::npos &&
                              line.find("language '" + c.second + "', translation installed") !=
                                  std::string::npos);
        }
        EXPECT_TRUE(found) << c.first.back() << " should give " << c.second << "\n"
                           << ReadFile(LogFile());
        lastClient = WaitForLaunchedClient(lastClient);
    }
}

// Files under HOME may be planted by someone else: a launcher running as
// root with a user's HOME refuses to touch it, and none writes through a
// link, into another user's file or into a FIFO.
TEST_F(LauncherRun, PlantedFilesInTheHomeFolderAreNotWrittenThrough)
{
    ShipBuild("200");
    const passwd* nobody = getpwnam("nobody");
    ASSERT_NE(nobody, nullptr);
    const std::string victim = tmp.path() + "/victim";
    const std::string theirs = tmp.path() + "/theirs";
    const std::string logFolder = home + "/.Halvenor/log";
    const struct
    {
        const char* what;
        std::function<void()> plant;
        int exitCode;
        std::string err;
    } cases[] = {
        {"HOME of another user", [&] { ASSERT_EQ(0, chown(home.c_str(), nobody->pw_uid, 0)); },
         1, "home folder '" + home + "' belongs to user " + std::to_string(nobody->pw_uid)},
        {"~/.Halvenor of another user",
         [&] { ASSERT_EQ(0, chown((home + "/.Halvenor").c_str(), nobody->pw_uid, 0)); }, 1,
         "/.Halvenor' belongs to user"},
        {"~/.Halvenor a link to another user's folder",
         [&] {
             RemoveTree(home + "/.Halvenor");
             ASSERT_TRUE(MakeDirs(theirs) && chown(theirs.c_str(), nobody->pw_uid, 0) == 0);
             ASSERT_EQ(0, symlink(theirs.c_str(), (home + "/.Halvenor").c_str()));
         },
         1, "/.Halvenor' belongs to user"},
        {"log a link", [&] { ASSERT_EQ(0, symlink(victim.c_str(), LogFile().c_str())); }, 0,
         "not writing the log '" + LogFile() + "': it is a symbolic link"},
        {"log a hard link", [&] { ASSERT_EQ(0, link(victim.c_str(), LogFile().c_str())); }, 0,
         "it has other names"},
        {"log a FIFO", [&] { ASSERT_EQ(0, mkfifo(LogFile().c_str(), 0644)); }, 0,
         "it is not a regular file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RemoveTree(home);
        RemoveTree(theirs);
        ASSERT_TRUE(MakeDirs(home) && MakeDirs(logFolder) &&
                    WriteFile(victim, "precious\n", 0644));
        InstallUserCopy("200");
        c.plant();
        const auto before = Snapshot(theirs, kMissingIsEmpty);
        const Result r = RunLauncher("planted");
        EXPECT_TRUE(r.ExitedWith(c.exitCode)) << DescribeStatus(r.status) << "\n" << r.err;
        EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
        EXPECT_EQ(ReadFile(victim), "precious\n");
        EXPECT_EQ(Snapshot(theirs, kMissingIsEmpty), before);
        if (c.exitCode == 0) {
            EXPECT_NE(WaitForLaunchedClient(), 0);
        } else {
            EXPECT_FALSE(Exists(home + "/.Halvenor/launcher.lock"));
            EXPECT_FALSE(Exists(LogFile()));
        }
    }
}

// A FIFO in place of any file the launcher reads would block it for good,
// some of them while it holds the lock that later launchers wait for.
TEST_F(LauncherRun, NoFileInTheWayBlocksTheLauncher)
{
    const std::string resources = bundle + "/Contents/Resources";
    const struct
    {
        const char* what;
        std::string fifo;
        const char* installed; // the per-user copy's build before the run
    } cases[] = {
        {"level file", bundle + "/log/launcher.debug", "200"},
        {"bundle record", resources + "/INFO", "200"},
        {"per-user record", userApp + "/Contents/Resources/INFO", "200"},
        {"pid file", home + "/.Halvenor/ui.pid", "100"},
        {"upgrade marker", userApp + ".upgrading", "200"},
        {"package", resources + "/package/halvenor.vpk", "100"},
    };
    pid_t client = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RemoveTree(home + "/.Halvenor");
        ShipBuild("200");
        InstallUserCopy(c.installed);
        ASSERT_TRUE(WriteFile(bundle + "/log/launcher.debug", "launcher_debug=7\n"));
        unlink(c.fifo.c_str());
        ASSERT_EQ(0, mkfifo(c.fifo.c_str(), 0644));
        const ChildOptions options = LauncherOptions("fifo");
        Child launcher(options);
        ASSERT_TRUE(launcher.Wait(30s)) << "the launcher hangs";
        EXPECT_TRUE(WIFEXITED(launcher.status()) && WEXITSTATUS(launcher.status()) == 0)
            << DescribeStatus(launcher.status());
        client = WaitForLaunchedClient(client);
        EXPECT_NE(client, 0);
        unlink(c.fifo.c_str());
    }
}

// Under a process limit no worker thread can be had: the run still ends and
// the client is started.
TEST_F(LauncherRun, RunsWithoutAWorkerThread)
{
    // A user of this test's own: any other process of the user would count
    // against the limit.
    const uid_t user = 47000 + getpid() % 1000;
    ShipBuild("200");
    InstallUserCopy("100");
    ASSERT_EQ(0, chmod(tmp.path().c_str(), 0755));
    ASSERT_TRUE(MakeDirs(tmp.path() + "/run-nobody", 0700));
    for (const std::string& path : {home, home + "/.Halvenor", userApp, tmp.path() + "/run-nobody",
                                    WorkDir()}) {
        ASSERT_EQ(0, chown(path.c_str(), user, user)) << path;
    }
    for (const auto& e : std::filesystem::recursive_directory_iterator(userApp)) {
        ASSERT_EQ(0, lchown(e.path().c_str(), user, user));
    }
    ChildOptions options = LauncherOptions("limited");
    options.uid = user;
    options.gid = user;
    options.maxProcesses = 1;
    // LeakSanitizer's check at exit needs a task of its own, and another user
    // may not read the suppressions in a private checkout.
    options.env = Env({"XDG_RUNTIME_DIR=" + tmp.path() + "/run-nobody",
                       "LSAN_OPTIONS=", "ASAN_OPTIONS=detect_leaks=0"})
                      .list();
    Child launcher(options);
    ASSERT_TRUE(launcher.Wait(60s)) << "the launcher hangs";
    EXPECT_TRUE(WIFEXITED(launcher.status()) && WEXITSTATUS(launcher.status()) == 0)
        << DescribeStatus(launcher.status()) << "\n" << ReadFile(options.errFile);
    bool logged = false;
    for (const std::string& line : LogLines()) {
        logged = logged || line.find("cannot start the worker thread") != std::string::npos;
    }
    EXPECT_TRUE(logged) << ReadFile(LogFile());
    EXPECT_EQ(ReadFile(userApp + "/Contents/Resources/INFO"), VersionRecord("200"));
}

// The home folder's name as bytes, whatever they are; created private.
TEST_F(LauncherRun, HomeFolderIsTakenAsItsBytes)
{
    ShipBuild("200");
    home = tmp.path() + "/h\xe9me\xff";
    userApp = home + "/.Halvenor/Halvenor.app";
    ASSERT_TRUE(MakeDirs(home));
    const auto before = Snapshot(tmp.path() + "/home");
    const Result r = RunLauncher("bytes");
    ASSERT_TRUE(r.ExitedWith(0)) << DescribeStatus(r.status) << "\n" << r.err;
    EXPECT_EQ(ReadFile(userApp + "/Contents/Resources/INFO"), VersionRecord("200"));
    EXPECT_EQ(Snapshot(tmp.path() + "/home"), before);
    struct stat st;
    ASSERT_EQ(0, stat((home + "/.Halvenor").c_str(), &st));
    EXPECT_EQ(st.st_mode & 07777, 0700u);
    EXPECT_NE(WaitForLaunchedClient(), 0);
}

// Settings a session may bring: names extract as their UTF-8 bytes in any locale,
// a write past the file-size limit keeps the old copy, no entry name forges a log line.
TEST_F(LauncherRun, AdverseEnvironmentsKeepTheFlowWhole)
{
    const std::string locales = tmp.path() + "/locales";
    if (!MakeDirs(locales) ||
        system(("localedef -i fr_FR -f ISO-8859-1 " + locales + "/latin1").c_str())) {
        printf("no Latin-1 locale could be made: that case runs in the C locale\n");
    }
    const std::string name = "fr.lproj/D\xc3\xa9j\xc3\xa0 vu.txt";
    const std::string forged = "[INFO] cloud-service(594): user installation is ready";
    const auto kTarGz = ArchiveWriter::TarGz;
    const rlim_t kNone = RLIM_INFINITY;
    const struct
    {
        std::vector<std::string> env;
        ArchiveWriter::Format format;
        std::string entry;
        rlim_t maxFileSize;
        const char* error; // the old copy stays; without one the entry is installed
    } cases[] = {
        {{"LANG="}, kTarGz, name, kNone, nullptr},
        {{"LC_ALL=POSIX"}, ArchiveWriter::Zip, name, kNone, nullptr},
        {{"LANG=latin1", "LOCPATH=" + locales}, kTarGz, name, kNone, nullptr},
        {{}, kTarGz, "big", 256 * 1024, "(File too large)"},
        {{}, kTarGz, "/x\nJan 01 00:00:00 " + forged + "\n", kNone, "Refused entry '/x?Jan 01"},
    };
    pid_t client = 0;
    setlocale(LC_CTYPE, "C.UTF-8"); // the packages' names as a UTF-8 system writes them
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entry + (c.env.empty() ? "" : " with " + c.env[0]));
        RemoveTree(home + "/.Halvenor");
        InstallUserCopy("100");
        ShipBuild("200", c.format, c.entry, Noise(512 * 1024, 5));
        ChildOptions options = LauncherOptions("adverse", c.env);
        options.maxFileSize = c.maxFileSize;
        const Result r = RunToEnd(options);
        EXPECT_TRUE(r.ExitedWith(0)) << DescribeStatus(r.status) << "\n" << r.err;
        EXPECT_EQ(ReadFile(userApp + "/" + c.entry).size(), c.error ? 0u : 512u * 1024);
        EXPECT_EQ(ReadFile(userApp + "/Contents/Resources/INFO"),
                  VersionRecord(c.error ? "100" : "200"));
        const std::string log = ReadFile(LogFile());
        EXPECT_TRUE(!c.error || log.find(c.error) != std::string::npos) << log;
        EXPECT_EQ(CountLog(forged), 0) << log;
        EXPECT_NE(client = WaitForLaunchedClient(client), 0);
    }
    setlocale(LC_CTYPE, "C");
}

} // namespace
