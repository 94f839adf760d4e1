#include "sampleprint/SampleLabels.h"

#include <span>

#include "custompaper/CustomPaperChoices.h"

namespace {

// The text of the value's choice; empty for a value the list does not have.
std::string ChoiceName(std::span<const ChoiceText> choices, int32_t value,
                       const TextLookup& loadText) {
    const auto id = ChoiceTextId(choices, value);
    return id ? loadText(*id) : std::string();
}

// The suction label closes the line, without a comma.
std::string LastLabel(const std::string& name, const std::string& value) {
    return name + "=" + value;
}

}  // namespace

std::string SampleLabels::JobName() const {
    if (highlighted < 0 || static_cast<size_t>(highlighted) >= texts.size()) return {};
    return texts[static_cast<size_t>(highlighted)];
}

void SampleLabels::Vary(size_t index, std::string text) {
    if (index >= texts.size()) return;
    texts[index] = std::move(text);
    highlighted = static_cast<int>(index);
}

std::string TextLabel(const std::string& name, const std::string& value) {
    return name + "=" + value + ",";
}

std::string NumberLabel(const std::string& name, int32_t value) {
    return TextLabel(name, std::to_string(value));
}

SampleLabels BuildSlotLabels(const CustomPaperSlot& slot, const std::string& mediaName,
                             const TextLookup& loadText) {
    using namespace choice_lists;
    return {{
        TextLabel(loadText(30003), mediaName),
        NumberLabel(loadText(30004), slot.paperThick),
        TextLabel(loadText(30006), ChoiceName(kRegistrationPlaten, slot.platen, loadText)),
        NumberLabel(loadText(30009), slot.forward),
        NumberLabel(loadText(30013), slot.dryTime),
        TextLabel(loadText(30017), ChoiceName(kRegistrationPaperCut, slot.paperCut, loadText)),
        TextLabel(loadText(30018), ChoiceName(kRegistrationRoller, slot.roller, loadText)),
        LastLabel(loadText(30019), ChoiceName(kRegistrationPaperDraw, slot.paperDraw, loadText)),
    }};
}

SampleLabels BuildFileEntryLabels(const CustomPaperFileEntry& entry, const std::string& mediaName,
                                  const TextLookup& loadText) {
    using namespace choice_lists;
    return {{
        TextLabel(loadText(50004), mediaName),
        NumberLabel(loadText(50005), entry.paperThick),
        TextLabel(loadText(50007), ChoiceName(kCustomFilePlaten, entry.platen, loadText)),
        TextLabel(loadText(50010), ChoiceName(kCustomFileMode, entry.mode, loadText)),
        NumberLabel(loadText(50011), entry.density),
        NumberLabel(loadText(30009), entry.forward),
        NumberLabel(loadText(30013), entry.dryTime),
        TextLabel(loadText(30017), ChoiceName(kCustomFilePaperCut, entry.paperCut, loadText)),
        TextLabel(loadText(30018), ChoiceName(kCustomFileRoller, entry.roller, loadText)),
        LastLabel(loadText(30019), ChoiceName(kCustomFilePaperDraw, entry.paperDraw, loadText)),
    }};
}
