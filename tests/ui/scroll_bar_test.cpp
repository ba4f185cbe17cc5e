// Where presses land on a scroll bar and where thumb drags put it; the
// pointer gestures themselves run in controls/pointer.lua.
#include <gtest/gtest.h>

#include <tuple>

#include "ui/scroll_bar.h"

using namespace ui;

namespace {

// A vertical bar 20 thick and 200 long: a 160-pixel track between the
// arrows, of which the thumb (30 percent) leaves 112 pixels to travel.
constexpr ScrollTrack kTrack{20, 200};

TEST(ScrollBarGeometry, PressesFindTheArrowsTheThumbAndTheTrackEitherSide) {
    const std::tuple<const char*, float, int, ScrollPart> rows[] = {
        {"near arrow", 50, 19, ScrollPart::NearArrow},
        {"far arrow", 50, 180, ScrollPart::FarArrow},
        {"track before the thumb", 50, 75, ScrollPart::TrackBefore},
        {"thumb", 50, 76, ScrollPart::Thumb},
        {"track after the thumb", 50, 110, ScrollPart::TrackAfter},
        {"thumb at the far end", 100, 165, ScrollPart::Thumb},
    };
    for (auto [name, position, along, part] : rows)
        EXPECT_EQ(scrollPartAt(kTrack, position, 30, along), part) << name;
}

TEST(ScrollBarGeometry, ThumbDragsStayInTheRangeEvenWithoutRoomToMove) {
    EXPECT_FLOAT_EQ(thumbDragPosition(kTrack, 30, 20 + 56, 7), 50);
    EXPECT_FLOAT_EQ(thumbDragPosition(kTrack, 30, -500, 7), 0);
    EXPECT_FLOAT_EQ(thumbDragPosition(kTrack, 30, 5000, 7), 100);
    // A thumb filling the track, or a bar no longer than its arrows: the
    // position stays where it was instead of becoming NaN.
    EXPECT_FLOAT_EQ(thumbDragPosition(kTrack, 100, 20, 7), 7);
    EXPECT_FLOAT_EQ(thumbDragPosition({20, 40}, 30, 20, 7), 7);
}

} // namespace
