// Kills real upgrades at random moments and checks that the per-user copy
// survives every kill (see kill_harness.h).
//
//   upgrade_kill_harness --program PATH [--launcher] [--kills N] [--seed S]
//                        [--entries N] [--work DIR] [--keep] [--quiet]
//
// Exit status 0 when every kill was survived, 1 when one was not, 2 for a
// usage error.

#include "kill_harness.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

namespace {

int Usage(const char* why)
{
    fprintf(stderr,
            "upgrade_kill_harness: %s\n"
            "usage: upgrade_kill_harness --program PATH [--launcher] [--kills N] [--seed S]\n"
            "                            [--entries N] [--work DIR] [--keep] [--quiet]\n",
            why);
    return 2;
}

bool ReadNumber(const char* text, long lo, long hi, long& value)
{
    char* end = nullptr;
    value = strtol(text, &end, 10);
    return end != text && *end == '\0' && value >= lo && value <= hi;
}

} // namespace

int main(int argc, char** argv)
{
    // For QLibraryInfo, which locates the Qt platform plug-ins.
    QCoreApplication app(argc, argv);
    KillHarnessOptions options;
    options.seed = std::random_device()();
    bool quiet = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        long value = 0;
        if (arg == "--program" && hasValue) {
            options.program = argv[++i];
        } else if (arg == "--launcher") {
            options.launcher = true;
        } else if (arg == "--kills" && hasValue) {
            if (!ReadNumber(argv[++i], 1, 100000, value)) {
                return Usage("--kills takes a number from 1 to 100000");
            }
            options.kills = static_cast<int>(value);
        } else if (arg == "--seed" && hasValue) {
            if (!ReadNumber(argv[++i], 0, 4294967295L, value)) {
                return Usage("--seed takes a number from 0 to 4294967295");
            }
            options.seed = static_cast<unsigned>(value);
        } else if (arg == "--entries" && hasValue) {
            if (!ReadNumber(argv[++i], 20, 1000000, value)) {
                return Usage("--entries takes a number from 20 to 1000000");
            }
            options.entries = static_cast<int>(value);
        } else if (arg == "--work" && hasValue) {
            options.workDir = argv[++i];
        } else if (arg == "--keep") {
            options.keep = true;
        } else if (arg == "--quiet") {
            quiet = true;
        } else {
            return Usage(("unknown argument '" + arg + "'").c_str());
        }
    }
    if (options.program.empty()) {
        return Usage("--program is required");
    }
    if (!quiet) {
        options.print = [](const std::string& line) {
            printf("%s\n", line.c_str());
            fflush(stdout);
        };
    }
    printf("seed %u, %d kills, %d entries, %s\n", options.seed, options.kills, options.entries,
           options.program.c_str());
    fflush(stdout);
    const KillHarnessReport report = RunKillHarness(options);
    printf("%s", DescribeKillReport(report).c_str());
    return report.failures.empty() && report.survived == report.kills ? 0 : 1;
}
