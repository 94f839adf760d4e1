#include "EmulatedPrinter.h"
#include "Eventually.h"
#include "FileText.h"
#include "JobBytes.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QByteArray>
#include <QJsonDocument>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <thread>

namespace {

// The status code the printer at the address reports over the wrapped channel; -1 without an
// answer within half a second.
int StatusCodeAt(const std::string& address, uint16_t snmpPort) {
    const int fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return -1;
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(snmpPort);
    inet_pton(AF_INET, address.c_str(), &to.sin_addr);
    const std::vector<uint8_t> request = wire::WrappedRequest(wire::Hex("73 74 01 00 01"));
    sendto(fd, request.data(), request.size(), 0, reinterpret_cast<const sockaddr*>(&to),
           sizeof to);
    std::vector<uint8_t> answer(65536);
    pollfd entry{fd, POLLIN, 0};
    const ssize_t count = poll(&entry, 1, 500) == 1 ? recv(fd, answer.data(), answer.size(), 0) : 0;
    close(fd);
    // The reply's marker line follows the GetResponse's header; the block's first field is the
    // status code: 01, its length 1, the code.
    const std::string text(answer.begin(), answer.begin() + std::max<ssize_t>(count, 0));
    const size_t marker = text.find("@BDC ST2\r\n");
    const size_t at = marker + 12;  // past the line and the block's length word
    return marker != std::string::npos && at + 3 <= text.size() && text[at] == 0x01 ? text[at + 2]
                                                                                    : -1;
}

}  // namespace

std::string JournalEntry::Text(const char* key) const {
    return fields.value(QString::fromUtf8(key)).toString().toStdString();
}

std::vector<uint8_t> JournalEntry::Bytes(const char* key) const {
    QByteArray hex = fields.value(QString::fromUtf8(key)).toString().toLatin1();
    hex.replace(' ', QByteArray());
    const QByteArray bytes = QByteArray::fromHex(hex);
    if (bytes.size() * 2 != hex.size()) return {};
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

EmulatedPrinter::EmulatedPrinter(CupsSandbox& sandbox, EmulatorOptions options)
    : sandbox_(sandbox), options_(std::move(options)) {}

::testing::AssertionResult EmulatedPrinter::Start() {
    if (address_.empty()) {
        address_ = sandbox_.NextAddress();
        folder_ = sandbox_.Folder() + "/printer-" + address_;
        std::filesystem::create_directories(folder_);
        if (options_.queue.empty()) {
            options_.queue = std::regex_replace(options_.model, std::regex(" "), "_") + "_" +
                             address_.substr(address_.rfind('.') + 1);
        }
    }
    const std::string binary = std::string(SERVATO_BIN_DIR) + "/printer-emulator";
    std::ofstream(folder_ + "/faults", std::ios::trunc);
    std::vector<std::string> args = {binary, "--model", options_.model, "--listen", address_};
    for (const auto& [option, value] :
         {std::pair<const char*, std::string>{"--raw-port", std::to_string(rawPort_)},
          {"--snmp-port", std::to_string(snmpPort_)},
          {"--control-port", std::to_string(controlPort_)},
          {"--state", StatePath()},
          {"--journal", JournalPath()},
          {"--speed", std::to_string(options_.speed)},
          {"--fault-file", folder_ + "/faults"}}) {
        args.insert(args.end(), {option, value});
    }
    for (const auto& fault : options_.faults) args.insert(args.end(), {"--fault", fault});
    args.insert(args.end(), options_.extraArgs.begin(), options_.extraArgs.end());
    const std::string out = folder_ + "/emulator.out";
    std::ofstream(out, std::ios::trunc);
    if (!emulator_.Start(args, out, folder_ + "/emulator.err")) {
        return ::testing::AssertionFailure() << "cannot start " << binary;
    }

    static const std::regex ready(R"( ready: .* raw (\d+) snmp (\d+) control (\d+))");
    // The match points into the text, so the text must outlive it.
    std::string text;
    std::smatch ports;
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    for (;;) {
        text = ReadFileText(out);
        if (std::regex_search(text, ports, ready)) break;
        if (!emulator_.IsRunning() || std::chrono::steady_clock::now() >= end) {
            emulator_.Stop();
            return ::testing::AssertionFailure()
                   << "printer-emulator on " << address_ << " did not become ready:\n"
                   << Output();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    rawPort_ = static_cast<uint16_t>(std::stoi(ports[1]));
    snmpPort_ = static_cast<uint16_t>(std::stoi(ports[2]));
    controlPort_ = static_cast<uint16_t>(std::stoi(ports[3]));

    // Later sections win, so a restarted printer's ports replace the earlier ones.
    std::ofstream(sandbox_.RqapiConfigPath(), std::ios::app)
        << "[" << address_ << "]\nsnmp_port=" << snmpPort_ << "\ncontrol_port=" << controlPort_
        << "\n";
    if (!queueInstalled_) {
        const std::string uri = "socket://" + address_ + ":" + std::to_string(rawPort_);
        auto added = sandbox_.AddQueue(options_.queue, uri, options_.model);
        if (!added) {
            emulator_.Stop();
            return added;
        }
        queueInstalled_ = true;
    }
    return ::testing::AssertionSuccess();
}

void EmulatedPrinter::Stop() {
    emulator_.Stop();
}

std::string EmulatedPrinter::Output() const {
    return ReadFileText(folder_ + "/emulator.out") + ReadFileText(folder_ + "/emulator.err");
}

::testing::AssertionResult EmulatedPrinter::SetFaults(const std::vector<std::string>& faults) {
    const size_t confirmed = WaitForJournal(Event("faults"), 0, 0).size();
    // Written aside and renamed into place: the emulator must never read a half-written file and
    // journal it as a change of its own.
    {
        std::ofstream file(folder_ + "/faults.new", std::ios::trunc);
        for (const auto& fault : faults) file << fault << "\n";
    }
    std::filesystem::rename(folder_ + "/faults.new", folder_ + "/faults");
    // The emulator looks at the file every 200 ms and journals each change.
    const auto changes = WaitForJournal(Event("faults"), confirmed + 1, 3000);
    if (changes.size() <= confirmed) {
        return ::testing::AssertionFailure() << "the emulator did not take the faults:\n"
                                             << Output();
    }
    const std::string error = changes.back().Text("error");
    if (!error.empty()) return ::testing::AssertionFailure() << "fault refused: " << error;
    return ::testing::AssertionSuccess();
}

std::vector<JournalEntry> EmulatedPrinter::Journal() const {
    std::vector<JournalEntry> entries;
    std::istringstream lines(ReadFileText(JournalPath()));
    std::string line;
    while (std::getline(lines, line)) {
        const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(line));
        // A line still being written does not parse yet and is left for the next read.
        if (document.isObject()) entries.push_back({document.object()});
    }
    return entries;
}

std::vector<JournalEntry> EmulatedPrinter::WaitForJournal(const Match& match, size_t count,
                                                          int timeoutMs) const {
    std::vector<JournalEntry> found;
    Eventually(
        [&] {
            found.clear();
            for (auto& entry : Journal())
                if (match(entry)) found.push_back(std::move(entry));
            return found.size() >= count;
        },
        timeoutMs);
    return found;
}

std::string EmulatedPrinter::WaitForState(const std::string& key,
                                          const std::function<bool(const std::string&)>& accept,
                                          int timeoutMs) const {
    std::string value;
    Eventually(
        [&] {
            std::istringstream lines(ReadFileText(StatePath()));
            for (std::string line; std::getline(lines, line);)
                if (line.starts_with(key + "=")) value = line.substr(key.size() + 1);
            return accept(value);
        },
        timeoutMs);
    return value;
}

EmulatedPrinter::Match EmulatedPrinter::Event(const std::string& event) {
    return [event](const JournalEntry& entry) { return entry.Text("event") == event; };
}

::testing::AssertionResult EmulatedPrinter::WaitUntilReady(int timeoutMs) const {
    int status = -1;
    if (Eventually([&] { return (status = StatusCodeAt(address_, snmpPort_)) == 4; }, timeoutMs)) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << options_.queue << " still reports status " << status;
}
