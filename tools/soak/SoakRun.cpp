// SPDX-License-Identifier: GPL-3.0-or-later
// The soak loop: look at the windows, choose a gesture, send it, watch the process and its memory.
#include "tools/soak/SoakRun.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <spawn.h>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>

extern char** environ;

namespace soak {

namespace {

using namespace std::chrono_literals;

constexpr auto kSampleEvery = 2s;    // memory samples
constexpr auto kEndWithin = 20s;     // an ending command must end the program within this
constexpr auto kGoneWithin = 5s;     // a window closed by command must be gone within this
constexpr auto kNoWindowLimit = 30s; // longest time the program may show no window
constexpr auto kBoxLimit = 20s;      // longest time one message box may stay up while being answered
constexpr auto kBehindLimit = 10s;   // longest time the working window may stay behind a backdrop
constexpr auto kClosingLimit = 60s;  // the closing commands must end the program within this
constexpr int kMenuReadAttempts = 3;
constexpr std::size_t kRecentGestures = 12;

// Runs xdotool with these arguments and returns its exit status (-1 when it could not run).
int xdotool(const std::vector<std::string>& arguments) {
    std::vector<std::string> args{"xdotool"};
    args.insert(args.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    argv.reserve(args.size() + 1);
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawnp(&pid, "xdotool", nullptr, nullptr, argv.data(), environ) != 0) return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

const char* kindName(WindowKind kind) {
    switch (kind) {
    case WindowKind::Backdrop:
        return "backdrop";
    case WindowKind::Working:
        return "window";
    case WindowKind::MessageBox:
        return "box";
    case WindowKind::Popup:
        return "pop-up";
    case WindowKind::Tooltip:
        return "tooltip";
    }
    return "?";
}

// More sanitizer options from SOAK_ASAN_OPTIONS, for looking into a finding.
std::string extraAsanOptions() {
    const char* extra = std::getenv("SOAK_ASAN_OPTIONS");
    return extra && *extra ? std::string(":") + extra : std::string();
}

const ProgramProfile& profileOrThrow(const std::string& name) {
    const ProgramProfile* p = profileNamed(name);
    if (!p) throw std::runtime_error("no program named " + name);
    return *p;
}

} // namespace

SoakRun::SoakRun(SoakOptions options, XDesk& desk)
    : options_(std::move(options))
    , desk_(desk)
    , profile_(profileOrThrow(options_.program))
    , planner_(options_.seed, options_.rates)
    , memory_(MemoryJudge::referenceFor(options_.seconds))
    , gestureLog_(options_.logDir + "/" + options_.program + ".gestures")
    , memoryLog_(options_.logDir + "/" + options_.program + ".memory.csv")
    , pauses_(static_cast<unsigned>(options_.seed)) {
    memoryLog_ << "seconds,pid,resident_kb,peak_kb\n";
}

double SoakRun::elapsed() const {
    return std::chrono::duration<double>(Clock::now() - start_).count();
}

void SoakRun::log(const std::string& line) {
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%9.3f ", elapsed());
    gestureLog_ << stamp << line << '\n';
    recent_.push_back(stamp + line);
    if (recent_.size() > kRecentGestures) recent_.pop_front();
}

void SoakRun::fail(const std::string& why) {
    std::string text = why;
    if (!recent_.empty()) {
        text += "\n  last gestures:";
        for (const std::string& r : recent_)
            text += "\n    " + r;
    }
    report_.failures.push_back(text);
    log("FAIL " + why);
}

void SoakRun::warn(const std::string& what) {
    if (std::find(report_.warnings.begin(), report_.warnings.end(), what) == report_.warnings.end())
        report_.warnings.push_back(what);
}

void SoakRun::pause(int lowMs, int highMs) {
    std::this_thread::sleep_for(
        std::chrono::milliseconds(std::uniform_int_distribution<int>(lowMs, highMs)(pauses_)));
}

void SoakRun::startProgram() {
    const std::string dir = options_.logDir;
    // Memory is judged by the growth of the peak, so the sanitizer's own keeping must not grow with the
    // time run. Freed blocks go straight back to the allocator: any quarantine, even 64 KiB per thread,
    // makes each size class carve fresh chunks while blocks wait, and the pages it touches kept spreading
    // for as long as the soak ran (1 MiB read as 6 % growth in five minutes); overflows are still caught by
    // the red zones, and late use of a block not yet handed out again. Allocation and free stacks keep two
    // frames, the allocating function and its caller: the sanitizer stores every distinct stack for good,
    // and at ten frames random use kept finding new paths through Qt for the whole run (its stack store
    // grew by about 45 kB a minute through the run); at two nearly all are known within the first minute.
    // Free pages are kept, so the resident size follows the allocator's high-water mark instead of
    // swinging with returned pages. A report's own stack is whole; a finding is looked into by rerunning
    // its seed (SOAK_SEED) with SOAK_ASAN_OPTIONS=malloc_context_size=30. The unit tests of the asan preset
    // run with the defaults. Leaks are judged by growth, not by LeakSanitizer at exit: Qt, fontconfig and
    // PulseAudio keep allocations to the end, and every allocation in an event handler has Qt frames a
    // suppression would have to name.
    const std::vector<std::string> env{
        "ASAN_OPTIONS=log_path=" + dir +
            "/sanitizer:halt_on_error=1:abort_on_error=0:handle_abort=1:detect_leaks=0"
            ":quarantine_size_mb=0:thread_local_quarantine_size_kb=0:malloc_context_size=2"
            ":allocator_release_to_os_interval_ms=-1" +
            extraAsanOptions(),
        "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1:log_path=" + dir + "/sanitizer",
        "QT_QPA_PLATFORM=xcb",
    };
    process_ = std::make_unique<ProgramProcess>(options_.binary, env, dir + "/" + options_.program + ".out");
    windowSeen_ = false;
    nothingSince_ = Clock::now();
    menus_.clear();
    menuAttempts_.clear();
    log("start " + options_.binary + " (pid " + std::to_string(process_->pid()) + ")");
}

// Handles an end of the program: a restart after a deliberate exit, a failure otherwise. False once failed.
bool SoakRun::watchProcess() {
    const auto status = process_->poll();
    if (!status) {
        if (endRequested_ && Clock::now() - *endRequested_ > kEndWithin) {
            fail("the ending command did not end the program within 20 s");
            return false;
        }
        return true;
    }
    collectSanitizerReports();
    const bool clean = WIFEXITED(*status) && WEXITSTATUS(*status) == 0;
    if (!endRequested_ || !clean) {
        fail(std::string(endRequested_ ? "the program ended badly" : "the program ended unasked") + " (" +
             describeWaitStatus(*status) + ")");
        return false;
    }
    endRequested_.reset();
    log("ended on command (" + describeWaitStatus(*status) + ")");
    if (!report_.ok()) return false;
    ++report_.restarts;
    startProgram();
    return true;
}

void SoakRun::sampleMemory() {
    if (Clock::now() - lastSample_ < kSampleEvery || !windowSeen_) return;
    lastSample_ = Clock::now();
    if (const auto m = process_->memory()) {
        memory_.record(elapsed(), m->residentKb, m->peakKb);
        memoryLog_ << elapsed() << ',' << process_->pid() << ',' << m->residentKb << ',' << m->peakKb
                   << std::endl;
    }
}

Scene SoakRun::look() {
    return Scene::classify(desk_.windowsOf(process_->pid()), profile_, desk_.screen());
}

namespace {

// Whether a condition seen now has held for longer than `limit`; `since` keeps when it began to hold.
bool heldTooLong(bool holds, std::optional<std::chrono::steady_clock::time_point>& since,
                 std::chrono::steady_clock::duration limit) {
    const auto now = std::chrono::steady_clock::now();
    if (!holds)
        since.reset();
    else if (!since)
        since = now;
    return since && now - *since > limit;
}

} // namespace

bool SoakRun::watchStalls(const Scene& scene) {
    const SeenWindow* box = scene.topmost(WindowKind::MessageBox);
    const bool shown = scene.topmost(WindowKind::Working) || box;
    windowSeen_ = windowSeen_ || shown;
    if (heldTooLong(!shown, nothingSince_, kNoWindowLimit)) {
        fail("no window of the program on screen for 30 s");
        return false;
    }
    if (heldTooLong(scene.workingWindowBehindBackdrop(), behindSince_, kBehindLimit)) {
        fail("the working window stayed behind its backdrop for 10 s");
        return false;
    }
    // The same box all along: a new box restarts the count.
    if (box && box->facts.id != boxId_) boxSince_.reset();
    boxId_ = box ? box->facts.id : 0;
    if (heldTooLong(box != nullptr, boxSince_, kBoxLimit)) {
        fail("message box \"" + box->facts.title + "\" stayed up for 20 s despite answers");
        return false;
    }
    return true;
}

const MenuBar* SoakRun::menuOf(const Scene& scene) {
    const SeenWindow* w = scene.topmost(WindowKind::Working);
    if (!w || w->menuBar.empty() || scene.topmost(WindowKind::Popup)) return nullptr;
    const auto known = menus_.find(w->facts.id);
    if (known != menus_.end()) return &known->second;
    int& attempts = menuAttempts_[w->facts.id];
    if (attempts >= kMenuReadAttempts) return nullptr;
    ++attempts;
    // Away from the bar, so that no title is lit up while the captions are read.
    const Point rest{w->client.x + 2, w->client.y + w->client.height - 3};
    xdotool({"mousemove", std::to_string(rest.x), std::to_string(rest.y)});
    std::this_thread::sleep_for(200ms);
    const MenuBar bar = MenuBar::fromInk(desk_.inkColumns(w->menuBar));
    if (bar.count() == w->profile->menuTitles) return &menus_.emplace(w->facts.id, bar).first->second;
    if (attempts == kMenuReadAttempts)
        warn("the menu bar of \"" + w->facts.title + "\" showed " + std::to_string(bar.count()) +
             " titles, not " + std::to_string(w->profile->menuTitles) + ": its menus were left alone");
    return nullptr;
}

std::vector<Point> SoakRun::hotPointsOf(const Scene& scene) {
    const SeenWindow* w = scene.topmost(WindowKind::Working);
    if (!w || w->profile->hotColours.empty()) return {};
    return desk_.pointsShowing(w->client, w->profile->hotColours, 4);
}

void SoakRun::perform(const Action& action, const Scene& scene) {
    if (action.kind == Action::Kind::Wait) {
        std::this_thread::sleep_for(100ms);
        return;
    }
    std::string where;
    if (const SeenWindow* w = scene.topmost(WindowKind::Working)) where = "[" + w->facts.title + "] ";
    for (const SeenWindow& w : scene.windows())
        if (w.kind == WindowKind::MessageBox || w.kind == WindowKind::Popup)
            where += "[" + std::string(kindName(w.kind)) + "] ";
    log(where + action.describe());
    if (action.kind == Action::Kind::CloseWindow)
        desk_.requestClose(action.window);
    else if (const int status = xdotool(action.xdotoolArguments()); status != 0)
        warn("xdotool ended with status " + std::to_string(status));
    ++report_.gestures;
    report_.inputEvents += action.inputEvents();
    if (action.endsProgram) endRequested_ = Clock::now();
    if (action.leavesWindow) awaitGone(action);
}

// A command that closes its window: the window must go, and the next gesture waits until it has.
void SoakRun::awaitGone(const Action& action) {
    const auto until = Clock::now() + kGoneWithin;
    while (Clock::now() < until) {
        if (process_->poll()) return;
        const auto windows = desk_.windowsOf(process_->pid());
        if (std::none_of(windows.begin(), windows.end(),
                         [&](const WindowFacts& f) { return f.id == action.window; })) {
            std::this_thread::sleep_for(300ms);
            return;
        }
        std::this_thread::sleep_for(50ms);
    }
    fail("\"" + action.label + "\" did not close its window within 5 s");
}

void SoakRun::finish() {
    log("closing");
    const auto until = Clock::now() + kClosingLimit;
    while (Clock::now() < until && report_.ok()) {
        if (const auto status = process_->poll()) {
            collectSanitizerReports();
            if (!endRequested_ || !WIFEXITED(*status) || WEXITSTATUS(*status) != 0)
                fail("the program ended badly while being closed (" + describeWaitStatus(*status) + ")");
            else
                log("ended on command (" + describeWaitStatus(*status) + ")");
            return;
        }
        if (endRequested_) {
            if (Clock::now() - *endRequested_ > kEndWithin)
                fail("the ending command did not end the program within 20 s");
            std::this_thread::sleep_for(100ms);
            continue;
        }
        sampleMemory();
        const Scene scene = look();
        perform(planner_.closing(scene, menuOf(scene)), scene);
        std::this_thread::sleep_for(300ms);
    }
    if (report_.ok()) fail("the program did not end within 60 s of closing commands");
}

void SoakRun::collectSanitizerReports() {
    DIR* dir = opendir(options_.logDir.c_str());
    if (!dir) return;
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.rfind("sanitizer.", 0) != 0) continue;
        const std::string path = options_.logDir + "/" + name;
        if (!reported_.insert(path).second) continue;
        fail("sanitizer report " + path + ":\n" + readFile(path));
    }
    closedir(dir);
}

SoakReport SoakRun::run() {
    start_ = Clock::now();
    const auto deadline =
        start_ + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(options_.seconds));
    startProgram();
    while (Clock::now() < deadline && report_.ok()) {
        if (!watchProcess()) break;
        sampleMemory();
        if (endRequested_) {
            std::this_thread::sleep_for(100ms);
            continue;
        }
        const Scene scene = look();
        if (!watchStalls(scene)) break;
        const MenuBar* menu = menuOf(scene);
        perform(planner_.next(scene, menu, hotPointsOf(scene)), scene);
        pause(20, 150);
    }
    if (report_.ok()) finish();
    if (!process_->poll()) process_->kill();
    collectSanitizerReports();

    report_.firstPeakKb = memory_.firstPeakKb();
    report_.referencePeakKb = memory_.referencePeakKb();
    report_.endPeakKb = memory_.endPeakKb();
    report_.referenceSeconds = memory_.referenceSeconds();
    report_.growth = memory_.growthText();
    report_.referenceFloorKb = memory_.referenceFloorKb();
    report_.endFloorKb = memory_.endFloorKb();
    if (report_.ok() && memory_.growing())
        fail("peak memory grew " + report_.growth + " after " +
             std::to_string(static_cast<int>(memory_.referenceSeconds())) + " s (more than 5%)");
    return report_;
}

} // namespace soak
