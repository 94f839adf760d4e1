#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

// A font's ToUnicode CMap: which text each character code of a shown string stands for. Only
// what text extraction needs: the code length from the code space ranges, and the bfchar and
// bfrange mappings, at most kMaxMappings of them.
class ToUnicodeMap {
  public:
    static constexpr std::size_t kMaxMappings = 1 << 16;

    ToUnicodeMap() = default;
    explicit ToUnicodeMap(std::string_view cmap);

    // Bytes per character code: 1 to 4; 0 when the map declares no code space.
    int CodeBytes() const { return codeBytes_; }
    bool Empty() const { return map_.empty(); }
    // The UTF-8 text of a code; false when the map does not know it.
    bool Lookup(std::uint32_t code, std::string& text) const;

  private:
    void Add(std::uint32_t code, std::string utf16);

    std::unordered_map<std::uint32_t, std::string> map_;  // code -> UTF-8
    int codeBytes_ = 0;
};
