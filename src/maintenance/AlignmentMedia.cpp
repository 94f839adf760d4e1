#include "maintenance/AlignmentMedia.h"

#include "config/MediaTable.h"

bool IsMediaGreyed(const MediaTable& media, int32_t mediaId, bool paperSourceKind2,
                   bool markGreys) {
    return (paperSourceKind2 && media.VariantMark(mediaId)) || (markGreys && media.Mark(mediaId));
}

bool IsMediaSelectionUsable(const MediaTable& media, int32_t selectedIndex, int32_t mediaId,
                            bool paperSourceKind2) {
    if (selectedIndex == 0) return true;
    return selectedIndex > 0 && mediaId != 0 && !(paperSourceKind2 && media.VariantMark(mediaId));
}
