// One scripted capture of a screenshot program on the current X display, measured from outside:
//   bench_session <save folder> <program> [arguments...]
// Prints one line of key=value figures:
//   map_ms       launch to the full-screen window mapped
//   startup_ms   launch to the program's event loop, and startup_cpu_ms the processor time spent
//                by then, when STARTUP_PROBE names bench/startupprobe's library: the program
//                alone is started with it (a Qt 5 program; "-" for any other)
//   drag_cpu_ms  CPU time of the process (all threads) during a drag of 400 motion events
//   save_ms      button release (or the accepting key, see below) to a complete PNG (ending with
//                its IEND chunk) in the folder
//   rss_kb       peak resident memory of the process
//   png_bytes    size of the PNG
// The selection runs from (150, 150) to (width - 150, height - 150) of the screen. A tool that
// waits for a key to accept the selection (Spectacle: Return) is given it after the release when
// BENCH_ACCEPT_KEYSYM names the key's X keysym (0xff0d for Return).
#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fstream>
#include <signal.h>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point t)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - t).count();
}

void sleepMs(double ms)
{
    std::this_thread::sleep_for(std::chrono::microseconds(long(ms * 1000)));
}

// Nanoseconds on a CPU summed over the process's threads.
long long cpuNs(pid_t pid)
{
    long long total = 0;
    const std::string dir = "/proc/" + std::to_string(pid) + "/task";
    DIR *d = opendir(dir.c_str());
    if (!d)
        return -1;
    while (dirent *e = readdir(d)) {
        if (e->d_name[0] == '.')
            continue;
        std::ifstream f(dir + "/" + e->d_name + "/schedstat");
        long long ns = 0;
        if (f >> ns)
            total += ns;
    }
    closedir(d);
    return total;
}

// A finished capture: a visible *.png whose last chunk is IEND.
bool completePngIn(const std::string &folder, long *bytes)
{
    static const unsigned char iend[8] = {'I', 'E', 'N', 'D', 0xae, 0x42, 0x60, 0x82};
    DIR *d = opendir(folder.c_str());
    if (!d)
        return false;
    bool found = false;
    while (dirent *e = readdir(d)) {
        const std::string name = e->d_name;
        if (name[0] == '.' || name.size() < 5 || name.compare(name.size() - 4, 4, ".png") != 0)
            continue;
        FILE *f = std::fopen((folder + "/" + name).c_str(), "rb");
        if (!f)
            continue;
        unsigned char tail[8] = {};
        if (std::fseek(f, -8, SEEK_END) == 0 && std::fread(tail, 1, 8, f) == 8 &&
            std::memcmp(tail, iend, 8) == 0) {
            *bytes = std::ftell(f);
            found = true;
        }
        std::fclose(f);
        if (found)
            break;
    }
    closedir(d);
    return found;
}

void fakeMotion(xcb_connection_t *c, xcb_window_t root, int x, int y)
{
    xcb_test_fake_input(c, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, root, x, y, 0);
    xcb_flush(c);
}

// The keycode that gives the keysym without modifiers, or 0.
xcb_keycode_t keycodeOf(xcb_connection_t *c, xcb_keysym_t keysym)
{
    const xcb_setup_t *setup = xcb_get_setup(c);
    const int first = setup->min_keycode;
    const int count = setup->max_keycode - first + 1;
    xcb_get_keyboard_mapping_reply_t *map = xcb_get_keyboard_mapping_reply(
        c, xcb_get_keyboard_mapping(c, xcb_keycode_t(first), uint8_t(count)), nullptr);
    if (!map)
        return 0;
    const xcb_keysym_t *syms = xcb_get_keyboard_mapping_keysyms(map);
    xcb_keycode_t found = 0;
    for (int i = 0; i < count && !found; ++i) {
        if (syms[i * map->keysyms_per_keycode] == keysym)
            found = xcb_keycode_t(first + i);
    }
    std::free(map);
    return found;
}

void fakeKey(xcb_connection_t *c, xcb_window_t root, xcb_keycode_t key)
{
    xcb_test_fake_input(c, XCB_KEY_PRESS, key, XCB_CURRENT_TIME, root, 0, 0, 0);
    xcb_test_fake_input(c, XCB_KEY_RELEASE, key, XCB_CURRENT_TIME, root, 0, 0, 0);
    xcb_flush(c);
}

// The probe's line for the process as " startup_ms=... startup_cpu_ms=...", "-" for a figure
// missing.
std::string probeFigures(const std::string &file, pid_t pid)
{
    std::ifstream f(file);
    std::string line, exec = "-", cpu = "-";
    const std::string owner = "pid=" + std::to_string(pid);
    while (std::getline(f, line)) {
        std::istringstream fields(line);
        std::string field;
        if (!(fields >> field) || field != owner)
            continue;
        while (fields >> field) {
            if (field.rfind("exec_ms=", 0) == 0)
                exec = field.substr(8);
            else if (field.rfind("cpu_ms=", 0) == 0)
                cpu = field.substr(7);
        }
    }
    return " startup_ms=" + exec + " startup_cpu_ms=" + cpu;
}

void fakeButton(xcb_connection_t *c, xcb_window_t root, bool down)
{
    xcb_test_fake_input(c, down ? XCB_BUTTON_PRESS : XCB_BUTTON_RELEASE, 1, XCB_CURRENT_TIME, root,
                        0, 0, 0);
    // Round trip, so the server has delivered the event when we start the clock.
    xcb_get_input_focus_reply_t *r = xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr);
    std::free(r);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <save folder> <program> [arguments...]\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const int W = screen->width_in_pixels;
    const int H = screen->height_in_pixels;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &mask);
    fakeMotion(c, screen->root, 150, 150);
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
    while (xcb_generic_event_t *e = xcb_poll_for_event(c))
        std::free(e);

    const char *probe = std::getenv("STARTUP_PROBE");
    char probeFile[] = "/tmp/bench-probe.XXXXXX";
    if (probe) {
        const int fd = mkstemp(probeFile);
        if (fd < 0)
            probe = nullptr;
        else
            close(fd);
    }
    const char *acceptKeysym = std::getenv("BENCH_ACCEPT_KEYSYM");
    const xcb_keycode_t acceptKey =
        acceptKeysym && *acceptKeysym
            ? keycodeOf(c, xcb_keysym_t(std::strtoul(acceptKeysym, nullptr, 0)))
            : 0;

    timespec launched{};
    clock_gettime(CLOCK_REALTIME, &launched);
    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        if (probe) {
            setenv("LD_PRELOAD", probe, 1);
            setenv("STARTUP_PROBE_OUT", probeFile, 1);
            setenv("STARTUP_PROBE_T0",
                   std::to_string(launched.tv_sec * 1000000000LL + launched.tv_nsec).c_str(), 1);
        }
        execvp(argv[2], argv + 2);
        _exit(127);
    }

    // Launch to the full-screen window mapped.
    double mapMs = -1;
    while (mapMs < 0) {
        xcb_generic_event_t *e = xcb_wait_for_event(c);
        if (!e)
            break;
        if ((e->response_type & 0x7f) == XCB_MAP_NOTIFY) {
            const auto *m = reinterpret_cast<xcb_map_notify_event_t *>(e);
            xcb_get_geometry_reply_t *g =
                xcb_get_geometry_reply(c, xcb_get_geometry(c, m->window), nullptr);
            if (g && g->width >= W && g->height >= H)
                mapMs = msSince(start);
            std::free(g);
        }
        std::free(e);
        if (msSince(start) > 20000)
            break;
    }
    if (mapMs < 0) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        std::fprintf(stderr, "no full-screen window appeared\n");
        return 1;
    }

    // Let the first frame settle, then drag at 125 motions per second, as a mouse reports.
    sleepMs(700);
    fakeButton(c, screen->root, true);
    sleepMs(100);
    const long long cpuBefore = cpuNs(pid);
    const int motions = 400;
    const int x0 = 150, y0 = 150, x1 = W - 150, y1 = H - 150;
    for (int i = 1; i <= motions; ++i) {
        fakeMotion(c, screen->root, x0 + (x1 - x0) * i / motions, y0 + (y1 - y0) * i / motions);
        sleepMs(8);
    }
    sleepMs(500); // whatever the motions caused has been done by now
    const long long cpuAfter = cpuNs(pid);

    fakeButton(c, screen->root, false);
    if (acceptKey) {
        sleepMs(100); // the tool takes the release first
        fakeKey(c, screen->root, acceptKey);
    }
    // From the release, or from the key for a tool that waits for one.
    const Clock::time_point released = Clock::now();
    long bytes = 0;
    double saveMs = -1;
    while (msSince(released) < 20000) {
        if (completePngIn(folder, &bytes)) {
            saveMs = msSince(released);
            break;
        }
        sleepMs(0.5);
    }

    int status = 0;
    rusage usage{};
    bool exited = false;
    for (int i = 0; i < 2000 && !exited; ++i) {
        const pid_t r = wait4(pid, &status, WNOHANG, &usage);
        exited = r == pid;
        if (!exited)
            sleepMs(5);
    }
    if (!exited) {
        // Some tools stay resident after saving; their peak is read before they are stopped.
        std::ifstream f("/proc/" + std::to_string(pid) + "/status");
        std::string line;
        while (std::getline(f, line))
            if (line.rfind("VmHWM:", 0) == 0)
                usage.ru_maxrss = std::atol(line.c_str() + 6);
        kill(pid, SIGTERM);
        wait4(pid, &status, 0, nullptr);
    }
    const std::string startup = probe ? probeFigures(probeFile, pid) : std::string();
    if (probe)
        unlink(probeFile);
    std::printf("map_ms=%.1f drag_cpu_ms=%.1f save_ms=%.1f rss_kb=%ld png_bytes=%ld exited=%d%s\n",
                mapMs, (cpuAfter - cpuBefore) / 1e6, saveMs, long(usage.ru_maxrss), bytes,
                exited ? 1 : 0, startup.c_str());
    xcb_disconnect(c);
    return saveMs < 0 ? 1 : 0;
}
