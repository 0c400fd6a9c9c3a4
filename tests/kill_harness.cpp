#include "kill_harness.h"

#include "support/archive_writer.h"
#include "support/child.h"
#include "support/env.h"
#include "support/files.h"
#include "support/snapshot.h"
#include "support/temp_dir.h"
#include "support/version_record.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>
#include <set>
#include <sstream>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

using namespace testutil;
using Clock = std::chrono::steady_clock;

namespace {

const char kCopyName[] = "Halvenor.app";
const char kBackupPrefix[] = "Halvenor.app_tmp";
const double kRunTimeoutMs = 180000;

double MsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void SleepUs(long us)
{
    timespec left = {us / 1000000, (us % 1000000) * 1000};
    while (nanosleep(&left, &left) != 0 && errno == EINTR) {
    }
}

struct Entry
{
    std::string path;
    char type; // 'd', 'f' or 'l'
    int perm;
    std::string data; // file content, or link target
};

// Trees compare the owner's x bit, not whole modes.
const int kTreeFlags = kExecBit | kMissingIsEmpty;

Tree TreeOf(const std::vector<Entry>& entries)
{
    Tree tree;
    for (const Entry& e : entries) {
        tree[e.path] = Describe(e.type, static_cast<unsigned>(e.perm), e.data, kTreeFlags);
    }
    return tree;
}

// A client bundle: the UI executable and the version record come first, as
// in a package made from a bundle folder, then thousands of framework files
// (a few of them large). Every build changes every file's bytes and leaves
// out a different share of the files, so that neither a mixed tree nor an
// old file left in place can pass for the new copy.
std::vector<Entry> PackageEntries(int count, unsigned seed, int build)
{
    std::mt19937_64 random(seed * 1000003ULL + static_cast<unsigned>(build));
    std::vector<Entry> list;
    std::set<std::string> folders;
    auto folder = [&](const std::string& path) {
        std::string part;
        std::istringstream parts(path);
        for (std::string piece; std::getline(parts, piece, '/');) {
            part += (part.empty() ? "" : "/") + piece;
            if (folders.insert(part).second) {
                list.push_back(Entry{part, 'd', 0755, ""});
            }
        }
    };
    auto bytes = [&](size_t n) {
        std::string data(n, '\0');
        for (size_t i = 0; i < n; i += 8) {
            const uint64_t word = random();
            memcpy(&data[i], &word, std::min<size_t>(8, n - i));
        }
        return data;
    };
    const std::string tag = "build " + std::to_string(build) + "\n";

    folder("Contents/MacOS");
    list.push_back(Entry{"Contents/Info.plist", 'f', 0644, "<plist>" + tag + "</plist>\n"});
    list.push_back(
        Entry{"Contents/MacOS/halvenor-drive-ui", 'f', 0755, "#!/bin/sh\n# " + tag + "exit 0\n"});
    folder("Contents/Resources");
    list.push_back(
        Entry{"Contents/Resources/INFO", 'f', 0644, VersionRecord(std::to_string(build))});

    for (int i = 0; static_cast<int>(list.size()) < count; ++i) {
        const int framework = i / 400;
        const std::string base =
            "Contents/Frameworks/Lib" + std::to_string(framework) + ".framework";
        if (i % 400 == 0) {
            folder(base + "/Versions/A");
            list.push_back(Entry{base + "/Current", 'l', 0777, "Versions/A"});
        }
        const std::string dir = base + "/Versions/A/part" + std::to_string(i / 25 % 16);
        folder(dir);
        if ((i * 7 + build) % 11 == 0) {
            continue;
        }
        const size_t size = i == 900 || i == 1800 ? 768 * 1024
                            : i % 50 == 0         ? 32 * 1024
                                                  : random() % 3000;
        list.push_back(Entry{dir + "/f" + std::to_string(i) + ".dat", 'f',
                             i % 97 == 0 ? 0755 : 0644, tag + bytes(size)});
    }
    return list;
}

bool WritePackage(const std::vector<Entry>& entries, const std::string& path, std::string& error)
{
    ArchiveWriter package(ArchiveWriter::TarGz);
    for (const Entry& e : entries) {
        if (e.type == 'd') {
            package.Dir(e.path + "/", e.perm);
        } else if (e.type == 'l') {
            package.Symlink(e.path, e.data);
        } else {
            package.File(e.path, e.data, e.perm);
        }
    }
    const std::string tmp = path + ".writing";
    if (!package.WriteTo(tmp)) {
        error = package.error();
        return false;
    }
    if (rename(tmp.c_str(), path.c_str()) != 0) {
        error = strerror(errno);
        return false;
    }
    return true;
}

// When to kill: after the trigger, a delay drawn from [lo, hi], a share of
// the calibrated window that follows the trigger.
struct Aim
{
    const char* name;
    enum Trigger
    {
        kStart,   // window: the whole run
        kChange,  // something appears or goes in ~/.Halvenor; window: until
                  // "extract package" is logged (the backup rename)
        kExtract, // "extract package" logged; window: until "installation is ready"
        kReady    // "installation is ready" logged; window: until the process ends
    } trigger;
    double lo;
    double hi;
};

const Aim kAims[] = {
    {"backup rename", Aim::kChange, 0.0, 1.0},
    {"early extraction", Aim::kExtract, 0.0, 0.33},
    {"middle of extraction", Aim::kExtract, 0.33, 0.67},
    {"late extraction and flush", Aim::kExtract, 0.67, 1.0},
    {"backup removal", Aim::kReady, 0.0, 0.5},
    {"any moment", Aim::kStart, 0.0, 1.0},
};
const int kAimCount = sizeof(kAims) / sizeof(kAims[0]);

struct RunOutcome
{
    bool finished = false; // ended on its own
    bool killed = false;   // ended by the harness's SIGKILL
    int status = 0;
    double changeAt = -1; // ms after the start
    double extractAt = -1;
    double readyAt = -1;
    double endAt = -1;
};

class Harness
{
public:
    explicit Harness(const KillHarnessOptions& options) : options(options), random(options.seed) {}

    KillHarnessReport Run();

private:
    void RunRounds();
    void Print(const std::string& line)
    {
        if (options.print) {
            options.print(line);
        }
    }
    void Fail(const std::string& what)
    {
        report.failures.push_back(what);
        Print("FAILED: " + what);
    }

    bool SetUp();
    bool ShipBuild(int build);
    std::unique_ptr<Child> Spawn();
    RunOutcome RunOnce(const Aim* aim);
    void ScanLog(RunOutcome& run, Clock::time_point start);
    double Uniform(double lo, double hi)
    {
        return std::uniform_real_distribution<double>(lo, hi)(random);
    }
    // A killed run; false when the harness must stop.
    bool KilledRun(const Aim& aim, int round, const Tree& before, int& killsInRound);
    // A run after a kill that came once the installation was reported ready
    // must not extract the package again: the new copy was complete.
    bool KeptReadyCopy(const RunOutcome& run, int round);
    // The disk after a kill: a name for the state, and an empty problem when
    // a complete copy (the old or the new one) exists.
    std::string Inspect(const Tree& before, std::string& problem);
    bool RepairingRun(int round);
    void Calibrate(const RunOutcome& run);

    KillHarnessOptions options;
    KillHarnessReport report;
    std::mt19937 random;

    std::unique_ptr<TempDir> folder;
    std::string root;
    std::string bundle;
    std::string home;
    std::string halvenor;
    std::string copy;
    std::string logFile;
    ChildOptions launch;
    Tree shipped; // the package of the current round
    size_t logOffset = 0;
    int runs = 0;
    bool readyBeforeKill = false; // in this round

    // Running means over the runs that went to the end.
    double renameMs = 0;
    double extractMs = 0;
    double readyMs = 0;
    double totalMs = 0;
    int samples = 0;
};

bool Harness::SetUp()
{
    folder = std::make_unique<TempDir>("halvenor-kill", options.workDir);
    root = folder->path();
    if (root.empty()) {
        Fail("cannot create a folder in '" + options.workDir + "': " + strerror(errno));
        return false;
    }
    bundle = root + "/Halvenor.app";
    home = root + "/home";
    halvenor = home + "/.Halvenor";
    copy = halvenor + "/" + kCopyName;
    logFile = halvenor + "/log/launcher.log";

    for (const std::string& dir :
         {bundle + "/Contents/Resources/package", bundle + "/log", home, root + "/tmp"}) {
        MakeDirs(dir);
    }
    MakeDirs(root + "/run", 0700);
    const std::string exe = bundle + "/Contents/MacOS/launcher";
    const std::string program = ReadFile(options.program);
    if (program.empty() || !WriteFile(exe, program, 0755)) {
        Fail("cannot copy '" + options.program + "' into the bundle");
        return false;
    }
    // The service's messages mark the phases of an upgrade in the log.
    if (!WriteFile(bundle + "/log/launcher.debug", "launcher_debug=7\nservice_debug=7\n")) {
        Fail("cannot write the level file");
        return false;
    }
    std::string error;
    if (options.launcher && !LinkPlatformPlugins(bundle, error)) {
        Fail(error);
        return false;
    }
    launch.exe = exe;
    launch.cwd = root;
    launch.env = ChildEnv()
                     .Set("HOME", home)
                     .Set("QT_QPA_PLATFORM", "offscreen")
                     .Set("XDG_RUNTIME_DIR", root + "/run")
                     .Set("TMPDIR", root + "/tmp")
                     .Set("LANG", "C")
                     .list();
    return true;
}

bool Harness::ShipBuild(int build)
{
    const std::vector<Entry> entries = PackageEntries(options.entries, options.seed, build);
    std::string error;
    if (!WritePackage(entries, bundle + "/Contents/Resources/package/halvenor.vpk", error) ||
        !WriteFile(bundle + "/Contents/Resources/INFO", VersionRecord(std::to_string(build)))) {
        Fail("cannot write the package of build " + std::to_string(build) + ": " + error);
        return false;
    }
    shipped = TreeOf(entries);
    return true;
}

std::unique_ptr<Child> Harness::Spawn()
{
    launch.outFile = root + "/run" + std::to_string(runs % 2) + ".out";
    launch.errFile = root + "/run" + std::to_string(runs % 2) + ".err";
    ++runs;
    return std::make_unique<Child>(launch);
}

// Picks up the service's phase messages written since the run started.
void Harness::ScanLog(RunOutcome& run, Clock::time_point start)
{
    if (run.readyAt >= 0) {
        return;
    }
    const int fd = open(logFile.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return;
    }
    struct stat st;
    if (fstat(fd, &st) == 0 && static_cast<size_t>(st.st_size) < logOffset) {
        logOffset = 0; // rotated
    }
    std::string text;
    char buffer[8192];
    ssize_t n;
    while ((n = pread(fd, buffer, sizeof(buffer), static_cast<off_t>(logOffset + text.size()))) >
           0) {
        text.append(buffer, static_cast<size_t>(n));
    }
    close(fd);
    // Only whole lines count; the rest is read again next time.
    const size_t end = text.rfind('\n');
    if (end == std::string::npos) {
        return;
    }
    text.resize(end + 1);
    logOffset += text.size();
    const double now = MsSince(start);
    if (run.extractAt < 0 && text.find("cloud-service(") != std::string::npos &&
        text.find("): extract package: '") != std::string::npos) {
        run.extractAt = now;
    }
    if (text.find("): user installation is ready, removing backup app") != std::string::npos) {
        run.readyAt = now;
        if (run.extractAt < 0) {
            run.extractAt = now;
        }
    }
}

RunOutcome Harness::RunOnce(const Aim* aim)
{
    RunOutcome run;
    const std::set<std::string> before = Names(halvenor);
    struct stat st;
    logOffset = stat(logFile.c_str(), &st) == 0 ? static_cast<size_t>(st.st_size) : 0;
    const auto start = Clock::now();
    const std::unique_ptr<Child> child = Spawn();
    if (!child->started()) {
        Fail(std::string("fork: ") + strerror(errno));
        return run;
    }
    double killAt = -1;
    if (aim != nullptr && aim->trigger == Aim::kStart) {
        killAt = Uniform(aim->lo, aim->hi) * totalMs;
    }
    for (;;) {
        if (child->Wait(0ms)) {
            run.finished = true;
            run.status = child->status();
            run.endAt = MsSince(start);
            ScanLog(run, start);
            return run;
        }
        ScanLog(run, start);
        const double now = MsSince(start);
        if (run.changeAt < 0 && Names(halvenor) != before) {
            run.changeAt = now;
        }
        if (aim != nullptr && killAt < 0) {
            if (aim->trigger == Aim::kChange && run.changeAt >= 0) {
                killAt = run.changeAt + Uniform(aim->lo, aim->hi) * renameMs;
            } else if (aim->trigger == Aim::kExtract && run.extractAt >= 0) {
                killAt = run.extractAt + Uniform(aim->lo, aim->hi) * extractMs;
            } else if (aim->trigger == Aim::kReady && run.readyAt >= 0) {
                killAt = run.readyAt + Uniform(aim->lo, aim->hi) * (totalMs - readyMs);
            }
        }
        if ((killAt >= 0 && now >= killAt) || now > kRunTimeoutMs) {
            child->Signal(SIGKILL);
            child->Wait(60s);
            const int status = child->status();
            run.status = status;
            run.endAt = MsSince(start);
            run.killed = WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
            run.finished = !run.killed;
            if (now > kRunTimeoutMs) {
                Fail("a run did not end within " + std::to_string(kRunTimeoutMs / 1000) + " s");
                run.killed = false;
            }
            return run;
        }
        // The first change comes within milliseconds of the start: the run
        // that waits for it polls without sleeping.
        if (aim == nullptr || aim->trigger != Aim::kChange || run.changeAt >= 0) {
            SleepUs(200);
        }
    }
}

void Harness::Calibrate(const RunOutcome& run)
{
    if (!run.finished || run.changeAt < 0 || run.extractAt < 0 || run.readyAt < 0) {
        return;
    }
    ++samples;
    renameMs += (std::max(run.extractAt - run.changeAt, 1.0) - renameMs) / samples;
    extractMs += (run.readyAt - run.extractAt - extractMs) / samples;
    readyMs += (run.readyAt - readyMs) / samples;
    totalMs += (run.endAt - totalMs) / samples;
}

std::string Harness::Inspect(const Tree& before, std::string& problem)
{
    struct stat st;
    const bool liveExists = lstat(copy.c_str(), &st) == 0;
    const Tree live = Snapshot(copy, kTreeFlags);
    bool backupOld = false;
    int backups = 0;
    for (const std::string& name : Names(halvenor)) {
        if (name.rfind(kBackupPrefix, 0) == 0) {
            ++backups;
            backupOld = backupOld || Snapshot(halvenor + "/" + name, kTreeFlags) == before;
        }
    }
    const bool liveOld = liveExists && live == before;
    const bool liveNew = liveExists && live == shipped;
    problem.clear();
    if (!liveOld && !liveNew && !backupOld) {
        problem = "no complete copy: the copy " +
                  (liveExists ? "differs from the old one (" + Differences(before, live, 1) +
                                    ") and from the new one (" + Differences(shipped, live, 1) + ")"
                              : std::string("is missing")) +
                  ", and none of the " + std::to_string(backups) + " backups is the old copy";
    }
    if (liveNew) {
        return backups == 0 ? "new copy complete" : "new copy complete, backups remain";
    }
    if (liveOld) {
        return backups == 0 ? "old copy in place" : "old copy in place, backups remain";
    }
    if (!liveExists) {
        return backupOld ? "old copy moved aside" : "no copy at all";
    }
    return backupOld ? "partial new copy, old copy in a backup" : "partial copy only";
}

bool Harness::KilledRun(const Aim& aim, int round, const Tree& before, int& killsInRound)
{
    const RunOutcome run = RunOnce(&aim);
    if (!report.failures.empty()) {
        return false;
    }
    if (!run.killed) {
        ++report.missed;
        Calibrate(run);
        return true;
    }
    if (!KeptReadyCopy(run, round)) {
        return false;
    }
    readyBeforeKill = readyBeforeKill || run.readyAt >= 0;
    ++report.kills;
    ++killsInRound;
    ++report.phases[aim.name];
    std::string problem;
    const std::string state = Inspect(before, problem);
    ++report.states[state];
    char line[256];
    snprintf(line, sizeof(line), "round %d: killed at %.0f ms, aimed at %s: %s", round, run.endAt,
             aim.name, state.c_str());
    Print(line);
    if (!problem.empty()) {
        Fail("round " + std::to_string(round) + ", kill aimed at " + aim.name + ": " + problem);
        return false;
    }
    return true;
}

bool Harness::KeptReadyCopy(const RunOutcome& run, int round)
{
    if (readyBeforeKill && run.extractAt >= 0) {
        Fail("round " + std::to_string(round) + ": the installation was reported ready before " +
             "a kill, and the next run extracted the package again");
        return false;
    }
    return true;
}

bool Harness::RepairingRun(int round)
{
    const RunOutcome run = RunOnce(nullptr);
    if (!report.failures.empty()) {
        return false;
    }
    const std::string log = ReadFile(logFile);
    const std::string err = ReadFile(root + "/run" + std::to_string((runs - 1) % 2) + ".err");
    if (!run.finished || !WIFEXITED(run.status) || WEXITSTATUS(run.status) != 0) {
        Fail("round " + std::to_string(round) + ": the repairing run ended with status " +
             std::to_string(run.status) + "\n" + err);
        return false;
    }
    if (log.find("Failed to upgrade package", logOffset) != std::string::npos) {
        Fail("round " + std::to_string(round) + ": the repairing run failed to upgrade");
        return false;
    }
    if (!KeptReadyCopy(run, round)) {
        return false;
    }
    Calibrate(run);
    const Tree live = Snapshot(copy, kTreeFlags);
    if (live != shipped) {
        Fail("round " + std::to_string(round) + ": after the repairing run the copy is not the " +
             "package: " + Differences(shipped, live, 1));
        return false;
    }
    for (const std::string& name : Names(halvenor)) {
        if (name != kCopyName && name != "log") {
            Fail("round " + std::to_string(round) + ": the repairing run left '" + name +
                 "' in ~/.Halvenor");
            return false;
        }
    }
    return true;
}

KillHarnessReport Harness::Run()
{
    if (SetUp()) {
        RunRounds();
    }
    if (root.empty()) {
        return report;
    }
    if (options.keep || !report.failures.empty()) {
        report.folder = root;
        folder->Keep();
    }
    folder.reset();
    return report;
}

void Harness::RunRounds()
{
    char line[256];
    // A first install and one whole upgrade, both timed.
    int build = 100;
    for (int i = 0; i < 2; ++i, ++build) {
        if (!ShipBuild(build) || !RepairingRun(0)) {
            return;
        }
    }
    snprintf(line, sizeof(line),
             "%d entries; an upgrade takes %.0f ms, extraction and flush %.0f ms of it",
             options.entries, totalMs, extractMs);
    Print(line);

    const int aimOffset = static_cast<int>(random() % kAimCount);
    const int maxAttempts = options.kills * 4 + 10;
    int round = 1;
    for (; report.kills < options.kills && report.kills + report.missed < maxAttempts; ++round) {
        const Tree before = shipped;
        if (!ShipBuild(build++)) {
            break;
        }
        int killsInRound = 0;
        readyBeforeKill = false;
        const Aim& aim = kAims[(round + aimOffset) % kAimCount];
        if (!KilledRun(aim, round, before, killsInRound)) {
            break;
        }
        // Now and then the run that cleans up after the kill is killed too.
        if (killsInRound > 0 && report.kills < options.kills && random() % 3 == 0 &&
            !KilledRun(kAims[random() % kAimCount], round, before, killsInRound)) {
            break;
        }
        if (!RepairingRun(round)) {
            break;
        }
        report.survived += killsInRound;
        ++report.rounds;
    }
    if (report.kills < options.kills && report.failures.empty()) {
        Fail("only " + std::to_string(report.kills) + " of " + std::to_string(options.kills) +
             " kills landed; " + std::to_string(report.missed) + " runs ended first");
    }
}

} // namespace

KillHarnessReport RunKillHarness(const KillHarnessOptions& options)
{
    Harness harness(options);
    KillHarnessReport report = harness.Run();
    return report;
}

std::string DescribeKillReport(const KillHarnessReport& report)
{
    std::ostringstream text;
    text << "kills survived: " << report.survived << " of " << report.kills << " (" << report.rounds
         << " upgrades, " << report.missed << " runs ended before their kill)\n";
    text << "kills by aimed moment:";
    for (const auto& p : report.phases) {
        text << " " << p.first << " " << p.second << ";";
    }
    text << "\ndisk found after the kill:";
    for (const auto& s : report.states) {
        text << " " << s.first << " " << s.second << ";";
    }
    text << "\n";
    for (const std::string& f : report.failures) {
        text << "failure: " << f << "\n";
    }
    if (!report.folder.empty()) {
        text << "kept " << report.folder << "\n";
    }
    return text.str();
}
