#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "DriverModel.h"
#include "ztset/DriverSettingsBlocks.h"
#include "ztset/SettingsRecord.h"

// One open context of the settings library: the queue's model and the settings record that the
// data items read and change. Items answer 0 when done and -1 for anything they cannot do.
class DriverContext {
  public:
    // With no record: the PPD's defaults and the queue's options; with one: that record, refused
    // when it is not an intact record of this queue. Choices the PPD no longer offers fall back to
    // its defaults.
    static std::optional<DriverContext> Open(DriverModel model, const std::string& queueName,
                                             const std::vector<DriverModel::Option>& queueOptions,
                                             const uint8_t* record);

    int32_t GetRange(int32_t item, void* block);
    int32_t GetData(int32_t item, void* block);
    int32_t SetData(int32_t item, intptr_t valueOrBlock);
    const SettingsRecord& Record() const { return record_; }

  private:
    DriverContext(DriverModel model, SettingsRecord record)
        : model_(std::move(model)), record_(std::move(record)) {}

    int32_t ReadPaperSize(PaperSizeBlock& block);
    int32_t WritePaperSize(const PaperSizeBlock& block);
    int32_t ReadPaperSource(int16_t& code) const;
    int32_t WritePaperSource(intptr_t code);
    int32_t ReadMedia(MediaSelectBlock& block) const;
    int32_t ReadMedia(MediaExtendedBlock& block) const;
    int32_t SelectMedia(int32_t mediaValue, int mediaKind);
    int32_t ReadMediaName(MediaNameBlock& block) const;
    int32_t ReadInkSet(InkSetBlock& block) const;
    int32_t ReadFlags(const char* key, uint32_t fallback, FlagBlock& block) const;
    int32_t WriteFlags(const char* key, const FlagBlock& block);
    int32_t ReadMediaAdjust(MediaAdjustBlock& block) const;
    int32_t WriteMediaAdjust(const MediaAdjustBlock& block);
    int32_t WriteSampleJob(intptr_t value);

    std::optional<int32_t> MediaValue() const;
    int MediaKind() const;  // 1..4, 0 when the record's resolution is not one of the four

    DriverModel model_;
    SettingsRecord record_;
};
