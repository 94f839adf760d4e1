#include "ToUnicodeMap.h"

#include <algorithm>
#include <vector>

#include "PdfLexer.h"
#include "Utf8.h"

namespace {
constexpr std::uint32_t kMaxRangeSpan = 1 << 16;
constexpr std::size_t kMaxHeldStrings = 4 * ToUnicodeMap::kMaxMappings;

std::uint32_t CodeOf(const std::string& bytes) {
    std::uint32_t code = 0;
    for (std::size_t i = 0; i < bytes.size() && i < 4; ++i)
        code = (code << 8) | static_cast<unsigned char>(bytes[i]);
    return code;
}

// The destination of code lo + offset in a bfrange: the last byte of the destination counts up.
std::string Shifted(std::string destination, std::uint32_t offset) {
    if (destination.empty()) return destination;
    std::uint32_t carry = offset;
    for (std::size_t i = destination.size(); i-- > 0 && carry != 0;) {
        const std::uint32_t sum = static_cast<unsigned char>(destination[i]) + carry;
        destination[i] = static_cast<char>(sum & 0xFF);
        carry = sum >> 8;
    }
    return destination;
}
}  // namespace

ToUnicodeMap::ToUnicodeMap(std::string_view cmap) {
    // A string, or a bfrange destination array of strings.
    struct Operand {
        bool array = false;
        std::string text;
        std::vector<std::string> items;
    };
    PdfLexer lexer(cmap);
    std::vector<Operand> operands;
    std::size_t strings = 0;  // held in operands, bounded so a hostile map cannot hoard memory
    for (PdfToken token = lexer.Next(); token.kind != PdfToken::kEnd; token = lexer.Next()) {
        if (token.kind == PdfToken::kString || token.kind == PdfToken::kArrayOpen) {
            Operand operand;
            if (token.kind == PdfToken::kArrayOpen) {
                operand.array = true;
                for (PdfToken item = lexer.Next(); item.kind == PdfToken::kString;
                     item = lexer.Next()) {
                    if (strings++ < kMaxHeldStrings) operand.items.push_back(std::move(item.text));
                }
            } else {
                operand.text = std::move(token.text);
            }
            if (strings++ < kMaxHeldStrings) operands.push_back(std::move(operand));
            continue;
        }
        if (token.kind != PdfToken::kKeyword) continue;
        if (token.text == "endcodespacerange") {
            if (!operands.empty() && !operands[0].array) {
                const std::size_t length = operands[0].text.size();
                if (length >= 1 && length <= 4) codeBytes_ = static_cast<int>(length);
            }
        } else if (token.text == "endbfchar") {
            for (std::size_t i = 0; i + 1 < operands.size(); i += 2) {
                if (!operands[i].array && !operands[i + 1].array)
                    Add(CodeOf(operands[i].text), operands[i + 1].text);
            }
        } else if (token.text == "endbfrange") {
            for (std::size_t i = 0; i + 2 < operands.size(); i += 3) {
                if (operands[i].array || operands[i + 1].array) continue;
                const std::uint32_t low = CodeOf(operands[i].text);
                const std::uint32_t high = CodeOf(operands[i + 1].text);
                if (high < low) continue;
                const std::uint32_t span = std::min(high - low, kMaxRangeSpan - 1);
                const Operand& destination = operands[i + 2];
                for (std::uint32_t k = 0; k <= span; ++k) {
                    if (destination.array) {
                        if (k >= destination.items.size()) break;
                        Add(low + k, destination.items[k]);
                    } else {
                        Add(low + k, Shifted(destination.text, k));
                    }
                }
            }
        }
        // Every keyword ends what its operands belonged to.
        operands.clear();
        strings = 0;
    }
}

void ToUnicodeMap::Add(std::uint32_t code, std::string utf16) {
    if (map_.size() >= kMaxMappings && map_.find(code) == map_.end()) return;
    map_[code] = utf8::FromUtf16BigEndian(utf16);
}

bool ToUnicodeMap::Lookup(std::uint32_t code, std::string& text) const {
    const auto found = map_.find(code);
    if (found == map_.end()) return false;
    text = found->second;
    return true;
}
