#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "FileText.h"
#include "TempFolder.h"

namespace {

// The files of a source folder as the package holds them under `installed`.
void AddFolder(std::set<std::string>& files, const std::string& source,
               const std::string& installed) {
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(SERVATO_SOURCE_DIR) + "/" + source))
        files.insert(installed + "/" + entry.path().filename().string());
}

// The Debian package is made from the same install rules: the program, both libraries, the PPDs
// naming their installed places, the filter, data, desktop entry, icons and manual page under
// /usr, and nothing else (no emulator, no tools, no tests); purging it removes all of it.
TEST(Package, HoldsTheInstalledTreeUnderUsrAndLeavesNothingBehind) {
    TempFolder out;
    std::string output;
    ASSERT_EQ(
        ChildProcess::Run({CPACK_COMMAND, "--config",
                           std::string(SERVATO_BUILD_DIR) + "/CPackConfig.cmake", "-B", out.Path()},
                          output, 120000),
        0)
        << output;
    const std::string deb = out.Path() + "/servato2_2.0.0_amd64.deb";
    std::string listing;
    ASSERT_EQ(ChildProcess::Run({"dpkg-deb", "-c", deb}, listing), 0) << listing;

    std::set<std::string> files;
    std::istringstream lines(listing);
    for (std::string line; std::getline(lines, line);)
        if (!line.empty() && line[0] != 'd') files.insert(line.substr(line.rfind(' ') + 1));

    const std::string lib = std::string("./usr/") + SERVATO_INSTALL_LIBRARY_DIR;
    std::set<std::string> expected = {
        "./usr/bin/servato2",
        lib + "/librqapi.so",
        lib + "/libztset32.so",
        "./usr/lib/cups/filter/servato2-command",
        "./usr/share/ppd/servato2/ZENTA_Corvid_2000.ppd",
        "./usr/share/ppd/servato2/ZENTA_Corvid_4000.ppd",
        "./usr/share/applications/servato2.desktop",
        "./usr/share/man/man1/servato2.1",
    };
    for (const std::string size : {"16", "32", "48", "256"})
        expected.insert("./usr/share/icons/hicolor/" + size + "x" + size + "/apps/servato2.png");
    AddFolder(expected, "settings", "./usr/share/servato2/Settings");
    AddFolder(expected, "manual", "./usr/share/servato2/Manual");
    EXPECT_EQ(files, expected);

    ASSERT_EQ(ChildProcess::Run({"dpkg-deb", "-x", deb, out.Path() + "/root"}, output), 0)
        << output;
    const std::string ppd =
        ReadFileText(out.Path() + "/root/usr/share/ppd/servato2/ZENTA_Corvid_4000.ppd");
    EXPECT_NE(ppd.find("*ZTDriverFolder: \"" + lib.substr(1) + "\"\n"), std::string::npos);
    EXPECT_NE(ppd.find(" 0 /usr/lib/cups/filter/servato2-command\"\n"), std::string::npos);

    // Installed by dpkg into an empty root and purged again, nothing stays behind. The package's
    // scripts run outside that root, so a stand-in ldconfig keeps the machine's own untouched.
    const std::string root = out.Path() + "/dpkg-root";
    std::filesystem::create_directories(root + "/var/lib/dpkg/info");
    std::filesystem::create_directories(root + "/var/lib/dpkg/updates");
    std::filesystem::create_directories(out.Path() + "/bin");
    out.Write("dpkg-root/var/lib/dpkg/status", "");
    out.Write("bin/ldconfig", "#!/bin/sh\n");
    std::filesystem::permissions(out.Path() + "/bin/ldconfig", std::filesystem::perms(0755));
    const std::string path = "PATH=" + out.Path() + "/bin:/usr/sbin:/usr/bin:/sbin:/bin";
    const std::vector<std::string> dpkg = {"env",
                                           path,
                                           "dpkg",
                                           "--root=" + root,
                                           "--force-script-chrootless",
                                           "--force-depends",
                                           "--force-not-root"};
    auto with = [&dpkg](std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), dpkg.begin(), dpkg.end());
        return arguments;
    };
    ASSERT_EQ(ChildProcess::Run(with({"-i", deb}), output), 0) << output;
    EXPECT_TRUE(std::filesystem::exists(root + "/usr/bin/servato2"));
    ASSERT_EQ(ChildProcess::Run(with({"--purge", "servato2"}), output), 0) << output;
    EXPECT_FALSE(std::filesystem::exists(root + "/usr")) << output;
}

}  // namespace
