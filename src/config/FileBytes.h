#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

// The bytes of a regular file, read in one go up to a size limit. Only regular files are read: a
// folder fails, and a pipe put in a file's place cannot make the program wait for a writer.
class FileBytes {
  public:
    // False when the path is not a regular file that can be opened and read.
    bool Read(const std::string& path, size_t maxSize);

    std::string_view View() const { return {data_.get(), size_}; }
    // False when the file was larger than the limit and only its beginning was read.
    bool IsWhole() const { return whole_; }

  private:
    std::unique_ptr<char[]> data_;
    size_t size_ = 0;
    bool whole_ = false;
};
