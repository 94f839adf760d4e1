#pragma once

#include <string>

// Opens a local file with the desktop's default handler (manual pages).
class DesktopOpener {
  public:
    // An empty path opens nothing; false when nothing was opened.
    static bool OpenFile(const std::string& path);
};
