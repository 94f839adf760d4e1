#include "InstalledTree.h"

#include <stdlib.h>

#include <filesystem>

#include "ChildProcess.h"

InstalledTree::~InstalledTree() {
    if (prefix_.empty()) return;
    if (::testing::Test::HasFailure()) {
        std::fprintf(stderr, "Installed tree kept for inspection: %s\n", prefix_.c_str());
        return;
    }
    std::error_code ignored;
    std::filesystem::remove_all(prefix_, ignored);
}

::testing::AssertionResult InstalledTree::Install() {
    char pattern[] = "/tmp/servato-install.XXXXXX";
    if (mkdtemp(pattern) == nullptr)
        return ::testing::AssertionFailure() << "cannot create an installation folder under /tmp";
    prefix_ = pattern;
    std::filesystem::permissions(prefix_, std::filesystem::perms(0755));
    std::string output;
    if (ChildProcess::Run({CMAKE_COMMAND, "--install", SERVATO_BUILD_DIR, "--prefix", prefix_},
                          output) != 0)
        return ::testing::AssertionFailure() << "cmake --install failed:\n" << output;
    return ::testing::AssertionSuccess();
}
