#include "config/KeyValueFile.h"

#include <algorithm>
#include <cstring>

#include "config/FileBytes.h"

namespace {

// Finds the line of a key. Lines end in LF or CR LF and are cut into pieces of at most 255
// characters, each piece counting as a line; a key matches at the start of a piece when "=" or
// ":" follows it. Candidates come from a substring search and are checked against the piece
// starts, so a lookup costs one pass over the file.
class KeyScanner {
  public:
    KeyScanner(const char* data, size_t size) : data_(data), size_(size) {}

    enum class Kind { None, Value, Alias };
    struct Match {
        Kind kind = Kind::None;
        std::string_view rest;  // after the "=" or ":", up to the end of the piece
    };

    Match Find(std::string_view key) {
        lineStart_ = 0;
        scannedTo_ = 0;
        // A key that cannot fit a piece, or spans a line end, never matches.
        if (key.size() + 1 > KeyValueFile::kMaxLineLength ||
            key.find('\n') != std::string_view::npos) {
            return {};
        }
        size_t from = 0;
        while (from + key.size() < size_) {
            const size_t pos = NextCandidate(key, from);
            if (pos == kNone) break;
            from = pos + 1;
            const char separator = data_[pos + key.size()];
            if ((separator != '=' && separator != ':') || !IsPieceStart(pos)) continue;
            const size_t restBegin = pos + key.size() + 1;
            const size_t end = PieceEnd(pos);
            return {separator == '=' ? Kind::Value : Kind::Alias,
                    std::string_view(data_ + restBegin, end - restBegin)};
        }
        return {};
    }

  private:
    static constexpr size_t kNone = static_cast<size_t>(-1);

    // The next position at or after `from` where the key is followed by at least one character.
    size_t NextCandidate(std::string_view key, size_t from) const {
        if (key.empty()) {
            const char* hit =
                static_cast<const char*>(std::memchr(data_ + from, '=', size_ - from));
            const char* alias = static_cast<const char*>(
                std::memchr(data_ + from, ':', (hit ? hit : data_ + size_) - (data_ + from)));
            if (alias != nullptr) hit = alias;
            return hit ? static_cast<size_t>(hit - data_) : kNone;
        }
        const void* hit = ::memmem(data_ + from, size_ - from - 1, key.data(), key.size());
        return hit ? static_cast<size_t>(static_cast<const char*>(hit) - data_) : kNone;
    }

    // Candidates arrive in increasing order, so the start of their line is tracked in one pass.
    bool IsPieceStart(size_t pos) {
        if (pos > scannedTo_) {
            const void* lineFeed = ::memrchr(data_ + scannedTo_, '\n', pos - scannedTo_);
            if (lineFeed != nullptr) {
                lineStart_ = static_cast<size_t>(static_cast<const char*>(lineFeed) - data_) + 1;
            }
            scannedTo_ = pos;
        }
        return (pos - lineStart_) % KeyValueFile::kMaxLineLength == 0;
    }

    size_t PieceEnd(size_t pieceStart) const {
        const size_t window = std::min(size_ - pieceStart, KeyValueFile::kMaxLineLength + 2);
        const auto* lineFeed =
            static_cast<const char*>(std::memchr(data_ + pieceStart, '\n', window));
        size_t end = pieceStart + window;
        if (lineFeed != nullptr) {
            end = static_cast<size_t>(lineFeed - data_);
            if (end > pieceStart && data_[end - 1] == '\r') --end;
        }
        return std::min(end, pieceStart + KeyValueFile::kMaxLineLength);
    }

    const char* data_;
    size_t size_;
    size_t lineStart_ = 0;
    size_t scannedTo_ = 0;
};

std::string UpToNul(std::string_view text) {
    return std::string(text.substr(0, text.find('\0')));
}

}  // namespace

KeyValueFile::KeyValueFile(std::string path) : path_(std::move(path)) {}

std::optional<std::string> KeyValueFile::Lookup(std::string_view key) const {
    FileBytes content;
    if (!content.Read(path_, kMaxFileSize)) return std::nullopt;
    KeyScanner scanner(content.View().data(), content.View().size());

    std::string wanted(key);
    for (int hop = 0; hop <= kMaxAliasHops; ++hop) {
        const KeyScanner::Match match = scanner.Find(wanted);
        switch (match.kind) {
            case KeyScanner::Kind::Value:
                return UpToNul(match.rest);
            case KeyScanner::Kind::None:
                if (hop > 0) return std::string();  // the alias target is missing
                return std::nullopt;
            case KeyScanner::Kind::Alias:
                wanted = UpToNul(match.rest);
                break;
        }
    }
    return std::nullopt;
}

std::string JoinPath(const std::string& folder, std::string_view fileName) {
    std::string path = folder;
    path += '/';
    path += fileName;
    return path;
}

std::string ReadSettingValue(const std::string& folder, std::string_view fileName,
                             std::string_view key) {
    if (folder.empty()) return std::string();
    return KeyValueFile(JoinPath(folder, fileName)).Lookup(key).value_or(std::string());
}
