#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "custompaper/CustomPaperFileEntry.h"
#include "custompaper/CustomPaperSlot.h"
#include "custompaper/CustomPaperSlotTable.h"

// The line of labels over a sample: every setting as "name=value,", the varied one highlighted.
// The highlighted text also names the page's print job.
struct SampleLabels {
    std::vector<std::string> texts;
    int highlighted = -1;

    // The highlighted text; empty when none is highlighted.
    std::string JobName() const;
    // Puts `text` in place of entry `index` and highlights it; nothing for an index out of range.
    void Vary(size_t index, std::string text);
};

// Where a dialog puts the value it varies.
namespace LabelIndex {
constexpr size_t kMedia = 0;
constexpr size_t kSlotFeed = 3;
constexpr size_t kEntryMode = 3;
constexpr size_t kEntryDensity = 4;
constexpr size_t kEntryFeed = 5;
}  // namespace LabelIndex

// "name=value," and "name=number,", the forms of the label entries.
std::string TextLabel(const std::string& name, const std::string& value);
std::string NumberLabel(const std::string& name, int32_t value);

// The eight labels of a printer slot and the ten of a custom paper file entry; `mediaName` is the
// driver's name of the setting's media.
SampleLabels BuildSlotLabels(const CustomPaperSlot& slot, const std::string& mediaName,
                             const TextLookup& loadText);
SampleLabels BuildFileEntryLabels(const CustomPaperFileEntry& entry, const std::string& mediaName,
                                  const TextLookup& loadText);
