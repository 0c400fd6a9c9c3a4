// Times Extractor::Extract (count pass included, progress delivered to a
// receiver on the main thread while the extraction runs on a second one)
// against `bsdtar -xf` of the same package into an empty folder on the same
// file system. Runs alternate; medians, their ratios, the time of Count()
// alone and the peak memory above the baseline are printed, and whether every
// run succeeded with complete, ordered progress. Nothing is asserted.
//
//   extractor_bench RUNS WORK_DIR PACKAGE...

#include "extractor.h"

#include "notify_adapter.h"
#include "str_table.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMetaObject>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

double Ms(Clock::time_point from)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - from).count();
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// A value in kB from /proc/self/status ("VmRSS", "VmHWM").
long StatusKb(const char* key)
{
    std::ifstream in("/proc/self/status");
    std::string line;
    const size_t n = std::strlen(key);
    while (std::getline(in, line)) {
        if (line.compare(0, n, key) == 0 && line[n] == ':') {
            return std::atol(line.c_str() + n + 1);
        }
    }
    return -1;
}

// Lets the high-water mark start again from the current resident size.
void ResetPeak()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

// An empty destination named like the per-user copy, so that both sides
// write below a path of the same shape. Nothing is removed until the end:
// ext4 skips recently freed inodes when it allocates, so removing the last
// run's thousands of files would make the next run's file creation slow,
// unevenly for the two sides.
std::string FreshFolder(const std::string& work, const std::string& name)
{
    const std::string dir = work + "/" + name + "/Halvenor.app";
    fs::create_directories(dir);
    sync();
    return dir;
}

double CpuMs(const rusage& ru)
{
    return ru.ru_utime.tv_sec * 1e3 + ru.ru_utime.tv_usec / 1e3 + ru.ru_stime.tv_sec * 1e3 +
           ru.ru_stime.tv_usec / 1e3;
}

struct Sample
{
    double wall = 0;
    double cpu = 0;
};

struct Received
{
    int count = 0;
    int total = -1;
    bool in_order = true;
};

Sample RunExtractor(const std::string& package, const std::string& dir, Received* got, int* rc)
{
    *got = Received();
    QObject receiver;
    QObject::connect(Notify_Adapter::GetInstance(), &Notify_Adapter::sigUpdateProgress, &receiver,
                     [got](int total, int current) {
                         got->in_order &=
                             current == got->count + 1 && (got->total < 0 || total == got->total);
                         got->total = total;
                         got->count = current;
                     });
    QEventLoop loop;
    Extractor ex;
    ex.src_path = package.c_str();
    ex.dest_path = dir.c_str();
    rusage before, after;
    getrusage(RUSAGE_SELF, &before);
    const Clock::time_point start = Clock::now();
    std::thread worker([&] {
        *rc = ex.Extract();
        QMetaObject::invokeMethod(&loop, "quit", Qt::QueuedConnection);
    });
    loop.exec();
    worker.join();
    QCoreApplication::sendPostedEvents();
    Sample s;
    s.wall = Ms(start);
    getrusage(RUSAGE_SELF, &after);
    s.cpu = CpuMs(after) - CpuMs(before);
    return s;
}

Sample RunBsdtar(const std::string& package, const std::string& dir, int* rc)
{
    const char* argv[] = {"bsdtar", "-xf", package.c_str(), "-C", dir.c_str(), nullptr};
    Sample s;
    const Clock::time_point start = Clock::now();
    pid_t pid;
    if (posix_spawnp(&pid, "bsdtar", nullptr, nullptr, const_cast<char**>(argv), environ) != 0) {
        *rc = -1;
        return s;
    }
    int status = 0;
    rusage ru;
    wait4(pid, &status, 0, &ru);
    s.wall = Ms(start);
    s.cpu = CpuMs(ru);
    *rc = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return s;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s RUNS WORK_DIR PACKAGE...\n", argv[0]);
        return 2;
    }
    QCoreApplication app(argc, argv);
    StrTable::InitStrTable();
    Notify_Adapter::GetInstance();
    const int runs = std::max(1, std::atoi(argv[1]));
    const std::string work = fs::absolute(argv[2]).string();
    const std::string tag = std::to_string(getpid()) + "-";
    std::vector<std::string> made;
    std::printf("destinations: %s/%s<package>-<run>-<side>/Halvenor.app\n", work.c_str(),
                tag.c_str());
    // "paired" is the median of the ratios of runs made one right after the
    // other, which shifts less than the ratio of medians when the load changes.
    std::printf("%-12s %7s %10s %10s %6s %6s %9s %8s %8s %6s %8s\n", "package", "entries",
                "Extract ms", "bsdtar ms", "ratio", "paired", "CPU ratio", "Count ms", "share",
                "ok", "peak MiB");
    bool all_ok = true;
    for (int p = 3; p < argc; ++p) {
        const std::string package = fs::absolute(argv[p]).string();
        std::vector<double> ours, theirs, ours_cpu, theirs_cpu, paired, counts;
        long peak_kb = 0;
        int entries = -1;
        bool ok = true;
        for (int run = 0; run < runs; ++run) {
            Sample mine, other;
            for (int side = 0; side < 2; ++side) {
                int rc = 0;
                const std::string name =
                    tag + fs::path(package).filename().string() + "-" + std::to_string(run);
                if ((side + run) % 2 == 0) {
                    made.push_back(name + "-extractor");
                    const std::string dir = FreshFolder(work, made.back());
                    Received got;
                    ResetPeak();
                    const long base = StatusKb("VmRSS");
                    mine = RunExtractor(package, dir, &got, &rc);
                    peak_kb = std::max(peak_kb, StatusKb("VmHWM") - base);
                    ok &= rc == 0 && got.in_order && got.count == got.total;
                    entries = got.total;
                } else {
                    made.push_back(name + "-bsdtar");
                    other = RunBsdtar(package, FreshFolder(work, made.back()), &rc);
                    ok &= rc == 0;
                }
            }
            ours.push_back(mine.wall);
            theirs.push_back(other.wall);
            ours_cpu.push_back(mine.cpu);
            theirs_cpu.push_back(other.cpu);
            paired.push_back(mine.wall / other.wall);

            Extractor ex;
            ex.src_path = package.c_str();
            ex.dest_path = work.c_str();
            const Clock::time_point start = Clock::now();
            ok &= ex.Count() == entries;
            counts.push_back(Ms(start));
        }
        const double mine = Median(ours);
        std::printf("%-12s %7d %10.0f %10.0f %6.2f %6.2f %9.2f %8.0f %7.0f%% %6s %8.1f\n",
                    fs::path(package).filename().c_str(), entries, mine, Median(theirs),
                    mine / Median(theirs), Median(paired), Median(ours_cpu) / Median(theirs_cpu),
                    Median(counts), 100 * Median(counts) / mine, ok ? "yes" : "NO",
                    peak_kb / 1024.0);
        std::fflush(stdout);
        all_ok &= ok;
    }
    for (const std::string& name : made) {
        fs::remove_all(work + "/" + name);
    }
    return all_ok ? 0 : 1;
}
