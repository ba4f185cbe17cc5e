#include "ui/clock.h"

#include <chrono>
#include <cstdio>

#include "ui/caret_phase.h"
#include "ui/control_types.h"
#include "ui/draw.h"
#include "ui/fonts.h"

namespace ui {

namespace {

ClockTime timeFields;

void createClock(Control* control) {
    // The shared fields are the clock's only state.
    control->data = &timeFields;
    setPosition(control, 10, 10);
    control->width = 100;
    control->height = 50;
}

void destroyClock(Control* control) {
    control->data = nullptr;
}

void drawClock(Control* control) {
    tickClock();
    const int font = fontForRole(1);
    char text[kClockTextSize];
    panel(0, 0, control->width, control->height, false, 2);
    setColour(LUI_COLOR_BLACK);
    formatClockDate(clockTime(), text);
    drawText(font, text, 5, 5);
    formatClockTime(clockTime(), text);
    drawText(font, text, 5, fontHeight(font) + 10);
}

} // namespace

const ControlClass clockClass{
    .typeId = LUI_CLOCK,
    .create = createClock,
    .destroy = destroyClock,
    .draw = drawClock,
};

const ClockTime& clockTime() {
    return timeFields;
}

bool storeClockTime(ClockTime& fields, const std::tm& now) {
    const ClockTime before = fields;
    fields.hour = now.tm_hour;
    fields.month = now.tm_mon;
    fields.day = now.tm_mday;
    fields.minute = now.tm_min;
    fields.year = now.tm_year;
    return !(fields == before);
}

bool tickClock() {
    using namespace std::chrono;
    tickCaretPhase(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (!localtime_r(&now, &local)) return false;
    const bool changed = storeClockTime(timeFields, local);
    if (changed) requestRedisplay();
    return changed;
}

void formatClockTime(const ClockTime& time, char (&text)[kClockTextSize]) {
    snprintf(text, sizeof text, "%02d : %02d", time.hour, time.minute);
}

void formatClockDate(const ClockTime& time, char (&text)[kClockTextSize]) {
    snprintf(text, sizeof text, "%02d / %02d / %04d", time.day, time.month + 1, time.year + 1900);
}

} // namespace ui
