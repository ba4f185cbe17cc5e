// The highlighter's tokenising: text cut into runs, each in one colour slot
// of a syntax scheme. No GL; the text editor draws what it gives.
#pragma once

#include <string_view>

#include "ui/syntax_scheme.h"

namespace ui {

struct SyntaxRun {
    size_t begin = 0, end = 0; // [begin, end) of the text
    int colour = kPlainColour;
};

// Walks a text from its start, one run at a time:
// - blanks, tabs, newlines and bells are runs of one character each;
// - a double quote starts a string up to the closing quote (a backslash
//   takes the next character with it), or to the end of the text;
// - each bracket ( ) [ ] { } is a run of its own;
// - a run of digits and dots starting with a digit is a number;
// - a word (letters, digits and "_", not starting with a digit) takes the
//   operator colour or that of the first keyword set holding it;
// - any other run of symbols is a comment when a comment marker starts there
//   (multi-line markers, longest first, then single-line ones: "--[[" is
//   read as a block even where "--" alone opens a line comment), else an
//   operator when the run is one, else plain text.
// Allocates nothing.
class SyntaxRuns {
  public:
    SyntaxRuns(std::string_view text, const SyntaxScheme& scheme) : text_(text), scheme_(scheme) {}
    // The next run; false at the end of the text.
    bool next(SyntaxRun& run);

  private:
    size_t stringEnd(size_t from) const;
    size_t runEnd(size_t from, bool (*inRun)(char)) const;
    int wordColour(std::string_view word) const;
    // The run of symbols starting at `from` (its end is already found).
    SyntaxRun symbolRun(size_t from, size_t end) const;

    std::string_view text_;
    const SyntaxScheme& scheme_;
    size_t position_ = 0;
};

} // namespace ui
