#include "extractor.h"

#include "log.h"
#include "notify_adapter.h"
#include "platform/self_paths.h"
#include "platform/thread_priority.h"
#include "safe_open.h"
#include "str_table.h"
#include "thread_locale.h"

#include <archive.h>
#include <archive_entry.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>
#include <unordered_set>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char* const kComponent = "extractor_debug";
const size_t kBlockSize = 10240;

// UNLINK replaces what is in the way, NODOTDOT refuses ".." components and
// SECURE_SYMLINKS refuses writes through links; the destination is made
// canonical first, because SECURE_SYMLINKS with UNLINK would otherwise also
// delete links among the destination's own parents.
const int kDiskOptions = ARCHIVE_EXTRACT_UNLINK | ARCHIVE_EXTRACT_SECURE_NODOTDOT |
                         ARCHIVE_EXTRACT_SECURE_SYMLINKS | ARCHIVE_EXTRACT_MAC_METADATA;

// When reading fails inside archive_read_extract2 the text is the reader's.
// Fit for the log: libarchive's texts quote entry names.
std::string ErrorText(archive* a, archive* fallback = nullptr)
{
    const char* text = archive_error_string(a);
    if (!text && fallback) {
        text = archive_error_string(fallback);
    }
    return LogSafe(text ? text : "unknown error");
}

// Some of the disk writer's texts leave out the system's reason ("Write to
// restore size failed"), which tells a full disk from a file-size limit.
std::string WriteErrorText(archive* writer, archive* reader = nullptr)
{
    std::string text = ErrorText(writer, reader);
    const int err = archive_error_string(writer) ? archive_errno(writer) : 0;
    if (err > 0 && text.find(std::strerror(err)) == std::string::npos) {
        text = text + " (" + std::strerror(err) + ")";
    }
    return text;
}

// libarchive converts names between a package's character set and the
// locale's, and fails on any name that the locale cannot spell: every
// non-ASCII name without a UTF-8 locale, the way macOS starts applications.
// So while libarchive works, the calling thread's character set is UTF-8 and
// names extract as their UTF-8 bytes; the process's locale stays the user's.
class Utf8Names
{
public:
    Utf8Names() : previous(Locale() ? uselocale(Locale()) : nullptr) {}
    ~Utf8Names()
    {
        if (previous) {
            uselocale(previous);
        }
    }
    Utf8Names(const Utf8Names&) = delete;
    Utf8Names& operator=(const Utf8Names&) = delete;

private:
    static locale_t Locale()
    {
        static const locale_t utf8 = [] {
            const locale_t base = duplocale(LC_GLOBAL_LOCALE);
            // The last is macOS's name for its UTF-8 character set.
            for (const char* name : {"C.UTF-8", "en_US.UTF-8", "UTF-8"}) {
                const locale_t found = base ? newlocale(LC_CTYPE_MASK, name, base) : nullptr;
                if (found) {
                    return found;
                }
            }
            if (base) {
                freelocale(base);
            }
            Logger::LogMsg(Logger::LEVEL_WARNING, kComponent,
                           "[WARNING] extractor(%d): no UTF-8 locale, names are converted to the "
                           "current one\n",
                           __LINE__);
            return locale_t(nullptr);
        }();
        return utf8;
    }

    locale_t previous;
};

using Handle = std::unique_ptr<archive, int (*)(archive*)>;

// ARCHIVE_OK, or another status with the reason in the reader's error.
int OpenArchive(archive* reader, const ustring& path)
{
    archive_read_support_filter_all(reader);
    archive_read_support_format_all(reader);
    // Checked through a descriptor first: a FIFO or device in the package's
    // place would block the reader for good.
    std::string why;
    const UniqueFd fd(OpenRegularFile(path.c_str_utf8(), O_RDONLY, 0, why));
    if (!fd.Valid()) {
        archive_set_error(reader, errno, "Failed to open '%s': %s", path.c_str_utf8(), why.c_str());
        return ARCHIVE_FATAL;
    }
    return archive_read_open_filename(reader, FdPath(fd.Get()).c_str(), kBlockSize);
}

// The package opened for a pass over its headers, or null after logging why.
Handle OpenForReading(const ustring& src_path, const ustring& dest_path)
{
    Handle none(nullptr, archive_read_free);
    if (dest_path.empty() || src_path.empty()) {
        Logger::LogMsg(Logger::LEVEL_ERROR, kComponent, "[ERROR] extractor(%d): Invalid argument\n",
                       __LINE__);
        return none;
    }
    Handle reader(archive_read_new(), archive_read_free);
    if (!reader.get()) {
        Logger::LogMsg(Logger::LEVEL_ERROR, kComponent,
                       "[ERROR] extractor(%d): Allocate archive failed\n", __LINE__);
        return none;
    }
    if (OpenArchive(reader.get(), src_path) != ARCHIVE_OK) {
        Logger::LogMsg(Logger::LEVEL_ERROR, kComponent,
                       "[ERROR] extractor(%d): archive_read_open_filename failed: '%s'\n", __LINE__,
                       ErrorText(reader.get()).c_str());
        return none;
    }
    return reader;
}

// The entries that read without error until the first that does not, or
// until stop is set; -1 when the package does not open.
int CountEntries(const ustring& src_path, const ustring& dest_path, const std::atomic<bool>& stop)
{
    const Utf8Names names;
    const Handle reader = OpenForReading(src_path, dest_path);
    if (!reader) {
        return -1;
    }
    int count = 0;
    archive_entry* entry = nullptr;
    while (!stop && archive_read_next_header(reader.get(), &entry) == ARCHIVE_OK) {
        ++count;
        archive_read_data_skip(reader.get());
    }
    return count;
}

// Counts beside the extraction, so that a compressed package is not
// decompressed twice one after the other, and reports progress strictly in
// order from whichever thread can: the counter reports the entries already
// extracted as soon as it finishes, the extraction each later entry as soon
// as it is on disk. The count only feeds the dialog, so it runs when a core
// would otherwise idle, and an extraction that reaches the end of the
// archive first knows the total itself and stops it.
class Progress
{
public:
    Progress(Extractor* extractor, Notify_Adapter* notify) : notify(notify)
    {
        const auto count = [this, extractor] {
            return CountEntries(extractor->src_path, extractor->dest_path, stopCount);
        };
        try {
            counter = std::thread([this, count] {
                ThreadPriority::RunOnlyWhenIdle();
                SetTotal(count());
            });
        } catch (const std::system_error&) {
            SetTotal(count());
        }
    }
    ~Progress()
    {
        stopCount = true;
        Total();
    }

    // After each extracted entry; false once the count is known to have failed.
    bool EntryDone()
    {
        std::lock_guard<std::mutex> hold(lock);
        ++extracted;
        if (total == kUnknown) {
            return true;
        }
        Report();
        return total >= 1;
    }

    // At the end of the archive: every entry has been seen, so that is the
    // total, unless the count failed first. 0, or -1 (logged).
    int Finish()
    {
        {
            std::lock_guard<std::mutex> hold(lock);
            if (total == kUnknown) {
                total = extracted;
                Report();
            }
        }
        stopCount = true;
        return CountFailed() ? -1 : 0;
    }

    // Waits for the count; true, after logging it, when it failed.
    bool CountFailed()
    {
        const int result = Total();
        if (result < 1) {
            Logger::LogMsg(Logger::LEVEL_ERROR, kComponent,
                           "[ERROR] extractor(%d): Failed to calculate total file numbers, "
                           "ret: %d\n",
                           __LINE__, result);
            return true;
        }
        return false;
    }

    // Every way out of an extraction passes here or through CountFailed: a
    // failed count is the failure to report, as it would be had the count
    // run before the extraction. Otherwise logs the error. -1.
    int Fail(const char* format, ...) __attribute__((format(printf, 2, 3)))
    {
        if (!CountFailed()) {
            va_list args;
            va_start(args, format);
            Logger::LogMsg2(Logger::LEVEL_ERROR, kComponent, format, args);
            va_end(args);
        }
        return -1;
    }

private:
    // Waits for the count and gives its result.
    int Total()
    {
        if (counter.joinable()) {
            counter.join();
        }
        std::lock_guard<std::mutex> hold(lock);
        return total;
    }

    static const int kUnknown = -2;

    // The counter's result, unless it was stopped: then it is partial, and
    // comes after the extraction has found the total itself.
    void SetTotal(int n)
    {
        std::lock_guard<std::mutex> hold(lock);
        if (total == kUnknown && !stopCount) {
            total = n;
            Report();
        }
    }

    // With the lock held.
    void Report()
    {
        while (total >= 1 && reported < extracted) {
            notify->UpdateProgress(total, ++reported);
        }
    }

    Notify_Adapter* notify;
    std::mutex lock;
    int total = kUnknown;
    int extracted = 0;
    int reported = 0;
    std::atomic<bool> stopCount{false};
    std::thread counter;
};

// An archive path split at "/", without empty and "." components.
std::vector<std::string> Components(const char* path, bool* dotdot)
{
    std::vector<std::string> parts;
    *dotdot = false;
    const char* p = path;
    while (*p) {
        const char* end = std::strchr(p, '/');
        size_t n = end ? static_cast<size_t>(end - p) : std::strlen(p);
        if (n == 2 && p[0] == '.' && p[1] == '.') {
            *dotdot = true;
        }
        if (n > 0 && !(n == 1 && p[0] == '.')) {
            parts.emplace_back(p, n);
        }
        p += n;
        if (*p == '/') {
            ++p;
        }
    }
    return parts;
}

std::string CheckLength(const std::string& full, const std::vector<std::string>& parts)
{
    if (full.size() >= PATH_MAX) {
        return "the path is longer than " + std::to_string(PATH_MAX - 1) + " bytes";
    }
    for (const std::string& part : parts) {
        if (part.size() > NAME_MAX) {
            return "a path component is longer than " + std::to_string(NAME_MAX) + " bytes";
        }
    }
    return std::string();
}

// The disk writer would replace a link among the parents by a folder; a
// package that writes through a link is broken or hostile, so it fails.
// Folders once seen to be real are remembered: only a symbolic-link entry
// can turn one into a link, and extracting one clears the memory.
std::string CheckParents(const std::string& root, const std::vector<std::string>& parts,
                         std::unordered_set<std::string>* real_folders)
{
    std::string path = root;
    for (size_t i = 0; i + 1 < parts.size(); ++i) {
        path += '/';
        path += parts[i];
        if (real_folders->count(path)) {
            continue;
        }
        struct stat st;
        if (lstat(path.c_str(), &st) != 0) {
            return std::string(); // the writer creates the rest
        }
        if (S_ISLNK(st.st_mode)) {
            return "it leads through the symbolic link '" + path + "'";
        }
        if (!S_ISDIR(st.st_mode)) {
            return std::string(); // the writer replaces a file in the way by a folder
        }
        real_folders->insert(path);
    }
    return std::string();
}

// A hard link may only join two regular files below the destination.
std::string CheckHardLink(const std::string& root, const char* target, std::string* rebased)
{
    const std::string quoted = std::string("hard link target '") + target + "'";
    bool dotdot = false;
    std::vector<std::string> parts = Components(target, &dotdot);
    if (dotdot || parts.empty()) {
        return quoted + " is not a file below the destination";
    }
    *rebased = root + "/" + target;
    std::string why = CheckLength(*rebased, parts);
    if (!why.empty()) {
        return quoted + ": " + why;
    }
    std::string path = root;
    for (size_t i = 0; i < parts.size(); ++i) {
        path += '/';
        path += parts[i];
        struct stat st;
        if (lstat(path.c_str(), &st) != 0) {
            return quoted + " does not exist";
        }
        if (i + 1 == parts.size()) {
            if (!S_ISREG(st.st_mode)) {
                return quoted + " is not a regular file";
            }
        } else if (S_ISLNK(st.st_mode)) {
            return quoted + " leads through the symbolic link '" + path + "'";
        } else if (!S_ISDIR(st.st_mode)) {
            return quoted + " does not exist";
        }
    }
    return std::string();
}

// The reason why an entry may not be written below root, or an empty string.
// On success *rebased is the entry's path below root, *link its rebased
// hard-link target (empty when it is no hard link), and *self tells a folder
// entry for the destination itself, which already exists.
std::string CheckEntry(const std::string& root, archive_entry* entry, const char* path,
                       std::unordered_set<std::string>* real_folders, std::string* rebased,
                       std::string* link, bool* self)
{
    const mode_t type = archive_entry_filetype(entry);
    // Zero is what several readers give hard links and typeless regular files.
    if (type != 0 && type != AE_IFREG && type != AE_IFDIR && type != AE_IFLNK) {
        return "devices, FIFOs and sockets are not extracted";
    }
    // Rebasing would keep them below root, but a package naming places
    // outside the bundle is not one to install.
    if (path[0] == '/') {
        return "absolute paths are not extracted";
    }
    bool dotdot = false;
    std::vector<std::string> parts = Components(path, &dotdot);
    *self = parts.empty();
    link->clear();
    const char* hardlink = archive_entry_hardlink(entry);
    if (*self) {
        // "./" heads many packages; anything but a folder would replace the destination.
        return type == AE_IFDIR && !hardlink ? std::string()
                                             : "the path names the destination itself";
    }
    *rebased = root + "/" + path;
    std::string why = CheckLength(*rebased, parts);
    // ".." is left to the writer, which refuses it (SECURE_NODOTDOT).
    if (why.empty() && !dotdot) {
        why = CheckParents(root, parts, real_folders);
    }
    if (why.empty() && hardlink) {
        why = CheckHardLink(root, hardlink, link);
    }
    return why;
}

// errno of the failure, or 0 with the folder's canonical path in *root.
int CanonicalFolder(const char* path, std::string* root)
{
    char* resolved = realpath(path, nullptr);
    if (!resolved) {
        return errno;
    }
    root->assign(resolved);
    std::free(resolved);
    struct stat st;
    if (stat(root->c_str(), &st) != 0) {
        return errno;
    }
    return S_ISDIR(st.st_mode) ? 0 : ENOTDIR;
}

// SECURE_SYMLINKS makes the writer open every folder on an entry's path,
// from "/" for an absolute one. Working from inside the destination, with
// entry paths relative to it, limits that walk to the package's own folders,
// which halves the system calls of a deep destination like the per-user copy.
// The working folder is the process's, so this is only done when the package
// path cannot be read wrongly meanwhile (the counting thread opens it too),
// and the previous folder is restored at the end.
class DestinationAsWorkingFolder
{
public:
    DestinationAsWorkingFolder(const std::string& root, const ustring& package)
    {
        if (package.c_str_utf8()[0] != '/') {
            return;
        }
        previous = UniqueFd(open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (previous.Valid() && chdir(root.c_str()) != 0) {
            previous = UniqueFd();
        }
    }
    ~DestinationAsWorkingFolder()
    {
        if (previous.Valid() && fchdir(previous.Get()) != 0) {
            Logger::LogMsg(Logger::LEVEL_WARNING, kComponent,
                           "[WARNING] extractor(%d): Failed to return to the working folder "
                           "('%s')\n",
                           __LINE__, std::strerror(errno));
        }
    }

    // The path to hand the writer for a path below root.
    const char* Path(const std::string& below_root, size_t root_length) const
    {
        return previous.Valid() ? below_root.c_str() + root_length + 1 : below_root.c_str();
    }

private:
    UniqueFd previous;
};

// The entry's path, and a hard link's target, made relative to the working
// folder; a folder it creates stays writable by its owner.
void RebaseEntry(archive_entry* entry, const std::string& rebased, const std::string& link,
                 const std::string& root, const DestinationAsWorkingFolder& working)
{
    archive_entry_set_pathname(entry, working.Path(rebased, root.size()));
    if (!link.empty()) {
        archive_entry_set_hardlink(entry, working.Path(link, root.size()));
    }
    // A folder that its owner may not write could not be emptied again:
    // the rollback, and the removal of this copy after the next upgrade,
    // would fail for every user but root.
    if (archive_entry_filetype(entry) == AE_IFDIR) {
        archive_entry_set_perm(entry, archive_entry_perm(entry) | S_IRWXU);
    }
}

// Checks and writes every entry below root, header after header. 0 or -1
// (logged).
int ExtractEntries(archive* reader, archive* writer, const std::string& root,
                   const DestinationAsWorkingFolder& working, Progress& progress)
{
    std::string rebased;
    std::string link;
    bool self = false;
    std::unordered_set<std::string> real_folders;
    for (;;) {
        archive_entry* entry = nullptr;
        const int r = archive_read_next_header(reader, &entry);
        if (r == ARCHIVE_EOF) {
            return progress.Finish();
        }
        if (r != ARCHIVE_OK) {
            return progress.Fail("[ERROR] extractor(%d): archive_read_next_header failed: '%s'\n",
                                 __LINE__, ErrorText(reader).c_str());
        }
        const char* path = archive_entry_pathname(entry);
        if (!path) {
            // No final newline: the line reads as it always has; leave it so.
            return progress.Fail("[ERROR] extractor(%d): archive_entry_pathname failed", __LINE__);
        }
        const std::string why =
            CheckEntry(root, entry, path, &real_folders, &rebased, &link, &self);
        if (!why.empty()) {
            return progress.Fail("[ERROR] extractor(%d): Refused entry '%s': %s\n", __LINE__,
                                 LogSafe(path).c_str(), LogSafe(why).c_str());
        }
        if (self) {
            if (!progress.EntryDone() && progress.CountFailed()) {
                return -1;
            }
            continue;
        }
        RebaseEntry(entry, rebased, link, root, working);
        if (archive_entry_filetype(entry) == AE_IFLNK) {
            real_folders.clear();
        }
        if (archive_read_extract2(reader, entry, writer) != ARCHIVE_OK) {
            return progress.Fail("[ERROR] extractor(%d): archive_read_extract2 failed: '%s'\n",
                                 __LINE__, WriteErrorText(writer, reader).c_str());
        }
        if (!progress.EntryDone() && progress.CountFailed()) {
            return -1;
        }
        if (archive_write_finish_entry(writer) != ARCHIVE_OK) {
            return progress.Fail("[ERROR] extractor(%d): archive_write_finish_entry failed: '%s'\n",
                                 __LINE__, WriteErrorText(writer).c_str());
        }
    }
}

} // namespace

int Extractor::Extract()
{
    if (src_path.empty() || dest_path.empty()) {
        Logger::LogMsg(Logger::LEVEL_ERROR, kComponent, "[ERROR] extractor(%d): Invalid Argument\n",
                       __LINE__);
        return -1;
    }
    Logger::LogMsg(Logger::LEVEL_DEBUG, kComponent,
                   "[DEBUG] extractor(%d): decompress from '%s' to '%s'\n", __LINE__,
                   LogSafe(src_path).c_str(), LogSafe(dest_path).c_str());

    Notify_Adapter* notify = Notify_Adapter::GetInstance();
    notify->UpdateDialogText(StrTable::LoadStr(109));
    const Utf8Names names;
    Progress progress(this, notify);

    std::string root;
    const int err = CanonicalFolder(dest_path.c_str_utf8(), &root);
    if (err != 0) {
        return progress.Fail("[ERROR] extractor(%d): Failed to resolve destination '%s' ('%s')\n",
                             __LINE__, LogSafe(dest_path).c_str(), std::strerror(err));
    }
    Handle reader(archive_read_new(), archive_read_free);
    Handle writer(archive_write_disk_new(), archive_write_free);
    if (!reader.get() || !writer.get()) {
        return progress.Fail("[ERROR] extractor(%d): Allocate extractor failed\n", __LINE__);
    }
    archive_write_disk_set_options(writer.get(), kDiskOptions);
    if (OpenArchive(reader.get(), src_path) != ARCHIVE_OK) {
        return progress.Fail("[ERROR] extractor(%d): Failed to read file '%s' ('%s')\n", __LINE__,
                             LogSafe(src_path).c_str(), ErrorText(reader.get()).c_str());
    }
    const DestinationAsWorkingFolder working(root, src_path);
    return ExtractEntries(reader.get(), writer.get(), root, working, progress);
}

int Extractor::Check(std::string& why)
{
    const Utf8Names names;
    const Handle reader(archive_read_new(), archive_read_free);
    if (!reader) {
        why = "out of memory";
        return -1;
    }
    if (OpenArchive(reader.get(), src_path) != ARCHIVE_OK) {
        why = ErrorText(reader.get());
        return -1;
    }
    archive_entry* entry = nullptr;
    const int r = archive_read_next_header(reader.get(), &entry);
    if (r != ARCHIVE_OK) {
        why = r == ARCHIVE_EOF ? "it holds no entries" : ErrorText(reader.get());
        return -1;
    }
    return 0;
}

int Extractor::Count()
{
    const std::atomic<bool> never{false};
    return CountEntries(src_path, dest_path, never);
}

int Extractor::List()
{
    const Utf8Names names;
    const Handle reader = OpenForReading(src_path, dest_path);
    if (!reader) {
        return -1;
    }
    archive_entry* entry = nullptr;
    int r;
    while ((r = archive_read_next_header(reader.get(), &entry)) == ARCHIVE_OK) {
        const char* path = archive_entry_pathname(entry);
        std::printf("%s\n", path ? path : "");
        std::fflush(stdout);
        archive_read_data_skip(reader.get());
    }
    // A listing cut short by a damaged archive is no success.
    if (r != ARCHIVE_EOF) {
        Logger::LogMsg(Logger::LEVEL_ERROR, kComponent,
                       "[ERROR] extractor(%d): archive_read_next_header failed: '%s'\n", __LINE__,
                       ErrorText(reader.get()).c_str());
        return -1;
    }
    return 0;
}

int Extractor::copy_data(archive* reader, archive* writer)
{
    if (!reader || !writer) {
        Logger::LogMsg(Logger::LEVEL_ERROR, kComponent, "[ERROR] extractor(%d): Invalid Argument\n",
                       __LINE__);
        return -1;
    }
    for (;;) {
        const void* block = nullptr;
        size_t size = 0;
        la_int64_t offset = 0;
        const int r = archive_read_data_block(reader, &block, &size, &offset);
        if (r == ARCHIVE_EOF) {
            return 0;
        }
        if (r != ARCHIVE_OK) {
            Logger::LogMsg(Logger::LEVEL_ERROR, kComponent,
                           "[ERROR] extractor(%d): archive_read_data_block failed: '%s'\n",
                           __LINE__, ErrorText(reader).c_str());
            return -1;
        }
        if (archive_write_data_block(writer, block, size, offset) != ARCHIVE_OK) {
            Logger::LogMsg(Logger::LEVEL_ERROR, kComponent,
                           "[ERROR] extractor(%d): archive_write_data_block failed: '%s'\n",
                           __LINE__, ErrorText(writer).c_str());
            return -1;
        }
    }
}
