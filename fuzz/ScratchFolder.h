#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

// A folder of the fuzzing process's own, memory-backed where there is such a folder (the input is
// rewritten for every run), removed with everything in it when the process ends.
class ScratchFolder {
  public:
    explicit ScratchFolder(const std::string& name) {
        for (const char* base : {"/dev/shm/", "/tmp/"}) {
            path_ = base + name + "-XXXXXX";
            if (::mkdtemp(path_.data()) != nullptr) return;
        }
        std::abort();
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Path() const { return path_; }
    // Writes the input as the file of that name in the folder; false when it cannot.
    bool Write(const std::string& name, const uint8_t* data, size_t size) const {
        std::FILE* file = std::fopen((path_ + "/" + name).c_str(), "wb");
        if (file == nullptr) return false;
        std::fwrite(data, 1, size, file);
        return std::fclose(file) == 0;
    }

  private:
    std::string path_;
};
