#pragma once

#include <QFont>
#include <cstdint>
#include <string>

#include "sampleprint/SampleLabels.h"

class DriverSettings;
class Spooler;

// Prints one sample page with the context's settings record, as the queue's driver prints: the
// label line (the highlighted label bold, a label that does not fit starting a new line), then a
// row of copies of the test image across the full paper width, 1/360 inch per image pixel.
// `baseFont` gives the labels' typeface. The page goes to the queue as one job named after the
// highlighted label.
//
// 0 when printed; a positive count when the record could be taken but no page could be made of it
// (nothing printed); 0 as well when the library would not copy the record; -1 when there is no
// record, the queue refused the job, or the labels or the image could not be drawn.
int32_t PrintSamplePage(DriverSettings& context, Spooler& spooler, const std::string& printerName,
                        const std::string& imagePath, const SampleLabels& labels,
                        const QFont& baseFont);
