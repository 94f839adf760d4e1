#include "firmware/ReadOnlyFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

ReadOnlyFile::~ReadOnlyFile() {
    if (descriptor_ >= 0) close(descriptor_);
}

bool ReadOnlyFile::Open(const std::string& path) {
    if (descriptor_ >= 0) return false;
    // Non-blocking, so that opening a pipe returns at once and is then refused below.
    const int descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0) return false;
    struct stat status {};
    if (fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size < 0) {
        close(descriptor);
        return false;
    }
    descriptor_ = descriptor;
    size_ = static_cast<uint64_t>(status.st_size);
    return true;
}

int64_t ReadOnlyFile::Read(std::span<uint8_t> into) {
    if (descriptor_ < 0) return -1;
    size_t filled = 0;
    while (filled < into.size()) {
        const ssize_t count = read(descriptor_, into.data() + filled, into.size() - filled);
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) return -1;
        if (count == 0) break;
        filled += static_cast<size_t>(count);
    }
    return static_cast<int64_t>(filled);
}
