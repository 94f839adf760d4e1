// A stand-in for the communication library: answers what the test scripted and records every call.
// Built twice, once without RQReceiveCancel, to check that loading insists on all twelve names.
#include <cstdint>
#include <cstring>
#include <deque>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#define EXPORT extern "C" __attribute__((visibility("default")))

namespace {

struct Answer {
    int32_t result;
    std::vector<uint8_t> bytes;
};

struct Script {
    std::map<std::string, int32_t> results;
    std::vector<uint8_t> channels;
    int32_t channelRecords = 0;
    std::string deviceId;
    std::deque<Answer> statuses;
    std::deque<Answer> receives;
    std::vector<std::vector<uint8_t>> sent;
    std::ostringstream calls;
    std::string callText;
};

Script& TheScript() {
    static Script script;
    return script;
}

int32_t ResultOf(const char* entry, int32_t fallback) {
    const auto found = TheScript().results.find(entry);
    return found != TheScript().results.end() ? found->second : fallback;
}

// Copies an answer into the caller's room, never past it.
int32_t Deliver(const Answer& answer, uint8_t* buffer, int32_t* size) {
    const size_t room = size != nullptr && *size > 0 ? static_cast<size_t>(*size) : 0;
    const size_t count = std::min(room, answer.bytes.size());
    if (buffer != nullptr && count > 0) std::memcpy(buffer, answer.bytes.data(), count);
    return answer.result;
}

}  // namespace

EXPORT void ScriptReset() {
    Script& script = TheScript();
    script.results.clear();
    script.channels.clear();
    script.channelRecords = 0;
    script.deviceId.clear();
    script.statuses.clear();
    script.receives.clear();
    script.sent.clear();
    script.calls.str("");
}

// Fixes the result of RQInitialize, RQRelease, RQOpenChannel, RQSend or RQGetDeviceID.
EXPORT void ScriptSetResult(const char* entry, int32_t result) {
    TheScript().results[entry] = result;
}

EXPORT void ScriptSetChannels(const uint8_t* records, int32_t size, int32_t listResult) {
    TheScript().channels.assign(records, records + size);
    TheScript().channelRecords = listResult;
}

EXPORT void ScriptSetDeviceId(const char* deviceId) {
    TheScript().deviceId = deviceId;
}

// Status answers are used in order; the last one stays.
EXPORT void ScriptQueueStatus(int32_t result, const uint8_t* bytes, int32_t length) {
    TheScript().statuses.push_back({result, std::vector<uint8_t>(bytes, bytes + length)});
}

// Receive answers are used in order; once they run out every receive answers 0.
EXPORT void ScriptQueueReceive(int32_t result, const uint8_t* bytes, int32_t length) {
    TheScript().receives.push_back({result, std::vector<uint8_t>(bytes, bytes + length)});
}

// One line per call: the entry point and its scalar arguments.
EXPORT const char* ScriptCalls() {
    TheScript().callText = TheScript().calls.str();
    return TheScript().callText.c_str();
}

// The bytes of the index-th RQSend; answers their count, or -1 when there was no such send.
EXPORT int32_t ScriptSent(int32_t index, uint8_t* buffer, int32_t room) {
    const auto& sent = TheScript().sent;
    if (index < 0 || static_cast<size_t>(index) >= sent.size()) return -1;
    const auto& bytes = sent[static_cast<size_t>(index)];
    std::memcpy(buffer, bytes.data(), std::min(bytes.size(), static_cast<size_t>(room)));
    return static_cast<int32_t>(bytes.size());
}

EXPORT int32_t RQInitialize() {
    TheScript().calls << "RQInitialize\n";
    return ResultOf("RQInitialize", 0);
}

EXPORT int32_t RQRelease() {
    TheScript().calls << "RQRelease\n";
    return ResultOf("RQRelease", 0);
}

EXPORT int32_t RQGetDeviceID(int32_t port, const char* printer, char* buffer, int32_t* size) {
    TheScript().calls << "RQGetDeviceID " << port << ' ' << printer << ' ' << *size << '\n';
    const std::string& id = TheScript().deviceId;
    const size_t count = std::min(id.size(), static_cast<size_t>(*size));
    std::memcpy(buffer, id.data(), count);
    return ResultOf("RQGetDeviceID", 0);
}

EXPORT int32_t RQGetAvailableChannel(int32_t port, const char* printer, uint8_t* buffer,
                                     int32_t* size) {
    Script& script = TheScript();
    script.calls << "RQGetAvailableChannel " << port << ' ' << printer << ' '
                 << (buffer != nullptr ? "buffer" : "null") << ' ' << *size << '\n';
    if (buffer == nullptr) {
        *size = static_cast<int32_t>(script.channels.size());
        return ResultOf("RQGetAvailableChannel", -4);
    }
    return Deliver({script.channelRecords, script.channels}, buffer, size);
}

EXPORT int32_t RQOpenChannel(int32_t port, const char* printer, int32_t channelType) {
    TheScript().calls << "RQOpenChannel " << port << ' ' << printer << ' ' << channelType << '\n';
    return ResultOf("RQOpenChannel", 7);
}

EXPORT int32_t RQCloseChannel(int32_t channel) {
    TheScript().calls << "RQCloseChannel " << channel << '\n';
    return 0;
}

EXPORT int32_t RQSetOption() {
    TheScript().calls << "RQSetOption\n";
    return 0;
}

EXPORT int32_t RQGetOption() {
    TheScript().calls << "RQGetOption\n";
    return 0;
}

#ifndef SCRIPTED_RQAPI_WITHOUT_RECEIVE_CANCEL
EXPORT int32_t RQReceiveCancel() {
    TheScript().calls << "RQReceiveCancel\n";
    return 0;
}
#endif

EXPORT int32_t RQGetStatus(int32_t channel, uint8_t* buffer, int32_t* size) {
    Script& script = TheScript();
    script.calls << "RQGetStatus " << channel << ' ' << *size << '\n';
    if (script.statuses.empty()) return -1;
    const Answer answer = script.statuses.front();
    if (script.statuses.size() > 1) script.statuses.pop_front();
    return Deliver(answer, buffer, size);
}

EXPORT int32_t RQSend(int32_t channel, const uint8_t* data, int32_t length) {
    Script& script = TheScript();
    script.calls << "RQSend " << channel << ' ' << length << '\n';
    script.sent.emplace_back(data, data + length);
    return ResultOf("RQSend", length);
}

EXPORT int32_t RQReceive(int32_t channel, uint8_t* buffer, int32_t* size, int32_t timeoutMs) {
    Script& script = TheScript();
    script.calls << "RQReceive " << channel << ' ' << *size << ' ' << timeoutMs << '\n';
    if (script.receives.empty()) return 0;
    const Answer answer = script.receives.front();
    script.receives.pop_front();
    return Deliver(answer, buffer, size);
}
