#include <GL/glut.h>
#include <gtest/gtest.h>

#include "toolkit_fixture.h"
#include "ui/control_types.h"
#include "ui/dispatch.h"
#include "ui/toolkit.h"
#include "ui/window.h"

using namespace ui;

namespace {

using InputDispatch = ToolkitTest;

// Special keys in the log: F12 is 12, Left 100, Up 101; the title bar is 16 high.

TEST_F(InputDispatch, AltF12HidesTheToolkitAndEveryEventGoesToTheShell) {
    makeProbe(rootControl(), "all", 0, 0, 1024, 768);
    sendSpecialKey(GLUT_KEY_F12, 1, 2, GLUT_ACTIVE_ALT | GLUT_ACTIVE_CTRL); // not hiding
    sendSpecialKey(GLUT_KEY_F12, 1, 2, GLUT_ACTIVE_ALT);

    sendButton(0, 0, 10, 20);
    sendDrag(11, 21);
    sendHover(12, 22);
    sendKey('q', 13, 23);
    sendSpecialKey(GLUT_KEY_UP, 14, 24, 0);
    EXPECT_EQ(eventLog, "all special 12,0 @1,766\nhook special 12,0 @1,2\nhook button 0,0 @10,20\n"
                        "hook drag 0,0 @11,21\nhook hover 0,0 @12,22\nhook key q,0 @13,23\n"
                        "hook special 101,0 @14,24\n");

    eventLog.clear();
    sendSpecialKey(GLUT_KEY_F12, 1, 2, GLUT_ACTIVE_ALT);
    sendButton(0, 0, 10, 20);
    EXPECT_EQ(eventLog, "all special 12,0 @1,766\nall button 0,0 @10,20\n");
}

TEST_F(InputDispatch, TheFrontMostControlTakesThePressAndWhatNoneTakesGoesOnDownToTheShell) {
    makeProbe(rootControl(), "front", 0, 0, 100, 100);
    makeProbe(rootControl(), "back", 50, 50, 100, 100);
    Control* declines = makeProbe(rootControl(), "declines", 200, 200, 50, 50, &silentProbeClass);
    sendButton(0, 0, 75, 75);
    sendButton(0, 1, 120, 99);
    sendButton(2, 0, 100, 10);
    sendButton(0, 0, 220, 230);
    sendKey(27, 5, 5);
    // A captured control that declines lets the press through to the one below.
    makeProbe(rootControl(), "below", 0, 0, 1024, 768);
    setCapture(declines);
    sendButton(0, 0, 300, 400);
    EXPECT_EQ(eventLog, "front button 0,0 @75,75\nback button 0,1 @70,49\nhook button 2,0 @100,10\n"
                        "declines button 0,0 @20,30\nhook button 0,0 @220,230\nhook key 27,0 @5,5\n"
                        "declines button 0,0 @100,200\nbelow button 0,0 @300,400\n");
}

TEST_F(InputDispatch, TheCapturedControlTakesEventsInItsOwnCoordinatesAndDragsStopAtTheEdges) {
    Control* window = createControl(LUI_WINDOW, "w");
    setPosition(window, 100, 100);
    setCapture(makeProbe(window, "captured", 10, 20, 30, 30));
    sendButton(0, 0, 500, 500);
    sendDrag(510, 505);
    sendKey('k', 500, 768 - 500);
    sendDrag(-5, 20);    // left of the screen: x 0, no movement
    sendDrag(1100, 30);  // right of it: remembered as the edge, x as given
    sendDrag(1000, 800); // below it: y clamped, no movement
    sendDrag(1010, 790);
    EXPECT_EQ(eventLog, "captured button 0,0 @390,364\ncaptured drag 10,5 @400,369\n"
                        "captured key k,0 @390,364\ncaptured drag 0,-485 @-110,-116\n"
                        "captured drag 0,10 @990,-106\ncaptured drag -24,0 @890,632\n"
                        "captured drag 10,0 @900,632\n");
}

TEST_F(InputDispatch, HoveredContainersAndWindowsLoseTheHoverOnEverySide) {
    Control* box = makeProbe(rootControl(), "box", 100, 100, 50, 40, &probeContainerClass);
    const int outside[][2] = {{99, 120}, {150, 120}, {120, 99}, {120, 140}};
    for (const auto& point : outside) {
        sendHover(120, 120);
        ASSERT_EQ(hoverControl(), box);
        sendHover(point[0], point[1]);
        EXPECT_EQ(box->hovered, 0) << point[0] << "," << point[1];
    }
    // A child that claims the hover keeps the event from going further.
    makeProbe(box, "child", 10, 10, 10, 10);
    eventLog.clear();
    sendHover(115, 115);
    EXPECT_EQ(eventLog, "child hover -5,-25 @5,5\n");

    // A sizeable window keeps it within a band around its frame.
    Control* window = createControl(LUI_WINDOW, "w");
    setPosition(window, 500, 300);
    sendHover(700, 500);
    EXPECT_EQ(hoverControl(), window);
    sendHover(700, 603);
    EXPECT_EQ(hoverControl(), window);
    sendHover(700, 606);
    EXPECT_EQ(hoverControl(), nullptr);
}

TEST_F(InputDispatch, KeysFindTheirControlWithYCountedFromTheBottomAndInsertReachesNone) {
    makeProbe(rootControl(), "low", 100, 600, 50, 50);
    sendKey('a', 120, 148);
    sendKey('b', 120, 620);
    sendSpecialKey(GLUT_KEY_LEFT, 149, 119, 0);
    sendSpecialKey(GLUT_KEY_INSERT, 120, 148, 0); // only toggles overwrite mode
    EXPECT_TRUE(overwriteMode());
    EXPECT_EQ(eventLog, "low key a,0 @20,20\nhook key b,0 @120,620\nlow special 100,0 @49,49\n"
                        "hook special 108,0 @120,148\n");
}

TEST_F(InputDispatch, AMaximisedWindowTakesEveryPressAndDestroyedControlsLeaveNoState) {
    Control* big = createControl(LUI_WINDOW, "big");
    Control* inBig = makeProbe(big, "inBig", 0, 0, 2000, 2000);
    Control* other = createControl(LUI_WINDOW, "other");
    makeProbe(other, "inOther", 0, 0, 2000, 2000); // in front of "big"
    maximiseWindow(big);
    sendButton(0, 0, 100, 100);
    sendButton(0, 1, 100, 100);
    sendButton(0, 0, 900, 700);

    setCapture(inBig);
    setHover(inBig);
    destroyControl(big);
    EXPECT_EQ(capturedControl(), nullptr);
    EXPECT_EQ(hoverControl(), nullptr);
    EXPECT_EQ(maximisedControl(), nullptr);
    sendButton(0, 0, 100, 100);
    EXPECT_EQ(eventLog,
              "inBig button 0,0 @100,84\ninBig button 0,1 @100,84\ninBig button 0,0 @900,684\n"
              "inOther button 0,0 @90,74\n");
}

} // namespace
