#include "ui/syntax_highlight.h"

namespace ui {

namespace {

constexpr char kBell = 7;

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isBracket(char c) {
    return c == '(' || c == ')' || c == '[' || c == ']' || c == '{' || c == '}';
}
bool isLayout(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == kBell;
}
bool inWord(char c) {
    return isLetter(c) || isDigit(c) || c == '_';
}
bool inNumber(char c) {
    return isDigit(c) || c == '.';
}
bool inSymbols(char c) {
    return !inWord(c) && !isBracket(c) && !isLayout(c) && c != '"';
}

} // namespace

bool SyntaxRuns::next(SyntaxRun& run) {
    const size_t from = position_;
    if (from >= text_.size()) return false;
    const char c = text_[from];
    if (isLayout(c) || isBracket(c))
        run = {from, from + 1, isBracket(c) ? kOperatorColour : kPlainColour};
    else if (c == '"')
        run = {from, stringEnd(from + 1), kStringColour};
    else if (isDigit(c))
        run = {from, runEnd(from, inNumber), kNumberColour};
    else if (inWord(c)) {
        const size_t end = runEnd(from, inWord);
        run = {from, end, wordColour(text_.substr(from, end - from))};
    } else
        run = symbolRun(from, runEnd(from, inSymbols));
    position_ = run.end;
    return true;
}

size_t SyntaxRuns::stringEnd(size_t from) const {
    for (size_t i = from; i < text_.size(); ++i) {
        if (text_[i] == '\\')
            ++i;
        else if (text_[i] == '"')
            return i + 1;
    }
    return text_.size();
}

size_t SyntaxRuns::runEnd(size_t from, bool (*inRun)(char)) const {
    size_t end = from;
    while (end < text_.size() && inRun(text_[end]))
        ++end;
    return end;
}

int SyntaxRuns::wordColour(std::string_view word) const {
    if (scheme_.operators.contains(word)) return kOperatorColour;
    for (int set = 0; set < kKeyWordSetCount; ++set)
        if (scheme_.keyWords[set].contains(word)) return kFirstKeyWordColour + set;
    return kPlainColour;
}

SyntaxRun SyntaxRuns::symbolRun(size_t from, size_t end) const {
    const std::string_view rest = text_.substr(from);
    const std::pair<const std::string, std::string>* block = nullptr;
    for (const auto& marker : scheme_.multiLineComments)
        if (rest.starts_with(marker.first) && (!block || marker.first.size() > block->first.size()))
            block = &marker;
    if (block) {
        const size_t closer = text_.find(block->second, from + block->first.size());
        return {from,
                closer == std::string_view::npos ? text_.size() : closer + block->second.size(),
                kCommentColour};
    }
    for (const std::string& marker : scheme_.singleLineComments) {
        if (marker.empty() || !rest.starts_with(marker)) continue;
        const size_t lineEnd = text_.find('\n', from);
        return {from, lineEnd == std::string_view::npos ? text_.size() : lineEnd, kCommentColour};
    }
    const bool isOperator = scheme_.operators.contains(text_.substr(from, end - from));
    return {from, end, isOperator ? kOperatorColour : kPlainColour};
}

} // namespace ui
