#include "PdfDocument.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <string_view>

#include "PdfContentText.h"
#include "PdfFile.h"
#include "PdfLexer.h"

namespace {
constexpr std::size_t kMaxTitleBytes = 128;

bool IsDelimiter(char c) {
    return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '/' || c == '>' || c == '<' ||
           c == '[' || c == '(' || c == '\f' || c == '\0';
}

// "/Type /Page" or "/Type/Page", not "/Pages".
int CountPageObjects(std::string_view text) {
    int count = 0;
    for (std::size_t at = text.find("/Type"); at != std::string_view::npos;
         at = text.find("/Type", at + 1)) {
        std::size_t next = at + 5;
        while (next < text.size() &&
               (text[next] == ' ' || text[next] == '\r' || text[next] == '\n')) {
            ++next;
        }
        if (text.substr(next, 5) != "/Page") continue;
        const std::size_t after = next + 5;
        if (after == text.size() || IsDelimiter(text[after])) ++count;
    }
    return count;
}

// Text the job record can hold: UTF-16 (with its byte order mark) and other bytes outside
// printable ASCII become '?'.
std::string Printable(const std::string& bytes) {
    std::string text;
    const bool utf16 = bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFE &&
                       static_cast<unsigned char>(bytes[1]) == 0xFF;
    for (std::size_t i = utf16 ? 2 : 0; i < bytes.size(); i += utf16 ? 2 : 1) {
        const auto unit =
            utf16 ? (static_cast<unsigned char>(bytes[i]) << 8) |
                        (i + 1 < bytes.size() ? static_cast<unsigned char>(bytes[i + 1]) : 0)
                  : static_cast<unsigned char>(bytes[i]);
        text += unit >= 0x20 && unit < 0x7F ? static_cast<char>(unit) : '?';
    }
    return text;
}

std::string ReadTitle(std::string_view text) {
    const std::size_t key = text.find("/Title");
    if (key == std::string_view::npos) return {};
    PdfLexer lexer(text, key + 6);
    const PdfToken value = lexer.Next();
    if (value.kind != PdfToken::kString) return {};
    return Printable(value.text.substr(0, kMaxTitleBytes));
}
// The pages of the page tree in order, walked with an explicit stack: a tree nested too deep, a
// node met twice or more than kMaxPages pages end the walk there.
class PageTree {
  public:
    explicit PageTree(PdfFile& file) : file_(file) {}

    std::vector<PdfDocument::Page> Read(const PdfObject* root) {
        std::vector<PdfDocument::Page> pages;
        struct Node {
            const PdfObject* object;
            const PdfObject* mediaBox;
            const PdfObject* resources;
            int depth;
        };
        std::vector<Node> stack{{root, nullptr, nullptr, 0}};
        while (!stack.empty() && pages.size() < PdfDocument::kMaxPages) {
            Node node = stack.back();
            stack.pop_back();
            if (node.object != nullptr && node.object->kind == PdfObject::kReference &&
                !visited_.insert(node.object->objectNumber).second) {
                continue;
            }
            const PdfObject* object = file_.Resolve(node.object);
            if (object == nullptr || object->kind != PdfObject::kDictionary) continue;
            if (const PdfObject* box = file_.Lookup(object, "MediaBox")) node.mediaBox = box;
            if (const PdfObject* resources = file_.Lookup(object, "Resources"))
                node.resources = resources;
            const PdfObject* kids = file_.Lookup(object, "Kids");
            const PdfObject* type = file_.Lookup(object, "Type");
            if (kids != nullptr && kids->kind == PdfObject::kArray &&
                !(type != nullptr && type->IsName("Page"))) {
                if (node.depth >= kMaxDepth) continue;
                for (auto kid = kids->items.rbegin(); kid != kids->items.rend(); ++kid)
                    stack.push_back({&*kid, node.mediaBox, node.resources, node.depth + 1});
                continue;
            }
            pages.push_back(ReadPage(object, node.mediaBox, node.resources));
        }
        return pages;
    }

    // Page objects in file order, for a document whose tree cannot be found.
    std::vector<PdfDocument::Page> ReadLoose() {
        std::vector<PdfDocument::Page> pages;
        for (const std::uint32_t number : file_.ObjectOrder()) {
            const PdfObject* object = file_.Object(number);
            const PdfObject* type = file_.Lookup(object, "Type");
            if (type == nullptr || !type->IsName("Page") || !visited_.insert(number).second)
                continue;
            if (pages.size() == PdfDocument::kMaxPages) break;
            pages.push_back(ReadPage(object, file_.Lookup(object, "MediaBox"),
                                     file_.Lookup(object, "Resources")));
        }
        return pages;
    }

  private:
    static constexpr int kMaxDepth = 32;

    PdfDocument::Page ReadPage(const PdfObject* page, const PdfObject* mediaBox,
                               const PdfObject* resources) {
        PdfDocument::Page result;
        if (mediaBox != nullptr && mediaBox->kind == PdfObject::kArray &&
            mediaBox->items.size() == 4) {
            double corner[4];
            for (int i = 0; i < 4; ++i) {
                const PdfObject* value = file_.Resolve(&mediaBox->items[i]);
                corner[i] =
                    value != nullptr && value->kind == PdfObject::kNumber ? value->number : 0;
            }
            result.width = std::abs(corner[2] - corner[0]);
            result.height = std::abs(corner[3] - corner[1]);
        }
        std::string content;
        const PdfObject* contents = file_.Lookup(page, "Contents");
        if (contents != nullptr && contents->kind == PdfObject::kArray) {
            for (const PdfObject& part : contents->items) content += file_.StreamData(&part) + "\n";
        } else {
            content = file_.StreamData(contents);
        }
        result.text = PdfContentText::Extract(content, Fonts(resources), PdfDocument::kMaxPageText);
        return result;
    }

    PdfContentText::Fonts Fonts(const PdfObject* resources) {
        PdfContentText::Fonts fonts;
        const PdfObject* dictionary = file_.Lookup(resources, "Font");
        if (dictionary == nullptr || dictionary->kind != PdfObject::kDictionary) return fonts;
        for (std::size_t i = 0; i < dictionary->keys.size(); ++i) {
            const PdfObject& entry = dictionary->items[i];
            if (entry.kind != PdfObject::kReference) {
                fonts[dictionary->keys[i]] = PdfFont(file_, &entry);
                continue;
            }
            // One font serves many pages: its map is read once.
            auto cached = fontCache_.find(entry.objectNumber);
            if (cached == fontCache_.end())
                cached = fontCache_.emplace(entry.objectNumber, PdfFont(file_, &entry)).first;
            fonts[dictionary->keys[i]] = cached->second;
        }
        return fonts;
    }

    PdfFile& file_;
    std::set<std::uint32_t> visited_;
    std::map<std::uint32_t, PdfFont> fontCache_;
};
}  // namespace

PdfDocument::PdfDocument(const std::uint8_t* data, std::size_t length) {
    const std::string_view text(reinterpret_cast<const char*>(data), length);
    title_ = ReadTitle(text);
    PdfFile file(text);
    PageTree tree(file);
    const PdfObject* catalog = file.Catalog();
    if (catalog != nullptr) pages_ = tree.Read(catalog->Get("Pages"));
    if (pages_.empty()) pages_ = tree.ReadLoose();
    pageCount_ = pages_.empty() ? CountPageObjects(text) : static_cast<int>(pages_.size());
}
