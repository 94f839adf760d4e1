// Settings files of any content: the line reader agrees with a plain byte-by-byte reading of the
// format, and the media table and text catalog read them without crashing or hanging.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ReferenceLines.h"
#include "ScratchFolder.h"
#include "config/KeyValueFile.h"
#include "config/MediaTable.h"
#include "config/TextCatalog.h"

namespace {

// The text before the first '=' or ':' of the first line, so that the fuzzer reaches real keys
// and alias chains.
std::string_view KeyFromInput(std::string_view input) {
    const size_t end = input.find_first_of("=:\n");
    return input.substr(0, end == std::string_view::npos ? input.size() : end);
}

std::optional<std::string> ReferenceLookup(std::string_view text, std::string_view key) {
    const std::vector<std::string_view> pieces = ReferenceLines(text, KeyValueFile::kMaxLineLength);
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
    static const ScratchFolder scratch("fuzz-config");
    static const bool linked = [] {
        for (const char* name : {"Localize.ini", "L_Const.ini", "L_Refer.ini"})
            if (::symlink("Media.ini", (scratch.Path() + "/" + name).c_str()) != 0) std::abort();
        return true;
    }();
    if (!linked || !scratch.Write("Media.ini", data, size)) return 0;
    const std::string& folder = scratch.Path();

    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const KeyValueFile settings(folder + "/Media.ini");
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
