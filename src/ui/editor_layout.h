// Where the text editors put things, without GL: the pen walk over a text
// (tabs, newlines, character advances), the caret, the character under a
// point, the text's extent and the scroll arithmetic, and the script
// editor's layout of its children.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace ui {

// The advances and line spacing of the font a text is drawn in.
struct TextMetrics {
    std::array<int, 256> advance{}; // by character code
    int lineHeight = 0;             // font height + 1
    int tabWidth = 0;               // four space widths
    // How text handed to the font's drawText lands against the pen walk: the
    // x to add, and whether a whole run of characters drawn at once puts
    // each where the walk does (its advances are whole pixels).
    int drawShift = 0;
    bool wholeRuns = false;
};
// The metrics of a font of the toolkit.
TextMetrics metricsOfFont(int font);

// A point of the text from its top-left corner: x along the line, y the top
// of the line.
struct Pen {
    int64_t x = 0, y = 0;
    bool operator==(const Pen&) const = default;
};

// One character's step: a tab moves to the next multiple of the tab width, a
// newline to the start of the next line, anything else by its advance.
void advancePen(Pen& pen, unsigned char c, const TextMetrics& metrics);
// Where the character at `index` (or the end of the text) begins.
Pen penAt(std::string_view text, size_t index, const TextMetrics& metrics);
// The character boundary nearest the point: on the line under y (the first
// or last line beyond the text), the boundary nearest x, at most the line's end.
size_t indexNearest(std::string_view text, int64_t x, int64_t y, const TextMetrics& metrics);

// The index where the line holding `index` starts, and where it ends (its
// newline, or the end of the text).
size_t lineStartOf(std::string_view text, size_t index);
size_t lineEndOf(std::string_view text, size_t index);
// The same column (characters from the line's start) on the line above
// (`lines` -1) or below (+1), at most that line's end; `index` itself when
// there is no such line.
size_t sameColumnOnLine(std::string_view text, size_t index, int lines);

// The widest line and the number of lines of a text.
struct TextExtent {
    int64_t width = 0;
    int64_t lines = 1;
    int64_t lastLineWidth = 0; // where text appended to it goes on
    bool operator==(const TextExtent&) const = default;
};
TextExtent measureText(std::string_view text, const TextMetrics& metrics);
// The extent after `appended` is added to the end of the text measured.
void extendMeasure(TextExtent& extent, std::string_view appended, const TextMetrics& metrics);

// The stretches of a selection [from, to), one per line: x from left to
// right on the line whose top is y. Newlines take no part.
template <class Visit>
void forEachSelectedStretch(std::string_view text, size_t from, size_t to,
                            const TextMetrics& metrics, Visit&& visit) {
    to = to < text.size() ? to : text.size();
    if (from >= to) return;
    Pen pen = penAt(text, lineStartOf(text, from), metrics);
    int64_t left = 0;
    bool open = false;
    for (size_t i = lineStartOf(text, from); i < to; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (i >= from && c != '\n' && !open) {
            left = pen.x;
            open = true;
        }
        if (c == '\n' && open) {
            visit(left, pen.x, pen.y);
            open = false;
        }
        advancePen(pen, c, metrics);
    }
    if (open) visit(left, pen.x, pen.y);
}

// ---- Scrolling -------------------------------------------------------------

// A thumb's size in percent of the track: the visible share of the content,
// 100 when it all fits.
float thumbSizeFor(int64_t content, int64_t visible);
// Where the bar stands (0 to 100) for a view moved `offset` into the content.
float barPositionFor(int64_t offset, int64_t content, int64_t visible);
// The offset a bar at `position` (0 to 100) gives, truncated; `current` when
// the content fits.
int offsetForBar(float position, int64_t content, int64_t visible, int current);
// An offset kept where the view still shows content: within
// [0, content - visible], 0 when the content fits.
int clampOffset(int offset, int64_t content, int64_t visible);

// ---- The script editor's layout --------------------------------------------

struct Box {
    int x = 0, y = 0, width = 0, height = 0;
    bool operator==(const Box&) const = default;
};

constexpr int kScriptEditorButtons = 6; // New, Open, Save, Copy, Paste, Cut

struct ScriptEditorLayout {
    std::array<Box, kScriptEditorButtons> buttons;
    Box execute, result, code, syntax;
};
// For a script editor `width` x `height` with a title bar `titleHeight`
// high and captions `captionHeight` high. Sizes below zero become zero.
ScriptEditorLayout scriptEditorLayout(int width, int height, int titleHeight, int captionHeight);

} // namespace ui
