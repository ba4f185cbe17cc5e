#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <tuple>

#include "toolkit_fixture.h"
#include "ui/control_types.h"
#include "ui/dispatch.h"
#include "ui/scroll_bar.h"

using namespace ui;

namespace {

// A vertical bar 20 thick and 200 long: a 160-pixel track between the
// arrows, of which the thumb (30 percent) leaves 112 pixels to travel.
constexpr ScrollTrack kTrack{20, 200};

TEST(ScrollBarGeometry, TheThumbTravelsTheTrackLessItsShareAndPressesFindTheirPart) {
    const ThumbSpan top = thumbSpan(kTrack, 0, 30), bottom = thumbSpan(kTrack, 100, 30);
    EXPECT_DOUBLE_EQ(top.start, 20);
    EXPECT_DOUBLE_EQ(top.end, 20 + 112 * 0.3);
    EXPECT_DOUBLE_EQ(bottom.start, 132);

    const std::tuple<const char*, float, int, ScrollPart> rows[] = {
        {"near arrow", 50, 19, ScrollPart::NearArrow},
        {"far arrow", 50, 180, ScrollPart::FarArrow},
        {"track before the thumb", 50, 60, ScrollPart::TrackBefore},
        {"thumb", 50, 76, ScrollPart::Thumb},
        {"track after the thumb", 50, 120, ScrollPart::TrackAfter},
        {"thumb at the top", 0, 20, ScrollPart::Thumb},
    };
    for (auto [name, position, along, part] : rows)
        EXPECT_EQ(scrollPartAt(kTrack, position, 30, along), part) << name;
}

TEST(ScrollBarGeometry, ThumbDragsMapThePointerIntoTheRangeEvenWithoutRoomToMove) {
    EXPECT_FLOAT_EQ(thumbDragPosition(kTrack, 30, 20 + 56, 7), 50);
    EXPECT_FLOAT_EQ(thumbDragPosition(kTrack, 30, -500, 7), 0);
    EXPECT_FLOAT_EQ(thumbDragPosition(kTrack, 30, 5000, 7), 100);
    // A thumb filling the track, or a bar shorter than its arrows: the
    // position stays, never NaN.
    EXPECT_FLOAT_EQ(thumbDragPosition(kTrack, 100, 20, 7), 7);
    EXPECT_FLOAT_EQ(thumbDragPosition({20, 40}, 30, 20, 7), 7);
    const float shortBar = thumbDragPosition({80, 25}, 30, 12, 7);
    EXPECT_TRUE(shortBar >= 0 && shortBar <= 100);
}

int commands = 0;

class ScrollBarInput : public ToolkitTest {
  protected:
    Control* bar = nullptr;
    void SetUp() override {
        ToolkitTest::SetUp();
        commands = 0;
        bar = createControl(LUI_SCROLL_BAR, "bar");
        setPosition(bar, 100, 100);
        setSize(bar, 20, 200);
        scrollBarData(bar)->command.setNative([](Control*) { return ++commands; });
    }
    float position() const { return scrollBarPosition(bar); }
};

TEST_F(ScrollBarInput, StartsAsTheDefaultsSay) {
    Control* fresh = createControl(LUI_SCROLL_BAR, nullptr);
    EXPECT_STREQ(fresh->name, "luiScrollLayout1"); // the name table's entry for type 37
    EXPECT_EQ(std::tie(fresh->x, fresh->y, fresh->width, fresh->height),
              std::make_tuple(10, 10, 80, 25));
    EXPECT_EQ(fresh->style, 8u);
    const ScrollBarData* data = scrollBarData(fresh);
    EXPECT_EQ(std::make_tuple(data->lineStep, data->position, data->thumbSize, data->horizontal),
              std::make_tuple(1.0f, 0.0f, 30.0f, 0));
}

TEST_F(ScrollBarInput, ArrowsAndTrackPressesStayWithinTheRangeAndRunTheCommandEachTime) {
    for (int i = 0; i < 3; ++i)
        click(110, 290); // far arrow
    EXPECT_FLOAT_EQ(position(), 3);
    click(110, 105); // near arrow
    EXPECT_FLOAT_EQ(position(), 2);
    for (int i = 0; i < 5; ++i)
        click(110, 270); // track after the thumb
    EXPECT_FLOAT_EQ(position(), 100);
    click(110, 120); // track before the thumb
    EXPECT_FLOAT_EQ(position(), 70);
    for (int i = 0; i < 80; ++i)
        click(110, 101);
    EXPECT_FLOAT_EQ(position(), 0);
    EXPECT_EQ(commands, 3 + 1 + 5 + 1 + 80);
}

TEST_F(ScrollBarInput, TheThumbFollowsTheDragUntilTheReleaseAndTheValueSettersClamp) {
    press(110, 130); // on the thumb at the top
    sendDrag(110, 100 + 20 + 56);
    EXPECT_FLOAT_EQ(position(), 50);
    sendDrag(110, 700);
    EXPECT_FLOAT_EQ(position(), 100);
    sendDrag(110, -40);
    EXPECT_FLOAT_EQ(position(), 0);
    release(110, 0);
    EXPECT_EQ(capturedControl(), nullptr);
    sendDrag(110, 176);
    EXPECT_FLOAT_EQ(position(), 0);
    EXPECT_EQ(commands, 3);
    // The release and the drag after it were not the bar's: the desktop had them.
    EXPECT_EQ(eventLog, "hook button 0,1 @110,0\nhook drag 0,0 @110,176\n");

    const std::tuple<float, float> values[] = {
        {250, 100}, {-3, 0}, {42.5f, 42.5f}, {std::numeric_limits<float>::infinity(), 100}};
    for (auto [given, stored] : values) {
        setFloat(bar, given);
        EXPECT_FLOAT_EQ(position(), stored) << given;
    }
    setFloat(bar, std::nanf(""));
    EXPECT_FLOAT_EQ(position(), 100);
    setInt(bar, 1000);
    EXPECT_EQ(getInt(bar), 100);
    setFloat(bar, 12.75f);
    EXPECT_EQ(getInt(bar), 12);
    EXPECT_DOUBLE_EQ(getFloat(bar), 12.75);
}

TEST_F(ScrollBarInput, AHorizontalBarMeasuresAlongItsWidth) {
    ScrollBarData* data = scrollBarData(bar);
    data->horizontal = 1;
    setSize(bar, 200, 20);
    click(295, 110);
    EXPECT_FLOAT_EQ(position(), 1);
    press(125, 110);
    sendDrag(100 + 20 + 112, 110);
    EXPECT_FLOAT_EQ(position(), 100);
}

} // namespace
