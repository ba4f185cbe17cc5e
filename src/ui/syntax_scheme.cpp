#include "ui/syntax_scheme.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>

namespace ui {

namespace {

std::vector<SyntaxScheme> schemes;

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// Whitespace-separated tokens; an empty token means the text has ended.
class Tokens {
  public:
    explicit Tokens(std::string_view text) : text_(text) {}

    std::string_view next() {
        while (position_ < text_.size() && isBlank(text_[position_]))
            ++position_;
        const size_t start = position_;
        while (position_ < text_.size() && !isBlank(text_[position_]))
            ++position_;
        return text_.substr(start, position_ - start);
    }

    // Takes the next token only when it opens a block.
    bool skipOpening() {
        const size_t before = position_;
        if (next().starts_with('{')) return true;
        position_ = before;
        return false;
    }

    int nextInteger() {
        const std::string_view token = next();
        int value = 0;
        std::from_chars(token.data(), token.data() + token.size(), value);
        return value;
    }

    // Colour channels stay within [0, 1]; what is no number reads as 0.
    float nextChannel() {
        const std::string_view token = next();
        float value = 0;
        std::from_chars(token.data(), token.data() + token.size(), value);
        return std::isnan(value) ? 0.0f : std::clamp(value, 0.0f, 1.0f);
    }

  private:
    std::string_view text_;
    size_t position_ = 0;
};

bool closesSection(std::string_view token) {
    return token.empty() || token.starts_with('}');
}

enum class Section { Unknown, Operators, SingleLine, MultiLine, KeyWords };

// The kind of a section keyword; for "KeyWords1" to "KeyWords6" also which set.
Section sectionOf(std::string_view keyword, int& set) {
    if (keyword == "Operators") return Section::Operators;
    if (keyword == "SingleLineComments") return Section::SingleLine;
    if (keyword == "MultiLineComments") return Section::MultiLine;
    constexpr std::string_view kKeyWords = "KeyWords";
    if (keyword.size() == kKeyWords.size() + 1 && keyword.starts_with(kKeyWords)) {
        set = keyword.back() - '1';
        if (set >= 0 && set < kKeyWordSetCount) return Section::KeyWords;
    }
    return Section::Unknown;
}

void readSection(Tokens& tokens, Section section, int set, SyntaxScheme& scheme) {
    tokens.next(); // the opening token, whatever it is
    for (std::string_view token = tokens.next(); !closesSection(token); token = tokens.next()) {
        switch (section) {
        case Section::Operators:
            scheme.operators.emplace(token);
            break;
        case Section::SingleLine:
            scheme.singleLineComments.emplace_back(token);
            break;
        case Section::MultiLine: {
            const std::string_view closer = tokens.next();
            if (closesSection(closer)) return;
            scheme.multiLineComments.insert_or_assign(std::string(token), std::string(closer));
            break;
        }
        case Section::KeyWords:
            scheme.keyWords[set].emplace(token);
            break;
        case Section::Unknown:
            return;
        }
    }
}

} // namespace

SyntaxScheme parseSyntaxScheme(std::string_view text, int& unknownSections) {
    unknownSections = 0;
    SyntaxScheme scheme;
    Tokens tokens(text);
    tokens.next();
    scheme.name = tokens.next();
    tokens.next();
    tokens.next();
    scheme.highlightOn = tokens.nextInteger() == 1;
    tokens.next();
    const int words = tokens.nextInteger();
    for (int i = 0; i < words; ++i) {
        const std::string_view word = tokens.next();
        if (word.empty()) break;
        scheme.wordList.emplace_back(word);
    }
    tokens.next();
    for (Rgb& colour : scheme.colours) {
        colour.r = tokens.nextChannel();
        colour.g = tokens.nextChannel();
        colour.b = tokens.nextChannel();
    }
    for (std::string_view keyword = tokens.next(); !keyword.empty(); keyword = tokens.next()) {
        int set = 0;
        const Section section = sectionOf(keyword, set);
        if (section != Section::Unknown) {
            readSection(tokens, section, set, scheme);
            continue;
        }
        ++unknownSections;
        // One warning per unknown section: its body is passed over whole,
        // so that its entries are not read as keywords of their own.
        if (tokens.skipOpening())
            while (!closesSection(tokens.next())) {
            }
    }
    return scheme;
}

bool loadSyntaxFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    int unknownSections = 0;
    schemes.push_back(parseSyntaxScheme(text, unknownSections));
    for (int i = 0; i < unknownSections; ++i)
        std::printf("Warning... parse error in syntax file\n");
    return true;
}

void loadSyntaxSchemes() {
    if (!loadSyntaxFile("./syntax/lua2.syn")) loadSyntaxFile("lua2.syn");
}

const SyntaxScheme* syntaxScheme(int index) {
    return index >= 0 && index < static_cast<int>(schemes.size()) ? &schemes[index] : nullptr;
}

void clearSyntaxSchemes() {
    schemes.clear();
}

} // namespace ui
