#include "Options.h"

#include <arpa/inet.h>

#include <cstdlib>

#include "DecimalText.h"
#include "JobRecordFields.h"
#include "PrinterModel.h"

namespace {

bool ReadSeconds(const std::string& text, double& value) {
    char* end = nullptr;
    const double parsed = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !(parsed > 0) || parsed > 1e6) return false;
    value = parsed;
    return true;
}
}  // namespace

bool Options::Parse(const std::vector<std::string>& arguments, std::string& error) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string name = arguments[i];
        std::string value;
        bool hasValue = false;
        const auto equals = name.find('=');
        if (name.rfind("--", 0) == 0 && equals != std::string::npos) {
            value = name.substr(equals + 1);
            name = name.substr(0, equals);
            hasValue = true;
        }
        auto take = [&]() {
            if (hasValue) return true;
            if (i + 1 >= arguments.size()) return false;
            value = arguments[++i];
            return true;
        };
        auto port = [&](int& target) {
            long long number = 0;
            if (!take() || !ReadDecimal<long long>(value, 0, 65535, number)) return false;
            target = static_cast<int>(number);
            return true;
        };
        bool ok = true;
        if (name == "--help" || name == "-h") {
            help = true;
        } else if (name == "--allow-non-loopback") {
            allowNonLoopback = true;
        } else if (name == "--model") {
            PrinterModel known;
            ok = take() && PrinterModel::ForName(value, known);
            model = value;
        } else if (name == "--listen") {
            in_addr address{};
            ok = take() && inet_pton(AF_INET, value.c_str(), &address) == 1;
            listen = value;
        } else if (name == "--raw-port") {
            ok = port(rawPort);
        } else if (name == "--snmp-port") {
            ok = port(snmpPort);
        } else if (name == "--control-port") {
            ok = port(controlPort);
        } else if (name == "--state") {
            ok = take() && !value.empty();
            statePath = value;
        } else if (name == "--journal") {
            ok = take() && !value.empty();
            journalPath = value;
        } else if (name == "--fault-file") {
            ok = take() && !value.empty();
            faultPath = value;
        } else if (name == "--fault") {
            std::string faultError;
            ok = take() && faults.Apply(value, faultError);
            if (!ok && !faultError.empty()) {
                error = faultError;
                return false;
            }
        } else if (name == "--firmware") {
            ok = take() && FaultSet::IsVersionText(value);
            firmware = value;
        } else if (name == "--job") {
            JobRecord record;
            std::string jobError;
            if (!take() || !JobRecordFields::Parse(value, record, jobError)) {
                error = jobError.empty() ? "missing value for --job" : jobError;
                return false;
            }
            jobs.push_back(record);
        } else if (name == "--next-job-number") {
            ok = take() && ReadDecimal<long long>(value, 1, 0xFFFFFFFFLL, nextJobNumber);
        } else if (name == "--speed") {
            ok = take() && ReadSeconds(value, durations.speed);
        } else if (name == "--duration") {
            ok = take() && durations.Apply(value);
        } else if (name == "--idle-timeout") {
            ok = take() && ReadSeconds(value, idleTimeoutSeconds);
        } else if (name == "--journal-hex-limit") {
            long long bytes = 0;
            ok = take() && ReadDecimal<long long>(value, 0, 1LL << 30, bytes);
            journalHexLimit = static_cast<std::size_t>(bytes);
        } else {
            error = "unknown option " + arguments[i] + " (see --help)";
            return false;
        }
        if (!ok) {
            error = "bad or missing value for " + name + (value.empty() ? "" : ": " + value);
            return false;
        }
    }
    in_addr address{};
    inet_pton(AF_INET, listen.c_str(), &address);
    const bool loopback = (ntohl(address.s_addr) >> 24) == 127;
    if (!loopback && !allowNonLoopback) {
        error = "--listen " + listen + " is not a loopback address (add --allow-non-loopback)";
        return false;
    }
    return true;
}

std::string Options::Usage() {
    std::string models;
    for (const std::string& model : PrinterModel::Names()) models += "\"" + model + "\" ";
    return "usage: printer-emulator [options]\n"
           "A network printer of one served model: raw job port, SNMP v1 agent, control port.\n"
           "  --model NAME            one of " +
           models +
           "(default \"ZENTA Corvid 4000\")\n"
           "  --listen ADDRESS        IPv4 address to serve on (default 127.0.0.1)\n"
           "  --allow-non-loopback    accept a --listen address outside 127.0.0.0/8\n"
           "  --raw-port PORT         TCP raw job port (default 9100; 0 picks a free one)\n"
           "  --snmp-port PORT        UDP SNMP v1 agent (default 161; 0 picks a free one)\n"
           "  --control-port PORT     TCP plain channel (default 9101; 0 picks a free one)\n"
           "  --state FILE            state kept across restarts, rewritten on every change\n"
           "  --journal FILE          one JSON object a line per job and query received\n"
           "  --journal-hex-limit N   bytes of a job written out in hex (default 65536)\n"
           "  --speed FACTOR          scales every busy time; 0.01 = 100 times faster\n"
           "  --duration NAME=SECONDS nominal busy time of nozzle-check (20), cleaning (60),\n"
           "                          alignment (120), pattern (30), page (10), restart (60)\n"
           "  --idle-timeout SECONDS  a job connection silent this long ends its job (60)\n"
           "  --firmware VERSION      report VERSION from the start (I00000: recovery mode)\n"
           "  --job FIELDS            add a remembered job at start; repeatable, the last is the\n"
           "                          newest. FIELDS: state=waiting|printing|completed|cancelled|\n"
           "                          "
           "paused|error|N,number=N,source=roll|sheet|board|N,owner=HOST,\n"
           "                          ink=MICROLITRES,paper=WxL,seconds=N,bytes=1-68,name=TEXT\n"
           "                          (name last: it takes the rest)\n"
           "  --next-job-number N     number of the next job received (past 255 as well)\n"
           "  --fault NAME[=VALUE]    switch a fault on at start; repeatable\n"
           "  --fault-file FILE       faults one a line, re-read whenever FILE changes\n"
           "  --help                  this list\n"
           "faults:\n" +
           FaultSet::Help();
}
