#include "file/file-op.h"

#include "log.h"
#include "support/child.h"
#include "support/files.h"
#include "support/temp_dir.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

using namespace testutil;

dev_t DeviceOf(const std::string& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 ? st.st_dev : 0;
}

// Each test works in its own folder under /tmp, kept when the test fails,
// and logs every file-op level into a file of its own.
class FileOpTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(dir.empty());
        WriteFile(dir + "/levels", "file_op_debug=7\n");
        ASSERT_EQ(Logger::Initialize(Logger::TYPE_FILE, ustring((dir + "/log").c_str()),
                                     ustring((dir + "/levels").c_str()), 50),
                  0);
    }

    void TearDown() override
    {
        Logger::Initialize(Logger::TYPE_STDERR, ustring(""), ustring(""), 50);
        Logger::log_level[ustring("file_op_debug")] = 4;
        for (const std::string& m : mounts) {
            umount2(m.c_str(), MNT_DETACH);
        }
    }

    std::string P(const std::string& rel) const { return dir + "/" + rel; }
    bool Logged(const std::string& text) const
    {
        return ReadFile(dir + "/log").find(text) != std::string::npos;
    }

    // A folder on another file system than dir, or "" when there is none.
    std::string OtherFileSystem()
    {
        for (const char* base : {"/dev/shm", "/run/shm", "/var/tmp", "/run", "/work"}) {
            if (DeviceOf(base) == 0 || DeviceOf(base) == DeviceOf(dir)) {
                continue;
            }
            other = std::make_unique<TempDir>("file_op_test", base);
            if (!other->path().empty()) {
                return other->path();
            }
        }
        return "";
    }

    // A tmpfs of the given size mounted at a new folder, or "" without rights.
    std::string MountTmpfs(const std::string& rel, const std::string& size)
    {
        const std::string at = P(rel);
        mkdir(at.c_str(), 0755);
        if (mount("tmpfs", at.c_str(), "tmpfs", 0, ("size=" + size).c_str()) != 0) {
            return "";
        }
        mounts.push_back(at);
        return at;
    }

    TempDir tmp{"file_op_test"};
    const std::string dir = tmp.path();
    std::unique_ptr<TempDir> other;
    std::vector<std::string> mounts;
};

TEST_F(FileOpTest, PathPieces)
{
    // Parent and base name at the ends of the text
    EXPECT_EQ(FSParentPath("/a/b"), ustring("/a"));
    EXPECT_EQ(FSParentPath("/a/b/"), ustring("/a/b"));
    EXPECT_EQ(FSParentPath("/a"), ustring("/"));
    EXPECT_EQ(FSParentPath("a"), ustring("/"));
    EXPECT_EQ(FSBaseName("/a/b/"), ustring(""));
    EXPECT_EQ(FSBaseName("/a/bc"), ustring("bc"));
    EXPECT_EQ(FSBaseName("bc"), ustring("bc"));

    // Parent folders end at a "/" boundary; a path is its own parent
    EXPECT_TRUE(FSIsParentFolder("/a", "/a/b"));
    EXPECT_TRUE(FSIsParentFolder("/a", "/a"));
    EXPECT_FALSE(FSIsParentFolder("/a", "/ab"));
    EXPECT_FALSE(FSIsParentFolder("/a/", "/a/b"));
    EXPECT_FALSE(FSIsParentFolder("/a/b", "/a"));
    EXPECT_FALSE(FSIsParentFolder("/b", "/a/c"));

    EXPECT_TRUE(FSTimeEqual(5, 5));
    EXPECT_FALSE(FSTimeEqual(5, 6));
}

TEST_F(FileOpTest, GetFileInfoAndExistence)
{
    // Missing entry: filled as given, no canonical form
    _FILE_INFO_tag info;
    info.size = 77;
    ASSERT_EQ(GetFileInfo(P("missing"), info), 0);
    EXPECT_FALSE(info.exists);
    EXPECT_EQ(info.type, FILE_TYPE_NONE);
    EXPECT_EQ(info.size, 0);
    EXPECT_EQ(info.path, ustring(P("missing")));
    EXPECT_EQ(info.name, ustring("missing"));

    // Through a linked parent, and relative: canonical absolute path
    mkdir(P("real").c_str(), 0755);
    WriteFile(P("real/f"), "12345");
    ASSERT_EQ(symlink("real", P("via").c_str()), 0);
    ASSERT_EQ(GetFileInfo(P("via/f"), info), 0);
    EXPECT_TRUE(info.exists);
    EXPECT_EQ(info.type, FILE_TYPE_REGULAR);
    EXPECT_EQ(info.size, 5);
    EXPECT_EQ(info.path, ustring(P("real/f")));
    EXPECT_TRUE(Logged("FSRefMakePath outTargetPath path = [" + P("real/f") + "].\n"));
    const std::string cwd = fs::current_path();
    ASSERT_EQ(chdir(P("real").c_str()), 0);
    _FILE_INFO_tag rel;
    EXPECT_EQ(GetFileInfo("f", rel), 0);
    EXPECT_EQ(chdir(cwd.c_str()), 0);
    EXPECT_EQ(rel.path, info.path);

    // The last component is not followed by GetFileInfo, but by FSGetRealPath
    ASSERT_EQ(GetFileInfo(P("via"), info), 0);
    EXPECT_EQ(info.type, FILE_TYPE_SYMLINK);
    EXPECT_EQ(info.size, 4);
    EXPECT_EQ(info.path, ustring(P("via")));
    ustring real(P("via").c_str());
    EXPECT_EQ(FSGetRealPath(real), 0);
    EXPECT_EQ(real, ustring(P("real")));
    ustring missing(P("nothing").c_str());
    EXPECT_EQ(FSGetRealPath(missing), -1);
    EXPECT_EQ(missing, ustring(P("nothing")));

    // Equality ignores owner and mode, not size
    _FILE_INFO_tag a, b;
    GetFileInfo(P("real/f"), a);
    b = a;
    b.uid = a.uid + 1;
    b.mode = 0;
    EXPECT_TRUE(a == b);
    b.size = 6;
    EXPECT_TRUE(a != b);

    // Exact case: links in the path, relative paths and other letter case
    EXPECT_TRUE(IsFileExist(P("via/f"), false));
    EXPECT_FALSE(IsFileExist(P("via/f"), true));
    EXPECT_TRUE(IsFileExist(P("real/f"), true));
    EXPECT_FALSE(IsFileExist(P("real/F"), true));
    EXPECT_FALSE(IsFileExist("", false));

    // Either composition of a stored name is found under that name; this
    // file system keeps the two forms apart
    const std::string nfc = P("caf\xC3\xA9"), nfd = P("cafe\xCC\x81");
    WriteFile(nfd, "x");
    EXPECT_TRUE(IsFileExist(nfd.c_str(), true));
    EXPECT_EQ(IsFileExist(nfc.c_str(), true), Exists(nfc));
    WriteFile(nfc, "y");
    EXPECT_TRUE(IsFileExist(nfc.c_str(), true));

    // FSStat of a missing path touches only exists
    _FILE_INFO_tag kept;
    kept.exists = true;
    kept.size = 42;
    kept.path = "keep";
    EXPECT_EQ(FSStat(P("missing"), kept, false), 0);
    EXPECT_FALSE(kept.exists);
    EXPECT_EQ(kept.size, 42);
    EXPECT_EQ(kept.path, ustring("keep"));
    EXPECT_EQ(FSStat("", kept, false), -1);
    EXPECT_EQ(FSStat(P("real/f"), kept, true), 0);
    EXPECT_EQ(kept.size, 5);
}

TEST_F(FileOpTest, MakeFolders)
{
    // A file in the middle of the path: refused, or replaced on request
    mkdir(P("a").c_str(), 0755);
    WriteFile(P("a/b"), "x");
    EXPECT_EQ(FSMKDirP(P("a/b/c"), nullptr, false, 0xFFFF), -1);
    EXPECT_TRUE(Logged("FSMKDirP: path: " + P("a/b") + " is symbolic link pointed to folder\n"));
    // Tag, unit and call-site line come before the text
    const std::string log = ReadFile(P("log"));
    const size_t tag = log.find("[INFO] file-op(");
    ASSERT_NE(tag, std::string::npos);
    const size_t colon = log.find("): FSMKDirP: path: ", tag);
    EXPECT_GT(colon, tag + 15);
    EXPECT_EQ(log.find_first_not_of("0123456789", tag + 15), colon);
    EXPECT_EQ(FSMKDirP(P("a/b/c"), nullptr, true, 0xFFFF), 0);
    EXPECT_TRUE(fs::is_directory(P("a/b/c")));

    // An existing file as the last component, with the end position
    WriteFile(P("file"), "x");
    const ustring filePath(P("file").c_str());
    char* end = nullptr;
    errno = 0;
    EXPECT_EQ(FSMKDirP(filePath, &end, false, 0xFFFF), -1);
    EXPECT_EQ(errno, EEXIST);
    EXPECT_EQ(end, filePath.c_str() + filePath.length());
    EXPECT_TRUE(Logged("is existing file or symbolic link pointed to file\n"));

    // Trailing "/" ends at that "/"; a failing middle component ends there
    const ustring trailing((P("t/u") + "/").c_str());
    EXPECT_EQ(FSMKDirP(trailing, &end, false, 0xFFFF), 0);
    EXPECT_EQ(end, trailing.c_str() + trailing.length() - 1);
    EXPECT_TRUE(fs::is_directory(P("t/u")));
    const ustring blocked((P("file") + "/x/y").c_str());
    EXPECT_EQ(FSMKDirP(blocked, &end, false, 0xFFFF), -1);
    EXPECT_EQ(end, blocked.c_str() + P("file/x").size());
    end = nullptr;
    EXPECT_EQ(FSMKDirP("", &end, false, 0xFFFF), -1);
    EXPECT_EQ(end, nullptr);

    // An explicit mode is exact whatever the umask, which comes back unchanged
    const mode_t before = umask(027);
    EXPECT_EQ(FSMKDirP(P("m1/m2"), nullptr, false, 0700), 0);
    EXPECT_EQ(umask(before), 027u);
    struct stat st;
    ASSERT_EQ(stat(P("m1").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0700u);
    ASSERT_EQ(stat(P("m1/m2").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0700u);
    umask(027);
    EXPECT_EQ(FSMKDirP(P("d1"), nullptr, false, 0xFFFF), 0);
    umask(before);
    ASSERT_EQ(stat(P("d1").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0750u);

    // FSMKDir: a link to a folder is not a folder
    ASSERT_EQ(symlink(P("a").c_str(), P("link").c_str()), 0);
    EXPECT_EQ(FSMKDir(P("link"), false), -1);
    EXPECT_TRUE(Logged("not directory '" + P("link") + "' (3)\n"));
    EXPECT_EQ(FSMKDir(P("a"), false), 0);
    EXPECT_EQ(FSMKDir(P("n1/n2"), false), -2);
    EXPECT_TRUE(Logged("path = " + P("n1/n2") + " errno : No such file or directory\n"));
    EXPECT_EQ(FSMKDir(P("n1/n2"), true), 0);
    EXPECT_EQ(FSMKDir("", true), -1);

    // FSMKDirFromRoot creates below the root only
    EXPECT_EQ(FSMKDirFromRoot(P("r"), P("r")), 0);
    EXPECT_FALSE(Exists(P("r")));
    EXPECT_EQ(FSMKDirFromRoot(P("a/q"), P("a/")), -1);
    EXPECT_TRUE(Logged("root '" + P("a/") + "' is not a parent folder of target '" + P("a/q")));
    EXPECT_EQ(FSMKDirFromRoot(P("a"), P("a/long")), -1);
    EXPECT_TRUE(Logged("whose length is larger then target's"));
    EXPECT_EQ(FSMKDirFromRoot(P("a/x/y/z"), P("a")), 0);
    EXPECT_TRUE(fs::is_directory(P("a/x/y/z")));
    EXPECT_EQ(FSMKDirFromRoot(P("file/x"), P("file")), -1);
}

TEST_F(FileOpTest, Copy)
{
    // Empty file, and removal of the source
    WriteFile(P("empty"), "");
    EXPECT_EQ(FSCopy(P("empty"), P("empty2"), true), 0);
    EXPECT_TRUE(Exists(P("empty2")));
    EXPECT_EQ(fs::file_size(P("empty2")), 0u);
    EXPECT_FALSE(Exists(P("empty")));

    // More than one 32 MiB chunk; an existing destination is cut and keeps its mode
    std::string big(40 * 1024 * 1024 + 3, '\0');
    for (size_t i = 0; i < big.size(); i += 4093) {
        big[i] = static_cast<char>(i / 4093);
    }
    WriteFile(P("big"), big);
    WriteFile(P("dst"), std::string(50 * 1024 * 1024, 'z'));
    chmod(P("dst").c_str(), 0600);
    EXPECT_EQ(FSCopy(P("big"), P("dst"), false), 0);
    EXPECT_TRUE(ReadFile(P("dst")) == big);
    EXPECT_EQ(fs::status(P("dst")).permissions(), fs::perms(0600));
    EXPECT_TRUE(Exists(P("big")));
    // Onto another file system the bytes go through the buffer
    const std::string far = OtherFileSystem();
    if (!far.empty()) {
        EXPECT_EQ(FSCopy(P("big"), far + "/big", true), 0);
        EXPECT_TRUE(ReadFile(far + "/big") == big);
        EXPECT_FALSE(Exists(P("big")));
    }

    // Open failures of either side
    EXPECT_EQ(FSCopy(P("none"), P("x"), false), -1);
    EXPECT_TRUE(Logged("CopyFile: open(" + P("none") + "): No such file or directory (2)\n"));
    EXPECT_FALSE(Exists(P("x")));
    EXPECT_EQ(FSCopy(P("big"), P("no/x"), false), -1);

    // A copy onto the same file, also through a hard link, keeps the data
    WriteFile(P("same"), "precious");
    ASSERT_EQ(link(P("same").c_str(), P("hard").c_str()), 0);
    EXPECT_EQ(FSCopy(P("same"), P("same"), true), -1);
    EXPECT_EQ(FSCopy(P("same"), P("hard"), true), -1);
    EXPECT_EQ(ReadFile(P("same")), "precious");
}

TEST_F(FileOpTest, CopyOntoFullDisk)
{
    // A device that is always full: no truncation, a disk-full result, the source stays
    WriteFile(P("src"), "data");
    EXPECT_EQ(FSCopy(P("src"), "/dev/full", true), -2);
    EXPECT_EQ(ReadFile(P("src")), "data");

    const std::string tiny = MountTmpfs("tiny", "1m");
    if (tiny.empty()) {
        GTEST_SKIP() << "cannot mount a small tmpfs here (" << strerror(errno) << ")";
    }
    // From another file system, and within the full one; the source stays
    const std::string content(700 * 1024, 'q');
    WriteFile(P("src"), content);
    WriteFile(tiny + "/src", content);
    for (const std::string& src : {P("src"), tiny + "/src"}) {
        EXPECT_EQ(FSCopy(src, tiny + "/dst", true), -2) << src;
        EXPECT_EQ(ReadFile(src), content) << src;
        unlink((tiny + "/dst").c_str());
    }
    EXPECT_TRUE(Logged("CopyFile: write: No space left on device (28)\n"));
}

TEST_F(FileOpTest, RenameAndRemove)
{
    // Arguments, a missing source, a name too long, a failing rename
    WriteFile(P("f"), "data");
    EXPECT_EQ(FSRename("", P("g"), false), -1);
    EXPECT_EQ(FSRename(P("f"), "", false), -1);
    EXPECT_EQ(FSRename(P("missing"), P("g"), false), -2);
    EXPECT_EQ(FSRename(P("f"), P(std::string(300, 'n')), false), -100);
    EXPECT_TRUE(Logged("FSRename: failed to move '" + P("f") + "' to '" + P(std::string(300, 'n')) +
                       "': File name too long\n"));
    EXPECT_EQ(FSRename(P("f"), P("no/g"), false), -3);
    EXPECT_EQ(FSRename(P("f"), P("g"), true), 0);
    EXPECT_EQ(ReadFile(P("g")), "data");

    // FSRemove: missing, empty, a link to a folder, a whole tree
    EXPECT_EQ(FSRemove(P("missing")), 0);
    EXPECT_EQ(FSRemove(""), -1);
    fs::create_directories(P("tree/sub/deep"));
    WriteFile(P("tree/sub/deep/x"), "x");
    WriteFile(P("tree/y"), "y");
    ASSERT_EQ(symlink(P("tree").c_str(), P("tl").c_str()), 0);
    EXPECT_EQ(FSRemove(P("tl"), false), 0);
    EXPECT_FALSE(Exists(P("tl")));
    EXPECT_TRUE(Exists(P("tree/sub/deep/x")));
    ASSERT_EQ(symlink("sub", P("tree/inner").c_str()), 0);
    EXPECT_EQ(FSRemove(P("tree"), false), 0);
    EXPECT_FALSE(Exists(P("tree")));

    // An entry that cannot go (immutable even for root) leaves its folder: -3
    fs::create_directories(P("lock"));
    WriteFile(P("lock/fixed"), "z");
    const int fd = open(P("lock/fixed").c_str(), O_RDONLY);
    int flags = 0;
    if (fd < 0 || ioctl(fd, FS_IOC_GETFLAGS, &flags) != 0 ||
        (flags |= FS_IMMUTABLE_FL, ioctl(fd, FS_IOC_SETFLAGS, &flags)) != 0) {
        if (fd >= 0) {
            close(fd);
        }
        GTEST_SKIP() << "cannot make a file immutable here";
    }
    EXPECT_EQ(FSRemove(P("lock")), -3);
    EXPECT_TRUE(Exists(P("lock/fixed")));
    EXPECT_TRUE(
        Logged("FSRemove: failed to remove '" + P("lock/fixed") + "': Operation not permitted\n"));
    flags &= ~FS_IMMUTABLE_FL;
    ioctl(fd, FS_IOC_SETFLAGS, &flags);
    close(fd);
    EXPECT_EQ(FSRemove(P("lock")), 0);
}

TEST_F(FileOpTest, RenameAcrossFileSystems)
{
    const std::string far = OtherFileSystem();
    if (far.empty()) {
        GTEST_SKIP() << "no second file system beside " << dir;
    }

    // A tree of files and folders is recreated and the source removed
    fs::create_directories(P("t/a/b"));
    fs::create_directories(P("t/empty"));
    WriteFile(P("t/top"), "top");
    WriteFile(P("t/a/b/leaf"), std::string(100000, 'L'));
    WriteFile(P("t/a/zero"), "");
    EXPECT_EQ(FSRename(P("t"), far + "/t", false), 0);
    EXPECT_FALSE(Exists(P("t")));
    EXPECT_EQ(ReadFile(far + "/t/top"), "top");
    EXPECT_EQ(ReadFile(far + "/t/a/b/leaf"), std::string(100000, 'L'));
    EXPECT_TRUE(Exists(far + "/t/a/zero"));
    EXPECT_TRUE(fs::is_directory(far + "/t/empty"));

    // A link inside the tree stays behind, everything else moves: -3
    fs::create_directories(P("s/sub"));
    WriteFile(P("s/sub/one"), "1");
    WriteFile(P("s/two"), "2");
    ASSERT_EQ(symlink("two", P("s/ln").c_str()), 0);
    EXPECT_EQ(FSRename(P("s"), far + "/s", false), -3);
    EXPECT_TRUE(fs::is_symlink(P("s/ln")));
    EXPECT_FALSE(Exists(far + "/s/ln"));
    EXPECT_EQ(ReadFile(far + "/s/two"), "2");
    EXPECT_EQ(ReadFile(far + "/s/sub/one"), "1");
    EXPECT_FALSE(Exists(P("s/two")));

    // A link moved on its own is not carried over, and says so
    EXPECT_EQ(FSRename(P("s/ln"), far + "/ln", false), -3);
    EXPECT_TRUE(fs::is_symlink(P("s/ln")));

    // A single file into a folder that is already there
    WriteFile(P("solo"), "solo");
    EXPECT_EQ(FSRename(P("solo"), far + "/t/solo", false), 0);
    EXPECT_EQ(ReadFile(far + "/t/solo"), "solo");
    EXPECT_FALSE(Exists(P("solo")));
}

// The content of "leaf" in the folder 400 levels down from root, "" without.
std::string DeepLeaf(const std::string& root, const std::string& name)
{
    int at = open(root.c_str(), O_RDONLY | O_DIRECTORY);
    for (int i = 1; i < 400 && at >= 0; ++i) {
        const int next = openat(at, name.c_str(), O_RDONLY | O_DIRECTORY);
        close(at);
        at = next;
    }
    const int fd = at >= 0 ? openat(at, "leaf", O_RDONLY) : -1;
    char data[16] = {0};
    const ssize_t n = fd >= 0 ? read(fd, data, sizeof(data)) : 0;
    close(fd);
    close(at);
    return std::string(data, n > 0 ? n : 0);
}

TEST_F(FileOpTest, DeepTreeMovesAndGoesWithFewDescriptors)
{
    // 400 levels with paths up to 8 KiB, and at the bottom a link to the top
    // that no walk may follow.
    const std::string name(20, 'd');
    int at = open(dir.c_str(), O_RDONLY | O_DIRECTORY);
    for (int i = 0; i < 400 && at >= 0; ++i) {
        const char* level = i == 0 ? "deep" : name.c_str();
        const int next = mkdirat(at, level, 0755) == 0 ? openat(at, level, O_RDONLY) : -1;
        close(at);
        at = next;
    }
    ASSERT_GE(at, 0);
    const int leaf = openat(at, "leaf", O_WRONLY | O_CREAT, 0644);
    ASSERT_EQ(write(leaf, "leaf", 4), 4);
    close(leaf);
    ASSERT_EQ(symlinkat(dir.c_str(), at, "up"), 0);
    close(at);
    ASSERT_EQ(DeepLeaf(P("deep"), name), "leaf");

    // Moved to another file system (the link stays, so the chain does too),
    // then both trees removed, by a process that may open 64 files.
    const std::string far = OtherFileSystem();
    const int status = RunForked([&] {
        const rlimit limit = {64, 64};
        if (setrlimit(RLIMIT_NOFILE, &limit) != 0) {
            return 9;
        }
        if (!far.empty() && (FSRename(P("deep"), far + "/deep", false) != -3 ||
                             DeepLeaf(far + "/deep", name) != "leaf" ||
                             DeepLeaf(P("deep"), name) != "" || FSRemove(far + "/deep") != 0)) {
            return 1;
        }
        return FSRemove(P("deep")) == 0 ? 0 : 2;
    });
    EXPECT_EQ(status, 0);
    EXPECT_FALSE(Exists(P("deep")));
    EXPECT_TRUE(far.empty() || !Exists(far + "/deep"));
    EXPECT_TRUE(Exists(P("levels")));
}

TEST_F(FileOpTest, ListFolder)
{
    mkdir(P("d").c_str(), 0755);
    WriteFile(P("d/file"), "123456");
    mkdir(P("d/sub").c_str(), 0755);
    ASSERT_EQ(symlink("file", P("d/ln").c_str()), 0);
    ASSERT_EQ(mkfifo(P("d/pipe").c_str(), 0644), 0);
    ASSERT_EQ(FSUTime(P("d/file"), 1000, 2000), 0);

    // Without DIR_READ_INFO: names and types, no times or sizes
    for (const std::string& path : {P("d"), std::string("d")}) {
        const std::string cwd = fs::current_path();
        ASSERT_EQ(chdir(dir.c_str()), 0);
        for (int flags : {0, static_cast<int>(DIR_READ_INFO)}) {
            DIR_HANDLE h;
            ASSERT_EQ(FSOpenDir(path.c_str(), flags, h), 0);
            std::map<std::string, DIR_ENTRY> seen;
            DIR_ENTRY e;
            int rc;
            while ((rc = FSReadDir(h, e)) == 1) {
                seen[e.name.c_str()] = e;
            }
            EXPECT_EQ(rc, 0);
            // The end of the listing leaves the entry as it was
            e.name = "unchanged";
            EXPECT_EQ(FSReadDir(h, e), 0);
            EXPECT_EQ(e.name, ustring("unchanged"));
            FSCloseDir(h);
            EXPECT_EQ(h.dir, nullptr);
            EXPECT_TRUE(h.path.empty());

            ASSERT_EQ(seen.size(), 6u) << path;
            EXPECT_TRUE(seen.count(".") && seen.count(".."));
            EXPECT_EQ(seen["file"].type, FILE_TYPE_REGULAR);
            EXPECT_EQ(seen["sub"].type, FILE_TYPE_DIRECTORY);
            EXPECT_EQ(seen["ln"].type, FILE_TYPE_SYMLINK);
            EXPECT_EQ(seen["pipe"].type, FILE_TYPE_FIFO);
            // A relative handle path still gives the real information
            EXPECT_EQ(seen["file"].size, flags ? 6 : 0) << path;
            EXPECT_EQ(seen["file"].mtime, flags ? 2000 : 0) << path;
            EXPECT_EQ(seen["ln"].size, flags ? 4 : 0) << path;
        }
        EXPECT_EQ(chdir(cwd.c_str()), 0);
    }

    DIR_HANDLE h;
    EXPECT_EQ(FSOpenDir(P("nothing"), 0, h), -1);
    EXPECT_TRUE(Logged("FSOpenDir: Failed to open directory '" + P("nothing") +
                       "'. No such file or directory\n"));
}

TEST_F(FileOpTest, LinksTimesOwnersAndTemporaryFiles)
{
    // Link content up to 1023 bytes; 1024 is refused
    const std::string longest(1023, 'l');
    ASSERT_EQ(FSCreateSymbolicLink(longest.c_str(), P("l1023")), 0);
    ustring target;
    EXPECT_EQ(FSReadSymbolicLink(P("l1023"), target), 0);
    EXPECT_EQ(target, ustring(longest.c_str()));
    ASSERT_EQ(FSCreateSymbolicLink((longest + "m").c_str(), P("l1024")), 0);
    EXPECT_EQ(FSReadSymbolicLink(P("l1024"), target), -1);
    EXPECT_TRUE(Logged("FSReadSymbolicLink: path of '" + P("l1024") + "' is more than 1024\n"));
    EXPECT_EQ(FSReadSymbolicLink(P("none"), target), -1);
    EXPECT_TRUE(Logged("Failed to read symbolic link '" + P("none") + "' (code: 2, msg: "));
    EXPECT_EQ(FSCreateSymbolicLink("x", P("l1023")), -1);
    EXPECT_TRUE(Logged("Failed to create symbolic link 'x' -> '" + P("l1023") + "' (code: 17"));

    // Times and owner of a link are its own, not its target's
    WriteFile(P("t"), "t");
    ASSERT_EQ(symlink("t", P("tl").c_str()), 0);
    EXPECT_EQ(FSUTime(P("tl"), 100, 200), 0);
    struct stat linkStat, fileStat;
    lstat(P("tl").c_str(), &linkStat);
    stat(P("t").c_str(), &fileStat);
    EXPECT_EQ(linkStat.st_mtime, 200);
    EXPECT_NE(fileStat.st_mtime, 200);
    EXPECT_EQ(FSUTime(P("none"), 1, 2), -1);
    EXPECT_EQ(FSChown(P("tl"), 1234, 5678), 0);
    lstat(P("tl").c_str(), &linkStat);
    stat(P("t").c_str(), &fileStat);
    EXPECT_EQ(linkStat.st_uid, 1234u);
    EXPECT_EQ(linkStat.st_gid, 5678u);
    EXPECT_EQ(fileStat.st_uid, getuid());
    EXPECT_EQ(FSChown(P("none"), 1, 1), -1);

    // FSMktemp: a new empty 0644 file; a missing or too long folder fails
    ustring made, made2;
    ASSERT_EQ(FSMktemp(dir.c_str(), made), 0);
    ASSERT_EQ(FSMktemp(dir.c_str(), made2), 0);
    EXPECT_NE(made, made2);
    EXPECT_EQ(FSParentPath(made), ustring(dir.c_str()));
    EXPECT_EQ(FSBaseName(made).length(), 6u);
    EXPECT_EQ(fs::status(made.c_str()).permissions(), fs::perms(0644));
    EXPECT_EQ(FSMktemp(P("none").c_str(), made), -1);
    EXPECT_TRUE(Logged("mkstemp(" + P("none") + "/XXXXXX): No such file or directory\n"));
    EXPECT_EQ(FSMktemp(std::string(5000, 'd').c_str(), made), -1);
}

TEST_F(FileOpTest, AccessAndFileSystems)
{
    WriteFile(P("secret"), "s");
    chmod(P("secret").c_str(), 0600);
    chmod(dir.c_str(), 0755);

    // Refused access, seen from an unprivileged child process
    const int status = RunForked([this] {
        if (setgid(65534) != 0 || setuid(65534) != 0) {
            return 2;
        }
        const ustring path(P("secret").c_str());
        const bool ok = isFileLocked(path, 4) && !hasFilePermission(path, 4) &&
                        !isFileLocked(path, 0) && hasFilePermission(path, 0);
        return ok ? 0 : 1;
    });
    ASSERT_NE(status, -1);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 2) {
        GTEST_SKIP() << "cannot change to an unprivileged user here";
    }
    EXPECT_EQ(WEXITSTATUS(status), 0);

    // Allowed access and missing files are not locked
    EXPECT_FALSE(isFileLocked(P("secret"), 4));
    EXPECT_TRUE(hasFilePermission(P("secret"), 6));
    EXPECT_FALSE(isFileLocked(P("none"), 4));
    EXPECT_TRUE(hasFilePermission(P("none"), 4));

    // A local disk is neither a share nor FAT; a failed query says so
    EXPECT_FALSE(isMountPoint(dir.c_str()));
    EXPECT_FALSE(IsMSDOS(dir.c_str()));
    EXPECT_FALSE(isMountPoint(P("none")));
    EXPECT_TRUE(Logged("isMountPoint: Failed to get file system info '" + P("none") + "'. "));
    EXPECT_FALSE(IsMSDOS(P("none")));
    EXPECT_TRUE(Logged("IsSupportLargeFile: Failed to get file system info '" + P("none")));
}

} // namespace
