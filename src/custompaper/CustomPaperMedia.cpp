#include "custompaper/CustomPaperMedia.h"

#include <algorithm>

#include "config/MediaTable.h"

namespace {

constexpr int32_t kPreferredPrintMode = 2;
constexpr int32_t kPrintModeCount = 4;

bool Offers(std::span<const int32_t> modes, int32_t mode) {
    return std::find(modes.begin(), modes.end(), mode) != modes.end();
}

}  // namespace

void FindSlotMedia(CustomPaperSlot& slot, const MediaTable& media) {
    slot.mediaId = media.IdFromPaperTypeCode(slot.paperTypeCode);
}

void PickSlotMedia(CustomPaperSlot& slot, const MediaTable& media, int32_t mediaId) {
    const auto& records = media.Records();
    const auto record =
        std::find_if(records.begin(), records.end(),
                     [mediaId](const MediaRecord& r) { return r.mediaId == mediaId; });
    slot.mediaId = mediaId;
    slot.paperTypeCode = record != records.end() ? record->paperTypeCode : 0;
}

void CompleteFileEntryMedia(CustomPaperFileEntry& entry, const MediaTable& media) {
    entry.id = media.MediaCode(entry.mediaId);
    entry.sid = media.MediaSubCode(entry.mediaId);
    entry.mw = media.PrintMode(entry.mediaId, entry.mode, PrintModeValue::Mw);
    entry.hres = media.PrintMode(entry.mediaId, entry.mode, PrintModeValue::Hres);
    entry.vres = media.PrintMode(entry.mediaId, entry.mode, PrintModeValue::Vres);
}

void FindFileEntryMedia(CustomPaperFileEntry& entry, const MediaTable& media) {
    entry.mediaId = media.IdFromCodes(entry.id, entry.sid);
}

bool IsFileEntryUsable(const CustomPaperFileEntry& entry, const MediaTable& media,
                       std::string_view inkLayout) {
    const auto& records = media.Records();
    const bool known = std::any_of(records.begin(), records.end(), [&entry](const MediaRecord& r) {
        return r.mediaCode == entry.id && r.mediaSubCode == entry.sid;
    });
    return known && entry.inkMode == inkLayout;
}

std::vector<int32_t> OfferedPrintModes(const MediaTable& media, int32_t mediaId) {
    std::vector<int32_t> modes;
    for (int32_t mode = 1; mode <= kPrintModeCount; ++mode) {
        if (media.PrintMode(mediaId, mode, PrintModeValue::Mw) != -1) modes.push_back(mode);
    }
    return modes;
}

int32_t ChoosePrintMode(std::span<const int32_t> offered, int32_t wanted) {
    if (Offers(offered, wanted)) return wanted;
    if (Offers(offered, kPreferredPrintMode)) return kPreferredPrintMode;
    return offered.empty() ? 0 : offered.front();
}
