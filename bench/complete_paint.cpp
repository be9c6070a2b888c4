// SPDX-License-Identifier: GPL-3.0-or-later
// Times each program's complete first paint: from process start until every point of its settled picture
// shows its colour. The settled picture is learned first from screenshots of two runs, five in each over
// the two seconds after the third: the points that agree in all ten and differ from the empty desktop.
// Programs then start in turn, RUNS times each, and the median of each is printed with its ratio to the first
// program's.
//   complete_paint RUNS NAME=COMMAND [NAME=COMMAND...]   (COMMAND is run through /bin/sh)
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <X11/extensions/Xdamage.h>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <poll.h>
#include <string>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using Pixels = std::vector<unsigned long>;

struct Program {
    std::string name, command;
    std::vector<int> settled; // indexes into the screen's pixels
    int left = 0, top = 0, right = -1, bottom = -1;
    std::vector<double> startsMs;
};

Display* display = nullptr;
int screenWidth = 0, screenHeight = 0;

Pixels screenshot() {
    XImage* image = XGetImage(display, DefaultRootWindow(display), 0, 0, static_cast<unsigned>(screenWidth),
                              static_cast<unsigned>(screenHeight), AllPlanes, ZPixmap);
    Pixels pixels(static_cast<std::size_t>(screenWidth) * static_cast<std::size_t>(screenHeight));
    for (int y = 0; y < screenHeight; ++y)
        for (int x = 0; x < screenWidth; ++x)
            pixels[static_cast<std::size_t>(y * screenWidth + x)] = XGetPixel(image, x, y) & 0xFFFFFF;
    XDestroyImage(image);
    return pixels;
}

pid_t start(const std::string& command) {
    const pid_t pid = fork();
    if (pid == 0) {
        setpgid(0, 0);
        execl("/bin/sh", "sh", "-c", ("exec " + command).c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    return pid;
}

void stop(pid_t pid) {
    kill(-pid, SIGTERM);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(400)); // the window manager tidies up
}

void sleepMs(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void learn(Program& program, const Pixels& empty) {
    std::vector<Pixels> shots;
    // Uneven gaps, so that no animation with a steady period shows the same frame in every shot.
    for (int run = 0; run < 2; ++run) {
        const pid_t pid = start(program.command);
        sleepMs(3000);
        for (int gap : {0, 370, 440, 620, 570}) {
            sleepMs(gap);
            shots.push_back(screenshot());
        }
        stop(pid);
    }
    // A point that changed in any shot is animated, and so is every point near it: a portrait drawn at
    // random may share a few pixels with every other one without being settled.
    const std::size_t total = empty.size();
    std::vector<char> moving(total, 0);
    for (std::size_t i = 0; i < total; ++i)
        moving[i] =
            !std::all_of(shots.begin(), shots.end(), [&](const Pixels& s) { return s[i] == shots[0][i]; });
    constexpr int kNear = 24;
    const auto spread = [&](bool across) {
        std::vector<char> out(total, 0);
        const int lines = across ? screenHeight : screenWidth, length = across ? screenWidth : screenHeight;
        for (int line = 0; line < lines; ++line) {
            const auto at = [&](int k) {
                return static_cast<std::size_t>(across ? line * screenWidth + k : k * screenWidth + line);
            };
            int last = -1000000;
            for (int k = 0; k < length; ++k) {
                if (moving[at(k)]) last = k;
                if (k - last <= kNear) out[at(k)] = 1;
            }
            last = 1000000;
            for (int k = length - 1; k >= 0; --k) {
                if (moving[at(k)]) last = k;
                if (last - k <= kNear) out[at(k)] = 1;
            }
        }
        moving = out;
    };
    spread(true);
    spread(false);
    for (std::size_t i = 0; i < total; ++i) {
        const unsigned long colour = shots[0][i];
        if (colour == empty[i]) continue;
        if (!moving[i]) {
            program.settled.push_back(static_cast<int>(i));
            const int x = static_cast<int>(i) % screenWidth, y = static_cast<int>(i) / screenWidth;
            if (program.right < 0) program.left = program.right = x, program.top = program.bottom = y;
            program.left = std::min(program.left, x), program.right = std::max(program.right, x);
            program.top = std::min(program.top, y), program.bottom = std::max(program.bottom, y);
        }
    }
    program.settled.shrink_to_fit();
    std::vector<unsigned long> colours;
    for (int i : program.settled)
        colours.push_back(shots[0][static_cast<std::size_t>(i)]);
    // Kept beside the indexes for the timed runs.
    program.settled.insert(program.settled.end(), colours.begin(), colours.end());
}

// The program's area of the screen, grabbed again and again while it starts. Through shared memory where
// the server offers it: the server then copies the pixels in place instead of sending them down the socket,
// so that watching a screen-sized area costs it about a millisecond a look rather than several, time the
// starting program would otherwise lose.
class AreaGrab {
public:
    AreaGrab(int left, int top, int width, int height)
        : left_(left)
        , top_(top)
        , width_(width)
        , height_(height) {
        if (!XShmQueryExtension(display)) return;
        const int screen = DefaultScreen(display);
        image_ = XShmCreateImage(display, DefaultVisual(display, screen),
                                 static_cast<unsigned>(DefaultDepth(display, screen)), ZPixmap, nullptr,
                                 &shm_, static_cast<unsigned>(width), static_cast<unsigned>(height));
        if (image_ == nullptr) return;
        shm_.shmid =
            shmget(IPC_PRIVATE, static_cast<std::size_t>(image_->bytes_per_line) * height_, IPC_CREAT | 0600);
        shm_.shmaddr = image_->data = static_cast<char*>(shmat(shm_.shmid, nullptr, 0));
        shm_.readOnly = False;
        if (shm_.shmaddr == reinterpret_cast<char*>(-1) || !XShmAttach(display, &shm_)) {
            if (shm_.shmid >= 0) shmctl(shm_.shmid, IPC_RMID, nullptr);
            release();
            return;
        }
        XSync(display, False);
        shmctl(shm_.shmid, IPC_RMID, nullptr); // goes with the last detach
        attached_ = true;
    }
    ~AreaGrab() { release(); }
    AreaGrab(const AreaGrab&) = delete;
    AreaGrab& operator=(const AreaGrab&) = delete;

    // Takes a new look; false when the area could not be read.
    bool grab() {
        if (attached_)
            return XShmGetImage(display, DefaultRootWindow(display), image_, left_, top_, AllPlanes);
        if (image_ != nullptr) XDestroyImage(image_);
        image_ = XGetImage(display, DefaultRootWindow(display), left_, top_, static_cast<unsigned>(width_),
                           static_cast<unsigned>(height_), AllPlanes, ZPixmap);
        return image_ != nullptr;
    }
    // The colour at (x, y) of the area, of the last look.
    unsigned long at(int x, int y) const {
        if (image_->bits_per_pixel == 32)
            return reinterpret_cast<const std::uint32_t*>(image_->data + y * image_->bytes_per_line)[x] &
                   0xFFFFFF;
        return XGetPixel(image_, x, y) & 0xFFFFFF;
    }

private:
    void release() {
        if (attached_) XShmDetach(display, &shm_);
        if (shm_.shmaddr != nullptr && shm_.shmaddr != reinterpret_cast<char*>(-1)) shmdt(shm_.shmaddr);
        if (image_ != nullptr) {
            if (shm_.shmaddr != nullptr) image_->data = nullptr;
            XDestroyImage(image_);
        }
        image_ = nullptr;
        shm_.shmaddr = nullptr;
        attached_ = false;
    }

    int left_, top_, width_, height_;
    XImage* image_ = nullptr;
    XShmSegmentInfo shm_{};
    bool attached_ = false;
};

// Waits up to `ms` for the server to report drawing anywhere on the screen; true when it did. Reported
// drawing is forgotten, so that the next drawing is reported again.
bool waitForDrawing(Damage damage, int damageEvents, int ms) {
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    if (XPending(display) == 0 && poll(&connection, 1, ms) <= 0) return false;
    bool drawn = false;
    while (XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        drawn = drawn || event.type == damageEvents + XDamageNotify;
    }
    if (drawn) XDamageSubtract(display, damage, None, None);
    return drawn;
}

// Milliseconds from the start until every settled point shows its colour, or -1 after 10 s. The area is
// looked at again only when the server reports drawing on the screen (or every 50 ms without the Damage
// extension), so that watching costs the starting program next to none of the server's time: looking
// at a screen-sized area 500 times a second took the server from it enough to slow exactly the programs
// with a screen-sized backdrop.
double timeOneStart(const Program& program) {
    const std::size_t count = program.settled.size() / 2;
    const int width = program.right - program.left + 1, height = program.bottom - program.top + 1;
    AreaGrab area(program.left, program.top, width, height);
    int damageEvents = 0, damageErrors = 0;
    Damage damage = 0;
    if (XDamageQueryExtension(display, &damageEvents, &damageErrors))
        damage = XDamageCreate(display, DefaultRootWindow(display), XDamageReportNonEmpty);
    XSync(display, False);
    if (damage != 0) waitForDrawing(damage, damageEvents, 0);
    const Clock::time_point began = Clock::now();
    const pid_t pid = start(program.command);
    double result = -1;
    while (Clock::now() - began < std::chrono::seconds(10)) {
        const bool grabbed = area.grab();
        const double at = std::chrono::duration<double, std::milli>(Clock::now() - began).count();
        bool all = grabbed;
        for (std::size_t k = 0; grabbed && k < count; ++k) {
            const int i = program.settled[k];
            const int x = i % screenWidth - program.left, y = i / screenWidth - program.top;
            if (area.at(x, y) != static_cast<unsigned long>(program.settled[count + k])) {
                all = false;
                break;
            }
        }
        if (all) {
            result = at;
            break;
        }
        if (damage != 0)
            waitForDrawing(damage, damageEvents, 50);
        else
            sleepMs(50);
    }
    if (damage != 0) XDamageDestroy(display, damage);
    stop(pid);
    return result;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: complete_paint RUNS NAME=COMMAND [NAME=COMMAND...]\n");
        return 2;
    }
    display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "complete_paint: no X display\n");
        return 1;
    }
    screenWidth = DisplayWidth(display, DefaultScreen(display));
    screenHeight = DisplayHeight(display, DefaultScreen(display));
    const int runs = std::max(1, std::atoi(argv[1]));
    std::vector<Program> programs;
    for (int a = 2; a < argc; ++a) {
        const std::string spec = argv[a];
        const std::size_t eq = spec.find('=');
        programs.push_back({spec.substr(0, eq), spec.substr(eq + 1), {}, 0, 0, -1, -1, {}});
    }
    const Pixels empty = screenshot();
    for (Program& program : programs) {
        learn(program, empty);
        std::fprintf(stderr, "%s: %zu settled points\n", program.name.c_str(), program.settled.size() / 2);
    }
    for (int run = 0; run < runs; ++run)
        for (Program& program : programs)
            program.startsMs.push_back(timeOneStart(program));
    const double base = median(programs.front().startsMs);
    std::printf("%-12s %10s %8s\n", "program", "median ms", "ratio");
    for (const Program& program : programs) {
        const double m = median(program.startsMs);
        std::printf("%-12s %10.0f %8.2f\n", program.name.c_str(), m, base > 0 ? m / base : 0);
    }
    XCloseDisplay(display);
    return 0;
}
