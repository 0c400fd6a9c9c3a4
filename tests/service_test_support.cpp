#include "service_test_support.h"

#include "log.h"
#include "str_table.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#ifdef __linux__
#include <sys/prctl.h>
#endif

namespace fs = std::filesystem;
using namespace testutil;

namespace {

const char kBundleEnv[] = "HALVENOR_SERVICE_TEST_BUNDLE";
std::string g_bundle;

// Runs this program again from <tmp>/Halvenor.app/Contents/MacOS/launcher.
// A hard link where possible, else a copy: /proc/self/exe resolves symbolic
// links, so a link would not move the executable's folder.
int RelaunchInsideBundle(char** argv)
{
    // Removed by the program that runs from it, or here when it cannot run.
    TempDir tmp("service_test_bundle");
    if (tmp.path().empty()) {
        perror("service_test: temporary bundle");
        return 1;
    }
    const std::string bundle = tmp.path() + "/Halvenor.app";
    const std::string exe = bundle + "/Contents/MacOS/launcher";
    std::error_code error;
    fs::create_directories(bundle + "/Contents/MacOS", error);
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    if (error || (link(self.c_str(), exe.c_str()) != 0 &&
                  !fs::copy_file(self, exe, fs::copy_options::overwrite_existing, error))) {
        fprintf(stderr, "service_test: cannot place the test program in '%s': %s\n", exe.c_str(),
                error.message().c_str());
        return 1;
    }
    chmod(exe.c_str(), 0755);
    setenv(kBundleEnv, bundle.c_str(), 1);
    execv(exe.c_str(), argv);
    perror("service_test: execv");
    return 1;
}

bool OnlyListing(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (strncmp(argv[i], "--gtest_list_tests", 18) == 0) {
            return true;
        }
    }
    return false;
}

// Drops the time stamp "Mon DD HH:MM:SS " and the "(line)" after the source
// name, so that "... [INFO] cloud-service(123): text" becomes
// "[INFO] cloud-service: text".
std::string Normalise(const std::string& line)
{
    std::string text = line;
    const std::string::size_type tag = text.find(" [");
    if (tag != std::string::npos && tag <= 15) {
        text.erase(0, tag + 1);
    }
    const std::string::size_type open = text.find('(');
    const std::string::size_type close = text.find("): ");
    if (!text.empty() && text[0] == '[' && open != std::string::npos &&
        close != std::string::npos && open < close &&
        text.find_first_not_of("0123456789", open + 1) == close) {
        text.erase(open, close - open + 1);
    }
    return text;
}

bool IsServiceLine(const std::string& line)
{
    const std::string::size_type blank = line.find("] ");
    if (line.empty() || line[0] != '[' || blank == std::string::npos) {
        return false;
    }
    const std::string source = line.substr(blank + 2);
    return source.rfind("cloud-service: ", 0) == 0 || source.rfind("mac/mac-service: ", 0) == 0;
}

} // namespace

std::string TestBundleRoot()
{
    return g_bundle;
}

std::string StandInPath()
{
    return UI_STANDIN_PATH;
}

void WritePackage(const std::string& path, ArchiveWriter& package)
{
    MakeDirs(fs::path(path).parent_path().string());
    ASSERT_TRUE(package.WriteTo(path)) << package.error();
}

void ServiceTest::SetUp()
{
    ASSERT_FALSE(TestBundleRoot().empty())
        << "the test program must run from its temporary bundle (see main)";
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    tmp = std::make_unique<TempDir>(std::string("service_") + info->test_suite_name() + "_" +
                                    info->name());
    dir = tmp->path();
    ASSERT_FALSE(dir.empty()) << strerror(errno);

    home = dir + "/home";
    MakeDirs(home);
    setenv("HOME", home.c_str(), 1);

    resources = dir + "/resources";
    MakeDirs(resources);
    const std::string link = TestBundleRoot() + "/Contents/Resources";
    unlink(link.c_str());
    ASSERT_EQ(0, symlink(resources.c_str(), link.c_str())) << strerror(errno);

    const std::string levels = dir + "/launcher.debug";
    WriteFile(levels, "service_debug=7\n");
    logFile = dir + "/launcher.log";
    ASSERT_EQ(0, Logger::Initialize(Logger::TYPE_FILE, logFile, levels, 50));
}

void ServiceTest::TearDown()
{
    Logger::Destroy();
    tmp.reset();
}

std::vector<std::string> ServiceTest::AllLines() const
{
    std::vector<std::string> lines = SplitLines(ReadFile(logFile));
    for (std::string& line : lines) {
        line = Normalise(line);
    }
    return lines;
}

std::vector<std::string> ServiceTest::ServiceLines() const
{
    std::vector<std::string> lines;
    for (const std::string& line : AllLines()) {
        if (IsServiceLine(line)) {
            lines.push_back(line);
        }
    }
    return lines;
}

int ServiceTest::CountLine(const std::string& line) const
{
    int count = 0;
    for (const std::string& l : AllLines()) {
        count += l == line ? 1 : 0;
    }
    return count;
}

void ServiceTest::MakeUserCopy(const std::string& build)
{
    WriteFile(UserExe(), "old user interface");
    chmod(UserExe().c_str(), 0755);
    WriteFile(UserApp() + "/Contents/Resources/INFO", VersionRecord("1", "0", build, "2"));
    WriteFile(UserApp() + "/Contents/Resources/data.bin", std::string("\0\1\2\377old", 7));
    WriteFile(UserApp() + "/Contents/Resources/empty", "");
    MakeDirs(UserApp() + "/Contents/Frameworks");
}

void ServiceTest::InstallStandInAsUserUi()
{
    WriteFile(UserExe(), ReadFile(StandInPath()));
    ASSERT_EQ(0, chmod(UserExe().c_str(), 0755)) << strerror(errno);
}

void ServiceTest::MakeGoodPackage(const std::string& build)
{
    ArchiveWriter package(ArchiveWriter::TarGz);
    package.Dir("Contents/")
        .File("Contents/MacOS/halvenor-drive-ui", "new user interface", 0755)
        .File("Contents/Resources/INFO", VersionRecord("1", "1", build, "3"))
        .File("Contents/Resources/new.txt", "new resource");
    WritePackage(PackagePath(), package);
}

void ServiceTest::MakeFailingPackage()
{
    ArchiveWriter package(ArchiveWriter::TarGz);
    package.File("Contents/MacOS/halvenor-drive-ui", "new user interface", 0755)
        .File("Contents/Resources/INFO", VersionRecord("1", "1", "99", "3"))
        .File("../escape.txt", "outside")
        .File("Contents/Resources/after.txt", "never written");
    WritePackage(PackagePath(), package);
}

void KillAndReap(pid_t pid)
{
    kill(pid, SIGKILL);
    WaitFor(
        [pid] {
            const pid_t r = waitpid(pid, nullptr, WNOHANG);
            return r == pid || (r < 0 && errno == ECHILD);
        },
        5s);
}

std::string ExecutableOf(pid_t pid)
{
    std::error_code error;
    return fs::read_symlink("/proc/" + std::to_string(pid) + "/exe", error).string();
}

pid_t WaitForPidFile(const std::string& path, pid_t notPid, std::chrono::milliseconds timeout)
{
    pid_t pid = -1;
    WaitFor(
        [&] {
            pid = PidFromFile(path);
            return pid > 0 && pid != notPid;
        },
        timeout);
    return pid > 0 && pid != notPid ? pid : -1;
}

int main(int argc, char** argv)
{
    const char* bundle = getenv(kBundleEnv);
    if (bundle == nullptr && !OnlyListing(argc, argv)) {
        return RelaunchInsideBundle(argv);
    }
    if (bundle != nullptr) {
        g_bundle = bundle;
    }
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
#ifdef __linux__
    // The client UI that the launch layer starts detached is reparented to
    // this process, so the tests can reap it.
    prctl(PR_SET_CHILD_SUBREAPER, 1);
#endif
    StrTable::InitStrTable();
    const int result = RUN_ALL_TESTS();
    if (!g_bundle.empty()) {
        RemoveTree(fs::path(g_bundle).parent_path());
    }
    return result;
}
