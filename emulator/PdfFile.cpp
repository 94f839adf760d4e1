#include "PdfFile.h"

#include <zlib.h>

#include <algorithm>

#include "PdfLexer.h"
#include "PdfParser.h"

namespace {
constexpr std::string_view kObj = "obj";

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Backs over "N G " before an "obj" at `at`; false when the keyword does not follow two numbers.
bool ObjectNumberBefore(std::string_view data, std::size_t at, std::uint32_t& number) {
    std::size_t i = at;
    auto skipWhite = [&] {
        while (i > 0 && PdfLexer::IsWhite(data[i - 1])) --i;
    };
    auto skipDigits = [&] {
        const std::size_t end = i;
        while (i > 0 && IsDigit(data[i - 1]) && end - i < 10) --i;
        return end - i;
    };
    if (i == 0 || !PdfLexer::IsWhite(data[i - 1])) return false;
    skipWhite();
    if (skipDigits() == 0) return false;
    if (i == 0 || !PdfLexer::IsWhite(data[i - 1])) return false;
    skipWhite();
    const std::size_t end = i;
    const std::size_t digits = skipDigits();
    if (digits == 0) return false;
    if (i > 0 && !PdfLexer::IsWhite(data[i - 1]) && !PdfLexer::IsDelimiter(data[i - 1])) {
        return false;
    }
    std::uint64_t value = 0;
    for (std::size_t k = i; k < end; ++k) value = value * 10 + static_cast<unsigned>(data[k] - '0');
    if (value > 0xFFFFFFFF) return false;
    number = static_cast<std::uint32_t>(value);
    return true;
}

// Where a stream's data starts after its keyword: past one end of line.
std::size_t StreamDataStart(std::string_view data, std::size_t afterKeyword) {
    std::size_t at = afterKeyword;
    if (at < data.size() && data[at] == '\r') ++at;
    if (at < data.size() && data[at] == '\n') ++at;
    return at;
}

bool IsFlate(const PdfObject* filter) {
    return filter != nullptr && (filter->IsName("FlateDecode") ||
                                 (filter->kind == PdfObject::kArray && filter->items.size() == 1 &&
                                  filter->items[0].IsName("FlateDecode")));
}

// Inflates up to limit bytes; what came out before an error is kept.
std::string Inflate(std::string_view input, std::size_t limit) {
    std::string output;
    z_stream stream{};
    if (inflateInit2(&stream, 15 + 32) != Z_OK) return output;
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(input.data()));
    stream.avail_in = static_cast<uInt>(std::min<std::size_t>(input.size(), 0xFFFFFFFFu));
    char chunk[16384];
    while (output.size() < limit) {
        stream.next_out = reinterpret_cast<Bytef*>(chunk);
        stream.avail_out = sizeof chunk;
        const int result = inflate(&stream, Z_NO_FLUSH);
        const std::size_t produced = sizeof chunk - stream.avail_out;
        output.append(chunk, std::min(produced, limit - output.size()));
        if (result != Z_OK || produced == 0) break;
    }
    inflateEnd(&stream);
    return output;
}
}  // namespace

PdfFile::PdfFile(std::string_view data) : data_(data) {
    Index();
}

void PdfFile::Index() {
    for (std::size_t at = data_.find(kObj);
         at != std::string_view::npos && order_.size() < kMaxObjects;
         at = data_.find(kObj, at + kObj.size())) {
        const std::size_t after = at + kObj.size();
        if (after < data_.size() && !PdfLexer::IsWhite(data_[after]) &&
            !PdfLexer::IsDelimiter(data_[after])) {
            continue;  // "objects", "endobj" is caught below
        }
        std::uint32_t number = 0;
        if (!ObjectNumberBefore(data_, at, number)) continue;
        PdfLexer lexer(data_, after);
        PdfParser parser(lexer);
        PdfObject object;
        PdfToken keyword;
        if (!parser.Parse(object, keyword)) continue;
        if (object.kind == PdfObject::kDictionary) {
            const std::size_t afterValue = lexer.Offset();
            const PdfToken next = lexer.Next();
            if (next.kind == PdfToken::kKeyword && next.text == "stream") {
                object.kind = PdfObject::kStream;
                object.streamStart = StreamDataStart(data_, lexer.Offset());
            } else {
                lexer.Seek(afterValue);
            }
        }
        objects_[number] = std::move(object);
        order_.push_back(number);
    }
    const std::size_t trailer = data_.rfind("trailer");
    if (trailer != std::string_view::npos) {
        PdfLexer lexer(data_, trailer + 7);
        PdfParser parser(lexer);
        PdfToken keyword;
        parser.Parse(trailer_, keyword);
    }
}

const PdfObject* PdfFile::Object(std::uint32_t number) const {
    const auto found = objects_.find(number);
    return found == objects_.end() ? nullptr : &found->second;
}

const PdfObject* PdfFile::Resolve(const PdfObject* object) const {
    for (int hop = 0; object != nullptr && object->kind == PdfObject::kReference; ++hop) {
        if (hop == kMaxReferenceHops) return nullptr;
        object = Object(object->objectNumber);
    }
    return object;
}

const PdfObject* PdfFile::Lookup(const PdfObject* dictionary, std::string_view key) const {
    dictionary = Resolve(dictionary);
    return dictionary == nullptr ? nullptr : Resolve(dictionary->Get(key));
}

std::string PdfFile::StreamData(const PdfObject* stream) {
    stream = Resolve(stream);
    if (stream == nullptr || stream->kind != PdfObject::kStream) return {};
    const std::size_t start = stream->streamStart;
    if (start > data_.size()) return {};
    // The stated length when it fits and "endstream" follows it; else up to "endstream".
    std::size_t length = std::string_view::npos;
    const PdfObject* stated = Lookup(stream, "Length");
    if (stated != nullptr && stated->kind == PdfObject::kNumber && stated->number >= 0 &&
        stated->number <= static_cast<double>(data_.size() - start)) {
        length = static_cast<std::size_t>(stated->number);
        const std::size_t end = data_.find("endstream", start + length);
        if (end == std::string_view::npos || end > start + length + 2)
            length = std::string_view::npos;
    }
    if (length == std::string_view::npos) {
        const std::size_t end = data_.find("endstream", start);
        length = (end == std::string_view::npos ? data_.size() : end) - start;
    }
    const std::string_view raw = data_.substr(start, length);
    const PdfObject* filter = Lookup(stream, "Filter");
    if (decodedBytes_ >= kMaxDecodedBytes) return {};
    std::string decoded;
    if (filter == nullptr) {
        decoded.assign(raw.substr(0, kMaxDecodedBytes - decodedBytes_));
    } else if (IsFlate(filter)) {
        decoded = Inflate(raw, kMaxDecodedBytes - decodedBytes_);
    }
    decodedBytes_ += decoded.size();
    return decoded;
}

const PdfObject* PdfFile::Catalog() const {
    const PdfObject* root = Lookup(&trailer_, "Root");
    if (root != nullptr && root->kind == PdfObject::kDictionary) return root;
    for (const std::uint32_t number : order_) {
        const PdfObject* object = Object(number);
        if (object != nullptr && object->kind == PdfObject::kDictionary &&
            object->Get("Type") != nullptr && object->Get("Type")->IsName("Catalog")) {
            return object;
        }
    }
    return nullptr;
}
