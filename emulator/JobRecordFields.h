#pragma once

#include <string>

#include "JobRecord.h"

// A remembered job given on the command line (--job), so a test can set up records of any state
// without writing the state file: "state=paused,source=sheet,name=Poster A1". Keys: state
// (waiting, printing, completed, cancelled, paused, error or 0-255), number, source (roll,
// sheet, board or 1-255), owner, ink (microlitres), paper (WIDTHxLENGTH in mm), seconds, bytes
// (1-68: a short record), name. name takes the rest of the text, commas included, so it comes
// last.
struct JobRecordFields {
    // Fills record from fields; false with an explanation in error.
    static bool Parse(const std::string& fields, JobRecord& record, std::string& error);
};
