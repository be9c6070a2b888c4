// SPDX-License-Identifier: GPL-3.0-or-later
// Closed standard descriptors come back as /dev/null; open ones are left alone.
#include "toolkit/core/StandardStreams.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

bool isDevNull(int fd) {
    struct stat of {
    }, devNull{};
    return fstat(fd, &of) == 0 && stat("/dev/null", &devNull) == 0 && of.st_rdev == devNull.st_rdev &&
           S_ISCHR(of.st_mode);
}

TEST(StandardStreams, ClosedOnesReopenOnDevNullAndNothingTakesTheirPlace) {
    // In a child, as closing this process's own descriptors would blind the test.
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        const int keptOut = dup(STDOUT_FILENO);
        close(STDIN_FILENO);
        close(STDERR_FILENO);
        tk::openMissingStandardStreams();
        bool ok = isDevNull(STDIN_FILENO) && isDevNull(STDERR_FILENO) && !isDevNull(STDOUT_FILENO);
        // What the program opens next gets a descriptor of its own.
        const int next = open("/dev/zero", O_RDONLY);
        ok = ok && next > STDERR_FILENO && next != keptOut;
        _exit(ok ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

} // namespace
