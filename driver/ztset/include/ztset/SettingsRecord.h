#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

// The driver's settings record of one queue: the queue name and the options a job printed with
// it carries (PPD choices and CUPS options, name=value), in a self-checking byte form that the
// program keeps without looking inside. Plain C++: the library and the program's printing share it.
class SettingsRecord {
  public:
    using Option = std::pair<std::string, std::string>;

    static constexpr size_t kHeaderSize = 16;
    static constexpr size_t kMaxSize = 65536;
    static constexpr uint16_t kVersion = 1;

    SettingsRecord() = default;
    explicit SettingsRecord(std::string queueName) : queueName_(std::move(queueName)) {}

    const std::string& QueueName() const { return queueName_; }
    const std::vector<Option>& Options() const { return options_; }
    // The option's value, or none.
    std::optional<std::string> Find(const std::string& name) const;
    // Replaces the value or appends the option; false for a name or value the format refuses.
    bool Set(const std::string& name, const std::string& value);

    // Empty when the record does not fit kMaxSize.
    std::vector<uint8_t> Encode() const;
    // None unless the bytes start with one whole, intact record of this format; bytes after it
    // are ignored.
    static std::optional<SettingsRecord> Decode(std::span<const uint8_t> bytes);
    // For a reader that holds only an address: checks the magic byte by byte and then the header
    // before reading on, and never reads past the header's total size.
    static std::optional<SettingsRecord> DecodeAt(const uint8_t* address);

  private:
    static std::optional<size_t> DeclaredSize(std::span<const uint8_t, kHeaderSize> header);

    std::string queueName_;
    std::vector<Option> options_;
};
