// SPDX-License-Identifier: GPL-3.0-or-later
// The runtime folder and the session bus, named before the libraries look for them.
#include "toolkit/core/QuietSession.h"

#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace tk {

namespace {

bool isSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

// What Qt accepts as a runtime folder: a folder of this user that nobody else may enter.
bool isPrivateFolderOfMine(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == getuid() &&
           (st.st_mode & 0777) == 0700;
}

} // namespace

void quietSession() {
    if (!isSet("XDG_RUNTIME_DIR")) {
        const std::string own = "/run/user/" + std::to_string(getuid());
        if (isPrivateFolderOfMine(own)) setenv("XDG_RUNTIME_DIR", own.c_str(), 1);
    }
    if (!isSet("DBUS_SESSION_BUS_ADDRESS"))
        setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/no-session-bus", 1);
    // libpulse prints its own complaints on stderr, past Qt's message handler (on a machine short of
    // memory: "mmap() failed" for each sound); the system journal is where they belong.
    if (!isSet("PULSE_LOG_SYSLOG") && !isSet("PULSE_LOG_JOURNAL")) setenv("PULSE_LOG_JOURNAL", "1", 1);
}

} // namespace tk
