#include "ScriptedLibrary.h"

#include <gtest/gtest.h>

ScriptedLibrary::ScriptedLibrary(const std::string& path) {
    EXPECT_TRUE(module_.Open(path)) << path;
}

std::string ScriptedLibrary::Folder() {
    return TEST_LIBRARY_DIR;
}

template <typename Function>
Function ScriptedLibrary::Resolve(const char* name) const {
    auto function = reinterpret_cast<Function>(module_.Symbol(name));
    EXPECT_NE(function, nullptr) << name;
    return function;
}

void ScriptedLibrary::Reset() {
    Resolve<void (*)()>("ScriptReset")();
}

void ScriptedLibrary::SetResult(const char* entry, int32_t result) {
    Resolve<void (*)(const char*, int32_t)>("ScriptSetResult")(entry, result);
}

void ScriptedLibrary::SetChannels(const std::vector<std::pair<uint32_t, uint8_t>>& records) {
    std::vector<uint8_t> bytes;
    for (const auto& [type, capabilities] : records) {
        for (int shift = 0; shift < 32; shift += 8)
            bytes.push_back(static_cast<uint8_t>(type >> shift));
        bytes.insert(bytes.end(), {capabilities, 0xEE, 0xEE, 0xEE});
    }
    SetChannelBytes(bytes, static_cast<int32_t>(records.size()));
}

void ScriptedLibrary::SetChannelBytes(const std::vector<uint8_t>& bytes, int32_t listResult) {
    Resolve<void (*)(const uint8_t*, int32_t, int32_t)>("ScriptSetChannels")(
        bytes.data(), static_cast<int32_t>(bytes.size()), listResult);
}

void ScriptedLibrary::SetDeviceId(const std::string& deviceId) {
    Resolve<void (*)(const char*)>("ScriptSetDeviceId")(deviceId.c_str());
}

void ScriptedLibrary::QueueStatus(int32_t result, const std::vector<uint8_t>& bytes) {
    Resolve<void (*)(int32_t, const uint8_t*, int32_t)>("ScriptQueueStatus")(
        result, bytes.data(), static_cast<int32_t>(bytes.size()));
}

void ScriptedLibrary::QueueReceive(int32_t result, const std::vector<uint8_t>& bytes) {
    Resolve<void (*)(int32_t, const uint8_t*, int32_t)>("ScriptQueueReceive")(
        result, bytes.data(), static_cast<int32_t>(bytes.size()));
}

int32_t ScriptedLibrary::OpenChannels() const {
    return Resolve<int32_t (*)()>("ScriptOpenChannels")();
}

std::vector<uint8_t> ScriptedLibrary::Sent(int32_t index) const {
    std::vector<uint8_t> bytes(1024);
    const int32_t count =
        Resolve<int32_t (*)(int32_t, uint8_t*, int32_t)>("ScriptSent")(index, bytes.data(), 1024);
    bytes.resize(count > 0 ? static_cast<size_t>(std::min(count, 1024)) : 0);
    return bytes;
}
