#pragma once

#include <cstddef>
#include <ctime>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "custompaper/CustomPaperFileEntry.h"

// A custom paper file: settings for the printer driver, kept on disk for one printer model as an
// initialization file with a section "Base" and one section "Media01", "Media02", ... per
// setting. Every value is read afresh from the file, so each read sees what the file holds now.
// A write changes the file as a whole: after it the file holds either all of the new setting or
// exactly what it held before.
class CustomPaperFile {
  public:
    // Names are kept in the file with at most this many characters.
    static constexpr size_t kNameLength = 16;
    // The local time a write puts into the file.
    using LocalClock = std::function<std::tm()>;

    CustomPaperFile();
    explicit CustomPaperFile(LocalClock clock);

    // Makes `path` the open file when its "Model" is `printerModel` (a leading "ZENTA " of the
    // printer's model does not count) and its format is not newer than this program's. 0, or -1
    // with no file open.
    int Open(const std::string& path, std::string_view printerModel);
    // The open file; empty when none is.
    const std::string& Path() const { return path_; }

    // The number of settings, 0 when the file's count is not a number; -1 when no file is open or
    // the file has no count.
    int GetMediaCount() const;
    // The names of settings 1..n, each cut to 16 characters. -1, with `names` unchanged, when n is
    // below 1, the count cannot be read or is above n, or a setting of 1..n has no name.
    int ReadNames(std::vector<std::string>& names, int n) const;
    // Setting k (1-based) into `entry`, except the print mode values "Hres", "Vres" and "Mw",
    // which `entry` keeps. -1, with `entry` unchanged, when k is not a setting of the count or one
    // of the keys read is missing.
    int ReadEntry(int k, CustomPaperFileEntry& entry) const;

    // Stores `entry` as setting k of the file at `path`, made for `modelName`, and stamps the
    // file. A new file is created; an existing one must open for the model (it is then the open
    // file) and keeps its other settings; the count grows to k when k is beyond it. 0, or -1 with
    // the file as it was.
    int Write(const std::string& path, std::string_view modelName, int k,
              const CustomPaperFileEntry& entry);

  private:
    LocalClock clock_;
    std::string path_;
};
