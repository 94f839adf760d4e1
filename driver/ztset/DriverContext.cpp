#include "DriverContext.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>

namespace {

// PPD options that carry the media adjustment bytes, and whether the byte is signed.
struct AdjustOption {
    size_t byte;
    const char* option;
    bool isSigned;
};
constexpr std::array<AdjustOption, 8> kAdjustOptions = {{
    {MediaAdjustByte::kDensity, "ZTDensity", true},
    {MediaAdjustByte::kFeed, "ZTFeedAdjust", true},
    {MediaAdjustByte::kDryTime, "ZTDryTime", false},
    {MediaAdjustByte::kThickness, "ZTPaperThickness", false},
    {MediaAdjustByte::kSuction, "ZTSuction", false},
    {MediaAdjustByte::kPaperCut, "ZTPaperCut", false},
    {MediaAdjustByte::kPlatenGap, "ZTPlatenGap", false},
    {MediaAdjustByte::kRoller, "ZTRoller", false},
}};

// Paper source codes and the PPD's InputSlot choices; 258 and 264 are older codes of the same
// sources, accepted when written.
struct PaperSource {
    int16_t code;
    const char* inputSlot;
};
constexpr std::array<PaperSource, 5> kPaperSources = {{
    {PaperSourceCode::kRoll, "Roll"},
    {PaperSourceCode::kSheet, "Sheet"},
    {PaperSourceCode::kManual, "Manual"},
    {258, "Sheet"},
    {264, "Manual"},
}};

// The driver's flag words live in the record under these names, absent while at their defaults.
constexpr const char* kFlags204Key = "ZTFlags204";
constexpr const char* kFlags205Key = "ZTFlags205";
constexpr uint32_t kFlags204Default = 0x2;
constexpr uint32_t kFlags205Default = 0x9;
constexpr const char* kSampleJobKey = "ZTSampleJob";

// Ink codes of the model's slots, one per byte, by ink slot count.
constexpr uint32_t kBaseInks = 0x0504030B;
constexpr uint32_t kInks8Slots = 0x0A070601;
constexpr uint32_t kInks4Slots = kBaseInks;

constexpr const char* kMediaPrefix = "Media";
constexpr int kMediaKinds = 4;
constexpr uint32_t kKind3Variant = 6;
constexpr uint32_t kKind4Variant = 15;

template <typename Number>
std::optional<Number> ParseNumber(const std::string& text) {
    Number value{};
    const char* end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || rest != end || text.empty()) return std::nullopt;
    return value;
}

template <typename Block>
Block* BlockOf(void* address) {
    return static_cast<Block*>(address);
}

// Blocks with a size word: the caller's layout must be the library's.
template <typename Block>
bool HasOwnSize(const Block& block) {
    return block.version == 1 && block.size == sizeof(Block);
}

}  // namespace

std::optional<DriverContext> DriverContext::Open(
    DriverModel model, const std::string& queueName,
    const std::vector<DriverModel::Option>& queueOptions, const uint8_t* record) {
    if (queueName.empty()) return std::nullopt;
    SettingsRecord settings(queueName);
    if (record == nullptr) {
        for (const auto& [name, value] : model.MarkedChoices(queueOptions))
            settings.Set(name, value);
        return DriverContext(std::move(model), std::move(settings));
    }
    auto given = SettingsRecord::DecodeAt(record);
    if (!given || given->QueueName() != queueName) return std::nullopt;
    // The PPD's current choices first, in PPD order, then whatever else the record carries.
    for (const auto& [name, value] : model.MarkedChoices({})) {
        const auto kept = given->Find(name);
        settings.Set(name, kept && model.IsChoice(name, *kept) ? *kept : value);
    }
    for (const auto& [name, value] : given->Options())
        if (!settings.Find(name)) settings.Set(name, value);
    return DriverContext(std::move(model), std::move(settings));
}

int32_t DriverContext::GetRange(int32_t item, void* block) {
    if (item != DriverItem::kMediaIds || block == nullptr) return -1;
    auto& range = *BlockOf<MediaIdRangeBlock>(block);
    const auto media = model_.Media();
    if (media.empty()) return -1;
    if (range.ids == nullptr) {
        range.count = static_cast<uint16_t>(std::min<size_t>(media.size(), UINT16_MAX));
        range.elementSize = sizeof(uint16_t);
        return 0;
    }
    const size_t room = std::min<size_t>(range.count, media.size());
    for (size_t i = 0; i < room; ++i) range.ids[i] = media[i].id;
    return 0;
}

int32_t DriverContext::GetData(int32_t item, void* block) {
    if (block == nullptr) return -1;
    switch (item) {
        case DriverItem::kPaperSize:
            return ReadPaperSize(*BlockOf<PaperSizeBlock>(block));
        case DriverItem::kPaperSource:
            return ReadPaperSource(*BlockOf<int16_t>(block));
        case DriverItem::kMedia:
            return ReadMedia(*BlockOf<MediaSelectBlock>(block));
        case DriverItem::kMediaExtended:
            return ReadMedia(*BlockOf<MediaExtendedBlock>(block));
        case DriverItem::kFlags204:
            return ReadFlags(kFlags204Key, kFlags204Default, *BlockOf<FlagBlock>(block));
        case DriverItem::kFlags205:
            return ReadFlags(kFlags205Key, kFlags205Default, *BlockOf<FlagBlock>(block));
        case DriverItem::kMediaName:
            return ReadMediaName(*BlockOf<MediaNameBlock>(block));
        case DriverItem::kInkSet:
            return ReadInkSet(*BlockOf<InkSetBlock>(block));
        case DriverItem::kMediaAdjust:
            return ReadMediaAdjust(*BlockOf<MediaAdjustBlock>(block));
        default:
            return -1;
    }
}

int32_t DriverContext::SetData(int32_t item, intptr_t valueOrBlock) {
    if (item == DriverItem::kSampleJob) return WriteSampleJob(valueOrBlock);
    if (item == DriverItem::kPaperSource) return WritePaperSource(valueOrBlock);
    void* block = reinterpret_cast<void*>(valueOrBlock);
    if (block == nullptr) return -1;
    switch (item) {
        case DriverItem::kPaperSize:
            return WritePaperSize(*BlockOf<PaperSizeBlock>(block));
        case DriverItem::kMedia: {
            const auto& media = *BlockOf<MediaSelectBlock>(block);
            if (media.version != 1 || media.trailer != 2) return -1;
            if (media.selector != 1 && media.selector != 2) return -1;
            return SelectMedia(media.mediaValue, media.selector == 2 ? 1 : 2);
        }
        case DriverItem::kMediaExtended: {
            const auto& media = *BlockOf<MediaExtendedBlock>(block);
            if (!HasOwnSize(media) || media.kind != 2) return -1;
            if (media.variant != kKind3Variant && media.variant != kKind4Variant) return -1;
            if (media.mediaValue > INT16_MAX) return -1;
            return SelectMedia(static_cast<int32_t>(media.mediaValue),
                               media.variant == kKind3Variant ? 3 : 4);
        }
        case DriverItem::kFlags204:
            return WriteFlags(kFlags204Key, *BlockOf<FlagBlock>(block));
        case DriverItem::kFlags205:
            return WriteFlags(kFlags205Key, *BlockOf<FlagBlock>(block));
        case DriverItem::kMediaAdjust:
            return WriteMediaAdjust(*BlockOf<MediaAdjustBlock>(block));
        default:
            return -1;
    }
}

int32_t DriverContext::ReadPaperSize(PaperSizeBlock& block) {
    const auto pageSize = record_.Find("PageSize");
    if (!pageSize) return -1;
    const auto size = model_.PaperSize(*pageSize);
    if (!size || size->width > INT16_MAX || size->length > INT16_MAX) return -1;
    block = PaperSizeBlock{static_cast<int16_t>(size->width), static_cast<int16_t>(size->length)};
    return 0;
}

int32_t DriverContext::WritePaperSize(const PaperSizeBlock& block) {
    if (block.unit != PaperSizeBlock{}.unit) return -1;
    const std::string pageSize = model_.PageSizeFor({block.width, block.length});
    if (pageSize.empty()) return -1;
    record_.Set("PageSize", pageSize);
    return 0;
}

int32_t DriverContext::ReadPaperSource(int16_t& code) const {
    const auto slot = record_.Find("InputSlot");
    if (!slot) return -1;
    for (const auto& source : kPaperSources) {
        if (*slot == source.inputSlot) {
            code = source.code;
            return 0;
        }
    }
    return -1;
}

int32_t DriverContext::WritePaperSource(intptr_t code) {
    for (const auto& source : kPaperSources) {
        if (code == source.code) {
            if (!model_.IsChoice("InputSlot", source.inputSlot)) return -1;
            record_.Set("InputSlot", source.inputSlot);
            return 0;
        }
    }
    return -1;
}

std::optional<int32_t> DriverContext::MediaValue() const {
    const auto mediaType = record_.Find("MediaType");
    if (!mediaType || !mediaType->starts_with(kMediaPrefix)) return std::nullopt;
    return ParseNumber<int16_t>(mediaType->substr(std::strlen(kMediaPrefix)));
}

int DriverContext::MediaKind() const {
    const auto resolution = record_.Find("Resolution");
    if (!resolution) return 0;
    const auto choices = model_.Choices("Resolution");
    const auto found = std::find(choices.begin(), choices.end(), *resolution);
    const auto index = found - choices.begin();
    return found != choices.end() && index < kMediaKinds ? static_cast<int>(index) + 1 : 0;
}

int32_t DriverContext::ReadMedia(MediaSelectBlock& block) const {
    const auto value = MediaValue();
    if (!value) return -1;
    block = MediaSelectBlock{};
    block.selector = MediaKind() == 1 ? 2 : 1;
    block.mediaValue = static_cast<int16_t>(*value);
    return 0;
}

int32_t DriverContext::ReadMedia(MediaExtendedBlock& block) const {
    if (!HasOwnSize(block)) return -1;
    const auto value = MediaValue();
    if (!value || *value < 0) return -1;
    const int kind = MediaKind();
    block.kind = 2;
    block.mediaValue = static_cast<uint32_t>(*value);
    block.variant = kind == 3 ? kKind3Variant : kind == 4 ? kKind4Variant : 0;
    return 0;
}

// The media kind is the print mode: the kind-th resolution the model offers.
int32_t DriverContext::SelectMedia(int32_t mediaValue, int mediaKind) {
    const std::string mediaType = kMediaPrefix + std::to_string(mediaValue);
    if (mediaValue < 0 || !model_.IsChoice("MediaType", mediaType)) return -1;
    const auto resolutions = model_.Choices("Resolution");
    if (mediaKind < 1 || static_cast<size_t>(mediaKind) > resolutions.size()) return -1;
    record_.Set("MediaType", mediaType);
    record_.Set("Resolution", resolutions[static_cast<size_t>(mediaKind) - 1]);
    return 0;
}

int32_t DriverContext::ReadMediaName(MediaNameBlock& block) const {
    if (!HasOwnSize(block) || block.name == nullptr || block.capacity == 0) return -1;
    for (const auto& media : model_.Media()) {
        if (media.id != block.mediaId) continue;
        size_t length = std::min<size_t>(media.name.size(), block.capacity - 1);
        // Never cut a multi-byte character in two.
        while (length > 0 && length < media.name.size() &&
               (static_cast<unsigned char>(media.name[length]) & 0xC0) == 0x80)
            --length;
        std::memcpy(block.name, media.name.data(), length);
        block.name[length] = '\0';
        return 0;
    }
    return -1;
}

int32_t DriverContext::ReadInkSet(InkSetBlock& block) const {
    const int slots = model_.InkSlots();
    if (slots != 8 && slots != 4) return -1;
    block = InkSetBlock{};
    block.words[2] = static_cast<uint32_t>(slots);
    block.words[5] = kBaseInks;
    block.words[6] = slots == 8 ? kInks8Slots : kInks4Slots;
    return 0;
}

int32_t DriverContext::ReadFlags(const char* key, uint32_t fallback, FlagBlock& block) const {
    if (!HasOwnSize(block)) return -1;
    const auto stored = record_.Find(key);
    const auto flags = stored ? ParseNumber<uint32_t>(*stored) : std::optional(fallback);
    if (!flags) return -1;
    block.flags = *flags;
    return 0;
}

int32_t DriverContext::WriteFlags(const char* key, const FlagBlock& block) {
    if (!HasOwnSize(block)) return -1;
    record_.Set(key, std::to_string(block.flags));
    return 0;
}

int32_t DriverContext::ReadMediaAdjust(MediaAdjustBlock& block) const {
    if (!HasOwnSize(block)) return -1;
    std::array<uint8_t, kMediaAdjustBytes> bytes{};
    for (const auto& adjust : kAdjustOptions) {
        const auto stored = record_.Find(adjust.option);
        const auto value = stored ? ParseNumber<int>(*stored) : std::nullopt;
        if (!value) return -1;
        bytes[adjust.byte] = static_cast<uint8_t>(*value);
    }
    std::copy(bytes.begin(), bytes.end(), block.bytes);
    return 0;
}

int32_t DriverContext::WriteMediaAdjust(const MediaAdjustBlock& block) {
    if (!HasOwnSize(block)) return -1;
    std::array<std::string, kAdjustOptions.size()> choices;
    for (size_t i = 0; i < kAdjustOptions.size(); ++i) {
        const auto& adjust = kAdjustOptions[i];
        const uint8_t byte = block.bytes[adjust.byte];
        const int value = adjust.isSigned ? static_cast<int8_t>(byte) : byte;
        choices[i] = std::to_string(value);
        if (!model_.IsChoice(adjust.option, choices[i])) return -1;
    }
    for (size_t i = 0; i < kAdjustOptions.size(); ++i)
        record_.Set(kAdjustOptions[i].option, choices[i]);
    return 0;
}

int32_t DriverContext::WriteSampleJob(intptr_t value) {
    if (value != 0 && value != 1) return -1;
    record_.Set(kSampleJobKey, std::to_string(value));
    return 0;
}
