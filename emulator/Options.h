#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "FaultSet.h"
#include "JobRecord.h"
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
    std::string firmware;          // --firmware: replaces the state's version at start
    std::vector<JobRecord> jobs;   // --job: added to the history at start, the last one newest
    long long nextJobNumber = -1;  // --next-job-number
    bool help = false;

    // False with a one-line explanation in error.
    bool Parse(const std::vector<std::string>& arguments, std::string& error);
    static std::string Usage();
};
