// Shared set-up for the toolkit tests: a GL window, an empty control tree on
// a 1024x768 screen, the toolkit as the back end's event filter with
// recording handlers behind it, and probe controls that record the events
// they are offered.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "ui/control.h"

// Every event a probe or hook saw since the test began, a line each:
// "target kind a,b @x,y" where the target is a control name or "hook" for the
// handlers that get what the toolkit leaves, and a,b are the button and state, the drag or hover
// movement, or the key (its character where printable) and 0.
extern std::string eventLog;

// A class whose operations record and return `claim`.
extern const ui::ControlClass probeClass;       // claims everything
extern const ui::ControlClass silentProbeClass; // records, claims nothing
// A container that records nothing itself and forwards like the shared
// container operations.
extern const ui::ControlClass probeContainerClass;

// A control of `cls` attached to `parent` at (x, y), width x height.
ui::Control* makeProbe(ui::Control* parent, const char* name, int x, int y, int width, int height,
                       const ui::ControlClass* cls = &probeClass);

// Events through the platform back end, the way GLUT's callbacks deliver them.
void sendButton(int button, int state, int x, int y);
void sendDrag(int x, int y);
void sendHover(int x, int y);
void sendKey(unsigned char key, int x, int y);
void sendSpecialKey(int key, int x, int y, int modifiers = 0);

// Left-button presses and releases.
void press(int x, int y);
void release(int x, int y);
void click(int x, int y);
// Presses at the first point, drags through the others and releases at the last.
void dragAlong(const std::vector<std::pair<int, int>>& points);

class ToolkitTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
};
