#pragma once

// An emulated printer for integration tests: printer-emulator on its own loopback address with
// free ports, its queue in a CupsSandbox, its ports in the library's configuration, and its
// journal (every job and query it received) readable as parsed JSON lines. See CupsSandbox.h
// for the whole picture.

#include <gtest/gtest.h>
#include <QJsonObject>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "CupsSandbox.h"

// One line of the emulator's journal.
struct JournalEntry {
    QJsonObject fields;

    std::string Text(const char* key) const;
    // A field holding bytes in hexadecimal ("hex": a job's first bytes, a query's command bytes;
    // "reply", "command"), decoded; empty when missing or not hexadecimal.
    std::vector<uint8_t> Bytes(const char* key = "hex") const;
};

struct EmulatorOptions {
    std::string model = "ZENTA Corvid 4000";
    std::string queue{};                // default: the model's name with "_" for spaces, then "_N"
    double speed = 0.01;                // busy durations 100 times shorter
    std::vector<std::string> faults{};  // NAME[=VALUE], switched on at start
    std::vector<std::string> extraArgs{};  // passed to printer-emulator as they are
};

class EmulatedPrinter {
  public:
    using Match = std::function<bool(const JournalEntry&)>;

    EmulatedPrinter(CupsSandbox& sandbox, EmulatorOptions options = {});

    // Starts the emulator, waits for its ready line, installs the queue and writes the ports to
    // the library's configuration. A restart after Stop keeps address, ports and state file.
    ::testing::AssertionResult Start();
    void Stop();

    const std::string& Queue() const { return options_.queue; }
    const std::string& Model() const { return options_.model; }
    const std::string& Address() const { return address_; }
    uint16_t RawPort() const { return rawPort_; }
    std::string StatePath() const { return folder_ + "/state.json"; }
    std::string JournalPath() const { return folder_ + "/journal.jsonl"; }

    // Replaces the faults of the running emulator (NAME[=VALUE] each; empty clears them) and
    // waits until its journal confirms them.
    ::testing::AssertionResult SetFaults(const std::vector<std::string>& faults);

    // The matching entries once there are at least count of them, or those there are when
    // timeoutMs has passed.
    std::vector<JournalEntry> WaitForJournal(const Match& match, size_t count,
                                             int timeoutMs = 10000) const;
    // Journal entries of one event ("job", "query", "faults", "start", ...), e.g. Event("job").
    static Match Event(const std::string& event);
    // The value of a key of the printer's state file once `accept` takes it, or its last value
    // when timeoutMs has passed.
    std::string WaitForState(const std::string& key,
                             const std::function<bool(const std::string&)>& accept,
                             int timeoutMs = 10000) const;
    // Waits until the printer reports itself ready (status code 4), e.g. once a job's work is done.
    ::testing::AssertionResult WaitUntilReady(int timeoutMs = 10000) const;

  private:
    std::vector<JournalEntry> Journal() const;
    // What the emulator wrote to stdout and stderr.
    std::string Output() const;

    CupsSandbox& sandbox_;
    EmulatorOptions options_;
    std::string address_;
    std::string folder_;
    uint16_t rawPort_ = 0;
    uint16_t snmpPort_ = 0;
    uint16_t controlPort_ = 0;
    bool queueInstalled_ = false;
    ChildProcess emulator_;
};
