// Settings files of any content: the line reader agrees with a plain byte-by-byte reading of the
// format, and the media table and text catalog read them without crashing or hanging.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/KeyValueFile.h"
#include "config/MediaTable.h"
#include "config/TextCatalog.h"

namespace {

// One folder per fuzzing process, removed when it exits; every settings file name points at the
// same input.
class InputFolder {
  public:
    InputFolder() {
        // Memory-backed where there is such a folder: the input is rewritten for every run.
        path_ = "/dev/shm/fuzz-config-XXXXXX";
        if (::mkdtemp(path_.data()) == nullptr) {
            path_ = "/tmp/fuzz-config-XXXXXX";
            if (::mkdtemp(path_.data()) == nullptr) std::abort();
        }
        for (const char* name : kLinks) {
            if (::symlink("Media.ini", (path_ + "/" + name).c_str()) != 0) std::abort();
        }
    }
    ~InputFolder() {
        for (const char* name : kLinks) ::unlink((path_ + "/" + name).c_str());
        ::unlink((path_ + "/Media.ini").c_str());
        ::rmdir(path_.c_str());
    }
    const std::string& Path() const { return path_; }

  private:
    static constexpr const char* kLinks[] = {"Localize.ini", "L_Const.ini", "L_Refer.ini"};
    std::string path_;
};

// The text before the first '=' or ':' of the first line, so that the fuzzer reaches real keys
// and alias chains.
std::string_view KeyFromInput(std::string_view input) {
    const size_t end = input.find_first_of("=:\n");
    return input.substr(0, end == std::string_view::npos ? input.size() : end);
}

// The line format read the plain way, byte by byte: the reader must agree with it exactly.
std::vector<std::string_view> Pieces(std::string_view text) {
    std::vector<std::string_view> pieces;
    size_t i = 0;
    while (i < text.size()) {
        const size_t start = i;
        size_t length = 0;
        bool lineEnd = false;
        while (i < text.size()) {
            if (text[i] == '\n') {
                i += 1;
                lineEnd = true;
            } else if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                i += 2;
                lineEnd = true;
            }
            if (lineEnd || length == KeyValueFile::kMaxLineLength) break;
            ++i;
            ++length;
        }
        pieces.push_back(text.substr(start, length));
    }
    return pieces;
}

std::optional<std::string> ReferenceLookup(std::string_view text, std::string_view key) {
    const std::vector<std::string_view> pieces = Pieces(text);
    std::string wanted(key);
    for (int hop = 0; hop <= KeyValueFile::kMaxAliasHops; ++hop) {
        const std::string_view* found = nullptr;
        for (const std::string_view& piece : pieces) {
            if (piece.size() > wanted.size() && piece.substr(0, wanted.size()) == wanted &&
                (piece[wanted.size()] == '=' || piece[wanted.size()] == ':')) {
                found = &piece;
                break;
            }
        }
        if (found == nullptr)
            return hop > 0 ? std::optional<std::string>(std::string()) : std::nullopt;
        std::string_view rest = found->substr(wanted.size() + 1);
        rest = rest.substr(0, rest.find('\0'));
        if ((*found)[wanted.size()] == '=') return std::string(rest);
        wanted = std::string(rest);
    }
    return std::nullopt;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const InputFolder inputFolder;
    const std::string& folder = inputFolder.Path();
    const std::string path = folder + "/Media.ini";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return 0;
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const KeyValueFile settings(path);
    for (std::string_view key : {std::string_view("A"), std::string_view("MEDIA_NUM"),
                                 std::string_view(""), KeyFromInput(input)}) {
        if (settings.Lookup(key) != ReferenceLookup(input, key)) std::abort();
    }

    const MediaTable table(folder);
    if (table.IsValid() && table.Records().empty()) std::abort();
    uint16_t ids[] = {1, 2, 3, 4};
    table.SortIds(ids);

    const TextCatalog texts(folder);
    (void)texts.LoadText(1);
    return 0;
}
