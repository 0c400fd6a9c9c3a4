#include "extractor.h"

#include "log.h"
#include "notify_adapter.h"
#include "str_table.h"
#include "support/archive_writer.h"
#include "support/files.h"
#include "support/snapshot.h"
#include "support/temp_dir.h"

#include <QCoreApplication>
#include <QThread>

#include <archive.h>
#include <archive_entry.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

// For ThreadSanitizer builds. The progress signals cross threads through Qt's
// event queue and libarchive calls glibc's tzset on both threads; neither
// library is instrumented, so their own locking is invisible to the tool.
extern "C" const char* __tsan_default_suppressions()
{
    return "race:libQt5Core.so\nrace:tzset_internal\n";
}

namespace {

using namespace testutil;
using Progress = std::vector<std::pair<int, int>>;

const char kPreparing[] = "Halvenor Drive is initializing...";

std::string g_log_path;

bool IsLink(const std::string& path)
{
    struct stat st;
    return lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

Progress Expected(int n)
{
    Progress p;
    for (int i = 1; i <= n; ++i) {
        p.emplace_back(n, i);
    }
    return p;
}

class ExtractorEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "extractor_test";
        static char* argv[] = {name, nullptr};
        app = new QCoreApplication(argc, argv);
        StrTable::InitStrTable();
        Notify_Adapter::GetInstance();
        tmp = std::make_unique<TempDir>("extractor_test_log");
        dir = tmp->path();
        ASSERT_FALSE(dir.empty());
        WriteFile(dir + "/level", "extractor_debug=7\n");
        g_log_path = dir + "/extractor.log";
        ASSERT_EQ(
            Logger::Initialize(Logger::TYPE_FILE, g_log_path.c_str(), (dir + "/level").c_str(), 50),
            0);
    }
    void TearDown() override { tmp.reset(); }

private:
    QCoreApplication* app = nullptr;
    std::unique_ptr<TempDir> tmp;
    std::string dir;
};

const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new ExtractorEnvironment);

class ExtractorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(root.empty());
        dest = root + "/dest";
        outside = root + "/outside";
        fs::create_directories(dest);
        fs::create_directories(outside + "/sub");
        fs::create_directories(root + "/pkg");
        WriteFile(outside + "/secret", "secret");
        WriteFile(outside + "/sub/keep", "keep");
        log_offset = fs::file_size(g_log_path);
        context = new QObject;
        QObject::connect(Notify_Adapter::GetInstance(), &Notify_Adapter::sigUpdateProgress, context,
                         [this](int total, int current) {
                             progress.emplace_back(total, current);
                             off_main_thread |= QThread::currentThread() != qApp->thread();
                         });
        QObject::connect(Notify_Adapter::GetInstance(), &Notify_Adapter::sigUpdateDialogText,
                         context, [this](const QString& text) { texts.push_back(text); });
    }
    void TearDown() override { delete context; }

    std::string Package(ArchiveWriter& writer, const std::string& name)
    {
        const std::string path = root + "/pkg/" + name;
        EXPECT_TRUE(writer.WriteTo(path)) << writer.error();
        return path;
    }

    Extractor Make(const std::string& src, const std::string& to)
    {
        Extractor ex;
        ex.src_path = src.c_str();
        ex.dest_path = to.c_str();
        return ex;
    }

    // Extract on a second thread while this (main) thread receives the signals.
    int RunExtract(Extractor& ex)
    {
        progress.clear();
        texts.clear();
        std::atomic<bool> finished{false};
        int result = 0;
        std::thread worker([&] {
            result = ex.Extract();
            finished = true;
        });
        while (!finished) {
            QCoreApplication::processEvents();
            QThread::usleep(200);
        }
        worker.join();
        QCoreApplication::sendPostedEvents();
        return result;
    }

    std::string NewLog()
    {
        const std::string all = ReadFile(g_log_path);
        const std::string fresh = all.substr(std::min<size_t>(log_offset, all.size()));
        log_offset = all.size();
        return fresh;
    }

    std::string Stdout(Extractor& ex, int* result)
    {
        const std::string path = root + "/stdout";
        std::fflush(stdout);
        const int fd = open(path.c_str(), O_CREAT | O_TRUNC | O_WRONLY, 0644);
        const int saved = dup(1);
        dup2(fd, 1);
        close(fd);
        *result = ex.List();
        std::fflush(stdout);
        dup2(saved, 1);
        close(saved);
        return ReadFile(path);
    }

    TempDir tmp{"extractor_test"};
    const std::string root = tmp.path();
    std::string dest, outside;
    size_t log_offset = 0;
    QObject* context = nullptr;
    Progress progress;
    std::vector<QString> texts;
    bool off_main_thread = false;
};

TEST_F(ExtractorTest, ExtractsEveryFormatWithProgress)
{
    EXPECT_EQ(StrTable::LoadStr(109), QString(kPreparing));
    const std::string binary = Noise(300000, 7);
    for (ArchiveWriter::Format format :
         {ArchiveWriter::Tar, ArchiveWriter::TarGz, ArchiveWriter::Zip}) {
        SCOPED_TRACE(format);
        ArchiveWriter w(format);
        w.Dir("Contents/")
            .File("Contents/Info.plist", "<plist/>")
            .File("Contents/MacOS/app", binary, 0755)
            .File("Contents/Resources/deep/a/b/c.txt", "deep")
            .Symlink("Contents/Resources/link", "deep/a");
        if (format != ArchiveWriter::Zip) {
            w.Hardlink("Contents/Resources/same", "Contents/Info.plist");
        }
        const std::string to = root + "/out" + std::to_string(format);
        fs::create_directories(to);
        Extractor ex = Make(Package(w, "bundle" + std::to_string(format)), to);
        EXPECT_EQ(ex.Count(), static_cast<int>(w.size()));
        ASSERT_EQ(RunExtract(ex), 0) << NewLog();

        EXPECT_EQ(ReadFile(to + "/Contents/MacOS/app"), binary);
        EXPECT_NE(fs::status(to + "/Contents/MacOS/app").permissions() & fs::perms::owner_exec,
                  fs::perms::none);
        EXPECT_EQ(fs::read_symlink(to + "/Contents/Resources/link"), "deep/a");
        EXPECT_EQ(ReadFile(to + "/Contents/Resources/link/b/c.txt"), "deep");
        if (format != ArchiveWriter::Zip) {
            EXPECT_TRUE(
                fs::equivalent(to + "/Contents/Resources/same", to + "/Contents/Info.plist"));
        }
        EXPECT_EQ(progress, Expected(static_cast<int>(w.size())));
        EXPECT_EQ(texts, std::vector<QString>{kPreparing});
        EXPECT_FALSE(off_main_thread);
    }
}

TEST_F(ExtractorTest, ProgressReachesTheMainThreadInOrder)
{
    // The three-entry case of the dialog.
    ArchiveWriter small;
    small.File("a", "1").File("b", "2").File("c", "3");
    Extractor ex = Make(Package(small, "small.tar"), dest);
    ASSERT_EQ(RunExtract(ex), 0);
    EXPECT_EQ(progress, (Progress{{3, 1}, {3, 2}, {3, 3}}));
    EXPECT_FALSE(off_main_thread);

    // Many entries in a compressed stream: the count finishes while entries
    // are being written, and the reports must still come complete and in order.
    ArchiveWriter many(ArchiveWriter::TarGz);
    for (int i = 0; i < 400; ++i) {
        many.File("d" + std::to_string(i % 7) + "/f" + std::to_string(i), Noise(3000, i));
    }
    ex = Make(Package(many, "many.tar.gz"), dest);
    ASSERT_EQ(RunExtract(ex), 0);
    EXPECT_EQ(progress, Expected(400));
    EXPECT_EQ(ReadFile(dest + "/d6/f398"), Noise(3000, 398));
}

TEST_F(ExtractorTest, RefusesBadArgumentsBeforeAnyWork)
{
    ArchiveWriter w;
    const std::string pkg = Package(w.File("a", "1"), "a.tar");

    // An empty path: every operation fails at once, without any dialog text.
    for (auto paths : {std::make_pair(std::string(), dest), std::make_pair(pkg, std::string())}) {
        Extractor ex = Make(paths.first, paths.second);
        EXPECT_EQ(RunExtract(ex), -1);
        EXPECT_EQ(ex.Count(), -1);
        EXPECT_EQ(ex.List(), -1);
        EXPECT_TRUE(texts.empty());
        EXPECT_TRUE(progress.empty());
        const std::string log = NewLog();
        EXPECT_NE(log.find("[ERROR] extractor("), std::string::npos);
        EXPECT_NE(log.find("): Invalid Argument\n"), std::string::npos);
        EXPECT_NE(log.find("): Invalid argument\n"), std::string::npos);
    }
    Extractor ex;
    EXPECT_EQ(ex.copy_data(nullptr, nullptr), -1);
    EXPECT_NE(NewLog().find("Invalid Argument"), std::string::npos);

    // A destination that does not exist is not created.
    ex = Make(pkg, root + "/missing/dest");
    EXPECT_EQ(RunExtract(ex), -1);
    EXPECT_FALSE(Exists(root + "/missing"));
    EXPECT_NE(NewLog().find("Failed to resolve destination"), std::string::npos);
}

TEST_F(ExtractorTest, EmptyMissingAndDamagedArchivesFail)
{
    // No entries: the count of 0 fails the extraction after the dialog text.
    ArchiveWriter empty;
    Extractor ex = Make(Package(empty, "empty.tar"), dest);
    EXPECT_EQ(ex.Count(), 0);
    EXPECT_EQ(RunExtract(ex), -1);
    EXPECT_EQ(texts, std::vector<QString>{kPreparing});
    EXPECT_TRUE(progress.empty());
    EXPECT_NE(NewLog().find("Failed to calculate total file numbers, ret: 0\n"), std::string::npos);

    // A missing file.
    ex = Make(root + "/pkg/none.tar", dest);
    EXPECT_EQ(ex.Count(), -1);
    EXPECT_NE(NewLog().find("archive_read_open_filename failed: '"), std::string::npos);
    EXPECT_EQ(RunExtract(ex), -1);
    EXPECT_NE(NewLog().find("Failed to calculate total file numbers, ret: -1\n"),
              std::string::npos);

    // A damaged third header: two entries count and land, then the failure.
    ArchiveWriter w;
    const std::string pkg =
        Package(w.File("one", "1").File("two", "2").File("three", "3"), "d.tar");
    std::string bytes = ReadFile(pkg);
    size_t header = 0;
    while (header < bytes.size() && bytes.compare(header, 5, "three") != 0) {
        header += 512;
    }
    ASSERT_LT(header, bytes.size());
    bytes.replace(header + 148, 8, "garbage!");
    WriteFile(pkg, bytes);
    ex = Make(pkg, dest);
    EXPECT_EQ(ex.Count(), 2);
    EXPECT_EQ(RunExtract(ex), -1);
    EXPECT_NE(NewLog().find("archive_read_next_header failed: '"), std::string::npos);
    EXPECT_EQ(ReadFile(dest + "/two"), "2");
    EXPECT_FALSE(Exists(dest + "/three"));
    EXPECT_EQ(progress, Expected(2));
    int listed = 0;
    EXPECT_EQ(Stdout(ex, &listed), "one\ntwo\n");
    EXPECT_EQ(listed, -1);

    // Data cut off in the middle of a compressed entry.
    ArchiveWriter gz(ArchiveWriter::TarGz);
    const std::string cut = Package(gz.File("first", "1").File("big", Noise(200000, 3)), "c.tgz");
    fs::resize_file(cut, fs::file_size(cut) / 2);
    ex = Make(cut, dest);
    EXPECT_EQ(RunExtract(ex), -1);
    EXPECT_NE(NewLog().find("archive_read_extract2 failed: 'truncated"), std::string::npos);
}

TEST_F(ExtractorTest, EntriesLandBelowTheDestination)
{
    fs::create_directories(dest + "/a");
    WriteFile(dest + "/a/old", "old");
    fs::permissions(dest + "/a/old", fs::perms::owner_read);
    fs::create_symlink(outside + "/secret", dest + "/a/was-link");
    const std::string name255(255, 'n');
    ArchiveWriter w;
    w.Dir("./")
        .File("a/b", "b")
        .File("a/old", "new")
        .File("a/was-link", "file now")
        .File("long/" + name255, "255")
        .File("../escape", "x")
        .File("after", "x");
    Extractor ex = Make(Package(w, "paths.tar"), dest);
    const auto before = Snapshot(root, kInodes, dest);
    EXPECT_EQ(RunExtract(ex), -1);
    EXPECT_NE(NewLog().find("archive_read_extract2 failed: '"), std::string::npos);

    // Everything before the ".." entry is on disk, in place.
    EXPECT_EQ(ReadFile(dest + "/a/b"), "b");
    EXPECT_EQ(ReadFile(dest + "/a/old"), "new");
    EXPECT_FALSE(IsLink(dest + "/a/was-link"));
    EXPECT_EQ(ReadFile(dest + "/a/was-link"), "file now");
    EXPECT_EQ(ReadFile(dest + "/long/" + name255), "255");
    EXPECT_FALSE(Exists(root + "/escape"));
    EXPECT_FALSE(Exists(dest + "/after"));
    Progress five = Expected(7);
    five.resize(5);
    EXPECT_EQ(progress, five);
    EXPECT_EQ(Differences(before, Snapshot(root, kInodes, dest)), "");
}

TEST_F(ExtractorTest, SymbolicLinksInsideTheBundleWork)
{
    ArchiveWriter w;
    w.File("F.framework/Versions/A/F", "code")
        .File("F.framework/Versions/A/Resources/r", "res")
        .Symlink("F.framework/Versions/Current", "A")
        .Symlink("F.framework/F", "Versions/Current/F")
        .Symlink("F.framework/Resources", "Versions/Current/Resources");
    Extractor ex = Make(Package(w, "fw.tar"), dest);
    ASSERT_EQ(RunExtract(ex), 0) << NewLog();
    EXPECT_EQ(fs::read_symlink(dest + "/F.framework/Versions/Current"), "A");
    EXPECT_EQ(ReadFile(dest + "/F.framework/F"), "code");
    EXPECT_EQ(ReadFile(dest + "/F.framework/Resources/r"), "res");
}

TEST_F(ExtractorTest, HostilePackagesTouchNothingOutside)
{
    struct Case
    {
        const char* what;
        ArchiveWriter package;
        const char* must_not_exist; // below the destination
        const char* log;
    };
    const std::string long_name(NAME_MAX + 1, 'x');
    std::string too_deep = "deep";
    while (too_deep.size() < PATH_MAX) {
        too_deep += "/" + std::string(200, 'y');
    }
    std::vector<Case> cases;
    auto add = [&](const char* what, const char* gone, const char* log) -> ArchiveWriter& {
        cases.push_back(Case{what, ArchiveWriter(), gone, log});
        return cases.back().package;
    };
    // Planted links that later entries would write through.
    add("absolute link", "", "symbolic link")
        .Symlink("Contents/x", outside)
        .File("Contents/x/planted", "bad");
    add("relative link", "", "symbolic link")
        .Symlink("Contents/x", "../../outside")
        .File("Contents/x/planted", "bad");
    add("folder through link", "", "symbolic link")
        .Symlink("Contents/x", outside)
        .Dir("Contents/x/planted/");
    add("folder swapped for link", "", "symbolic link")
        .Dir("Contents/d/", 0700)
        .Symlink("Contents/d", outside + "/sub")
        .File("Contents/d/planted", "bad");
    // Hard links must join two files below the destination.
    add("absolute hard link", "Contents/h", "does not exist")
        .File("Contents/f", "f")
        .Hardlink("Contents/h", outside + "/secret");
    add("hard link with ..", "Contents/h", "is not a file below")
        .Hardlink("Contents/h", "../outside/secret");
    add("hard link through link", "Contents/h", "symbolic link")
        .Symlink("Contents/x", outside)
        .Hardlink("Contents/h", "Contents/x/secret");
    add("hard link to a link", "Contents/h", "not a regular file")
        .Symlink("Contents/x", outside + "/secret")
        .Hardlink("Contents/h", "Contents/x");
    add("missing hard link target", "Contents/h", "does not exist")
        .Hardlink("Contents/h", "Contents/none");
    // Entries that would replace the destination itself.
    add("empty name", "", "destination itself").File("", "bad");
    add("dot", "", "destination itself").File(".", "bad");
    add("dot slash link", "", "destination itself").Symlink("./", outside);
    // Types a bundle never holds; as root the writer would create them.
    add("fifo", "Contents/fifo", "FIFOs").File("Contents/a", "a").Fifo("Contents/fifo");
    add("character device", "Contents/null", "devices").CharDevice("Contents/null", 1, 3);
    add("block device", "Contents/loop", "devices").BlockDevice("Contents/loop", 7, 0);
    // Names the file system cannot hold.
    add("long component", "Contents", "longer than").File("Contents/" + long_name, "x");
    add("long path", "deep", "longer than").File(too_deep, "x");
    add("absolute path", "", "absolute paths").File(outside + "/planted", "bad");
    // A ".." component.
    add("dot dot", "", "archive_read_extract2 failed").File("a/../../outside/secret", "bad");

    for (size_t i = 0; i < cases.size(); ++i) {
        Case& c = cases[i];
        SCOPED_TRACE(c.what);
        const std::string to = root + "/dest" + std::to_string(i);
        fs::create_directories(to);
        Extractor ex = Make(Package(c.package, "hostile" + std::to_string(i) + ".tar"), to);
        const auto before = Snapshot(root, kInodes, to);
        EXPECT_EQ(RunExtract(ex), -1);
        EXPECT_NE(NewLog().find(c.log), std::string::npos);
        EXPECT_EQ(Differences(before, Snapshot(root, kInodes, to)), "");
        EXPECT_TRUE(fs::is_directory(fs::symlink_status(to)));
        if (*c.must_not_exist) {
            EXPECT_FALSE(Exists(to + "/" + c.must_not_exist));
        }
    }
}

TEST_F(ExtractorTest, WorkingFolderComesBackAndRelativePathsWork)
{
    // The extraction works from inside the destination; the caller's working
    // folder must be back afterwards, whether it succeeded or failed.
    const std::string start = fs::current_path().string();
    ArchiveWriter good;
    good.Dir("a/").File("a/f", "f").Symlink("a/l", "f").Hardlink("a/h", "a/f");
    ArchiveWriter bad;
    bad.File("b", "b").File("../escape", "x");
    const std::string goodPackage = Package(good, "good.tar");
    Extractor ok = Make(goodPackage, dest);
    EXPECT_EQ(RunExtract(ok), 0);
    EXPECT_EQ(fs::current_path().string(), start);
    EXPECT_EQ(ReadFile(dest + "/a/h"), "f");
    EXPECT_EQ(fs::read_symlink(dest + "/a/l"), "f");
    Extractor fails = Make(Package(bad, "bad.tar"), dest);
    EXPECT_EQ(RunExtract(fails), -1);
    EXPECT_EQ(fs::current_path().string(), start);
    EXPECT_FALSE(Exists(root + "/escape"));

    // Package and destination given relative to the caller's working folder.
    fs::current_path(root);
    fs::create_directories(root + "/rel");
    Extractor relative = Make("pkg/good.tar", "rel");
    EXPECT_EQ(RunExtract(relative), 0);
    EXPECT_EQ(fs::current_path().string(), root);
    EXPECT_EQ(ReadFile(root + "/rel/a/h"), "f");
    fs::current_path(start);
}

TEST_F(ExtractorTest, DestinationBelowALinkedParent)
{
    // A home folder reached through a link: the link must survive.
    fs::create_directories(root + "/realhome/Halvenor.app");
    fs::create_directory_symlink("realhome", root + "/home");
    const std::string to = root + "/home/Halvenor.app";
    ArchiveWriter good;
    good.Dir("Contents/").File("Contents/MacOS/app", "app").Symlink("Contents/cur", "MacOS");
    Extractor ex = Make(Package(good, "good.tar"), to);
    ASSERT_EQ(RunExtract(ex), 0) << NewLog();
    EXPECT_TRUE(IsLink(root + "/home"));
    EXPECT_EQ(ReadFile(root + "/realhome/Halvenor.app/Contents/cur/app"), "app");

    ArchiveWriter bad;
    bad.Symlink("Contents/x", outside).File("Contents/x/planted", "bad");
    ex = Make(Package(bad, "bad.tar"), to);
    const auto before = Snapshot(root, kInodes, root + "/realhome/Halvenor.app");
    EXPECT_EQ(RunExtract(ex), -1);
    EXPECT_TRUE(IsLink(root + "/home"));
    EXPECT_EQ(Differences(before, Snapshot(root, kInodes, root + "/realhome/Halvenor.app")), "");
}

TEST_F(ExtractorTest, ListAndCopyData)
{
    ArchiveWriter w(ArchiveWriter::TarGz);
    const std::string data = Noise(100000, 11);
    const std::string pkg = Package(w.Dir("C/").File("C/data", data).Symlink("C/l", "data"), "l");
    Extractor ex = Make(pkg, dest);
    int result = -1;
    EXPECT_EQ(Stdout(ex, &result), "C/\nC/data\nC/l\n");
    EXPECT_EQ(result, 0);

    // copy_data moves one entry's data between two open handles.
    archive* reader = archive_read_new();
    archive_read_support_filter_all(reader);
    archive_read_support_format_all(reader);
    ASSERT_EQ(archive_read_open_filename(reader, pkg.c_str(), 10240), ARCHIVE_OK);
    archive* writer = archive_write_disk_new();
    archive_entry* entry = nullptr;
    ASSERT_EQ(archive_read_next_header(reader, &entry), ARCHIVE_OK);
    ASSERT_EQ(archive_read_next_header(reader, &entry), ARCHIVE_OK);
    archive_entry_set_pathname(entry, (dest + "/copied").c_str());
    ASSERT_EQ(archive_write_header(writer, entry), ARCHIVE_OK);
    EXPECT_EQ(ex.copy_data(reader, writer), 0);
    EXPECT_EQ(archive_write_finish_entry(writer), ARCHIVE_OK);
    EXPECT_EQ(ex.copy_data(reader, nullptr), -1);
    archive_read_free(reader);
    archive_write_free(writer);
    EXPECT_EQ(ReadFile(dest + "/copied"), data);
}

} // namespace
