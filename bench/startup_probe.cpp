// Preloaded into a Qt 5 program (LD_PRELOAD) by bench/startup-bench --trace: notes the moment
// at which the program enters and leaves the few Qt calls that mark the phases of its
// start-up, so that the launcher and the minimal program can be compared phase by phase.
// Each wrapper forwards to the real function (found with dlvsym) unchanged.
//
// HALVENOR_PROBE_OUT names the file that receives "<ms> <event>" lines; HALVENOR_PROBE_T0 is
// the CLOCK_MONOTONIC time in ms at which the program was started, the zero of the times.

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <dlfcn.h>
#include <spawn.h>

namespace {

FILE* g_out = nullptr;
double g_t0 = 0;

double nowMs()
{
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

void note(const char* event)
{
    if (g_out) {
        fprintf(g_out, "%.3f %s\n", nowMs() - g_t0, event);
        fflush(g_out);
    }
}

__attribute__((constructor)) void probeStart()
{
    const char* out = getenv("HALVENOR_PROBE_OUT");
    const char* t0 = getenv("HALVENOR_PROBE_T0");
    g_t0 = t0 ? atof(t0) : nowMs();
    g_out = out ? fopen(out, "ae") : nullptr;
    // Processes that this one starts (the client) are not measured.
    unsetenv("LD_PRELOAD");
    unsetenv("HALVENOR_PROBE_OUT");
    note("libraries loaded");
}

__attribute__((destructor)) void probeEnd()
{
    note("exit handlers");
}

template <typename F>
F real(const char* name)
{
    return reinterpret_cast<F>(dlvsym(RTLD_NEXT, name, "Qt_5"));
}

} // namespace

// Constructors and destructors come as complete (C1, D1) and base (C2, D2) object variants: a
// program that makes a QApplication calls C1, one that derives from it (the single-instance
// application object) calls C2.
#define HALVENOR_PROBE_VOID(symbol, before, after, params, args)                                   \
    extern "C" void symbol params                                                                  \
    {                                                                                              \
        static const auto fn = real<void(*) params>(#symbol);                                      \
        note(before);                                                                              \
        fn args;                                                                                   \
        note(after);                                                                               \
    }

HALVENOR_PROBE_VOID(_ZN12QApplicationC1ERiPPci, "QApplication: enter", "QApplication: leave",
                    (void* self, int& argc, char** argv, int flags), (self, argc, argv, flags))
HALVENOR_PROBE_VOID(_ZN12QApplicationC2ERiPPci, "QApplication: enter", "QApplication: leave",
                    (void* self, int& argc, char** argv, int flags), (self, argc, argv, flags))
HALVENOR_PROBE_VOID(_ZN12QApplicationD1Ev, "~QApplication: enter", "~QApplication: leave",
                    (void* self), (self))
HALVENOR_PROBE_VOID(_ZN12QApplicationD2Ev, "~QApplication: enter", "~QApplication: leave",
                    (void* self), (self))
HALVENOR_PROBE_VOID(_ZN15QProgressDialogC1EP7QWidget6QFlagsIN2Qt10WindowTypeEE,
                    "QProgressDialog: enter", "QProgressDialog: leave",
                    (void* self, void* parent, int flags), (self, parent, flags))
HALVENOR_PROBE_VOID(_ZN15QProgressDialogC2EP7QWidget6QFlagsIN2Qt10WindowTypeEE,
                    "QProgressDialog: enter", "QProgressDialog: leave",
                    (void* self, void* parent, int flags), (self, parent, flags))
HALVENOR_PROBE_VOID(_ZN5QIconC1ERK7QString, "icon: enter", "icon: leave",
                    (void* self, const void* file), (self, file))
HALVENOR_PROBE_VOID(_ZN7QWidget13setStyleSheetERK7QString, "style sheet: enter",
                    "style sheet: leave", (void* self, const void* sheet), (self, sheet))
HALVENOR_PROBE_VOID(_ZN7QThread5startENS_8PriorityE, "thread start: enter", "thread start: leave",
                    (void* self, int priority), (self, priority))
HALVENOR_PROBE_VOID(_ZN9QSettingsC1ERK7QStringNS_6FormatEP7QObject, "INI file: enter",
                    "INI file: leave", (void* self, const void* file, int format, void* parent),
                    (self, file, format, parent))

extern "C" int _ZN12QApplication4execEv()
{
    static const auto fn = real<int (*)()>("_ZN12QApplication4execEv");
    note("event loop: enter");
    const int rc = fn();
    note("event loop: leave");
    return rc;
}

extern "C" bool _ZN16QCoreApplication17installTranslatorEP11QTranslator(void* translator)
{
    static const auto fn =
        real<bool (*)(void*)>("_ZN16QCoreApplication17installTranslatorEP11QTranslator");
    const bool ok = fn(translator);
    note("translation: leave");
    return ok;
}

// The launcher starts the client with posix_spawn (libc, not Qt).
extern "C" int posix_spawn(pid_t* pid, const char* path, const posix_spawn_file_actions_t* actions,
                           const posix_spawnattr_t* attr, char* const argv[], char* const envp[])
{
    using Spawn = int (*)(pid_t*, const char*, const posix_spawn_file_actions_t*,
                          const posix_spawnattr_t*, char* const[], char* const[]);
    static const auto fn = reinterpret_cast<Spawn>(dlsym(RTLD_NEXT, "posix_spawn"));
    note("client start: enter");
    const int rc = fn(pid, path, actions, attr, argv, envp);
    note("client start: leave");
    return rc;
}
