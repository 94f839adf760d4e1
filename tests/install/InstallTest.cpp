#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "CupsSandbox.h"
#include "EmulatedPrinter.h"
#include "FileText.h"
#include "InstalledTree.h"
#include "QueueRequests.h"
#include "TempFolder.h"
#include "platform/ProgramFolder.h"

namespace {

TEST(ProgramFolder, InstalledTheShareFolderElseBesideTheProgram) {
    struct Row {
        const char* layout;
        std::vector<std::string> folders;
        std::string expected;  // relative to the layout's root
    };
    const std::vector<Row> rows = {
        {"installed", {"bin", "share/servato2/Settings"}, "share/servato2"},
        {"build tree", {"bin/Settings", "bin/Manual"}, "bin"},
        {"data missing", {"bin"}, "bin"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.layout);
        TempFolder root;
        for (const std::string& folder : row.folders)
            std::filesystem::create_directories(root.Path() + "/" + folder);
        EXPECT_EQ(ProgramFolderOf(root.Path() + "/bin"), root.Path() + "/" + row.expected);
    }
    EXPECT_EQ(ProgramFolderOf(""), "");
}

TEST(InstalledTree, ListsBothModelsAndAddsAQueueThatPrints) {
    InstalledTree tree;
    ASSERT_TRUE(tree.Install());
    CupsSandbox sandbox;
    sandbox.UsePpdFolder(tree.PpdFolder());
    ASSERT_TRUE(sandbox.Start());

    std::string models;
    ASSERT_EQ(ChildProcess::Run({"lpinfo", "-h", sandbox.Server(), "-m"}, models), 0) << models;
    for (const std::string model : {"ZENTA_Corvid_4000", "ZENTA_Corvid_2000"}) {
        EXPECT_NE(models.find("servato2/" + model + ".ppd " + std::string("ZENTA Corvid ") +
                              model.substr(model.size() - 4)),
                  std::string::npos)
            << models;
        // With the installed places filled in, the PPD passes without the warnings the source
        // tree's copy gets for the filter it does not hold.
        std::string verdict;
        EXPECT_EQ(ChildProcess::Run(
                      {"cupstestppd", tree.PpdFolder() + "/servato2/" + model + ".ppd"}, verdict),
                  0)
            << verdict;
    }

    EmulatedPrinter printer(sandbox, {.model = "ZENTA Corvid 2000"});
    ASSERT_TRUE(printer.Start());
    const std::string uri =
        "socket://" + printer.Address() + ":" + std::to_string(printer.RawPort());
    std::string output;
    ASSERT_EQ(ChildProcess::Run({"lpadmin", "-h", sandbox.Server(), "-p", "Installed", "-E", "-v",
                                 uri, "-m", "servato2/ZENTA_Corvid_2000.ppd"},
                                output),
              0)
        << output;
    EXPECT_NE(
        ReadFileText(sandbox.Folder() + "/ppd/Installed.ppd")
            .find("*ZTDriverFolder: \"" + tree.Prefix() + "/" + SERVATO_INSTALL_LIBRARY_DIR + "\""),
        std::string::npos);

    const std::string file = sandbox.Folder() + "/page.bin";
    const std::string page = "\x1B@page\r\n\x0C";
    std::ofstream(file, std::ios::binary) << page;
    ASSERT_GT(SubmitWithLp(sandbox.Server(), "Installed", {"-o", "raw"}, file, output), 0)
        << output;
    const auto jobs = printer.WaitForJournal(EmulatedPrinter::Event("job"), 1);
    ASSERT_EQ(jobs.size(), 1u) << sandbox.ErrorLog();
    EXPECT_EQ(jobs[0].Bytes(), std::vector<uint8_t>(page.begin(), page.end()));
}

}  // namespace
