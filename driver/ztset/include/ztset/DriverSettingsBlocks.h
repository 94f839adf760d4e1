#pragma once

#include <cstddef>
#include <cstdint>

// Data items of the driver-settings library and the blocks exchanged with it. Plain C++ without
// Qt: the library (driver/ztset) includes this file, so both sides share one layout. Fields that
// carry an address are pointer-sized and naturally aligned; where a block has a size word it holds
// sizeof the block, which is what the library checks.
namespace DriverItem {
constexpr int32_t kSampleJob = 20;       // value 1: the context prepares one sample job
constexpr int32_t kPaperSize = 30;       // PaperSizeBlock
constexpr int32_t kPaperSource = 40;     // 16-bit code read; the code itself when written
constexpr int32_t kMediaIds = 60;        // MediaIdRangeBlock (range)
constexpr int32_t kMedia = 70;           // MediaSelectBlock (media kinds 1 and 2)
constexpr int32_t kFlags204 = 204;       // FlagBlock
constexpr int32_t kFlags205 = 205;       // FlagBlock
constexpr int32_t kMediaName = 213;      // MediaNameBlock
constexpr int32_t kMediaExtended = 214;  // MediaExtendedBlock (media kinds 3 and 4)
constexpr int32_t kInkSet = 217;         // InkSetBlock
constexpr int32_t kMediaAdjust = 219;    // MediaAdjustBlock
}  // namespace DriverItem

// The largest settings record the library hands out or reads. The library learns a record's
// length from the record itself, so a caller passes a record at the start of a zero-filled buffer
// of this size: even a damaged length cannot make the library read past it.
constexpr size_t kSettingsRecordMaxSize = 65536;

// Paper source codes written to item 40.
namespace PaperSourceCode {
constexpr int16_t kRoll = 256;
constexpr int16_t kSheet = 7;
constexpr int16_t kManual = 4;
}  // namespace PaperSourceCode

struct PaperSizeBlock {
    int16_t width = 0;  // 0.1 mm
    int16_t length = 0;
    uint16_t unit = 0x0100;
    uint16_t reserved = 0;
};

struct MediaIdRangeBlock {
    uint16_t count = 0;
    uint16_t elementSize = 0;
    uint16_t* ids = nullptr;  // second call: room for count ids
};

struct MediaSelectBlock {
    uint16_t version = 1;
    uint16_t selector = 0;  // 2 for media kind 1, 1 for media kind 2
    int16_t mediaValue = 0;
    uint16_t trailer = 2;
};

struct FlagBlock {
    uint32_t version = 1;
    uint32_t size = sizeof(FlagBlock);
    uint32_t flags = 0;
};

constexpr uint32_t kMediaNameCapacity = 260;

struct MediaNameBlock {
    uint32_t version = 1;
    uint32_t size = sizeof(MediaNameBlock);
    uint32_t capacity = kMediaNameCapacity;
    uint32_t kind = 3;
    uint32_t mediaId = 0;
    char* name = nullptr;  // capacity bytes; filled with null-terminated UTF-8
};

struct MediaExtendedBlock {
    uint32_t version = 1;
    uint32_t size = sizeof(MediaExtendedBlock);
    uint32_t kind = 2;
    uint32_t mediaValue = 0;
    uint32_t variant = 0;  // 6 for media kind 3, 15 for media kind 4
};

struct InkSetBlock {
    uint32_t words[11] = {1};  // word 6: four ink codes, one per byte
};

constexpr size_t kMediaAdjustBytes = 12;

// Positions in MediaAdjustBlock::bytes; 6 and 9..11 are the driver's own.
namespace MediaAdjustByte {
constexpr size_t kDensity = 0;    // signed, -50..50
constexpr size_t kFeed = 1;       // signed, -70..70 (0.01 %)
constexpr size_t kDryTime = 2;    // 0..50 (0.1 s)
constexpr size_t kThickness = 3;  // 1..16 (0.1 mm)
constexpr size_t kSuction = 4;    // 100, 50, 30, 10 or 6
constexpr size_t kPaperCut = 5;   // 0..3
constexpr size_t kPlatenGap = 7;  // 1..4
constexpr size_t kRoller = 8;     // 0..3
}  // namespace MediaAdjustByte

struct MediaAdjustBlock {
    uint32_t version = 1;
    uint32_t size = sizeof(MediaAdjustBlock);
    uint8_t bytes[kMediaAdjustBytes] = {};
};

static_assert(sizeof(PaperSizeBlock) == 8);
static_assert(sizeof(MediaSelectBlock) == 8);
static_assert(sizeof(FlagBlock) == 12);
static_assert(sizeof(MediaExtendedBlock) == 20);
static_assert(sizeof(InkSetBlock) == 44);
static_assert(sizeof(MediaAdjustBlock) == 20);
static_assert(sizeof(MediaNameBlock) == (sizeof(void*) == 8 ? 32 : 24));
