// SPDX-License-Identifier: GPL-3.0-or-later
// One run of the program under test: started with extra environment and its output in a file, watched
// for its end and its memory, and killed if it is still there when the driver goes.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace soak {

class ProgramProcess {
public:
    // Starts `binary`; `environment` holds NAME=VALUE pairs added to the driver's own.
    // Throws std::runtime_error when the process cannot be started.
    ProgramProcess(const std::string& binary, const std::vector<std::string>& environment,
                   const std::string& outputPath);
    ~ProgramProcess();
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

    int pid() const { return pid_; }
    // The wait status once the process has ended; nothing while it runs.
    std::optional<int> poll();
    // Waits up to `limit` for the end.
    std::optional<int> waitFor(std::chrono::milliseconds limit);
    struct Memory {
        long residentKb = 0; // VmRSS
        long peakKb = 0;     // VmHWM
    };
    // Resident and peak resident size while it runs.
    std::optional<Memory> memory() const;
    // Kills the process (SIGKILL) and reaps it.
    void kill();

private:
    void ended(int status);

    int pid_ = -1;
    std::optional<int> status_;
};

// When the driver itself is stopped (SIGTERM, SIGINT, SIGHUP), the program it runs is killed with it.
void killProgramWhenStopped();

// "exit status 0", "killed by signal 6 (Aborted)".
std::string describeWaitStatus(int status);

} // namespace soak
