#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>
#include <string>

#include "ChildProcess.h"
#include "TempFolder.h"

namespace {

// The Debian package is made from the same install rules: the program, both libraries, the PPDs,
// the filter, data, desktop entry, icons and manual page under /usr, nothing else (no emulator,
// no tools, no tests).
TEST(Package, HoldsTheInstalledTreeUnderUsr) {
    TempFolder out;
    std::string output;
    ASSERT_EQ(
        ChildProcess::Run({CPACK_COMMAND, "--config",
                           std::string(SERVATO_BUILD_DIR) + "/CPackConfig.cmake", "-B", out.Path()},
                          output, 120000),
        0)
        << output;
    const std::string deb = out.Path() + "/servato2_2.0.0_amd64.deb";
    ASSERT_EQ(ChildProcess::Run({"dpkg-deb", "-c", deb}, output), 0) << output;
    std::set<std::string> files;
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);)
        if (!line.empty() && line[0] != 'd') files.insert(line.substr(line.rfind(' ') + 1));

    const std::string lib = std::string("./usr/") + SERVATO_INSTALL_LIBRARY_DIR + "/";
    std::set<std::string> expected = {"./usr/bin/servato2",
                                      lib + "librqapi.so",
                                      lib + "libztset32.so",
                                      "./usr/lib/cups/filter/servato2-command",
                                      "./usr/share/ppd/servato2/ZENTA_Corvid_2000.ppd",
                                      "./usr/share/ppd/servato2/ZENTA_Corvid_4000.ppd",
                                      "./usr/share/applications/servato2.desktop",
                                      "./usr/share/man/man1/servato2.1",
                                      "./usr/share/servato2/Sample.bmp"};
    for (const std::string size : {"16", "32", "48", "256"})
        expected.insert("./usr/share/icons/hicolor/" + size + "x" + size + "/apps/servato2.png");
    for (const std::string folder : {"settings", "manual"}) {
        for (const auto& entry :
             std::filesystem::directory_iterator(std::string(SERVATO_SOURCE_DIR) + "/" + folder))
            expected.insert("./usr/share/servato2/" +
                            std::string(folder == "settings" ? "S" : "M") + folder.substr(1) + "/" +
                            entry.path().filename().string());
    }
    EXPECT_EQ(files, expected);
}

}  // namespace
