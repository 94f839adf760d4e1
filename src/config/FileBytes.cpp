#include "config/FileBytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "config/FileDescriptor.h"

bool FileBytes::Read(const std::string& path, size_t maxSize) {
    size_ = 0;
    whole_ = false;
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!file.Valid()) return false;
    struct stat info {};
    if (::fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
    const auto fileSize = static_cast<size_t>(std::max<off_t>(info.st_size, 0));
    const size_t room = std::min(fileSize, maxSize);
    data_ = std::make_unique_for_overwrite<char[]>(room + 1);
    while (size_ < room) {
        const ssize_t got = ::read(file.Get(), data_.get() + size_, room - size_);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return false;
        if (got == 0) break;  // the file shrank while it was read
        size_ += static_cast<size_t>(got);
    }
    whole_ = fileSize <= maxSize;
    return true;
}
