// Where a Qt program's start-up goes, seen from inside without changing it: loaded with LD_PRELOAD,
// it stands in front of QApplication's constructor and QCoreApplication::exec() and appends one
// line per process to the file named by STARTUP_PROBE_OUT, in milliseconds since the launcher's
// clock reading STARTUP_PROBE_T0 (CLOCK_REALTIME, nanoseconds since the epoch):
//   pid=<pid> loaded_ms=... qapp_ms=... qapp_done_ms=... exec_ms=... cpu_ms=...
//   loaded_ms     the libraries are loaded and relocated (this library's constructor runs)
//   qapp_ms       the QApplication constructor is entered (static initialisers and main before it)
//   qapp_done_ms  it has returned: the platform plugin, its theme, fonts and the display
//   exec_ms       the event loop starts; the program's own set-up lies between the two
//   cpu_ms        the processor time the process (all its threads) had used by then: unlike the
//                 times above, hardly longer on a busy machine
// A figure the process never reached is "-". With STARTUP_PROBE_EXIT=1 the process ends where its
// loop would start, so a profiler (perf stat -r, perf record, callgrind) sees the start-up alone. Nothing of Qt is linked: the real functions are
// found with dlsym, so the same file serves every Qt 5 program.
#include <dlfcn.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <unistd.h>

namespace {

double sinceLaunchMs()
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    const char *t0 = std::getenv("STARTUP_PROBE_T0");
    const long double start = t0 ? std::strtold(t0, nullptr) : 0;
    return double((now.tv_sec * 1e9L + now.tv_nsec - start) / 1e6L);
}

double cpuMs()
{
    timespec used{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
    return used.tv_sec * 1e3 + used.tv_nsec / 1e6;
}

double loaded = -1, qapp = -1, qappDone = -1;
std::atomic<bool> written{false};

void write(double exec)
{
    const double cpu = cpuMs();
    const char *path = std::getenv("STARTUP_PROBE_OUT");
    if (!path || written.exchange(true))
        return;
    if (FILE *f = std::fopen(path, "a")) {
        auto field = [f](const char *name, double v) {
            if (v < 0)
                std::fprintf(f, " %s=-", name);
            else
                std::fprintf(f, " %s=%.1f", name, v);
        };
        std::fprintf(f, "pid=%d", int(getpid()));
        field("loaded_ms", loaded);
        field("qapp_ms", qapp);
        field("qapp_done_ms", qappDone);
        field("exec_ms", exec);
        field("cpu_ms", cpu);
        std::fprintf(f, "\n");
        std::fclose(f);
    }
}

__attribute__((constructor)) void probeLoaded()
{
    loaded = sinceLaunchMs();
}

// A Qt program that ends before its loop (a failure, or one that hands the work to another
// process) still says how far it came; other processes say nothing.
__attribute__((destructor)) void probeUnloaded()
{
    if (qapp >= 0)
        write(-1);
}

template <typename F> F real(const char *name)
{
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

using Constructor = void (*)(void *, int &, char **, int);

void construct(Constructor original, void *self, int &argc, char **argv, int flags)
{
    if (qapp < 0)
        qapp = sinceLaunchMs();
    original(self, argc, argv, flags);
    if (qappDone < 0)
        qappDone = sinceLaunchMs();
}

} // namespace

// QApplication::QApplication(int &, char **, int): C1 for an object of that class, C2 for the
// base of a subclass.
extern "C" void _ZN12QApplicationC1ERiPPci(void *self, int &argc, char **argv, int flags)
{
    static const auto original = real<Constructor>("_ZN12QApplicationC1ERiPPci");
    construct(original, self, argc, argv, flags);
}

extern "C" void _ZN12QApplicationC2ERiPPci(void *self, int &argc, char **argv, int flags)
{
    static const auto original = real<Constructor>("_ZN12QApplicationC2ERiPPci");
    construct(original, self, argc, argv, flags);
}

// int QCoreApplication::exec()
extern "C" int _ZN16QCoreApplication4execEv()
{
    static const auto original = real<int (*)()>("_ZN16QCoreApplication4execEv");
    write(sinceLaunchMs());
    if (std::getenv("STARTUP_PROBE_EXIT"))
        _exit(0);
    return original();
}
