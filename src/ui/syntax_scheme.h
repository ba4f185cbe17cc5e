// Syntax descriptions for the highlighting text editors: colours, operators,
// keyword sets and comment markers, read from a syntax file once at toolkit
// start-up and kept for the whole run.
#pragma once

#include <array>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "ui/draw.h"

namespace ui {

constexpr int kSyntaxColourCount = 16;
constexpr int kKeyWordSetCount = 6;

// The colour slots the highlighter uses; the others are read and kept.
enum SyntaxColour : int {
    kPlainColour = 0,
    kOperatorColour = 2,
    kNumberColour = 3,
    kStringColour = 4,
    kFirstKeyWordColour = 5, // the sets follow in order, to 10
    kCommentColour = 12,
};

// Looked up by string_view, so that the highlighter allocates nothing.
using WordSet = std::set<std::string, std::less<>>;

struct SyntaxScheme {
    std::string name;
    std::vector<std::string> wordList; // kept, not used by the highlighter
    bool highlightOn = false;
    std::array<Rgb, kSyntaxColourCount> colours{};
    WordSet operators;
    std::array<WordSet, kKeyWordSetCount> keyWords;
    std::vector<std::string> singleLineComments;
    std::map<std::string, std::string, std::less<>> multiLineComments; // opener to closer
};

// Reads the text of a syntax file. Whatever the text holds, a scheme comes
// back: missing parts keep their defaults. `unknownSections` counts the
// section keywords that were not understood (their bodies are skipped).
SyntaxScheme parseSyntaxScheme(std::string_view text, int& unknownSections);

// Reads a syntax file into the list of schemes, printing
// "Warning... parse error in syntax file\n" for every unknown section.
// False, and no scheme, when the file cannot be read.
bool loadSyntaxFile(const char* path);
// The start-up read: "./syntax/lua2.syn", else "lua2.syn" in the working
// folder; with neither there is no scheme and editors draw no text.
void loadSyntaxSchemes();

// The scheme at `index` of the list; null when there is none.
const SyntaxScheme* syntaxScheme(int index);
// Empties the list (tests load their own files).
void clearSyntaxSchemes();

} // namespace ui
