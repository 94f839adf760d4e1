#include <gtest/gtest.h>

#include <signal.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>

#include "ChildProcess.h"
#include "Eventually.h"
#include "FileText.h"

namespace {

const std::string kScripts = std::string(SERVATO_SOURCE_DIR) + "/scripts/";

// Stops what the scripts started, also when an assertion ends the test early.
class StopAtEnd {
  public:
    explicit StopAtEnd(std::string dir) : dir_(std::move(dir)) {}
    ~StopAtEnd() {
        std::string ignored;
        ChildProcess::Run({kScripts + "emulated-printer", "stop", dir_ + "/printer"}, ignored);
        ChildProcess::Run({kScripts + "cups-sandbox", "stop", dir_}, ignored);
        if (!::testing::Test::HasFailure()) std::filesystem::remove_all(dir_);
    }

  private:
    std::string dir_;
};

bool Alive(const std::string& pidFile) {
    const std::string pid = ReadFileText(pidFile);
    return !pid.empty() && kill(std::stoi(pid), 0) == 0;
}

// The demo's path: sandbox and emulated printer started and stopped by the scripts, a raw job by
// lp arriving at the printer, nothing left running.
TEST(SandboxScripts, StartQueueJobAndStop) {
    char pattern[] = "/tmp/servato-scripts.XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const std::string dir = pattern;
    const std::string printerDir = dir + "/printer";
    const StopAtEnd stopAtEnd(dir);
    std::string output;
    ASSERT_EQ(ChildProcess::Run({"bash", "-c",
                                 "port=$(( 20000 + RANDOM % 20000 )); " + kScripts +
                                     "cups-sandbox start " + dir + " $port"},
                                output),
              0)
        << output;
    std::smatch match;
    ASSERT_TRUE(std::regex_search(output, match, std::regex(R"(CUPS_SERVER=(\S+))"))) << output;
    const std::string server = match[1];

    const int started = ChildProcess::Run(
        {kScripts + "emulated-printer", "start", printerDir, "--server", server, "--queue",
         "ScriptQueue", "--address", "127.0.0.40", "--model", "ZENTA Corvid 2000", "--speed",
         "0.01", "--rqapi-config", dir + "/rqapi.conf"},
        output);
    EXPECT_EQ(started, 0) << output;
    EXPECT_TRUE(
        std::regex_search(ReadFileText(dir + "/rqapi.conf"),
                          std::regex(R"(\[127\.0\.0\.40\]\nsnmp_port=\d+\ncontrol_port=\d+)")));
    std::ofstream(dir + "/job.bin") << "job through the scripts";
    EXPECT_EQ(ChildProcess::Run(
                  {"lp", "-h", server, "-d", "ScriptQueue", "-o", "raw", dir + "/job.bin"}, output),
              0)
        << output;
    EXPECT_TRUE(Eventually([&] {
        return ReadFileText(printerDir + "/journal.jsonl").find("\"size\":23") != std::string::npos;
    }));

    EXPECT_EQ(ChildProcess::Run({kScripts + "emulated-printer", "stop", printerDir}, output), 0)
        << output;
    EXPECT_EQ(ChildProcess::Run({kScripts + "cups-sandbox", "stop", dir}, output), 0) << output;
    EXPECT_FALSE(Alive(printerDir + "/emulator.pid"));
    EXPECT_FALSE(Alive(dir + "/cupsd.pid"));
    EXPECT_FALSE(std::filesystem::exists(dir + "/cupsd.pid"));
}

}  // namespace
