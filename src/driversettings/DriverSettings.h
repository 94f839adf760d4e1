#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "ztset/DriverSettingsBlocks.h"

class DriverSettingsLibrary;
class MediaTable;

// A short-lived context on one printer's driver settings: the operation changes media, paper
// source, size and the media adjustment block, then takes the changed settings record. Every
// operation answers -1 without calling the library when the context did not open, unless noted.
class DriverSettings {
  public:
    static constexpr int32_t kSampleLength = 1600;

    // Opens with the given settings record (the printer defaults), or with the queue's own settings
    // when none is given. With no library the context stays closed.
    DriverSettings(DriverSettingsLibrary* library, const std::string& printerName,
                   const std::string& portName, std::span<const uint8_t> record = {});
    ~DriverSettings();
    DriverSettings(const DriverSettings&) = delete;
    DriverSettings& operator=(const DriverSettings&) = delete;

    bool IsOpen() const { return handle_ != 0; }
    // The media value read at open or last selected; 0 when none was read.
    int32_t CurrentMediaValue() const { return currentMediaValue_; }

    // Media kind 1..4; the library's result.
    int32_t SelectMedia(int32_t value, int32_t kind);
    // The ink layout text of the model; the one-byte text 0xFF when the context is not open.
    std::string GetInkLayout();
    int32_t GetMediaAdjustBlock(MediaAdjustBlock& block);
    int32_t SetMediaAdjustBlock(const MediaAdjustBlock& block);
    // 1, 2 or 3 by the paper source; -1 when it cannot be read.
    int32_t GetPaperSourceKind();
    // Code 256, 7 or 4; 0 / -1.
    int32_t SetPaperSource(int16_t code);
    // Bit 3 of flag word 205 (0 or 1), -1 when unreadable. Asks the library even when closed.
    int32_t GetFlag205();
    int32_t SetFlag205(bool on);
    // Clears bit 1 of flag word 204; 0 once read, whatever the write answers.
    int32_t ClearFlag204();
    int32_t GetPaperWidth();
    int32_t GetPaperLength();
    // The length written for sample pages.
    int32_t SampleLength() const;
    int32_t SetPaperSize(int32_t width, int32_t length);
    int32_t SetItem20();
    // The default paper thickness (value8) of the current media; -1 when none matches, 0 with an
    // empty media table.
    int32_t CurrentMediaValue8(const MediaTable& mediaTable);
    // Copies the changed settings record: its size, 0 when the library would not copy it, -1 when
    // there is none.
    int32_t GetDevMode(std::vector<uint8_t>& record);

  private:
    int32_t ReadFlags(int32_t item, FlagBlock& block);

    DriverSettingsLibrary* library_ = nullptr;
    int32_t handle_ = 0;
    int32_t currentMediaValue_ = 0;
};
