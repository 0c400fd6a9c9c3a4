// Measures the Logger: (a) a message below its component's threshold, in ns
// and heap allocations per message; (b) a written message against a bare
// fprintf + fflush of the same bytes into a file of the same folder.
//
//   logger_bench <folder> [messages]

#include "log.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

std::atomic<long> g_allocations{0};

} // namespace

// Every heap allocation of the process passes here, operator new included,
// since it allocates through malloc. Sanitizers own malloc, so their builds
// count nothing and say so.
#if !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
#define COUNTS_ALLOCATIONS 1
extern "C" {
void* __libc_malloc(size_t);
void* __libc_calloc(size_t, size_t);
void* __libc_realloc(void*, size_t);

void* malloc(size_t n)
{
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_malloc(n);
}

void* calloc(size_t n, size_t size)
{
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_calloc(n, size);
}

void* realloc(void* p, size_t n)
{
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_realloc(p, n);
}
}
#else
#define COUNTS_ALLOCATIONS 0
#endif

namespace {

using Clock = std::chrono::steady_clock;

double ns_since(Clock::time_point start, long n)
{
    return std::chrono::duration<double, std::nano>(Clock::now() - start).count() / n;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <folder> [messages]\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];
    const long written = argc > 2 ? std::atol(argv[2]) : 20000;
    const long suppressed = written * 100;
    const int rounds = 5;
    // Short alternating rounds: a load change on the machine hits both sides.
    const int writtenRounds = 25;

    // The system's components, so the lookup walks a realistic table.
    const std::string levels = dir + "/launcher.debug";
    std::ofstream(levels) << "launcher_debug=4\nservice_debug=4\nfile_op_debug=4\n"
                             "extractor_debug=4\n";
    const std::string logPath = dir + "/launcher.log";
    if (Logger::Initialize(Logger::TYPE_FILE, ustring(logPath.c_str()), ustring(levels.c_str()),
                           50) != 0) {
        std::fprintf(stderr, "cannot open %s\n", logPath.c_str());
        return 1;
    }
    const ustring component("file_op_debug");

    // (a) Below threshold.
    std::vector<double> belowNs;
    long belowAllocs = 0;
    for (int r = 0; r < rounds; ++r) {
        const long allocsBefore = g_allocations.load();
        const auto start = Clock::now();
        for (long i = 0; i < suppressed; ++i) {
            Logger::LogMsg(Logger::LEVEL_DEBUG, component, "[DEBUG] file-op(%d): entry %ld\n", 42,
                           i);
        }
        const double ns = ns_since(start, suppressed);
        belowAllocs += g_allocations.load() - allocsBefore;
        belowNs.push_back(ns);
    }

    // (b) Written messages against the bare stream, rounds interleaved so
    // that both see the same load on the machine.
    char stamp[64];
    const time_t now = std::time(nullptr);
    struct tm local;
    std::strftime(stamp, sizeof(stamp), "%b %d %H:%M:%S ", localtime_r(&now, &local));
    const std::string barePath = dir + "/bare.log";
    std::vector<double> loggerNs;
    std::vector<double> bareNs;
    std::vector<double> ratios;
    for (int r = 0; r < writtenRounds; ++r) {
        auto start = Clock::now();
        for (long i = 0; i < written; ++i) {
            Logger::LogMsg(Logger::LEVEL_WARNING, component,
                           "[WARNING] file-op(%d): cannot remove entry %ld\n", 42, i);
        }
        loggerNs.push_back(ns_since(start, written));

        FILE* fp = std::fopen(barePath.c_str(), "w");
        if (fp == nullptr) {
            std::fprintf(stderr, "cannot open %s\n", barePath.c_str());
            return 1;
        }
        start = Clock::now();
        for (long i = 0; i < written; ++i) {
            std::fprintf(fp, "%s[WARNING] file-op(%d): cannot remove entry %ld\n", stamp, 42, i);
            std::fflush(fp);
        }
        bareNs.push_back(ns_since(start, written));
        std::fclose(fp);
        ratios.push_back(loggerNs.back() / bareNs.back());
    }
    const uint64_t rotations = *Logger::log_rotated_count_shared;
    Logger::Destroy();

    std::printf("below threshold: %.1f ns/message (median of %d x %ld)\n", median(belowNs), rounds,
                suppressed);
    if (COUNTS_ALLOCATIONS) {
        std::printf("below threshold: %.4f allocations/message (%ld in %ld messages)\n",
                    double(belowAllocs) / (suppressed * rounds), belowAllocs, suppressed * rounds);
    } else {
        std::printf("below threshold: allocations not counted in a sanitizer build\n");
    }
    std::printf("written message: %.0f ns/message (median of %d x %ld, %llu rotations)\n",
                median(loggerNs), writtenRounds, written,
                static_cast<unsigned long long>(rotations));
    std::printf("bare fprintf+fflush: %.0f ns/message\n", median(bareNs));
    std::printf("ratio written/bare: %.3f (median of the rounds' ratios; lowest %.3f, highest "
                "%.3f)\n",
                median(ratios), *std::min_element(ratios.begin(), ratios.end()),
                *std::max_element(ratios.begin(), ratios.end()));
    return 0;
}
