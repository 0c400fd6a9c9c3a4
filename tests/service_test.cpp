// Service: install locations, version records, user environment preparation,
// aged folder removal and the tree copy, on real folders and real packages.

#include "cloud-service.h"
#include "mac/mac-service.h"
#include "user_folder_lock.h"
#include "service_test_support.h"

#include <QSettings>
#include <QString>

#include <cerrno>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using Lines = std::vector<std::string>;
using namespace testutil;

namespace {

std::string S(const ustring& text)
{
    return std::string(text.c_str(), text.length());
}

} // namespace

TEST_F(ServiceTest, InstallLocationsFollowExecutableAndHome)
{
    // The bundle root is two levels above the executable's folder.
    const std::string root = TestBundleRoot();
    EXPECT_EQ(root, S(Service::GetRootHalvenorInstallPath()));
    EXPECT_EQ(root + "/Contents/Resources", S(Service::GetRootHalvenorResourceInstallPath()));

    // The per-user locations follow $HOME as it is at the time of the call.
    EXPECT_EQ(home, S(Service::GetUserInstallPath()));
    EXPECT_EQ(home + "/.Halvenor", S(Service::GetUserHalvenorInstallPath()));
    EXPECT_EQ(home + "/.Halvenor/Halvenor.app", S(Service::GetUserHalvenorAppInstallPath()));
    EXPECT_EQ(home + "/.Halvenor/data", S(Service::GetUserHalvenorDataInstallPath()));
    setenv("HOME", (home + "/other/").c_str(), 1);
    EXPECT_EQ(home + "/other/.Halvenor/Halvenor.app", S(Service::GetUserHalvenorAppInstallPath()))
        << "no doubled or trailing slash";
    // Without HOME, the user database's home folder, never "/".
    unsetenv("HOME");
    const passwd* user = getpwuid(geteuid());
    ASSERT_NE(user, nullptr);
    EXPECT_EQ(std::string(user->pw_dir), S(Service::GetUserInstallPath()));
    setenv("HOME", home.c_str(), 1);

    // PackageInfo hangs off the executable's own folder, not the bundle root.
    const PackageInfo info;
    const std::string exeDir = root + "/Contents/MacOS";
    EXPECT_EQ(exeDir + "/images", S(info.image_path));
    EXPECT_EQ(home + "/.Halvenor_log", S(info.log_path));
    EXPECT_EQ(exeDir + "/log/launcher.debug", S(info.level_file_path));
    EXPECT_EQ(exeDir + "/package/halvenor.vpk", S(info.package_path));
    EXPECT_EQ(exeDir + "/conf", S(info.conf_path));

    // The driver works on the per-user copy of the current $HOME.
    MacService service;
    EXPECT_EQ(UserApp(), S(service.user_app_path));
    EXPECT_EQ(10000, service.timeout);
}

TEST_F(ServiceTest, VersionRecordsAreReadFromTheVersionGroup)
{
    const std::string bundleRecord = S(Service::GetRootHalvenorResourceInstallPath()) + "/INFO";
    // Neither record exists: the target line has four empty fields, the source
    // is reported missing and no source summary is written.
    {
        MacService service;
        service.LoadTargetVersion();
        service.LoadSourceVersion();
        EXPECT_EQ((Lines{"[ERROR] cloud-service: cannot read the bundle's version record '" +
                             bundleRecord + "': No such file or directory",
                         "[INFO] cloud-service: target_version = (, , , )",
                         "[INFO] cloud-service: source does not exist"}),
                  ServiceLines());
        EXPECT_TRUE(service.target_build_version.empty());
        EXPECT_TRUE(service.source_major_version.empty());
        EXPECT_TRUE(service.source_build_version.empty());
    }

    // Complete records fill all eight members (the summaries print them),
    // target first.
    WriteFile(resources + "/INFO", VersionRecord("3", "4", "120", "7"));
    WriteFile(UserApp() + "/Contents/Resources/INFO", VersionRecord("3", "3", "110", "6"));
    {
        MacService service;
        service.PreUpgrade();
        const Lines lines = ServiceLines();
        ASSERT_GE(lines.size(), 4u);
        EXPECT_EQ((Lines{"[INFO] cloud-service: target_version = (3, 4, 120, 7)",
                         "[INFO] cloud-service: source_version = (3, 3, 110, 6)",
                         "[DEBUG] mac/mac-service: Source version: ('110', '6')",
                         "[DEBUG] mac/mac-service: Target version: ('120', '7')"}),
                  Lines(lines.end() - 4, lines.end()));
    }

    // A missing key leaves its member as it was; keys before the group line
    // or in another group are not read; INI quoting and comments apply.
    WriteFile(resources + "/INFO", "build_version=999\n"
                                   "[Other]\nicon_overlay_version=5\n"
                                   "[Version]\n; comment\nmajor_version=\"5\"\n"
                                   "minor_version=1\nbuild_version=12b\n");
    {
        MacService service;
        service.target_icon_overlay_version = "kept";
        service.LoadTargetVerInfo();
        EXPECT_EQ("5", S(service.target_major_version));
        EXPECT_EQ("1", S(service.target_minor_version));
        EXPECT_EQ("12b", S(service.target_build_version));
        EXPECT_EQ("kept", S(service.target_icon_overlay_version));
    }

    // A bundle record without a usable build is an error naming the file; a
    // FIFO in a record's place is refused without blocking; values with line
    // breaks cannot forge log lines.
    const struct
    {
        const char* record; // nullptr: a FIFO
        std::string error;
    } broken[] = {
        {"", "holds no build number (build_version = '')"},
        {"[Version]\nmajor_version=1\n", "holds no build number (build_version = '')"},
        {"[Version]\nbuild_version=\"x\\n[ERROR] forged\"\n",
         "holds no build number (build_version = 'x?[ERROR] forged')"},
        {nullptr, "': it is not a regular file"},
    };
    for (const auto& c : broken) {
        SCOPED_TRACE(c.record ? c.record : "fifo");
        unlink((resources + "/INFO").c_str());
        unlink((UserApp() + "/Contents/Resources/INFO").c_str());
        if (c.record != nullptr) {
            WriteFile(resources + "/INFO", c.record);
        } else {
            ASSERT_EQ(0, mkfifo((resources + "/INFO").c_str(), 0644));
            ASSERT_EQ(0, mkfifo((UserApp() + "/Contents/Resources/INFO").c_str(), 0644));
        }
        const size_t before = ServiceLines().size();
        MacService service;
        service.PreUpgrade();
        const Lines lines = ServiceLines();
        ASSERT_GT(lines.size(), before);
        EXPECT_EQ(0u, lines[before].rfind("[ERROR] cloud-service: ", 0)) << lines[before];
        EXPECT_NE(std::string::npos, lines[before].find(bundleRecord)) << lines[before];
        EXPECT_NE(std::string::npos, lines[before].find(c.error)) << lines[before];
        for (const std::string& line : AllLines()) {
            EXPECT_NE(0u, line.rfind("[ERROR] forged", 0)) << line;
        }
    }
    unlink((resources + "/INFO").c_str());

    // A record written by Qt itself (non-ASCII escaped in its INI dialect)
    // arrives as UTF-8.
    {
        unlink((UserApp() + "/Contents/Resources/INFO").c_str());
        QSettings record(QString::fromStdString(UserApp() + "/Contents/Resources/INFO"),
                         QSettings::IniFormat);
        record.setValue("Version/major_version", QString::fromUtf8("\xc3\xa9t\xc3\xa9"));
        record.setValue("Version/build_version", 7);
        record.sync();
        ASSERT_EQ(QSettings::NoError, record.status());
    }
    {
        MacService service;
        service.LoadSourceVerInfo();
        EXPECT_EQ("\xc3\xa9t\xc3\xa9", S(service.source_major_version));
        EXPECT_EQ("7", S(service.source_build_version));
        EXPECT_TRUE(service.source_minor_version.empty());
    }
}

TEST_F(ServiceTest, UserFolderLockIsPrivateAndItsWaitBounded)
{
    using namespace std::chrono_literals;
    MakeDirs(UserHalvenor());
    const std::string lockFile = UserHalvenor() + "/launcher.lock";
    // Made private even where it was left open to others, who could hold it.
    WriteFile(lockFile, "");
    chmod(lockFile.c_str(), 0666);
    {
        const UserFolderLock lock(UserHalvenor(), 0ms);
        EXPECT_EQ(UserFolderLock::State::Held, lock.state()) << lock.why();
        struct stat st;
        ASSERT_EQ(0, stat(lockFile.c_str(), &st));
        EXPECT_EQ(0600u, st.st_mode & 07777);
    }

    // Held elsewhere for good: the wait ends at its limit.
    const int held = open(lockFile.c_str(), O_RDWR | O_CLOEXEC);
    ASSERT_EQ(0, flock(held, LOCK_EX));
    static int waits = 0;
    const auto start = std::chrono::steady_clock::now();
    const UserFolderLock waited(UserHalvenor(), 300ms, [] { ++waits; });
    EXPECT_EQ(UserFolderLock::State::TimedOut, waited.state());
    EXPECT_GE(std::chrono::steady_clock::now() - start, 300ms);
    EXPECT_EQ(1, waits);
    close(held);

    // A planted link is not followed, nor its target changed.
    const std::string victim = dir + "/victim";
    WriteFile(victim, "precious");
    unlink(lockFile.c_str());
    ASSERT_EQ(0, symlink(victim.c_str(), lockFile.c_str()));
    const UserFolderLock planted(UserHalvenor(), 0ms);
    EXPECT_EQ(UserFolderLock::State::Unavailable, planted.state());
    EXPECT_NE(std::string::npos, planted.why().find("symbolic link")) << planted.why();
    struct stat st;
    ASSERT_EQ(0, stat(victim.c_str(), &st));
    EXPECT_EQ(0644u, st.st_mode & 07777);
    EXPECT_EQ("precious", ReadFile(victim));
}

TEST_F(ServiceTest, BackupNamesAreNumberedBesideTheCopy)
{
    EXPECT_EQ("/x/Halvenor.app_tmp", S(GetAppBackupDir("/x/Halvenor.app", 0)));
    EXPECT_EQ("/x/Halvenor.app_tmp1", S(GetAppBackupDir("/x/Halvenor.app", 1)));
    EXPECT_EQ("/x/Halvenor.app_tmp7", S(GetAppBackupDir("/x/Halvenor.app", 7)));
    EXPECT_EQ("/x/Halvenor.app_tmp1234567", S(GetAppBackupDir("/x/Halvenor.app", 1234567)));
    EXPECT_TRUE(ServiceLines().empty());

    // A number that does not fit seven characters gets no suffix at all
    // rather than a truncated one that names another backup.
    EXPECT_EQ("/x/Halvenor.app_tmp", S(GetAppBackupDir("/x/Halvenor.app", 12345678)));
    EXPECT_EQ(1, CountLine("[ERROR] cloud-service: snprintf failed (continuing without postfix)"));
}

TEST_F(ServiceTest, FirstInstallExtractsAndRemovesLeftoverBackup)
{
    MakeGoodPackage("20");
    WriteFile(UserApp() + "_tmp/stale", "left from an earlier run");
    WriteFile(UserApp() + "_tmp1/stale", "not touched");

    MacService service;
    ASSERT_EQ(0, service.PrepareUserEnv());

    EXPECT_EQ("new user interface", ReadFile(UserExe()));
    EXPECT_EQ("new resource", ReadFile(UserApp() + "/Contents/Resources/new.txt"));
    struct stat st;
    ASSERT_EQ(0, stat(UserExe().c_str(), &st));
    EXPECT_TRUE(st.st_mode & S_IXUSR) << "the UI executable stays executable";
    // Without an old copy only backup number 0 is cleaned up.
    EXPECT_FALSE(Exists(UserApp() + "_tmp"));
    EXPECT_TRUE(Exists(UserApp() + "_tmp1/stale"));
    EXPECT_EQ((Lines{"[INFO] cloud-service: extract package: '" + BundlePackagePath() + "' -> '" +
                         UserApp() + "'",
                     "[INFO] cloud-service: user installation is ready, removing backup app"}),
              ServiceLines());

    // The next run reads the new copy's record as the source.
    MacService next;
    next.PreUpgrade();
    EXPECT_EQ("20", S(next.source_build_version));
}

TEST_F(ServiceTest, FirstInstallFailureRemovesPartialCopy)
{
    MakeFailingPackage();
    MacService service;
    EXPECT_EQ(-1, service.PrepareUserEnv());

    const Lines lines = ServiceLines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ("[ERROR] cloud-service: Failed to extract package, and no old installation to "
              "rollback",
              lines.back());
    // The two entries written before the failing one (the UI executable and
    // the version record) would pass for an installed copy: they go, and so
    // does everything else the attempt made. Nothing escaped.
    EXPECT_FALSE(Exists(UserApp()));
    EXPECT_EQ(std::set<std::string>{}, Names(UserHalvenor()));
    EXPECT_FALSE(Exists(dir + "/escape.txt"));
    EXPECT_FALSE(Exists(UserHalvenor() + "/escape.txt"));
    EXPECT_FALSE(service.IsUpgradeIncomplete());

    // The next run installs afresh.
    MakeGoodPackage("20");
    MacService next;
    next.PreUpgrade();
    EXPECT_TRUE(next.IsNeedUpgrade());
    EXPECT_EQ(0, next.HandlePackageUpgrade());
    EXPECT_EQ("new user interface", ReadFile(UserExe()));
}

TEST_F(ServiceTest, LeftoverBackupMovesCopyToNextNumber)
{
    MakeUserCopy("10");
    MakeGoodPackage("20");
    WriteFile(UserApp() + "_tmp/stale", "left from an earlier run");

    MacService service;
    ASSERT_EQ(0, service.PrepareUserEnv());

    EXPECT_EQ((Lines{"[ERROR] cloud-service: failed to backup app from '" + UserApp() + "' -> '" +
                         UserApp() + "_tmp'",
                     "[INFO] cloud-service: extract package: '" + BundlePackagePath() + "' -> '" +
                         UserApp() + "'",
                     "[INFO] cloud-service: user installation is ready, removing backup app"}),
              ServiceLines());
    // Both the leftover and the backup just made are gone; the new copy
    // holds only the package's files.
    EXPECT_FALSE(Exists(UserApp() + "_tmp"));
    EXPECT_FALSE(Exists(UserApp() + "_tmp1"));
    EXPECT_FALSE(Exists(UserApp() + "_tmp2"));
    EXPECT_EQ("new user interface", ReadFile(UserExe()));
    EXPECT_FALSE(Exists(UserApp() + "/Contents/Resources/data.bin"));
}

TEST_F(ServiceTest, FailedExtractionRestoresOldCopyByteForByte)
{
    MakeUserCopy("10");
    MakeFailingPackage();
    // An empty leftover does not block the rename: it is replaced.
    MakeDirs(UserApp() + "_tmp");
    const auto before = Snapshot(UserApp());
    ASSERT_FALSE(before.empty());

    MacService service;
    EXPECT_EQ(-1, service.PrepareUserEnv());

    EXPECT_EQ(before, Snapshot(UserApp()));
    EXPECT_FALSE(Exists(UserApp() + "_tmp"));
    EXPECT_FALSE(Exists(UserHalvenor() + "/escape.txt"));
    const Lines lines = ServiceLines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ("[ERROR] cloud-service: Failed to extract package, rollback to old installation",
              lines.back());
    EXPECT_EQ(0, CountLine("[INFO] cloud-service: user installation is ready, removing backup "
                           "app"));
}

TEST_F(ServiceTest, AllBackupNamesBlockedLeavesCopyInPlace)
{
    MakeUserCopy("10");
    MakeGoodPackage("20");
    for (int n = 0; n < 10; ++n) {
        WriteFile(S(GetAppBackupDir(UserApp().c_str(), n)) + "/stale", std::to_string(n));
    }
    const auto before = Snapshot(UserHalvenor());

    MacService service;
    EXPECT_EQ(-1, service.PrepareUserEnv());

    Lines expected;
    for (int n = 0; n < 10; ++n) {
        expected.push_back("[ERROR] cloud-service: failed to backup app from '" + UserApp() +
                           "' -> '" + S(GetAppBackupDir(UserApp().c_str(), n)) + "'");
    }
    expected.push_back("[ERROR] cloud-service: failed to backup app from '" + UserApp() + "' -> '" +
                       UserApp() + "_tmp9' at max retries, exiting");
    EXPECT_EQ(expected, ServiceLines());
    // Nothing was extracted and no backup touched.
    EXPECT_EQ(before, Snapshot(UserHalvenor()));
}

TEST_F(ServiceTest, DestinationThatCannotBeCreatedFailsTheUpgrade)
{
    MakeGoodPackage("20");
    // ~/.Halvenor is a file, so the copy's folder cannot be made below it.
    WriteFile(UserHalvenor(), "not a folder");

    MacService service;
    EXPECT_EQ(-1, service.PrepareUserEnv());
    // Nothing is extracted without the marker that makes the upgrade safe,
    // and the marker lives in that folder.
    EXPECT_EQ((Lines{"[ERROR] cloud-service: failed to create folder: '" + UserHalvenor() + "'"}),
              ServiceLines());
    EXPECT_EQ("not a folder", ReadFile(UserHalvenor()));
}

TEST_F(ServiceTest, RemoveAgedFoldersLogsAndRemovesOnlyTheAgedFolder)
{
    const std::string aged = UserHalvenor() + "/app";
    const std::string line = "[INFO] cloud-service: removing aged app folder " + aged;

    // Absent: the line is still written.
    MacService service;
    service.RemoveAgedFolders();
    EXPECT_EQ(Lines{line}, ServiceLines());

    // Present: the whole tree goes; the copy and its backups stay.
    WriteFile(aged + "/sub/file", "old");
    MakeUserCopy("10");
    WriteFile(UserApp() + "_tmp/stale", "leftover");
    service.RemoveAgedFolders();
    EXPECT_FALSE(Exists(aged));
    EXPECT_TRUE(Exists(UserExe()));
    EXPECT_TRUE(Exists(UserApp() + "_tmp/stale"));
    EXPECT_EQ((Lines{line, line}), ServiceLines());
}

TEST_F(ServiceTest, FSCopyPathCopiesFilesAndTrees)
{
    MacService service;

    // A tree with nested, empty and binary content arrives identical.
    const std::string src = dir + "/src";
    WriteFile(src + "/a.txt", "alpha");
    WriteFile(src + "/empty", "");
    WriteFile(src + "/sub/deeper/b.bin", std::string("\0\1\2\3", 4));
    MakeDirs(src + "/emptydir");
    ASSERT_EQ(0, service.FSCopyPath(src.c_str(), (dir + "/dst").c_str()));
    // Only contents are carried over, not modes.
    EXPECT_EQ(Snapshot(src, kNoModes), Snapshot(dir + "/dst", kNoModes));
    EXPECT_TRUE(Exists(src + "/a.txt")) << "the source stays";
    EXPECT_EQ(1, CountLine("[DEBUG] cloud-service: copy from '" + src + "' to '" + dir + "/dst'"));
    EXPECT_EQ(1, CountLine("[DEBUG] cloud-service: copy from '" + src + "/sub' to '" + dir +
                           "/dst/sub'"));

    // A single file.
    ASSERT_EQ(0, service.FSCopyPath((src + "/a.txt").c_str(), (dir + "/single").c_str()));
    EXPECT_EQ("alpha", ReadFile(dir + "/single"));

    // A missing source.
    EXPECT_EQ(-1, service.FSCopyPath((dir + "/missing").c_str(), (dir + "/x").c_str()));
    EXPECT_EQ(1, CountLine("[ERROR] cloud-service: FSCopyPath: source path '" + dir +
                           "/missing' does not exist"));
    EXPECT_FALSE(Exists(dir + "/x"));

    // A file copied onto itself would be truncated; a folder copied into
    // itself would recurse. Both are refused and the source keeps its data.
    EXPECT_EQ(-1, service.FSCopyPath((src + "/a.txt").c_str(), (src + "/./a.txt").c_str()));
    EXPECT_EQ("alpha", ReadFile(src + "/a.txt"));
    EXPECT_EQ(-1, service.FSCopyPath(src.c_str(), (src + "/sub/inner").c_str()));
    EXPECT_FALSE(Exists(src + "/sub/inner"));

    // The first child that fails stops the copy with -1: here the
    // destination already has a folder where a file must go.
    MakeDirs(dir + "/blocked/a.txt");
    EXPECT_EQ(-1, service.FSCopyPath(src.c_str(), (dir + "/blocked").c_str()));
    EXPECT_EQ(1, CountLine("[ERROR] cloud-service: FSCopyPath: failed to copy from '" + src +
                           "/a.txt' to '" + dir + "/blocked/a.txt'"));

    // A destination folder that cannot be created.
    WriteFile(dir + "/plainfile", "x");
    EXPECT_EQ(-1, service.FSCopyPath(src.c_str(), (dir + "/plainfile").c_str()));
    EXPECT_EQ(1, CountLine("[ERROR] cloud-service: FSCopyPath: failed to create dest folder '" +
                           dir + "/plainfile'"));

    // A chain deeper than the 64 files that the copying process may open,
    // with a link that is copied as a link, never followed.
    std::string chain = "/chain";
    for (int i = 0; i < 300; ++i) {
        chain += "/d";
    }
    WriteFile(dir + "/deep" + chain + "/leaf", "leaf");
    ASSERT_EQ(0, symlink("../../..", (dir + "/deep" + chain + "/up").c_str()));
    const int status = RunForked([&] {
        const rlimit limit = {64, 64};
        return setrlimit(RLIMIT_NOFILE, &limit) == 0 &&
                       service.FSCopyPath((dir + "/deep").c_str(), (dir + "/copy").c_str()) == 0
                   ? 0
                   : 1;
    });
    EXPECT_EQ(0, status);
    EXPECT_EQ("leaf", ReadFile(dir + "/copy" + chain + "/leaf"));
    char target[16] = {0};
    EXPECT_EQ(8, readlink((dir + "/copy" + chain + "/up").c_str(), target, sizeof(target)));
}

TEST_F(ServiceTest, FSCopyPathOfUnlistableFolderCreatesEmptyDestination)
{
    const std::string src = dir + "/locked";
    WriteFile(src + "/hidden", "x");
    ASSERT_EQ(0, chmod(src.c_str(), 0));
    // Root lists any folder, so the copy then runs in a child that has
    // given up root for the unprivileged "nobody" id.
    ASSERT_EQ(0, chmod(dir.c_str(), 0777));
    const std::string dst = dir + "/dst";
    if (geteuid() == 0) {
        const int status = RunForked([&] {
            if (setgid(65534) != 0 || setuid(65534) != 0) {
                return 2;
            }
            MacService service;
            if (access(dir.c_str(), X_OK) != 0) {
                return 3;
            }
            return service.FSCopyPath(src.c_str(), dst.c_str()) == 0 ? 0 : 1;
        });
        ASSERT_NE(-1, status);
        if (WIFEXITED(status) && WEXITSTATUS(status) == 3) {
            chmod(src.c_str(), 0755);
            GTEST_SKIP() << "the temporary folder cannot be reached without root";
        }
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
    } else {
        MacService service;
        EXPECT_EQ(0, service.FSCopyPath(src.c_str(), dst.c_str()));
    }
    chmod(src.c_str(), 0755);
    chmod(dir.c_str(), 0700);
    EXPECT_TRUE(Exists(dst));
    EXPECT_FALSE(Exists(dst + "/hidden"));
    EXPECT_EQ(1,
              CountLine("[WARNING] cloud-service: FSCopyPath: failed to create handle  for src '" +
                        src + "' failed"));
}
