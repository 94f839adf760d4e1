#include "custompaper/CustomPaperChoices.h"

#include <algorithm>

std::optional<int32_t> ChoiceTextId(std::span<const ChoiceText> choices, int32_t value) {
    const auto found = std::find_if(choices.begin(), choices.end(),
                                    [value](const ChoiceText& c) { return c.value == value; });
    if (found == choices.end()) return std::nullopt;
    return found->textId;
}
