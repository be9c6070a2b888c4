// SPDX-License-Identifier: GPL-3.0-or-later
// Starting, watching and ending the program under test.
#include "tools/soak/ProgramProcess.h"

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace soak {

namespace {

// The program now running, for the signal handler.
volatile sig_atomic_t running = 0;

void stopWithProgram(int signal) {
    if (running > 0) ::kill(static_cast<pid_t>(running), SIGKILL);
    _exit(128 + signal);
}

} // namespace

void killProgramWhenStopped() {
    for (int s : {SIGTERM, SIGINT, SIGHUP})
        std::signal(s, stopWithProgram);
}

ProgramProcess::ProgramProcess(const std::string& binary, const std::vector<std::string>& environment,
                               const std::string& outputPath) {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        const std::string name = entry.substr(0, entry.find('='));
        bool replaced = false;
        for (const std::string& added : environment)
            replaced = replaced || added.substr(0, added.find('=')) == name;
        if (!replaced) env.push_back(entry);
    }
    env.insert(env.end(), environment.begin(), environment.end());
    std::vector<char*> envp;
    envp.reserve(env.size() + 1);
    for (std::string& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);

    std::string program = binary;
    char* argv[] = {program.data(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outputPath.c_str(),
                                     O_WRONLY | O_CREAT | O_APPEND, 0644);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    const int error = posix_spawn(&pid_, binary.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) throw std::runtime_error("cannot start " + binary + ": " + std::strerror(error));
    running = pid_;
}

ProgramProcess::~ProgramProcess() {
    kill();
}

std::optional<int> ProgramProcess::poll() {
    if (status_) return status_;
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) ended(status);
    return status_;
}

std::optional<int> ProgramProcess::waitFor(std::chrono::milliseconds limit) {
    const auto until = std::chrono::steady_clock::now() + limit;
    while (!poll() && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    return status_;
}

std::optional<ProgramProcess::Memory> ProgramProcess::memory() const {
    if (status_) return std::nullopt;
    std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
    std::string line;
    Memory m;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) m.residentKb = std::stol(line.substr(6));
        if (line.rfind("VmHWM:", 0) == 0) m.peakKb = std::stol(line.substr(6));
    }
    if (m.peakKb == 0) return std::nullopt;
    return m;
}

void ProgramProcess::ended(int status) {
    status_ = status;
    if (running == pid_) running = 0;
}

void ProgramProcess::kill() {
    if (poll()) return;
    ::kill(pid_, SIGKILL);
    int status = 0;
    if (waitpid(pid_, &status, 0) == pid_) ended(status);
}

std::string describeWaitStatus(int status) {
    if (WIFEXITED(status)) return "exit status " + std::to_string(WEXITSTATUS(status));
    if (WIFSIGNALED(status))
        return "killed by signal " + std::to_string(WTERMSIG(status)) + " (" + strsignal(WTERMSIG(status)) +
               ")";
    return "wait status " + std::to_string(status);
}

} // namespace soak
