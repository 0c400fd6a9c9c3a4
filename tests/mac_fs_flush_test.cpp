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

int Record(int cmd, int fd, int err)
{
    struct stat st;
    calls.push_back({cmd, fstat(fd, &st) == 0 ? st.st_ino : 0});
    errno = err;
    return err == 0 ? 0 : -1;
}

} // namespace

extern "C" int __wrap_fsync(int fd)
{
    struct stat st;
    return Record(0, fd, fstat(fd, &st) == 0 && st.st_ino == failingFsync ? EIO : 0);
}

// glibc names fcntl fcntl64 where off_t has 64 bits.
extern "C" int __real_fcntl64(int fd, int cmd, ...);

extern "C" int __wrap_fcntl64(int fd, int cmd, ...)
{
    if (cmd == F_FULLFSYNC || cmd == F_BARRIERFSYNC) {
        return Record(cmd, fd, fullFlushError);
    }
    va_list args;
    va_start(args, cmd);
    const long arg = va_arg(args, long);
    va_end(args);
    return __real_fcntl64(fd, cmd, arg);
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
        for (const char* file : {"/INFO", "/MacOS/ui", "/MacOS/deep/er/x"}) {
            ASSERT_TRUE(testutil::WriteFile(root + "/Contents" + file, "data"));
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
        EXPECT_NE(calls[i].cmd, F_BARRIERFSYNC);
        EXPECT_EQ(calls[i].cmd == F_FULLFSYNC, i + 1 == calls.size()) << "full flush " << i;
    }
    const std::vector<std::string> entries = {
        "/INFO", "/MacOS/ui", "/MacOS/deep/er/x", "/MacOS/deep/er", "/MacOS/deep", "/MacOS", ""};
    for (const std::string& entry : entries) {
        const std::string parent = entry.substr(0, entry.rfind('/'));
        const ino_t self = Inode(root + "/Contents" + entry);
        ASSERT_EQ(synced.count(self), 1u) << entry;
        EXPECT_LT(synced[self], synced[Inode(entry.empty() ? root : root + "/Contents" + parent)])
            << entry;
    }
    EXPECT_EQ(synced.size(), entries.size() + 1);
    EXPECT_EQ(synced.count(Inode(outside + "/victim")), 0u);
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back().ino, Inode(root));
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
