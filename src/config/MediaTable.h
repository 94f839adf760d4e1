#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// One record of "Media.ini": 21 integers in file order.
struct MediaRecord {
    int32_t mediaId = 0;
    int32_t mediaCode = 0;
    int32_t mediaSubCode = 0;
    int32_t paperTypeCode = 0;
    int32_t variant = 0;
    int32_t variantMarkFlag = 0;
    int32_t markFlag = 0;
    int32_t sortOrder = 0;
    int32_t value8 = 0;
    // Print modes 1..4, each {mw, hres, vres}; mw -1 = mode not offered.
    std::array<std::array<int32_t, 3>, 4> printModes{};
};

enum class PrintModeValue { Mw = 0, Hres = 1, Vres = 2 };

// The media table, read once at start-up and read-only afterwards.
class MediaTable {
  public:
    MediaTable() = default;
    // Reads "Media.ini" of the settings folder; an empty folder gives an empty, invalid table.
    explicit MediaTable(const std::string& settingsFolder);
    // A table of the given records, valid (for code that needs a table without a file).
    explicit MediaTable(std::vector<MediaRecord> records)
        : records_(std::move(records)), valid_(true) {}

    bool IsValid() const { return valid_; }
    const std::vector<MediaRecord>& Records() const { return records_; }

    int32_t SortOrder(int32_t mediaId) const;
    int32_t PrintMode(int32_t mediaId, int mode, PrintModeValue which) const;
    int32_t MediaCode(int32_t mediaId) const;
    int32_t MediaSubCode(int32_t mediaId) const;
    int32_t PaperTypeCode(int32_t mediaId, int32_t variant) const;
    int32_t Value8(int32_t mediaId, int32_t variant) const;
    int32_t IdFromCodes(int32_t mediaCode, int32_t mediaSubCode) const;
    int32_t IdFromPaperTypeCode(int32_t paperTypeCode) const;
    bool VariantMark(int32_t mediaId) const;
    bool Mark(int32_t mediaId) const;
    void SortIds(std::span<uint16_t> ids) const;

  private:
    const MediaRecord* Find(int32_t mediaId) const;
    const MediaRecord* Find(int32_t mediaId, int32_t variant) const;

    std::vector<MediaRecord> records_;
    bool valid_ = false;
};
