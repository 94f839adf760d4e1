// Custom paper files of any content: values are found exactly as a plain byte-by-byte reading of
// the format finds them, names come out as valid text of at most 16 characters, and editing
// neither loses bytes nor repeats itself.
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "custompaper/CustomNameText.h"
#include "custompaper/CustomPaperFile.h"
#include "custompaper/IniDocument.h"
#include "custompaper/IniValue.h"

namespace {

constexpr size_t kMaxLine = 255;

// One file per fuzzing process, removed when it exits.
class InputFile {
  public:
    InputFile() {
        folder_ = "/dev/shm/fuzz-custompaper-XXXXXX";
        if (::mkdtemp(folder_.data()) == nullptr) {
            folder_ = "/tmp/fuzz-custompaper-XXXXXX";
            if (::mkdtemp(folder_.data()) == nullptr) std::abort();
        }
        path_ = folder_ + "/Input.zcf";
    }
    ~InputFile() {
        ::unlink(path_.c_str());
        ::rmdir(folder_.c_str());
    }
    const std::string& Path() const { return path_; }

  private:
    std::string folder_;
    std::string path_;
};

// The lines the way the format reads them, one byte at a time: LF or CR LF end a line, and after
// 255 characters a line goes on as a new one unless its end follows right there.
std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t i = 0;
    while (i < text.size()) {
        const size_t start = i;
        size_t length = 0;
        for (;;) {
            if (i < text.size() && text[i] == '\n') {
                i += 1;
                break;
            }
            if (i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n') {
                i += 2;
                break;
            }
            if (i == text.size() || length == kMaxLine) break;
            ++i;
            ++length;
        }
        std::string_view line = text.substr(start, length);
        lines.push_back(line.substr(0, line.find('\0')));
    }
    return lines;
}

std::optional<std::string_view> ReferenceValue(std::string_view text, std::string_view section,
                                               std::string_view key) {
    const std::string header = "[" + std::string(section) + "]";
    bool inSection = false;
    for (const std::string_view line : Lines(text)) {
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
    static const InputFile input;
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

    std::FILE* file = std::fopen(input.Path().c_str(), "wb");
    if (file == nullptr) return 0;
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    CustomPaperFile customFile;
    if (customFile.Open(input.Path(), "ZENTA Corvid 4000") != 0) return 0;
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
