#include "ui/scroll_bar.h"

#include <algorithm>
#include <cmath>

#include "ui/arrow_button.h"
#include "ui/control_types.h"
#include "ui/dispatch.h"
#include "ui/draw.h"
#include "ui/leaf_control.h"

namespace ui {

namespace {

constexpr uint32_t kScrollBarStyle = 8;

float clampPercent(float value) {
    return std::clamp(value, 0.0f, 100.0f);
}

// The position and the thumb size are both percentages.
float percentOf(const Control* control, float ScrollBarData::*field) {
    const ScrollBarData* bar = scrollBarData(control);
    return bar ? bar->*field : 0.0f;
}

void setPercent(Control* control, float ScrollBarData::*field, float value) {
    // NaN compares false both ways and would pass a plain clamp.
    if (ScrollBarData* bar = scrollBarData(control); bar && !std::isnan(value))
        bar->*field = clampPercent(value);
}

void createScrollBar(Control* control) {
    control->data = new ScrollBarData{};
    setLeafDefaults(control);
    setStyle(control, kScrollBarStyle);
}

int scrollBarMouseButton(Control* control, int button, int state, int x, int y) {
    ScrollBarData* bar = scrollBarData(control);
    if (state == kButtonUp) {
        bar->thumbDrag = 0;
        releaseCaptureOf(control);
        return 0;
    }
    if (button != kLeftButton || !insideControl(control, x, y)) return 1;
    setCapture(control);
    const ScrollTrack track = scrollTrackOf(control);
    float position = bar->position;
    switch (scrollPartAt(track, bar->position, bar->thumbSize, bar->horizontal ? x : y)) {
    case ScrollPart::NearArrow:
        position -= bar->lineStep;
        break;
    case ScrollPart::FarArrow:
        position += bar->lineStep;
        break;
    case ScrollPart::TrackBefore:
        position -= bar->thumbSize;
        break;
    case ScrollPart::TrackAfter:
        position += bar->thumbSize;
        break;
    case ScrollPart::Thumb:
        bar->thumbDrag = 1;
        return 1;
    }
    bar->position = clampPercent(position);
    bar->command.invoke(control);
    return 1;
}

int scrollBarDrag(Control* control, int x, int y, int, int) {
    ScrollBarData* bar = scrollBarData(control);
    if (!bar->thumbDrag) return capturedControl() == control;
    bar->position = thumbDragPosition(scrollTrackOf(control), bar->thumbSize,
                                      bar->horizontal ? x : y, bar->position);
    bar->command.invoke(control);
    return 1;
}

// A box spanning [from, to) along the bar and its whole thickness across.
struct AlongBox {
    int x, y, w, h;
};
AlongBox alongBox(const ScrollBarData* bar, const ScrollTrack& track, int from, int to) {
    if (bar->horizontal) return {from, 0, to - from, track.thickness};
    return {0, from, track.thickness, to - from};
}

// A raised square at [from, from + thickness) with an arrow in it.
void drawArrowBox(const ScrollBarData* bar, const ScrollTrack& track, int from,
                  uint32_t direction) {
    const AlongBox box = alongBox(bar, track, from, from + track.thickness);
    panel(box.x, box.y, box.w, box.h, false, 1);
    const int inset = 3;
    drawArrowSymbol(direction, box.x + inset, box.y + inset, box.x + box.w - inset,
                    box.y + box.h - inset, 0.7f);
}

void drawScrollBar(Control* control) {
    const ScrollBarData* bar = scrollBarData(control);
    const ScrollTrack track = scrollTrackOf(control);
    setColour(LUI_COLOR_GREY);
    fillRect(0, 0, control->width, control->height);
    drawArrowBox(bar, track, 0, bar->horizontal ? LUI_LEFT : LUI_UP);
    drawArrowBox(bar, track, track.length - track.thickness,
                 bar->horizontal ? LUI_RIGHT : LUI_DOWN);
    const ThumbSpan span = thumbSpan(track, bar->position, bar->thumbSize);
    const int from = static_cast<int>(span.start), to = static_cast<int>(span.end);
    const AlongBox thumb = alongBox(bar, track, from, std::max(to, from + 1));
    drawFace(control, thumb.x, thumb.y, thumb.w, thumb.h, 1);
}

int scrollBarInt(Control* control) {
    return static_cast<int>(scrollBarPosition(control));
}
double scrollBarFloat(Control* control) {
    return scrollBarPosition(control);
}
void scrollBarSetInt(Control* control, int value) {
    setScrollBarPosition(control, static_cast<float>(value));
}

} // namespace

const ControlClass scrollBarClass{
    .typeId = LUI_SCROLL_BAR,
    .create = createScrollBar,
    .destroy = destroyRecord<ScrollBarData>,
    .onDrag = scrollBarDrag,
    .onHover = leafHover,
    .onMouseButton = scrollBarMouseButton,
    .draw = drawScrollBar,
    .getInt = scrollBarInt,
    .getFloat = scrollBarFloat,
    .setInt = scrollBarSetInt,
    .setFloat = setScrollBarPosition,
};

ScrollBarData* scrollBarData(const Control* control) {
    if (!control || !control->data || control->cls != &scrollBarClass) return nullptr;
    return static_cast<ScrollBarData*>(control->data);
}

float scrollBarPosition(const Control* control) {
    return percentOf(control, &ScrollBarData::position);
}

void setScrollBarPosition(Control* control, float position) {
    setPercent(control, &ScrollBarData::position, position);
}

float scrollBarThumbSize(const Control* control) {
    return percentOf(control, &ScrollBarData::thumbSize);
}

void setScrollBarThumbSize(Control* control, float size) {
    setPercent(control, &ScrollBarData::thumbSize, size);
}

ScrollTrack scrollTrackOf(const Control* control) {
    const ScrollBarData* bar = scrollBarData(control);
    if (bar && bar->horizontal) return {control->height, control->width};
    return {control->width, control->height};
}

ThumbSpan thumbSpan(const ScrollTrack& track, float position, float thumbSize) {
    const double travel = (track.length - 2.0 * track.thickness) * (1.0 - thumbSize / 100.0);
    const double p = position / 100.0, s = thumbSize / 100.0;
    return {track.thickness + travel * p, track.thickness + travel * (p + s)};
}

ScrollPart scrollPartAt(const ScrollTrack& track, float position, float thumbSize, int along) {
    if (along >= track.length - track.thickness) return ScrollPart::FarArrow;
    if (along < track.thickness) return ScrollPart::NearArrow;
    const ThumbSpan span = thumbSpan(track, position, thumbSize);
    if (along < span.start) return ScrollPart::TrackBefore;
    if (along >= span.end) return ScrollPart::TrackAfter;
    return ScrollPart::Thumb;
}

float thumbDragPosition(const ScrollTrack& track, float thumbSize, int along, float current) {
    const double room = (track.length - 2.0 * track.thickness) * (100.0 - thumbSize) / 100.0;
    if (room == 0) return current;
    const double f = (along - track.thickness) / room;
    if (f <= 0) return 0.0f;
    if (f >= 1) return 100.0f;
    return static_cast<float>(100.0 * f);
}

} // namespace ui
