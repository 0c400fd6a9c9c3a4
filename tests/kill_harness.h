#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

// Runs real upgrades of a package of a few thousand entries, kills the
// upgrading process with SIGKILL at random moments, runs the upgrade again
// and checks the per-user copy each time: after every kill a complete copy,
// old or new, must exist; after the repairing run the copy must equal the
// package byte for byte and ~/.Halvenor hold nothing but it and the log.
struct KillHarnessOptions
{
    // The launcher, or the upgrade_driver program; it is copied into
    // <bundle>/Contents/MacOS and run there with HOME in the harness folder.
    std::string program;
    // The real launcher: the bundle gets the Qt platform plug-ins.
    bool launcher = false;
    int kills = 50;
    unsigned seed = 1;
    int entries = 3000;
    // Parent of the harness's own temporary folder.
    std::string workDir = "/tmp";
    // Keep the folder also when everything held.
    bool keep = false;
    // Progress lines; nothing is printed when empty.
    std::function<void(const std::string&)> print;
};

struct KillHarnessReport
{
    int kills = 0;    // SIGKILLs that ended a running upgrade
    int survived = 0; // of those: a complete copy existed, and the next runs repaired it
    int missed = 0;   // runs that ended before their kill arrived
    int rounds = 0;   // package versions installed
    std::map<std::string, int> phases; // aimed moment -> kills
    std::map<std::string, int> states; // what the disk held after the kill -> kills
    std::vector<std::string> failures;
    std::string folder; // the harness folder when it was kept
};

KillHarnessReport RunKillHarness(const KillHarnessOptions& options);

// The report as a few lines of text.
std::string DescribeKillReport(const KillHarnessReport& report);
