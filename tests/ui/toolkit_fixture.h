// Shared set-up for the toolkit tests: a GL window, an empty control tree on
// a 1024x768 screen, recording shell hooks and probe controls that record
// the events they are offered.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/control.h"

struct Event {
    std::string target; // control name, or "hook" for the shell's hooks
    std::string kind;   // "button", "drag", "hover", "key", "special"
    int code = 0;       // button, key or character; state in `state`
    int state = 0;
    int x = 0, y = 0;
    bool operator==(const Event&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Event& event);

// Every event a probe or hook saw since the test began.
std::vector<Event>& recordedEvents();
std::vector<Event> eventsOf(const std::string& target);

// A class whose operations record and return `claim`.
extern const ui::ControlClass probeClass;       // claims everything
extern const ui::ControlClass silentProbeClass; // records, claims nothing
// A container that records nothing itself and forwards like the shared
// container operations.
extern const ui::ControlClass probeContainerClass;

// A control of `cls` attached to `parent` at (x, y), width x height.
ui::Control* makeProbe(ui::Control* parent, const char* name, int x, int y, int width, int height,
                       const ui::ControlClass* cls = &probeClass);

class ToolkitTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
};
