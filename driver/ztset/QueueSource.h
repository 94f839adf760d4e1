#pragma once

#include <cstdint>
#include <optional>

#include "DriverContext.h"

// Opens a context on a queue of the CUPS server the environment selects (CUPS_SERVER): its PPD
// and its saved options. None when the queue or its PPD cannot be read or the record is refused.
std::optional<DriverContext> OpenQueueContext(const char* queueName, const uint8_t* record);
