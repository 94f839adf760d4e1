#pragma once

#include <cstdint>
#include <span>
#include <string>

// A regular file opened for reading, closed when the object ends. Folders, devices and pipes are
// refused, so a wrong choice in the file dialog can neither block nor be read without end.
class ReadOnlyFile {
  public:
    ReadOnlyFile() = default;
    ~ReadOnlyFile();
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    // False when the path is not a regular file or cannot be opened.
    bool Open(const std::string& path);
    // The size when it was opened.
    uint64_t Size() const { return size_; }
    // Fills `into` from the current position: the count read (less than asked only at the end of
    // the file), or -1 on a read error.
    int64_t Read(std::span<uint8_t> into);

  private:
    int descriptor_ = -1;
    uint64_t size_ = 0;
};
