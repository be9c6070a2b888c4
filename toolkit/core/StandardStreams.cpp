// SPDX-License-Identifier: GPL-3.0-or-later
// /dev/null on closed standard descriptors.
#include "toolkit/core/StandardStreams.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace tk {

void openMissingStandardStreams() {
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
        // The lowest free descriptor is this one, as those below it are open.
        const int opened = open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY);
        if (opened != -1 && opened != fd) {
            dup2(opened, fd);
            close(opened);
        }
    }
}

} // namespace tk
