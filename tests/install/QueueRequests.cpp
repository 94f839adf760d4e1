#include "QueueRequests.h"

#include <cups/cups.h>

#include <chrono>
#include <memory>
#include <regex>
#include <thread>

#include "ChildProcess.h"

namespace {

constexpr int kJobStopped = 6;

using Response = std::unique_ptr<ipp_t, decltype(&ippDelete)>;

Response Ask(ipp_op_t operation, const char* uriAttribute, const std::string& uri,
             const char* attributes[], int count) {
    ipp_t* request = ippNewRequest(operation);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, uriAttribute, nullptr, uri.c_str());
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", count,
                  nullptr, attributes);
    return Response(cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/"), ippDelete);
}

std::string Uri(const char* resourceFormat, const std::string& name) {
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0,
                     resourceFormat, name.c_str());
    return uri;
}

}  // namespace

int SubmitWithLp(const std::string& server, const std::string& queue,
                 const std::vector<std::string>& options, const std::string& file,
                 std::string& output) {
    std::vector<std::string> argv = {"lp", "-h", server, "-d", queue};
    argv.insert(argv.end(), options.begin(), options.end());
    argv.push_back(file);
    if (ChildProcess::Run(argv, output) != 0) return -1;
    std::smatch id;
    const std::regex requestId("request id is .*-(\\d+) ");
    return std::regex_search(output, id, requestId) ? std::stoi(id[1]) : -1;
}

JobOutcome WaitForJobEnd(int jobId, int timeoutMs) {
    const char* attributes[] = {"job-state", "job-printer-state-message"};
    const std::string uri = Uri("/jobs/%s", std::to_string(jobId));
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    JobOutcome outcome;
    for (;;) {
        const Response response = Ask(IPP_OP_GET_JOB_ATTRIBUTES, "job-uri", uri, attributes, 2);
        outcome.state =
            ippGetInteger(ippFindAttribute(response.get(), "job-state", IPP_TAG_ENUM), 0);
        const char* message = ippGetString(
            ippFindAttribute(response.get(), "job-printer-state-message", IPP_TAG_TEXT), 0,
            nullptr);
        outcome.message = message != nullptr ? message : "";
        if (outcome.state >= kJobStopped || std::chrono::steady_clock::now() >= end) return outcome;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

std::vector<int> MarkerLevels(const std::string& queue) {
    const char* attributes[] = {"marker-levels"};
    const Response response = Ask(IPP_OP_GET_PRINTER_ATTRIBUTES, "printer-uri",
                                  Uri("/printers/%s", queue), attributes, 1);
    ipp_attribute_t* levels = ippFindAttribute(response.get(), "marker-levels", IPP_TAG_INTEGER);
    std::vector<int> values;
    for (int i = 0; i < ippGetCount(levels); ++i) values.push_back(ippGetInteger(levels, i));
    return values;
}
