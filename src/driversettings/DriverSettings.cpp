#include "driversettings/DriverSettings.h"

#include <algorithm>

#include "config/MediaTable.h"
#include "driversettings/DriverSettingsLibrary.h"

namespace {

constexpr int32_t kOpenWithRecord = 2;
constexpr uint32_t kInks4Slots = 0x0504030B;
constexpr const char* kInkLayout8Slots = "0B000301040205030100060407050A08";
constexpr const char* kInkLayout4Slots = "0B000301040205030B00030104020503";
constexpr uint32_t kFlag204Bit1 = 0x2;
constexpr uint32_t kFlag205Bit0 = 0x1;
constexpr uint32_t kFlag205Bit3 = 0x8;

}  // namespace

DriverSettings::DriverSettings(DriverSettingsLibrary* library, const std::string& printerName,
                               const std::string& portName, std::span<const uint8_t> record)
    : library_(library) {
    if (library_ == nullptr) return;
    int32_t handle = 0;
    const bool withRecord = !record.empty();
    if (record.size() > kSettingsRecordMaxSize) return;
    std::vector<uint8_t> recordBuffer(withRecord ? kSettingsRecordMaxSize : 0, 0);
    std::copy(record.begin(), record.end(), recordBuffer.begin());
    if (library_->Open(printerName, portName, withRecord ? kOpenWithRecord : 0,
                       withRecord ? recordBuffer.data() : nullptr, &handle) != 0)
        return;
    handle_ = handle;
    if (handle_ == 0) return;
    MediaSelectBlock media{0, 0, 0, 0};
    if (library_->GetData(handle_, DriverItem::kMedia, &media) == 0)
        currentMediaValue_ = media.mediaValue;
}

DriverSettings::~DriverSettings() {
    if (IsOpen()) library_->Close(handle_);
}

int32_t DriverSettings::SelectMedia(int32_t value, int32_t kind) {
    if (!IsOpen()) return -1;
    int32_t result = -1;
    if (kind == 1 || kind == 2) {
        MediaSelectBlock block;
        block.selector = kind == 1 ? 2 : 1;
        block.mediaValue = static_cast<int16_t>(value);
        result = library_->SetData(handle_, DriverItem::kMedia, reinterpret_cast<intptr_t>(&block));
    } else if (kind == 3 || kind == 4) {
        MediaExtendedBlock block;
        block.mediaValue = static_cast<uint32_t>(value);
        block.variant = kind == 3 ? 6 : 15;
        result = library_->SetData(handle_, DriverItem::kMediaExtended,
                                   reinterpret_cast<intptr_t>(&block));
    }
    if (result == 0) currentMediaValue_ = value;
    return result;
}

std::string DriverSettings::GetInkLayout() {
    if (!IsOpen()) return std::string(1, '\xFF');
    InkSetBlock block;
    const bool fourSlots = library_->GetData(handle_, DriverItem::kInkSet, &block) == 0 &&
                           block.words[6] == kInks4Slots;
    return fourSlots ? kInkLayout4Slots : kInkLayout8Slots;
}

int32_t DriverSettings::GetMediaAdjustBlock(MediaAdjustBlock& block) {
    if (!IsOpen()) return -1;
    return library_->GetData(handle_, DriverItem::kMediaAdjust, &block);
}

int32_t DriverSettings::SetMediaAdjustBlock(const MediaAdjustBlock& block) {
    if (!IsOpen()) return -1;
    return library_->SetData(handle_, DriverItem::kMediaAdjust, reinterpret_cast<intptr_t>(&block));
}

int32_t DriverSettings::GetPaperSourceKind() {
    if (!IsOpen()) return -1;
    int16_t code = 0;
    if (library_->GetData(handle_, DriverItem::kPaperSource, &code) != 0) return -1;
    if (code == 7 || code == 258) return 2;
    if (code == 4 || code == 264) return 3;
    return 1;
}

int32_t DriverSettings::SetPaperSource(int16_t code) {
    if (!IsOpen()) return -1;
    return library_->SetData(handle_, DriverItem::kPaperSource, code) == 0 ? 0 : -1;
}

int32_t DriverSettings::ReadFlags(int32_t item, FlagBlock& block) {
    return library_->GetData(handle_, item, &block) == 0 ? 0 : -1;
}

int32_t DriverSettings::GetFlag205() {
    if (library_ == nullptr) return -1;
    FlagBlock block;
    if (ReadFlags(DriverItem::kFlags205, block) != 0) return -1;
    return (block.flags & kFlag205Bit3) != 0 ? 1 : 0;
}

int32_t DriverSettings::SetFlag205(bool on) {
    if (!IsOpen()) return -1;
    FlagBlock block;
    if (ReadFlags(DriverItem::kFlags205, block) != 0) return -1;
    block.flags = (on ? block.flags | kFlag205Bit3 : block.flags & ~kFlag205Bit3) | kFlag205Bit0;
    return library_->SetData(handle_, DriverItem::kFlags205, reinterpret_cast<intptr_t>(&block)) ==
                   0
               ? 0
               : -1;
}

int32_t DriverSettings::ClearFlag204() {
    if (!IsOpen()) return -1;
    FlagBlock block;
    if (ReadFlags(DriverItem::kFlags204, block) != 0) return -1;
    block.flags &= ~kFlag204Bit1;
    library_->SetData(handle_, DriverItem::kFlags204, reinterpret_cast<intptr_t>(&block));
    return 0;
}

int32_t DriverSettings::GetPaperWidth() {
    if (!IsOpen()) return -1;
    PaperSizeBlock block;
    if (library_->GetData(handle_, DriverItem::kPaperSize, &block) != 0) return -1;
    return block.width;
}

int32_t DriverSettings::GetPaperLength() {
    if (!IsOpen()) return -1;
    PaperSizeBlock block;
    if (library_->GetData(handle_, DriverItem::kPaperSize, &block) != 0) return -1;
    return block.length;
}

int32_t DriverSettings::SampleLength() const {
    return IsOpen() ? kSampleLength : -1;
}

int32_t DriverSettings::SetPaperSize(int32_t width, int32_t length) {
    if (!IsOpen()) return -1;
    PaperSizeBlock block;
    block.width = static_cast<int16_t>(width);
    block.length = static_cast<int16_t>(length);
    return library_->SetData(handle_, DriverItem::kPaperSize, reinterpret_cast<intptr_t>(&block)) ==
                   0
               ? 0
               : -1;
}

int32_t DriverSettings::SetItem20() {
    if (!IsOpen()) return -1;
    return library_->SetData(handle_, DriverItem::kSampleJob, 1) == 0 ? 0 : -1;
}

int32_t DriverSettings::CurrentMediaValue8(const MediaTable& mediaTable) {
    if (!IsOpen()) return -1;
    if (mediaTable.Records().empty()) return 0;
    return mediaTable.Value8(currentMediaValue_, GetPaperSourceKind() != 1 ? 1 : 0);
}

int32_t DriverSettings::GetDevMode(std::vector<uint8_t>& record) {
    if (!IsOpen()) return -1;
    const int32_t size = library_->GetDevMode(handle_, nullptr);
    if (size < 1) return -1;
    record.assign(static_cast<size_t>(size), 0);
    if (library_->GetDevMode(handle_, record.data()) == 0) {
        record.clear();
        return 0;
    }
    return size;
}
