// SPDX-License-Identifier: GPL-3.0-or-later
// One soak of one program: starts it, drives it with random gestures for a set time, restarts it after
// each deliberate exit, samples its peak memory, and ends it with its own commands. Fails on a crash, a
// sanitizer report, an exit no command asked for, a stall, or memory still growing after the warm-up.
#pragma once

#include "tools/soak/ActionPlanner.h"
#include "tools/soak/MemoryJudge.h"
#include "tools/soak/ProgramProcess.h"
#include "tools/soak/XDesk.h"

#include <chrono>
#include <cstdint>
#include <deque>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace soak {

struct SoakOptions {
    std::string program; // filarino, cestaro or intarsello
    std::string binary;
    std::string logDir; // sanitizer reports, program output, gesture log and memory samples go here
    double seconds = 60;
    std::uint64_t seed = 1;
    PlannerRates rates;
};

struct SoakReport {
    std::vector<std::string> failures;
    std::vector<std::string> warnings;
    long gestures = 0;
    long inputEvents = 0;
    int restarts = 0;
    long firstPeakKb = 0;
    long referencePeakKb = 0;
    long endPeakKb = 0;
    double referenceSeconds = 0;
    std::string growth;
    long referenceFloorKb = 0; // lowest resident size before the reference time
    long endFloorKb = 0;       // lowest resident size at the end
    bool ok() const { return failures.empty(); }
};

class SoakRun {
public:
    SoakRun(SoakOptions options, XDesk& desk);
    SoakReport run();

private:
    using Clock = std::chrono::steady_clock;

    void startProgram();
    bool watchProcess();
    void sampleMemory();
    Scene look();
    bool watchStalls(const Scene& scene);
    const MenuBar* menuOf(const Scene& scene);
    std::vector<Point> hotPointsOf(const Scene& scene);
    void perform(const Action& action, const Scene& scene);
    void awaitGone(const Action& action);
    void finish();
    void collectSanitizerReports();
    void fail(const std::string& why);
    void warn(const std::string& what); // once per text
    void pause(int lowMs, int highMs);
    double elapsed() const;
    void log(const std::string& line);

    SoakOptions options_;
    XDesk& desk_;
    const ProgramProfile& profile_;
    ActionPlanner planner_;
    MemoryJudge memory_;
    SoakReport report_;
    std::unique_ptr<ProgramProcess> process_;
    Clock::time_point start_;
    Clock::time_point lastSample_;
    std::optional<Clock::time_point> endRequested_; // an ending command was sent and the end is awaited
    std::optional<Clock::time_point> nothingSince_; // no window of the program on screen since then
    std::optional<Clock::time_point> behindSince_;  // the working window behind a backdrop since then
    unsigned long boxId_ = 0;
    std::optional<Clock::time_point> boxSince_;
    bool windowSeen_ = false; // the current run has shown a window
    std::map<unsigned long, MenuBar> menus_;
    std::map<unsigned long, int> menuAttempts_;
    std::set<std::string> reported_;
    std::deque<std::string> recent_;
    std::ofstream gestureLog_;
    std::ofstream memoryLog_;
    std::mt19937 pauses_;
};

} // namespace soak
