// The macOS flush, built here with macOS's fcntl codes. The linker's --wrap
// turns its fsync and fcntl calls into records instead of disk flushes.
#include "platform/fs_flush.h"
#include "support/files.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdarg>
#include <map>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Call
{
    int cmd; // 0 for fsync
    ino_t ino;
};

std::vector<Call> calls;
ino_t failingFsync = 0; // fsync of this inode fails with EIO
int fullFlushError = 0; // errno of a refused F_FULLFSYNC

ino_t Inode(const std::string& path)
{
    struct stat st;
    return lstat(path.c_str(), &st) == 0 ? st.st_ino : 0;
}

ino_t InodeOf(int fd)
{
    struct stat st;
    return fstat(fd, &st) == 0 ? st.st_ino : 0;
}

} // namespace

extern "C" int __wrap_fsync(int fd)
{
    calls.push_back({0, InodeOf(fd)});
    if (calls.back().ino == failingFsync) {
        errno = EIO;
        return -1;
    }
    return 0;
}

// glibc names fcntl fcntl64 where off_t has 64 bits; either may be linked.
extern "C" int __real_fcntl64(int fd, int cmd, ...);

extern "C" int __wrap_fcntl64(int fd, int cmd, ...)
{
    if (cmd != F_FULLFSYNC && cmd != F_BARRIERFSYNC) {
        va_list args;
        va_start(args, cmd);
        const long arg = va_arg(args, long);
        va_end(args);
        return __real_fcntl64(fd, cmd, arg);
    }
    calls.push_back({cmd, InodeOf(fd)});
    if (fullFlushError != 0) {
        errno = fullFlushError;
        return -1;
    }
    return 0;
}

namespace {

class MacFlushTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        failingFsync = 0;
        fullFlushError = 0;
        ASSERT_TRUE(testutil::MakeDirs(root + "/Contents/MacOS/deep/er"));
        ASSERT_TRUE(testutil::MakeDirs(outside));
        for (const char* file :
             {"/Contents/INFO", "/Contents/MacOS/ui", "/Contents/MacOS/deep/er/x"}) {
            ASSERT_TRUE(testutil::WriteFile(root + file, "data"));
        }
        ASSERT_TRUE(testutil::WriteFile(outside + "/victim", "data"));
        ASSERT_EQ(symlink(outside.c_str(), (root + "/Contents/link").c_str()), 0);
        ASSERT_EQ(mkfifo((root + "/Contents/fifo").c_str(), 0600), 0);
        calls.clear();
    }

    testutil::TempDir temp;
    const std::string root = temp.path() + "/Halvenor.app";
    const std::string outside = temp.path() + "/outside";
};

TEST_F(MacFlushTest, EveryEntryIsFlushedBeforeItsFolderThenTheDriveOnce)
{
    ASSERT_EQ(FsFlush::FlushTree(root), 0);

    // Position of each inode's flush: folders and files only, links not
    // followed, the root last with the one full flush.
    std::map<ino_t, size_t> synced;
    for (size_t i = 0; i < calls.size(); ++i) {
        EXPECT_TRUE(synced.emplace(calls[i].ino, i).second) << "flushed twice: " << calls[i].ino;
    }
    const std::vector<std::string> entries = {"/Contents/INFO",
                                              "/Contents/MacOS/ui",
                                              "/Contents/MacOS/deep/er/x",
                                              "/Contents/MacOS/deep/er",
                                              "/Contents/MacOS/deep",
                                              "/Contents/MacOS",
                                              "/Contents"};
    for (const std::string& entry : entries) {
        const std::string parent = entry.substr(0, entry.rfind('/'));
        ASSERT_EQ(synced.count(Inode(root + entry)), 1u) << entry;
        EXPECT_LT(synced[Inode(root + entry)], synced[Inode(root + parent)]) << entry;
    }
    EXPECT_EQ(synced.size(), entries.size() + 1);
    EXPECT_EQ(synced.count(Inode(outside + "/victim")), 0u);

    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back().cmd, F_FULLFSYNC);
    EXPECT_EQ(calls.back().ino, Inode(root));
    size_t full = 0;
    for (const Call& call : calls) {
        full += call.cmd == F_FULLFSYNC;
        EXPECT_NE(call.cmd, F_BARRIERFSYNC);
    }
    EXPECT_EQ(full, 1u);
}

TEST_F(MacFlushTest, FirstErrorEndsTheWalkAndARefusedFullFlushFallsBack)
{
    failingFsync = Inode(root + "/Contents/MacOS/deep/er/x");
    EXPECT_EQ(FsFlush::FlushTree(root), EIO);
    for (const Call& call : calls) {
        EXPECT_EQ(call.cmd, 0) << "the drive was flushed after a failure";
    }

    // A file system without F_FULLFSYNC (a network one) gets the fsync.
    calls.clear();
    failingFsync = 0;
    fullFlushError = ENOTSUP;
    EXPECT_EQ(FsFlush::FlushFolder(root), 0);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].cmd, F_FULLFSYNC);
    EXPECT_EQ(calls[1].cmd, 0);
    EXPECT_EQ(calls[1].ino, Inode(root));
}

} // namespace
