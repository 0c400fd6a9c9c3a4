// Upgrades killed at random moments: the kill harness, shortened for CI, on
// the upgrade driver (the worker's calls without the launcher's UI).

#include "kill_harness.h"

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include <gtest/gtest.h>

TEST(UpgradeKill, EveryKillLeavesACompleteCopyAndTheNextRunRepairsIt)
{
    KillHarnessOptions options;
    options.program = UPGRADE_DRIVER_PATH;
    options.kills = 20;
    options.entries = 800;
    // A new seed each run widens the moments covered over time; the seed is
    // printed, and HALVENOR_KILL_SEED replays it.
    const char* seed = getenv("HALVENOR_KILL_SEED");
    options.seed = seed != nullptr ? static_cast<unsigned>(strtoul(seed, nullptr, 10))
                                   : std::random_device()();
    const char* tmp = getenv("TMPDIR");
    options.workDir = tmp != nullptr && *tmp != '\0' ? tmp : "/tmp";
    printf("seed %u (HALVENOR_KILL_SEED replays it)\n", options.seed);

    const KillHarnessReport report = RunKillHarness(options);
    printf("%s", DescribeKillReport(report).c_str());

    EXPECT_TRUE(report.failures.empty());
    EXPECT_EQ(options.kills, report.kills);
    EXPECT_EQ(report.kills, report.survived);
    // The kills must also have hit the upgrade itself, not only its edges:
    // a copy half written while the old one waited in its backup.
    EXPECT_GT(report.states.count("partial new copy, old copy in a backup"), 0u)
        << "no kill landed during the extraction";
}
