#include "ui/editor_layout.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "ui/fonts.h"

namespace ui {

namespace {

// Whether the font's advances are whole pixels: a long row of each character
// measures as many times its rounded width.
bool hasWholeAdvances(int font) {
    constexpr int kRow = 128;
    char row[kRow + 1] = {};
    for (int c = ' '; c < 127; ++c) {
        std::fill(row, row + kRow, static_cast<char>(c));
        if (textWidth(font, row) != kRow * charWidth(font, c)) return false;
    }
    return true;
}

} // namespace

TextMetrics metricsOfFont(int font) {
    TextMetrics metrics;
    for (int c = 0; c < 256; ++c)
        metrics.advance[c] = charWidth(font, c);
    metrics.lineHeight = fontHeight(font) + 1;
    metrics.tabWidth = 4 * metrics.advance[' '];
    // GLUT fonts draw through the text box, which starts 3 pixels in.
    metrics.drawShift = fontKind(font) == FontKind::Glut ? -3 : 0;
    metrics.wholeRuns = fontKind(font) != FontKind::Texture || hasWholeAdvances(font);
    return metrics;
}

void advancePen(Pen& pen, unsigned char c, const TextMetrics& metrics) {
    if (c == '\t') {
        if (metrics.tabWidth > 0) pen.x = (pen.x / metrics.tabWidth + 1) * metrics.tabWidth;
    } else if (c == '\n') {
        pen.x = 0;
        pen.y += metrics.lineHeight;
    } else {
        pen.x += metrics.advance[c];
    }
}

size_t lineStartOf(std::string_view text, size_t index) {
    index = std::min(index, text.size());
    if (index == 0) return 0;
    const size_t newline = text.rfind('\n', index - 1);
    return newline == std::string_view::npos ? 0 : newline + 1;
}

size_t lineEndOf(std::string_view text, size_t index) {
    const size_t newline = text.find('\n', std::min(index, text.size()));
    return newline == std::string_view::npos ? text.size() : newline;
}

Pen penAt(std::string_view text, size_t index, const TextMetrics& metrics) {
    index = std::min(index, text.size());
    const size_t start = lineStartOf(text, index);
    const auto lines = std::count(text.begin(), text.begin() + start, '\n');
    Pen pen{0, static_cast<int64_t>(lines) * metrics.lineHeight};
    for (size_t i = start; i < index; ++i)
        advancePen(pen, static_cast<unsigned char>(text[i]), metrics);
    return pen;
}

size_t indexNearest(std::string_view text, int64_t x, int64_t y, const TextMetrics& metrics) {
    int64_t line = metrics.lineHeight > 0 && y > 0 ? y / metrics.lineHeight : 0;
    size_t start = 0;
    for (; line > 0; --line) {
        const size_t end = lineEndOf(text, start);
        if (end == text.size()) break;
        start = end + 1;
    }
    Pen pen;
    for (size_t i = start; i < text.size() && text[i] != '\n'; ++i) {
        const int64_t left = pen.x;
        advancePen(pen, static_cast<unsigned char>(text[i]), metrics);
        if (2 * x < left + pen.x) return i;
    }
    return lineEndOf(text, start);
}

size_t sameColumnOnLine(std::string_view text, size_t index, int lines) {
    index = std::min(index, text.size());
    const size_t start = lineStartOf(text, index);
    const size_t column = index - start;
    if (lines < 0) {
        if (start == 0) return index;
        const size_t previous = lineStartOf(text, start - 1);
        return std::min(previous + column, start - 1);
    }
    const size_t end = lineEndOf(text, index);
    if (end == text.size()) return index;
    return std::min(end + 1 + column, lineEndOf(text, end + 1));
}

TextExtent measureText(std::string_view text, const TextMetrics& metrics) {
    TextExtent extent;
    extendMeasure(extent, text, metrics);
    return extent;
}

void extendMeasure(TextExtent& extent, std::string_view appended, const TextMetrics& metrics) {
    Pen pen{extent.lastLineWidth, 0};
    for (const char c : appended) {
        if (c == '\n') {
            extent.width = std::max(extent.width, pen.x);
            ++extent.lines;
            pen.x = 0;
        } else {
            advancePen(pen, static_cast<unsigned char>(c), metrics);
        }
    }
    extent.lastLineWidth = pen.x;
    extent.width = std::max(extent.width, pen.x);
}

// ---- Scrolling -------------------------------------------------------------

float thumbSizeFor(int64_t content, int64_t visible) {
    if (content <= visible) return 100.0f;
    return std::clamp(100.0f * static_cast<float>(visible) / static_cast<float>(content), 0.0f,
                      100.0f);
}

float barPositionFor(int64_t offset, int64_t content, int64_t visible) {
    if (content <= visible) return 0.0f;
    return std::clamp(100.0f * static_cast<float>(offset) / static_cast<float>(content - visible),
                      0.0f, 100.0f);
}

int offsetForBar(float position, int64_t content, int64_t visible, int current) {
    if (content <= visible || std::isnan(position)) return current;
    const double offset = static_cast<double>(content - visible) * position * 0.01;
    return static_cast<int>(std::clamp(offset, 0.0, double{INT_MAX}));
}

int clampOffset(int offset, int64_t content, int64_t visible) {
    const int64_t furthest = content > visible ? std::min<int64_t>(content - visible, INT_MAX) : 0;
    return static_cast<int>(std::clamp<int64_t>(offset, 0, furthest));
}

// ---- The script editor's layout --------------------------------------------

ScriptEditorLayout scriptEditorLayout(int width, int height, int titleHeight, int captionHeight) {
    const int button = captionHeight + 15;
    const int editorHeight = std::max(0, (height - titleHeight - button - 37) / 2);
    const auto box = [](int x, int y, int w, int h) {
        return Box{x, y, std::max(0, w), std::max(0, h)};
    };
    ScriptEditorLayout layout;
    for (int i = 0; i < kScriptEditorButtons; ++i)
        layout.buttons[i] = box(i * button + 2, 2, button, button);
    layout.execute = box(6 * button + 2, 2, width - 6 * button - 4, button);
    layout.result = box(2, captionHeight + 19, width - 4, editorHeight);
    layout.code = box(2, captionHeight + 21 + editorHeight, width - 4, editorHeight);
    layout.syntax = box(5, height - titleHeight - 29, width - 10, 25);
    return layout;
}

} // namespace ui
