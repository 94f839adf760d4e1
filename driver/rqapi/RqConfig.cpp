#include "RqConfig.h"

#include <charconv>
#include <cstdlib>
#include <fstream>
#include <optional>

namespace rqapi {
namespace {

constexpr size_t kMaxFileBytes = 64 * 1024;

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::optional<int64_t> Number(std::string_view text, int64_t min, int64_t max) {
    int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < min || value > max) {
        return std::nullopt;
    }
    return value;
}

void Apply(RqSettings& settings, std::string_view key, std::string_view value) {
    if (key == "community") {
        if (!value.empty() && value.size() < 64) settings.community = std::string(value);
        return;
    }
    if (key == "snmp_port" || key == "control_port") {
        const auto port = Number(value, 1, 65535);
        if (!port) return;
        (key == "snmp_port" ? settings.snmpPort : settings.controlPort) =
            static_cast<uint16_t>(*port);
        return;
    }
    if (key == "timeout_ms" || key == "probe_timeout_ms") {
        const auto ms = Number(value, 1, 600000);
        if (!ms) return;
        (key == "timeout_ms" ? settings.timeoutMs : settings.probeTimeoutMs) =
            static_cast<int32_t>(*ms);
    }
}

}  // namespace

std::string RqConfig::FilePath() {
    const char* named = std::getenv("RQAPI_CONFIG");
    return (named && *named) ? std::string(named) : std::string("/etc/rqapi.conf");
}

RqSettings RqConfig::ForHost(std::string_view host) {
    std::ifstream file(FilePath(), std::ios::binary);
    if (!file) return RqSettings{};
    std::string text;
    text.resize(kMaxFileBytes);
    file.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<size_t>(file.gcount()));
    return Parse(text, host);
}

RqSettings RqConfig::Parse(std::string_view text, std::string_view host) {
    RqSettings settings;
    bool applies = true;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        line = Trim(line.substr(0, line.find('#')));
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            applies = Trim(line.substr(1, line.size() - 2)) == host;
            continue;
        }
        const size_t equals = line.find('=');
        if (!applies || equals == std::string_view::npos) continue;
        Apply(settings, Trim(line.substr(0, equals)), Trim(line.substr(equals + 1)));
    }
    return settings;
}

}  // namespace rqapi
