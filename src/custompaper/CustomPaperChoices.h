#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

// A value of an enumerated custom paper field and the text id it is shown with.
struct ChoiceText {
    int32_t value;
    int32_t textId;
};

// The texts of the enumerated fields on one page, each list in the order the page shows it. A
// field the page does not show has an empty list.
struct CustomPaperChoiceTexts {
    std::span<const ChoiceText> platen;
    // Suction 0, -1..-4: slider ticks on the editing pages.
    std::span<const ChoiceText> paperDraw;
    std::span<const ChoiceText> paperCut;
    std::span<const ChoiceText> roller;
    std::span<const ChoiceText> extraOption;
    std::span<const ChoiceText> mode;
};

// The text id of `value`, none when the list has no item for it.
std::optional<int32_t> ChoiceTextId(std::span<const ChoiceText> choices, int32_t value);

namespace choice_lists {

// The cut lists put cut method 1 second but show it with the text whose id ends in 3.
inline constexpr std::array<ChoiceText, 4> kRegistrationPlaten{
    {{1, 30131}, {2, 30132}, {3, 30133}, {4, 30134}}};
inline constexpr std::array<ChoiceText, 5> kRegistrationPaperDraw{
    {{0, 30020}, {-1, 30021}, {-2, 30022}, {-3, 30023}, {-4, 30024}}};
inline constexpr std::array<ChoiceText, 4> kRegistrationPaperCut{
    {{0, 30140}, {1, 30143}, {2, 30141}, {3, 30142}}};
inline constexpr std::array<ChoiceText, 4> kRegistrationRoller{
    {{0, 30150}, {1, 30151}, {2, 30152}, {3, 30153}}};
inline constexpr std::array<ChoiceText, 3> kRegistrationExtraOption{
    {{0, 30160}, {1, 30161}, {2, 30162}}};

inline constexpr std::array<ChoiceText, 4> kCallPlaten{
    {{1, 40121}, {2, 40122}, {3, 40123}, {4, 40124}}};
inline constexpr std::array<ChoiceText, 5> kCallPaperDraw{
    {{0, 40130}, {-1, 40131}, {-2, 40132}, {-3, 40133}, {-4, 40134}}};
inline constexpr std::array<ChoiceText, 4> kCallPaperCut{
    {{0, 40150}, {1, 40153}, {2, 40151}, {3, 40152}}};
inline constexpr std::array<ChoiceText, 4> kCallRoller{
    {{0, 40140}, {1, 40141}, {2, 40142}, {3, 40143}}};
// The call page also names the two option values no editing page offers.
inline constexpr std::array<ChoiceText, 5> kCallExtraOption{
    {{0, 40160}, {1, 40161}, {2, 40162}, {3, 40163}, {4, 40164}}};

inline constexpr std::array<ChoiceText, 4> kCustomFilePlaten{
    {{1, 50131}, {2, 50132}, {3, 50133}, {4, 50134}}};
inline constexpr std::array<ChoiceText, 5> kCustomFilePaperDraw{
    {{0, 50026}, {-1, 50027}, {-2, 50028}, {-3, 50029}, {-4, 50030}}};
inline constexpr std::array<ChoiceText, 4> kCustomFilePaperCut{
    {{0, 50140}, {1, 50143}, {2, 50141}, {3, 50142}}};
inline constexpr std::array<ChoiceText, 4> kCustomFileRoller{
    {{0, 50150}, {1, 50151}, {2, 50152}, {3, 50153}}};
inline constexpr std::array<ChoiceText, 4> kCustomFileMode{
    {{1, 50160}, {2, 50161}, {3, 50162}, {4, 50163}}};

}  // namespace choice_lists

inline constexpr CustomPaperChoiceTexts kRegistrationChoiceTexts{
    choice_lists::kRegistrationPlaten,      choice_lists::kRegistrationPaperDraw,
    choice_lists::kRegistrationPaperCut,    choice_lists::kRegistrationRoller,
    choice_lists::kRegistrationExtraOption, {}};

inline constexpr CustomPaperChoiceTexts kCallChoiceTexts{
    choice_lists::kCallPlaten, choice_lists::kCallPaperDraw,   choice_lists::kCallPaperCut,
    choice_lists::kCallRoller, choice_lists::kCallExtraOption, {}};

inline constexpr CustomPaperChoiceTexts kCustomFileChoiceTexts{choice_lists::kCustomFilePlaten,
                                                               choice_lists::kCustomFilePaperDraw,
                                                               choice_lists::kCustomFilePaperCut,
                                                               choice_lists::kCustomFileRoller,
                                                               {},
                                                               choice_lists::kCustomFileMode};
