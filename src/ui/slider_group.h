// Float and int slider groups: a label, a slider and a numeric field side by
// side, the field and the slider kept showing the same value.
#pragma once

#include "ui/callback.h"
#include "ui/control.h"

namespace ui {

constexpr int kColumnCount = 3;
// The share of the width each column takes.
constexpr float kColumnShares[kColumnCount] = {0.3f, 0.45f, 0.25f};
// The style of the static text that labels them.
constexpr uint32_t kColumnLabelStyle = 4;

// The `data` of both slider group types.
struct SliderGroupData {
    Callback command; // the float group's, run after every change
};

// Lays three controls out side by side in a parent `width` x `height`, each
// taking its share of the width less 20 pixels and 5-pixel gaps; null entries
// keep their place empty.
void layOutColumns(Control* const (&columns)[kColumnCount], int width, int height);

// The group's command; null for other controls.
Callback* sliderGroupCommand(Control* control);

// How slider groups and colour sliders start once their parts exist: shown
// at (10, 10) with style 0x3000, laid out 250x25.
void placeColumns(Control* control);

extern const ControlClass floatSliderGroupClass;
extern const ControlClass intSliderGroupClass;

} // namespace ui
