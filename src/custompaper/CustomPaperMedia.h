#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "custompaper/CustomPaperFileEntry.h"
#include "custompaper/CustomPaperSlot.h"

class MediaTable;

// How custom paper settings name their media type through the media table.

// A slot read from the printer: `mediaId` of the first media whose paper type code is the slot's
// (0 when none).
void FindSlotMedia(CustomPaperSlot& slot, const MediaTable& media);
// The user picked `mediaId`: the slot takes it and the paper type code of its first record.
void PickSlotMedia(CustomPaperSlot& slot, const MediaTable& media, int32_t mediaId);

// Before saving: `id`, `sid` and the three values of `mode` from the media of `mediaId` (-1 for
// what the table does not have).
void CompleteFileEntryMedia(CustomPaperFileEntry& entry, const MediaTable& media);
// After loading: `mediaId` of the media with the entry's `id` and `sid` (0 when none).
void FindFileEntryMedia(CustomPaperFileEntry& entry, const MediaTable& media);
// The entry can be chosen on this printer: its media exists and it was saved with the driver's
// current ink layout.
bool IsFileEntryUsable(const CustomPaperFileEntry& entry, const MediaTable& media,
                       std::string_view inkLayout);

// The print modes (1..4) the media offers, in order.
std::vector<int32_t> OfferedPrintModes(const MediaTable& media, int32_t mediaId);
// The mode a rebuilt mode list selects: `wanted` when offered, else 2 when offered, else the first;
// 0 when none is offered.
int32_t ChoosePrintMode(std::span<const int32_t> offered, int32_t wanted);
