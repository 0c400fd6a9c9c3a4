#include "log.h"
#include "support/files.h"
#include "support/temp_dir.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

const int kRotateSize = 1048577;
const int kStampSize = 16;
const char* const kStamp = "(Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) [0-3][0-9] "
                           "[0-2][0-9]:[0-5][0-9]:[0-6][0-9] ";

// "Dec 06 18:44:37 ": a month abbreviation of the C locale, then digits.
bool is_stamped(const std::string& line)
{
    static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    if (line.size() < kStampSize ||
        std::find(std::begin(months), std::end(months), line.substr(0, 3)) == std::end(months)) {
        return false;
    }
    const char* shape = "    dd dd:dd:dd ";
    for (int i = 3; i < kStampSize; ++i) {
        const bool ok = shape[i] == 'd' ? std::isdigit(static_cast<unsigned char>(line[i])) != 0
                                        : line[i] == shape[i];
        if (!ok) {
            return false;
        }
    }
    return true;
}

// Each line without its time stamp; a line without one is marked.
std::vector<std::string> texts(const fs::path& path)
{
    std::vector<std::string> out;
    for (const std::string& line : testutil::SplitLines(testutil::ReadFile(path))) {
        out.push_back(is_stamped(line) ? line.substr(kStampSize) : "<unstamped>" + line);
    }
    return out;
}

// True when some descriptor of this process still refers to path.
bool is_open_here(const fs::path& path)
{
    for (const auto& fd : fs::directory_iterator("/proc/self/fd")) {
        std::error_code ec;
        if (fs::read_symlink(fd.path(), ec) == path) {
            return true;
        }
    }
    return false;
}

// Sends a standard descriptor into a file for the lifetime of the object.
class Redirect
{
public:
    Redirect(int fd, const fs::path& to) : fd_(fd), saved_(dup(fd))
    {
        std::fflush(nullptr);
        const int file = open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(file, fd_);
        close(file);
    }
    ~Redirect()
    {
        std::fflush(nullptr);
        dup2(saved_, fd_);
        close(saved_);
    }

private:
    int fd_;
    int saved_;
};

void log_c(int level, const char* component, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    LogMSG_c(level, const_cast<char*>(component), format, args);
    va_end(args);
}

// The Logger is process-wide: every test starts from a destroyed Logger with
// an empty level table, in a folder of its own kept when the test fails.
class LoggerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Reset();
        ASSERT_FALSE(dir.empty());
        log = dir / "launcher.log";
    }

    void TearDown() override { Reset(); }

    static void Reset()
    {
        Logger::Destroy();
        Logger::log_level.clear();
    }

    int InitFile(const fs::path& path, int count = 50, const std::string& levels = "")
    {
        return Logger::Initialize(Logger::TYPE_FILE, ustring(path.c_str()), ustring(levels.c_str()),
                                  count);
    }

    fs::path rotated(int i) const { return fs::path(log.string() + "_" + std::to_string(i)); }

    int rotated_files() const
    {
        int n = 0;
        for (const auto& e : fs::directory_iterator(dir)) {
            n += e.path().filename().string().rfind("launcher.log_", 0) == 0;
        }
        return n;
    }

    testutil::TempDir tmp{"logger_test"};
    const fs::path dir{tmp.path()};
    fs::path log;
};

TEST_F(LoggerTest, ThresholdsPerComponent)
{
    const ustring components[] = {"launcher_debug", "service_debug", "file_op_debug",
                                  "extractor_debug", "other"};

    // No level file: errors and warnings only, for every component.
    ASSERT_EQ(InitFile(log), 0);
    for (const ustring& c : components) {
        Logger::LogMsg(Logger::LEVEL_ERROR, c, "3 %s\n", c.c_str());
        Logger::LogMsg(Logger::LEVEL_WARNING, c, "4 %s\n", c.c_str());
        Logger::LogMsg(Logger::LEVEL_NOTE, c, "5 %s\n", c.c_str());
        Logger::LogMsg(Logger::LEVEL_DEBUG, c, "7 %s\n", c.c_str());
    }
    std::vector<std::string> expected;
    for (const ustring& c : components) {
        expected.push_back(std::string("3 ") + c.c_str());
        expected.push_back(std::string("4 ") + c.c_str());
    }
    EXPECT_EQ(texts(log), expected);

    // Per-component values; 0 and non-numbers silence; default_component is an
    // ordinary entry, not the fallback of unknown components.
    const fs::path levels = dir / "launcher.debug";
    std::ofstream(levels) << "launcher_debug=7\nservice_debug = 5\nfile_op_debug=0\n"
                             "extractor_debug=abc\ndefault_component=7\n";
    Reset();
    const fs::path second = dir / "second.log";
    ASSERT_EQ(InitFile(second, 50, levels.string()), 0);
    Logger::LogMsg(Logger::LEVEL_DEBUG, ustring("launcher_debug"), "launcher 7\n");
    Logger::LogMsg(Logger::LEVEL_INFO, ustring("service_debug"), "service 6\n");
    Logger::LogMsg(Logger::LEVEL_NOTE, ustring("service_debug"), "service 5\n");
    Logger::LogMsg(Logger::LEVEL_ERROR, ustring("file_op_debug"), "file_op 3\n");
    Logger::LogMsg(Logger::LEVEL_ERROR, ustring("extractor_debug"), "extractor 3\n");
    Logger::LogMsg(Logger::LEVEL_DEBUG, ustring("default_component"), "default 7\n");
    Logger::LogMsg(Logger::LEVEL_NOTE, ustring("other"), "other 5\n");
    Logger::LogMsg(Logger::LEVEL_WARNING, ustring("other"), "other 4\n");
    log_c(7, "launcher_debug", "c entry %d\n", 7);
    EXPECT_EQ(texts(second), (std::vector<std::string>{"launcher 7", "service 5", "default 7",
                                                       "other 4", "c entry 7"}));

    // A malformed level file gives no entries: threshold 4 everywhere.
    std::ofstream(levels) << "launcher_debug=7\nbad line\n";
    Reset();
    const fs::path third = dir / "third.log";
    ASSERT_EQ(InitFile(third, 50, levels.string()), 0);
    Logger::LogMsg(Logger::LEVEL_DEBUG, ustring("launcher_debug"), "hidden\n");
    Logger::LogMsg(Logger::LEVEL_WARNING, ustring("launcher_debug"), "shown\n");
    EXPECT_EQ(texts(third), std::vector<std::string>{"shown"});
    EXPECT_EQ(Logger::log_level, (std::map<ustring, int>{{"default_component", 4}}));
}

TEST_F(LoggerTest, LineFormatAndStandardStreams)
{
    // Stamp of the current local time, then the text unchanged.
    ASSERT_EQ(InitFile(log), 0);
    const time_t before = time(nullptr);
    Logger::LogMsg(Logger::LEVEL_ERROR, ustring("launcher_debug"),
                   "[ERROR] launcher(%d): Failed to upgrade package\n", 98);
    const time_t after = time(nullptr);
    const std::string line = testutil::ReadFile(log);
    EXPECT_EQ(texts(log),
              std::vector<std::string>{"[ERROR] launcher(98): Failed to upgrade package"});
    EXPECT_EQ(line.back(), '\n');
    bool matches_clock = false;
    for (time_t t = before; t <= after; ++t) {
        char stamp[64];
        struct tm tm;
        strftime(stamp, sizeof(stamp), "%b %d %H:%M:%S ", localtime_r(&t, &tm));
        matches_clock |= line.rfind(stamp, 0) == 0;
    }
    EXPECT_TRUE(matches_clock) << line;

    // PrintToFilePointer: no level check, returns the bytes it wrote.
    const auto size = fs::file_size(log);
    EXPECT_EQ(Logger::PrintToFilePointer("%s-%d\n", "abc", 12), kStampSize + 7);
    EXPECT_EQ(fs::file_size(log), size + kStampSize + 7);

    // Standard error and standard output receive the same line format.
    for (const Logger::Type type : {Logger::TYPE_STDERR, Logger::TYPE_STDOUT}) {
        const int fd = type == Logger::TYPE_STDERR ? 2 : 1;
        const fs::path captured = dir / ("fd" + std::to_string(fd));
        ASSERT_EQ(Logger::Initialize(type, ustring(""), ustring(""), 50), 0);
        EXPECT_EQ(Logger::log_fp, type == Logger::TYPE_STDERR ? stderr : stdout);
        EXPECT_EQ(*Logger::log_size, -1);
        {
            Redirect r(fd, captured);
            Logger::LogMsg(Logger::LEVEL_WARNING, ustring("x"), "[WARNING] t(%d): to %d\n", 1, fd);
            Logger::LogMsg(Logger::LEVEL_INFO, ustring("x"), "hidden\n");
        }
        EXPECT_EQ(texts(captured),
                  std::vector<std::string>{"[WARNING] t(1): to " + std::to_string(fd)});
    }
}

TEST(LoggerEarly, BeforeInitializeWritesToStandardError)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    // A re-executed child sees the Logger's initial state, whatever other tests did.
    EXPECT_EXIT(
        {
            if (Logger::log_type != 2 || Logger::log_fp != stderr || Logger::rotate_cnt != 50 ||
                Logger::log_lock != nullptr || Logger::log_size != nullptr ||
                !Logger::log_initialized || !Logger::log_level.empty()) {
                std::exit(2);
            }
            Logger::LogMsg(Logger::LEVEL_ERROR, ustring("launcher_debug"), "[ERROR] e(%d): a\n", 1);
            Logger::LogMsg(Logger::LEVEL_INFO, ustring("launcher_debug"), "[INFO] e(%d): b\n", 2);
            Logger::LogMsg(Logger::LEVEL_WARNING, ustring("x"), "[WARNING] e(%d): c\n", 3);
            std::exit(*Logger::log_size == -1 ? 0 : 3);
        },
        ::testing::ExitedWithCode(0),
        std::string("^") + kStamp + "\\[ERROR\\] e\\(1\\): a\n" + kStamp +
            "\\[WARNING\\] e\\(3\\): c\n$");
}

TEST_F(LoggerTest, RotationNamesAndCounts)
{
    // Count 50, 60 rotations: _0 newest to _48 oldest, no _49.
    ASSERT_EQ(InitFile(log, 50), 0);
    for (int r = 0; r < 60; ++r) {
        Logger::LogMsg(Logger::LEVEL_ERROR, ustring("x"), "gen %d\n", r);
        Logger::Lock();
        ASSERT_EQ(Logger::Rotate(), 0);
        Logger::Unlock();
    }
    for (int i = 0; i <= 48; ++i) {
        ASSERT_EQ(texts(rotated(i)), std::vector<std::string>{"gen " + std::to_string(59 - i)});
    }
    EXPECT_FALSE(fs::exists(rotated(49)));
    EXPECT_EQ(rotated_files(), 49);
    EXPECT_EQ(fs::file_size(log), 0u);
    EXPECT_EQ(*Logger::log_rotated_count_shared, 60u);
    EXPECT_EQ(Logger::log_rotated_count_private, 60u);

    // Counts 2, 1, 0 and -3: only _0 ever exists, holding the latest file.
    for (int count : {2, 1, 0, -3}) {
        Reset();
        fs::remove_all(dir);
        fs::create_directory(dir);
        ASSERT_EQ(InitFile(log, count), 0);
        for (int r = 0; r < 3; ++r) {
            Logger::LogMsg(Logger::LEVEL_ERROR, ustring("x"), "gen %d\n", r);
            Logger::Lock();
            EXPECT_EQ(Logger::Rotate(), 0);
            Logger::Unlock();
        }
        EXPECT_EQ(rotated_files(), 1) << "count " << count;
        EXPECT_EQ(texts(rotated(0)), std::vector<std::string>{"gen 2"}) << "count " << count;
    }

    // A path too long for a 1024-byte name buffer still rotates to its own names.
    Reset();
    fs::path deep = dir;
    while (deep.string().size() < 800) {
        deep /= std::string(100, 'd');
    }
    fs::create_directories(deep);
    log = deep / std::string(1023 - deep.string().size() - 1, 'l');
    ASSERT_EQ(log.string().size(), 1023u);
    ASSERT_EQ(InitFile(log), 0);
    Logger::LogMsg(Logger::LEVEL_ERROR, ustring("x"), "kept\n");
    Logger::Lock();
    EXPECT_EQ(Logger::Rotate(), 0);
    Logger::Unlock();
    EXPECT_EQ(texts(rotated(0)), std::vector<std::string>{"kept"});
}

TEST_F(LoggerTest, RotationPointAndStartingSize)
{
    // The message that reaches exactly 1048577 bytes is the last in the old file.
    ASSERT_EQ(InitFile(log), 0);
    const std::string last = "last\n";
    const std::string fill(kRotateSize - 2 * kStampSize - last.size(), 'a');
    Logger::LogMsg(Logger::LEVEL_ERROR, ustring("x"), "%s", fill.c_str());
    EXPECT_FALSE(fs::exists(rotated(0)));
    Logger::LogMsg(Logger::LEVEL_ERROR, ustring("x"), "%s", last.c_str());
    ASSERT_TRUE(fs::exists(rotated(0)));
    EXPECT_EQ(fs::file_size(rotated(0)), static_cast<uintmax_t>(kRotateSize));
    EXPECT_EQ(fs::file_size(log), 0u);
    Logger::LogMsg(Logger::LEVEL_ERROR, ustring("x"), "next\n");
    EXPECT_EQ(texts(log), std::vector<std::string>{"next"});

    // One byte below does not rotate.
    const std::string below(kRotateSize - 1 - fs::file_size(log) - kStampSize, 'b');
    Logger::LogMsg(Logger::LEVEL_ERROR, ustring("x"), "%s", below.c_str());
    EXPECT_EQ(fs::file_size(log), static_cast<uintmax_t>(kRotateSize - 1));
    EXPECT_FALSE(fs::exists(rotated(1)));

    // The count starts from the size of an existing file.
    Reset();
    std::ofstream(log, std::ios::binary | std::ios::trunc) << std::string(kRotateSize - 7, 'c');
    ASSERT_EQ(InitFile(log), 0);
    EXPECT_EQ(*Logger::log_size, kRotateSize - 7);
    Logger::LogMsg(Logger::LEVEL_ERROR, ustring("x"), "\n");
    EXPECT_EQ(fs::file_size(rotated(0)), static_cast<uintmax_t>(kRotateSize - 7 + 17));
    EXPECT_EQ(fs::file_size(log), 0u);

    Reset();
    std::ofstream(log, std::ios::binary | std::ios::trunc) << std::string(kRotateSize - 18, 'c');
    ASSERT_EQ(InitFile(log), 0);
    Logger::LogMsg(Logger::LEVEL_ERROR, ustring("x"), "\n");
    EXPECT_EQ(fs::file_size(log), static_cast<uintmax_t>(kRotateSize - 1));

    // A file beyond the int range counts as full rather than negative.
    Reset();
    fs::remove(rotated(0));
    {
        const int fd = open(log.c_str(), O_WRONLY | O_TRUNC);
        const bool sparse = fd >= 0 && ftruncate(fd, off_t(3) << 30) == 0;
        close(fd);
        if (!sparse) {
            GTEST_SKIP() << "cannot create a 3 GiB sparse file here";
        }
    }
    EXPECT_EQ(Logger::GetFileSize(ustring(log.c_str())), INT_MAX);
    ASSERT_EQ(InitFile(log), 0);
    Logger::LogMsg(Logger::LEVEL_ERROR, ustring("x"), "big\n");
    EXPECT_EQ(fs::file_size(log), 0u);
    EXPECT_TRUE(fs::exists(rotated(0)));
}

TEST_F(LoggerTest, ReinitializeFailureDestroyAndSyslog)
{
    // A second Initialize closes the first file; standard streams stay open.
    ASSERT_EQ(InitFile(log), 0);
    ASSERT_EQ(Logger::Initialize(Logger::TYPE_STDERR, ustring(""), ustring(""), 50), 0);
    EXPECT_FALSE(is_open_here(log));
    const fs::path other = dir / "other.log";
    ASSERT_EQ(InitFile(other), 0);
    ASSERT_EQ(InitFile(log), 0);
    EXPECT_FALSE(is_open_here(other));
    EXPECT_NE(fcntl(2, F_GETFD), -1);

    // A failed file Initialize keeps the running file and its counted size.
    std::ofstream(log, std::ios::binary | std::ios::trunc)
        << std::string(kRotateSize - 20, 'c') + "\n";
    ASSERT_EQ(InitFile(log), 0);
    EXPECT_EQ(InitFile(dir / "missing" / "x.log"), -1);
    EXPECT_EQ(Logger::Initialize(Logger::TYPE_FILE, ustring(""), ustring(""), 50), -1);
    EXPECT_EQ(Logger::log_type, Logger::TYPE_FILE);
    EXPECT_EQ(Logger::log_path, ustring(log.c_str()));
    Logger::LogMsg(Logger::LEVEL_ERROR, ustring("x"), "crosses\n");
    EXPECT_EQ(texts(rotated(0)).back(), "crosses");

    // ... and from a standard stream it keeps that stream, never rotating or closing it.
    ASSERT_EQ(Logger::Initialize(Logger::TYPE_STDERR, ustring(""), ustring(""), 50), 0);
    EXPECT_EQ(InitFile(dir / "missing" / "x.log"), -1);
    EXPECT_EQ(Logger::log_type, Logger::TYPE_STDERR);
    EXPECT_EQ(*Logger::log_size, -1);
    EXPECT_EQ(Logger::Rotate(), -1);
    EXPECT_EQ(Logger::log_fp, stderr);
    EXPECT_NE(fcntl(2, F_GETFD), -1);

    // Destroy: disabled, file closed, direct prints go to standard output.
    ASSERT_EQ(InitFile(log), 0);
    Logger::Destroy();
    EXPECT_FALSE(is_open_here(log));
    EXPECT_EQ(Logger::log_lock, nullptr);
    EXPECT_EQ(Logger::log_size, nullptr);
    EXPECT_EQ(Logger::log_fp, stdout);
    EXPECT_EQ(Logger::log_type, Logger::TYPE_STDERR);
    EXPECT_EQ(Logger::rotate_cnt, 32);
    const auto size = fs::file_size(log);
    const fs::path out = dir / "stdout";
    {
        Redirect r(1, out);
        Logger::LogMsg(Logger::LEVEL_ERROR, ustring("x"), "dropped\n");
        Logger::PrintToFilePointer("direct\n");
    }
    EXPECT_EQ(fs::file_size(log), size);
    EXPECT_EQ(texts(out), std::vector<std::string>{"direct"});

    // Syslog: no stream, nothing counted, no file touched.
    ASSERT_EQ(Logger::Initialize(Logger::TYPE_SYSLOG, ustring(""), ustring(""), 50), 0);
    EXPECT_EQ(Logger::log_fp, nullptr);
    Logger::LogMsg(Logger::LEVEL_ERROR, ustring("x"), "[ERROR] logger_test(%d): check\n", 1);
    Logger::ReloadLogFile();
    EXPECT_EQ(Logger::log_fp, nullptr);
    EXPECT_EQ(Logger::PrintToFilePointer("none\n"), 0);
    EXPECT_EQ(*Logger::log_size, -1);
    EXPECT_EQ(fs::file_size(log), size);
}

TEST_F(LoggerTest, ReloadAndStatFailures)
{
    // A rotation by another writer of the shared counter reopens the file.
    ASSERT_EQ(InitFile(log), 0);
    Logger::LogMsg(Logger::LEVEL_ERROR, ustring("x"), "before\n");
    fs::rename(log, rotated(0));
    ++*Logger::log_rotated_count_shared;
    Logger::LogMsg(Logger::LEVEL_ERROR, ustring("x"), "after\n");
    EXPECT_EQ(texts(log), std::vector<std::string>{"after"});
    EXPECT_EQ(texts(rotated(0)), std::vector<std::string>{"before"});
    EXPECT_EQ(Logger::log_rotated_count_private, 1u);
    EXPECT_EQ(*Logger::log_size, kStampSize + 6);

    // GetFileSize: the size, or 0 and the stat message in the log.
    EXPECT_EQ(Logger::GetFileSize(ustring(log.c_str())), kStampSize + 6);
    const fs::path missing = dir / "missing";
    EXPECT_EQ(Logger::GetFileSize(ustring(missing.c_str())), 0);
    EXPECT_EQ(texts(log).back(), "stat(" + missing.string() + "): No such file or directory (2)");
}

TEST_F(LoggerTest, ConcurrentWritersAcrossRotations)
{
    // Writers race each other, each also rotating now and then besides the
    // rotations by size; every message must land exactly once, whole, in the
    // live or a rotated file.
    ASSERT_EQ(InitFile(log, 150), 0);
    const int threads = 4;
    const int perThread = 2500;
    const int rotateEvery = 100;
    const std::string pad(400, 'p');
    std::vector<std::thread> pool;
    for (int t = 0; t < threads; ++t) {
        pool.emplace_back([&, t] {
            for (int m = 0; m < perThread; ++m) {
                Logger::LogMsg(Logger::LEVEL_WARNING, ustring("service_debug"),
                               "[WARNING] t(%d): m %d %s\n", t, m, pad.c_str());
                if (m % rotateEvery == rotateEvery - 1) {
                    Logger::Lock();
                    Logger::Rotate();
                    Logger::Unlock();
                }
            }
        });
    }
    for (auto& th : pool) {
        th.join();
    }

    std::map<std::pair<int, int>, int> seen;
    int files = 0;
    for (const auto& e : fs::directory_iterator(dir)) {
        ++files;
        for (const std::string& text : texts(e.path())) {
            int t = -1;
            int m = -1;
            int tail = 0;
            std::sscanf(text.c_str(), "[WARNING] t(%d): m %d %n", &t, &m, &tail);
            ASSERT_TRUE(tail > 0 && text.substr(tail) == pad)
                << e.path() << ": " << text.substr(0, 80);
            ++seen[{t, m}];
        }
    }
    EXPECT_EQ(files, 1 + static_cast<int>(*Logger::log_rotated_count_shared));
    EXPECT_GT(*Logger::log_rotated_count_shared,
              static_cast<uint64_t>(threads * (perThread / rotateEvery)));
    ASSERT_EQ(seen.size(), static_cast<size_t>(threads * perThread));
    for (const auto& [id, n] : seen) {
        EXPECT_EQ(n, 1) << "thread " << id.first << " message " << id.second;
    }
}

} // namespace
