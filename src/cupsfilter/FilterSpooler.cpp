#include "FilterSpooler.h"

#include <unistd.h>

#include <cerrno>

FilterSpooler::FilterSpooler(const std::string& ppdPath, int outputFd)
    : ppd_(ppdPath), outputFd_(outputFd) {}

int FilterSpooler::WriteRawJob(const std::string&, const std::string&,
                               std::span<const uint8_t> data) {
    while (!data.empty()) {
        const ssize_t written = write(outputFd_, data.data(), data.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return -1;
        data = data.subspan(static_cast<size_t>(written));
    }
    return 0;
}

std::string FilterSpooler::DriverAttribute(const std::string&, const std::string& key) {
    return ppd_.Attribute(key);
}

std::string FilterSpooler::DriverFolder(const std::string&) {
    return ppd_.DriverFolder();
}
