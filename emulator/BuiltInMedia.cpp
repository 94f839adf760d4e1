#include "BuiltInMedia.h"

#include "CustomPaperRecord.h"

namespace {
// Thin papers take narrow gaps, board, canvas and fine art the wide one, so a gap taken from the
// wrong medium shows up in the job.
constexpr BuiltInMedia::Medium kMedia[] = {
    {16, "Premium Glossy Photo Paper", 2, 3},
    {17, "Premium Glossy Photo Paper", 3, 3},
    {18, "Premium Semigloss Photo Paper", 2, 3},
    {19, "Premium Luster Photo Paper", 2, 3},
    {20, "Premium Luster Photo Paper", 3, 3},
    {21, "Premium Semimatte Photo Paper", 2, 3},
    {32, "Proofing Paper White Semimatte", 3, 2},
    {33, "Proofing Paper Publication", 3, 2},
    {48, "Singleweight Matte Paper", 4, 2},
    {49, "Doubleweight Matte Paper", 2, 3},
    {50, "Enhanced Matte Paper", 2, 3},
    {51, "Enhanced Matte Paper", 3, 3},
    {52, "Enhanced Matte Posterboard", 1, 12},
    {53, "Enhanced Matte Posterboard", 1, 12},
    {64, "Watercolor Paper Radiant White", 3, 4},
    {65, "Velvet Fine Art Paper", 1, 5},
    {66, "Textured Fine Art Paper", 1, 5},
    {80, "Water Resistant Canvas", 1, 5},
    {81, "Water Resistant Canvas", 1, 5},
    {82, "Matte Canvas", 3, 5},
    {96, "Clear Film", 4, 2},
    {97, "Backlight Film", 3, 2},
    {112, "Plain Paper", 4, 1},
    {113, "Coated Paper", 3, 1},
    {144, "Synthetic Paper", 3, 2},
    {145, "Adhesive Synthetic Paper", 2, 3},
    {146, "Adhesive Synthetic Paper", 2, 3},
    {160, "Heavyweight Polyester Banner", 1, 4},
    {240, "Service Sheet", 2, 3},
    {241, "Cleaning Sheet", 2, 2},
};
}  // namespace

const BuiltInMedia::Medium* BuiltInMedia::Find(std::uint8_t paperTypeCode) {
    for (const Medium& medium : kMedia) {
        if (medium.paperTypeCode == paperTypeCode) return &medium;
    }
    return nullptr;
}

Bytes BuiltInMedia::Record(const Medium& medium) {
    using R = CustomPaperRecord;
    Bytes record = R::Template();
    record[R::kPlaten] = medium.platen;
    record[R::kFeed] = record[R::kFeed + 1] = 101;  // no feed adjustment
    record[R::kSuction] = 51;                       // standard suction
    record[R::kCut] = 0x03;
    record[R::kCut + 1] = 0x65;
    record[R::kRoller] = 0;
    record[R::kThickness] = medium.thickness;
    record[R::kDryTime] = record[R::kDryTime + 1] = 0;
    record[R::kOption] = 0;
    record[R::kPaperType] = medium.paperTypeCode;
    R::SetName(record, medium.name);
    return record;
}
