#pragma once

#include <cstdint>
#include <string>

// How long the printer stays busy with each kind of work, in nominal seconds, and the factor
// that scales them all (0.01: a hundred times faster).
struct WorkDurations {
    double nozzleCheck = 20;
    double cleaning = 60;
    double alignment = 120;  // one automatic alignment pattern read by the sensor
    double pattern = 30;     // a printed pattern or report sheet
    double page = 10;        // one page of a document
    double restart = 60;     // firmware flash and restart
    double speed = 1;

    std::int64_t ScaledMs(double seconds) const {
        return static_cast<std::int64_t>(seconds * speed * 1000.0 + 0.5);
    }
    // "cleaning=60" and the like; false when the name is unknown or the value negative.
    bool Apply(const std::string& setting);
};
