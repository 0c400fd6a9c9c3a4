// Extractor::Extract over mutated archives, inside a sandbox tree:
//
//   <base>/input          the archive under test
//   <base>/run/dest       the destination, fresh for every input
//   <base>/outside/...    a canary file and folder beside it
//   <base>/work           the working folder of the process
//   <base>/log            the extractor's log, at debug level
//
// Whatever the archive holds, nothing outside run/dest may change, and the
// progress reports must count the entries in order.

#include "extractor.h"

#include "log.h"
#include "notify_adapter.h"
#include "str_table.h"

#include "fuzz_check.h"

#include <QCoreApplication>
#include <QObject>
#include <QString>

#include <archive.h>
#include <archive_entry.h>
#include <fuzzer/FuzzedDataProvider.h>

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string g_base;
int g_cwd = -1;
// Progress may be reported from the extractor's counting thread as well.
std::mutex g_progress_lock;
std::vector<std::pair<int, int>> g_progress;
std::vector<QString> g_texts;

void WriteFile(const std::string& path, const void* data, size_t size)
{
    FILE* fp = std::fopen(path.c_str(), "wb");
    FUZZ_CHECK(fp != nullptr);
    FUZZ_CHECK(size == 0 || std::fwrite(data, 1, size, fp) == size);
    FUZZ_CHECK(std::fclose(fp) == 0);
}

std::string ReadLink(const std::string& path)
{
    char buf[4096];
    const ssize_t n = readlink(path.c_str(), buf, sizeof(buf));
    return n < 0 ? std::string() : std::string(buf, static_cast<size_t>(n));
}

std::string ReadFile(const std::string& path)
{
    std::string data;
    FILE* fp = std::fopen(path.c_str(), "rb");
    if (!fp) {
        return data;
    }
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof(buf), fp)) > 0) {
        data.append(buf, n);
    }
    std::fclose(fp);
    return data;
}

// Everything lstat tells about every path below dir, except the skipped ones.
void Snapshot(const std::string& dir, const std::vector<std::string>& skip,
              std::map<std::string, std::string>* shot)
{
    DIR* d = opendir(dir.c_str());
    FUZZ_CHECK(d != nullptr);
    while (const dirent* e = readdir(d)) {
        if (std::strcmp(e->d_name, ".") == 0 || std::strcmp(e->d_name, "..") == 0) {
            continue;
        }
        const std::string path = dir + "/" + e->d_name;
        bool skipped = false;
        for (const std::string& s : skip) {
            skipped |= s == path;
        }
        if (skipped) {
            continue;
        }
        struct stat st;
        FUZZ_CHECK(lstat(path.c_str(), &st) == 0);
        std::string what =
            std::to_string(st.st_mode) + " " + std::to_string(st.st_size) + " " +
            std::to_string(st.st_nlink) + " " + std::to_string(st.st_ino) + " " +
            std::to_string(st.st_mtim.tv_sec) + "." + std::to_string(st.st_mtim.tv_nsec) + " " +
            std::to_string(st.st_ctim.tv_sec) + "." + std::to_string(st.st_ctim.tv_nsec) + " ";
        if (S_ISLNK(st.st_mode)) {
            what += ReadLink(path);
        } else if (S_ISREG(st.st_mode)) {
            what += ReadFile(path);
        }
        (*shot)[path] = what;
        if (S_ISDIR(st.st_mode)) {
            Snapshot(path, skip, shot);
        }
    }
    closedir(d);
}

std::map<std::string, std::string> Sandbox()
{
    std::map<std::string, std::string> shot;
    Snapshot(g_base, {g_base + "/run/dest", g_base + "/log", g_base + "/input"}, &shot);
    return shot;
}

// Removes a tree whatever modes the archive gave its folders.
void RemoveTree(const std::string& path)
{
    struct stat st;
    if (lstat(path.c_str(), &st) != 0) {
        return;
    }
    if (S_ISDIR(st.st_mode)) {
        chmod(path.c_str(), 0700);
        if (DIR* d = opendir(path.c_str())) {
            std::vector<std::string> names;
            while (const dirent* e = readdir(d)) {
                if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0) {
                    names.emplace_back(e->d_name);
                }
            }
            closedir(d);
            for (const std::string& name : names) {
                RemoveTree(path + "/" + name);
            }
        }
        FUZZ_CHECK(rmdir(path.c_str()) == 0);
    } else {
        FUZZ_CHECK(unlink(path.c_str()) == 0);
    }
}

void Mkdir(const std::string& path)
{
    FUZZ_CHECK(mkdir(path.c_str(), 0755) == 0 || errno == EEXIST);
}

// One Extract with the sandbox checked around it; its result.
int ExtractOnce(Extractor& ex)
{
    const std::map<std::string, std::string> before = Sandbox();
    g_progress.clear();
    g_texts.clear();
    const int result = ex.Extract();
    FUZZ_CHECK(result == 0 || result == -1);
    std::lock_guard<std::mutex> hold(g_progress_lock);

    const std::map<std::string, std::string> after = Sandbox();
    for (const auto& [path, what] : after) {
        auto it = before.find(path);
        if (it == before.end() || it->second != what) {
            std::fprintf(stderr, "changed outside the destination: %s\n", path.c_str());
        }
    }
    FUZZ_CHECK(after == before);

    FUZZ_CHECK(g_texts.size() == 1 && g_texts[0] == StrTable::LoadStr(109));
    // Progress counts entries from 1 with one total; a success reports them all.
    const int total = ex.Count();
    for (size_t i = 0; i < g_progress.size(); ++i) {
        FUZZ_CHECK(g_progress[i].first == total);
        FUZZ_CHECK(g_progress[i].second == static_cast<int>(i) + 1);
    }
    if (result == 0) {
        FUZZ_CHECK(total >= 1 && g_progress.size() == static_cast<size_t>(total));
    }
    return result;
}

// Inputs that start with this byte describe entries instead of being an
// archive: paths and link targets built from the sandbox's own names reach the
// extractor's path checks far more often than mutated headers do.
const uint8_t kEntryListMark = 0xE5;

std::string Component(FuzzedDataProvider& fdp)
{
    static const char* const kNames[] = {"a",    "b",     "..",     ".",       "",          "sub",
                                         "x",    "keep",  "canary", "outside", "dest",      "run",
                                         "work", "input", "log",    "a/b",     "../outside"};
    const size_t n = sizeof(kNames) / sizeof(kNames[0]);
    const size_t i = fdp.ConsumeIntegralInRange<size_t>(0, n);
    return i < n ? kNames[i] : fdp.ConsumeRandomLengthString(8);
}

std::string EntryPath(FuzzedDataProvider& fdp)
{
    std::string path;
    switch (fdp.ConsumeIntegralInRange<int>(0, 5)) {
    case 1:
        path = "/";
        break;
    case 2:
        path = "./";
        break;
    case 3:
        path = g_base + "/";
        break;
    case 4:
        path = "../../";
        break;
    case 5:
        path = "/dev/shm/";
        break;
    default:
        break;
    }
    const int parts = fdp.ConsumeIntegralInRange<int>(1, 4);
    for (int i = 0; i < parts; ++i) {
        path += (i ? "/" : "") + Component(fdp);
    }
    if (fdp.ConsumeBool()) {
        path += "/";
    }
    return path;
}

// Writes the described entries as a pax, zip or cpio archive; entries that
// the format cannot hold are left out.
void WriteEntryList(const uint8_t* data, size_t size, const std::string& path)
{
    FuzzedDataProvider fdp(data, size);
    archive* a = archive_write_new();
    FUZZ_CHECK(a != nullptr);
    switch (fdp.ConsumeIntegralInRange<int>(0, 2)) {
    case 0:
        archive_write_set_format_pax_restricted(a);
        break;
    case 1:
        archive_write_set_format_zip(a);
        break;
    default:
        archive_write_set_format_cpio_newc(a);
        break;
    }
    FUZZ_CHECK(archive_write_open_filename(a, path.c_str()) == ARCHIVE_OK);
    static const unsigned kTypes[] = {AE_IFREG, AE_IFDIR, AE_IFLNK, AE_IFREG, AE_IFIFO};
    for (int count = 0; count < 8 && fdp.remaining_bytes() > 0; ++count) {
        const size_t kind = fdp.ConsumeIntegralInRange<size_t>(0, 4);
        archive_entry* e = archive_entry_new();
        archive_entry_set_pathname(e, EntryPath(fdp).c_str());
        archive_entry_set_filetype(e, kTypes[kind]);
        archive_entry_set_perm(e, fdp.ConsumeIntegral<uint16_t>() & 07777);
        archive_entry_set_mtime(e, 1600000000, 0);
        std::string content;
        if (kind == 2) {
            archive_entry_set_symlink(e, EntryPath(fdp).c_str());
        } else if (kind == 3) {
            archive_entry_set_hardlink(e, EntryPath(fdp).c_str());
        } else if (kind == 0) {
            content = fdp.ConsumeRandomLengthString(32);
        }
        archive_entry_set_size(e, static_cast<la_int64_t>(content.size()));
        if (archive_write_header(a, e) == ARCHIVE_OK && !content.empty()) {
            archive_write_data(a, content.data(), content.size());
        }
        archive_entry_free(e);
    }
    archive_write_close(a);
    archive_write_free(a);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/)
{
    static int qt_argc = 1;
    static char name[] = "fuzz_extractor";
    static char* qt_argv[] = {name, nullptr};
    new QCoreApplication(qt_argc, qt_argv);
    StrTable::InitStrTable();

    QObject::connect(Notify_Adapter::GetInstance(), &Notify_Adapter::sigUpdateProgress,
                     [](int total, int current) {
                         std::lock_guard<std::mutex> hold(g_progress_lock);
                         g_progress.emplace_back(total, current);
                     });
    QObject::connect(Notify_Adapter::GetInstance(), &Notify_Adapter::sigUpdateDialogText,
                     [](const QString& text) { g_texts.push_back(text); });

    g_base = FuzzScratchPath("halvenor_fuzz_extractor");
    RemoveTree(g_base);
    Mkdir(g_base);
    Mkdir(g_base + "/run");
    Mkdir(g_base + "/work");
    Mkdir(g_base + "/log");
    Mkdir(g_base + "/outside");
    Mkdir(g_base + "/outside/sub");
    WriteFile(g_base + "/outside/canary", "canary", 6);
    WriteFile(g_base + "/outside/sub/keep", "keep", 4);
    WriteFile(g_base + "/log/level", "extractor_debug=7\n", 18);
    g_cwd = open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    FUZZ_CHECK(g_cwd >= 0);
    // Rotation count 1 bounds the log at two files of about 1 MB.
    FUZZ_CHECK(Logger::Initialize(Logger::TYPE_FILE, (g_base + "/log/extractor.log").c_str(),
                                  (g_base + "/log/level").c_str(), 1) == 0);
    std::atexit([] { RemoveTree(g_base); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string dest = g_base + "/run/dest";
    if (size > 0 && data[0] == kEntryListMark) {
        WriteEntryList(data + 1, size - 1, g_base + "/input");
    } else {
        WriteFile(g_base + "/input", data, size);
    }
    Mkdir(dest);

    Extractor ex;
    ex.src_path = (g_base + "/input").c_str();
    ex.dest_path = dest.c_str();
    // A relative path or hard-link target would resolve against the working
    // folder; libFuzzer's own paths may be relative, so only during the runs.
    FUZZ_CHECK(chdir((g_base + "/work").c_str()) == 0);
    // A second run meets the first one's files, links and folders in the way.
    if (ExtractOnce(ex) == 0 || size % 2 == 0) {
        ExtractOnce(ex);
    }
    FUZZ_CHECK(fchdir(g_cwd) == 0);
    RemoveTree(dest);
    return 0;
}
