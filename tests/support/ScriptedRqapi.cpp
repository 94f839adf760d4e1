// A stand-in for the communication library: answers what the test scripted, keeps what was sent
// and how many channels are open.
// Built twice, once without RQReceiveCancel, to check that loading insists on all twelve names.
#include <cstdint>
#include <cstring>
#include <deque>
#include <map>
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
    int32_t openChannels = 0;
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
    TheScript() = Script{};
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

// Channels opened and not closed again.
EXPORT int32_t ScriptOpenChannels() {
    return TheScript().openChannels;
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
    return ResultOf("RQInitialize", 0);
}

EXPORT int32_t RQRelease() {
    return ResultOf("RQRelease", 0);
}

EXPORT int32_t RQGetDeviceID(int32_t, const char*, char* buffer, int32_t* size) {
    const std::string& id = TheScript().deviceId;
    const size_t count = std::min(id.size(), static_cast<size_t>(*size));
    std::memcpy(buffer, id.data(), count);
    return ResultOf("RQGetDeviceID", 0);
}

EXPORT int32_t RQGetAvailableChannel(int32_t, const char*, uint8_t* buffer, int32_t* size) {
    Script& script = TheScript();
    if (buffer == nullptr) {
        *size = static_cast<int32_t>(script.channels.size());
        return ResultOf("RQGetAvailableChannel", -4);
    }
    return Deliver({script.channelRecords, script.channels}, buffer, size);
}

EXPORT int32_t RQOpenChannel(int32_t, const char*, int32_t) {
    const int32_t channel = ResultOf("RQOpenChannel", 7);
    if (channel >= 1) ++TheScript().openChannels;
    return channel;
}

EXPORT int32_t RQCloseChannel(int32_t) {
    --TheScript().openChannels;
    return 0;
}

EXPORT int32_t RQSetOption() {
    return 0;
}

EXPORT int32_t RQGetOption() {
    return 0;
}

#ifndef SCRIPTED_RQAPI_WITHOUT_RECEIVE_CANCEL
EXPORT int32_t RQReceiveCancel() {
    return 0;
}
#endif

EXPORT int32_t RQGetStatus(int32_t, uint8_t* buffer, int32_t* size) {
    Script& script = TheScript();
    if (script.statuses.empty()) return -1;
    const Answer answer = script.statuses.front();
    if (script.statuses.size() > 1) script.statuses.pop_front();
    return Deliver(answer, buffer, size);
}

EXPORT int32_t RQSend(int32_t, const uint8_t* data, int32_t length) {
    Script& script = TheScript();
    script.sent.emplace_back(data, data + length);
    return ResultOf("RQSend", length);
}

EXPORT int32_t RQReceive(int32_t, uint8_t* buffer, int32_t* size, int32_t) {
    Script& script = TheScript();
    if (script.receives.empty()) return 0;
    const Answer answer = script.receives.front();
    script.receives.pop_front();
    return Deliver(answer, buffer, size);
}
