#include "sampleprint/SamplePreparation.h"

#include "driversettings/DriverSettings.h"

namespace {

int32_t SetPaperSource(DriverSettings& context, int32_t paperSourceKind, bool sheetFlag) {
    switch (paperSourceKind) {
        case 1:
            if (context.SetPaperSource(PaperSourceCode::kRoll) < 0) return -1;
            return context.SetFlag205(sheetFlag);
        case 2:
            if (context.SetPaperSource(PaperSourceCode::kSheet) < 0) return -1;
            return context.ClearFlag204();
        case 3:
            if (context.SetPaperSource(PaperSourceCode::kManual) < 0) return -1;
            return context.ClearFlag204();
        default:
            return 0;
    }
}

}  // namespace

int32_t PrepareSamplePage(DriverSettings& context, int32_t mediaValue, int32_t mediaKind,
                          int32_t paperSourceKind, bool sheetFlag, const AdjustmentFiller& fill) {
    if (context.SetItem20() < 0 || context.SelectMedia(mediaValue, mediaKind) < 0) return -1;
    if (SetPaperSource(context, paperSourceKind, sheetFlag) < 0) return -1;
    const int32_t width = context.GetPaperWidth();
    const int32_t length = context.SampleLength();
    if (width < 0 || length < 0 || context.SetPaperSize(width, length) < 0) return -1;
    MediaAdjustBlock block;
    // A block the driver could not read is filled from its defaults all the same.
    context.GetMediaAdjustBlock(block);
    if (fill) fill(block);
    return context.SetMediaAdjustBlock(block) < 0 ? -1 : 0;
}
