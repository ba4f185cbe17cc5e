#include <gtest/gtest.h>

#include "app/camera.h"

namespace {

struct Gesture {
    const char* name;
    bool left, middle, right;
    int dx, dy;
    ViewCamera expected;
};

// Each gesture starts from the initial camera with the pointer at (100, 100).
const Gesture kGestures[] = {
    {"left drag rotates half a degree per pixel", true, false, false, 10, -4,
     {.distance = 15, .pitch = -2, .yaw = 5.001f}},
    {"left and middle drag dollies", true, true, false, 20, 50, {.distance = 14}},
    {"middle drag pans", false, true, false, 20, 40, {.panX = 1, .panY = -2}},
    {"the right button moves nothing", false, false, true, 30, 30, {}},
    {"no button moves nothing", false, false, false, 30, 30, {}},
};

TEST(Camera, GesturesMoveTheCameraByTheirRules) {
    for (const Gesture& gesture : kGestures) {
        ViewCamera camera;
        MouseTracking mouse;
        if (gesture.left) TrackMouseButton(mouse, 0, 0, 100, 100);
        if (gesture.middle) TrackMouseButton(mouse, 1, 0, 100, 100);
        if (gesture.right) TrackMouseButton(mouse, 2, 0, 100, 100);
        TrackMouseButton(mouse, 7, 0, 100, 100); // other buttons only move the position
        ApplyMouseMotion(camera, mouse, 100 + gesture.dx, 100 + gesture.dy);
        EXPECT_FLOAT_EQ(camera.distance, gesture.expected.distance) << gesture.name;
        EXPECT_FLOAT_EQ(camera.panX, gesture.expected.panX) << gesture.name;
        EXPECT_FLOAT_EQ(camera.panY, gesture.expected.panY) << gesture.name;
        EXPECT_FLOAT_EQ(camera.pitch, gesture.expected.pitch) << gesture.name;
        EXPECT_FLOAT_EQ(camera.yaw, gesture.expected.yaw) << gesture.name;
        EXPECT_EQ(mouse.lastX, 100 + gesture.dx) << gesture.name;
    }
}

TEST(Camera, ReleasingAButtonStopsItsGesture) {
    ViewCamera camera;
    MouseTracking mouse;
    TrackMouseButton(mouse, 0, 0, 0, 0);
    TrackMouseButton(mouse, 0, 1, 5, 6);
    ApplyMouseMotion(camera, mouse, 50, 50);
    EXPECT_FLOAT_EQ(camera.yaw, 0.001f);
    EXPECT_EQ(mouse.lastY, 50);
}

} // namespace
