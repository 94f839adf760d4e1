#pragma once

#include <string>
#include <string_view>

// A fresh folder for one test's settings files, removed with everything in it at the end.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path_; }
    // Writes the bytes as they are (no line-end conversion); returns the file's path.
    std::string Write(std::string_view name, std::string_view content) const;

  private:
    std::string path_;
};
