// SPDX-License-Identifier: GPL-3.0-or-later
// soak_driver: drives one program with random gestures on the current X display for a set time and says
// whether it held up.
//   soak_driver --program NAME --binary PATH --seconds N --logs DIR [--seed N] [--exit-every GESTURES]
// --exit-every sets how many gestures, on average, pass between commands that end the program (1500).
#include "tools/soak/SoakRun.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

namespace {

int usage() {
    std::fprintf(stderr, "usage: soak_driver --program filarino|cestaro|intarsello --binary PATH --seconds N "
                         "--logs DIR [--seed N] [--exit-every GESTURES]\n");
    return 2;
}

double mebibytes(long kb) {
    return static_cast<double>(kb) / 1024.0;
}

} // namespace

int main(int argc, char** argv) {
    soak::SoakOptions options;
    options.seed = static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i], value = argv[i + 1];
        if (name == "--program")
            options.program = value;
        else if (name == "--binary")
            options.binary = value;
        else if (name == "--seconds")
            options.seconds = std::stod(value);
        else if (name == "--logs")
            options.logDir = value;
        else if (name == "--seed")
            options.seed = std::stoull(value);
        else if (name == "--exit-every" && std::stod(value) >= 1)
            options.rates.ending = 1.0 / std::stod(value);
        else
            return usage();
    }
    if (argc % 2 == 0 || options.program.empty() || options.binary.empty() || options.logDir.empty() ||
        options.seconds <= 0)
        return usage();

    soak::killProgramWhenStopped();
    try {
        soak::XDesk desk;
        std::printf("%s: soaking for %.0f s, seed %llu\n", options.program.c_str(), options.seconds,
                    static_cast<unsigned long long>(options.seed));
        std::fflush(stdout);
        const soak::SoakReport r = soak::SoakRun(options, desk).run();
        for (const std::string& w : r.warnings)
            std::printf("%s: warning: %s\n", options.program.c_str(), w.c_str());
        for (const std::string& f : r.failures)
            std::printf("%s: FAILED: %s\n", options.program.c_str(), f.c_str());
        if (!r.ok())
            std::printf("%s: gestures, memory samples and the program's output are in %s\n",
                        options.program.c_str(), options.logDir.c_str());
        std::printf(
            "%s: %s after %.0f s: %ld gestures (%ld input events), %d restarts; peak RSS %.1f MiB "
            "after start-up, %.1f MiB at %.0f s, %.1f MiB at the end (%s); lowest RSS %.1f MiB before "
            "%.0f s, %.1f MiB at the end\n",
            options.program.c_str(), r.ok() ? "passed" : "FAILED", options.seconds, r.gestures, r.inputEvents,
            r.restarts, mebibytes(r.firstPeakKb), mebibytes(r.referencePeakKb), r.referenceSeconds,
            mebibytes(r.endPeakKb), r.growth.c_str(), mebibytes(r.referenceFloorKb), r.referenceSeconds,
            mebibytes(r.endFloorKb));
        return r.ok() ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "soak_driver: %s\n", e.what());
        return 1;
    }
}
