// The scroll bar: arrows at both ends, a track and a thumb, with a position
// from 0 to 100 that presses and thumb drags change.
#pragma once

#include "ui/callback.h"
#include "ui/control.h"

namespace ui {

struct ScrollBarData {
    Callback command;        // runs after every change the pointer makes
    float lineStep = 1.0f;   // an arrow press moves the position this far
    float position = 0.0f;   // 0 to 100
    float thumbSize = 30.0f; // percent of the track; a track press moves this far
    int horizontal = 0;
    int thumbDrag = 0; // a press on the thumb is being followed
};

// The record of a scroll bar; null for other controls.
ScrollBarData* scrollBarData(const Control* control);

float scrollBarPosition(const Control* control);
// Clamped to [0, 100].
void setScrollBarPosition(Control* control, float position);
float scrollBarThumbSize(const Control* control);
// Clamped to [0, 100].
void setScrollBarThumbSize(Control* control, float size);

// ---- Geometry along the bar (no GL) ----------------------------------------

// A bar `length` long and `thickness` thick, its arrows squares at both ends.
struct ScrollTrack {
    int thickness = 0;
    int length = 0;
};
ScrollTrack scrollTrackOf(const Control* control);

struct ThumbSpan {
    double start = 0, end = 0;
};
ThumbSpan thumbSpan(const ScrollTrack& track, float position, float thumbSize);

enum class ScrollPart { NearArrow, FarArrow, Thumb, TrackBefore, TrackAfter };
// What lies at `along` pixels from the bar's near end.
ScrollPart scrollPartAt(const ScrollTrack& track, float position, float thumbSize, int along);

// The position a thumb drag gives with the pointer `along` pixels from the
// near end; `current` when the track leaves the thumb no room to move.
float thumbDragPosition(const ScrollTrack& track, float thumbSize, int along, float current);

extern const ControlClass scrollBarClass;

} // namespace ui
