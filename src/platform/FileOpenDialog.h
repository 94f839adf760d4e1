#pragma once

#include <optional>
#include <string>

class QWidget;

// The platform's file-open dialog. A test sets the next answer, which the next Choose gives
// without showing anything.
class FileOpenDialog {
  public:
    // `filter` is written as the settings texts write it: pairs of a description and its
    // patterns, each ended by '|', the list ended by a second '|' ("Bitmap File(*.BMP)|*.BMP||").
    // The full path chosen, or empty when the user cancelled. owner may be null.
    std::string Choose(QWidget* owner, const std::string& filter,
                       const std::string& defaultExtension);
    // An empty path answers as a cancelled dialog.
    void SetNextAnswer(std::string path) { nextAnswer_ = std::move(path); }

  private:
    std::optional<std::string> nextAnswer_;
};
