#include "config/MediaTable.h"

#include <algorithm>
#include <cstdio>

#include "config/DecimalScan.h"
#include "config/KeyValueFile.h"
#include "config/MediaRecordParser.h"
#include "config/SettingsFolder.h"

MediaTable::MediaTable(const std::string& settingsFolder) {
    if (settingsFolder.empty()) return;
    const KeyValueFile file(JoinPath(settingsFolder, SettingsFile::kMedia));
    const int32_t count = LeadingInteger(file.Lookup("MEDIA_NUM").value_or(std::string()));
    if (count <= 0) return;
    // A corrupt count must not reserve gigabytes; reading stops at the first missing record.
    records_.reserve(static_cast<size_t>(std::min(count, 1024)));
    for (int32_t index = 1; index <= count; ++index) {
        char key[24];
        std::snprintf(key, sizeof key, "MEDIA%02d", index);
        const auto value = file.Lookup(key);
        if (!value) break;
        const auto record = ParseMediaRecord(*value);
        if (!record) break;
        records_.push_back(*record);
    }
    valid_ = records_.size() == static_cast<size_t>(count);
}

const MediaRecord* MediaTable::Find(int32_t mediaId) const {
    for (const MediaRecord& record : records_) {
        if (record.mediaId == mediaId) return &record;
    }
    return nullptr;
}

const MediaRecord* MediaTable::Find(int32_t mediaId, int32_t variant) const {
    for (const MediaRecord& record : records_) {
        if (record.mediaId == mediaId && record.variant == variant) return &record;
    }
    return nullptr;
}

int32_t MediaTable::SortOrder(int32_t mediaId) const {
    const MediaRecord* record = Find(mediaId);
    return record ? record->sortOrder : 0;
}

int32_t MediaTable::PrintMode(int32_t mediaId, int mode, PrintModeValue which) const {
    if (mode < 1 || mode > 4) return -1;
    const MediaRecord* record = Find(mediaId);
    if (!record) return -1;
    return record->printModes[static_cast<size_t>(mode - 1)][static_cast<size_t>(which)];
}

int32_t MediaTable::MediaCode(int32_t mediaId) const {
    const MediaRecord* record = Find(mediaId);
    return record ? record->mediaCode : -1;
}

int32_t MediaTable::MediaSubCode(int32_t mediaId) const {
    const MediaRecord* record = Find(mediaId);
    return record ? record->mediaSubCode : -1;
}

int32_t MediaTable::PaperTypeCode(int32_t mediaId, int32_t variant) const {
    const MediaRecord* record = Find(mediaId, variant);
    if (!record) record = Find(mediaId);
    return record ? record->paperTypeCode : 0;
}

int32_t MediaTable::Value8(int32_t mediaId, int32_t variant) const {
    const MediaRecord* record = Find(mediaId, variant);
    if (!record) record = Find(mediaId);
    return record ? record->value8 : -1;
}

int32_t MediaTable::IdFromCodes(int32_t mediaCode, int32_t mediaSubCode) const {
    for (const MediaRecord& record : records_) {
        if (record.mediaCode == mediaCode && record.mediaSubCode == mediaSubCode) {
            return record.mediaId;
        }
    }
    return 0;
}

int32_t MediaTable::IdFromPaperTypeCode(int32_t paperTypeCode) const {
    for (const MediaRecord& record : records_) {
        if (record.paperTypeCode == paperTypeCode) return record.mediaId;
    }
    return 0;
}

bool MediaTable::VariantMark(int32_t mediaId) const {
    const MediaRecord* record = Find(mediaId, 1);
    return record && record->variantMarkFlag == 1;
}

bool MediaTable::Mark(int32_t mediaId) const {
    const MediaRecord* record = Find(mediaId);
    return record && record->markFlag == 1;
}

void MediaTable::SortIds(std::span<uint16_t> ids) const {
    if (ids.size() < 2) return;
    std::stable_sort(ids.begin(), ids.end(),
                     [this](uint16_t a, uint16_t b) { return SortOrder(a) < SortOrder(b); });
}
