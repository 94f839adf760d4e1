// The C interface of the driver-settings library (libztset32.so).
#include <cstdint>
#include <cstring>
#include <map>

#include "QueueSource.h"

#define ZTDM_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

static_assert(SettingsRecord::kMaxSize == kSettingsRecordMaxSize);

constexpr int32_t kFailed = -1;
constexpr int32_t kRecordGiven = 2;

// The open contexts by handle. The C interface hands out plain integers, so the table lives as
// long as the loaded library; its callers run on one thread.
struct ContextTable {
    std::map<int32_t, DriverContext> contexts;
    int32_t nextHandle = 1;
};

ContextTable& Contexts() {
    static ContextTable table;
    return table;
}

DriverContext* Find(int32_t handle) {
    auto& contexts = Contexts().contexts;
    const auto found = contexts.find(handle);
    return found != contexts.end() ? &found->second : nullptr;
}

int32_t NewHandle() {
    ContextTable& table = Contexts();
    while (table.nextHandle <= 0 || table.contexts.contains(table.nextHandle)) {
        table.nextHandle = table.nextHandle <= 0 ? 1 : table.nextHandle + 1;
    }
    return table.nextHandle++;
}

}  // namespace

ZTDM_EXPORT int32_t ZTDM_Open(const char* printerName, const char* /*portName*/, int32_t flags,
                              const uint8_t* record, int32_t* handle) {
    if (handle == nullptr) return kFailed;
    *handle = 0;
    if ((flags == kRecordGiven) != (record != nullptr)) return kFailed;
    auto context = OpenQueueContext(printerName, record);
    if (!context) return kFailed;
    const int32_t opened = NewHandle();
    Contexts().contexts.emplace(opened, std::move(*context));
    *handle = opened;
    return 0;
}

ZTDM_EXPORT int32_t ZTDM_GetDriverInfo() {
    return kFailed;
}
ZTDM_EXPORT int32_t ZTDM_GetCommandLevel() {
    return kFailed;
}
ZTDM_EXPORT int32_t ZTDM_CreateDC() {
    return kFailed;
}
ZTDM_EXPORT int32_t ZTDM_ResetDC() {
    return kFailed;
}
ZTDM_EXPORT int32_t ZTDM_DeleteDC() {
    return kFailed;
}

ZTDM_EXPORT int32_t ZTDM_GetRange(int32_t handle, int32_t item, void* block) {
    DriverContext* context = Find(handle);
    return context != nullptr ? context->GetRange(item, block) : kFailed;
}

ZTDM_EXPORT int32_t ZTDM_GetData(int32_t handle, int32_t item, void* block) {
    DriverContext* context = Find(handle);
    return context != nullptr ? context->GetData(item, block) : kFailed;
}

ZTDM_EXPORT int32_t ZTDM_SetData(int32_t handle, int32_t item, intptr_t valueOrBlock) {
    DriverContext* context = Find(handle);
    return context != nullptr ? context->SetData(item, valueOrBlock) : kFailed;
}

ZTDM_EXPORT int32_t ZTDM_GetDevMode(int32_t handle, uint8_t* buffer) {
    DriverContext* context = Find(handle);
    if (context == nullptr) return 0;
    const auto bytes = context->Record().Encode();
    if (bytes.empty()) return 0;
    if (buffer == nullptr) return static_cast<int32_t>(bytes.size());
    std::memcpy(buffer, bytes.data(), bytes.size());
    return 1;
}

ZTDM_EXPORT int32_t ZTDM_Close(int32_t handle) {
    return Contexts().contexts.erase(handle) == 1 ? 0 : kFailed;
}
