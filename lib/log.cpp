#include "log.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <syslog.h>
#include <unistd.h>

#include "config.h"
#include "safe_open.h"

std::map<ustring, int> Logger::log_level;
Logger::Type Logger::log_type = Logger::TYPE_STDOUT;
FILE* Logger::log_fp = stderr;
ustring Logger::log_path;
int Logger::rotate_cnt = 50;
int* Logger::log_size = nullptr;
uint64_t* Logger::log_rotated_count_shared = nullptr;
uint64_t Logger::log_rotated_count_private = 0;
pthread_mutex_t* Logger::log_lock = nullptr;
bool Logger::log_initialized = true;
std::string Logger::open_error;

namespace {

const int kRotateSize = 0x100001;
const int kDefaultThreshold = 4;

bool IsStandardStream(FILE* fp)
{
    return fp == stdin || fp == stdout || fp == stderr;
}

// Only a file log owns its stream; the standard streams are never closed.
void CloseOwnedStream()
{
    if (Logger::log_type == Logger::TYPE_FILE && Logger::log_fp != nullptr &&
        !IsStandardStream(Logger::log_fp)) {
        std::fclose(Logger::log_fp);
    }
}

// Built without a fixed-size buffer: a truncated name could name another
// file, even the live log itself, and that file would be renamed or removed.
std::string RotatedName(int index)
{
    std::string name(Logger::log_path.c_str_utf8(), Logger::log_path.length());
    name += '_';
    name += std::to_string(index);
    return name;
}

// The log may lie in a folder that someone else prepared: never through a
// link, never into a FIFO, never into another user's file; close-on-exec, so
// that the client does not inherit it.
FILE* OpenLogFile(const char* path)
{
    return OpenRegularStream(path, O_WRONLY | O_APPEND | O_CREAT, 0644, "a", Logger::open_error);
}

int StatSize(const char* path)
{
    struct stat st;
    if (::stat(path, &st) != 0) {
        const int err = errno;
        Logger::PrintToFilePointer("stat(%s): %s (%d)\n", LogSafe(path).c_str(), std::strerror(err),
                                   err);
        return 0;
    }
    // A huge file saturates, so that it still rotates rather than going negative.
    return st.st_size > INT_MAX ? INT_MAX : static_cast<int>(st.st_size);
}

pthread_mutex_t* NewMutex()
{
    auto* m = static_cast<pthread_mutex_t*>(std::malloc(sizeof(pthread_mutex_t)));
    if (m != nullptr && pthread_mutex_init(m, nullptr) != 0) {
        std::free(m);
        m = nullptr;
    }
    return m;
}

void FreeMutex(pthread_mutex_t* m)
{
    if (m != nullptr) {
        pthread_mutex_destroy(m);
        std::free(m);
    }
}

// Lock and shared data are published together through log_lock, so a
// non-null lock always comes with both shared blocks. The atomic access keeps
// the lazy creation safe when two threads log before Initialize.
pthread_mutex_t* CurrentLock()
{
    return __atomic_load_n(&Logger::log_lock, __ATOMIC_ACQUIRE);
}

pthread_mutex_t* EnsureLockAndSharedData()
{
    if (pthread_mutex_t* lock = CurrentLock()) {
        return lock;
    }
    static pthread_mutex_t creation = PTHREAD_MUTEX_INITIALIZER;
    pthread_mutex_lock(&creation);
    if (Logger::log_lock == nullptr) {
        Logger::InitializeSharedData();
        pthread_mutex_t* m = NewMutex();
        if (m != nullptr && Logger::log_size != nullptr) {
            __atomic_store_n(&Logger::log_lock, m, __ATOMIC_RELEASE);
        } else {
            FreeMutex(m);
        }
    }
    pthread_mutex_unlock(&creation);
    return CurrentLock();
}

int Threshold(const ustring& component)
{
    auto it = Logger::log_level.find(component);
    return it == Logger::log_level.end() ? kDefaultThreshold : it->second;
}

} // namespace

int Logger::Initialize(Logger::Type type, const ustring& logFile, const ustring& levelFile,
                       int rotationCount)
{
    // New blocks are allocated before the old ones go, so that a failed
    // allocation leaves the running log untouched.
    pthread_mutex_t* lock = NewMutex();
    auto* size = static_cast<int*>(std::malloc(sizeof(int)));
    auto* rotated = static_cast<uint64_t*>(std::malloc(sizeof(uint64_t)));
    if (lock == nullptr || size == nullptr || rotated == nullptr) {
        FreeMutex(lock);
        std::free(size);
        std::free(rotated);
        return -1;
    }
    const int previousSize = log_size != nullptr ? *log_size : -1;
    DestroySharedData();
    DestroyLock();
    log_lock = lock;
    log_size = size;
    log_rotated_count_shared = rotated;
    *log_size = -1;
    *log_rotated_count_shared = 0;
    log_rotated_count_private = 0;

    log_level[ustring("default_component")] = kDefaultThreshold;
    // Said once the destination is open; a missing or malformed file is normal.
    std::string levelsRefused;
    if (!levelFile.empty()) {
        Config levels;
        if (levels.read(levelFile) < 0 && levels.too_large) {
            levelsRefused = levels.error;
        }
        for (const auto& entry : levels.entries) {
            log_level[entry.first] = levels.get_int(entry.first);
        }
    }

    FILE* fp = nullptr;
    bool opened = true;
    switch (type) {
    case TYPE_STDERR:
        fp = stderr;
        break;
    case TYPE_STDOUT:
        fp = stdout;
        break;
    case TYPE_SYSLOG:
        break;
    case TYPE_FILE:
        if (!logFile.empty()) {
            fp = OpenLogFile(logFile.c_str_utf8());
        }
        opened = fp != nullptr;
        break;
    default:
        opened = false;
        break;
    }
    if (!opened) {
        // A failed switch keeps the destination that was in use, with its
        // counted size, rather than a file type without a file of its own.
        if (log_type == TYPE_FILE) {
            *log_size = previousSize;
        }
        return -1;
    }

    // A second Initialize ends the file that the first one opened.
    CloseOwnedStream();
    log_type = type;
    log_fp = fp;
    if (type == TYPE_FILE) {
        log_path = logFile;
        rotate_cnt = rotationCount;
        *log_size = StatSize(logFile.c_str_utf8());
    } else {
        log_path = "";
    }
    log_initialized = true;
    if (!levelsRefused.empty()) {
        LogMsg(LEVEL_ERROR, "log_debug", "[ERROR] log(%d): not reading the level file '%s': %s\n",
               __LINE__, LogSafe(levelFile).c_str(), levelsRefused.c_str());
    }
    return 0;
}

void Logger::LogMsg(Logger::Level level, const ustring& component, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    LogMsg2(level, component, format, args);
    va_end(args);
}

void Logger::LogMsg2(Logger::Level level, const ustring& component, const char* format,
                     va_list args)
{
    if (!log_initialized) {
        return;
    }
    // The cheap path: a suppressed message takes no lock and allocates nothing.
    if (Threshold(component) < level) {
        return;
    }
    pthread_mutex_t* lock = EnsureLockAndSharedData();
    if (lock == nullptr) {
        return;
    }

    pthread_mutex_lock(lock);
    if (log_rotated_count_private != *log_rotated_count_shared) {
        ReloadLogFile();
        log_rotated_count_private = *log_rotated_count_shared;
    }
    // Tested under the lock: Rotate closes and reopens the stream under it,
    // and a message must not be dropped because it looked in that moment.
    if (log_type != TYPE_SYSLOG && log_fp == nullptr) {
        pthread_mutex_unlock(lock);
        return;
    }

    int count = 0;
    if (log_type == TYPE_SYSLOG) {
        vsyslog(LOG_ERR, format, args);
    } else {
        count = PrintToFilePointerV(format, args);
    }

    if (log_type == TYPE_FILE && *log_size >= 0 && count >= 0) {
        const long long sum = static_cast<long long>(*log_size) + count;
        if (sum >= kRotateSize) {
            Rotate();
            *log_size = 0;
        } else {
            *log_size = static_cast<int>(sum);
        }
    }
    pthread_mutex_unlock(lock);
}

std::string LogSafe(const ustring& text)
{
    std::string safe(text.c_str_utf8(), text.length());
    for (char& c : safe) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7f) {
            c = '?';
        }
    }
    return safe;
}

void LogMSG_c(int level, char* component, const char* format, va_list args)
{
    const ustring name(component != nullptr ? component : "");
    Logger::LogMsg2(static_cast<Logger::Level>(level), name, format, args);
}

int Logger::PrintToFilePointer(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    const int count = PrintToFilePointerV(format, args);
    va_end(args);
    return count;
}

int Logger::PrintToFilePointerV(const char* format, va_list args)
{
    FILE* fp = log_fp;
    if (fp == nullptr) {
        return 0;
    }

    // localtime_r and strftime are a noticeable share of a written message;
    // each thread reuses its stamp within the same second.
    thread_local time_t stampTime = static_cast<time_t>(-1);
    thread_local char stamp[512];
    const time_t now = std::time(nullptr);
    if (now != stampTime) {
        struct tm local;
        if (localtime_r(&now, &local) == nullptr ||
            std::strftime(stamp, sizeof(stamp), "%b %d %H:%M:%S ", &local) == 0) {
            stamp[0] = '\0';
        }
        stampTime = now;
    }

    const int stampCount = std::fprintf(fp, "%s", stamp);
    const int textCount = std::vfprintf(fp, format, args);
    std::fflush(fp);
    // A failed part makes the whole write a failure, which is then not counted.
    if (stampCount < 0 || textCount < 0) {
        return -1;
    }
    return stampCount + textCount;
}

int Logger::Rotate()
{
    // Only a file log that this Logger opened is ever rotated.
    if (log_type != TYPE_FILE || log_path.empty()) {
        return -1;
    }
    const int n = rotate_cnt;
    for (int i = n - 2; i >= 0; --i) {
        std::rename(RotatedName(i).c_str(), RotatedName(i + 1).c_str());
    }
    // Below 1 the count keeps one rotated file, like 1.
    std::remove(RotatedName(n > 1 ? n - 1 : 0).c_str());

    CloseOwnedStream();
    log_fp = nullptr;
    if (std::rename(log_path.c_str_utf8(), RotatedName(0).c_str()) != 0) {
        return -1;
    }
    FILE* fp = OpenLogFile(log_path.c_str_utf8());
    if (fp == nullptr) {
        return -1;
    }
    log_fp = fp;
    if (log_rotated_count_shared != nullptr) {
        ++*log_rotated_count_shared;
    }
    ++log_rotated_count_private;
    return 0;
}

void Logger::ReloadLogFile()
{
    if (log_type == TYPE_SYSLOG || log_type == TYPE_STDOUT || log_type == TYPE_STDERR) {
        return;
    }
    CloseOwnedStream();
    log_fp = nullptr;
    FILE* fp = OpenLogFile(log_path.c_str_utf8());
    if (fp == nullptr) {
        return;
    }
    log_fp = fp;
    const int size = StatSize(log_path.c_str_utf8());
    if (log_size != nullptr) {
        *log_size = size;
    }
}

int Logger::GetFileSize(const ustring& path)
{
    return StatSize(path.c_str_utf8());
}

void Logger::Destroy()
{
    log_initialized = false;
    if (log_type == TYPE_FILE) {
        CloseOwnedStream();
        log_fp = stdout;
        log_type = TYPE_STDERR;
        log_path = "";
        rotate_cnt = 32;
    }
    DestroySharedData();
    DestroyLock();
}

void Logger::InitializeLock()
{
    if (log_lock == nullptr) {
        log_lock = NewMutex();
    }
}

void Logger::DestroyLock()
{
    FreeMutex(log_lock);
    log_lock = nullptr;
}

int Logger::Lock()
{
    return log_lock != nullptr ? pthread_mutex_lock(log_lock) : EINVAL;
}

int Logger::Unlock()
{
    return log_lock != nullptr ? pthread_mutex_unlock(log_lock) : EINVAL;
}

void Logger::InitializeSharedData()
{
    if (log_size != nullptr && log_rotated_count_shared != nullptr) {
        return;
    }
    DestroySharedData();
    log_size = static_cast<int*>(std::malloc(sizeof(int)));
    log_rotated_count_shared = static_cast<uint64_t*>(std::malloc(sizeof(uint64_t)));
    if (log_size == nullptr || log_rotated_count_shared == nullptr) {
        DestroySharedData();
        return;
    }
    // Nothing is counted until a file is opened.
    *log_size = -1;
    *log_rotated_count_shared = 0;
}

void Logger::DestroySharedData()
{
    std::free(log_size);
    std::free(log_rotated_count_shared);
    log_size = nullptr;
    log_rotated_count_shared = nullptr;
}
