// The editors' layout arithmetic, without GL: the pen walk with its tabs,
// the caret and the character under a point, extents and selections.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "ui/editor_layout.h"

using namespace ui;

namespace {

// Six pixels a character but "i" (2) and "m" (10); tabs every 24 pixels;
// lines 13 apart.
TextMetrics testMetrics() {
    TextMetrics metrics;
    metrics.advance.fill(6);
    metrics.advance['i'] = 2;
    metrics.advance['m'] = 10;
    metrics.lineHeight = 13;
    metrics.tabWidth = 24;
    return metrics;
}

TEST(EditorPen, TabsGoToTheNextMultipleOfFourSpacesAndNewlinesStartALine) {
    const TextMetrics m = testMetrics();
    struct Case {
        const char* text;
        size_t index;
        Pen pen;
    };
    for (const Case& c :
         {Case{"abc\tX", 4, {24, 0}}, Case{"\t", 1, {24, 0}}, Case{"abcd\t", 5, {48, 0}},
          Case{"mmi\t\t", 5, {48, 0}}, Case{"ab\ncd", 4, {6, 13}}, Case{"a\n\nb", 3, {0, 26}},
          Case{"ab", 99, {12, 0}}}) {
        EXPECT_EQ(penAt(c.text, c.index, m), c.pen) << c.text;
    }
}

TEST(EditorPen, APointPicksTheNearestBoundaryOnItsLine) {
    const TextMetrics m = testMetrics();
    const std::string text = "abc\n\tx\nlast";
    EXPECT_EQ(indexNearest(text, 500, 5, m), 3u) << "past the end of a line: its end";
    EXPECT_EQ(indexNearest(text, 11, 14, m), 4u) << "the tab's first half";
    EXPECT_EQ(indexNearest(text, 13, 14, m), 5u);
    EXPECT_EQ(indexNearest(text, 7, 500, m), 8u) << "below the text: its last line";
    EXPECT_EQ(indexNearest(text, -9, -9, m), 0u);
}

TEST(EditorExtent, WidestLineAndLinesAlsoWhenTextIsAppended) {
    const TextMetrics m = testMetrics();
    EXPECT_EQ(measureText("", m), (TextExtent{0, 1, 0}));
    EXPECT_EQ(measureText("ab\n\tabcdef\nx", m), (TextExtent{60, 3, 6}));
    const std::string whole = "first\nab\tc\nlong line here\nend";
    for (size_t cut = 0; cut <= whole.size(); ++cut) {
        TextExtent extent = measureText(whole.substr(0, cut), m);
        extendMeasure(extent, whole.substr(cut), m);
        EXPECT_EQ(extent, measureText(whole, m)) << cut;
    }
}

TEST(EditorSelection, OneStretchPerLineWithoutTheNewlines) {
    const TextMetrics m = testMetrics();
    std::vector<std::tuple<int64_t, int64_t, int64_t>> stretches;
    forEachSelectedStretch("ab\tc\nxyz\n\nq", 1, 10, m, [&](int64_t l, int64_t r, int64_t y) {
        stretches.emplace_back(l, r, y);
    });
    EXPECT_EQ(stretches,
              (std::vector<std::tuple<int64_t, int64_t, int64_t>>{{6, 30, 0}, {0, 18, 13}}));
}

// The layout itself shows in the script editor's script; here, a window too
// small for its parts gives them no negative sizes.
TEST(ScriptEditorLayout, TooSmallGivesEmptyPartsNotNegativeOnes) {
    const ScriptEditorLayout tiny = scriptEditorLayout(15, 20, 16, 12);
    EXPECT_EQ(tiny.execute.width, 0);
    EXPECT_EQ(tiny.result.height, 0);
    EXPECT_EQ(tiny.code, (Box{2, 33, 11, 0}));
}

} // namespace
