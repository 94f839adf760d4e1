#pragma once

#include <cstdint>

#include "comm/JobBuffer.h"

// The sheets the printer prints of its own.
enum class StatusSheet : uint8_t {
    Status = 1,
    JobInformation = 2,
    CustomConfiguration = 4,
};

// The job that has the printer print `sheet`, to be sent as one raw job.
JobBuffer BuildStatusSheetJob(StatusSheet sheet);
