// A driver-settings library for binding tests: ten of the eleven entry points (ZTDM_ResetDC is
// missing), fixed media, and controls (ScriptedZtset_*) through which a test sets what the items
// answer and sees what an open was given.
#include <cstdint>
#include <cstring>

#include "ztset/DriverSettingsBlocks.h"

#define EXPORT extern "C" __attribute__((visibility("default")))

namespace {

constexpr int32_t kHandle = 41;
constexpr uint16_t kMediaIds[] = {12, 3, 7};
constexpr const char* kMediaNames[] = {"Glossy Twelve", "Matte Three", "Canvas Seven"};

struct Script {
    int32_t openFlags = -1;
    uint8_t firstRecordByte = 0;
    int16_t paperSource = 256;
    uint32_t inkWord6 = 0x0A070601;
    uint32_t flags204 = 0x2;
    uint32_t flags205 = 0x1;
    int16_t mediaValue = 12;
    bool inkReadFails = false;
};

Script& State() {
    static Script script;
    return script;
}

}  // namespace

EXPORT void ScriptedZtset_Reset() {
    State() = Script{};
}
// The flags of the last open, and the first byte of its record (0 without one).
EXPORT int32_t ScriptedZtset_OpenFlags() {
    return State().openFlags;
}
EXPORT uint8_t ScriptedZtset_FirstRecordByte() {
    return State().firstRecordByte;
}
EXPORT void ScriptedZtset_SetPaperSource(int16_t code) {
    State().paperSource = code;
}
EXPORT void ScriptedZtset_SetInkWord(uint32_t word, bool readFails) {
    State().inkWord6 = word;
    State().inkReadFails = readFails;
}
EXPORT uint32_t ScriptedZtset_Flags(int32_t item) {
    return item == DriverItem::kFlags204 ? State().flags204 : State().flags205;
}
EXPORT void ScriptedZtset_SetFlags(uint32_t flags204, uint32_t flags205) {
    State().flags204 = flags204;
    State().flags205 = flags205;
}

EXPORT int32_t ZTDM_Open(const char* printer, const char*, int32_t flags, const uint8_t* record,
                         int32_t* handle) {
    State().openFlags = flags;
    State().firstRecordByte = record != nullptr ? record[0] : 0;
    if (std::strcmp(printer, "Unopenable") == 0) return -1;
    *handle = kHandle;
    return 0;
}

EXPORT int32_t ZTDM_GetDriverInfo() {
    return 0;
}
EXPORT int32_t ZTDM_GetCommandLevel() {
    return 0;
}
EXPORT int32_t ZTDM_CreateDC() {
    return 0;
}
EXPORT int32_t ZTDM_DeleteDC() {
    return 0;
}

EXPORT int32_t ZTDM_GetRange(int32_t handle, int32_t item, void* block) {
    if (handle != kHandle || item != DriverItem::kMediaIds) return -1;
    auto* range = static_cast<MediaIdRangeBlock*>(block);
    range->elementSize = sizeof(uint16_t);
    if (range->ids != nullptr) std::memcpy(range->ids, kMediaIds, range->count * sizeof(uint16_t));
    range->count = 3;
    return 0;
}

EXPORT int32_t ZTDM_GetData(int32_t handle, int32_t item, void* block) {
    if (handle != kHandle) return -1;
    Script& script = State();
    switch (item) {
        case DriverItem::kPaperSource:
            *static_cast<int16_t*>(block) = script.paperSource;
            return 0;
        case DriverItem::kMedia:
            static_cast<MediaSelectBlock*>(block)->mediaValue = script.mediaValue;
            return 0;
        case DriverItem::kInkSet:
            if (script.inkReadFails) return -1;
            static_cast<InkSetBlock*>(block)->words[6] = script.inkWord6;
            return 0;
        case DriverItem::kFlags204:
            static_cast<FlagBlock*>(block)->flags = script.flags204;
            return 0;
        case DriverItem::kFlags205:
            static_cast<FlagBlock*>(block)->flags = script.flags205;
            return 0;
        case DriverItem::kMediaName: {
            auto* name = static_cast<MediaNameBlock*>(block);
            for (size_t i = 0; i < 3; ++i)
                if (kMediaIds[i] == name->mediaId) std::strcpy(name->name, kMediaNames[i]);
            return 0;
        }
        default:
            return -1;
    }
}

EXPORT int32_t ZTDM_SetData(int32_t handle, int32_t item, intptr_t valueOrBlock) {
    if (handle != kHandle) return -1;
    if (item == DriverItem::kFlags204 || item == DriverItem::kFlags205) {
        const auto* block = reinterpret_cast<const FlagBlock*>(valueOrBlock);
        (item == DriverItem::kFlags204 ? State().flags204 : State().flags205) = block->flags;
    }
    if (item == DriverItem::kMedia) {
        State().mediaValue = reinterpret_cast<const MediaSelectBlock*>(valueOrBlock)->mediaValue;
    }
    return 0;
}

EXPORT int32_t ZTDM_GetDevMode(int32_t handle, uint8_t* buffer) {
    if (handle != kHandle) return 0;
    if (buffer == nullptr) return 4;
    std::memcpy(buffer, "REC!", 4);
    return 1;
}

EXPORT int32_t ZTDM_Close(int32_t) {
    return 0;
}
