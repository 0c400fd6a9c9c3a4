#pragma once

#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>

#include <pthread.h>

#include "ustring/ustring.h"

// Process-wide levelled log with per-component thresholds, a time stamp and
// size-based rotation. Static only; never instantiated.
class Logger
{
public:
    enum Type
    {
        TYPE_SYSLOG = 1,
        TYPE_STDOUT = 2,
        TYPE_STDERR = 3,
        TYPE_FILE = 4
    };
    enum Level
    {
        LEVEL_ERROR = 3,
        LEVEL_WARNING = 4,
        LEVEL_NOTE = 5,
        LEVEL_INFO = 6,
        LEVEL_DEBUG = 7,
    };

    Logger() = delete;

    // A second call closes the file that the first one opened (never a standard
    // stream). A failed call leaves the destination in use as it was.
    static int Initialize(Logger::Type type, const ustring& logFile, const ustring& levelFile,
                          int rotationCount);
    static void LogMsg(Logger::Level level, const ustring& component, const char* format, ...)
        __attribute__((format(printf, 3, 4)));
    static void LogMsg2(Logger::Level level, const ustring& component, const char* format,
                        va_list args) __attribute__((format(printf, 3, 0)));
    static int PrintToFilePointer(const char* format, ...) __attribute__((format(printf, 1, 2)));
    static int PrintToFilePointerV(const char* format, va_list args)
        __attribute__((format(printf, 1, 0)));
    static int Rotate();
    static void ReloadLogFile();
    static int GetFileSize(const ustring& path);
    static void Destroy();

    static void InitializeLock();
    static void DestroyLock();
    static int Lock();
    static int Unlock();
    static void InitializeSharedData();
    static void DestroySharedData();

    static std::map<ustring, int> log_level;
    static Logger::Type log_type;
    static FILE* log_fp;
    static ustring log_path;
    static int rotate_cnt;
    static int* log_size;
    static uint64_t* log_rotated_count_shared;
    static uint64_t log_rotated_count_private;
    static pthread_mutex_t* log_lock;
    static bool log_initialized;
    // Why the log file was last refused or could not be opened.
    static std::string open_error;
};

// Text from a file that someone else may have written, fit for one log
// line: control characters (line breaks above all) become '?'.
std::string LogSafe(const ustring& text);

// Entry for code that holds the component as a plain character pointer.
void LogMSG_c(int level, char* component, const char* format, va_list args)
    __attribute__((format(printf, 3, 0)));
