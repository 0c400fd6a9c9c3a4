#include "service_test_support.h"

#include "log.h"
#include "str_table.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#ifdef __linux__
#include <sys/prctl.h>
#endif

extern char** environ;

namespace fs = std::filesystem;

namespace {

const char kBundleEnv[] = "HALVENOR_SERVICE_TEST_BUNDLE";
std::string g_bundle;

std::string TempBase()
{
    const char* base = getenv("TMPDIR");
    return base != nullptr && *base != '\0' ? base : "/tmp";
}

// mkdtemp, resolved so that it compares equal to the paths Qt reports.
std::string MakeTempDir(const std::string& prefix)
{
    std::string pattern = TempBase() + "/" + prefix + ".XXXXXX";
    if (mkdtemp(&pattern[0]) == nullptr) {
        return std::string();
    }
    char real[PATH_MAX];
    if (realpath(pattern.c_str(), real) == nullptr) {
        return std::string();
    }
    return real;
}

// Runs this program again from <tmp>/Halvenor.app/Contents/MacOS/launcher.
// A hard link where possible, else a copy: /proc/self/exe resolves symbolic
// links, so a link would not move the executable's folder.
int RelaunchInsideBundle(char** argv)
{
    const std::string tmp = MakeTempDir("service_test_bundle");
    if (tmp.empty()) {
        perror("service_test: temporary bundle");
        return 1;
    }
    const std::string bundle = tmp + "/Halvenor.app";
    const std::string exe = bundle + "/Contents/MacOS/launcher";
    std::error_code error;
    fs::create_directories(bundle + "/Contents/MacOS", error);
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    if (error || (link(self.c_str(), exe.c_str()) != 0 &&
                  !fs::copy_file(self, exe, fs::copy_options::overwrite_existing, error))) {
        fprintf(stderr, "service_test: cannot place the test program in '%s': %s\n", exe.c_str(),
                error.message().c_str());
        fs::remove_all(tmp, error);
        return 1;
    }
    chmod(exe.c_str(), 0755);
    setenv(kBundleEnv, bundle.c_str(), 1);
    execv(exe.c_str(), argv);
    perror("service_test: execv");
    fs::remove_all(tmp, error);
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

std::string Sha256Hex(const std::string& bytes)
{
    return QCryptographicHash::hash(QByteArray(bytes.data(), static_cast<int>(bytes.size())),
                                    QCryptographicHash::Sha256)
        .toHex()
        .toStdString();
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

void MakeDirs(const std::string& path)
{
    std::error_code error;
    fs::create_directories(path, error);
    ASSERT_FALSE(error) << path << ": " << error.message();
}

bool Exists(const std::string& path)
{
    struct stat st;
    return lstat(path.c_str(), &st) == 0;
}

void RemoveTree(const std::string& path)
{
    std::error_code error;
    fs::remove_all(path, error);
    ASSERT_FALSE(error) << path << ": " << error.message();
}

std::set<std::string> Names(const std::string& dir)
{
    std::set<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(dir, error), end; !error && it != end; it.increment(error)) {
        names.insert(it->path().filename().string());
    }
    return names;
}

std::string Noise(size_t size, unsigned seed)
{
    std::mt19937 random(seed);
    std::string data(size, '\0');
    for (char& c : data) {
        c = static_cast<char>(random());
    }
    return data;
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void WriteFile(const std::string& path, const std::string& content)
{
    MakeDirs(fs::path(path).parent_path().string());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
    out.close();
    ASSERT_TRUE(out.good()) << "cannot write " << path;
}

std::string VersionRecord(const std::string& major, const std::string& minor,
                          const std::string& build, const std::string& iconOverlay)
{
    return "[Version]\nmajor_version=" + major + "\nminor_version=" + minor +
           "\nbuild_version=" + build + "\nicon_overlay_version=" + iconOverlay + "\n";
}

void WritePackage(const std::string& path, ArchiveWriter& package)
{
    MakeDirs(fs::path(path).parent_path().string());
    ASSERT_TRUE(package.WriteTo(path)) << package.error();
}

std::map<std::string, std::string> Snapshot(const std::string& root, bool modes)
{
    std::map<std::string, std::string> tree;
    std::error_code error;
    for (auto it = fs::recursive_directory_iterator(root, error);
         !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
        const std::string rel = it->path().lexically_relative(root).string();
        const fs::file_status status = it->symlink_status();
        char mode[16] = "";
        if (modes) {
            snprintf(mode, sizeof(mode), " %04o",
                     static_cast<unsigned>(status.permissions()) & 07777u);
        }
        if (fs::is_symlink(status)) {
            tree[rel] = "link:" + fs::read_symlink(it->path()).string();
        } else if (fs::is_directory(status)) {
            tree[rel] = std::string("dir") + mode;
        } else if (fs::is_regular_file(status)) {
            tree[rel] = "file:" + Sha256Hex(ReadFile(it->path().string())) + mode;
        } else {
            tree[rel] = "other";
        }
    }
    EXPECT_FALSE(error) << root << ": " << error.message();
    return tree;
}

void ServiceTest::SetUp()
{
    ASSERT_FALSE(TestBundleRoot().empty())
        << "the test program must run from its temporary bundle (see main)";
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir = MakeTempDir(std::string("service_") + info->test_suite_name() + "_" + info->name());
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
    if (HasFailure()) {
        printf("kept temporary folder %s\n", dir.c_str());
        return;
    }
    std::error_code error;
    fs::remove_all(dir, error);
}

std::vector<std::string> ServiceTest::AllLines() const
{
    std::vector<std::string> lines;
    std::istringstream in(ReadFile(logFile));
    std::string line;
    while (std::getline(in, line)) {
        lines.push_back(Normalise(line));
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

ChildProcess::~ChildProcess()
{
    if (reaper.joinable() && !Exited()) {
        kill(pid, SIGKILL);
    }
    if (reaper.joinable()) {
        reaper.join();
    }
}

bool ChildProcess::Start(const std::string& program, const std::vector<std::string>& args,
                         bool ownGroup)
{
    std::vector<std::string> all{program};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& arg : all) {
        argv.push_back(&arg[0]);
    }
    argv.push_back(nullptr);

    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    if (ownGroup) {
        posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETPGROUP);
        posix_spawnattr_setpgroup(&attr, 0);
    }
    const int rc = posix_spawn(&pid, program.c_str(), nullptr, &attr, argv.data(), environ);
    posix_spawnattr_destroy(&attr);
    if (rc != 0) {
        pid = -1;
        return false;
    }
    reaper = std::thread([this] {
        int st = 0;
        pid_t r;
        do {
            r = waitpid(pid, &st, 0);
        } while (r < 0 && errno == EINTR);
        std::lock_guard<std::mutex> lock(mutex);
        status = st;
        exitTime = std::chrono::steady_clock::now();
        exited = true;
        changed.notify_all();
    });
    return true;
}

bool ChildProcess::WaitExit(std::chrono::milliseconds timeout)
{
    bool done;
    {
        std::unique_lock<std::mutex> lock(mutex);
        done = changed.wait_for(lock, timeout, [this] { return exited; });
    }
    JoinIfExited(done);
    return done;
}

bool ChildProcess::Exited()
{
    bool done;
    {
        std::lock_guard<std::mutex> lock(mutex);
        done = exited;
    }
    JoinIfExited(done);
    return done;
}

// A finished but unjoined thread would be reported as leaked by a
// ThreadSanitizer build in every process that the code under test forks.
void ChildProcess::JoinIfExited(bool done)
{
    if (done && reaper.joinable()) {
        reaper.join();
    }
}

void KillAndReap(pid_t pid)
{
    kill(pid, SIGKILL);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (std::chrono::steady_clock::now() < deadline) {
        const pid_t r = waitpid(pid, nullptr, WNOHANG);
        if (r == pid || (r < 0 && errno == ECHILD)) {
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

std::string ExecutableOf(pid_t pid)
{
    std::error_code error;
    return fs::read_symlink("/proc/" + std::to_string(pid) + "/exe", error).string();
}

pid_t WaitForPidFile(const std::string& path, pid_t notPid, std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    do {
        const std::string content = ReadFile(path);
        if (content.compare(0, 4, "pid=") == 0) {
            const long pid = strtol(content.c_str() + 4, nullptr, 10);
            if (pid > 0 && pid != notPid) {
                return static_cast<pid_t>(pid);
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    } while (std::chrono::steady_clock::now() < deadline);
    return -1;
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
        std::error_code error;
        fs::remove_all(fs::path(g_bundle).parent_path(), error);
    }
    return result;
}
