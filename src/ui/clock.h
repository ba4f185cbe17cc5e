// The desktop's time: one set of time fields refreshed from the local clock
// by the toolkit's idle work, its text for the task bar and the clock
// control, and the clock control itself.
#pragma once

#include <ctime>

#include "ui/control.h"

namespace ui {

// The local time as the desktop shows it.
struct ClockTime {
    int hour = 0;
    int minute = 0;
    int day = 0;   // of the month, from 1
    int month = 0; // 0 to 11
    int year = 0;  // years since 1900
    bool operator==(const ClockTime&) const = default;
};

// The fields as the last tick left them.
const ClockTime& clockTime();

// Copies the fields from a broken-down time; true when any of them changed.
bool storeClockTime(ClockTime& fields, const std::tm& now);

// The toolkit's one tick: refreshes the time fields from the local clock and
// moves the caret phase on. True when the time fields changed.
bool tickClock();

// "hh : mm".
constexpr int kClockTextSize = 48;
void formatClockTime(const ClockTime& time, char (&text)[kClockTextSize]);
// "dd / mm / yyyy", the month counted from 1.
void formatClockDate(const ClockTime& time, char (&text)[kClockTextSize]);

extern const ControlClass clockClass;

} // namespace ui
