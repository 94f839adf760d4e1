#pragma once

#include <cstdint>
#include <functional>

#include "ztset/DriverSettingsBlocks.h"

class DriverSettings;

// Puts the sample's media adjustment bytes into the block read from the driver.
using AdjustmentFiller = std::function<void(MediaAdjustBlock&)>;

// Readies a fresh driver settings context for one sample page: sample job, media of the given
// kind (1..4), paper source of the paper source kind (1 roll with the sheet flag, 2 cut sheet,
// 3 manual feed, any other left alone), the paper's width with the sample length, and the media
// adjustment block filled by `fill`. 0 when all was taken, -1 at the first refusal.
int32_t PrepareSamplePage(DriverSettings& context, int32_t mediaValue, int32_t mediaKind,
                          int32_t paperSourceKind, bool sheetFlag, const AdjustmentFiller& fill);
