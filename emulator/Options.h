#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "FaultSet.h"
#include "WorkDurations.h"

// The command line.
struct Options {
    std::string model = "ZENTA Corvid 4000";
    std::string listen = "127.0.0.1";
    bool allowNonLoopback = false;
    int rawPort = 9100;
    int snmpPort = 161;
    int controlPort = 9101;
    std::string statePath;
    std::string journalPath;
    std::string faultPath;
    FaultSet faults;
    WorkDurations durations;
    double idleTimeoutSeconds = 60;
    std::size_t journalHexLimit = 65536;
    bool help = false;

    // False with a one-line explanation in error.
    bool Parse(const std::vector<std::string>& arguments, std::string& error);
    static std::string Usage();
};
