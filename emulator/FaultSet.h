#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Bytes.h"

// Faults a test can switch on, at start (--fault) or while running (--fault-file).
struct FaultSet {
    bool notReady = false;          // not-ready: status busy forever
    bool error = false;             // error: status code 0
    bool unreachable = false;       // unreachable: no answer on any port
    int slowMs = 0;                 // slow=MS: every reply delayed (default 2000)
    bool garbled = false;           // garbled: replies scrambled
    int dropEvery = 0;              // drop[=N]: every N-th datagram ignored (no value: all)
    int lowInk = -1;                // low-ink[=PERCENT]: last ink slot at most PERCENT (default 10)
    int lowLevel = -1;              // low-level[=VALUE]: field 0x0D at VALUE (default 10)
    bool controlClosed = false;     // control-closed: control port not listening
    int platenGap = -1;             // platen-gap=DIGIT: the SN:01 digit reported (0-3)
    double errorAfterSeconds = -1;  // error-after=SECONDS: error strikes during the next job
    std::string firmware;           // firmware=VERSION: reported until an update replaces it

    // One "name" or "name=value"; false (and an explanation) when unknown or out of range.
    bool Apply(const std::string& fault, std::string& error);
    // One fault a line; blank lines and lines starting with '#' are skipped. Every bad line is
    // listed in error, the good ones still apply.
    bool ApplyLines(const std::string& text, std::string& error);

    // With the garbled fault, the reply with every byte after its "@BDC ...\r\n" line changed
    // (same length, same way each time), so it still arrives as a reply and its reader has to
    // cope with the content; otherwise the reply itself.
    Bytes Garble(Bytes reply) const;

    // What a printer can report as its version: 1-16 printable ASCII bytes, no ";".
    static bool IsVersionText(const std::string& text);

    std::string Describe() const;  // "none" or the active faults, comma-separated
    static std::string Help();
};
