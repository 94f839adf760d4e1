#include "JobLog.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <string>
#include <thread>

void JobLog::Line(std::string_view prefix, std::string_view text) {
    std::string line;
    line.reserve(prefix.size() + text.size() + 3);
    line.append(prefix).append(": ").append(text).append("\n");
    std::string_view rest = line;
    while (!rest.empty()) {
        const ssize_t written = write(fd_, rest.data(), rest.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return;
        rest.remove_prefix(static_cast<size_t>(written));
    }
}

void JobLog::AwaitReader(int limitMs) const {
    for (int waitedMs = 0; waitedMs < limitMs; ++waitedMs) {
        int unread = 0;
        if (ioctl(fd_, FIONREAD, &unread) != 0 || unread <= 0) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}
