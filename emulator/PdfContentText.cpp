#include "PdfContentText.h"

#include <cmath>
#include <vector>

#include "PdfParser.h"

namespace {
struct Matrix {
    double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;
};

// m1 then m2, as PDF composes them (row vectors).
Matrix Times(const Matrix& m1, const Matrix& m2) {
    return {m1.a * m2.a + m1.b * m2.c,        m1.a * m2.b + m1.b * m2.d,
            m1.c * m2.a + m1.d * m2.c,        m1.c * m2.b + m1.d * m2.d,
            m1.e * m2.a + m1.f * m2.c + m2.e, m1.e * m2.b + m1.f * m2.d + m2.f};
}

Matrix Translation(double x, double y) {
    return {1, 0, 0, 1, x, y};
}

// Baselines closer than this (in points) count as one line.
constexpr double kSameLine = 1.0;

class Interpreter {
  public:
    Interpreter(const PdfContentText::Fonts& fonts, std::size_t limit)
        : fonts_(fonts), limit_(limit) {}

    void Operator(const std::string& op, const std::vector<PdfObject>& operands);
    std::string Take() { return std::move(text_); }

  private:
    double Number(const std::vector<PdfObject>& operands, std::size_t fromEnd) const {
        if (operands.size() < fromEnd) return 0;
        const PdfObject& operand = operands[operands.size() - fromEnd];
        return operand.kind == PdfObject::kNumber && std::isfinite(operand.number) ? operand.number
                                                                                   : 0;
    }
    void NextLine(double x, double y) {
        lineMatrix_ = Times(Translation(x, y), lineMatrix_);
        textMatrix_ = lineMatrix_;
    }
    void Show(const std::string& bytes);

    const PdfContentText::Fonts& fonts_;
    std::size_t limit_;
    std::string text_;
    Matrix ctm_, textMatrix_, lineMatrix_;
    std::vector<Matrix> saved_;
    const PdfFont* font_ = nullptr;
    double leading_ = 0;
    bool newTextObject_ = true;
    bool haveBaseline_ = false;
    double baseline_ = 0;
};

void Interpreter::Show(const std::string& bytes) {
    static const PdfFont kPlain;
    const std::string shown = (font_ != nullptr ? *font_ : kPlain).Decode(bytes);
    if (shown.empty()) return;
    const double y = Times(textMatrix_, ctm_).f;
    if (haveBaseline_ && std::fabs(y - baseline_) > kSameLine) {
        text_ += '\n';
    } else if (newTextObject_ && !text_.empty() && text_.back() != ' ') {
        text_ += ' ';
    }
    haveBaseline_ = true;
    baseline_ = y;
    newTextObject_ = false;
    text_ += shown;
    if (text_.size() > limit_) text_.resize(limit_);
}

void Interpreter::Operator(const std::string& op, const std::vector<PdfObject>& operands) {
    if (op == "q") {
        if (saved_.size() < PdfContentText::kMaxStateDepth) saved_.push_back(ctm_);
    } else if (op == "Q") {
        if (!saved_.empty()) {
            ctm_ = saved_.back();
            saved_.pop_back();
        }
    } else if (op == "cm" && operands.size() >= 6) {
        ctm_ = Times({Number(operands, 6), Number(operands, 5), Number(operands, 4),
                      Number(operands, 3), Number(operands, 2), Number(operands, 1)},
                     ctm_);
    } else if (op == "BT") {
        textMatrix_ = lineMatrix_ = Matrix();
        newTextObject_ = true;
    } else if (op == "Tf" && operands.size() >= 2) {
        const PdfObject& name = operands[operands.size() - 2];
        const auto found = name.kind == PdfObject::kName ? fonts_.find(name.text) : fonts_.end();
        font_ = found == fonts_.end() ? nullptr : &found->second;
    } else if (op == "Tm" && operands.size() >= 6) {
        lineMatrix_ = textMatrix_ = {Number(operands, 6), Number(operands, 5), Number(operands, 4),
                                     Number(operands, 3), Number(operands, 2), Number(operands, 1)};
    } else if (op == "Td" && operands.size() >= 2) {
        NextLine(Number(operands, 2), Number(operands, 1));
    } else if (op == "TD" && operands.size() >= 2) {
        leading_ = -Number(operands, 1);
        NextLine(Number(operands, 2), Number(operands, 1));
    } else if (op == "TL" && !operands.empty()) {
        leading_ = Number(operands, 1);
    } else if (op == "T*") {
        NextLine(0, -leading_);
    } else if ((op == "Tj" || op == "'" || op == "\"") && !operands.empty() &&
               operands.back().kind == PdfObject::kString) {
        if (op != "Tj") NextLine(0, -leading_);
        Show(operands.back().text);
    } else if (op == "TJ" && !operands.empty() && operands.back().kind == PdfObject::kArray) {
        // A wide gap (a fifth of the font size or more) between two parts stands for a space.
        bool gap = false;
        for (const PdfObject& item : operands.back().items) {
            if (item.kind == PdfObject::kNumber) {
                gap = gap || item.number <= -200;
            } else if (item.kind == PdfObject::kString) {
                if (gap && !text_.empty() && text_.back() != ' ') text_ += ' ';
                Show(item.text);
                gap = false;
            }
        }
    }
}

// Past an inline image's data: up to "EI" standing on its own after white space.
std::size_t AfterInlineImage(std::string_view data, std::size_t at) {
    for (std::size_t end = data.find("EI", at); end != std::string_view::npos;
         end = data.find("EI", end + 2)) {
        const bool before = end > 0 && PdfLexer::IsWhite(data[end - 1]);
        const bool after = end + 2 == data.size() || PdfLexer::IsWhite(data[end + 2]);
        if (before && after) return end + 2;
    }
    return data.size();
}
}  // namespace

std::string PdfContentText::Extract(std::string_view content, const Fonts& fonts,
                                    std::size_t limit) {
    Interpreter interpreter(fonts, limit);
    PdfLexer lexer(content);
    PdfParser parser(lexer);
    std::vector<PdfObject> operands;
    for (;;) {
        PdfObject operand;
        PdfToken keyword;
        if (parser.Parse(operand, keyword)) {
            if (operands.size() < kMaxOperands) operands.push_back(std::move(operand));
            continue;
        }
        if (keyword.kind == PdfToken::kEnd) break;
        if (keyword.kind == PdfToken::kKeyword) {
            if (keyword.text == "ID") {
                lexer.Seek(AfterInlineImage(content, lexer.Offset()));
            } else {
                interpreter.Operator(keyword.text, operands);
            }
        }
        operands.clear();
    }
    return interpreter.Take();
}
