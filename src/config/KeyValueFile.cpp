#include "config/KeyValueFile.h"

#include <sys/stat.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

bool IsRegularFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// Splits a file into lines of at most 255 characters through a fixed buffer, so files of any
// size are scanned in bounded memory. A line ends in LF or CR LF; a longer line is cut into
// 255-character pieces.
class LineReader {
  public:
    explicit LineReader(std::FILE* file) : file_(file) {}

    bool Next(std::string_view& line) {
        // A line decision needs 255 characters plus CR LF in view.
        constexpr size_t kWindow = KeyValueFile::kMaxLineLength + 2;
        if (end_ - begin_ < kWindow && !eof_) Refill();
        const size_t available = end_ - begin_;
        if (available == 0) return false;
        const char* start = buffer_.data() + begin_;
        const size_t window = available < kWindow ? available : kWindow;
        const auto* lineFeed = static_cast<const char*>(std::memchr(start, '\n', window));
        if (lineFeed != nullptr) {
            size_t length = static_cast<size_t>(lineFeed - start);
            const size_t consumed = length + 1;
            if (length > 0 && start[length - 1] == '\r') --length;
            if (length <= KeyValueFile::kMaxLineLength) {
                line = std::string_view(start, length);
                begin_ += consumed;
                return true;
            }
        }
        const size_t length =
            available < KeyValueFile::kMaxLineLength ? available : KeyValueFile::kMaxLineLength;
        line = std::string_view(start, length);
        begin_ += length;
        return true;
    }

  private:
    void Refill() {
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
        while (end_ < buffer_.size() && !eof_) {
            const size_t got = std::fread(buffer_.data() + end_, 1, buffer_.size() - end_, file_);
            end_ += got;
            if (got == 0) eof_ = true;
        }
    }

    std::FILE* file_;
    std::array<char, 32 * 1024> buffer_{};
    size_t begin_ = 0;
    size_t end_ = 0;
    bool eof_ = false;
};

enum class LineMatch { None, Value, Alias };

LineMatch MatchLine(std::string_view line, std::string_view key, std::string_view& rest) {
    if (line.size() <= key.size() || line.compare(0, key.size(), key) != 0) return LineMatch::None;
    const char separator = line[key.size()];
    if (separator != '=' && separator != ':') return LineMatch::None;
    rest = line.substr(key.size() + 1);
    return separator == '=' ? LineMatch::Value : LineMatch::Alias;
}

std::string UpToNul(std::string_view text) {
    return std::string(text.substr(0, text.find('\0')));
}

}  // namespace

KeyValueFile::KeyValueFile(std::string path) : path_(std::move(path)) {}

bool KeyValueFile::Exists() const {
    return IsRegularFile(path_);
}

std::optional<std::string> KeyValueFile::Lookup(std::string_view key) const {
    // Anything but a regular file (a folder, a pipe) could block or fail half-way.
    if (!IsRegularFile(path_)) return std::nullopt;
    FileHandle file(std::fopen(path_.c_str(), "rb"));
    if (!file) return std::nullopt;

    std::string wanted(key);
    bool aliased = false;
    for (int hop = 0; hop <= kMaxAliasHops; ++hop) {
        if (hop > 0) std::rewind(file.get());
        LineReader reader(file.get());
        std::string_view line;
        std::string_view rest;
        LineMatch match = LineMatch::None;
        while (reader.Next(line)) {
            match = MatchLine(line, wanted, rest);
            if (match != LineMatch::None) break;
        }
        if (match == LineMatch::Value) return UpToNul(rest);
        if (match == LineMatch::None) {
            if (aliased) return std::string();
            return std::nullopt;
        }
        wanted = UpToNul(rest);
        aliased = true;
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
