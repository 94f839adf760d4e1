#include "FaultSet.h"

#include <charconv>
#include <cstdlib>
#include <sstream>
#include <string_view>

namespace {
bool ReadValue(const std::string& text, int low, int high, int& value) {
    int parsed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (error != std::errc() || end != text.data() + text.size() || parsed < low || parsed > high) {
        return false;
    }
    value = parsed;
    return true;
}

bool ReadSeconds(const std::string& text, double& value) {
    char* end = nullptr;
    const double parsed = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !(parsed >= 0) || parsed > 86400) return false;
    value = parsed;
    return true;
}

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}
}  // namespace

bool FaultSet::Apply(const std::string& fault, std::string& errorText) {
    const auto equals = fault.find('=');
    const std::string name = Trim(fault.substr(0, equals));
    const bool hasValue = equals != std::string::npos;
    const std::string value = hasValue ? Trim(fault.substr(equals + 1)) : std::string();
    auto flag = [&](bool& target) {
        if (hasValue) return false;
        target = true;
        return true;
    };
    auto number = [&](int& target, int fallback, int low, int high) {
        if (!hasValue) {
            target = fallback;
            return true;
        }
        return ReadValue(value, low, high, target);
    };
    bool ok = false;
    if (name == "not-ready") {
        ok = flag(notReady);
    } else if (name == "error") {
        ok = flag(error);
    } else if (name == "unreachable") {
        ok = flag(unreachable);
    } else if (name == "garbled") {
        ok = flag(garbled);
    } else if (name == "control-closed") {
        ok = flag(controlClosed);
    } else if (name == "slow") {
        ok = number(slowMs, 2000, 0, 600000);
    } else if (name == "drop") {
        ok = number(dropEvery, 1, 1, 1000000);
    } else if (name == "low-ink") {
        ok = number(lowInk, 10, 0, 25);
    } else if (name == "low-level") {
        ok = number(lowLevel, 10, 0, 12);
    } else if (name == "platen-gap") {
        ok = hasValue && ReadValue(value, 0, 9, platenGap);
    } else if (name == "error-after") {
        ok = hasValue && ReadSeconds(value, errorAfterSeconds);
    } else if (name == "firmware") {
        ok = hasValue && IsVersionText(value);
        if (ok) firmware = value;
    } else {
        errorText = "unknown fault \"" + name + "\"";
        return false;
    }
    if (!ok) errorText = "bad value for fault \"" + fault + "\"";
    return ok;
}

bool FaultSet::IsVersionText(const std::string& text) {
    if (text.empty() || text.size() > 16) return false;
    for (const char c : text) {
        if (c < 0x21 || c > 0x7E || c == ';') return false;
    }
    return true;
}

bool FaultSet::ApplyLines(const std::string& text, std::string& errorText) {
    std::stringstream stream(text);
    std::string line;
    bool allGood = true;
    errorText.clear();
    while (std::getline(stream, line)) {
        line = Trim(line);
        if (line.empty() || line[0] == '#') continue;
        std::string lineError;
        if (!Apply(line, lineError)) {
            allGood = false;
            errorText += (errorText.empty() ? "" : "; ") + lineError;
        }
    }
    return allGood;
}

Bytes FaultSet::Garble(Bytes reply) const {
    if (!garbled) return reply;
    const std::string_view text(reinterpret_cast<const char*>(reply.data()), reply.size());
    const auto lineEnd = text.find("\r\n");
    const std::size_t first =
        text.starts_with("@BDC ") && lineEnd != std::string_view::npos ? lineEnd + 2 : 0;
    for (std::size_t i = first; i < reply.size(); ++i) {
        const auto mask = static_cast<std::uint8_t>(0xA5 + 7 * i);
        reply[i] ^= mask != 0 ? mask : 0x5A;
    }
    return reply;
}

std::string FaultSet::Describe() const {
    std::string text;
    auto add = [&](const std::string& item) { text += (text.empty() ? "" : ",") + item; };
    if (notReady) add("not-ready");
    if (error) add("error");
    if (unreachable) add("unreachable");
    if (slowMs > 0) add("slow=" + std::to_string(slowMs));
    if (garbled) add("garbled");
    if (dropEvery > 0) add("drop=" + std::to_string(dropEvery));
    if (lowInk >= 0) add("low-ink=" + std::to_string(lowInk));
    if (lowLevel >= 0) add("low-level=" + std::to_string(lowLevel));
    if (controlClosed) add("control-closed");
    if (platenGap >= 0) add("platen-gap=" + std::to_string(platenGap));
    if (errorAfterSeconds >= 0) {
        std::ostringstream seconds;
        seconds << errorAfterSeconds;
        add("error-after=" + seconds.str());
    }
    if (!firmware.empty()) add("firmware=" + firmware);
    return text.empty() ? "none" : text;
}

std::string FaultSet::Help() {
    return "  not-ready           status busy (3) forever\n"
           "  error               status code 0 (error)\n"
           "  unreachable         no answer at all: SNMP silent, TCP ports not listening\n"
           "  slow[=MS]           every SNMP and control reply delayed by MS (default 2000)\n"
           "  garbled             reply contents scrambled (same length, marker line kept)\n"
           "  drop[=N]            every N-th datagram ignored; no value: all of them\n"
           "  low-ink[=PERCENT]   last ink slot reports PERCENT, 0-25 (default 10)\n"
           "  low-level[=VALUE]   status field 0x0D reports VALUE, 0-12 (default 10)\n"
           "  control-closed      control port not listening\n"
           "  platen-gap=DIGIT    the SN query answers SN:01DIGIT (0-9)\n"
           "  error-after=SECONDS status error (0) SECONDS after the next job's work starts\n"
           "                      (scaled by --speed); the job ends in error, the error stays\n"
           "                      until the fault is taken away\n"
           "  firmware=VERSION    VERSION reported (e.g. I00000) until a firmware update\n";
}
