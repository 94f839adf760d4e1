#pragma once

#include <cstdint>

class MediaTable;

// Which media of the driver's list the alignment pages offer. The paper source kind 2 (cut sheet
// feeding) cannot take a media whose variant-1 record is marked; the automatic adjustment also
// greys media whose patterns its sensor cannot read (the media's mark).

bool IsMediaGreyed(const MediaTable& media, int32_t mediaId, bool paperSourceKind2, bool markGreys);

// An alignment may start with the first entry of the media list (no media: the thickness is
// typed), or with a media the paper source can take.
bool IsMediaSelectionUsable(const MediaTable& media, int32_t selectedIndex, int32_t mediaId,
                            bool paperSourceKind2);
