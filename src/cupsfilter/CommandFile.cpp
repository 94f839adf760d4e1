#include "CommandFile.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

namespace {

constexpr size_t kUnknownShown = 5;
constexpr size_t kShownLength = 40;

constexpr std::array<std::pair<std::string_view, MaintenanceCommand>, 3> kCommands = {{
    {"Clean", MaintenanceCommand::Clean},
    {"PrintSelfTestPage", MaintenanceCommand::PrintSelfTestPage},
    {"ReportLevels", MaintenanceCommand::ReportLevels},
}};

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsText(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return IsBlank(c) || (byte >= 0x20 && byte < 0x7F);
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; };
               return lower(x) == lower(y);
           });
}

std::string_view Trimmed(std::string_view line) {
    while (!line.empty() && IsBlank(line.front())) line.remove_prefix(1);
    while (!line.empty() && IsBlank(line.back())) line.remove_suffix(1);
    return line;
}

// The line as the job log may show it: text only, cut short.
std::string Shown(std::string_view line) {
    std::string shown;
    for (char c : line.substr(0, kShownLength)) shown += IsText(c) ? c : '?';
    if (line.size() > kShownLength) shown += "...";
    return shown;
}

const MaintenanceCommand* Named(std::string_view line) {
    if (!std::all_of(line.begin(), line.end(), IsText)) return nullptr;
    const std::string_view word = line.substr(0, std::min(line.find_first_of(" \t"), line.size()));
    for (const auto& [name, command] : kCommands)
        if (EqualIgnoringCase(word, name)) return &command;
    return nullptr;
}

}  // namespace

CommandFile ParseCommandFile(std::span<const uint8_t> bytes) {
    CommandFile file;
    std::string_view rest(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    while (!rest.empty()) {
        const size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        line = Trimmed(line);
        if (line.empty() || line.front() == '#') continue;
        if (const MaintenanceCommand* command = Named(line)) {
            if (std::find(file.commands.begin(), file.commands.end(), *command) ==
                file.commands.end())
                file.commands.push_back(*command);
            continue;
        }
        if (file.unknown.size() < kUnknownShown) file.unknown.push_back(Shown(line));
        ++file.unknownCount;
    }
    return file;
}
