#include "custompaper/CustomPaperFile.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <optional>

#include "config/DecimalScan.h"
#include "config/FileBytes.h"
#include "custompaper/CustomNameText.h"
#include "custompaper/FileReplacement.h"
#include "custompaper/IniDocument.h"
#include "custompaper/IniValue.h"

namespace {

constexpr std::string_view kBase = "Base";
constexpr std::string_view kVersionKey = "Version";
constexpr std::string_view kModelKey = "Model";
constexpr std::string_view kCountKey = "MediaCount";
constexpr std::string_view kNameKey = "CustomName";

// The format this program writes; a file of a later one may hold what a write would lose.
constexpr std::string_view kVersion = "2.00";
constexpr int32_t kVersionMajor = 2;

constexpr std::string_view kMakerPrefix = "ZENTA ";

// The keys of one setting, in the order they are written.
struct EntryField {
    enum class Kind { Name, InkLayout, Number };
    std::string_view key;
    Kind kind;
    int32_t CustomPaperFileEntry::*number = nullptr;
    // The print mode values are completed from the media table and never read back.
    bool readBack = true;
};

using Kind = EntryField::Kind;
using Entry = CustomPaperFileEntry;
constexpr EntryField kEntryFields[] = {
    {"CustomName", Kind::Name},
    {"ID", Kind::Number, &Entry::id},
    {"Mode", Kind::Number, &Entry::mode},
    {"Hres", Kind::Number, &Entry::hres, false},
    {"Vres", Kind::Number, &Entry::vres, false},
    {"Mw", Kind::Number, &Entry::mw, false},
    {"Density", Kind::Number, &Entry::density},
    {"Forward", Kind::Number, &Entry::forward},
    {"Drytime", Kind::Number, &Entry::dryTime},
    {"Paperthick", Kind::Number, &Entry::paperThick},
    {"Paperdraw", Kind::Number, &Entry::paperDraw},
    {"PaperCut", Kind::Number, &Entry::paperCut},
    {"InkMode", Kind::InkLayout},
    {"Platen", Kind::Number, &Entry::platen},
    {"Roller", Kind::Number, &Entry::roller},
    {"SID", Kind::Number, &Entry::sid},
};

std::string EntrySection(int k) {
    char section[24];
    std::snprintf(section, sizeof section, "Media%02d", k);
    return section;
}

std::string_view WithoutMakerPrefix(std::string_view model) {
    if (model.size() > kMakerPrefix.size() && model.starts_with(kMakerPrefix))
        model.remove_prefix(kMakerPrefix.size());
    return model;
}

// Versions are "major.minor"; one that does not start with a number is not a later one.
bool IsNewerVersion(std::string_view version) {
    const std::optional<int32_t> major = ScanDecimal(version);
    if (!major) return false;
    if (*major != kVersionMajor) return *major > kVersionMajor;
    if (!version.starts_with('.')) return false;
    version.remove_prefix(1);
    const std::string_view minor = version.substr(0, version.find_first_not_of("0123456789"));
    return minor.find_first_not_of('0') != std::string_view::npos;
}

bool IsFileFor(const std::optional<std::string_view>& fileModel,
               const std::optional<std::string_view>& version, std::string_view printerModel) {
    if (!fileModel || (version && IsNewerVersion(*version))) return false;
    return *fileModel == WithoutMakerPrefix(printerModel);
}

int CountOf(const std::optional<std::string_view>& value) {
    return value ? LeadingInteger(*value) : -1;
}

std::string_view TrimSpace(std::string_view text) {
    constexpr std::string_view kSpace = " \t\r\n\v\f";
    const size_t first = text.find_first_not_of(kSpace);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kSpace) - first + 1);
}

std::string FieldText(const CustomPaperFileEntry& entry, const EntryField& field) {
    switch (field.kind) {
        case Kind::Name:
            return CustomNameText(entry.customName, CustomPaperFile::kNameLength);
        case Kind::InkLayout:
            return entry.inkMode;
        case Kind::Number:
            break;
    }
    return std::to_string(entry.*field.number);
}

void TakeFieldText(CustomPaperFileEntry& entry, const EntryField& field, std::string_view text) {
    switch (field.kind) {
        case Kind::Name:
            entry.customName = CustomNameText(text, text.size());
            return;
        case Kind::InkLayout:
            entry.inkMode = TrimSpace(text);
            return;
        case Kind::Number:
            entry.*field.number = LeadingInteger(text);
            return;
    }
}

std::string FormatMakeTime(const std::tm& time) {
    char text[96];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d:%02d", time.tm_year + 1900,
                  time.tm_mon + 1, time.tm_mday, time.tm_hour, time.tm_min, time.tm_sec);
    return text;
}

std::tm SystemLocalTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    return local;
}

}  // namespace

CustomPaperFile::CustomPaperFile() : CustomPaperFile(SystemLocalTime) {}

CustomPaperFile::CustomPaperFile(LocalClock clock) : clock_(std::move(clock)) {}

int CustomPaperFile::Open(const std::string& path, std::string_view printerModel) {
    path_.clear();
    const std::optional<std::string> model = ReadIniValue(path, kBase, kModelKey);
    const std::optional<std::string> version = ReadIniValue(path, kBase, kVersionKey);
    if (!IsFileFor(model, version, printerModel)) return -1;
    path_ = path;
    return 0;
}

int CustomPaperFile::GetMediaCount() const {
    if (path_.empty()) return -1;
    return CountOf(ReadIniValue(path_, kBase, kCountKey));
}

int CustomPaperFile::ReadNames(std::vector<std::string>& names, int n) const {
    if (n < 1) return -1;
    const int count = GetMediaCount();
    if (count == -1 || count > n) return -1;
    // Grown name by name: a count far beyond the settings present fails at the first gap.
    std::vector<std::string> read;
    for (int k = 1; k <= n; ++k) {
        const std::optional<std::string> name = ReadIniValue(path_, EntrySection(k), kNameKey);
        if (!name) return -1;
        read.push_back(CustomNameText(*name, kNameLength));
    }
    names = std::move(read);
    return 0;
}

int CustomPaperFile::ReadEntry(int k, CustomPaperFileEntry& entry) const {
    if (k < 1 || k > GetMediaCount()) return -1;
    const std::string section = EntrySection(k);
    CustomPaperFileEntry read = entry;
    for (const EntryField& field : kEntryFields) {
        if (!field.readBack) continue;
        const std::optional<std::string> value = ReadIniValue(path_, section, field.key);
        if (!value) return -1;
        TakeFieldText(read, field, *value);
    }
    entry = std::move(read);
    return 0;
}

int CustomPaperFile::Write(const std::string& path, std::string_view modelName, int k,
                           const CustomPaperFileEntry& entry) {
    if (k < 1) return -1;
    // The checks and the edit work on one reading of the file, so that they agree.
    FileBytes existing;
    int count = 0;
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) {
        path_.clear();
        if (!existing.Read(path, kMaxIniFileSize) || !existing.IsWhole()) return -1;
        const std::string_view text = existing.View();
        if (!IsFileFor(FindIniValue(text, kBase, kModelKey), FindIniValue(text, kBase, kVersionKey),
                       modelName))
            return -1;
        path_ = path;
        count = CountOf(FindIniValue(text, kBase, kCountKey));
        if (count == -1) return -1;
    } else if (errno != ENOENT) {
        return -1;
    }
    if (k > count) count = k;

    IniDocument document(existing.View());
    document.Set(kBase, kVersionKey, kVersion);
    document.Set(kBase, "MakeTime", FormatMakeTime(clock_()));
    document.Set(kBase, kModelKey, WithoutMakerPrefix(modelName));
    document.Set(kBase, kCountKey, std::to_string(count));
    const std::string section = EntrySection(k);
    for (const EntryField& field : kEntryFields)
        document.Set(section, field.key, FieldText(entry, field));

    // A file this program could not read back is not written.
    const std::string text = document.Text();
    if (text.size() > kMaxIniFileSize) return -1;
    return ReplaceFileContent(path, text);
}
