// SPDX-License-Identifier: GPL-3.0-or-later
// Starting a program with added environment, its output in a file, and telling how it ended.
#include "tools/soak/ProgramProcess.h"

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace soak {
namespace {

class ProgramProcessTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/soak-process.XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
    }
    void TearDown() override {
        if (std::system(("rm -rf " + dir_).c_str()) != 0) ADD_FAILURE() << "could not remove " << dir_;
    }

    std::string script(const std::string& body) {
        std::string path = dir_ + "/program.sh";
        std::ofstream(path) << "#!/bin/sh\n" << body << "\n";
        chmod(path.c_str(), 0755);
        return path;
    }
    std::string output() const {
        std::ifstream in(dir_ + "/out");
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    std::string dir_;
};

TEST_F(ProgramProcessTest, AddedEnvironmentReplacesTheDriversOwnAndOutputGoesToTheFile) {
    setenv("SOAK_PROBE", "driver", 1);
    ProgramProcess p(script("echo \"$SOAK_PROBE\"; env | grep -c '^SOAK_PROBE='; echo oops >&2"),
                     {"SOAK_PROBE=program"}, dir_ + "/out");
    const auto status = p.waitFor(std::chrono::seconds(10));
    ASSERT_TRUE(status);
    EXPECT_EQ(describeWaitStatus(*status), "exit status 0");
    EXPECT_EQ(output(), "program\n1\noops\n");
    unsetenv("SOAK_PROBE");
}

TEST_F(ProgramProcessTest, TellsAnExitStatusFromASignal) {
    ProgramProcess failing(script("exit 3"), {}, dir_ + "/out");
    EXPECT_EQ(describeWaitStatus(*failing.waitFor(std::chrono::seconds(10))), "exit status 3");

    ProgramProcess aborting(script("kill -ABRT $$"), {}, dir_ + "/out");
    const std::string text = describeWaitStatus(*aborting.waitFor(std::chrono::seconds(10)));
    EXPECT_EQ(text.rfind("killed by signal " + std::to_string(SIGABRT), 0), 0u) << text;
}

TEST_F(ProgramProcessTest, ReportsPeakMemoryWhileRunningAndNoneOnceKilled) {
    ProgramProcess p(script("exec sleep 30"), {}, dir_ + "/out");
    std::optional<ProgramProcess::Memory> memory;
    for (int i = 0; i < 50 && !memory; ++i) {
        memory = p.memory();
        usleep(20000);
    }
    ASSERT_TRUE(memory);
    EXPECT_GT(memory->residentKb, 0);
    EXPECT_GE(memory->peakKb, memory->residentKb);
    EXPECT_FALSE(p.poll());
    p.kill();
    ASSERT_TRUE(p.poll());
    EXPECT_EQ(describeWaitStatus(*p.poll()).rfind("killed by signal 9", 0), 0u);
    EXPECT_FALSE(p.memory());
}

TEST_F(ProgramProcessTest, AMissingProgramCannotStart) {
    EXPECT_THROW(ProgramProcess(dir_ + "/missing", {}, dir_ + "/out"), std::runtime_error);
}

} // namespace
} // namespace soak
