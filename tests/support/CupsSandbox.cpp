#include "CupsSandbox.h"
#include "Eventually.h"
#include "FileText.h"

#include <arpa/inet.h>
#include <cups/cups.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <regex>
#include <thread>

namespace {

// A TCP port on 127.0.0.1 that nothing listens on right now.
uint16_t FreeLoopbackPort() {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0) return 0;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof(address);
    uint16_t port = 0;
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0 &&
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
        port = ntohs(address.sin_port);
    }
    close(fd);
    return port;
}

}  // namespace

CupsSandbox::~CupsSandbox() {
    Stop();
    if (folder_.empty()) return;
    if (::testing::Test::HasFailure()) {
        std::fprintf(stderr, "CUPS sandbox kept for inspection: %s\n", folder_.c_str());
    } else {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
}

::testing::AssertionResult CupsSandbox::Start() {
    if (!folder_.empty()) return ::testing::AssertionFailure() << "the sandbox runs already";
    char pattern[] = "/tmp/servato-cups.XXXXXX";
    if (mkdtemp(pattern) == nullptr) {
        return ::testing::AssertionFailure() << "cannot create a sandbox folder under /tmp";
    }
    folder_ = pattern;
    // cupsd runs backends as lp, which must reach the spool below this folder.
    std::filesystem::permissions(folder_, std::filesystem::perms(0755));

    ::testing::AssertionResult launched = ::testing::AssertionFailure();
    for (int attempt = 0; attempt < 3 && !launched; ++attempt) launched = Launch();
    if (!launched) return launched;

    setenv("CUPS_SERVER", server_.c_str(), 1);
    setenv("RQAPI_CONFIG", RqapiConfigPath().c_str(), 1);
    environmentSet_ = true;
    std::ofstream(RqapiConfigPath()) << "# ports of the emulated printers of this sandbox\n";
    cupsSetServer(nullptr);  // libcups reads CUPS_SERVER afresh
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult CupsSandbox::Launch() {
    port_ = FreeLoopbackPort();
    server_ = "127.0.0.1:" + std::to_string(port_);
    const std::string script = std::string(SERVATO_SOURCE_DIR) + "/scripts/cups-sandbox";
    std::string output;
    std::vector<std::string> prepare = {script, "prepare", folder_, std::to_string(port_)};
    if (!ppdFolder_.empty()) prepare.push_back(ppdFolder_);
    if (ChildProcess::Run(prepare, output) != 0) {
        return ::testing::AssertionFailure() << "cups-sandbox prepare failed:\n" << output;
    }
    const std::string log = folder_ + "/log/cupsd.out";
    if (!cupsd_.Start({script, "run", folder_}, log, log)) {
        return ::testing::AssertionFailure() << "cannot start " << script;
    }
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(15);
    while (std::chrono::steady_clock::now() < end) {
        if (!cupsd_.IsRunning()) {
            return ::testing::AssertionFailure() << "cupsd exited at start:\n"
                                                 << ReadFileText(log) << ErrorLog();
        }
        if (Answers()) return ::testing::AssertionSuccess();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    cupsd_.Stop();
    return ::testing::AssertionFailure()
           << "cupsd did not answer on " << server_ << " within 15 s:\n"
           << ErrorLog();
}

bool CupsSandbox::Answers() const {
    const auto closer = [](http_t* http) { httpClose(http); };
    std::unique_ptr<http_t, decltype(closer)> http(
        httpConnect2("127.0.0.1", port_, nullptr, AF_INET, HTTP_ENCRYPTION_NEVER, 1, 200, nullptr),
        closer);
    if (!http) return false;
    // Any IPP answer will do: with no queue yet it is "not found".
    ipp_t* response = cupsDoRequest(http.get(), ippNewRequest(IPP_OP_CUPS_GET_PRINTERS), "/");
    ippDelete(response);
    return response != nullptr;
}

std::vector<int> CupsSandbox::MarkerLevels(const std::string& queue) const {
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0,
                     "/printers/%s", queue.c_str());
    ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                 "marker-levels");
    const std::unique_ptr<ipp_t, decltype(&ippDelete)> response(
        cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/"), ippDelete);
    std::vector<int> levels;
    ipp_attribute_t* marker = ippFindAttribute(response.get(), "marker-levels", IPP_TAG_INTEGER);
    for (int i = 0; i < ippGetCount(marker); ++i) levels.push_back(ippGetInteger(marker, i));
    return levels;
}

void CupsSandbox::Stop() {
    cupsd_.Stop();
    if (environmentSet_) {
        unsetenv("CUPS_SERVER");
        unsetenv("RQAPI_CONFIG");
        cupsSetServer(nullptr);
        environmentSet_ = false;
    }
}

std::string CupsSandbox::ErrorLog() const {
    return ReadFileText(folder_ + "/log/error_log");
}

std::string CupsSandbox::PpdPath(const std::string& model) {
    return std::string(SERVATO_SOURCE_DIR) + "/driver/ppd/" +
           std::regex_replace(model, std::regex(" "), "_") + ".ppd";
}

::testing::AssertionResult CupsSandbox::AddQueue(const std::string& queue,
                                                 const std::string& deviceUri,
                                                 const std::string& model) {
    const std::string source = ReadFileText(PpdPath(model));
    if (source.empty()) return ::testing::AssertionFailure() << "no PPD for model " << model;
    const std::string ppd = folder_ + "/" + queue + ".ppd";
    std::ofstream(ppd, std::ios::binary)
        << std::regex_replace(source, std::regex("@DRIVER_FOLDER@"), SERVATO_BIN_DIR);
    std::string output;
    if (ChildProcess::Run({"lpadmin", "-h", server_, "-p", queue, "-E", "-v", deviceUri, "-P", ppd},
                          output) != 0) {
        return ::testing::AssertionFailure() << "lpadmin refused queue " << queue << ":\n"
                                             << output << ErrorLog();
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult CupsSandbox::WaitUntilIdle(const std::string& queue, int timeoutMs) {
    int count = 0;
    const bool idle = Eventually(
        [&] {
            cups_job_t* jobs = nullptr;
            count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue.c_str(), 0, CUPS_WHICHJOBS_ACTIVE);
            cupsFreeJobs(count, jobs);
            return count == 0;
        },
        timeoutMs);
    if (idle) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << count << " job(s) still active on " << queue << ":\n"
                                         << ErrorLog();
}

std::string CupsSandbox::NextAddress() {
    return "127.0.0." + std::to_string(nextHost_++);
}
