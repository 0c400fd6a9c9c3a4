// Upgrades that are cut short: the disk as a kill leaves it at each point of
// an upgrade and what the next start makes of it, the upgrade-in-progress
// marker, and faults of the file system (a full disk, too few inodes,
// immutable and unwritable folders, a home on another file system).

#include "cloud-service.h"
#include "log.h"
#include "mac/mac-service.h"
#include "service_test_support.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace std::chrono_literals;
using namespace testutil;
using Lines = std::vector<std::string>;
using NameSet = std::set<std::string>;

// fsyncs of the product's libraries (linked with --wrap) that find the copy
// gone and its upgrade marker still there.
int g_flushesWithoutCopy = 0;
extern "C" int __real_fsync(int fd);
extern "C" int __wrap_fsync(int fd)
{
    const std::string copy = std::string(getenv("HOME")) + "/.Halvenor/Halvenor.app";
    g_flushesWithoutCopy += !testutil::Exists(copy) && testutil::Exists(copy + ".upgrading");
    return __real_fsync(fd);
}

namespace {

std::string S(const ustring& text)
{
    return std::string(text.c_str(), text.length());
}

// A tmpfs mounted over path for the length of a test.
class ScopedTmpfs
{
public:
    ScopedTmpfs(const std::string& path, const std::string& options) : path(path)
    {
        mounted = mount("tmpfs", path.c_str(), "tmpfs", 0, options.c_str()) == 0;
        error = mounted ? 0 : errno;
    }
    ~ScopedTmpfs()
    {
        if (mounted) {
            umount2(path.c_str(), MNT_DETACH);
        }
    }
    ScopedTmpfs(const ScopedTmpfs&) = delete;
    ScopedTmpfs& operator=(const ScopedTmpfs&) = delete;

    std::string path;
    bool mounted = false;
    int error = 0;
};

// The immutable attribute (chattr +i), which even root cannot write through;
// cleared again at the end so that the test's folder can be removed.
class ScopedImmutable
{
public:
    explicit ScopedImmutable(const std::string& path)
    {
        fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        int flags = 0;
        set = fd >= 0 && ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0 &&
              (flags |= FS_IMMUTABLE_FL, ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0);
        error = set ? 0 : errno;
    }
    ~ScopedImmutable() { Clear(); }
    ScopedImmutable(const ScopedImmutable&) = delete;
    ScopedImmutable& operator=(const ScopedImmutable&) = delete;

    void Clear()
    {
        int flags = 0;
        if (set && ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
            flags &= ~FS_IMMUTABLE_FL;
            ioctl(fd, FS_IOC_SETFLAGS, &flags);
        }
        set = false;
        if (fd >= 0) {
            close(fd);
            fd = -1;
        }
    }

    bool set = false;
    int error = 0;

private:
    int fd = -1;
};

unsigned long long FreeBytes(const std::string& path)
{
    struct statvfs st;
    return statvfs(path.c_str(), &st) == 0
               ? static_cast<unsigned long long>(st.f_bavail) * st.f_frsize
               : 0;
}

unsigned long long FreeInodes(const std::string& path)
{
    struct statvfs st;
    return statvfs(path.c_str(), &st) == 0 ? st.f_favail : 0;
}

bool HasLine(const Lines& lines, const std::string& prefix, const std::string& part)
{
    for (const std::string& line : lines) {
        if (line.rfind(prefix, 0) == 0 && line.find(part) != std::string::npos) {
            return true;
        }
    }
    return false;
}

// Runs the worker's calls up to the upgrade: 0 upgraded, 1 not needed,
// -1 failed.
int RunUpgradeFlow()
{
    MacService service;
    service.PreUpgrade();
    if (!service.IsNeedUpgrade()) {
        return 1;
    }
    return service.HandlePackageUpgrade() == 0 ? 0 : -1;
}

class UpgradeSafetyTest : public ServiceTest
{
protected:
    std::string Marker() const { return S(GetUpgradeMarkerPath(UserApp().c_str())); }
    std::string Backup(int n) const { return S(GetAppBackupDir(UserApp().c_str(), n)); }

    // Build 10 installed, build 20 shipped; old is the installed copy.
    void InstallOldShipNew()
    {
        RemoveTree(UserHalvenor());
        WriteFile(resources + "/INFO", VersionRecord("1", "1", "20", "3"));
        MakeGoodPackage("20");
        MakeUserCopy("10");
        old = Snapshot(UserApp());
    }

    // What a kill during extraction leaves: exactly what counts as
    // installed, the UI executable and the new version record.
    void MakePartialNewCopy()
    {
        WriteFile(UserExe(), "new user interface");
        WriteFile(UserApp() + "/Contents/Resources/INFO", VersionRecord("1", "1", "20", "3"));
    }

    void MoveCopyTo(const std::string& to)
    {
        ASSERT_EQ(0, rename(UserApp().c_str(), to.c_str())) << strerror(errno);
    }

    // No marker, no backup, nothing but the copy in ~/.Halvenor.
    void ExpectSettled(const std::string& what)
    {
        EXPECT_EQ(NameSet{"Halvenor.app"}, Names(UserHalvenor())) << what;
    }

    std::map<std::string, std::string> old;
};

// Extraction that looks at the disk while the package is being written.
class ObservedService : public MacService
{
public:
    int ExtractPackage() override
    {
        markerDuringExtraction = IsUpgradeIncomplete();
        backupDuringExtraction = Snapshot(S(GetAppBackupDir(user_app_path, 0)));
        const int result = MacService::ExtractPackage();
        return failAfterExtraction ? -1 : result;
    }

    bool failAfterExtraction = false;
    bool markerDuringExtraction = false;
    std::map<std::string, std::string> backupDuringExtraction;
};

// Extraction that succeeds on disk, runs a hook, and then reports failure.
class FailingService : public MacService
{
public:
    int ExtractPackage() override
    {
        MacService::ExtractPackage();
        if (afterExtraction) {
            afterExtraction();
        }
        return -1;
    }

    std::function<void()> afterExtraction;
};

} // namespace

TEST_F(UpgradeSafetyTest, NextStartUndoesAnUpgradeKilledAtAnyPoint)
{
    // Killed after the marker was written, before the rename: the copy is
    // where it was.
    InstallOldShipNew();
    WriteFile(Marker(), "state=moving\nbackup=0\n");
    {
        MacService service;
        service.PreUpgrade();
        EXPECT_EQ("10", S(service.source_build_version));
        EXPECT_TRUE(service.IsNeedUpgrade());
    }
    EXPECT_EQ(old, Snapshot(UserApp()));
    ExpectSettled("before the rename");

    // The same, when the backup name in the marker is an older leftover that
    // made the rename fail: the leftover must not replace the copy.
    InstallOldShipNew();
    WriteFile(Backup(1) + "/stale", "an older installation");
    WriteFile(Marker(), "state=moving\nbackup=1\n");
    EXPECT_EQ(0, MacService().RecoverUserEnv());
    EXPECT_EQ(old, Snapshot(UserApp()));
    ExpectSettled("leftover named in the marker");

    // Killed right after the rename: the copy is back from its backup.
    InstallOldShipNew();
    WriteFile(Marker(), "state=moving\nbackup=0\n");
    MoveCopyTo(Backup(0));
    EXPECT_EQ(0, MacService().RecoverUserEnv());
    EXPECT_EQ(old, Snapshot(UserApp()));
    ExpectSettled("after the rename");

    // Killed during the extraction, with the UI executable and the version
    // record of the new build already written: the partial copy would pass
    // for build 20. The old copy comes back, and the next decision upgrades.
    const std::string restoring = "[NOTE] cloud-service: upgrade of '" + UserApp() +
                                  "' was interrupted, restoring the old installation from '" +
                                  Backup(0) + "'";
    const int restoredBefore = CountLine(restoring);
    InstallOldShipNew();
    MoveCopyTo(Backup(0));
    WriteFile(Marker(), "state=extracting\nbackup=0\n");
    MakePartialNewCopy();
    {
        MacService service;
        service.PreUpgrade();
        EXPECT_EQ("10", S(service.source_build_version));
        EXPECT_TRUE(service.IsNeedUpgrade());
    }
    EXPECT_EQ(old, Snapshot(UserApp()));
    ExpectSettled("during the extraction");
    EXPECT_EQ(restoredBefore + 1, CountLine(restoring));

    // Killed during a rollback, between removing the partial copy and
    // renaming the backup back, and after that rename.
    InstallOldShipNew();
    MoveCopyTo(Backup(3));
    WriteFile(Marker(), "state=extracting\nbackup=3\n");
    EXPECT_EQ(0, MacService().RecoverUserEnv());
    EXPECT_EQ(old, Snapshot(UserApp()));
    ExpectSettled("partial copy removed");
    WriteFile(Marker(), "state=extracting\nbackup=3\n");
    EXPECT_EQ(0, MacService().RecoverUserEnv());
    EXPECT_EQ(old, Snapshot(UserApp()));
    ExpectSettled("backup renamed back");

    // Killed after a complete extraction, before the marker went: the old
    // copy is restored (the new one is not known to be flushed), and the
    // upgrade runs again.
    InstallOldShipNew();
    MoveCopyTo(Backup(0));
    WriteFile(Marker(), "state=extracting\nbackup=0\n");
    ASSERT_EQ(0, MacService().ExtractPackage());
    EXPECT_EQ(0, MacService().RecoverUserEnv());
    EXPECT_EQ(old, Snapshot(UserApp()));
    EXPECT_EQ(0, RunUpgradeFlow());
    EXPECT_EQ("new user interface", ReadFile(UserExe()));
    ExpectSettled("after a complete extraction");

    // Killed during a first install: the partial copy goes, the next start
    // installs afresh.
    InstallOldShipNew();
    RemoveTree(UserApp());
    WriteFile(Marker(), "state=extracting\n");
    MakePartialNewCopy();
    {
        MacService service;
        service.PreUpgrade();
        EXPECT_FALSE(Exists(UserApp()));
        EXPECT_TRUE(service.IsNeedUpgrade());
    }
    EXPECT_EQ(0, RunUpgradeFlow());
    EXPECT_EQ("new resource", ReadFile(UserApp() + "/Contents/Resources/new.txt"));
    ExpectSettled("during a first install");

    // A marker not written by the launcher: the worst case is assumed, and
    // the newest backup (the highest number) is the old copy.
    InstallOldShipNew();
    WriteFile(Backup(0) + "/stale", "an older installation");
    MoveCopyTo(Backup(2));
    WriteFile(Marker(), "garbage without an equals sign\n");
    MakePartialNewCopy();
    EXPECT_EQ(0, MacService().RecoverUserEnv());
    EXPECT_EQ(old, Snapshot(UserApp()));
    ExpectSettled("unreadable marker");
    EXPECT_EQ(1,
              CountLine("[WARNING] cloud-service: unreadable upgrade marker '" + Marker() + "'"));
}

TEST_F(UpgradeSafetyTest, LeftoversGoOnlyBesideACompleteCopy)
{
    // A marker write cut short leaves its temporary file; the marker it was
    // to replace, if any, decides.
    InstallOldShipNew();
    WriteFile(Marker() + ".new", "state=mov");
    EXPECT_EQ(0, MacService().RecoverUserEnv());
    EXPECT_EQ(old, Snapshot(UserApp()));
    ExpectSettled("temporary marker");

    // Backups beside a complete copy are removed in every run, also when no
    // upgrade is needed.
    InstallOldShipNew();
    WriteFile(resources + "/INFO", VersionRecord("1", "1", "10", "3"));
    WriteFile(Backup(0) + "/Contents/stale", "older");
    WriteFile(Backup(3) + "/stale", "older");
    EXPECT_EQ(1, RunUpgradeFlow());
    EXPECT_EQ(old, Snapshot(UserApp()));
    ExpectSettled("leftovers");
    EXPECT_EQ(1, CountLine("[INFO] cloud-service: removing leftover backup '" + Backup(3) + "'"));

    // Without a complete copy in place a backup may be the only complete
    // installation left: it stays.
    InstallOldShipNew();
    MoveCopyTo(Backup(0));
    MakeDirs(UserApp() + "/Contents");
    const auto backup = Snapshot(Backup(0));
    EXPECT_EQ(0, MacService().RecoverUserEnv());
    EXPECT_EQ(backup, Snapshot(Backup(0)));
}

TEST_F(UpgradeSafetyTest, MarkerSpansExactlyTheUnsafePartOfAnUpgrade)
{
    // Success: the marker exists while the package is written, with the old
    // copy in its backup, and nothing but the new copy remains.
    InstallOldShipNew();
    {
        ObservedService service;
        EXPECT_EQ(0, service.PrepareUserEnv());
        EXPECT_TRUE(service.markerDuringExtraction);
        EXPECT_EQ(old, service.backupDuringExtraction);
        EXPECT_FALSE(service.IsUpgradeIncomplete());
    }
    ExpectSettled("success");

    // An extraction that fails after writing everything (as a failed flush
    // does) rolls back; the run leaves nothing new behind.
    InstallOldShipNew();
    {
        ObservedService service;
        service.failAfterExtraction = true;
        EXPECT_EQ(-1, service.PrepareUserEnv());
        EXPECT_TRUE(service.markerDuringExtraction);
    }
    EXPECT_EQ(old, Snapshot(UserApp()));
    ExpectSettled("rollback");

    // While an upgrade is incomplete the copy counts as outdated whatever
    // the versions say, and it is not launched: its UI executable would be
    // the stand-in, which writes a pid file as soon as it runs.
    InstallOldShipNew();
    WriteFile(resources + "/INFO", VersionRecord("1", "1", "10", "3"));
    InstallStandInAsUserUi();
    WriteFile(Marker(), "state=extracting\n");
    {
        MacService service;
        service.LoadTargetVersion();
        service.LoadSourceVersion();
        EXPECT_TRUE(service.IsNeedUpgrade());
        service.PostUpgrade();
    }
    EXPECT_EQ(-1, WaitForPidFile(PidFile(), 0, 500ms)) << "an incomplete copy was launched";
    EXPECT_EQ(1, CountLine("[ERROR] mac/mac-service: installation '" + UserApp() +
                           "' is incomplete, not launching Halvenor UI"));
}

TEST_F(UpgradeSafetyTest, FullDiskOrNoInodesRollBackAndKeepTheOldCopy)
{
    ScopedTmpfs fs(home, "size=4m,mode=0755");
    if (!fs.mounted) {
        GTEST_SKIP() << "cannot mount a tmpfs as the home folder here (" << strerror(fs.error)
                     << "); this needs root";
    }
    // About 2.5 MiB that does not compress, with the UI executable and the
    // version record first: a partial copy would pass for an installed one.
    ArchiveWriter big(ArchiveWriter::TarGz);
    big.File("Contents/MacOS/halvenor-drive-ui", "new user interface", 0755)
        .File("Contents/Resources/INFO", VersionRecord("1", "1", "20", "3"));
    for (int i = 0; i < 40; ++i) {
        big.File("Contents/Frameworks/part" + std::to_string(i), Noise(64 * 1024, i));
    }
    WritePackage(PackagePath(), big);
    WriteFile(resources + "/INFO", VersionRecord("1", "1", "20", "3"));
    MakeUserCopy("10");
    const auto old = Snapshot(UserApp());
    const NameSet before = Names(UserHalvenor());
    const std::string filler = home + "/filler";

    // The disk fills at every step: before the marker, between the two
    // marker writes, and early and late in the extraction.
    int faults = 0;
    for (unsigned long long room : {0ull, 4096ull, 12288ull, 65536ull, 524288ull, 1572864ull}) {
        SCOPED_TRACE("free bytes " + std::to_string(room));
        unlink(filler.c_str());
        const unsigned long long available = FreeBytes(home);
        ASSERT_GT(available, room);
        const int fd = open(filler.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ASSERT_GE(fd, 0);
        const std::string block(65536, 'x');
        unsigned long long written = 0;
        while (written + room < available) {
            const size_t n = static_cast<size_t>(
                std::min<unsigned long long>(block.size(), available - room - written));
            const ssize_t put = write(fd, block.data(), n);
            if (put <= 0) {
                break;
            }
            written += static_cast<unsigned long long>(put);
        }
        close(fd);

        const size_t logged = AllLines().size();
        MacService service;
        EXPECT_EQ(-1, service.PrepareUserEnv());
        EXPECT_EQ(old, Snapshot(UserApp()));
        EXPECT_EQ(before, Names(UserHalvenor())) << "something new was left behind";
        const Lines lines = AllLines();
        bool error = false;
        for (size_t i = logged; i < lines.size(); ++i) {
            error = error || lines[i].rfind("[ERROR]", 0) == 0;
        }
        EXPECT_TRUE(error) << "the failure was not logged";
        ++faults;
    }
    unlink(filler.c_str());

    // Too few inodes: the same at every count of free inodes up to what the
    // package needs.
    {
        ScopedTmpfs few(home + "/.Halvenor", "size=16m,mode=0755,nr_inodes=64");
        ASSERT_TRUE(few.mounted) << strerror(few.error);
        ArchiveWriter many(ArchiveWriter::TarGz);
        many.File("Contents/MacOS/halvenor-drive-ui", "new user interface", 0755)
            .File("Contents/Resources/INFO", VersionRecord("1", "1", "20", "3"));
        for (int i = 0; i < 80; ++i) {
            many.File("Contents/Resources/f" + std::to_string(i), "x");
        }
        WritePackage(PackagePath(), many);
        MakeUserCopy("10");
        const std::string hog = UserHalvenor() + "/hog";
        MakeDirs(hog);
        int hogs = 0;
        while (FreeInodes(UserHalvenor()) > 0) {
            const int fd =
                open((hog + "/" + std::to_string(hogs)).c_str(), O_WRONLY | O_CREAT, 0600);
            if (fd < 0) {
                break;
            }
            close(fd);
            ++hogs;
        }
        // Give back 0, 1, 2, 3, 5, 8 and 20 inodes.
        int given = 0;
        for (int target : {0, 1, 2, 3, 5, 8, 20}) {
            SCOPED_TRACE("free inodes " + std::to_string(target));
            for (; given < target; ++given) {
                unlink((hog + "/" + std::to_string(--hogs)).c_str());
            }
            const auto copyBefore = Snapshot(UserApp());
            const NameSet names = Names(UserHalvenor());
            MacService service;
            EXPECT_EQ(-1, service.PrepareUserEnv());
            EXPECT_EQ(copyBefore, Snapshot(UserApp()));
            EXPECT_EQ(names, Names(UserHalvenor()));
            ++faults;
        }
    }
    printf("disk-full and inode faults injected and survived: %d\n", faults);

    // With room again the upgrade goes through, with the home folder on the
    // tmpfs and the bundle on another file system.
    WriteFile(resources + "/INFO", VersionRecord("1", "1", "20", "3"));
    MakeGoodPackage("20");
    EXPECT_EQ(0, RunUpgradeFlow());
    EXPECT_EQ("new user interface", ReadFile(UserExe()));
    EXPECT_FALSE(Exists(UserApp() + "/Contents/Resources/data.bin"));
    ExpectSettled("after the disk had room again");
}

TEST_F(UpgradeSafetyTest, UpgradeWorksWhereHomeAndBundleLieOnDifferentFileSystems)
{
    const std::string elsewhere = dir + "/elsewhere";
    MakeDirs(elsewhere);
    ScopedTmpfs fs(elsewhere, "size=16m,mode=0755");
    if (!fs.mounted) {
        GTEST_SKIP() << "cannot mount a tmpfs here (" << strerror(fs.error) << "); this needs root";
    }
    // ~/.Halvenor is a link to a folder on the tmpfs: the copy, its backup,
    // the marker and the flushes all go through the link.
    ASSERT_EQ(0, symlink(elsewhere.c_str(), UserHalvenor().c_str()));
    WriteFile(resources + "/INFO", VersionRecord("1", "1", "20", "3"));
    MakeGoodPackage("20");
    MakeUserCopy("10");
    ObservedService service;
    service.PreUpgrade();
    ASSERT_TRUE(service.IsNeedUpgrade());
    EXPECT_EQ(0, service.HandlePackageUpgrade());
    EXPECT_TRUE(service.markerDuringExtraction);
    EXPECT_FALSE(service.backupDuringExtraction.empty());
    EXPECT_EQ("new user interface", ReadFile(elsewhere + "/Halvenor.app/Contents/MacOS/"
                                                         "halvenor-drive-ui"));
    EXPECT_EQ(NameSet{"Halvenor.app"}, Names(elsewhere));
}

TEST_F(UpgradeSafetyTest, ImmutableOrUnwritableFoldersFailCleanly)
{
    InstallOldShipNew();
    const auto whole = Snapshot(UserHalvenor());

    // ~/.Halvenor immutable: no marker, so nothing is moved.
    {
        ScopedImmutable lock(UserHalvenor());
        if (!lock.set) {
            GTEST_SKIP() << "the immutable attribute cannot be set here (" << strerror(lock.error)
                         << "); this needs root on a file system that has it";
        }
        EXPECT_EQ(-1, RunUpgradeFlow());
        EXPECT_TRUE(HasLine(ServiceLines(),
                            "[ERROR] cloud-service: failed to write upgrade marker '" + Marker(),
                            "Operation not permitted"));
    }
    EXPECT_EQ(whole, Snapshot(UserHalvenor()));

    // The copy itself immutable: it cannot be moved aside, and the marker
    // written for the attempt is gone again.
    {
        ScopedImmutable lock(UserApp());
        ASSERT_TRUE(lock.set) << strerror(lock.error);
        EXPECT_EQ(-1, RunUpgradeFlow());
        EXPECT_EQ(1, CountLine("[ERROR] cloud-service: failed to backup app from '" + UserApp() +
                               "' -> '" + Backup(9) + "' at max retries, exiting"));
    }
    EXPECT_EQ(whole, Snapshot(UserHalvenor()));

    // An interrupted upgrade whose partial copy cannot be removed: no
    // upgrade on top of it, no launch of it, and the old copy stays in its
    // backup until the next start can undo the upgrade.
    MoveCopyTo(Backup(0));
    WriteFile(Marker(), "state=extracting\nbackup=0\n");
    MakePartialNewCopy();
    {
        ScopedImmutable lock(UserExe());
        ASSERT_TRUE(lock.set) << strerror(lock.error);
        MacService service;
        service.PreUpgrade();
        EXPECT_TRUE(service.IsNeedUpgrade());
        EXPECT_EQ(-1, service.HandlePackageUpgrade());
        service.PostUpgrade();
        EXPECT_EQ(old, Snapshot(Backup(0)));
        EXPECT_EQ(1, CountLine("[ERROR] cloud-service: an interrupted upgrade of '" + UserApp() +
                               "' could not be undone, not upgrading"));
        EXPECT_EQ(1, CountLine("[ERROR] mac/mac-service: installation '" + UserApp() +
                               "' is incomplete, not launching Halvenor UI"));
    }
    EXPECT_EQ(0, MacService().RecoverUserEnv());
    EXPECT_EQ(old, Snapshot(UserApp()));
    ExpectSettled("after the partial copy could go");

    // A rollback that cannot finish: the partial copy keeps a file that
    // cannot be removed, so the old copy cannot move back. The marker stays,
    // so that no later start takes the partial copy for a complete one and
    // its backup for a leftover.
    {
        std::unique_ptr<ScopedImmutable> stuck;
        FailingService service;
        service.afterExtraction = [&] { stuck.reset(new ScopedImmutable(UserExe())); };
        EXPECT_EQ(-1, service.PrepareUserEnv());
        ASSERT_TRUE(stuck && stuck->set);
        EXPECT_TRUE(service.IsUpgradeIncomplete());
        EXPECT_EQ(old, Snapshot(Backup(0)));
        EXPECT_EQ(-1, MacService().RecoverUserEnv());
        EXPECT_EQ(old, Snapshot(Backup(0)));
    }
    EXPECT_EQ(0, MacService().RecoverUserEnv());
    EXPECT_EQ(old, Snapshot(UserApp()));
    ExpectSettled("after the rollback could finish");

    // An unprivileged user whose per-user folder belongs to root.
    if (geteuid() != 0) {
        return;
    }
    ASSERT_EQ(0, chmod(dir.c_str(), 0755));
    const int status = RunForked([] {
        if (setgid(65534) != 0 || setuid(65534) != 0) {
            return 2;
        }
        return MacService().PrepareUserEnv() == -1 ? 0 : 1;
    });
    ASSERT_NE(-1, status);
    chmod(dir.c_str(), 0700);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
    EXPECT_TRUE(HasLine(ServiceLines(),
                        "[ERROR] cloud-service: failed to write upgrade marker '" + Marker(),
                        "Permission denied"));
    EXPECT_EQ(old, Snapshot(UserApp()));
    ExpectSettled("unprivileged user");

    // With the client running: an upgrade that cannot begin leaves it alone.
    InstallStandInAsUserUi();
    Child ui({UserExe()});
    ASSERT_EQ(ui.pid(), WaitForPidFile(PidFile(), 0, 10s));
    ScopedImmutable lock(UserHalvenor());
    EXPECT_EQ(-1, RunUpgradeFlow());
    EXPECT_FALSE(ui.Wait(300ms)) << "the client UI was stopped";
}

TEST_F(UpgradeSafetyTest, OversizedStateFilesAreRefusedUnread)
{
    // Each file that a start reads, grown past 1 MiB by a hole.
    const std::string levels = dir + "/big.debug";
    for (const std::string& path : {UserApp() + "/Contents/Resources/INFO", PidFile(), Marker(),
                                    S(GetRejectedPackagePath(UserApp().c_str())), levels}) {
        InstallOldShipNew();
        WriteFile(path, "k=1\n");
        ASSERT_EQ(0, truncate(path.c_str(), 2 << 20));
        MacService service;
        service.PreUpgrade();
        service.IsNeedUpgrade();
        service.StopService();
        Logger::Initialize(Logger::TYPE_FILE, logFile, levels, 50);
        EXPECT_TRUE(HasLine(AllLines(), "[ERROR] ", path + "': it is larger than 1048576 bytes"))
            << path;
    }
}

TEST_F(UpgradeSafetyTest, FailedFirstInstallIsFlushedBeforeItsMarkerGoes)
{
    // After a power cut no partial copy may be left without its marker.
    MakeGoodPackage("20");
    FailingService service;
    service.afterExtraction = [] { g_flushesWithoutCopy = 0; };
    EXPECT_EQ(-1, service.PrepareUserEnv());
    EXPECT_FALSE(Exists(Marker()));
    EXPECT_LT(0, g_flushesWithoutCopy) << "the marker went before the removal was flushed";
}
