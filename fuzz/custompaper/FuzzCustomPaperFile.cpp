// Custom paper files of any content: values are found exactly as a plain byte-by-byte reading of
// the format finds them, names come out as valid text of at most 16 characters, and editing
// neither loses bytes nor repeats itself.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ReferenceLines.h"
#include "ScratchFolder.h"
#include "custompaper/CustomNameText.h"
#include "custompaper/CustomPaperFile.h"
#include "custompaper/IniDocument.h"
#include "custompaper/IniValue.h"

namespace {

std::optional<std::string_view> ReferenceValue(std::string_view text, std::string_view section,
                                               std::string_view key) {
    const std::string header = "[" + std::string(section) + "]";
    bool inSection = false;
    for (std::string_view line : ReferenceLines(text, 255)) {
        line = line.substr(0, line.find('\0'));
        if (!line.empty() && line[0] == '[') {
            inSection = line == header;
        } else if (inSection && line.size() > key.size() && line.substr(0, key.size()) == key &&
                   line[key.size()] == '=') {
            return line.substr(key.size() + 1);
        }
    }
    return std::nullopt;
}

// The first section name and the first key of the input, so that the fuzzer reaches both.
std::string_view SectionFromInput(std::string_view input) {
    const size_t open = input.find('[');
    if (open == std::string_view::npos) return {};
    const std::string_view rest = input.substr(open + 1);
    return rest.substr(0, std::min(rest.find(']'), rest.size()));
}

std::string_view KeyFromInput(std::string_view input) {
    const size_t lineStart = input.find('\n');
    const std::string_view rest =
        lineStart == std::string_view::npos ? input : input.substr(lineStart + 1);
    return rest.substr(0, std::min(rest.find('='), rest.size()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const ScratchFolder scratch("fuzz-custompaper");
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const std::pair<std::string_view, std::string_view> lookups[] = {
        {"Base", "Model"},
        {"Media01", "CustomName"},
        {"", ""},
        {SectionFromInput(text), KeyFromInput(text)},
    };
    for (const auto& [section, key] : lookups)
        if (FindIniValue(text, section, key) != ReferenceValue(text, section, key)) std::abort();

    // Taking the text apart and together again changes no byte, and setting a key a second time
    // changes nothing more.
    if (IniDocument(text).Text() != text) std::abort();
    IniDocument edited(text);
    edited.Set("Base", "Model", "Corvid 4000");
    const std::string once = edited.Text();
    edited.Set("Base", "Model", "Corvid 4000");
    if (edited.Text() != once || IniDocument(once).Text() != once) std::abort();

    CustomPaperFile customFile;
    if (!scratch.Write("Input.zcf", data, size) ||
        customFile.Open(scratch.Path() + "/Input.zcf", "ZENTA Corvid 4000") != 0)
        return 0;
    const int count = customFile.GetMediaCount();
    if (count > 0 && count <= 64) {
        std::vector<std::string> names;
        if (customFile.ReadNames(names, count) == 0) {
            if (names.size() != static_cast<size_t>(count)) std::abort();
            for (const std::string& name : names)
                if (CustomNameText(name, CustomPaperFile::kNameLength) != name) std::abort();
        }
    }
    for (int k = 0; k <= std::min(count, 4); ++k) {
        CustomPaperFileEntry entry;
        if (customFile.ReadEntry(k, entry) == 0 && (k < 1 || k > count)) std::abort();
    }
    return 0;
}
