#include <cups/cups.h>
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "ChildProcess.h"
#include "CupsSandbox.h"
#include "EmulatedPrinter.h"
#include "FileText.h"

namespace {

// Media ids of settings/Media.ini that media lists offer (mediaCode not -1).
std::set<int> OfferedMedia() {
    std::set<int> ids;
    const std::string table = ReadFileText(std::string(SERVATO_SOURCE_DIR) + "/settings/Media.ini");
    const std::regex record(R"(^MEDIA\d+=(-?\d+),(-?\d+),)", std::regex::multiline);
    for (auto it = std::sregex_iterator(table.begin(), table.end(), record);
         it != std::sregex_iterator(); ++it) {
        if (std::stoi((*it)[2]) != -1) ids.insert(std::stoi((*it)[1]));
    }
    return ids;
}

std::set<int> MediaChoices(const std::string& ppd) {
    std::set<int> ids;
    const std::regex choice(R"(^\*MediaType Media(\d+)/[^:]+: "")", std::regex::multiline);
    for (auto it = std::sregex_iterator(ppd.begin(), ppd.end(), choice);
         it != std::sregex_iterator(); ++it) {
        ids.insert(std::stoi((*it)[1]));
    }
    return ids;
}

TEST(ModelPpd, ValidCompleteInstalledWithTheDriverFolderAndPassingPdfThrough) {
    CupsSandbox sandbox;
    ASSERT_TRUE(sandbox.Start());
    const std::set<int> offered = OfferedMedia();
    ASSERT_FALSE(offered.empty());
    for (const std::string model : {"ZENTA Corvid 4000", "ZENTA Corvid 2000"}) {
        SCOPED_TRACE(model);
        const std::string path = CupsSandbox::PpdPath(model);
        std::string output;
        EXPECT_EQ(ChildProcess::Run({"cupstestppd", "-W", "all", path}, output), 0) << output;
        const std::string ppd = ReadFileText(path);
        EXPECT_EQ(MediaChoices(ppd), offered);
        for (const std::string& line :
             {"*NickName: \"" + model + "\"", "*ModelName: \"" + model + "\"",
              std::string("*Manufacturer: \"ZENTA\""), std::string("*RQAPII: \"librqapi.so\""),
              std::string("*ZTDriverFolder: \"@DRIVER_FOLDER@\"")}) {
            EXPECT_NE(ppd.find(line + "\n"), std::string::npos) << line;
        }

        const std::string queue = "Ppd_" + model.substr(model.rfind(' ') + 1);
        ASSERT_TRUE(sandbox.AddQueue(queue, "socket://127.0.0.250:9100", model));
        const auto freeDest = [](cups_dest_t* dest) { cupsFreeDests(1, dest); };
        std::unique_ptr<cups_dest_t, decltype(freeDest)> dest(
            cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.c_str(), nullptr), freeDest);
        ASSERT_TRUE(dest);
        EXPECT_STREQ(cupsGetOption("printer-make-and-model", dest->num_options, dest->options),
                     model.c_str());
        const std::string installedText = ReadFileText(sandbox.Folder() + "/ppd/" + queue + ".ppd");
        EXPECT_NE(installedText.find(std::string("*ZTDriverFolder: \"") + SERVATO_BIN_DIR + "\""),
                  std::string::npos);
    }

    // Sample pages are PDF documents: the pass-through filter must hand them to the printer as
    // they are, not converted or rasterised.
    EmulatedPrinter printer(sandbox);
    ASSERT_TRUE(printer.Start());
    const std::string pdf =
        "%PDF-1.4\n1 0 obj<</Type/Catalog/Pages 2 0 R>>endobj\n"
        "2 0 obj<</Type/Pages/Kids[3 0 R]/Count 1>>endobj\n"
        "3 0 obj<</Type/Page/Parent 2 0 R/MediaBox[0 0 200 200]>>endobj\n"
        "trailer<</Root 1 0 R>>\n%%EOF\n";
    const std::string file = sandbox.Folder() + "/sample.pdf";
    std::ofstream(file, std::ios::binary) << pdf;
    std::string output;
    ASSERT_EQ(ChildProcess::Run({"lp", "-h", sandbox.Server(), "-d", printer.Queue(), "-o",
                                 "MediaType=Media3", file},
                                output),
              0)
        << output;
    const auto jobs = printer.WaitForJournal(EmulatedPrinter::Event("job"), 1);
    ASSERT_EQ(jobs.size(), 1u) << sandbox.ErrorLog();
    EXPECT_EQ(jobs[0].Bytes(), std::vector<uint8_t>(pdf.begin(), pdf.end()));
}

}  // namespace
