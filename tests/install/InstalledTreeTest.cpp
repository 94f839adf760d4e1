#include <cups/cups.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "ChildProcess.h"
#include "CupsSandbox.h"
#include "EmulatedPrinter.h"
#include "TempFolder.h"
#include "comm/HeadMaintenance.h"
#include "platform/ProgramFolder.h"

namespace {

constexpr int kJobStopped = 6;
constexpr int kJobCompleted = 9;

using Response = std::unique_ptr<ipp_t, decltype(&ippDelete)>;

// All attributes of a job, as a client asks for them.
Response JobAttributes(int job) {
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0,
                     "/jobs/%d", job);
    ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                 "all");
    return Response(cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/"), ippDelete);
}

// The job's state once it has ended (a failed filter stops it) and its state message, which the
// server may take in just after it stopped the job.
std::pair<int, std::string> WaitForJobEnd(int job) {
    for (int polls = 0;; ++polls) {
        const Response response = JobAttributes(job);
        const int state =
            ippGetInteger(ippFindAttribute(response.get(), "job-state", IPP_TAG_ENUM), 0);
        const char* message = ippGetString(
            ippFindAttribute(response.get(), "job-printer-state-message", IPP_TAG_TEXT), 0,
            nullptr);
        const std::string reason = message != nullptr ? message : "";
        if ((state > kJobStopped || (state == kJobStopped && !reason.empty())) || polls == 2000)
            return {state, reason};
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

std::vector<uint8_t> BytesOf(const JobBuffer& job) {
    return {job.Bytes().begin(), job.Bytes().end()};
}

TEST(ProgramFolder, InstalledTheShareFolderElseBesideTheProgram) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> rows = {
        {{"bin", "share/servato2/Settings"}, "share/servato2"},  // installed
        {{"bin/Settings", "bin/Manual"}, "bin"},                 // the build tree
        {{"bin"}, "bin"},
    };
    for (const auto& [folders, expected] : rows) {
        TempFolder root;
        for (const std::string& folder : folders)
            std::filesystem::create_directories(root.Path() + "/" + folder);
        EXPECT_EQ(ProgramFolderOf(root.Path() + "/bin"), root.Path() + "/" + expected);
    }
}

// As a technician installs it: lpinfo -m lists both models, lpadmin -m adds a queue that prints,
// and command jobs from any client reach the printer as the program's own jobs, report the inks,
// or fail with the reason, sending nothing else.
TEST(InstalledTree, QueueFromTheInstalledPpdPrintsAndTakesCommands) {
    TempFolder prefix;  // traversable by lp, which runs the installed filter
    std::filesystem::permissions(prefix.Path(), std::filesystem::perms(0755));
    std::string output;
    ASSERT_EQ(
        ChildProcess::Run(
            {CMAKE_COMMAND, "--install", SERVATO_BUILD_DIR, "--prefix", prefix.Path()}, output),
        0)
        << output;
    CupsSandbox sandbox;
    sandbox.UsePpdFolder(prefix.Path() + "/share/ppd");
    ASSERT_TRUE(sandbox.Start());
    ASSERT_EQ(ChildProcess::Run({"lpinfo", "-h", sandbox.Server(), "-m"}, output), 0) << output;
    EXPECT_NE(output.find("servato2/ZENTA_Corvid_2000.ppd ZENTA Corvid 2000\n"), std::string::npos);
    EXPECT_NE(output.find("servato2/ZENTA_Corvid_4000.ppd ZENTA Corvid 4000\n"), std::string::npos);

    EmulatedPrinter printer(sandbox);
    ASSERT_TRUE(printer.Start());
    const std::string queue = "Installed";
    const std::string uri =
        "socket://" + printer.Address() + ":" + std::to_string(printer.RawPort());
    ASSERT_EQ(ChildProcess::Run({"lpadmin", "-h", sandbox.Server(), "-p", queue, "-E", "-v", uri,
                                 "-m", "servato2/ZENTA_Corvid_4000.ppd"},
                                output),
              0)
        << output;
    // lp of the content; the job's id, or -1 with lp's words in output.
    const auto submit = [&](const std::string& option, const std::string& content) {
        const std::string file = sandbox.Folder() + "/job";
        std::ofstream(file, std::ios::binary | std::ios::trunc) << content;
        if (ChildProcess::Run({"lp", "-h", sandbox.Server(), "-d", queue, "-o", option, file},
                              output) != 0)
            return -1;
        // "request id is QUEUE-ID (1 file(s))"
        const size_t end = output.find(" (");
        const size_t dash = output.rfind('-', end);
        return end != std::string::npos && dash != std::string::npos
                   ? std::atoi(output.c_str() + dash + 1)
                   : -1;
    };
    const auto jobs = [&](size_t count, int timeoutMs) {
        return printer.WaitForJournal(EmulatedPrinter::Event("job"), count, timeoutMs);
    };
    ASSERT_GT(submit("raw", "\x1B@page\x0C"), 0) << output;
    ASSERT_EQ(jobs(1, 10000).size(), 1u);
    EXPECT_EQ(jobs(1, 0).back().Text("hex"), "1B40706167650C");

    const std::string command = "document-format=application/vnd.cups-command";
    ASSERT_TRUE(printer.SetFaults({"low-ink=10"}));
    ASSERT_GT(submit(command, "#CUPS-COMMAND\nReportLevels\n"), 0) << output;
    ASSERT_TRUE(sandbox.WaitUntilIdle(queue));
    EXPECT_EQ(sandbox.MarkerLevels(queue),
              (std::vector<int>{100, 100, 100, 100, 100, 100, 100, 10}));

    std::string thousands;
    for (int i = 0; i < 5000; ++i) thousands += "Bogus\n";
    const std::vector<uint8_t> none, cleaning = BytesOf(HeadCleaningJob()),
                                     check = BytesOf(NozzleCheckJob());
    struct Row {
        std::string file;
        const char* fault;
        const std::vector<uint8_t>& sent;
        int state;
        const char* message;  // in a stopped job's reason, else in the server's log
    };
    const std::vector<Row> rows = {
        {"Clean all\n", "low-ink=10", none, kJobStopped, "Head cleaning refused: an ink is low"},
        {"Clean all\n", "unreachable", none, kJobStopped, "status cannot be read"},
        {thousands + "Clean all\nclean", "", cleaning, kJobCompleted, ""},  // no last newline
        {"PrintSelfTestPage\n", "", check, kJobCompleted, ""},
        {"#CUPS-COMMAND\n", "", none, kJobCompleted, ""},
        {"AutoConfigure\n" + std::string("\0\xFF\x1B@REMOTE1\n", 12) + thousands, "", none,
         kJobCompleted, "Unknown command ignored: "},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.file.substr(0, 40));
        ASSERT_TRUE(printer.SetFaults(*row.fault ? std::vector<std::string>{row.fault}
                                                 : std::vector<std::string>{}));
        const size_t before = jobs(0, 0).size();
        const int job = submit(command, row.file);
        ASSERT_GT(job, 0) << output;
        const auto [state, reason] = WaitForJobEnd(job);
        EXPECT_EQ(state, row.state) << sandbox.ErrorLog();
        EXPECT_NE((state == kJobStopped ? reason : sandbox.ErrorLog()).find(row.message),
                  std::string::npos)
            << reason;
        const auto sent = jobs(before + 1, row.sent.empty() ? 300 : 10000);
        ASSERT_EQ(sent.size(), before + (row.sent.empty() ? 0 : 1));
        EXPECT_EQ(row.sent.empty() ? row.sent : sent.back().Bytes(), row.sent);
    }
}

}  // namespace
