#include "custompaper/pages/SlotDetailTexts.h"

#include "custompaper/CustomPaperChoices.h"

namespace {

constexpr int32_t kThicknessUnit = 40011;
constexpr int32_t kFeedUnit = 40012;
constexpr int32_t kDryingUnit = 40013;

std::string Number(int32_t value, int32_t unitText, const TextLookup& loadText) {
    return std::to_string(value) + " " + loadText(unitText);
}

std::string Choice(std::span<const ChoiceText> choices, int32_t value, const TextLookup& loadText) {
    const std::optional<int32_t> textId = ChoiceTextId(choices, value);
    return textId ? loadText(*textId) : std::string();
}

}  // namespace

std::array<std::string, 8> SlotDetailTexts(const CustomPaperSlot& slot,
                                           const TextLookup& loadText) {
    const CustomPaperChoiceTexts& texts = kCallChoiceTexts;
    return {
        Number(slot.paperThick, kThicknessUnit, loadText),
        Choice(texts.platen, slot.platen, loadText),
        Choice(texts.paperDraw, slot.paperDraw, loadText),
        Choice(texts.roller, slot.roller, loadText),
        Number(slot.forward, kFeedUnit, loadText),
        Number(slot.dryTime, kDryingUnit, loadText),
        Choice(texts.paperCut, slot.paperCut, loadText),
        Choice(texts.extraOption, slot.extraOption, loadText),
    };
}
