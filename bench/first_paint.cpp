// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program on the current X display and reports how long after its start a given screen pixel
// takes a given colour (its window painted), then its CPU use while left alone and its peak memory.
//   first_paint X Y RRGGBB WATCH_SECONDS -- PROGRAM [ARGS...]
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// User plus system CPU time of `pid`, in clock ticks.
long cpuTicks(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(stat, line);
    std::istringstream fields(line.substr(line.rfind(')') + 2));
    std::string field;
    long utime = 0, stime = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i) {
        if (i == 14) utime = std::stol(field);
        if (i == 15) stime = std::stol(field);
    }
    return utime + stime;
}

// Peak resident set of `pid` in kB.
long peakRssKb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmHWM:") {
            status >> value;
            return value;
        }
        status.ignore(4096, '\n');
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 7 || std::string(argv[5]) != "--") {
        std::fprintf(stderr, "usage: first_paint X Y RRGGBB WATCH_SECONDS -- PROGRAM [ARGS...]\n");
        return 2;
    }
    const int x = std::atoi(argv[1]), y = std::atoi(argv[2]);
    const unsigned long wanted = std::strtoul(argv[3], nullptr, 16);
    const int watchSeconds = std::atoi(argv[4]);
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "first_paint: no X display\n");
        return 2;
    }
    const Window root = DefaultRootWindow(display);

    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[6], argv + 6);
        _exit(127);
    }
    double paintedMs = -1;
    while (Clock::now() - start < std::chrono::seconds(10)) {
        XImage* image = XGetImage(display, root, x, y, 1, 1, AllPlanes, ZPixmap);
        const unsigned long pixel = image ? XGetPixel(image, 0, 0) & 0xFFFFFF : 0;
        if (image) XDestroyImage(image);
        if (pixel == wanted) {
            paintedMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            break;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    // Let start-up settle (the first sound, the first timer ticks), then watch the program idle.
    std::this_thread::sleep_for(std::chrono::seconds(1));
    const long ticks0 = cpuTicks(pid);
    const auto watch0 = Clock::now();
    std::this_thread::sleep_for(std::chrono::seconds(watchSeconds));
    const long ticks1 = cpuTicks(pid);
    const double seconds = std::chrono::duration<double>(Clock::now() - watch0).count();
    const double cpuPercent = 100.0 * (ticks1 - ticks0) / sysconf(_SC_CLK_TCK) / seconds;
    const long rss = peakRssKb(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    XCloseDisplay(display);

    if (paintedMs < 0) {
        std::printf("window not painted within 10 s\n");
        return 1;
    }
    std::printf("first paint %.0f ms after start; CPU %.2f%% of one core over %.0f s; peak RSS %.1f MB\n",
                paintedMs, cpuPercent, seconds, rss / 1024.0);
    return 0;
}
