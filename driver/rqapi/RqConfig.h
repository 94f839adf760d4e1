#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace rqapi {

// Where and how long the library talks to a printer. The defaults are a real printer's; the
// library's own configuration file moves the ports (tests and the demo run unprivileged).
struct RqSettings {
    uint16_t snmpPort = 161;
    uint16_t controlPort = 9101;
    int32_t timeoutMs = 3000;          // status and device ID requests, sends on the plain channel
    int32_t probeTimeoutMs = 500;      // each probe of RQGetAvailableChannel
    std::string community = "public";  // for the library's own SNMP requests
};

// The configuration file: the file named by RQAPI_CONFIG, else /etc/rqapi.conf. Lines "key=value";
// keys snmp_port, control_port, timeout_ms, probe_timeout_ms, community; "#" starts a comment;
// lines after "[HOST]" apply only to that host (emulators side by side on different ports).
// Unknown keys and values out of range are ignored.
class RqConfig {
  public:
    // The settings for a host from the configuration file; the defaults when there is none.
    static RqSettings ForHost(std::string_view host);
    // The settings for a host from the text of a configuration file.
    static RqSettings Parse(std::string_view text, std::string_view host);
    static std::string FilePath();
};

}  // namespace rqapi
